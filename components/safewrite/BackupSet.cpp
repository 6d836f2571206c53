#include "components/safewrite/BackupSet.h"

#include <cstdio>

#include "components/safewrite/WinFile.h"
#include "framework/Text.h"

namespace {

const char* const ListName = "files.txt";
const char* const WritingMarker = "writing.marker";
const char* const UndoneMarker = "undone.marker";

bool IsDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

TBackupSet::TBackupSet(std::string storeFolder, const SYSTEMTIME& started)
    : FStoreFolder(std::move(storeFolder)), FStarted(started) {}

TBackupSet::TBackupSet(std::string folder) : FFolder(std::move(folder)), FListRead(false) {}

// Only whole lines count: a line cut short when the program stopped while
// listing a copy names a file that had not been changed yet.
const std::vector<TBackupSet::TCopy>& TBackupSet::Copies() const {
  if (FListRead) return FCopies;
  FListRead = true;
  std::string list;
  WinFile::Read(PathOf(ListName), list);
  for (size_t start = 0, end; (end = list.find('\n', start)) != std::string::npos; start = end + 1) {
    std::string line = list.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t tab = line.find('\t');
    if (tab != std::string::npos) FCopies.push_back({line.substr(0, tab), line.substr(tab + 1)});
  }
  return FCopies;
}

std::string TBackupSet::SetName(const SYSTEMTIME& moment) {
  char name[32];
  std::snprintf(name, sizeof name, "%04u-%02u-%02u %02u.%02u.%02u", moment.wYear, moment.wMonth, moment.wDay,
                moment.wHour, moment.wMinute, moment.wSecond);
  return name;
}

bool TBackupSet::ParseSetName(const std::string& name, std::string& moment, int& number) {
  // "YYYY-MM-DD HH.MM.SS": digits everywhere but at the separators.
  const std::string shape = "0000-00-00 00.00.00";
  if (name.size() < shape.size()) return false;
  for (size_t i = 0; i < shape.size(); ++i)
    if (shape[i] == '0' ? name[i] < '0' || name[i] > '9' : name[i] != shape[i]) return false;
  moment = name.substr(0, shape.size());
  const std::string suffix = name.substr(shape.size());
  if (suffix.empty()) {
    number = 1;
    return true;
  }
  if (suffix.size() < 4 || suffix.rfind(" (", 0) != 0 || suffix.back() != ')') return false;
  const std::string digits = suffix.substr(2, suffix.size() - 3);
  if (!IsDigits(digits) || digits.size() > 6) return false;
  number = std::stoi(digits);
  return true;
}

std::string TBackupSet::Date() const {
  std::string moment;
  int number = 0;
  if (!ParseSetName(WinFile::FileNameOf(FFolder), moment, number)) return WinFile::FileNameOf(FFolder);
  moment[13] = moment[16] = ':';
  return moment;
}

bool TBackupSet::Interrupted() const { return Exists() && WinFile::Exists(PathOf(WritingMarker)); }

bool TBackupSet::Undone() const { return Exists() && WinFile::Exists(PathOf(UndoneMarker)); }

DWORD TBackupSet::Create() {
  if (const DWORD error = WinFile::CreateFolders(FStoreFolder)) return error;
  const std::string base = FStoreFolder + "\\" + SetName(FStarted);
  for (int number = 1;; ++number) {
    const std::string folder = number == 1 ? base : base + " (" + std::to_string(number) + ")";
    if (!CreateDirectoryW(Text::ToWide(folder).c_str(), nullptr)) {
      if (GetLastError() == ERROR_ALREADY_EXISTS) continue;
      return GetLastError();
    }
    FFolder = folder;
    // The marker is on disk before the first file can change.
    if (const DWORD error = WinFile::Write(PathOf(WritingMarker), "", CREATE_ALWAYS)) {
      Discard();
      return error;
    }
    return 0;
  }
}

std::string TBackupSet::UniqueCopyName(const std::string& fileName) const {
  auto taken = [this](const std::string& name) {
    for (const TCopy& copy : Copies())
      if (WinFile::SameFileName(copy.Name, name)) return true;
    return false;
  };
  std::string name = fileName;
  for (int number = 2; taken(name); ++number) name = fileName + " (" + std::to_string(number) + ")";
  return name;
}

DWORD TBackupSet::AddCopy(const std::string& originalPath, const std::string& bytes) {
  if (!Exists())
    if (const DWORD error = Create()) return error;
  const std::string name = UniqueCopyName(WinFile::FileNameOf(originalPath));
  if (const DWORD error = WinFile::Write(PathOf(name), bytes, CREATE_ALWAYS)) {
    WinFile::Delete(PathOf(name));
    return error;
  }
  // The list only grows: the lines of the files already changed are never
  // rewritten, and listing one more copy costs the same for the 300th file
  // as for the first.
  if (const DWORD error = WinFile::Append(PathOf(ListName), name + "\t" + originalPath + "\r\n")) return error;
  FCopies.push_back({name, originalPath});
  return 0;
}

void TBackupSet::Finish() {
  if (Exists()) WinFile::Delete(PathOf(WritingMarker));
}

void TBackupSet::Discard() {
  if (Exists()) WinFile::DeleteTree(FFolder);
  FFolder.clear();
  FCopies.clear();
  FListRead = true;
}

void TBackupSet::MarkUndone() {
  if (Exists()) WinFile::Write(PathOf(UndoneMarker), "", CREATE_ALWAYS);
}

std::vector<TFileResult> TBackupSet::Restore() const {
  std::vector<TFileResult> failed;
  for (const TCopy& copy : Copies()) {
    TFileResult result{WinFile::FileNameOf(copy.OriginalPath)};
    std::string bytes;
    if ((result.Error = WinFile::Read(PathOf(copy.Name), bytes)) != 0) {
      result.Failure = wfOther;
    } else if ((result.Error = WinFile::Write(copy.OriginalPath, bytes, OPEN_ALWAYS)) != 0) {
      result.Failure = FailureFromError(result.Error);
    }
    if (result.Failed()) failed.push_back(result);
  }
  return failed;
}
