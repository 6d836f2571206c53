#include "components/safewrite/BackupSet.h"

#include <cwchar>

#include "components/safewrite/WinFile.h"
#include "framework/Text.h"

namespace {

const wchar_t* const ListName = L"files.txt";
const wchar_t* const WritingMarker = L"writing.marker";
const wchar_t* const UndoneMarker = L"undone.marker";

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsDigits(const std::wstring& text) {
  if (text.empty()) return false;
  for (wchar_t c : text)
    if (c < L'0' || c > L'9') return false;
  return true;
}

}  // namespace

TBackupSet::TBackupSet(std::wstring storeFolder, const SYSTEMTIME& started)
    : FStoreFolder(std::move(storeFolder)), FStarted(started) {}

TBackupSet::TBackupSet(std::wstring folder) : FFolder(std::move(folder)) {
  std::string list;
  WinFile::Read(PathOf(ListName), list);
  for (size_t start = 0; start < list.size();) {
    size_t end = list.find('\n', start);
    if (end == std::string::npos) end = list.size();
    std::string line = list.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t tab = line.find('\t');
    if (tab != std::string::npos)
      FCopies.push_back({Text::FromUtf8(line.substr(0, tab)), Text::FromUtf8(line.substr(tab + 1))});
    start = end + 1;
  }
}

std::wstring TBackupSet::SetName(const SYSTEMTIME& moment) {
  wchar_t name[32];
  swprintf(name, 32, L"%04u-%02u-%02u %02u.%02u.%02u", moment.wYear, moment.wMonth, moment.wDay, moment.wHour,
           moment.wMinute, moment.wSecond);
  return name;
}

bool TBackupSet::ParseSetName(const std::wstring& name, std::wstring& moment, int& number) {
  // "YYYY-MM-DD HH.MM.SS": digits everywhere but at the separators.
  const std::wstring shape = L"0000-00-00 00.00.00";
  if (name.size() < shape.size()) return false;
  for (size_t i = 0; i < shape.size(); ++i)
    if (shape[i] == L'0' ? name[i] < L'0' || name[i] > L'9' : name[i] != shape[i]) return false;
  moment = name.substr(0, shape.size());
  const std::wstring suffix = name.substr(shape.size());
  if (suffix.empty()) {
    number = 1;
    return true;
  }
  if (suffix.size() < 4 || suffix.rfind(L" (", 0) != 0 || suffix.back() != L')') return false;
  const std::wstring digits = suffix.substr(2, suffix.size() - 3);
  if (!IsDigits(digits) || digits.size() > 6) return false;
  number = std::stoi(digits);
  return true;
}

std::string TBackupSet::Date() const {
  std::wstring moment;
  int number = 0;
  if (!ParseSetName(WinFile::FileNameOf(FFolder), moment, number)) return Text::FromWide(WinFile::FileNameOf(FFolder));
  moment[13] = moment[16] = L':';
  return Text::FromWide(moment);
}

bool TBackupSet::Interrupted() const { return Exists() && FileExists(PathOf(WritingMarker)); }

bool TBackupSet::Undone() const { return Exists() && FileExists(PathOf(UndoneMarker)); }

DWORD TBackupSet::Create() {
  if (const DWORD error = WinFile::CreateFolders(FStoreFolder)) return error;
  const std::wstring base = FStoreFolder + L"\\" + SetName(FStarted);
  for (int number = 1;; ++number) {
    const std::wstring folder = number == 1 ? base : base + L" (" + std::to_wstring(number) + L")";
    if (!CreateDirectoryW(folder.c_str(), nullptr)) {
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

std::wstring TBackupSet::UniqueCopyName(const std::wstring& fileName) const {
  auto taken = [this](const std::wstring& name) {
    for (const TCopy& copy : FCopies)
      if (CompareStringOrdinal(copy.Name.c_str(), -1, name.c_str(), -1, TRUE) == CSTR_EQUAL) return true;
    return false;
  };
  std::wstring name = fileName;
  for (int number = 2; taken(name); ++number) name = fileName + L" (" + std::to_wstring(number) + L")";
  return name;
}

DWORD TBackupSet::AddCopy(const std::wstring& originalPath, const std::string& bytes) {
  if (!Exists())
    if (const DWORD error = Create()) return error;
  const std::wstring name = UniqueCopyName(WinFile::FileNameOf(originalPath));
  if (const DWORD error = WinFile::Write(PathOf(name), bytes, CREATE_ALWAYS)) {
    DeleteFileW(PathOf(name).c_str());
    return error;
  }
  FCopies.push_back({name, originalPath});
  if (const DWORD error = SaveList()) {
    FCopies.pop_back();
    return error;
  }
  return 0;
}

DWORD TBackupSet::SaveList() const {
  std::string list;
  for (const TCopy& copy : FCopies) list += Text::ToUtf8(copy.Name) + "\t" + Text::ToUtf8(copy.OriginalPath) + "\r\n";
  return WinFile::Write(PathOf(ListName), list, CREATE_ALWAYS);
}

void TBackupSet::Finish() {
  if (Exists()) DeleteFileW(PathOf(WritingMarker).c_str());
}

void TBackupSet::Discard() {
  if (Exists()) WinFile::DeleteTree(FFolder);
  FFolder.clear();
  FCopies.clear();
}

void TBackupSet::MarkUndone() {
  if (Exists()) WinFile::Write(PathOf(UndoneMarker), "", CREATE_ALWAYS);
}

std::vector<TFileResult> TBackupSet::Restore() const {
  std::vector<TFileResult> failed;
  for (const TCopy& copy : FCopies) {
    TFileResult result{Text::FromWide(WinFile::FileNameOf(copy.OriginalPath))};
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
