#include "components/config/GameFolders.h"

#include <windows.h>

#include "framework/SysUtils.h"
#include "framework/Text.h"

namespace {

const char* const KovenName = "\\KOVEN";
const char* const SoundName = "\\Sounds\\Audio";

bool EndsWithName(const std::string& path, const std::string& name) {
  return path.size() > name.size() && Text::LowerCase(path.substr(path.size() - name.size())) == Text::LowerCase(name);
}

std::wstring WithoutClosingBackslashes(std::wstring folder) {
  while (folder.size() > 1 && folder.back() == L'\\') folder.pop_back();
  return folder;
}

}  // namespace

std::string KovenFolderOf(const std::string& gameRoot) { return gameRoot + KovenName; }

std::string SoundFolderOf(const std::string& gameRoot) { return KovenFolderOf(gameRoot) + SoundName; }

std::string GameRootOf(const std::string& folder) {
  if (DirectoryExists(KovenFolderOf(folder))) return folder;
  for (const std::string& below : {std::string(KovenName) + SoundName, std::string(KovenName)})
    if (EndsWithName(folder, below)) return folder.substr(0, folder.size() - below.size());
  return folder;
}

bool SameFolder(const std::string& a, const std::string& b) {
  const std::wstring wideA = WithoutClosingBackslashes(Text::ToWide(a));
  const std::wstring wideB = WithoutClosingBackslashes(Text::ToWide(b));
  return CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                              static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
}
