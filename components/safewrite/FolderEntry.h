// One entry of a folder, opened so that the handle is surely that entry and
// not what a link in its place points to. Opening by name follows links
// (under Wine even a delete follows a link to its target), so after opening
// the path the handle reached must be the folder's own plus the name;
// otherwise the handle is closed again and the entry counts as a link. The
// folder itself may be reached through links: only the last step is checked.
#pragma once

#include <windows.h>

#include <string>

class TFolderEntry {
 public:
  // The system's error code of an entry that is a link (or a junction, or any
  // reparse point) where a plain entry was asked for.
  static constexpr DWORD LinkError = ERROR_CANT_ACCESS_FILE;

  // Opens `folder\name` with CreateFileW's access, sharing and creation; a
  // link counts as an error, unless `linkItself`, where a link the platform
  // opens as itself is taken (to delete it).
  TFolderEntry(const std::string& folder, const std::string& name, DWORD access, DWORD share, DWORD creation,
               bool linkItself = false);
  ~TFolderEntry();
  TFolderEntry(const TFolderEntry&) = delete;
  TFolderEntry& operator=(const TFolderEntry&) = delete;

  // 0 when the handle is open; else the system's error, or LinkError.
  DWORD Error() const { return FError; }
  HANDLE Get() const { return FHandle; }
  bool IsFolder() const { return FFolder; }
  // Deletes the entry through the handle, which needs DELETE access: a
  // folder only when empty, a link as a link.
  bool Delete();

 private:
  void Check(const std::string& folder, const std::string& name, bool linkItself);
  void Close(DWORD error);

  HANDLE FHandle = INVALID_HANDLE_VALUE;
  DWORD FError = 0;
  bool FFolder = false;
};

// Reads a plain file of the folder, at most `most` bytes.
DWORD ReadFolderEntry(const std::string& folder, const std::string& name, std::string& bytes,
                      uint64_t most = UINT64_MAX);
// Deletes an entry of the folder, a link as a link and never what it points
// to; false when it is still there.
bool DeleteFolderEntry(const std::string& folder, const std::string& name);
