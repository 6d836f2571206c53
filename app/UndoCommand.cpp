#include "app/UndoCommand.h"

// After windows.h, which it needs.
#include <shellapi.h>

#include "app/BusyCursor.h"
#include "app/FailureReport.h"
#include "app/GameFolder.h"
#include "components/safewrite/BackupStore.h"
#include "components/safewrite/WinFile.h"
#include "framework/Dialogs.h"
#include "framework/SysUtils.h"
#include "framework/Text.h"

namespace {

const char* const InterruptedQuestion =
    "Une modification a été interrompue. Remettre les fichiers comme avant ?\r"
    "A change was interrupted. Put the files back as they were?";

std::string UndoQuestion(const TBackupSet& set) {
  const size_t count = set.Copies().size();
  const std::string files = IntToStr(static_cast<long long>(count));
  return "Annuler la modification du " + set.Date() + " (" + files + (count == 1 ? " fichier" : " fichiers") +
         ") ?\rUndo the change of " + set.Date() + " (" + files + (count == 1 ? " file" : " files") + ")?";
}

}  // namespace

TUndoCommand::TUndoCommand(TBackupStore& store, TGameFolder& folder) : FStore(store), FFolder(folder) {}

void TUndoCommand::AskAboutInterruptedWrite() {
  std::optional<TBackupSet> newest = FStore.Newest();
  if (!newest || !newest->Interrupted()) return;
  if (MessageDlg(InterruptedQuestion, mtCustom, true) == mrYes) Restore(*newest);
  newest->Finish();
}

bool TUndoCommand::CanUndo() const { return FStore.NewestNotUndone().has_value(); }

void TUndoCommand::UndoLastChange() {
  if (!CanUndo()) return;
  TBackupSet set = *FStore.NewestNotUndone();
  if (MessageDlg(UndoQuestion(set), mtCustom, true) != mrYes) return;
  Restore(set);
  FFolder.ListSoundFiles();
}

void TUndoCommand::Restore(TBackupSet& set) {
  const TBusyCursor busy;
  const std::vector<TFileResult> failed = set.Restore();
  // A set with files not put back stays the one to undo, so that a second
  // try (once the game is closed) can finish it.
  if (failed.empty())
    set.MarkUndone();
  else
    ShowMessageBox(FailedFilesReport(failed, set.Folder()));
}

void TUndoCommand::OpenBackupsFolder(HWND owner) {
  WinFile::CreateFolders(FStore.Folder());
  ShellExecuteW(owner, L"open", Text::ToWide(FStore.Folder()).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
