#include "components/safewrite/FolderEntry.h"

#include "components/safewrite/WinFile.h"
#include "framework/FilePath.h"
#include "framework/HandleOwner.h"

namespace {

std::string FolderOpenedPath(const std::string& folder) {
  const TFileHandle handle(CreateFileW(FilePathW(folder).c_str(), FILE_READ_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return handle.Valid() ? WinFile::OpenedPath(handle.Get()) : "";
}

// One name, not a way into another folder nor a stream of the file.
bool IsPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:") == std::string::npos;
}

}  // namespace

TFolderEntry::TFolderEntry(const std::string& folder, const std::string& name, DWORD access, DWORD share,
                           DWORD creation, bool linkItself) {
  if (!IsPlainName(name)) {
    FError = ERROR_INVALID_NAME;
    return;
  }
  FHandle = CreateFileW(FilePathW(folder + "\\" + name).c_str(), access, share, nullptr, creation,
                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (FHandle == INVALID_HANDLE_VALUE) {
    FError = GetLastError();
    return;
  }
  Check(folder, name, linkItself);
}

TFolderEntry::~TFolderEntry() { Close(FError); }

void TFolderEntry::Close(DWORD error) {
  if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
  FHandle = INVALID_HANDLE_VALUE;
  FError = error;
}

// Windows opens a link as itself (FILE_FLAG_OPEN_REPARSE_POINT) and tells it
// by its attribute; Wine opens what it points to, which the opened path tells.
void TFolderEntry::Check(const std::string& folder, const std::string& name, bool linkItself) {
  BY_HANDLE_FILE_INFORMATION information{};
  if (!GetFileInformationByHandle(FHandle, &information)) return Close(GetLastError());
  FFolder = information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
  if ((information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && !linkItself) return Close(LinkError);
  const std::string folderPath = FolderOpenedPath(folder), path = WinFile::OpenedPath(FHandle);
  if (folderPath.empty() || !WinFile::SameFileName(path, folderPath + "\\" + name)) Close(LinkError);
}

bool TFolderEntry::Delete() {
  FILE_DISPOSITION_INFO disposition{TRUE};
  return FHandle != INVALID_HANDLE_VALUE &&
         SetFileInformationByHandle(FHandle, FileDispositionInfo, &disposition, sizeof disposition);
}

DWORD ReadFolderEntry(const std::string& folder, const std::string& name, std::string& bytes, uint64_t most) {
  const TFolderEntry entry(folder, name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
  if (entry.Error()) return entry.Error();
  if (entry.IsFolder()) return ERROR_DIRECTORY;
  return WinFile::ReadFrom(entry.Get(), bytes, most);
}

bool DeleteFolderEntry(const std::string& folder, const std::string& name) {
  TFolderEntry entry(folder, name, DELETE | FILE_READ_ATTRIBUTES,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING, true);
  return entry.Error() == ERROR_FILE_NOT_FOUND || (entry.Error() == 0 && entry.Delete());
}
