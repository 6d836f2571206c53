#include "app/Shortcuts.h"

#include "app/Unit1.h"
#include "components/widgets/bButton.h"

namespace {

struct Shortcut {
  WORD Key;
  TShiftState Shift;
  const char* Name;
  TbButton* TForm1::*Button;
  // What the button does when its caption does not say it; null otherwise.
  const char* Meaning;
};

// Ctrl alone: Ctrl+Alt is AltGr on the French keyboard and types characters.
const Shortcut Shortcuts[] = {
    {'S', ssCtrl, "Ctrl+S", &TForm1::bButton1, nullptr},
    {VK_F5, 0, "F5", &TForm1::bButton5, "-> (relire la liste / list again)"},
    {'D', ssCtrl, "Ctrl+D", &TForm1::bButton4, nullptr},
    {'U', ssCtrl, "Ctrl+U", &TForm1::bButton3, nullptr},
};

}  // namespace

bool TForm1::IsShortCut(WORD key, TShiftState shift) {
  shift &= ssShift | ssCtrl | ssAlt;
  for (const Shortcut& shortcut : Shortcuts)
    if (shortcut.Key == key && shortcut.Shift == shift) {
      (this->*shortcut.Button)->Click();
      return true;
    }
  return false;
}

std::vector<std::string> ShortcutLines(TForm1& form) {
  std::vector<std::string> lines;
  for (const Shortcut& shortcut : Shortcuts)
    lines.push_back(std::string(shortcut.Name) + " : " +
                    (shortcut.Meaning ? shortcut.Meaning : (form.*shortcut.Button)->Caption()));
  return lines;
}
