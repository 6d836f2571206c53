// The window menu's own items, appended after the system's behind a
// separator: each with its caption, the command it runs and whether it can
// be chosen now (a greyed item cannot).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class TSystemMenu {
 public:
  struct TItem {
    std::string Caption;
    std::function<void()> Run;
    std::function<bool()> Enabled;  // none: always enabled
  };

  void Attach(HWND window, std::vector<TItem> items);
  // Runs the item the window-menu command stands for; false for the
  // system's own commands.
  bool Run(UINT command) const;
  // Greys the items that cannot be chosen now, as the menu opens.
  void Refresh(HMENU menu) const;

  static UINT CommandOf(size_t item);

 private:
  std::vector<TItem> FItems;
};
