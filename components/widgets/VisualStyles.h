// The visual-styles library (UxTheme.dll), loaded at run time: the program
// also runs where the library is missing or no theme is active, and then
// draws the classic way.
#pragma once

#include <windows.h>

#include <uxtheme.h>

class TVisualStyles {
 public:
  static TVisualStyles& Instance();

  // The library is there and the user runs a theme.
  bool Active() const;

  // Draws one part of a theme class over the rectangle, clipped to clip when
  // given; does nothing when the theme cannot be opened.
  void DrawPart(HWND window, const wchar_t* themeClass, HDC dc, int part, int state, const RECT& rect,
                const RECT* clip = nullptr) const;

 private:
  TVisualStyles();
  ~TVisualStyles();

  using IsThemeActiveProc = BOOL(WINAPI*)();
  using OpenThemeDataProc = HTHEME(WINAPI*)(HWND, LPCWSTR);
  using DrawThemeBackgroundProc = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
  using CloseThemeDataProc = HRESULT(WINAPI*)(HTHEME);

  HMODULE FLibrary = nullptr;
  IsThemeActiveProc FIsThemeActive = nullptr;
  OpenThemeDataProc FOpenThemeData = nullptr;
  DrawThemeBackgroundProc FDrawThemeBackground = nullptr;
  CloseThemeDataProc FCloseThemeData = nullptr;
};
