// The window menu's own items, appended after the system's behind a
// separator, a further separator above each group that follows: each with
// its caption, the window command it stands for, what it runs and whether
// it can be chosen now. An item runs through the window's command gate and
// is greyed when the gate would drop it or when it has nothing to act on.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/CommandGate.h"

class TSystemMenu {
 public:
  struct TItem {
    std::string Caption;
    TCommand Command;
    std::function<void()> Run;
    std::function<bool()> Available;  // none: always available
    // The first item of a group of its own, with a separator above it.
    bool StartsGroup = false;
  };

  explicit TSystemMenu(TCommandGate& gate);

  // Appends the items, each with its shortcut's name (if any) after a tab,
  // where menus show it.
  void Attach(HWND window, std::vector<TItem> items, const std::function<std::string(TCommand)>& shortcutOf);
  // Runs the item the window-menu command stands for; false for the
  // system's own commands.
  bool Run(UINT command) const;
  // Greys the items that cannot be chosen now, as the menu opens.
  void Refresh(HMENU menu) const;

  // The window-menu command of a window command: a multiple of 16 below
  // the system's own 0xF000, whatever the item's place in the menu.
  static UINT CommandOf(TCommand command);

 private:
  bool Enabled(const TItem& item) const;

  TCommandGate& FGate;
  std::vector<TItem> FItems;
};
