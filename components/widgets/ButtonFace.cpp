#include "components/widgets/ButtonFace.h"

#include <algorithm>

#include "components/widgets/RoundHalfEven.h"

namespace {

uint8_t Scaled(int channel, double level) { return static_cast<uint8_t>(RoundHalfEven(channel * level)); }

// The row factor grows fast over the top five rows, slowly across the
// middle and quickly again over the bottom four.
double NextRowFactor(double factor, int y, int H) {
  if (y < 5) return 2 * factor;
  if (y <= H - 5) return factor + 0.002;
  return factor + factor * 2 / 3;
}

// The column step: the middle darkens (or, pressed, brightens) by 0.002 per
// pixel; the edge bands move by the row factor.
double ColumnStep(int x, int W, double edge, bool pressed) {
  if (x < 5) return pressed ? edge : -edge;
  if (x <= W - 5) return pressed ? 0.002 : -0.002;
  return pressed ? edge : -4 * edge;
}

}  // namespace

TFaceShading FaceShadingOf(const std::string& style) {
  if (style == "xp") return {1.0 / 120, 0.7, 2};
  if (style == "flat") return {0, 0.7, 0};
  return {0.025, 0.75, style.empty() ? 0 : 2};
}

COLORREF FaceBaseColor(COLORREF color, bool enabled, bool hover) {
  int channels[3] = {GetRValue(color), GetGValue(color), GetBValue(color)};
  for (int& channel : channels) {
    if (!enabled)
      channel = 200 + channel / 6;
    else if (hover)
      channel = RoundHalfEven(channel / 1.1);
  }
  return RGB(channels[0], channels[1], channels[2]);
}

void ShadeFace(TBitmap& face, int W, int H, COLORREF base, const TFaceShading& shading, bool pressed) {
  const int red = GetRValue(base), green = GetGValue(base), blue = GetBValue(base);
  const double baseLevel = pressed ? shading.PressedBase : 1.0;
  double factor = shading.EdgeStep;
  for (int y = 0; y <= H - shading.TrailingMargin + 1; ++y) {
    factor = NextRowFactor(factor, y, H);
    const double edge = shading.EdgeStep * factor;
    uint8_t* row = y < face.Height() ? face.ScanLine(y) : nullptr;
    double accumulator = 0;
    for (int x = 0; x <= W - shading.TrailingMargin + 1; ++x) {
      accumulator += ColumnStep(x, W, edge, pressed);
      if (!row || x >= face.Width()) continue;
      const double level = std::clamp(baseLevel + accumulator, 0.0, 1.0);
      uint8_t* pixel = row + 3 * x;
      pixel[0] = Scaled(blue, level);
      pixel[1] = Scaled(green, level);
      pixel[2] = Scaled(red, level);
    }
  }
}

TFacePlacement PlaceOnFace(const std::string& imageMode, int W, int H, int iw, int ih, int tw, int th) {
  const int centredX = (W - iw) / 2, centredY = (H - ih) / 2;
  const int besidePictureX = RoundHalfEven((iw + W - tw) / 2.0);
  TFacePlacement placement{{centredX, 0}, {0, 0}, false};
  if (imageMode == "bottom") {
    placement.Picture = {centredX, 3};
    placement.CaptionOrigin = {RoundHalfEven((W - tw) / 2.0), H - th - 4};
  } else if (imageMode == "top") {
    placement.Picture = {centredX, H - ih - 4};
    placement.CaptionOrigin = {RoundHalfEven((W - tw) / 2.0), 4};
  } else if (imageMode == "center") {
    placement.Picture = {3, centredY};
    placement.CaptionOrigin = {besidePictureX, (H - th) / 2 - 1};
  } else if (imageMode.empty()) {
    placement.Picture = {centredX, centredY};
    placement.CaptionOrigin = {besidePictureX, (H - th) / 2 - 1};
  } else if (imageMode == "notext") {
    placement.Picture = {centredX, centredY};
    placement.EmptiesCaption = true;
  }
  if (iw == W) placement.Picture.x = 0;
  if (ih == H) placement.Picture.y = 0;
  return placement;
}
