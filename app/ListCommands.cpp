#include "app/ListCommands.h"

#include "app/ValueFields.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/bButton.h"

namespace {

const char* const UncheckAllCaption = "Décocher tout / Uncheck all";
const char* const CheckAllCaption = "Cocher tout / Check all";
const char* const DefaultValuesCaption = "Valeur par défaut / Default values";
const char* const ClearValuesCaption = "Vider les champs / Clear all values";

}  // namespace

TListCommands::TListCommands(TParts parts) : FParts(parts) {}

void TListCommands::ToggleTicks() {
  const bool untick = FParts.TickAll.Caption() == UncheckAllCaption;
  FParts.List.CheckAll(untick);
  FParts.TickAll.SetCaption(untick ? CheckAllCaption : UncheckAllCaption);
  FParts.TickAll.SetColor(untick ? RGBColor(227, 251, 132) : RGBColor(128, 255, 255));
}

void TListCommands::ToggleValues() {
  const bool fill = FParts.FillValues.Caption() == DefaultValuesCaption;
  fill ? FParts.Values.FillShipped() : FParts.Values.Clear();
  FParts.FillValues.SetCaption(fill ? ClearValuesCaption : DefaultValuesCaption);
  FParts.FillValues.SetColor(fill ? RGBColor(255, 128, 0) : RGBColor(255, 255, 0));
}
