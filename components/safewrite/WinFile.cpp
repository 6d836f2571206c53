#include "components/safewrite/WinFile.h"

#include "framework/Text.h"

namespace WinFile {

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : FHandle(handle) {}
  ~FileHandle() {
    if (Valid()) CloseHandle(FHandle);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool Valid() const { return FHandle != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return FHandle; }

 private:
  HANDLE FHandle;
};

DWORD ReadAll(const std::wstring& path, DWORD access, std::string& bytes) {
  const FileHandle file(CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
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

}  // namespace

DWORD Read(const std::wstring& path, std::string& bytes) { return ReadAll(path, GENERIC_READ, bytes); }

DWORD ReadForRewrite(const std::wstring& path, std::string& bytes) {
  return ReadAll(path, GENERIC_READ | GENERIC_WRITE, bytes);
}

DWORD Write(const std::wstring& path, const std::string& bytes, DWORD creation) {
  const FileHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return GetLastError();
  LARGE_INTEGER oldSize{};
  if (!GetFileSizeEx(file.Get(), &oldSize)) return GetLastError();
  DWORD written = 0;
  if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return GetLastError();
  if (written != bytes.size()) return ERROR_DISK_FULL;
  // Only a longer file is cut: on a full volume Wine's SetEndOfFile fails
  // with "disk full" even when the size stays as it is.
  if (oldSize.QuadPart > static_cast<LONGLONG>(bytes.size()) && !SetEndOfFile(file.Get())) return GetLastError();
  if (!FlushFileBuffers(file.Get())) return GetLastError();
  return 0;
}

DWORD CreateFolders(const std::wstring& path) {
  if (CreateDirectoryW(path.c_str(), nullptr)) return 0;
  DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS) return 0;
  const size_t slash = path.find_last_of(L"\\/");
  if (error != ERROR_PATH_NOT_FOUND || slash == std::wstring::npos || slash == 0) return error;
  if ((error = CreateFolders(path.substr(0, slash))) != 0) return error;
  return CreateDirectoryW(path.c_str(), nullptr) ? 0 : GetLastError();
}

void DeleteTree(const std::wstring& path) {
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = path + L"\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        DeleteTree(child);
      } else {
        SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(child.c_str());
      }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryW(path.c_str());
}

std::wstring FileNameOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
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
