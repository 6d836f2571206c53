#include "components/safewrite/BackupSet.h"

#include <cstdio>

#include "components/safewrite/FolderEntry.h"
#include "components/safewrite/SoundFolderPath.h"
#include "components/safewrite/WinFile.h"
#include "components/safewrite/WritingMarker.h"
#include "framework/FilePath.h"

namespace {

bool IsDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

bool IsOwnFileName(const std::string& name) {
  for (const char* own : {TSetRecord::FileName, TWritingMarker::FileName, TBackupSet::UndoneMarker})
    if (WinFile::SameFileName(name, own)) return true;
  return false;
}

uint64_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(FilePathW(path).c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

TBackupSet::TBackupSet(std::string storeFolder, std::string root, TSetKind kind, uint64_t sequence,
                       const SYSTEMTIME& started)
    : FStoreFolder(std::move(storeFolder)), FStarted(started) {
  FRecord.Root = std::move(root);
  FRecord.Kind = kind;
  FRecord.Sequence = sequence;
}

TBackupSet::TBackupSet(std::string folder, TSetRecord record) : FFolder(std::move(folder)), FRecord(std::move(record)) {
  FStoreFolder = FFolder.substr(0, FFolder.find_last_of('\\'));
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

uint64_t TBackupSet::Size() const {
  uint64_t size = FileSize(PathOf(TSetRecord::FileName));
  for (const TSetRecord::TEntry& entry : FRecord.Entries) size += entry.Copy.Size;
  return size;
}

bool TBackupSet::MarkedWriting() const { return Exists() && TWritingMarker::Present(FFolder); }

bool TBackupSet::Held() const { return Exists() && TWritingMarker::Held(FFolder); }

bool TBackupSet::Undone() const { return Exists() && WinFile::Exists(PathOf(UndoneMarker)); }

DWORD TBackupSet::MakeFolder() {
  const std::string base = FStoreFolder + "\\" + SetName(FStarted);
  for (int number = 1;; ++number) {
    const std::string folder = number == 1 ? base : base + " (" + std::to_string(number) + ")";
    if (CreateDirectoryW(FilePathW(folder).c_str(), nullptr)) {
      FFolder = folder;
      return 0;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) return GetLastError();
  }
}

TStoreFault TBackupSet::Create() {
  if (TStoreFault fault = PrepareStoreFolder(FStoreFolder)) return fault;
  if (const DWORD error = MakeFolder()) return TStoreFault::FromError(error, FStoreFolder);
  // The marker is held before the first file can change.
  FMarker = std::make_shared<TWritingMarker>();
  DWORD error = FMarker->Hold(FFolder);
  if (!error) error = WinFile::Write(PathOf(TSetRecord::FileName), FRecord.HeaderLines(), CREATE_NEW);
  if (!error) return {};
  Discard();
  return TStoreFault::FromError(error, FStoreFolder);
}

DWORD TBackupSet::Append(const std::string& line) { return WinFile::Append(PathOf(TSetRecord::FileName), line); }

DWORD TBackupSet::AddCopy(const std::string& originalPath, const std::string& bytes) {
  if (!Exists()) return ERROR_PATH_NOT_FOUND;
  const std::string name = WinFile::FileNameOf(originalPath);
  if (FRecord.Find(name) || IsOwnFileName(name)) return ERROR_FILE_EXISTS;
  // A new file only: never through whatever might stand under that name.
  if (const DWORD error = WinFile::Write(PathOf(name), bytes, CREATE_NEW)) {
    if (error != ERROR_FILE_EXISTS) WinFile::Delete(PathOf(name));
    return error;
  }
  // The record only grows: the lines of the files already changed are never
  // rewritten, and recording one more copy costs the same for the 300th file
  // as for the first.
  const TSetRecord::TEntry entry{name, originalPath, TFileDigest::Of(bytes), std::nullopt};
  if (const DWORD error = Append(TSetRecord::CopyLine(entry))) {
    WinFile::Delete(PathOf(name));
    return error;
  }
  FRecord.Entries.push_back(entry);
  return 0;
}

DWORD TBackupSet::AddLeft(const std::string& originalPath, const std::string& bytes) {
  for (TSetRecord::TEntry& entry : FRecord.Entries) {
    if (entry.OriginalPath != originalPath || entry.Left) continue;
    const TFileDigest left = TFileDigest::Of(bytes);
    if (const DWORD error = Append(TSetRecord::LeftLine(entry.Name, left))) return error;
    entry.Left = left;
    return 0;
  }
  return ERROR_FILE_NOT_FOUND;
}

void TBackupSet::Finish() {
  if (!Exists()) return;
  for (const TSetRecord::TEntry& entry : std::vector<TSetRecord::TEntry>(FRecord.Entries)) {
    if (entry.Left) continue;
    const TRestoreTarget target = RestoreTarget(FRecord.Root, entry.OriginalPath, entry.Name);
    std::string bytes;
    if (!target.Refusal && ReadFolderEntry(target.Folder, target.Name, bytes) == 0) AddLeft(entry.OriginalPath, bytes);
  }
  if (FMarker)
    FMarker->Remove();
  else
    DeleteFolderEntry(FFolder, TWritingMarker::FileName);
  FMarker.reset();
}

void TBackupSet::Discard() {
  if (FMarker) FMarker->Remove();
  FMarker.reset();
  if (Exists()) Delete();
  FFolder.clear();
  FRecord.Entries.clear();
}

void TBackupSet::Delete() const {
  for (const TSetRecord::TEntry& entry : FRecord.Entries) DeleteFolderEntry(FFolder, entry.Name);
  for (const char* own : {UndoneMarker, TWritingMarker::FileName, TSetRecord::FileName})
    DeleteFolderEntry(FFolder, own);
  DeleteFolderEntry(FStoreFolder, WinFile::FileNameOf(FFolder));
}

void TBackupSet::MarkUndone() {
  // A new empty file only: a marker already there means the same.
  if (Exists()) WinFile::Write(PathOf(UndoneMarker), "", CREATE_NEW);
}
