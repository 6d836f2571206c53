// Choosing the game folder: with the system's folder picker, where the
// game's root, its KOVEN folder and its sound folder all stand for the
// root, or among the recent folders of the window menu. The folder chosen
// is shown and listed as a typed root would be.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TGameFolder;

class TFolderCommands {
 public:
  explicit TFolderCommands(TGameFolder& folder);

  void Choose(HWND owner);
  // The recent folders as the menu lists them: full paths, newest first.
  std::vector<std::string> RecentCaptions();
  // Lists the folder at that place of the captions last given, when it is
  // still a game root with banks.
  void TakeRecent(size_t index);

 private:
  TGameFolder& FFolder;
  std::vector<std::string> FShown;
};
