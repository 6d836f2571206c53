// One backup set: the folder that keeps, for one press of the write command,
// a byte-exact copy of every file before its first value went in.
//
//   <Backups>\YYYY-MM-DD HH.MM.SS\       (" (2)", " (3)" ... when taken)
//       <copy>                            each copy under its file's own name
//       files.txt                         "<copy>\t<original full path>", UTF-8
//       writing.marker                    present while the write runs
//       undone.marker                     present once the set was put back
//
// A copy is listed in files.txt only once it is complete and flushed, so a
// set found with its writing marker (the program stopped mid-write) lists
// exactly the copies that can be put back.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "components/safewrite/WriteFailure.h"

class TBackupSet {
 public:
  struct TCopy {
    std::string Name;          // the copy's name inside the set
    std::string OriginalPath;  // where it was copied from
  };

  // A set not yet on disk: its folder is made under the store's folder,
  // named after `started`, when the first copy goes in.
  TBackupSet(std::string storeFolder, const SYSTEMTIME& started);
  // A set on disk. Its list of copies is read when first asked for: the
  // store looks over every set to find the newest.
  explicit TBackupSet(std::string folder);

  bool Exists() const { return !FFolder.empty(); }
  const std::string& Folder() const { return FFolder; }
  // "YYYY-MM-DD HH:MM:SS", the moment the set was made.
  std::string Date() const;
  const std::vector<TCopy>& Copies() const;
  bool Interrupted() const;
  bool Undone() const;

  // Keeps a copy of the file's bytes; 0 or the system's error code. The first
  // copy creates the folder with its writing marker.
  DWORD AddCopy(const std::string& originalPath, const std::string& bytes);
  // The write is over: the marker goes.
  void Finish();
  // Deletes the set from disk, for a press that changed no file.
  void Discard();
  // Writes every copy back over its original, byte for byte; the results of
  // the files that could not be put back.
  std::vector<TFileResult> Restore() const;
  void MarkUndone();

  // The folder name of a set made at that moment, and the inverse: false for
  // a name that is not a set's. `number` is 1 without a suffix.
  static std::string SetName(const SYSTEMTIME& moment);
  static bool ParseSetName(const std::string& name, std::string& moment, int& number);

 private:
  DWORD Create();
  std::string UniqueCopyName(const std::string& fileName) const;
  std::string PathOf(const std::string& name) const { return FFolder + "\\" + name; }

  std::string FStoreFolder;
  SYSTEMTIME FStarted{};
  std::string FFolder;
  mutable std::vector<TCopy> FCopies;
  mutable bool FListRead = true;
};
