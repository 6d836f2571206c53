// A visible top-level form that parents the button or list under test, so
// that the control has its native window and paints on the screen; and pixel
// reading as (red, green, blue).
#pragma once

#include <windows.h>

#include <ostream>

#include "framework/Forms.h"

namespace widget_host {

struct Color3 {
  int red, green, blue;
  bool operator==(const Color3&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Color3& c) {
  return out << "(" << c.red << ", " << c.green << ", " << c.blue << ")";
}

inline Color3 Color3Of(COLORREF color) { return {GetRValue(color), GetGValue(color), GetBValue(color)}; }

// Reads a pixel of a control's window as it is on the screen now, without
// letting any window message run first.
inline Color3 ScreenPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF color = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return Color3Of(color);
}

inline void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

class Host {
 public:
  Host() : form(nullptr) {
    form.SetBounds(0, 0, 500, 500);
    form.HandleNeeded();
    ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
    PumpMessages();
  }
  TCustomForm form;
};

// One host for the whole test run: making and destroying a top-level window
// costs about two seconds under Wine with Xvfb. It is never destroyed; the
// process ends with it.
inline Host& SharedHost() {
  static Host* host = new Host;
  return *host;
}

}  // namespace widget_host
