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

// A value taken from Windows for a while and handed back with a call when
// its owner goes: Release(context, value). The owners below are made of it.
template <class Context, class Value, auto Release>
class TGdiScope {
 public:
  ~TGdiScope() { Release(FContext, FValue); }
  TGdiScope(const TGdiScope&) = delete;
  TGdiScope& operator=(const TGdiScope&) = delete;

 protected:
  TGdiScope(Context context, Value value) : FContext(context), FValue(value) {}
  Context FContext;
  Value FValue;
};

// The device context of a window's client area (of the screen for no
// window), or of the whole window for drawing over its border, released
// with its owner.
class TWindowDC : public TGdiScope<HWND, HDC, &ReleaseDC> {
 public:
  enum TArea { Client, Whole };
  explicit TWindowDC(HWND window, TArea area = Client)
      : TGdiScope(window, area == Whole ? GetWindowDC(window) : GetDC(window)) {}
  HDC Handle() const { return FValue; }
};

// One object selected into a device context; the object it replaced is
// selected again when the owner goes.
class TSelectObject : public TGdiScope<HDC, HGDIOBJ, &SelectObject> {
 public:
  TSelectObject(HDC dc, HGDIOBJ object) : TGdiScope(dc, SelectObject(dc, object)) {}
};

// The whole state of a device context (clipping, origin, selected objects,
// colours), restored when the owner goes.
class TSavedDC : public TGdiScope<HDC, int, &RestoreDC> {
 public:
  explicit TSavedDC(HDC dc) : TGdiScope(dc, SaveDC(dc)) {}
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
