// The press of "Modifier les fichiers / Modify files": checks the gain
// fields and the root, then writes every filled value into every ticked
// file. The fields are read once, before the first file: every file
// receives the same values even when the user types meanwhile, and reading
// the fields anew for every file would cost more than the writes.
#pragma once

#include <optional>

#include "app/PressWrite.h"

class TBackupStore;
class TGameFolder;
class TLMDCheckListBox;
class TProfile;
class TValueFields;

class TWriteCommand {
 public:
  struct TParts {
    TValueFields& Values;
    TGameFolder& Folder;
    TLMDCheckListBox& List;
    TProfile& Profile;
    TBackupStore& Store;
  };
  explicit TWriteCommand(TParts parts);

  // None when a check stopped the press before any file.
  std::optional<TPressOutcome> Run(const TPressWrite::TProgress& progress);
  // Shows why the store could not take the press, or which files failed
  // and why, if any did.
  static void Report(const TPressOutcome& outcome);

 private:
  std::vector<std::string> ListedNames() const;

  TParts FParts;
};
