#include "app/UndoCommand.h"

// After windows.h, which it needs.
#include <shellapi.h>

#include "app/BusyCursor.h"
#include "app/FailureReport.h"
#include "app/GameFolder.h"
#include "components/safewrite/BackupStore.h"
#include "components/safewrite/RestorePlan.h"
#include "components/safewrite/StoreMessages.h"
#include "framework/Dialogs.h"
#include "framework/SysUtils.h"
#include "framework/Text.h"

namespace {

const char* const InterruptedQuestion =
    "Une modification a été interrompue. Remettre les fichiers comme avant ?\r"
    "A change was interrupted. Put the files back as they were?";

std::string UndoQuestion(const TBackupSet& set) {
  const size_t count = set.Record().Entries.size();
  const std::string files = IntToStr(static_cast<long long>(count));
  return "Annuler la modification du " + set.Date() + " (" + files + (count == 1 ? " fichier" : " fichiers") +
         ") ?\rUndo the change of " + set.Date() + " (" + files + (count == 1 ? " file" : " files") + ")?";
}

}  // namespace

TUndoCommand::TUndoCommand(TBackupStore& store, TGameFolder& folder) : FStore(store), FFolder(folder) {}

void TUndoCommand::AskAboutInterruptedWrite() {
  if (const std::vector<std::string> names = FStore.UncheckedInterrupted(); !names.empty())
    ShowMessageBox(UncheckedInterruptedMessage(names));
  std::vector<TBackupSet> interrupted = FStore.Interrupted();
  if (interrupted.empty()) return;
  const bool putBack = MessageDlg(InterruptedQuestion, mtCustom, true) == mrYes;
  // The latest change first, so that each set finds the files as it left them.
  for (TBackupSet& set : interrupted) {
    if (putBack) Restore(set);
    set.Finish();
  }
}

bool TUndoCommand::CanUndo() const { return FStore.NextToUndo() || !FStore.Unchecked().empty(); }

void TUndoCommand::UndoLastChange() {
  if (!CanUndo()) return;
  if (const std::vector<std::string> names = FStore.Unchecked(); !names.empty())
    ShowMessageBox(UncheckedSetsMessage(names));
  const std::optional<TBackupSet> set = FStore.NextToUndo();
  if (!set || MessageDlg(UndoQuestion(*set), mtCustom, true) != mrYes) return;
  Restore(*set);
  FFolder.ListSoundFiles();
}

bool TUndoCommand::CanRedo() const { return FStore.NextToRedo().has_value(); }

void TUndoCommand::RedoLastUndo() {
  const std::optional<TBackupSet> set = FStore.NextToRedo();
  if (!set || MessageDlg(RedoQuestion(*set), mtCustom, true) != mrYes) return;
  Restore(*set);
  FFolder.ListSoundFiles();
}

void TUndoCommand::Restore(const TBackupSet& set) {
  TRestorePlan plan(set);
  const std::vector<std::string> changed = plan.Changed();
  const bool changedToo =
      !changed.empty() && MessageDlg(ChangedFilesQuestion(changed, set.Date()), mtCustom, true) == mrNo;
  const TBusyCursor busy;
  const TRestoreOutcome outcome = plan.Run(FStore, changedToo);
  if (outcome.Fault)
    ShowMessageBox(StoreFaultMessage(outcome.Fault, suUndo));
  else if (!outcome.Failed.empty())
    ShowMessageBox(FailedFilesReport(outcome.Failed, set.Folder()));
}

void TUndoCommand::OpenBackupsFolder(HWND owner) {
  if (const TStoreFault fault = FStore.Prepare()) {
    ShowMessageBox(StoreFaultMessage(fault, suOpen));
    return;
  }
  ShellExecuteW(owner, L"open", Text::ToWide(FStore.Folder()).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
