#include "components/config/BFC_Dir.h"

#include <windows.h>

#include "components/config/BFC_Utils.h"
#include "framework/FilePath.h"
#include "framework/HandleOwner.h"
#include "framework/SysUtils.h"
#include "framework/Text.h"

TBFC_Dir::TBFC_Dir(TComponent* owner) : TComponent(owner) {}

namespace {

// Case-insensitive wildcard match of a whole name: "*" any run, "?" any one
// character.
bool Matches(const std::wstring& name, size_t n, const std::wstring& pattern, size_t p) {
  for (; p < pattern.size(); ++p, ++n) {
    if (pattern[p] == L'*') {
      for (size_t rest = n; rest <= name.size(); ++rest)
        if (Matches(name, rest, pattern, p + 1)) return true;
      return false;
    }
    if (n >= name.size()) return false;
    if (pattern[p] != L'?' && CompareStringOrdinal(&name[n], 1, &pattern[p], 1, TRUE) != CSTR_EQUAL) return false;
  }
  return n == name.size();
}

// The platform's search also matches an entry through its short 8.3 name, so
// "*.ini" finds "Car.ini_orig" (short name CAR~1.INI) and "Snow.ini~": only
// the long name counts. "*.*" keeps its meaning of every entry.
bool LongNameMatches(const std::string& name, const std::string& pattern) {
  if (pattern == "*.*") return true;
  return Matches(Text::ToWide(name), 0, Text::ToWide(pattern), 0);
}

}  // namespace

void TBFC_Dir::ReadDir() {
  const std::string folder = AddBackslash(FPathName);
  FListDirs.Clear();
  FListFiles.Clear();
  // The search allows every attribute (read-only, hidden, system, volume
  // label, folder, archive); the entries are sorted below. Names cross as
  // UTF-16 both ways, so each one is listed under its own name.
  if (!FitsFilePath(folder + FFileName)) return;
  WIN32_FIND_DATAW entry;
  const TFindHandle search(FindFirstFileW(FilePathW(folder + FFileName).c_str(), &entry));
  if (!search.Valid()) return;
  do {
    const std::string name = Text::FromWide(entry.cFileName);
    if (name.empty() || name[0] == '.' || !LongNameMatches(name, FFileName)) continue;
    const std::string line = FPathInName ? folder + name : name;
    const DWORD attributes = entry.dwFileAttributes;
    const bool isFolder = attributes & FILE_ATTRIBUTE_DIRECTORY;
    const bool isVolumeLabel = attributes & 0x8;
    if (isFolder)
      FListDirs.Add(line);
    else if (!isVolumeLabel)
      FListFiles.Add(line);
  } while (FindNextFileW(search.Get(), &entry));
}

const PropertyTable& TBFC_Dir::PublishedTable() {
  static const PropertyTable table(&TComponent::PublishedTable(), {{"PathName", Set(&TBFC_Dir::SetPathName)},
                                                                   {"FileName", Set(&TBFC_Dir::SetFileName)},
                                                                   {"PathInName", Set(&TBFC_Dir::SetPathInName)}});
  return table;
}
