// Where a game root keeps the KOVEN modification and, inside it, the
// sound-bank settings files.
#pragma once

#include <string>

// "<root>\KOVEN"
std::string KovenFolderOf(const std::string& gameRoot);
// "<root>\KOVEN\Sounds\Audio"
std::string SoundFolderOf(const std::string& gameRoot);
