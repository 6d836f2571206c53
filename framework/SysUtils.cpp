#include "framework/SysUtils.h"

#include <windows.h>

#include <algorithm>

#include "framework/FilePath.h"

std::string IntToStr(long long value) { return std::to_string(value); }

std::string ReplaceChar(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

bool DirectoryExists(const std::string& path) {
  if (!FitsFilePath(path)) return false;
  const DWORD attributes = GetFileAttributesW(FilePathW(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
