// The yardstick of start-up: a bare Win32 window of the main window's size,
// built with the same toolchain. It prints the system time at which it is
// shown, painted and idle, and ends.
#include <windows.h>

#include "bench/StartupClock.h"

int main() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  klangor::bench::RegisterPlainWindowClass(L"BareWindow");
  HWND window = CreateWindowExW(0, L"BareWindow", L"Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 723, 550,
                                nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  klangor::bench::ReportShownWhenIdle();
  DestroyWindow(window);
  return 0;
}
