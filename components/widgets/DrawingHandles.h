// Drawing handles held for exactly as long as a scope needs them, so that no
// path out of a drawing routine leaves a device context taken or an object
// selected.
#pragma once

#include <windows.h>

// A window's device context, released at the end of the scope: the client
// area's, or the whole window's for drawing over its border.
class TWindowDC {
 public:
  enum TArea { Client, Whole };

  explicit TWindowDC(HWND window, TArea area = Client)
      : FWindow(window), FDC(area == Whole ? GetWindowDC(window) : GetDC(window)) {}
  ~TWindowDC() {
    if (FDC) ReleaseDC(FWindow, FDC);
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;

  HDC Handle() const { return FDC; }

 private:
  HWND FWindow;
  HDC FDC;
};

// A GDI object selected into a device context; the object it replaced is
// selected back at the end of the scope.
class TSelectedObject {
 public:
  TSelectedObject(HDC dc, HGDIOBJ object) : FDC(dc), FPrevious(SelectObject(dc, object)) {}
  ~TSelectedObject() { SelectObject(FDC, FPrevious); }
  TSelectedObject(const TSelectedObject&) = delete;
  TSelectedObject& operator=(const TSelectedObject&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FPrevious;
};
