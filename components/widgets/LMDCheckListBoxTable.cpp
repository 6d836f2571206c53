// The published properties of TLMDCheckListBox, by which the stored window
// layout sets them.
#include "components/widgets/LMDCheckListBox.h"

namespace {

// A character property is stored as a one-character text.
void SetDelimiterFromLayout(TPersistent& object, const LayoutValue& value) {
  const std::string text = value.AsString();
  if (text.size() != 1) value.Fail("a single character");
  static_cast<TLMDCheckListBox&>(object).SetDelimiter(text[0]);
}

}  // namespace

const PropertyTable& TLMDCheckListBox::PublishedTable() {
  static const PropertyTable table(&TWinControl::PublishedTable(),
                                   {{"ItemIndex", Set(&TLMDCheckListBox::SetItemIndex)},
                                    {"ItemHeight", Set(&TLMDCheckListBox::SetItemHeight)},
                                    {"MultiSelect", Set(&TLMDCheckListBox::SetMultiSelect)},
                                    {"ExtendedSelect", Set(&TLMDCheckListBox::SetExtendedSelect)},
                                    {"SelectedColor", Set(&TLMDCheckListBox::SetSelectedColor)},
                                    {"SelectedFontColor", Set(&TLMDCheckListBox::SetSelectedFontColor)},
                                    {"SelectedFontStyle", Set(&TLMDCheckListBox::SetSelectedFontStyle)},
                                    {"DisabledColor", Set(&TLMDCheckListBox::SetDisabledColor)},
                                    {"HideSelection", Set(&TLMDCheckListBox::SetHideSelection)},
                                    {"HideFocus", Set(&TLMDCheckListBox::SetHideFocus)},
                                    {"BeveledFocus", Set(&TLMDCheckListBox::SetBeveledFocus)},
                                    {"BevelFocusShadowColor", Set(&TLMDCheckListBox::SetBevelFocusShadowColor)},
                                    {"BevelFocusLightColor", Set(&TLMDCheckListBox::SetBevelFocusLightColor)},
                                    {"Transparent", Set(&TLMDCheckListBox::SetTransparent)},
                                    {"BiDiMode", Set(&TLMDCheckListBox::SetBiDiMode)},
                                    {"Margin", Set(&TLMDCheckListBox::SetMargin)},
                                    {"CtlXP", Set(&TLMDCheckListBox::SetCtlXP)},
                                    {"Options", Set(&TLMDCheckListBox::SetOptions)},
                                    {"Delimiter", SetDelimiterFromLayout},
                                    {"BtnMode", Set(&TLMDCheckListBox::SetBtnMode)},
                                    {"BtnFlat", Set(&TLMDCheckListBox::SetBtnFlat)},
                                    {"BtnDefault", Set(&TLMDCheckListBox::SetBtnDefault)},
                                    {"BtnGap", Set(&TLMDCheckListBox::SetBtnGap)},
                                    {"BtnAllowUnselect", Set(&TLMDCheckListBox::SetBtnAllowUnselect)},
                                    {"SelectByClick", Set(&TLMDCheckListBox::SetSelectByClick)},
                                    {"ReadOnly", Set(&TLMDCheckListBox::SetReadOnly)},
                                    {"OnClickCheck", Event(&TLMDCheckListBox::SetOnClickCheck)},
                                    {"OnMouseDown", Event(&TLMDCheckListBox::SetOnMouseDown)},
                                    {"OnMouseUp", Event(&TLMDCheckListBox::SetOnMouseUp)},
                                    {"OnKeyPress", Event(&TLMDCheckListBox::SetOnKeyPress)}},
                                   {{"Layout", Sub(&TLMDCheckListBox::Layout)}});
  return table;
}
