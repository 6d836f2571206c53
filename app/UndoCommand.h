// Putting files back from the backup sets: the window menu's "Undo the last
// change", which goes back one press at a time, its "Open the backups
// folder", and the question at start-up after a write that was cut short.
#pragma once

#include <windows.h>

class TBackupSet;
class TBackupStore;
class TGameFolder;

class TUndoCommand {
 public:
  TUndoCommand(TBackupStore& store, TGameFolder& folder);

  // A set still marked as being written means the program stopped mid-write:
  // the user is asked whether to put its files back.
  void AskAboutInterruptedWrite();
  bool CanUndo() const;
  // Puts back the newest set not yet undone, after asking, and lists the
  // folder again.
  void UndoLastChange();
  void OpenBackupsFolder(HWND owner);

 private:
  // Puts the set's copies back; the set counts as undone once all are back.
  void Restore(TBackupSet& set);

  TBackupStore& FStore;
  TGameFolder& FFolder;
};
