#include "components/safewrite/WinFile.h"

#include <vector>

#include "framework/FilePath.h"
#include "framework/HandleOwner.h"
#include "framework/Text.h"

namespace WinFile {

namespace {

DWORD ReadAll(const std::string& path, DWORD access, std::string& bytes) {
  const TFileHandle file(CreateFileW(FilePathW(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return GetLastError();
  return ReadFrom(file.Get(), bytes);
}

HANDLE OpenForWriting(const std::string& path, DWORD creation) {
  return CreateFileW(FilePathW(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, creation, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

// Writes all the bytes at the file pointer; a short write means a full volume.
DWORD WriteAll(HANDLE file, const std::string& bytes) {
  DWORD written = 0;
  if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return GetLastError();
  return written == bytes.size() ? 0 : ERROR_DISK_FULL;
}

}  // namespace

DWORD ReadFrom(HANDLE file, std::string& bytes, uint64_t most) {
  bytes.clear();
  if (!SetFilePointerEx(file, LARGE_INTEGER{}, nullptr, FILE_BEGIN)) return GetLastError();
  char buffer[65536];
  DWORD got = 0;
  do {
    const uint64_t room = most - bytes.size();
    const DWORD asked = room < sizeof buffer ? static_cast<DWORD>(room) : static_cast<DWORD>(sizeof buffer);
    if (asked == 0) break;
    if (!ReadFile(file, buffer, asked, &got, nullptr)) return GetLastError();
    bytes.append(buffer, got);
  } while (got > 0);
  return 0;
}

DWORD WriteOver(HANDLE file, const std::string& bytes) {
  LARGE_INTEGER oldSize{};
  if (!GetFileSizeEx(file, &oldSize)) return GetLastError();
  if (!SetFilePointerEx(file, LARGE_INTEGER{}, nullptr, FILE_BEGIN)) return GetLastError();
  if (const DWORD error = WriteAll(file, bytes)) return error;
  // Only a longer file is cut: on a full volume Wine's SetEndOfFile fails
  // with "disk full" even when the size stays as it is.
  if (oldSize.QuadPart > static_cast<LONGLONG>(bytes.size()) && !SetEndOfFile(file)) return GetLastError();
  if (!FlushFileBuffers(file)) return GetLastError();
  return 0;
}

std::string OpenedPath(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION information{};
  if (!GetFileInformationByHandle(file, &information)) return "";
  // The platform's final-path query stops at 260 characters under Wine; the
  // file's name on its volume has no such limit.
  std::vector<char> buffer(sizeof(FILE_NAME_INFO) + LongestFilePath * sizeof(wchar_t));
  auto* name = reinterpret_cast<FILE_NAME_INFO*>(buffer.data());
  if (!GetFileInformationByHandleEx(file, FileNameInfo, name, static_cast<DWORD>(buffer.size()))) return "";
  return std::to_string(information.dwVolumeSerialNumber) + ":" +
         Text::FromWide(std::wstring(name->FileName, name->FileNameLength / sizeof(wchar_t)));
}

DWORD Read(const std::string& path, std::string& bytes) { return ReadAll(path, GENERIC_READ, bytes); }

DWORD ReadForRewrite(const std::string& path, std::string& bytes) {
  return ReadAll(path, GENERIC_READ | GENERIC_WRITE, bytes);
}

DWORD Write(const std::string& path, const std::string& bytes, DWORD creation) {
  const TFileHandle file(OpenForWriting(path, creation));
  if (!file.Valid()) return GetLastError();
  return WriteOver(file.Get(), bytes);
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

DWORD Attributes(const std::string& path) { return GetFileAttributesW(FilePathW(path).c_str()); }

bool Exists(const std::string& path) { return Attributes(path) != INVALID_FILE_ATTRIBUTES; }

void Delete(const std::string& path) {
  const std::wstring wide = FilePathW(path);
  SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(wide.c_str());
}

bool SameFileName(const std::string& a, const std::string& b) {
  const std::wstring wideA = Text::ToWide(a), wideB = Text::ToWide(b);
  return CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                              static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
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
