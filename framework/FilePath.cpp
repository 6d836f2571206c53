#include "framework/FilePath.h"

#include <windows.h>

#include <cwctype>

#include "framework/Text.h"

std::wstring FullPathW(const std::wstring& path) {
  const DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (length == 0) return L"";
  std::wstring full(length, L'\0');
  const DWORD written = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
  full.resize(written < length ? written : 0);
  return full;
}

std::wstring FilePathW(const std::wstring& path) {
  if (path.size() < MAX_PATH || IsDevicePath(path)) return path;
  const std::wstring full = FullPathW(path);
  if (full.empty()) return path;
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

std::wstring FilePathW(const std::string& path) { return FilePathW(Text::ToWide(path)); }

bool FitsFilePath(const std::string& path) { return FilePathW(path).size() < LongestFilePath; }

std::wstring PlainPathW(const std::wstring& path) {
  if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\\\" + path.substr(8);
  const bool drive = path.size() >= 7 && std::iswalpha(path[4]) && path[5] == L':' && path[6] == L'\\';
  if (path.rfind(L"\\\\?\\", 0) == 0 && drive) return path.substr(4);
  return path;
}

bool IsDevicePath(const std::wstring& path) {
  return path.rfind(L"\\\\?\\", 0) == 0 || path.rfind(L"\\\\.\\", 0) == 0 || path.rfind(L"\\??\\", 0) == 0;
}
