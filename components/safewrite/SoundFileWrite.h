// Writes the values into one sound-bank settings file so that the file is
// never left worse than it was:
//
//   1. the file must still exist as a file (it is never created), be named
//      within the profile functions' reach, be open to writing, and be
//      text the profile functions handle;
//   2. a byte-exact copy goes into the press's backup set and is flushed;
//   3. the values go in through the profile component, one Execute each;
//   4. the file is read back: every value must read as written and
//      everything else the copy held must still be there, in order;
//   5. when that fails the copy is put back, byte for byte;
//   6. what the file holds then is recorded in the set, so that an undo can
//      tell a later change from Klangor's own.
//
// A file that fails step 1 or 2 is not touched. The result names the step
// that failed and the system's error behind it.
#pragma once

#include <string>
#include <vector>

#include "components/safewrite/IniContent.h"
#include "components/safewrite/WriteFailure.h"

class TBackupSet;
class TProfile;

class TSoundFileWrite {
 public:
  // The file `name` of the sound folder below `gameRoot`.
  TSoundFileWrite(const std::string& gameRoot, const std::string& name, std::vector<TIniValue> values,
                  TBackupSet& backup, TProfile& profile);

  // True when every value is in the file; otherwise Result() says why not.
  bool Run();
  const TFileResult& Result() const { return FResult; }

 private:
  bool Fail(TWriteFailure failure, DWORD error = 0);
  // 0 when every Execute succeeded, else the system's error of the first
  // that failed; the values after it are not written.
  DWORD WriteValues();
  // Steps 3 to 5; `now` is what the file holds afterwards.
  bool WriteAndCheck(const std::string& original, std::string& now);
  bool PutBack(const std::string& original, DWORD writeError, std::string& now);

  std::string FPath;
  std::string FProfileName;  // the path, or its short form beyond the profile's limit
  std::vector<TIniValue> FValues;
  TBackupSet& FBackup;
  TProfile& FProfile;
  TFileResult FResult;
};
