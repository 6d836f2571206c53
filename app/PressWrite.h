// One press of the write command, without the window: every filled value
// goes into every ticked file of the list, in order, through one
// TSoundFileWrite per file, with one backup set for the whole press. The set
// is made before the first file (no copy, no write), is deleted again when
// no file changed, and the store is then trimmed.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "components/safewrite/IniContent.h"
#include "components/safewrite/StoreFault.h"
#include "components/safewrite/WriteFailure.h"

class TBackupStore;
class TProfile;

struct TPressOutcome {
  std::vector<TFileResult> Failed;
  // The press's backup set, or empty when none was kept.
  std::string BackupFolder;
  // Why the store could not take the press's set: then no file was touched.
  TStoreFault StoreFault;
};

class TPressWrite {
 public:
  // Told before each item how many are done, and once more after the last.
  using TProgress = std::function<void(int done, int count)>;
  // Whether the item is ticked, asked when its turn comes: the window's
  // messages run in between, and a tick changed meanwhile counts.
  using TTicked = std::function<bool(int item)>;

  // Every listed file counts for the progress, ticked or not.
  TPressWrite(std::string gameRoot, std::vector<std::string> names, TTicked ticked, std::vector<TIniValue> values,
              TBackupStore& store, TProfile& profile);

  TPressOutcome Run(const TProgress& progress);

 private:
  std::string FGameRoot;
  std::vector<std::string> FNames;
  TTicked FTicked;
  std::vector<TIniValue> FValues;
  TBackupStore& FStore;
  TProfile& FProfile;
};
