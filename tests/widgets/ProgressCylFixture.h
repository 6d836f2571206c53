// Helpers of the progress bar tests: painting a control into a bitmap of its
// own size, as its parent would, and reading pixels as (red, green, blue).
#pragma once

#include <windows.h>

#include <memory>
#include <ostream>
#include <set>
#include <utility>

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

using PixelSet = std::set<std::pair<int, int>>;

// The pixels at which two paintings of one size differ.
inline PixelSet Differing(TBitmap& one, TBitmap& other) {
  PixelSet differing;
  for (int y = 0; y < one.Height(); ++y)
    for (int x = 0; x < one.Width(); ++x)
      if (klangor::test::pixelOf(one, x, y) != klangor::test::pixelOf(other, x, y)) differing.insert({x, y});
  return differing;
}

// Where the boundary line is painted: its column on a lying bar, its row on a
// standing one, -1 where a frame covers it. The bar is made flat, with a red
// line, no caption and no inner bevel, none of which moves the line.
inline int PaintedLine(TProgressCyl& bar) {
  bar.SetCylinderEffect(ceFlat);
  bar.SetForeLineColor(clRed);
  bar.SetShowText(false);
  bar.SetBevelInner(bvNone);
  auto image = Render(bar);
  const Rgb line{255, 63, 63};
  const bool lying = bar.Orientation() == pbHorizontal;
  for (int i = 0; i < (lying ? bar.Width() : bar.Height()); ++i)
    if (PixelAt(*image, lying ? i : bar.Width() / 2, lying ? bar.Height() / 2 : i) == line) return i;
  return -1;
}

// A bar whose filled part is plain white, so that a caption over it shows
// exactly in its own colours.
inline void MakeFilledPartWhite(TProgressCyl& bar) {
  bar.SetCylinderEffect(ceFlat);
  bar.SetForeColor(clWhite);
  bar.SetPosition(bar.Max());
}

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
