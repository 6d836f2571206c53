// Putting files back from the backup sets: the window menu's "Undo the last
// change", which goes back one change at a time, its "Redo the last undo",
// which brings back what an undo replaced, its "Open the backups folder",
// and the question at start-up after a change that was cut short. The store
// checks every set and file (components/safewrite/RestorePlan.h); this
// command asks the player and reports.
#pragma once

#include <windows.h>

class TBackupSet;
class TBackupStore;
class TGameFolder;

class TUndoCommand {
 public:
  TUndoCommand(TBackupStore& store, TGameFolder& folder);

  // Every set still marked as being written means the program stopped
  // mid-change: the user is asked once whether to put their files back.
  void AskAboutInterruptedWrite();
  bool CanUndo() const;
  // Puts back the newest set not yet undone, after asking, and lists the
  // folder again.
  void UndoLastChange();
  bool CanRedo() const;
  // Puts back what the last undo replaced, after asking, and lists again.
  void RedoLastUndo();
  void OpenBackupsFolder(HWND owner);

 private:
  // Puts the set's copies back, asking first about files changed since;
  // the set counts as undone unless a file can be tried again.
  void Restore(const TBackupSet& set);

  TBackupStore& FStore;
  TGameFolder& FFolder;
};
