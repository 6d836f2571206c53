// The visual-styles library (UxTheme.dll), loaded at run time: the program
// also runs where the library is missing or no theme is active, and then
// draws the classic way.
#pragma once

#include <windows.h>

#include <uxtheme.h>

#include "framework/Dpi.h"

class TVisualStyles {
 public:
  static TVisualStyles& Instance();

  // The library is there and the user runs a theme.
  bool Active() const;

 private:
  friend class TWindowTheme;

  TVisualStyles();
  ~TVisualStyles();

  using IsThemeActiveProc = BOOL(WINAPI*)();
  using OpenThemeDataProc = HTHEME(WINAPI*)(HWND, LPCWSTR);
  using DrawThemeBackgroundProc = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
  using CloseThemeDataProc = HRESULT(WINAPI*)(HTHEME);
  using OpenThemeDataForDpiProc = HTHEME(WINAPI*)(HWND, LPCWSTR, UINT);

  HTHEME Open(HWND window, LPCWSTR themeClass, TDpi dpi) const;

  HMODULE FLibrary = nullptr;
  IsThemeActiveProc FIsThemeActive = nullptr;
  OpenThemeDataProc FOpenThemeData = nullptr;
  DrawThemeBackgroundProc FDrawThemeBackground = nullptr;
  CloseThemeDataProc FCloseThemeData = nullptr;
  OpenThemeDataForDpiProc FOpenThemeDataForDpi = nullptr;  // Windows 10 1703 and later
};

// A theme class opened for one window and kept open, as themed controls keep
// theirs: opening it costs more than drawing with it (under Wine, a window
// property set and a lookup of the theme file per opening). Opened again for
// a new window handle or DPI, and after Reset, which the window calls when
// the user's theme changes. Where the system can, the theme is opened for the
// DPI, so that its parts come in the images drawn for that size.
class TWindowTheme {
 public:
  explicit TWindowTheme(const wchar_t* themeClass) : FClass(themeClass) {}
  ~TWindowTheme() { Reset(); }
  TWindowTheme(const TWindowTheme&) = delete;
  TWindowTheme& operator=(const TWindowTheme&) = delete;

  // Draws one part over the rectangle, clipped to clip when given; does
  // nothing when the theme cannot be opened.
  void DrawPart(HWND window, TDpi dpi, HDC dc, int part, int state, const RECT& rect, const RECT* clip = nullptr);
  void Reset();

 private:
  const wchar_t* FClass;
  HWND FWindow = nullptr;
  TDpi FDpi;
  HTHEME FTheme = nullptr;
};
