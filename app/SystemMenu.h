// The items Klangor adds to its window's system menu, below a separator, and
// the commands they start. Every item lives in the one table of
// SystemMenu.cpp; TForm1::SysCommand hands their commands over to it.
#pragma once

#include <windows.h>

class TForm1;

namespace SystemMenu {

void AddItems(HWND window);
// Carries out the item's command; false when the command is not one of ours.
bool Run(TForm1& form, UINT command);

}  // namespace SystemMenu
