// What a press would change, worked out without writing anything: for each
// ticked file, each value whose reading the press would change, with the
// value now and after; the files where nothing would change; the files the
// press would refuse, with the reason it would give.
//
// The prediction follows the press: each file is opened as the press opens
// it, so a file the game holds or that may not be written is refused here
// too, and read as the profile functions read it (TBankValues). The press
// writes each value where they find its key, the first key of that name in
// the first section of that name, and adds a key the section lacks at its
// end (a missing section at the end of the file), so after the press each
// key reads as its value written, read back (TBankValues::AsRead).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "components/safewrite/IniContent.h"
#include "components/safewrite/WriteFailure.h"

struct TFileChanges {
  std::string Name;
  // Why the press would not write the file, if it would not.
  TWriteFailure Failure = wfNone;
  DWORD Error = 0;
  std::vector<TIniChange> Changes;
};

class TPressPreview {
 public:
  // The ticked files of the sound folder below the root, and the values the
  // press would write into each, in its order.
  TPressPreview(const std::string& gameRoot, const std::vector<std::string>& names,
                const std::vector<TIniValue>& values);

  const std::vector<TFileChanges>& Files() const { return FFiles; }
  // The preview as the window shows it and Ctrl+C copies it.
  std::string Text() const;

 private:
  TFileChanges FileChanges(const std::string& path, const std::string& name, const std::vector<TIniValue>& values);

  std::vector<TFileChanges> FFiles;
};
