#include "app/SystemMenu.h"

#include "app/About.h"
#include "app/Unit1.h"
#include "framework/Text.h"

namespace {

// Window-menu commands are multiples of 16 below the system's 0xF000.
constexpr UINT FirstCommand = 0x0100;

const char* const UndoCaption = "Annuler la dernière modification / Undo the last change";
const char* const OpenBackupsCaption = "Ouvrir le dossier des sauvegardes / Open the backups folder";

}  // namespace

UINT TSystemMenu::CommandOf(size_t item) { return FirstCommand + static_cast<UINT>(item) * 16; }

void TSystemMenu::Attach(HWND window, std::vector<TItem> items) {
  FItems = std::move(items);
  HMENU menu = GetSystemMenu(window, FALSE);
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  for (size_t i = 0; i < FItems.size(); ++i)
    AppendMenuW(menu, MF_STRING, CommandOf(i), Text::ToWide(FItems[i].Caption).c_str());
}

bool TSystemMenu::Run(UINT command) const {
  for (size_t i = 0; i < FItems.size(); ++i) {
    if (command != CommandOf(i)) continue;
    if (!FItems[i].Enabled || FItems[i].Enabled()) FItems[i].Run();
    return true;
  }
  return false;
}

void TSystemMenu::Refresh(HMENU menu) const {
  for (size_t i = 0; i < FItems.size(); ++i) {
    const bool enabled = !FItems[i].Enabled || FItems[i].Enabled();
    EnableMenuItem(menu, CommandOf(i), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  }
}

// The window's own items, in menu order.
void TForm1::AttachSystemMenu() {
  FSystemMenu.Attach(Handle(), {
                                   {UndoCaption, [this] { UndoLastChange(); }, [this] { return CanUndo(); }},
                                   {OpenBackupsCaption, [this] { OpenBackupsFolder(); }, nullptr},
                                   {AboutCaption, [this] { ShowAbout(*this); }, nullptr},
                               });
}

bool TForm1::SystemCommand(UINT command) { return FSystemMenu.Run(command); }

void TForm1::SystemMenuOpening(HMENU menu) { FSystemMenu.Refresh(menu); }
