// The current-values window's table: one row per setting of the window's
// settings table, in its order, with its section, key and shipped value,
// then one column per ticked file, headed by its name, holding the value the
// file has now, "—" where the file lacks the key.
//
// A file's cell is marked when its value is not the shipped one, and a row
// when its files do not all hold the same value. Values are compared as the
// game reads numbers, so 1 and 1.0 are one gain; a key a file lacks is no
// value to hold against the shipped one, but differs from the files that
// hold it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/BankValues.h"

class TCurrentValuesTable {
 public:
  // Section, key, shipped value.
  static constexpr int SettingColumns = 3;

  TCurrentValuesTable(TBankValues& banks, const std::string& soundFolder, std::vector<std::string> names);

  int RowCount() const { return static_cast<int>(FBanks.Settings().size()); }
  int ColumnCount() const { return SettingColumns + static_cast<int>(FNames.size()); }
  std::string Heading(int column) const;
  std::string Cell(int row, int column);
  // The file of a column; none for the setting's own columns.
  std::optional<std::string> FileOf(int column) const;
  bool Differs(int row, int column);
  bool Disagrees(int row);
  // The whole table as tab-separated lines, the headings first.
  std::string Text();

 private:
  const std::optional<std::string>& Value(int row, size_t file);

  TBankValues& FBanks;
  std::vector<std::string> FNames, FPaths;
  // Per row: not yet known, or whether its files disagree.
  std::vector<std::optional<bool>> FDisagrees;
};
