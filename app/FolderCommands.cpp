#include "app/FolderCommands.h"

#include "app/FileDialogs.h"
#include "app/GameFolder.h"
#include "components/config/GameFolders.h"

namespace {

const char* const ChooseTitle = "Choisir le dossier du jeu / Choose the game folder";
const char* const NoPickerHelp =
    "Tapez le chemin du jeu dans le champ, ou déposez son dossier sur la fenêtre.\r"
    "Type the game's path into the field, or drop its folder onto the window.";

}  // namespace

TFolderCommands::TFolderCommands(TGameFolder& folder) : FFolder(folder) {}

void TFolderCommands::Choose(HWND owner) {
  const TDialogAnswer answer = FileDialogs::AskFolder(owner, ChooseTitle);
  if (FAILED(answer.Error)) return FileDialogs::ShowFailure(answer, NoPickerHelp);
  if (answer.Path) FFolder.TakePath(GameRootOf(*answer.Path));
}

std::vector<std::string> TFolderCommands::RecentCaptions() { return FShown = FFolder.RecentRoots(); }

void TFolderCommands::TakeRecent(size_t index) {
  // Checked again: the folder may have gone since the menu opened.
  if (index < FShown.size() && FFolder.ListsBanks(FShown[index])) FFolder.TakePath(FShown[index]);
}
