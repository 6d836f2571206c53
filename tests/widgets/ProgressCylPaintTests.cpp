// Painting of the progress bar, checked on the pixels of an off-screen bitmap
// the control is painted into as its parent would paint it.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ProgressCylFixture.h"
#include "tests/support/BitmapPixel.h"

using klangor::test::pixelOf;

namespace {

// Bar-area pixels of exactly the given colour.
PixelSet PixelsOf(TBitmap& bitmap, Rgb color) {
  PixelSet found;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (PixelAt(bitmap, x, y) == color) found.insert({x, y});
  return found;
}

PixelSet Shifted(const PixelSet& pixels, int offset) {
  PixelSet shifted;
  for (auto [x, y] : pixels) shifted.insert({x + offset, y + offset});
  return shifted;
}

PixelSet Without(PixelSet pixels, const PixelSet& removed) {
  for (const auto& pixel : removed) pixels.erase(pixel);
  return pixels;
}

std::vector<Rgb> Column(TBitmap& bitmap, int x, int firstRow, int lastRow) {
  std::vector<Rgb> column;
  for (int y = firstRow; y <= lastRow; ++y) column.push_back(PixelAt(bitmap, x, y));
  return column;
}

std::vector<Rgb> Greys(std::vector<int> levels) {
  std::vector<Rgb> greys;
  for (int level : levels) greys.push_back(Grey(level));
  return greys;
}

}  // namespace

TEST(ProgressCylPaint, NewControlShadesTheFilledPartRowByRow) {
  TProgressCyl bar(nullptr);
  bar.SetPosition(50);
  auto image = Render(bar);
  // Rows 4 and 17 are the bar area's border; rows 5 to 16 show the shading.
  const std::vector<Rgb> shaded = Greys({201, 219, 237, 255, 237, 219, 201, 183, 165, 147, 129, 111});
  for (int x : {5, 10, 40, 55}) {
    EXPECT_EQ(Column(*image, x, 5, 16), shaded) << "column " << x;
    EXPECT_EQ(PixelAt(*image, x, 4), Grey(0)) << "column " << x;
    EXPECT_EQ(PixelAt(*image, x, 17), Grey(0)) << "column " << x;
  }
}

// At Max the boundary line lies just right of the bar area; without an inner
// bevel nothing covers it, so the whole shaded column shows there, rows 4 and
// 17 included.
TEST(ProgressCylPaint, UncoveredLineAtMaxShowsEveryShadedRow) {
  TProgressCyl bar(nullptr);
  bar.SetBevelInner(bvNone);
  bar.SetForeLineColor(clWhite);
  bar.SetPosition(100);
  auto image = Render(bar);
  EXPECT_EQ(Column(*image, 146, 4, 17), Greys({183, 201, 219, 237, 255, 237, 219, 201, 183, 165, 147, 129, 111, 93}));
}

TEST(ProgressCylPaint, MainWindowBarIsBrightestInRow8AndDarkestInRow18) {
  TProgressCyl bar(nullptr);
  ConfigureAsMainWindowBar(bar);
  auto image = Render(bar);
  const Rgb brightest{63, 63, 255};
  EXPECT_EQ(PixelAt(*image, 20, 8), brightest);
  EXPECT_EQ(PixelAt(*image, 20, 17), (Rgb{30, 30, 120}));
  EXPECT_EQ(PixelAt(*image, 20, 18), Grey(0)) << "the bar area's border";
  for (int y = 4; y <= 17; ++y) {
    const Rgb pixel = PixelAt(*image, 20, y);
    EXPECT_LE(pixel.blue, brightest.blue) << "row " << y;
    EXPECT_GE(pixel.blue, 120) << "row " << y;
  }
  // Full: the line column right of the bar area is covered by no frame.
  bar.SetForeLineColor(clBlue);
  bar.SetPosition(100);
  image = Render(bar);
  EXPECT_EQ(PixelAt(*image, 690, 8), brightest);
  EXPECT_EQ(PixelAt(*image, 690, 18), (Rgb{26, 26, 105}));
  EXPECT_EQ(PixelAt(*image, 690, 3), (Rgb{45, 45, 180}));
}

// At a higher DPI the border and the bevels keep their share of the bar:
// the bar area's black ring lies further in and is thicker.
TEST(ProgressCylPaint, MainWindowBarScalesItsFrames) {
  struct Case {
    int dpi, inset, ring;
  };
  for (const Case& row : {Case{96, 3, 1}, Case{120, 3, 1}, Case{144, 6, 2}, Case{192, 6, 2}}) {
    TProgressCyl bar(nullptr);
    ConfigureAsMainWindowBar(bar);
    bar.ChangeScale(TDpi(row.dpi));
    auto image = Render(bar);
    ASSERT_EQ(image->Width(), TDpi(row.dpi).Scale(693)) << row.dpi;
    ASSERT_EQ(image->Height(), TDpi(row.dpi).Scale(22)) << row.dpi;
    const int x = image->Width() / 2;
    for (int y = row.inset - 1; y <= row.inset + row.ring; ++y) {
      const bool ring = y >= row.inset && y < row.inset + row.ring;
      EXPECT_EQ(PixelAt(*image, x, y) == Grey(0), ring) << row.dpi << " DPI, top row " << y;
      EXPECT_EQ(PixelAt(*image, x, image->Height() - 1 - y) == Grey(0), ring) << row.dpi << " DPI, bottom row " << y;
    }
  }
}

TEST(ProgressCylPaint, FlatCylinderPaintsOneColour) {
  TProgressCyl bar(nullptr);
  bar.SetCylinderEffect(ceFlat);
  bar.SetForeColor(RGBColor(128, 0, 255));
  bar.SetShowText(false);
  bar.SetPosition(100);
  auto image = Render(bar);
  // Trunc(255 × factor): 255 × 0.6265 for 128, a quarter of 255 for 0.
  const Rgb flat{159, 63, 255};
  for (int y = 5; y <= 16; ++y)
    for (int x : {5, 70, 144}) EXPECT_EQ(PixelAt(*image, x, y), flat) << x << ", " << y;
}

// A bar area one row thick steps by the whole shade level; lit two rows
// above it and at half weight, its row is 255 - shade level. At Max the line
// right of the bar area shows it, white.
TEST(ProgressCylPaint, CylinderEffectSetsTheShadeLevel) {
  const std::pair<TCylinderEffect, int> cases[] = {{ceFlat, 254},   {ceUltraLow, 204}, {ceLow, 153},
                                                   {ceMedium, 102}, {ceHigh, 51},      {ceMaximum, 0}};
  for (auto [effect, level] : cases) {
    TProgressCyl bar(nullptr);
    bar.SetHeight(9);
    bar.SetBevelInner(bvNone);
    bar.SetForeLineColor(clWhite);
    bar.ForeStyle().SetLightAngle(0.5f);
    bar.ForeStyle().SetColorFactor(-0.5f);
    bar.SetCylinderEffect(effect);
    bar.SetShowText(false);
    bar.SetPosition(100);
    EXPECT_EQ(PixelAt(*Render(bar), 146, 4), Grey(level)) << "effect " << int{effect};
  }
}

TEST(ProgressCylPaint, PositiveLightAngleLightsTheFirstRow) {
  TProgressCyl bar(nullptr);
  bar.SetBevelInner(bvNone);
  bar.SetForeLineColor(clWhite);
  bar.ForeStyle().SetLightAngle(3.0f);
  bar.SetPosition(100);
  auto image = Render(bar);
  // k starts at Trunc(14 / 3) = 4 and grows: 255 − 18k, down to 0.
  EXPECT_EQ(Column(*image, 146, 4, 17), Greys({183, 165, 147, 129, 111, 93, 75, 57, 39, 21, 3, 0, 0, 0}));
}

TEST(ProgressCylPaint, BoundaryLineAtMinAndAtMax) {
  struct Case {
    int position, lineColumn, borderColumn, neighbourColumn;
    Rgb neighbour;  // row 8, where the shading is at its brightest
  };
  const Case cases[] = {
      {0, 5, 4, 6, Grey(255)},               // back part right of the line, white
      {100, 146, 145, 144, {255, 255, 63}},  // fore part left of the border, yellow
  };
  for (const Case& c : cases) {
    TProgressCyl bar(nullptr);
    bar.SetBevelInner(bvNone);
    bar.SetForeColor(clYellow);
    bar.SetBackColor(clWhite);
    bar.SetForeLineColor(clRed);
    bar.SetShowText(false);
    bar.SetPosition(c.position);
    auto image = Render(bar);
    EXPECT_EQ(PixelAt(*image, c.lineColumn, 8), (Rgb{255, 63, 63})) << c.position;
    EXPECT_EQ(PixelAt(*image, c.lineColumn, 5), (Rgb{201, 50, 50})) << c.position;
    EXPECT_EQ(PixelAt(*image, c.borderColumn, 8), Grey(0)) << c.position;
    EXPECT_EQ(PixelAt(*image, c.neighbourColumn, 8), c.neighbour) << c.position;
  }
}

TEST(ProgressCylPaint, FramesAreDrawnFromTheOutsideIn) {
  TProgressCyl bar(nullptr);
  bar.SetColor(clTeal);
  bar.SetBevelColor(RGBColor(200, 30, 128));
  bar.SetBackBorderColor(clNavy);
  auto image = Render(bar);
  const Rgb light{255, 94, 192}, dark{136, 0, 64}, teal{0, 128, 128}, navy{0, 0, 128};
  struct Expected {
    int x, y;
    Rgb color;
    const char* what;
  };
  const Expected pixels[] = {
      {0, 0, dark, "outer lowered bevel, top-left"},
      {0, 10, dark, "outer bevel, left"},
      {149, 0, light, "outer bevel, top-right corner"},
      {0, 21, light, "outer bevel, bottom-left corner"},
      {149, 21, light, "outer bevel, bottom-right"},
      {1, 1, teal, "border gap"},
      {2, 10, teal, "border gap"},
      {3, 3, light, "inner raised bevel, top-left"},
      {146, 3, dark, "inner bevel, top-right corner"},
      {3, 18, dark, "inner bevel, bottom-left corner"},
      {4, 4, navy, "bar area border"},
      {145, 17, navy, "bar area border"},
  };
  for (const Expected& e : pixels) EXPECT_EQ(PixelAt(*image, e.x, e.y), e.color) << e.what;
}

TEST(ProgressCylPaint, StandingBarShadesColumnByColumnAndFillsFromTheBottom) {
  TProgressCyl bar(nullptr);
  bar.SetOrientation(pbVertical);
  bar.SetWidth(22);
  bar.SetHeight(150);
  bar.SetBackColor(clBlue);
  bar.SetForeLineColor(clRed);
  bar.SetShowText(false);
  bar.SetPosition(50);
  auto image = Render(bar);
  auto row = [&](int y) {
    std::vector<Rgb> pixels;
    for (int x = 5; x <= 16; ++x) pixels.push_back(PixelAt(*image, x, y));
    return pixels;
  };
  const std::vector<Rgb> fore = Greys({201, 219, 237, 255, 237, 219, 201, 183, 165, 147, 129, 111});
  EXPECT_EQ(row(76), fore);
  EXPECT_EQ(row(140), fore);
  EXPECT_EQ(row(74)[3], (Rgb{63, 63, 255})) << "the empty part above the line is blue";
  EXPECT_EQ(row(75)[3], (Rgb{255, 63, 63})) << "the red boundary line";
}

TEST(ProgressCylPaint, CaptionIsHiddenWithShowTextFalse) {
  TProgressCyl bar(nullptr);
  bar.SetShowText(false);
  bar.SetFontEffect(feInvert);
  bar.SetPosition(50);
  auto image = Render(bar);
  for (int y = 5; y <= 16; ++y)
    for (int x = 5; x <= 74; ++x) ASSERT_EQ(PixelAt(*image, x, y), PixelAt(*image, 5, y)) << x << ", " << y;
}

// Glyph edges are smoothed, so the shadow is found as the pixels that differ
// from the caption painted without one: all of them lie under the caption
// moved by the offset, and the caption's solid pixels still cover the shadow.
TEST(ProgressCylPaint, ShadowIsDrawnOnePixelOffBeforeTheCaption) {
  TProgressCyl bar(nullptr);
  MakeFilledPartWhite(bar);
  bar.Font().SetColor(clRed);
  bar.SetFontShadowColor(clLime);
  auto constructed = Render(bar);  // a new bar's own effect: the bottom-right shadow
  bar.SetFontEffect(feNone);
  auto plain = Render(bar);
  const PixelSet solid = PixelsOf(*plain, {255, 0, 0});
  PixelSet covered;
  for (int y = 5; y <= 16; ++y)
    for (int x = 5; x <= 144; ++x)
      if (PixelAt(*plain, x, y) != Grey(255)) covered.insert({x, y});
  ASSERT_GT(solid.size(), 20u);
  for (auto [effect, offset] : {std::pair{feShadowBottomRight, 1}, std::pair{feShadowTopLeft, -1}}) {
    bar.SetFontEffect(effect);
    auto image = Render(bar);
    const PixelSet changed = Differing(*image, *plain);
    EXPECT_GT(changed.size(), 20u) << offset;
    EXPECT_TRUE(Without(changed, Shifted(covered, offset)).empty()) << "shadow moved by " << offset;
    EXPECT_FALSE(Without(changed, Shifted(covered, -offset)).empty()) << "not the other way, " << offset;
    EXPECT_TRUE(Without(solid, PixelsOf(*image, {255, 0, 0})).empty()) << "the caption is drawn last";
  }
  bar.SetFontEffect(feShadowBottomRight);
  EXPECT_TRUE(Differing(*Render(bar), *constructed).empty()) << "a new bar shows its shadow as well";
}

// The caption is one mask XORed onto the bar: what it does to each pixel is
// the same over a white and over a blue bar, and solid glyphs turn white into
// black.
TEST(ProgressCylPaint, InvertedCaptionTurnsWhiteToBlack) {
  TProgressCyl bar(nullptr);
  MakeFilledPartWhite(bar);
  bar.SetFontEffect(feInvert);
  auto captionMask = [&bar] {
    bar.SetShowText(false);
    auto plain = Render(bar);
    bar.SetShowText(true);
    auto image = Render(bar);
    std::vector<COLORREF> mask;
    for (int y = 0; y < bar.Height(); ++y)
      for (int x = 0; x < bar.Width(); ++x) mask.push_back(pixelOf(*image, x, y) ^ pixelOf(*plain, x, y));
    return mask;
  };
  const std::vector<COLORREF> overWhite = captionMask();
  auto image = Render(bar);
  int black = 0;
  for (int y = 5; y <= 16; ++y)
    for (int x = 5; x <= 144; ++x) black += PixelAt(*image, x, y) == Grey(0);
  EXPECT_GT(black, 20) << "the glyphs of \"Done\" show black on the white bar";
  bar.SetForeColor(clBlue);
  EXPECT_TRUE(captionMask() == overWhite) << "the blue bar is inverted under the same glyphs";
}

TEST(ProgressCylPaint, CaptionIsCentredInEveryOrientation) {
  struct Case {
    TProgressBarOrientation bar;
    TFontOrientation caption;
    int width, height;
  };
  const Case cases[] = {
      {pbHorizontal, foLeftToRight, 150, 22},
      {pbVertical, foBottomToTop, 30, 150},
      {pbVertical, foTopToBottom, 30, 150},
  };
  for (const Case& c : cases) {
    TProgressCyl bar(nullptr);
    bar.SetOrientation(c.bar);
    bar.SetWidth(c.width);
    bar.SetHeight(c.height);
    bar.SetFontOrientation(c.caption);
    MakeFilledPartWhite(bar);
    bar.Font().SetColor(clRed);
    bar.SetFontEffect(feNone);
    auto image = Render(bar);
    const PixelSet glyphs = PixelsOf(*image, {255, 0, 0});
    ASSERT_FALSE(glyphs.empty()) << c.caption;
    int left = c.width, right = 0, top = c.height, bottom = 0;
    for (auto [x, y] : glyphs) {
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
    const bool lying = c.caption == foLeftToRight;
    EXPECT_EQ(lying, right - left > bottom - top) << c.caption << ": the text runs along its direction";
    EXPECT_NEAR((left + right) / 2.0, c.width / 2.0, 3.0) << c.caption;
    EXPECT_NEAR((top + bottom) / 2.0, c.height / 2.0, 3.0) << c.caption;
  }
}

TEST(ProgressCylPaint, ControlTooSmallForItsFramePaintsNothing) {
  TProgressCyl bar(nullptr);
  bar.SetHeight(8);
  auto image = Render(bar);
  for (int y = 0; y < bar.Height(); ++y)
    for (int x = 0; x < bar.Width(); ++x) ASSERT_EQ(PixelAt(*image, x, y), (Rgb{255, 0, 255})) << x << ", " << y;
}
