// What the main window's native controls cost by themselves: a plain Win32
// window of the main window's size, themed by the same manifest, holding the
// same native windows as Klangor's (30 value fields with their sunken edge,
// the list with its scroll bar and twelve lines, two check boxes, two group
// frames, five buttons), each given one font, shown and left to paint. No
// framework, no layout, no files. Its start over the bare window's is the
// part of Klangor's start-up ratio that the platform charges for those
// windows; it prints the system time at which it is shown, painted and idle.
#include <windows.h>

#include <commctrl.h>

#include "bench/StartupClock.h"

namespace {

void Child(HWND parent, const wchar_t* windowClass, DWORD style, DWORD exStyle, int x, int y, int width, int height,
           HFONT font) {
  HWND window = CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  klangor::bench::RegisterPlainWindowClass(L"NativeWindow");
  HWND window = CreateWindowExW(0, L"NativeWindow", L"Native", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 723,
                                550, nullptr, nullptr, instance, nullptr);
  HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif");
  Child(window, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 8, 8, 400, 21, font);
  Child(window, L"BUTTON", BS_GROUPBOX, 0, 8, 40, 420, 120, font);
  Child(window, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 20, 60, 40, 21, font);
  Child(window, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 20, 90, 150, 17, font);
  Child(window, L"BUTTON", BS_GROUPBOX, 0, 8, 170, 420, 330, font);
  for (int field = 0; field < 28; ++field)
    Child(window, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 120 + field / 14 * 200, 186 + field % 14 * 22,
          40, 21, font);
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT, 440, 8, 260, 380,
                              window, nullptr, instance, nullptr);
  SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  for (int line = 0; line < 12; ++line) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"bank.ini"));
  Child(window, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 440, 400, 200, 17, font);
  for (int button = 0; button < 5; ++button)
    Child(window, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, 440 + button % 2 * 130, 430 + button / 2 * 30, 120, 25,
          font);
  ShowWindow(window, SW_SHOW);
  klangor::bench::ReportShownWhenIdle();
  DestroyWindow(window);
  DeleteObject(font);
  return 0;
}
