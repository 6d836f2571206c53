#include "app/HistoryWindow.h"

#include <algorithm>
#include <utility>

#include "app/ChangeText.h"
#include "app/ListView.h"
#include "app/TextView.h"
#include "components/safewrite/BackupStore.h"
#include "framework/SysUtils.h"

const char* const HistoryCaption = "Historique / History";

namespace {

// The game folder last: its paths may be long.
const char* const Headings[] = {"Date", "Fichiers / Files", "Action", "Annulé / Undone",
                                "Dossier du jeu / Game folder"};
const char* const KindNames[] = {"Modification / Change", "Annulation / Undo", "Rétablissement / Redo"};
const char* const Yes = "oui / yes";
const char* const NoChange = "(aucune valeur changée / no value changed)";
const char* const NoSet = "Aucune sauvegarde / No backup set";

// At 96 DPI: the room beside a heading and beside a cell.
constexpr int HeadingRoom = 40, CellRoom = 16;

std::string FileCount(size_t count) {
  return IntToStr(static_cast<long long>(count)) + (count == 1 ? " fichier / file" : " fichiers / files");
}

}  // namespace

THistoryWindow::THistoryWindow(TWinControl& mainWindow, TMainShortcuts mainShortcuts, const TBackupStore& store)
    : TToolWindow(mainWindow, HistoryCaption, std::move(mainShortcuts)),
      FStore(store),
      FSetList(new TListView(this)),
      FChanges(new TTextView(this)) {
  FSetList->OnCellText = [this](int row, int column) { return Cell(row, column); };
  FSetList->OnSelect = [this](int row) { ShowChanges(row); };
  Fill({FSetList, FChanges});
}

void THistoryWindow::Opening() { Reload(); }

void THistoryWindow::Refresh() {
  if (IsOpen()) Reload();
}

void THistoryWindow::DpiChanged() {
  if (IsOpen()) ShowColumns();
}

// The newest set is selected again, since a new one is what the player
// just made.
void THistoryWindow::Reload() {
  FSets = FStore.Sets();
  std::reverse(FSets.begin(), FSets.end());
  ShowColumns();
  FSetList->SetRowCount(static_cast<int>(FSets.size()));
  FSelected = -1;
  if (FSets.empty())
    FChanges->SetText(NoSet);
  else
    FSetList->Select(0);
}

void THistoryWindow::ShowColumns() {
  std::vector<TListView::TColumn> columns;
  for (int column = 0; column < static_cast<int>(std::size(Headings)); ++column) {
    std::vector<std::string> cells;
    for (int row = 0; row < static_cast<int>(FSets.size()); ++row) cells.push_back(Cell(row, column));
    columns.push_back(
        {Headings[column], FSetList->FittingWidth(Headings[column], cells, Scaled(HeadingRoom), Scaled(CellRoom))});
  }
  FSetList->SetColumns(std::move(columns));
}

std::string THistoryWindow::Cell(int row, int column) const {
  if (row < 0 || row >= static_cast<int>(FSets.size())) return {};
  const TBackupSet& set = FSets[static_cast<size_t>(row)];
  switch (column) {
    case 0: return set.Date();
    case 1: return IntToStr(static_cast<long long>(set.Record().Entries.size()));
    case 2: return KindNames[set.Record().Kind];
    case 3: return set.Undone() ? Yes : "";
    default: return set.Record().Root;
  }
}

void THistoryWindow::ShowChanges(int row) {
  FSelected = row;
  FChanges->SetText(ChangesText(FSets[static_cast<size_t>(row)]));
}

std::string THistoryWindow::ChangesText(const TBackupSet& set) {
  const TSetRecord& record = set.Record();
  std::string text = set.Date() + " : " + KindNames[record.Kind] + ", " + FileCount(record.Entries.size()) + ", " +
                     record.Root + (set.Undone() ? std::string(" (annulé / undone)") : "");
  for (const TSetRecord::TEntry& entry : record.Entries) {
    text += "\r\n\r\n" + entry.Name;
    const size_t before = text.size();
    for (const TSetRecord::TFileChange& change : record.Changes)
      if (change.Name == entry.Name) text += "\r\n" + ChangeLine(change.Change);
    if (text.size() == before) text += "\r\n" + std::string(ChangeIndent) + NoChange;
  }
  return text;
}

std::string THistoryWindow::CopyText() {
  return FSelected >= 0 ? ChangesText(FSets[static_cast<size_t>(FSelected)]) : std::string();
}
