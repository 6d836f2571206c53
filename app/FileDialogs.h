// The system's own file dialogs: IFileSaveDialog to name a preset,
// IFileOpenDialog to choose one, and IFileOpenDialog with FOS_PICKFOLDERS
// as the folder picker. They are COM objects of the window's thread, which
// joins a single-threaded apartment for as long as a dialog is open, as they
// require.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

struct TDialogAnswer {
  // The chosen file or folder; none when the player cancelled or the dialog
  // failed.
  std::optional<std::string> Path;
  // Why the dialog could not be made or shown; S_OK otherwise.
  HRESULT Error = S_OK;
};

namespace FileDialogs {

// The dialog's title names what it is for; the presets' filter is
// "Réglages Klangor / Klangor settings (*.ini)".
TDialogAnswer AskPresetToSave(HWND owner, const std::string& title);
TDialogAnswer AskPresetToLoad(HWND owner, const std::string& title);
TDialogAnswer AskFolder(HWND owner, const std::string& title);

// Tells that the system's dialog could not be shown, with the system's
// error and what the player can do instead.
void ShowFailure(const TDialogAnswer& answer, const std::string& otherWay);

}  // namespace FileDialogs
