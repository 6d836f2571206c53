#include "components/config/GameFolders.h"

std::string KovenFolderOf(const std::string& gameRoot) { return gameRoot + "\\KOVEN"; }

std::string SoundFolderOf(const std::string& gameRoot) { return KovenFolderOf(gameRoot) + "\\Sounds\\Audio"; }
