#include "components/safewrite/SoundFileWrite.h"

#include <utility>

#include "components/config/GameFolders.h"
#include "components/config/Profil.h"
#include "components/safewrite/BackupSet.h"
#include "components/safewrite/WinFile.h"

namespace {

// The profile functions read a file holding NUL bytes as 8-bit text only up
// to each NUL; a UTF-16 file with its byte-order mark they read as UTF-16.
bool IsProfileText(const std::string& bytes) {
  return bytes.find('\0') == std::string::npos || bytes.rfind("\xFF\xFE", 0) == 0 || bytes.rfind("\xFE\xFF", 0) == 0;
}

}  // namespace

TSoundFileWrite::TSoundFileWrite(const std::string& gameRoot, const std::string& name, std::vector<TIniValue> values,
                                 TBackupSet& backup, TProfile& profile)
    : FPath(SoundFolderOf(gameRoot) + "\\" + name), FValues(std::move(values)), FBackup(backup), FProfile(profile) {
  FResult.Name = name;
}

bool TSoundFileWrite::Fail(TWriteFailure failure, DWORD error) {
  FResult.Failure = failure;
  FResult.Error = error;
  return false;
}

bool TSoundFileWrite::Run() {
  if (FValues.empty()) return true;
  const DWORD attributes = WinFile::Attributes(FPath);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return Fail(FailureFromError(error), error);
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return Fail(wfMissing);
  // The file functions take the path at any length, the profile functions
  // only up to their limit: beyond it they would fail half-way through.
  const std::optional<std::string> profileName = TProfile::ReachableName(FPath);
  if (!profileName) return Fail(wfPathTooLong);
  FProfileName = *profileName;
  std::string original;
  if (const DWORD error = WinFile::ReadForRewrite(FPath, original)) return Fail(FailureFromError(error), error);
  if (!IsProfileText(original)) return Fail(wfNotText);
  if (const DWORD error = FBackup.AddCopy(FPath, original)) return Fail(wfBackupFailed, error);
  std::string left;
  const bool written = WriteAndCheck(original, left);
  // What Klangor left, so that an undo tells a later change from its own.
  FBackup.AddLeft(FPath, left);
  return written;
}

bool TSoundFileWrite::WriteAndCheck(const std::string& original, std::string& now) {
  const DWORD writeError = WriteValues();
  const DWORD readError = WinFile::Read(FPath, now);
  if (writeError == 0 && readError == 0 &&
      TIniContent::Parse(now).KeepsAfterWrite(TIniContent::Parse(original), FValues)) {
    FResult.Touched = true;
    return true;
  }
  // A write refused before it changed anything (the game took the file
  // meanwhile) is reported with its own reason.
  if (readError == 0 && now == original && writeError != 0) return Fail(FailureFromError(writeError), writeError);
  return PutBack(original, writeError, now);
}

DWORD TSoundFileWrite::WriteValues() {
  FProfile.SetIniFileName(FProfileName);
  for (const TIniValue& value : FValues) {
    FProfile.SetCategory(value.Section);
    FProfile.SetKeyName(value.Key);
    FProfile.SetDataString(value.Value);
    if (!FProfile.Execute()) return GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
  }
  return 0;
}

bool TSoundFileWrite::PutBack(const std::string& original, DWORD writeError, std::string& now) {
  FResult.Touched = true;
  if (const DWORD error = WinFile::Write(FPath, original, OPEN_ALWAYS)) {
    WinFile::Read(FPath, now);
    return Fail(wfNotRestored, error);
  }
  if (WinFile::Read(FPath, now) != 0 || now != original) return Fail(wfNotRestored);
  return Fail(wfRestored, writeError);
}
