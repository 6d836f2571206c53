// One backup set: the folder that keeps, for one change of the player's
// files (a press of the write command, an undo or a redo), a byte-exact copy
// of every file before the change reached it, and the set's own record.
//
//   <Backups>\YYYY-MM-DD HH.MM.SS\       (" (2)", " (3)" ... when taken)
//       <copy>                            each copy under its file's own name
//       set.txt                           the record (SetRecord.h)
//       writing.marker                    present while the change runs, held
//       undone.marker                     present once the set was put back
//
// The folder's name keeps the date for people; the record's sequence number
// orders the sets. A set found on disk is used only with a valid record, and
// only the files its record names and its own files are ever deleted.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "components/safewrite/SetRecord.h"
#include "components/safewrite/StoreFault.h"

class TWritingMarker;

class TBackupSet {
 public:
  static constexpr const char* UndoneMarker = "undone.marker";

  // A set not yet on disk, for a change of files below `root` starting at
  // `started`; Create makes its folder in the store's folder.
  TBackupSet(std::string storeFolder, std::string root, TSetKind kind, uint64_t sequence, const SYSTEMTIME& started);
  // A set found on disk with its valid record.
  TBackupSet(std::string folder, TSetRecord record);

  bool Exists() const { return !FFolder.empty(); }
  const std::string& Folder() const { return FFolder; }
  // "YYYY-MM-DD HH:MM:SS", the moment the set was made, as its folder says.
  std::string Date() const;
  const TSetRecord& Record() const { return FRecord; }
  // The bytes the set takes in the store: its copies and its record.
  uint64_t Size() const;

  // The writing marker is there: the change is running (Held) or was cut
  // short (Interrupted).
  bool MarkedWriting() const;
  bool Held() const;
  bool Interrupted() const { return MarkedWriting() && !Held(); }
  bool Undone() const;

  // Makes the folder, holds its writing marker and writes the record's
  // header; after a fault nothing of the set is left.
  TStoreFault Create();
  // Keeps a copy of the file's bytes, under the file's own name; 0 or the
  // system's error code.
  DWORD AddCopy(const std::string& originalPath, const std::string& bytes);
  // Records what the file holds now that Klangor is done with it.
  DWORD AddLeft(const std::string& originalPath, const std::string& bytes);
  // The change is over: each copy without a "left" line gets what its file
  // holds now, then the marker goes.
  void Finish();
  // Deletes the set, for a change that reached no file.
  void Discard();
  // Deletes the files the record names and the set's own files, then the
  // folder when nothing else is left in it; never follows a link.
  void Delete() const;
  void MarkUndone();

  // The folder name of a set made at that moment, and the inverse: false for
  // a name that is not a set's. `number` is 1 without a suffix.
  static std::string SetName(const SYSTEMTIME& moment);
  static bool ParseSetName(const std::string& name, std::string& moment, int& number);

 private:
  std::string PathOf(const std::string& name) const { return FFolder + "\\" + name; }
  DWORD Append(const std::string& line);
  DWORD MakeFolder();

  std::string FStoreFolder;
  SYSTEMTIME FStarted{};
  std::string FFolder;
  TSetRecord FRecord;
  // Shared by the copies of the set object; held from Create to Finish.
  std::shared_ptr<TWritingMarker> FMarker;
};
