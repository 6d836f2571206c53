// The window's keyboard shortcuts. The first four do what a click on one of
// the styled buttons does: they are out of the Tab order and so beyond the
// keyboard otherwise. Ctrl alone: Ctrl+Alt is AltGr on the French keyboard
// and types characters.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/CommandGate.h"
#include "framework/Controls.h"

class TbButton;

class TShortcuts {
 public:
  struct TParts {
    TbButton& Write;
    TbButton& ListAgain;
    TbButton& FillValues;
    TbButton& TickAll;
  };
  struct TShortcut {
    WORD Key;
    TShiftState Shift;
    std::string Name;
    TCommand Command;
    std::function<void()> Run;
    // What it does now, as the About box lists it.
    std::function<std::string()> Meaning;
  };
  explicit TShortcuts(TParts parts);

  // A shortcut of a command that has no button.
  void Add(TShortcut shortcut);
  // The shortcut's name ("Ctrl+S") as buttons and menu items show it;
  // empty for a command without one.
  std::string NameOf(TCommand command) const;
  // Runs the shortcut of the key; false for any other key.
  bool Press(WORD key, TShiftState shift) const;
  // One line per shortcut, "Ctrl+S : " followed by what it does now.
  std::vector<std::string> Lines() const;

 private:
  std::vector<TShortcut> FShortcuts;
};
