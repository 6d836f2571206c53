// Putting files back from the backup sets: the window menu's "Undo the last
// change", which goes back one press at a time, its "Open the backups
// folder", and the question at start-up after a write that was cut short.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "app/BusyCursor.h"
#include "app/FailureReport.h"
#include "app/Unit1.h"
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

void TForm1::AskAboutInterruptedWrite() {
  std::optional<TBackupSet> newest = FBackups.Newest();
  if (!newest || !newest->Interrupted()) return;
  if (MessageDlg(InterruptedQuestion, mtCustom, true) == mrYes) RestoreBackup(*newest);
  newest->Finish();
}

bool TForm1::CanUndo() const { return !FWriting && FBackups.NewestNotUndone().has_value(); }

void TForm1::UndoLastChange() {
  if (!CanUndo()) return;
  TBackupSet set = *FBackups.NewestNotUndone();
  if (MessageDlg(UndoQuestion(set), mtCustom, true) != mrYes) return;
  RestoreBackup(set);
  ListSoundFiles();
}

void TForm1::RestoreBackup(TBackupSet& set) {
  const TBusyCursor busy;
  const std::vector<TFileResult> failed = set.Restore();
  // A set with files not put back stays the one to undo, so that a second
  // try (once the game is closed) can finish it.
  if (failed.empty())
    set.MarkUndone();
  else
    ShowMessageBox(FailedFilesReport(failed, set.Folder()));
}

void TForm1::OpenBackupsFolder() {
  WinFile::CreateFolders(FBackups.Folder());
  ShellExecuteW(Handle(), L"open", Text::ToWide(FBackups.Folder()).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
