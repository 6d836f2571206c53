#include "app/SystemMenu.h"

#include <utility>

#include "framework/Text.h"

namespace {

constexpr UINT FirstCommand = 0x0100;
constexpr UINT FirstListCommand = 0x8000;
constexpr size_t MostListed = 16;

// A menu shows "&" as the underline of the next letter; "&&" is one "&".
std::wstring MenuText(const std::string& caption) {
  std::wstring text;
  for (wchar_t letter : Text::ToWide(caption)) {
    if (letter == L'&') text += L'&';
    text += letter;
  }
  return text;
}

int PositionOf(HMENU menu, UINT command) {
  for (int position = 0; position < GetMenuItemCount(menu); ++position)
    if (GetMenuItemID(menu, position) == command) return position;
  return -1;
}

}  // namespace

TSystemMenu::TSystemMenu(TCommandGate& gate) : FGate(gate) {}

UINT TSystemMenu::CommandOf(TCommand command) { return FirstCommand + static_cast<UINT>(command) * 16; }

UINT TSystemMenu::CommandOf(TCommand command, size_t index) {
  return FirstListCommand + (static_cast<UINT>(command) * MostListed + static_cast<UINT>(index)) * 16;
}

void TSystemMenu::Attach(HWND window, std::vector<TItem> items,
                         const std::function<std::string(TCommand)>& shortcutOf) {
  FItems = std::move(items);
  HMENU menu = GetSystemMenu(window, FALSE);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  for (const TItem& item : FItems) {
    if (item.SeparatorBefore && &item != &FItems.front()) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    const std::string shortcut = shortcutOf(item.Command);
    const std::string text = shortcut.empty() ? item.Caption : item.Caption + "\t" + shortcut;
    AppendMenuW(menu, MF_STRING, CommandOf(item.Command), Text::ToWide(text).c_str());
  }
}

void TSystemMenu::AttachList(TItemList list) { FLists.push_back({std::move(list), 0}); }

bool TSystemMenu::Enabled(const TItem& item) const {
  return FGate.Allows(item.Command) && (!item.Available || item.Available());
}

bool TSystemMenu::Run(UINT command) const {
  for (const TItem& item : FItems) {
    if (command != CommandOf(item.Command)) continue;
    if (!item.Available || item.Available()) FGate.Run(item.Command, item.Run);
    return true;
  }
  for (const TShownList& shown : FLists)
    for (size_t index = 0; index < shown.Shown; ++index)
      if (command == CommandOf(shown.List.Command, index)) {
        FGate.Run(shown.List.Command, [&shown, index] { shown.List.Run(index); });
        return true;
      }
  return false;
}

void TSystemMenu::Refresh(HMENU menu) {
  for (const TItem& item : FItems)
    EnableMenuItem(menu, CommandOf(item.Command), MF_BYCOMMAND | (Enabled(item) ? MF_ENABLED : MF_GRAYED));
  for (TShownList& list : FLists) RefreshList(menu, list);
}

void TSystemMenu::RefreshList(HMENU menu, TShownList& shown) const {
  for (size_t index = 0; index < shown.Shown; ++index)
    DeleteMenu(menu, CommandOf(shown.List.Command, index), MF_BYCOMMAND);
  shown.Shown = 0;
  const int after = PositionOf(menu, CommandOf(shown.List.After));
  if (after < 0) return;
  const UINT state = FGate.Allows(shown.List.Command) ? MF_ENABLED : MF_GRAYED;
  for (const std::string& caption : shown.List.Captions()) {
    if (shown.Shown == MostListed) break;
    InsertMenuW(menu, after + 1 + static_cast<int>(shown.Shown), MF_BYPOSITION | MF_STRING | state,
                CommandOf(shown.List.Command, shown.Shown), MenuText(caption).c_str());
    ++shown.Shown;
  }
}
