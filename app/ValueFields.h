// The window's value fields: the channel count, the equaliser switch and the
// 28 gain fields with the labels that name their keys, plus the switch that
// lifts the gains' range check. Values are typed and stored with a point,
// but the check reads the comma as decimal separator, so the separators of
// the value fields (never the path field) are swapped around the check.
#pragma once

#include <string>
#include <vector>

#include "app/BankValues.h"
#include "components/safewrite/IniContent.h"

class TCheckBox;
class TEdit;
class TLabel;

class TValueFields {
 public:
  // A gain field and the label whose caption is its key in "AMP::SOUNDS".
  struct TGainRow {
    TEdit* Field;
    TLabel* KeyLabel;
  };
  struct TParts {
    TEdit& Channels;
    TCheckBox& Equaliser;
    TCheckBox& AnyValue;
    // In the order they are written.
    std::vector<TGainRow> Gains;
    // Every value field, the channel count included, in the order the check
    // goes through them: the window's component order.
    std::vector<TEdit*> Checked;
  };
  explicit TValueFields(TParts parts);

  const std::vector<TGainRow>& Gains() const { return FParts.Gains; }

  // Checks the filled gain fields in component order. The first one out of
  // range turns red and bold and the range message is shown; a text that is
  // no number raises the conversion error.
  bool Check();
  // The values the fields hold now, in the order they are written.
  std::vector<TIniValue> Filled() const;
  // The values the game ships with, or empty fields.
  void FillShipped();
  void Clear();

  // The thirty settings in writing order: the channel count, the equaliser
  // switch (the game ships no value for it), then the gains.
  std::vector<TSetting> Settings() const;
  // The file's values, read as the current-values table reads them: each
  // field gets the file's value or is emptied where the file lacks the key;
  // the equaliser switch is ticked when the file says "True" and left as it
  // is otherwise. Returns how many of the thirty keys the file holds.
  int FillFromFile(const std::string& path);

 private:
  TParts FParts;
};
