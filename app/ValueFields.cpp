#include "app/ValueFields.h"

#include <algorithm>
#include <utility>

#include "framework/Dialogs.h"
#include "framework/FloatText.h"
#include "framework/StdCtrls.h"
#include "framework/SysUtils.h"

namespace {

const char* const RangeMessage =
    "Les valeurs doivent être comprises entre 0 et 1, si vous voulez dépasser la valeur 1.0 cochez la case "
    "prévue\r"
    "Values must be between 0 and 1, If you want to exceed the value 1.0 use the checkbox provided";

const char* const OptionsSection = "OPTIONS::SOUNDS";
const char* const GainSection = "AMP::SOUNDS";

const char* const ShippedChannels = "0";
// The values the game ships with, in the order of the gain rows.
const char* const ShippedGains[] = {"1.0", "0.35", "0.35", "0.2", "1.0", "1.0", "1.0", "1.0", "1.0", "0.5",
                                    "0.3", "0.25", "0.5",  "1.0", "1.0", "0.5", "0.5", "0.5", "1.0", "1.0",
                                    "1.0", "0.25", "0.25", "1.0", "0.5", "1.0", "1.0", "1.0"};

// Points become commas for the check and commas points again afterwards,
// also when the check ends with an error.
class TCommaSeparators {
 public:
  explicit TCommaSeparators(const std::vector<TEdit*>& fields) : FFields(fields) { Swap('.', ','); }
  ~TCommaSeparators() { Swap(',', '.'); }
  TCommaSeparators(const TCommaSeparators&) = delete;
  TCommaSeparators& operator=(const TCommaSeparators&) = delete;

 private:
  // Only the fields that hold the character are written back: each field
  // read or written is a window round trip.
  void Swap(char from, char to) {
    for (TEdit* field : FFields)
      if (const std::string text = field->Text(); text.find(from) != std::string::npos)
        field->SetText(ReplaceChar(text, from, to));
  }
  const std::vector<TEdit*>& FFields;
};

void SetFieldFont(TEdit& field, TColor color, TFontStyles style) {
  field.Font().SetColor(color);
  field.Font().SetStyle(style);
}

}  // namespace

TValueFields::TValueFields(TParts parts) : FParts(std::move(parts)) {}

bool TValueFields::Check() {
  const TCommaSeparators commas(FParts.Checked);
  const bool anyValue = FParts.AnyValue.Checked();
  for (TEdit* field : FParts.Checked) {
    const std::string text = field->Text();
    // The channel count has no range.
    if (field == &FParts.Channels || text.empty()) continue;
    const double value = StrToFloat(text);
    if (anyValue || (value >= 0 && value <= 1)) {
      SetFieldFont(*field, clBlack, {});
      continue;
    }
    SetFieldFont(*field, clRed, {fsBold});
    ShowMessageBox(RangeMessage);
    return false;
  }
  return true;
}

std::vector<TIniValue> TValueFields::Filled() const {
  std::vector<TIniValue> values;
  if (!FParts.Channels.Text().empty()) values.push_back({OptionsSection, "NumberChannels", FParts.Channels.Text()});
  if (FParts.Equaliser.Checked()) values.push_back({OptionsSection, "EnableEQOnCars", "True"});
  for (const TGainRow& row : FParts.Gains)
    if (std::string text = row.Field->Text(); !text.empty())
      values.push_back({GainSection, row.KeyLabel->Caption(), std::move(text)});
  return values;
}

void TValueFields::FillShipped() {
  FParts.Channels.SetText(ShippedChannels);
  for (size_t row = 0; row < FParts.Gains.size(); ++row) FParts.Gains[row].Field->SetText(ShippedGains[row]);
}

void TValueFields::Clear() {
  FParts.Channels.SetText("");
  for (const TGainRow& row : FParts.Gains) row.Field->SetText("");
}

std::vector<TSetting> TValueFields::Settings() const {
  std::vector<TSetting> settings = {{OptionsSection, "NumberChannels", ShippedChannels},
                                    {OptionsSection, "EnableEQOnCars", ""}};
  for (size_t row = 0; row < FParts.Gains.size(); ++row)
    settings.push_back({GainSection, FParts.Gains[row].KeyLabel->Caption(), ShippedGains[row]});
  return settings;
}

int TValueFields::FillFromFile(const std::string& path) {
  // In the order of Settings(): the channel count, the switch, the gains.
  const std::vector<std::optional<std::string>> values = TBankValues::Read(path, Settings()).Values;
  FParts.Channels.SetText(values[0].value_or(""));
  if (values[1] == "True") FParts.Equaliser.SetChecked(true);
  for (size_t row = 0; row < FParts.Gains.size(); ++row) FParts.Gains[row].Field->SetText(values[row + 2].value_or(""));
  return static_cast<int>(
      std::count_if(values.begin(), values.end(), [](const auto& value) { return value.has_value(); }));
}
