#include "app/PressWrite.h"

#include <utility>

#include "components/safewrite/BackupStore.h"
#include "components/safewrite/SoundFileWrite.h"

TPressWrite::TPressWrite(std::string gameRoot, std::vector<std::string> names, TTicked ticked,
                         std::vector<TIniValue> values, TBackupStore& store, TProfile& profile)
    : FGameRoot(std::move(gameRoot)),
      FNames(std::move(names)),
      FTicked(std::move(ticked)),
      FValues(std::move(values)),
      FStore(store),
      FProfile(profile) {}

TPressOutcome TPressWrite::Run(const TProgress& progress) {
  TBackupSet backup = FStore.StartSet(FGameRoot);
  TPressOutcome outcome;
  outcome.StoreFault = backup.Create();
  if (outcome.StoreFault) return outcome;
  bool anyTouched = false;
  const int count = static_cast<int>(FNames.size());
  for (int item = 0; item < count; ++item) {
    progress(item, count);
    if (!FTicked(item)) continue;
    TSoundFileWrite file(FGameRoot, FNames[item], FValues, backup, FProfile);
    if (!file.Run()) outcome.Failed.push_back(file.Result());
    anyTouched = anyTouched || file.Result().Touched;
  }
  progress(count, count);
  if (anyTouched) {
    backup.Finish();
    FStore.Trim(backup);
  } else {
    backup.Discard();
  }
  outcome.BackupFolder = backup.Folder();
  return outcome;
}
