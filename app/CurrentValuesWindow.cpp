#include "app/CurrentValuesWindow.h"

#include <algorithm>
#include <utility>

#include "app/GameFolder.h"
#include "app/ListView.h"
#include "components/config/GameFolders.h"

const char* const CurrentValuesCaption = "Valeurs actuelles / Current values";

namespace {

const TColor DiffersColor = RGBColor(255, 236, 140);
const TColor DisagreesColor = RGBColor(255, 190, 140);

const std::vector<std::string> Legend = {
    "Jaune : diffère de la valeur d'origine / Yellow: differs from the original value",
    "Orange : les fichiers cochés ne sont pas d'accord / Orange: the ticked files disagree",
    "Double-clic sur le nom d'un fichier : prendre ses valeurs / Double-click a file's name: use its values",
};

// At 96 DPI: the room beside a heading and beside a cell, and the least
// width of a column.
constexpr int HeadingRoom = 40, CellRoom = 16, LeastWidth = 60;

}  // namespace

TCurrentValuesWindow::TCurrentValuesWindow(TParts parts)
    : TToolWindow(parts.MainWindow, CurrentValuesCaption, parts.MainShortcuts),
      FParts(std::move(parts)),
      FView(new TListView(this)) {
  FView->OnCellText = [this](int row, int column) { return FTable ? FTable->Cell(row, column) : std::string(); };
  FView->OnCellColor = [this](int row, int column) { return CellColor(row, column); };
  FView->OnHeaderDoubleClick = [this](int column) {
    if (const std::optional<std::string> name = FTable ? FTable->FileOf(column) : std::nullopt) FParts.UseFile(*name);
  };
  Fill({FView}, Legend);
}

void TCurrentValuesWindow::Opening() { Rebuild(); }

void TCurrentValuesWindow::Refresh() {
  if (IsOpen()) Rebuild();
}

void TCurrentValuesWindow::DpiChanged() {
  if (FTable) Rebuild();
}

// A setting's column is as wide as its widest text; a file's column as its
// name, since its values are short numbers.
void TCurrentValuesWindow::Rebuild() {
  FTable.emplace(FParts.Banks, SoundFolderOf(FParts.Folder.Root()), FParts.Folder.TickedNames());
  std::vector<TListView::TColumn> columns;
  for (int column = 0; column < FTable->ColumnCount(); ++column) {
    std::vector<std::string> cells;
    if (column < TCurrentValuesTable::SettingColumns)
      for (int row = 0; row < FTable->RowCount(); ++row) cells.push_back(FTable->Cell(row, column));
    const std::string heading = FTable->Heading(column);
    columns.push_back({heading, std::max(Scaled(LeastWidth),
                                         FView->FittingWidth(heading, cells, Scaled(HeadingRoom), Scaled(CellRoom)))});
  }
  FView->SetColumns(std::move(columns));
  FView->SetRowCount(FTable->RowCount());
}

std::optional<TColor> TCurrentValuesWindow::CellColor(int row, int column) {
  if (!FTable) return std::nullopt;
  if (column < TCurrentValuesTable::SettingColumns)
    return FTable->Disagrees(row) ? std::optional(DisagreesColor) : std::nullopt;
  return FTable->Differs(row, column) ? std::optional(DiffersColor) : std::nullopt;
}

std::string TCurrentValuesWindow::CopyText() { return FTable ? FTable->Text() : std::string(); }
