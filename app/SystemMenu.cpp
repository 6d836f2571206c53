#include "app/SystemMenu.h"

#include <utility>

#include "framework/Text.h"

namespace {

constexpr UINT FirstCommand = 0x0100;

}  // namespace

TSystemMenu::TSystemMenu(TCommandGate& gate) : FGate(gate) {}

UINT TSystemMenu::CommandOf(TCommand command) { return FirstCommand + static_cast<UINT>(command) * 16; }

void TSystemMenu::Attach(HWND window, std::vector<TItem> items,
                         const std::function<std::string(TCommand)>& shortcutOf) {
  FItems = std::move(items);
  HMENU menu = GetSystemMenu(window, FALSE);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  for (const TItem& item : FItems) {
    if (item.StartsGroup) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    const std::string shortcut = shortcutOf(item.Command);
    const std::string text = shortcut.empty() ? item.Caption : item.Caption + "\t" + shortcut;
    AppendMenuW(menu, MF_STRING, CommandOf(item.Command), Text::ToWide(text).c_str());
  }
}

bool TSystemMenu::Enabled(const TItem& item) const {
  return FGate.Allows(item.Command) && (!item.Available || item.Available());
}

bool TSystemMenu::Run(UINT command) const {
  for (const TItem& item : FItems) {
    if (command != CommandOf(item.Command)) continue;
    if (!item.Available || item.Available()) FGate.Run(item.Command, item.Run);
    return true;
  }
  return false;
}

void TSystemMenu::Refresh(HMENU menu) const {
  for (const TItem& item : FItems)
    EnableMenuItem(menu, CommandOf(item.Command), MF_BYCOMMAND | (Enabled(item) ? MF_ENABLED : MF_GRAYED));
}
