// A native list view in report view whose cells the program hands over as
// they are shown (owner data): the list holds no text of its own, so a table
// of 30 rows and 2,000 columns costs only the cells on the screen. A cell may
// have a background colour of its own, painted through the list's custom
// drawing. It stays the system's control, which the keyboard and screen
// readers use like any other list.
#pragma once

#include <windows.h>

// After windows.h, which it needs.
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/Controls.h"

class TListView : public TWinControl {
 public:
  struct TColumn {
    std::string Caption;
    int Width;
  };

  explicit TListView(TComponent* owner);

  void SetColumns(std::vector<TColumn> columns);
  void SetRowCount(int count);
  // The width of a text in the list's font, in pixels.
  int TextWidth(const std::string& text);
  // The width of a column that shows its heading and cells whole, with the
  // room given beside each: a heading needs more than a cell.
  int FittingWidth(const std::string& heading, const std::vector<std::string>& cells, int headingRoom, int cellRoom);

  std::function<std::string(int row, int column)> OnCellText;
  // Nothing: the list's own colour.
  std::function<std::optional<TColor>(int row, int column)> OnCellColor;
  std::function<void(int column)> OnHeaderDoubleClick;
  // A row became the selected one, by the keyboard, the mouse or Select.
  std::function<void(int row)> OnSelect;

  // Selects the row and gives it the caret.
  void Select(int row);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void ApplyColumns();
  void CellText(NMLVDISPINFOW& info) const;
  LRESULT CustomDraw(NMLVCUSTOMDRAW& draw) const;
  void ItemChanged(const NMLISTVIEW& change) const;
  // A double click on a column's heading, which the heading tells the list.
  void HeaderNotification(const NMHDR& notification);

  std::vector<TColumn> FColumns;
  int FShownColumns = 0;
  int FRowCount = 0;
};
