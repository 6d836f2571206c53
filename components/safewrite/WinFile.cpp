#include "components/safewrite/WinFile.h"

#include "framework/HandleOwner.h"
#include "framework/Text.h"

namespace WinFile {

namespace {

DWORD ReadAll(const std::string& path, DWORD access, std::string& bytes) {
  const TFileHandle file(CreateFileW(Text::ToWide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return GetLastError();
  bytes.clear();
  char buffer[65536];
  DWORD got = 0;
  do {
    if (!ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr)) return GetLastError();
    bytes.append(buffer, got);
  } while (got > 0);
  return 0;
}

HANDLE OpenForWriting(const std::string& path, DWORD creation) {
  return CreateFileW(Text::ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, creation,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Writes all the bytes at the file pointer; a short write means a full volume.
DWORD WriteAll(HANDLE file, const std::string& bytes) {
  DWORD written = 0;
  if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return GetLastError();
  return written == bytes.size() ? 0 : ERROR_DISK_FULL;
}

}  // namespace

DWORD Read(const std::string& path, std::string& bytes) { return ReadAll(path, GENERIC_READ, bytes); }

DWORD ReadForRewrite(const std::string& path, std::string& bytes) {
  return ReadAll(path, GENERIC_READ | GENERIC_WRITE, bytes);
}

DWORD Write(const std::string& path, const std::string& bytes, DWORD creation) {
  const TFileHandle file(OpenForWriting(path, creation));
  if (!file.Valid()) return GetLastError();
  LARGE_INTEGER oldSize{};
  if (!GetFileSizeEx(file.Get(), &oldSize)) return GetLastError();
  if (const DWORD error = WriteAll(file.Get(), bytes)) return error;
  // Only a longer file is cut: on a full volume Wine's SetEndOfFile fails
  // with "disk full" even when the size stays as it is.
  if (oldSize.QuadPart > static_cast<LONGLONG>(bytes.size()) && !SetEndOfFile(file.Get())) return GetLastError();
  if (!FlushFileBuffers(file.Get())) return GetLastError();
  return 0;
}

DWORD Append(const std::string& path, const std::string& bytes) {
  const TFileHandle file(OpenForWriting(path, OPEN_ALWAYS));
  if (!file.Valid()) return GetLastError();
  LARGE_INTEGER end{};
  if (!SetFilePointerEx(file.Get(), LARGE_INTEGER{}, &end, FILE_END)) return GetLastError();
  DWORD error = WriteAll(file.Get(), bytes);
  if (!error && !FlushFileBuffers(file.Get())) error = GetLastError();
  if (error && SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN)) SetEndOfFile(file.Get());
  return error;
}

DWORD Attributes(const std::string& path) { return GetFileAttributesW(Text::ToWide(path).c_str()); }

bool Exists(const std::string& path) { return Attributes(path) != INVALID_FILE_ATTRIBUTES; }

void Delete(const std::string& path) {
  const std::wstring wide = Text::ToWide(path);
  SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(wide.c_str());
}

bool SameFileName(const std::string& a, const std::string& b) {
  const std::wstring wideA = Text::ToWide(a), wideB = Text::ToWide(b);
  return CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                              static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
}

DWORD CreateFolders(const std::string& path) {
  if (CreateDirectoryW(Text::ToWide(path).c_str(), nullptr)) return 0;
  DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS) return 0;
  const size_t slash = path.find_last_of("\\/");
  if (error != ERROR_PATH_NOT_FOUND || slash == std::string::npos || slash == 0) return error;
  if ((error = CreateFolders(path.substr(0, slash))) != 0) return error;
  return CreateDirectoryW(Text::ToWide(path).c_str(), nullptr) ? 0 : GetLastError();
}

void DeleteTree(const std::string& path) {
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW(Text::ToWide(path + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = Text::FromWide(entry.cFileName);
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        DeleteTree(child);
      else
        Delete(child);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryW(Text::ToWide(path).c_str());
}

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length ? std::wstring(text, length) : L"error " + std::to_wstring(error);
  LocalFree(text);
  message.erase(message.find_last_not_of(L" \r\n") + 1);
  return Text::FromWide(message);
}

}  // namespace WinFile
