#include "framework/SysUtils.h"

#include <windows.h>

#include <algorithm>

#include "framework/Text.h"

std::string IntToStr(long long value) { return std::to_string(value); }

std::string ReplaceChar(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

bool FitsMaxPath(const std::string& path) { return Text::ToWide(path).size() < MAX_PATH; }

bool DirectoryExists(const std::string& path) {
  if (!FitsMaxPath(path)) return false;
  const DWORD attributes = GetFileAttributesW(Text::ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
