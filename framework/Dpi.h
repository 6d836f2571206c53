// Sizes are stored as designed, at 96 pixels per inch, and shown at the DPI
// of the window they stand in: each is multiplied by the DPI over 96 and
// rounded as MulDiv rounds (half away from zero), as the classic component
// libraries scale a form; font heights are rounded toward zero. The DPI functions of newer systems are looked up
// when first needed, so the program still starts where they are missing.
#pragma once

#include <windows.h>

class TDpi {
 public:
  static constexpr int Designed = 96;

  constexpr TDpi() = default;
  explicit constexpr TDpi(int pixelsPerInch) : FPixelsPerInch(pixelsPerInch > 0 ? pixelsPerInch : Designed) {}

  int PixelsPerInch() const { return FPixelsPerInch; }
  bool operator==(const TDpi&) const = default;

  // A designed size at this DPI.
  int Scale(int designed) const { return MulDiv(designed, FPixelsPerInch, Designed); }
  // A size shown at `from`, shown at this DPI instead. It goes through its
  // designed value, so that moving between DPIs and back gives the same sizes.
  int Rescale(int shown, TDpi from) const {
    return from == *this ? shown : Scale(MulDiv(shown, Designed, from.FPixelsPerInch));
  }

  // A designed font height at this DPI, rounded toward zero: text grows a
  // little faster than its height (hinting makes small text narrow), and a
  // font rounded up would no longer fit the scaled control it was made for.
  int ScaleFont(int designedHeight) const { return designedHeight * FPixelsPerInch / Designed; }
  // A font height shown at `from`, shown at this DPI, through its designed
  // height (the one ScaleFont takes there to the shown one).
  int RescaleFont(int shown, TDpi from) const;

  // The DPI of the monitor the window is on (GetDpiForWindow), else the
  // system's.
  static TDpi OfWindow(HWND window);
  // The DPI the system was started with (GetDpiForSystem), else the screen's
  // pixels per inch.
  static TDpi OfSystem();
  // The window size around a client area of this size, with the frame the
  // system draws at this DPI (AdjustWindowRectExForDpi), else at its own.
  SIZE WindowSize(SIZE client, DWORD style, DWORD exStyle) const;

 private:
  int FPixelsPerInch = Designed;
};
