#include "app/PresetCommands.h"

#include "app/FileDialogs.h"
#include "app/GameFolder.h"
#include "app/PresetFile.h"
#include "app/ValueFields.h"
#include "components/config/GameFolders.h"
#include "components/safewrite/WinFile.h"
#include "framework/Dialogs.h"

namespace {

const char* const SaveTitle = "Enregistrer les valeurs / Save values";
const char* const LoadTitle = "Charger des valeurs / Load values";

const char* const NothingFilledMessage =
    "Aucune valeur à enregistrer : remplissez au moins un champ.\r"
    "No value to save: fill in at least one field.";
const char* const InSoundFolderMessage =
    "Un réglage ne s'enregistre pas dans le dossier des sons du jeu, où il serait pris pour une banque.\r"
    "A preset is not saved in the game's sound folder, where it would be taken for a sound bank.";
const char* const NotSavedMessage =
    "Les valeurs n'ont pas pu être enregistrées.\r"
    "The values could not be saved.";
const char* const NotFoundMessage =
    "Le fichier de réglages est introuvable.\r"
    "The settings file cannot be found.";
const char* const NoKeyMessage =
    "Ce fichier ne contient aucune des valeurs de Klangor.\r"
    "This file holds none of Klangor's values.";
const char* const NoSaveDialogHelp = "Les valeurs restent dans les champs. / The values stay in the fields.";
const char* const NoOpenDialogHelp =
    "Déposez le fichier sur la fenêtre, ou donnez-le au démarrage de Klangor.\r"
    "Drop the file onto the window, or give it when starting Klangor.";

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

}  // namespace

TPresetCommands::TPresetCommands(TParts parts) : FParts(parts) {}

void TPresetCommands::Save(HWND owner) {
  // Read before the dialog: nothing can change the fields while it is open.
  const std::vector<TIniValue> values = FParts.Values.Filled();
  if (values.empty()) return ShowMessageBox(NothingFilledMessage);
  const TDialogAnswer answer = FileDialogs::AskPresetToSave(owner, SaveTitle);
  if (FAILED(answer.Error)) return FileDialogs::ShowFailure(answer, NoSaveDialogHelp);
  if (answer.Path) SaveFile(*answer.Path, values);
}

void TPresetCommands::SaveFile(const std::string& path, const std::vector<TIniValue>& values) {
  if (SameFolder(FolderOf(path), SoundFolderOf(FParts.Folder.Root())))
    return ShowMessageBox(std::string(InSoundFolderMessage) + "\r\r" + path);
  if (const DWORD error = SavePreset(path, values))
    ShowMessageBox(std::string(NotSavedMessage) + "\r\r" + path + "\r" + WinFile::SystemMessage(error));
}

void TPresetCommands::Load(HWND owner) {
  const TDialogAnswer answer = FileDialogs::AskPresetToLoad(owner, LoadTitle);
  if (FAILED(answer.Error)) return FileDialogs::ShowFailure(answer, NoOpenDialogHelp);
  if (answer.Path) LoadFile(*answer.Path);
}

void TPresetCommands::LoadFile(const std::string& path) {
  const DWORD attributes = WinFile::Attributes(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return ShowMessageBox(std::string(NotFoundMessage) + "\r\r" + path);
  if (FParts.Values.FillFromFile(path) == 0) ShowMessageBox(std::string(NoKeyMessage) + "\r\r" + path);
}
