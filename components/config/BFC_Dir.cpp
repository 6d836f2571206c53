#include "components/config/BFC_Dir.h"

#include <windows.h>

#include "components/config/BFC_Utils.h"
#include "framework/SysUtils.h"
#include "framework/Text.h"

TBFC_Dir::TBFC_Dir(TComponent* owner) : TComponent(owner) {}

namespace {

// Closes the search on every way out, also when filling a list throws.
class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : FHandle(handle) {}
  ~FindHandle() {
    if (FHandle != INVALID_HANDLE_VALUE) FindClose(FHandle);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  bool Found() const { return FHandle != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return FHandle; }

 private:
  HANDLE FHandle;
};

}  // namespace

void TBFC_Dir::ReadDir() {
  const std::string folder = AddBackslash(FPathName);
  FListDirs.Clear();
  FListFiles.Clear();
  // The search allows every attribute (read-only, hidden, system, volume
  // label, folder, archive); the entries are sorted below. Names cross as
  // UTF-16 both ways, so each one is listed under its own name.
  if (!FitsMaxPath(folder + FFileName)) return;
  WIN32_FIND_DATAW entry;
  FindHandle search(FindFirstFileW(Text::ToWide(folder + FFileName).c_str(), &entry));
  if (!search.Found()) return;
  do {
    const std::string name = Text::FromWide(entry.cFileName);
    if (name.empty() || name[0] == '.') continue;
    const std::string line = FPathInName ? folder + name : name;
    const DWORD attributes = entry.dwFileAttributes;
    const bool isFolder = attributes & FILE_ATTRIBUTE_DIRECTORY;
    const bool isVolumeLabel = attributes & 0x8;
    if (isFolder) FListDirs.Add(line);
    else if (!isVolumeLabel) FListFiles.Add(line);
  } while (FindNextFileW(search.Get(), &entry));
}

const PropertyTable& TBFC_Dir::PublishedTable() {
  static const PropertyTable table(&TComponent::PublishedTable(),
                                   {{"PathName", Set(&TBFC_Dir::SetPathName)},
                                    {"FileName", Set(&TBFC_Dir::SetFileName)},
                                    {"PathInName", Set(&TBFC_Dir::SetPathInName)}});
  return table;
}

const PropertyTable& TBFC_Dir::Published() const { return PublishedTable(); }
