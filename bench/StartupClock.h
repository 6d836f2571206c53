// Start-up is timed from outside the process: the bench takes the system time
// before it starts a program, and the program prints the system time at which
// its window is shown and everything queued for it (paints included) is done.
#pragma once

#include <windows.h>

#include <cstdio>

namespace klangor::bench {

inline long long SystemTime100ns() {
  FILETIME now;
  GetSystemTimePreciseAsFileTime(&now);
  return static_cast<long long>(ULARGE_INTEGER{{now.dwLowDateTime, now.dwHighDateTime}}.QuadPart);
}

// The window class of the yardsticks: the default procedure, the dialog
// background, the arrow cursor.
inline void RegisterPlainWindowClass(const wchar_t* name) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

// Runs the thread's pending messages until none is left, then prints the time.
inline void ReportShownWhenIdle() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  std::printf("%lld\n", SystemTime100ns());
  std::fflush(stdout);
}

}  // namespace klangor::bench
