// Putting a backup set's files back, for Undo, Redo and the question after an
// interrupted change. The plan checks every file of the set first, in this
// order, and never writes a file that failed a check:
//
//   1. where it goes: a plain .ini file directly in the sound folder of the
//      set's game root, named as its copy (SoundFolderPath);
//   2. its copy: there, a plain file, of the recorded size and SHA-256;
//   3. what the file holds now: the copy itself (already back: nothing to
//      do), what Klangor left there (put back), or anything else (changed
//      since: put back only when the player says so). A file of a change cut
//      short before Klangor was done with it counts as Klangor's; a file
//      that no longer exists is made again in the sound folder.
//
// Running the plan first saves what each file holds into a new set of the
// store (an undo's replaced files are a redo's copies, and the other way
// round), then writes the copy over it and reads it back. A file that fails
// check 1 or 2 fails for good: the rest of the set is put back and the set
// is done with. A file that could not be written (held by the game, say) can
// be tried again: the set stays to be put back.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "components/safewrite/BackupSet.h"
#include "components/safewrite/SoundFolderPath.h"
#include "components/safewrite/WriteFailure.h"

class TBackupStore;

struct TRestoreOutcome {
  std::vector<TFileResult> Failed;  // each file not put back, with its reason
  TStoreFault Fault;                // the store could not take the replaced files: nothing was written
};

class TRestorePlan {
 public:
  explicit TRestorePlan(TBackupSet set);
  TRestorePlan(const TRestorePlan&) = delete;
  TRestorePlan& operator=(const TRestorePlan&) = delete;

  // The names of the files changed since Klangor left them.
  std::vector<std::string> Changed() const;
  // Puts back every file that passed the checks, the changed ones too when
  // `changedToo`; marks the set undone unless a file can be tried again.
  TRestoreOutcome Run(const TBackupStore& store, bool changedToo);

 private:
  enum TState { rsPut, rsBack, rsChanged, rsFailed };
  struct TItem {
    const TSetRecord::TEntry* Entry;
    TRestoreTarget Target;
    std::string Copy;
    std::optional<TFileDigest> Now;  // none: the file does not exist
    TState State = rsPut;
    TFileResult Result;
  };

  void Check(TItem& item) const;
  void PutBack(TItem& item, TBackupSet& replaced) const;

  TBackupSet FSet;
  std::vector<TItem> FItems;
};
