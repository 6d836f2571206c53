#include "components/safewrite/BackupStore.h"

#include <shlobj.h>

#include <algorithm>
#include <tuple>

#include "components/safewrite/FolderEntry.h"
#include "components/safewrite/WinFile.h"
#include "components/safewrite/WritingMarker.h"
#include "framework/FilePath.h"
#include "framework/Text.h"

namespace {

// A record is a few lines per file: anything far larger is not one.
constexpr uint64_t LargestRecord = 16 << 20;

}  // namespace

TBackupStore::TBackupStore(std::string folder, uint64_t bytesKept)
    : FFolder(std::move(folder)), FBytesKept(bytesKept) {}

std::string TBackupStore::DefaultFolder() {
  wchar_t base[MAX_PATH * 4] = {};
  const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", base, static_cast<DWORD>(std::size(base)));
  if ((length == 0 || length >= std::size(base)) &&
      SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, base) != S_OK)
    return "";
  return base[0] ? Text::FromWide(base) + "\\Klangor\\Backups" : "";
}

TBackupSet TBackupStore::StartSet(const std::string& root, TSetKind kind) const {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return StartSet(root, kind, now);
}

TBackupSet TBackupStore::StartSet(const std::string& root, TSetKind kind, const SYSTEMTIME& moment) const {
  const std::vector<TBackupSet> sets = Sets();
  const uint64_t highest = sets.empty() ? 0 : sets.back().Record().Sequence;
  return TBackupSet(FFolder, root, kind, highest + 1, moment);
}

TBackupStore::TScan TBackupStore::Scan(TScope scope) const {
  TScan scan;
  if (FFolder.empty()) return scan;
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW(FilePathW(FFolder + "\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return scan;
  do {
    const std::string name = Text::FromWide(entry.cFileName), folder = FFolder + "\\" + name;
    std::string moment;
    int number = 0;
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !TBackupSet::ParseSetName(name, moment, number))
      continue;
    // Only a change cut short leaves its marker: the start-up question reads
    // no other set's record.
    if (scope == TScope::MarkedWriting && !TWritingMarker::Present(folder)) continue;
    // A set being made right now has its marker held before its record.
    if (TWritingMarker::Held(folder)) continue;
    std::string bytes;
    std::optional<TSetRecord> record;
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
        ReadFolderEntry(folder, TSetRecord::FileName, bytes, LargestRecord + 1) == 0 && bytes.size() <= LargestRecord)
      record = TSetRecord::Parse(bytes);
    if (record) {
      scan.Sets.emplace_back(folder, std::move(*record));
      continue;
    }
    scan.Unchecked.push_back(name);
    if (TWritingMarker::Present(folder)) scan.UncheckedInterrupted.push_back(name);
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  // Two sets numbered alike (two programs pressed at once) keep their names' order.
  std::sort(scan.Sets.begin(), scan.Sets.end(), [](const TBackupSet& a, const TBackupSet& b) {
    return std::make_tuple(a.Record().Sequence, a.Folder()) < std::make_tuple(b.Record().Sequence, b.Folder());
  });
  std::sort(scan.Unchecked.begin(), scan.Unchecked.end());
  std::sort(scan.UncheckedInterrupted.begin(), scan.UncheckedInterrupted.end());
  return scan;
}

std::vector<TBackupSet> TBackupStore::Sets() const { return Scan().Sets; }

std::optional<TBackupSet> TBackupStore::Newest() const {
  std::vector<TBackupSet> sets = Sets();
  if (sets.empty()) return std::nullopt;
  return sets.back();
}

std::vector<std::string> TBackupStore::Unchecked() const { return Scan().Unchecked; }

std::vector<std::string> TBackupStore::UncheckedInterrupted() const {
  return Scan(TScope::MarkedWriting).UncheckedInterrupted;
}

std::optional<TBackupSet> TBackupStore::NextToUndo() const {
  const std::vector<TBackupSet> sets = Sets();
  for (auto set = sets.rbegin(); set != sets.rend(); ++set)
    if (set->Record().Kind != skUndo && !set->Undone() && !set->Held()) return *set;
  return std::nullopt;
}

std::optional<TBackupSet> TBackupStore::NextToRedo() const {
  const std::vector<TBackupSet> sets = Sets();
  for (auto set = sets.rbegin(); set != sets.rend(); ++set) {
    // A press after an undo makes that undo final, as in any editor.
    if (set->Record().Kind == skWrite) return std::nullopt;
    if (set->Record().Kind == skUndo && !set->Undone() && !set->Held()) return *set;
  }
  return std::nullopt;
}

std::vector<TBackupSet> TBackupStore::Interrupted() const {
  std::vector<TBackupSet> interrupted;
  const std::vector<TBackupSet> sets = Scan(TScope::MarkedWriting).Sets;
  for (auto set = sets.rbegin(); set != sets.rend(); ++set)
    if (set->Interrupted()) interrupted.push_back(*set);
  return interrupted;
}

void TBackupStore::Trim(const TBackupSet& justMade) const {
  const std::vector<TBackupSet> sets = Sets();
  size_t count = sets.size();
  uint64_t bytes = 0;
  for (const TBackupSet& set : sets) bytes += set.Size();
  for (size_t i = 0; i + 1 < sets.size() && (count > SetsKept || bytes > FBytesKept); ++i) {
    const TBackupSet& set = sets[i];
    if (WinFile::SameFileName(set.Folder(), justMade.Folder()) || set.MarkedWriting()) continue;
    bytes -= set.Size();
    set.Delete();
    --count;
  }
}

uint64_t TBackupStore::Size() const {
  uint64_t bytes = 0;
  for (const TBackupSet& set : Sets()) bytes += set.Size();
  return bytes;
}
