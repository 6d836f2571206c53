#include "components/safewrite/RestorePlan.h"

#include "components/safewrite/BackupStore.h"
#include "components/safewrite/FolderEntry.h"
#include "components/safewrite/WinFile.h"

namespace {

// What putting a set back makes: the replaced files, kept so that the step
// itself can be taken back.
TSetKind Inverse(TSetKind kind) { return kind == skUndo ? skRedo : skUndo; }

}  // namespace

TRestorePlan::TRestorePlan(TBackupSet set) : FSet(std::move(set)) {
  for (const TSetRecord::TEntry& entry : FSet.Record().Entries) {
    TItem item{&entry, {}, "", std::nullopt, rsPut, {entry.Name}};
    Check(item);
    FItems.push_back(std::move(item));
  }
}

void TRestorePlan::Check(TItem& item) const {
  const TSetRecord::TEntry& entry = *item.Entry;
  auto fail = [&item](TWriteFailure failure, DWORD error = 0) {
    item.State = rsFailed;
    item.Result.Failure = failure;
    item.Result.Error = error;
  };
  item.Target = RestoreTarget(FSet.Record().Root, entry.OriginalPath, entry.Name);
  if (item.Target.Refusal) {
    // Named with where it would have gone, as the record says.
    item.Result.Name = entry.Name + " → " + entry.OriginalPath;
    return fail(wfRefused);
  }
  const DWORD copyError = ReadFolderEntry(FSet.Folder(), entry.Name, item.Copy, entry.Copy.Size + 1);
  if (copyError == ERROR_FILE_NOT_FOUND) return fail(wfCopyMissing);
  if (copyError || TFileDigest::Of(item.Copy) != entry.Copy) return fail(wfCopyDamaged, copyError);
  std::string now;
  const DWORD nowError = ReadFolderEntry(item.Target.Folder, item.Target.Name, now);
  if (nowError == ERROR_FILE_NOT_FOUND) return;
  if (nowError) return fail(FailureFromError(nowError), nowError);
  item.Now = TFileDigest::Of(now);
  if (*item.Now == entry.Copy)
    item.State = rsBack;
  else if (entry.Left ? *item.Now != *entry.Left : !FSet.MarkedWriting())
    item.State = rsChanged;
}

std::vector<std::string> TRestorePlan::Changed() const {
  std::vector<std::string> names;
  for (const TItem& item : FItems)
    if (item.State == rsChanged) names.push_back(item.Entry->Name);
  return names;
}

TRestoreOutcome TRestorePlan::Run(const TBackupStore& store, bool changedToo) {
  TRestoreOutcome outcome;
  auto goesBack = [changedToo](const TItem& item) {
    return item.State == rsPut || (item.State == rsChanged && changedToo);
  };
  TBackupSet replaced = store.StartSet(FSet.Record().Root, Inverse(FSet.Record().Kind));
  bool anyGoesBack = false;
  for (const TItem& item : FItems) anyGoesBack = anyGoesBack || goesBack(item);
  if (anyGoesBack && (outcome.Fault = replaced.Create())) return outcome;
  bool again = false;
  for (TItem& item : FItems) {
    if (goesBack(item)) PutBack(item, replaced);
    if (item.Result.Failed()) outcome.Failed.push_back(item.Result);
    again = again || (item.Result.Failed() && !item.Result.Permanent());
  }
  if (!again) FSet.MarkUndone();
  if (replaced.Record().Entries.empty()) {
    replaced.Discard();
  } else {
    replaced.Finish();
    store.Trim(replaced);
  }
  return outcome;
}

void TRestorePlan::PutBack(TItem& item, TBackupSet& replaced) const {
  auto fail = [&item](TWriteFailure failure, DWORD error = 0) {
    item.Result.Failure = failure;
    item.Result.Error = error;
  };
  // Opened once for reading what is there, saving it and writing the copy:
  // what is checked is what is written.
  TFolderEntry file(item.Target.Folder, item.Target.Name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                    item.Now ? OPEN_EXISTING : CREATE_NEW);
  if (file.Error() == TFolderEntry::LinkError || (file.Error() == 0 && file.IsFolder())) return fail(wfRefused);
  if (file.Error()) return fail(FailureFromError(file.Error()), file.Error());
  const std::string path = item.Target.Path();
  std::string now;
  if (item.Now) {
    if (const DWORD error = WinFile::ReadFrom(file.Get(), now)) return fail(FailureFromError(error), error);
    if (TFileDigest::Of(now) != *item.Now) return fail(wfChangedSince);
    if (const DWORD error = replaced.AddCopy(path, now)) return fail(wfBackupFailed, error);
  }
  std::string written;
  const DWORD error = WinFile::WriteOver(file.Get(), item.Copy);
  if (!error && WinFile::ReadFrom(file.Get(), written) == 0 && written == item.Copy) {
    replaced.AddLeft(path, item.Copy);
    return;
  }
  // Cut short (a full disk): what was there goes back, as after a write.
  const bool restored = item.Now && WinFile::WriteOver(file.Get(), now) == 0 &&
                        WinFile::ReadFrom(file.Get(), written) == 0 && written == now;
  replaced.AddLeft(path, restored ? now : written);
  fail(restored ? wfRestored : wfNotRestored, error);
}
