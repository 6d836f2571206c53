// Helpers of the progress bar tests: painting a control into a bitmap of its
// own size, as its parent would, and reading pixels as (red, green, blue).
#pragma once

#include <windows.h>

#include <memory>
#include <ostream>

#include "components/widgets/ProgressCyl2.h"
#include "tests/support/BitmapPixel.h"

struct Rgb {
  int red, green, blue;
  bool operator==(const Rgb&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Rgb& rgb) {
  return out << "(" << rgb.red << ", " << rgb.green << ", " << rgb.blue << ")";
}

inline Rgb RgbOf(COLORREF color) { return {GetRValue(color), GetGValue(color), GetBValue(color)}; }

inline Rgb Grey(int level) { return {level, level, level}; }

// The control at the origin, painted onto a bitmap pre-filled with magenta so
// that unpainted pixels stand out.
inline std::unique_ptr<TBitmap> Render(TProgressCyl& control) {
  auto target = std::make_unique<TBitmap>();
  target->SetSize(control.Width(), control.Height());
  target->Canvas().Brush().Color = RGBColor(255, 0, 255);
  target->Canvas().FillRect({0, 0, control.Width(), control.Height()});
  control.SetLeft(0);
  control.SetTop(0);
  control.PaintOn(target->Canvas().Handle());
  return target;
}

inline Rgb PixelAt(TBitmap& bitmap, int x, int y) { return RgbOf(klangor::test::pixelOf(bitmap, x, y)); }

// The main window's bar as its stored layout sets it.
inline void ConfigureAsMainWindowBar(TProgressCyl& control) {
  control.SetWidth(693);
  control.SetHeight(22);
  control.SetBevelInner(bvNone);
  control.SetBevelOuter(bvNone);
  control.SetBevelWidth(1);
  control.SetBorderWidth(1);
  control.SetForeColor(clBlue);
  control.SetForeLineColor(clHighlight);
  control.SetTextDone("Terminé / Done");
  control.SetProEffect(peCustom);
  control.SetPosition(30);
}
