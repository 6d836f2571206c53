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
    // A separator sets the item's group apart from the items above it.
    bool SeparatorBefore = false;
  };
  // Items of one command that change while the program runs (the recent
  // folders): one item per caption, taken again each time the menu opens
  // and placed after the item of `After`; choosing one runs `Run` with its
  // place in the captions. At most 16.
  struct TItemList {
    TCommand Command;
    TCommand After;
    std::function<std::vector<std::string>()> Captions;
    std::function<void(size_t)> Run;
  };

  explicit TSystemMenu(TCommandGate& gate);

  // Appends the items, each with its shortcut's name (if any) after a tab,
  // where menus show it.
  void Attach(HWND window, std::vector<TItem> items, const std::function<std::string(TCommand)>& shortcutOf);
  void AttachList(TItemList list);
  // Runs the item the window-menu command stands for; false for the
  // system's own commands.
  bool Run(UINT command) const;
  // Greys the items that cannot be chosen now and puts in the lists' items
  // as they are now, as the menu opens.
  void Refresh(HMENU menu);

  // The window-menu command of a window command: a multiple of 16 below
  // the system's own 0xF000, whatever the item's place in the menu.
  static UINT CommandOf(TCommand command);
  // The command of a list's item at that place, also a multiple of 16 (the
  // system keeps the low four bits of a window-menu command for itself),
  // in a range of its own above the items' commands.
  static UINT CommandOf(TCommand command, size_t index);

 private:
  bool Enabled(const TItem& item) const;
  struct TShownList {
    TItemList List;
    size_t Shown = 0;  // its items in the menu now
  };
  void RefreshList(HMENU menu, TShownList& list) const;

  TCommandGate& FGate;
  std::vector<TItem> FItems;
  std::vector<TShownList> FLists;
};
