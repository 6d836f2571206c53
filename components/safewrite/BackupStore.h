// The folder of backup sets, %LOCALAPPDATA%\Klangor\Backups: starts a set
// for each press of the write command, finds the newest set (to ask about an
// interrupted write) and the newest not yet undone (to undo it), and keeps
// only the newest sets. Folders not named like a set are left alone.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "components/safewrite/BackupSet.h"

class TBackupStore {
 public:
  static constexpr size_t SetsKept = 20;

  explicit TBackupStore(std::string folder);
  // %LOCALAPPDATA%\Klangor\Backups, as the environment names the local
  // application data folder (the shell's folder when it names none).
  static std::string DefaultFolder();

  const std::string& Folder() const { return FFolder; }

  // A set for a press starting now; it reaches the disk with its first copy.
  TBackupSet StartSet() const;
  TBackupSet StartSet(const SYSTEMTIME& moment) const;

  // The sets on disk, oldest first.
  std::vector<TBackupSet> Sets() const;
  std::optional<TBackupSet> Newest() const;
  std::optional<TBackupSet> NewestNotUndone() const;
  // Deletes all but the newest `count` sets.
  void KeepNewest(size_t count = SetsKept) const;

 private:
  std::string FFolder;
};
