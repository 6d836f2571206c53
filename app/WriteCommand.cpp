#include "app/WriteCommand.h"

#include "app/FailureReport.h"
#include "app/GameFolder.h"
#include "app/ValueFields.h"
#include "components/widgets/LMDCheckListBox.h"
#include "framework/Dialogs.h"

TWriteCommand::TWriteCommand(TParts parts) : FParts(parts) {}

std::optional<TPressOutcome> TWriteCommand::Run(const TPressWrite::TProgress& progress) {
  if (!FParts.Values.Check() || !FParts.Folder.TakeRootForWrite()) return std::nullopt;
  TLMDCheckListBox& list = FParts.List;
  TPressWrite press(
      FParts.Folder.Root(), ListedNames(), [&list](int item) { return list.Checked(item); }, FParts.Values.Filled(),
      FParts.Store, FParts.Profile);
  return press.Run(progress);
}

void TWriteCommand::Report(const TPressOutcome& outcome) {
  if (outcome.StoreFault)
    ShowMessageBox(StoreFaultMessage(outcome.StoreFault, suWrite));
  else if (!outcome.Failed.empty())
    ShowMessageBox(FailedFilesReport(outcome.Failed, outcome.BackupFolder));
}

std::vector<std::string> TWriteCommand::ListedNames() const {
  std::vector<std::string> names;
  for (int item = 0; item < FParts.List.Count(); ++item) names.push_back(FParts.List.Items(item));
  return names;
}
