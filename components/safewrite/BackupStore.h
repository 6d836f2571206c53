// The folder of backup sets, %LOCALAPPDATA%\Klangor\Backups. Only a folder
// named like a set and holding a valid record of its own counts as a set;
// sets are ordered by their record's sequence number, never by their names
// or the clock. A folder named like a set without a valid record (made by an
// older Klangor, damaged, or not Klangor's at all) is never used: the player
// is told its name. Anything else in the store is left alone.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "components/safewrite/BackupSet.h"

class TBackupStore {
 public:
  static constexpr size_t SetsKept = 20;
  static constexpr uint64_t BytesKept = uint64_t{1} << 30;

  // The store in `folder`, kept within `bytesKept` besides the count of sets.
  explicit TBackupStore(std::string folder, uint64_t bytesKept = BytesKept);
  // %LOCALAPPDATA%\Klangor\Backups, as the environment names the local
  // application data folder (the shell's folder when it names none); empty
  // when neither knows one.
  static std::string DefaultFolder();

  const std::string& Folder() const { return FFolder; }
  uint64_t BytesLimit() const { return FBytesKept; }
  // Makes the store's folder, or says why it cannot be.
  TStoreFault Prepare() const { return PrepareStoreFolder(FFolder); }

  // A set for a change of files below `root` starting now (or at `moment`),
  // numbered after every set in the store. Create puts it on disk.
  TBackupSet StartSet(const std::string& root, TSetKind kind = skWrite) const;
  TBackupSet StartSet(const std::string& root, TSetKind kind, const SYSTEMTIME& moment) const;

  // The sets, lowest sequence first.
  std::vector<TBackupSet> Sets() const;
  std::optional<TBackupSet> Newest() const;
  // The names of the folders named like sets that are not valid sets; a
  // folder whose marker a running write holds is not among them.
  std::vector<std::string> Unchecked() const;
  // Those of them still marked as being written.
  std::vector<std::string> UncheckedInterrupted() const;

  // What Undo takes: the highest write or redo not undone nor running.
  std::optional<TBackupSet> NextToUndo() const;
  // What Redo takes: the highest undo not yet taken back, when no press came
  // after it.
  std::optional<TBackupSet> NextToRedo() const;
  // Every set still marked as being written and not running, highest first.
  std::vector<TBackupSet> Interrupted() const;

  // Deletes the lowest sets while more than SetsKept are kept or they take
  // more than the byte limit; never the highest, nor `justMade`, nor a set
  // still marked as being written.
  void Trim(const TBackupSet& justMade) const;
  // The bytes the sets take.
  uint64_t Size() const;

 private:
  struct TScan {
    std::vector<TBackupSet> Sets;
    std::vector<std::string> Unchecked;
    std::vector<std::string> UncheckedInterrupted;
  };
  enum class TScope { All, MarkedWriting };
  TScan Scan(TScope scope = TScope::All) const;

  std::string FFolder;
  uint64_t FBytesKept;
};
