// The window "Valeurs actuelles / Current values": the table of what the
// ticked files hold now (TCurrentValuesTable) in a list view, with the
// marked cells and rows in colour and a legend below. It follows the ticks
// and is read again whenever the files may have changed. A double click on
// a file's heading takes that file's values into the value fields.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/CurrentValuesTable.h"
#include "app/ToolWindow.h"

class TBankValues;
class TGameFolder;
class TListView;

extern const char* const CurrentValuesCaption;

class TCurrentValuesWindow : public TToolWindow {
 public:
  struct TParts {
    TWinControl& MainWindow;
    TMainShortcuts MainShortcuts;
    TGameFolder& Folder;
    TBankValues& Banks;
    // Takes the values of the file of this name into the value fields.
    std::function<void(const std::string& name)> UseFile;
  };
  explicit TCurrentValuesWindow(TParts parts);

  // The ticks or the files changed: the table is made again while it shows.
  void Refresh();

 protected:
  std::string CopyText() override;
  void Opening() override;
  void DpiChanged() override;

 private:
  void Rebuild();
  std::optional<TColor> CellColor(int row, int column);

  TParts FParts;
  TListView* FView;
  std::optional<TCurrentValuesTable> FTable;
};
