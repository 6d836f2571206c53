#include "components/safewrite/WritingMarker.h"

#include "components/safewrite/FolderEntry.h"
#include "components/safewrite/WinFile.h"
#include "framework/FilePath.h"

DWORD TWritingMarker::Hold(const std::string& folder) {
  Close();
  FHandle = CreateFileW(FilePathW(folder + "\\" + FileName).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  return FHandle == INVALID_HANDLE_VALUE ? GetLastError() : 0;
}

void TWritingMarker::Remove() {
  FILE_DISPOSITION_INFO disposition{TRUE};
  if (FHandle != INVALID_HANDLE_VALUE)
    SetFileInformationByHandle(FHandle, FileDispositionInfo, &disposition, sizeof disposition);
  Close();
}

void TWritingMarker::Close() {
  if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
  FHandle = INVALID_HANDLE_VALUE;
}

bool TWritingMarker::Present(const std::string& folder) { return WinFile::Exists(folder + "\\" + FileName); }

bool TWritingMarker::Held(const std::string& folder) {
  const TFolderEntry marker(folder, FileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            OPEN_EXISTING);
  return marker.Error() == ERROR_SHARING_VIOLATION;
}
