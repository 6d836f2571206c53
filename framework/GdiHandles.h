// Owners of device contexts and of the GDI objects selected into them, so
// that every context is released and every selection undone on every way
// out of a drawing function, an exception's included.
#pragma once

#include <windows.h>

// A GDI object (pen, brush, font, bitmap) deleted with its owner.
class TGdiObject {
 public:
  explicit TGdiObject(HGDIOBJ object = nullptr) : FObject(object) {}
  ~TGdiObject() { Reset(); }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;

  HGDIOBJ Handle() const { return FObject; }
  void Reset(HGDIOBJ object = nullptr) {
    if (FObject) DeleteObject(FObject);
    FObject = object;
  }

 private:
  HGDIOBJ FObject;
};

// The device context of a window's client area (of the screen for no
// window), released with its owner.
class TWindowDC {
 public:
  explicit TWindowDC(HWND window) : FWindow(window), FDC(GetDC(window)) {}
  ~TWindowDC() { ReleaseDC(FWindow, FDC); }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;

  HDC Handle() const { return FDC; }

 private:
  HWND FWindow;
  HDC FDC;
};

// The painting of a window's invalid part, between BeginPaint and EndPaint.
class TPaintDC {
 public:
  explicit TPaintDC(HWND window) : FWindow(window), FDC(BeginPaint(window, &FPaint)) {}
  ~TPaintDC() { EndPaint(FWindow, &FPaint); }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;

  HDC Handle() const { return FDC; }

 private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDC;
};

// A memory device context compatible with the screen, deleted with its owner.
class TMemoryDC {
 public:
  TMemoryDC() : FDC(CreateCompatibleDC(nullptr)) {}
  ~TMemoryDC() { DeleteDC(FDC); }
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;

  HDC Handle() const { return FDC; }

 private:
  HDC FDC;
};

// One object selected into a device context; the object it replaced is
// selected again when the owner goes.
class TSelectObject {
 public:
  TSelectObject(HDC dc, HGDIOBJ object) : FDC(dc), FOld(SelectObject(dc, object)) {}
  ~TSelectObject() { SelectObject(FDC, FOld); }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FOld;
};

// The whole state of a device context (clipping, origin, selected objects,
// colours), restored when the owner goes.
class TSavedDC {
 public:
  explicit TSavedDC(HDC dc) : FDC(dc), FSaved(SaveDC(dc)) {}
  ~TSavedDC() { RestoreDC(FDC, FSaved); }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

 private:
  HDC FDC;
  int FSaved;
};
