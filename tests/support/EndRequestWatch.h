// Sees the program's request to end: the WM_QUIT it posts to its own thread,
// whichever message loop takes it from the queue, the program's own, a modal
// box's or a test's pump, and also while it is still waiting there.
#pragma once

#include <windows.h>

namespace klangor::test {

class EndRequestWatch {
 public:
  EndRequestWatch() : hook_(SetWindowsHookExW(WH_GETMESSAGE, hookProc, nullptr, GetCurrentThreadId())) {
    seen() = false;
  }
  ~EndRequestWatch() { UnhookWindowsHookEx(hook_); }
  EndRequestWatch(const EndRequestWatch&) = delete;
  EndRequestWatch& operator=(const EndRequestWatch&) = delete;

  bool requested() const {
    MSG msg;
    return seen() || PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE);
  }

 private:
  static bool& seen() {
    thread_local bool quit = false;
    return quit;
  }
  static LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && reinterpret_cast<const MSG*>(lParam)->message == WM_QUIT) seen() = true;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  HHOOK hook_;
};

}  // namespace klangor::test
