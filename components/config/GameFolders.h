// Where a game root keeps the KOVEN modification and, inside it, the
// sound-bank settings files.
#pragma once

#include <string>

// "<root>\KOVEN"
std::string KovenFolderOf(const std::string& gameRoot);
// "<root>\KOVEN\Sounds\Audio"
std::string SoundFolderOf(const std::string& gameRoot);
// The game root a folder picked as the game's stands for: a folder holding
// KOVEN is a root; a KOVEN folder or a sound folder stands for the root
// above it, whatever the letter case of its name. Any other folder is taken
// as it is, to be refused as a typed root would be.
std::string GameRootOf(const std::string& folder);
// Whether two paths name the same folder, letter case and closing
// backslashes aside.
bool SameFolder(const std::string& a, const std::string& b);
