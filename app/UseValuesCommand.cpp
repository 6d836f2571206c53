#include "app/UseValuesCommand.h"

#include "app/GameFolder.h"
#include "app/ValueFields.h"
#include "components/config/GameFolders.h"
#include "components/widgets/LMDCheckListBox.h"

const char* const UseValuesCaption = "Prendre les valeurs du fichier sélectionné / Use the selected file's values";

TUseValuesCommand::TUseValuesCommand(TParts parts) : FParts(parts) {}

bool TUseValuesCommand::CanUse() const {
  const int item = FParts.List.ItemIndex();
  return item >= 0 && item < FParts.List.Count();
}

void TUseValuesCommand::UseSelected() {
  if (CanUse()) UseFile(FParts.List.Items(FParts.List.ItemIndex()));
}

void TUseValuesCommand::UseFile(const std::string& name) {
  FParts.Values.FillFromFile(SoundFolderOf(FParts.Folder.Root()) + "\\" + name);
}
