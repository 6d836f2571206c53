#include "tests/support/TempFolder.h"

#include <windows.h>

#include <atomic>
#include <stdexcept>

#include "tests/support/Utf8.h"

namespace klangor::test {
namespace {

// Test folders may hold paths past 260 characters; the tests' paths are
// always full and use backslashes only, so the extended form is the prefix.
std::wstring fileName(const std::string& path) {
  const std::wstring wide = widen(path);
  return wide.size() < MAX_PATH ? wide : L"\\\\?\\" + wide;
}

std::runtime_error failure(const std::string& what, const std::string& path) {
  return std::runtime_error(what + " \"" + path + "\" failed, error " + std::to_string(GetLastError()));
}

// Deletes a folder and its contents. Read-only entries lose the attribute first,
// since DeleteFile and RemoveDirectory refuse them on Windows.
void removeTree(const std::string& folder) {
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW(fileName(folder + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = narrow(entry.cFileName);
      if (name == "." || name == "..") continue;
      const std::string child = folder + "\\" + name;
      SetFileAttributesW(fileName(child).c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        removeTree(child);
      else
        DeleteFileW(fileName(child).c_str());
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  SetFileAttributesW(fileName(folder).c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryW(fileName(folder).c_str());
}

}  // namespace

TempFolder::TempFolder() {
  static std::atomic<unsigned> serial{0};
  wchar_t temp[MAX_PATH + 1] = {};
  DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  if (length == 0 || length > MAX_PATH) throw failure("GetTempPathW", "");
  std::string base = narrow(std::wstring(temp, length));
  if (base.back() == '\\') base.pop_back();
  // Process id and a serial keep parallel test processes and tests apart; a
  // leftover of a crashed run with the same name is skipped, never reused.
  for (int attempt = 0; attempt < 1000; ++attempt) {
    std::string candidate =
        base + "\\klangor-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(serial++);
    if (CreateDirectoryW(fileName(candidate).c_str(), nullptr)) {
      path_ = candidate;
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw failure("CreateDirectoryW", candidate);
  }
  throw std::runtime_error("no free name for a temporary folder under " + base);
}

TempFolder::~TempFolder() { removeTree(path_); }

std::string TempFolder::pathOf(const std::string& relative) const { return path_ + "\\" + relative; }

void TempFolder::makeFolder(const std::string& relative) const {
  std::string::size_type end = 0;
  do {
    end = relative.find('\\', end + 1);
    const std::string folder = pathOf(relative.substr(0, end));
    if (!CreateDirectoryW(fileName(folder).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
      throw failure("CreateDirectoryW", folder);
  } while (end != std::string::npos);
}

void TempFolder::writeFile(const std::string& relative, const std::string& bytes) const {
  const std::string file = pathOf(relative);
  HANDLE handle =
      CreateFileW(fileName(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw failure("CreateFileW", file);
  DWORD written = 0;
  const BOOL ok = WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(handle);
  if (!ok || written != bytes.size()) throw failure("WriteFile", file);
}

std::string TempFolder::readFile(const std::string& relative) const {
  const std::string file = pathOf(relative);
  HANDLE handle = CreateFileW(fileName(file).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw failure("CreateFileW", file);
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(handle, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(handle);
  return bytes;
}

std::vector<std::string> TempFolder::readLines(const std::string& relative) const {
  const std::string bytes = readFile(relative);
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  while (start < bytes.size()) {
    const std::string::size_type end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + ((bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

bool TempFolder::exists(const std::string& relative) const {
  return GetFileAttributesW(fileName(pathOf(relative)).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string deepName(size_t length, size_t part, char letter) {
  std::string name;
  for (; length > part + 1; length -= part + 1) name += std::string(part, letter) + "\\";
  return name + std::string(length, letter);
}

std::vector<std::string> withoutBlankLines(const std::vector<std::string>& lines) {
  std::vector<std::string> kept;
  for (const std::string& line : lines)
    if (line.find_first_not_of(" \t") != std::string::npos) kept.push_back(line);
  return kept;
}

}  // namespace klangor::test
