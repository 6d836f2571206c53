#include "app/Shortcuts.h"

#include <utility>

#include "components/widgets/bButton.h"

namespace {

// A shortcut that presses the button; it does what the button's caption
// says unless `meaning` says otherwise.
TShortcuts::TShortcut ButtonShortcut(WORD key, TShiftState shift, const char* name, TCommand command, TbButton& button,
                                     const char* meaning = nullptr) {
  return {key,
          shift,
          name,
          command,
          [&button] { button.Click(); },
          [&button, meaning] { return meaning ? std::string(meaning) : button.Caption(); }};
}

}  // namespace

TShortcuts::TShortcuts(TParts parts)
    : FShortcuts{
          ButtonShortcut('S', ssCtrl, "Ctrl+S", TCommand::Write, parts.Write),
          ButtonShortcut(VK_F5, 0, "F5", TCommand::TakeTypedRoot, parts.ListAgain, "-> (relire la liste / list again)"),
          ButtonShortcut('D', ssCtrl, "Ctrl+D", TCommand::FillValues, parts.FillValues),
          ButtonShortcut('U', ssCtrl, "Ctrl+U", TCommand::TickAll, parts.TickAll),
      } {}

void TShortcuts::Add(TShortcut shortcut) { FShortcuts.push_back(std::move(shortcut)); }

std::string TShortcuts::NameOf(TCommand command) const {
  for (const TShortcut& shortcut : FShortcuts)
    if (shortcut.Command == command) return shortcut.Name;
  return {};
}

bool TShortcuts::Press(WORD key, TShiftState shift) const {
  shift &= ssShift | ssCtrl | ssAlt;
  for (const TShortcut& shortcut : FShortcuts)
    if (shortcut.Key == key && shortcut.Shift == shift) {
      shortcut.Run();
      return true;
    }
  return false;
}

std::vector<std::string> TShortcuts::Lines() const {
  std::vector<std::string> lines;
  for (const TShortcut& shortcut : FShortcuts) lines.push_back(shortcut.Name + " : " + shortcut.Meaning());
  return lines;
}
