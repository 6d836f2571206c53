// The window "Historique / History": the backup sets, newest first, with
// their date, number of files, what made them, whether they were undone and
// their game folder, and below them the changes of the selected set as its
// record keeps them: per file, each key with its value before and after.
// Ctrl+C copies the selected set's changes. It is read again whenever the
// files may have changed, since every write, undo and redo adds a set.
#pragma once

#include <string>
#include <vector>

#include "app/ToolWindow.h"
#include "components/safewrite/BackupSet.h"

class TBackupStore;
class TListView;
class TTextView;

extern const char* const HistoryCaption;

class THistoryWindow : public TToolWindow {
 public:
  THistoryWindow(TWinControl& mainWindow, TMainShortcuts mainShortcuts, const TBackupStore& store);

  // The sets may have changed: read again while the window shows.
  void Refresh();

  // The changes of a set as the window shows them.
  static std::string ChangesText(const TBackupSet& set);

 protected:
  std::string CopyText() override;
  void Opening() override;
  void DpiChanged() override;

 private:
  void Reload();
  void ShowColumns();
  void ShowChanges(int row);
  std::string Cell(int row, int column) const;

  const TBackupStore& FStore;
  TListView* FSetList;
  TTextView* FChanges;
  std::vector<TBackupSet> FSets;  // newest first
  int FSelected = -1;
};
