// The list and value commands of the window's buttons: ticking or unticking
// every file, and filling the value fields with the shipped values or
// emptying them. Both buttons keep their toggle state in their captions.
#pragma once

class TbButton;
class TLMDCheckListBox;
class TValueFields;

class TListCommands {
 public:
  struct TParts {
    TLMDCheckListBox& List;
    TbButton& TickAll;
    TValueFields& Values;
    TbButton& FillValues;
  };
  explicit TListCommands(TParts parts);

  void ToggleTicks();
  void ToggleValues();

 private:
  TParts FParts;
};
