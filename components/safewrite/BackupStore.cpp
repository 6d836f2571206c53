#include "components/safewrite/BackupStore.h"

#include <shlobj.h>

#include <algorithm>
#include <tuple>

#include "components/safewrite/WinFile.h"
#include "framework/Text.h"

TBackupStore::TBackupStore(std::string folder) : FFolder(std::move(folder)) {}

std::string TBackupStore::DefaultFolder() {
  wchar_t base[MAX_PATH * 4] = {};
  const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", base, static_cast<DWORD>(std::size(base)));
  if (length == 0 || length >= std::size(base))
    SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, base);
  return Text::FromWide(base) + "\\Klangor\\Backups";
}

TBackupSet TBackupStore::StartSet() const {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return StartSet(now);
}

TBackupSet TBackupStore::StartSet(const SYSTEMTIME& moment) const { return TBackupSet(FFolder, moment); }

std::vector<TBackupSet> TBackupStore::Sets() const {
  struct Found {
    std::string Moment;
    int Number;
    std::string Name;
  };
  std::vector<Found> found;
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW(Text::ToWide(FFolder + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      Found set{"", 0, Text::FromWide(entry.cFileName)};
      if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
          TBackupSet::ParseSetName(set.Name, set.Moment, set.Number))
        found.push_back(set);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  // The names sort by their moment; " (10)" comes after " (9)".
  std::sort(found.begin(), found.end(),
            [](const Found& a, const Found& b) { return std::tie(a.Moment, a.Number) < std::tie(b.Moment, b.Number); });
  std::vector<TBackupSet> sets;
  for (const Found& set : found) sets.emplace_back(FFolder + "\\" + set.Name);
  return sets;
}

std::optional<TBackupSet> TBackupStore::Newest() const {
  std::vector<TBackupSet> sets = Sets();
  if (sets.empty()) return std::nullopt;
  return sets.back();
}

std::optional<TBackupSet> TBackupStore::NewestNotUndone() const {
  std::vector<TBackupSet> sets = Sets();
  for (auto set = sets.rbegin(); set != sets.rend(); ++set)
    if (!set->Undone()) return *set;
  return std::nullopt;
}

void TBackupStore::KeepNewest(size_t count) const {
  std::vector<TBackupSet> sets = Sets();
  for (size_t i = 0; i + count < sets.size(); ++i) WinFile::DeleteTree(sets[i].Folder());
}
