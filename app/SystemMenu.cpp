#include "app/SystemMenu.h"

#include "app/About.h"
#include "app/Unit1.h"
#include "framework/Text.h"

namespace {

struct Item {
  // Below 0xF000 and with the low four bits clear, which the system uses.
  UINT Command;
  const char* Caption;
  void (*Start)(TForm1& form);
};

const Item Items[] = {
    {0x0010, AboutCaption, ShowAbout},
};

}  // namespace

namespace SystemMenu {

void AddItems(HWND window) {
  HMENU menu = GetSystemMenu(window, FALSE);
  if (!menu) return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  for (const Item& item : Items) AppendMenuW(menu, MF_STRING, item.Command, Text::ToWide(item.Caption).c_str());
}

bool Run(TForm1& form, UINT command) {
  for (const Item& item : Items)
    if (item.Command == command) {
      item.Start(form);
      return true;
    }
  return false;
}

}  // namespace SystemMenu

bool TForm1::SysCommand(UINT command) { return SystemMenu::Run(*this, command); }
