#include "app/CurrentValuesTable.h"

#include <utility>

#include "framework/FloatText.h"
#include "framework/SysUtils.h"

namespace {

const char* const Headings[] = {"Section", "Clé / Key", "Valeur d'origine / Original value"};

// The values are written with a point and the number reader takes a comma.
std::optional<double> NumberOf(const std::string& value) { return TryStrToFloat(ReplaceChar(value, '.', ',')); }

bool SameValue(const std::optional<std::string>& a, const std::optional<std::string>& b) {
  if (!a || !b) return a.has_value() == b.has_value();
  const std::optional<double> x = NumberOf(*a), y = NumberOf(*b);
  return x && y ? *x == *y : *a == *b;
}

}  // namespace

TCurrentValuesTable::TCurrentValuesTable(TBankValues& banks, const std::string& soundFolder,
                                         std::vector<std::string> names)
    : FBanks(banks), FNames(std::move(names)), FDisagrees(banks.Settings().size()) {
  for (const std::string& name : FNames) FPaths.push_back(soundFolder + "\\" + name);
}

std::string TCurrentValuesTable::Heading(int column) const {
  if (column < SettingColumns) return Headings[column];
  return FNames[static_cast<size_t>(column - SettingColumns)];
}

std::optional<std::string> TCurrentValuesTable::FileOf(int column) const {
  if (column < SettingColumns || column >= ColumnCount()) return std::nullopt;
  return FNames[static_cast<size_t>(column - SettingColumns)];
}

const std::optional<std::string>& TCurrentValuesTable::Value(int row, size_t file) {
  return FBanks.File(FPaths[file]).Values[static_cast<size_t>(row)];
}

std::string TCurrentValuesTable::Cell(int row, int column) {
  const TSetting& setting = FBanks.Settings()[static_cast<size_t>(row)];
  switch (column) {
    case 0: return setting.Section;
    case 1: return setting.Key;
    case 2: return setting.Shipped.empty() ? AbsentValue : setting.Shipped;
    default: return Value(row, static_cast<size_t>(column - SettingColumns)).value_or(AbsentValue);
  }
}

bool TCurrentValuesTable::Differs(int row, int column) {
  if (column < SettingColumns) return false;
  const std::string& shipped = FBanks.Settings()[static_cast<size_t>(row)].Shipped;
  const std::optional<std::string>& value = Value(row, static_cast<size_t>(column - SettingColumns));
  return !shipped.empty() && value && !SameValue(value, shipped);
}

bool TCurrentValuesTable::Disagrees(int row) {
  std::optional<bool>& known = FDisagrees[static_cast<size_t>(row)];
  if (!known) {
    known = false;
    for (size_t file = 1; file < FPaths.size() && !*known; ++file) known = !SameValue(Value(row, 0), Value(row, file));
  }
  return *known;
}

std::string TCurrentValuesTable::Text() {
  std::string text;
  for (int row = -1; row < RowCount(); ++row) {
    for (int column = 0; column < ColumnCount(); ++column)
      text += (column ? "\t" : "") + (row < 0 ? Heading(column) : Cell(row, column));
    text += "\r\n";
  }
  return text;
}
