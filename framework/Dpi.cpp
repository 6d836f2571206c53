#include "framework/Dpi.h"

#include "framework/GdiHandles.h"

namespace {

template <class Proc>
Proc User32Entry(const char* name) {
  return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
using GetDpiForSystemProc = UINT(WINAPI*)();
using AdjustWindowRectExForDpiProc = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

}  // namespace

int TDpi::RescaleFont(int shown, TDpi from) const {
  if (from == *this) return shown;
  const int magnitude = shown < 0 ? -shown : shown;
  const int designed = (magnitude * Designed + from.FPixelsPerInch - 1) / from.FPixelsPerInch;
  return ScaleFont(shown < 0 ? -designed : designed);
}

TDpi TDpi::OfWindow(HWND window) {
  static const auto forWindow = User32Entry<GetDpiForWindowProc>("GetDpiForWindow");
  const UINT dpi = forWindow && window ? forWindow(window) : 0;
  return dpi ? TDpi(static_cast<int>(dpi)) : OfSystem();
}

TDpi TDpi::OfSystem() {
  static const auto forSystem = User32Entry<GetDpiForSystemProc>("GetDpiForSystem");
  if (forSystem) return TDpi(static_cast<int>(forSystem()));
  const TWindowDC screen(nullptr);
  return TDpi(GetDeviceCaps(screen.Handle(), LOGPIXELSY));
}

SIZE TDpi::WindowSize(SIZE client, DWORD style, DWORD exStyle) const {
  static const auto adjustForDpi = User32Entry<AdjustWindowRectExForDpiProc>("AdjustWindowRectExForDpi");
  RECT frame{0, 0, client.cx, client.cy};
  if (adjustForDpi)
    adjustForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(FPixelsPerInch));
  else
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return {frame.right - frame.left, frame.bottom - frame.top};
}
