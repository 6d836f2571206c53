// Painting of the cylinder progress bar. Everything is drawn into the
// off-screen bitmap FBuffer and copied to the control in one operation, so the
// bar never flickers. The shading is computed on the bitmap's pixel rows: the
// level of a pixel falls (or rises) linearly with its distance from the lit
// line, which lies at thickness / LightAngle from the top (lying bar) or left
// (standing bar) edge, and is weighted per channel by the colour factors.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "components/widgets/ProgressCyl2.h"
#include "framework/GdiHandles.h"
#include "framework/Text.h"

namespace {

struct Bgr {
  uint8_t blue, green, red;
};

uint8_t ClampByte(double level) {
  if (level < 0) return 0;
  if (level >= 255) return 255;
  return static_cast<uint8_t>(level);  // truncates toward zero
}

// The colour of one pixel at distance |k| from the lit line.
Bgr Shade(int k, float step, const TPCColorStyle& style, const TColorFactors& factors) {
  const double level = std::abs(static_cast<double>(k)) * step * style.ColorFactor() + style.ColorRGB();
  return {ClampByte(std::trunc(level * factors[2])), ClampByte(std::trunc(level * factors[1])),
          ClampByte(std::trunc(level * factors[0]))};
}

// The counter at the bar's first row or column: minus the distance of the lit
// line from that edge. Bounded so that a tiny LightAngle cannot overflow it.
int FirstCounter(int thickness, float lightAngle) {
  const double start = std::trunc(thickness / static_cast<double>(lightAngle));
  return static_cast<int>(std::clamp(start, -1e8, 1e8));
}

// Writes columns first..last (inclusive) of one row, skipping those outside
// the bitmap.
void FillColumns(TBitmap& bitmap, int y, int first, int last, Bgr color) {
  if (y < 0 || y >= bitmap.Height()) return;
  first = std::max(first, 0);
  last = std::min(last, bitmap.Width() - 1);
  uint8_t* pixel = bitmap.ScanLine(y) + 3 * first;
  for (int x = first; x <= last; ++x, pixel += 3) {
    pixel[0] = color.blue;
    pixel[1] = color.green;
    pixel[2] = color.red;
  }
}

// Writes one row of a standing bar: column x takes colors[x - first].
void PutRow(TBitmap& bitmap, int y, int first, const std::vector<Bgr>& colors) {
  if (y < 0 || y >= bitmap.Height()) return;
  uint8_t* row = bitmap.ScanLine(y);
  for (size_t i = 0; i < colors.size(); ++i) {
    const int x = first + static_cast<int>(i);
    if (x < 0 || x >= bitmap.Width()) continue;
    row[3 * x] = colors[i].blue;
    row[3 * x + 1] = colors[i].green;
    row[3 * x + 2] = colors[i].red;
  }
}

struct CaptionPlacement {
  int angle;  // tenths of a degree
  int x, y;
};

// The reference point of the caption, so that the (possibly rotated) text is
// centred on the control. A lying caption uses an angle of one tenth of a
// degree rather than zero.
CaptionPlacement PlaceCaption(TFontOrientation orientation, SIZE text, int width, int height) {
  const int tw = text.cx, th = text.cy;
  switch (orientation) {
    case foTopToBottom: return {2700, th + (width - th) / 2 - 1, (height - tw) / 2};
    case foBottomToTop: return {900, (width - th) / 2 + 1, tw + (height - tw) / 2};
    case foLeftToRight: break;
  }
  return {1, (width - tw) / 2, (height - th) / 2 + 1};
}

}  // namespace

// Made again only when the font or the angle changed: the bar repaints at
// every step of a write, and each new font is realised anew.
HFONT TProgressCyl::RotatedFont(int angle) {
  LOGFONTW description = Font().LogFont();
  description.lfWidth = 0;
  description.lfEscapement = description.lfOrientation = angle;
  if (!FRotatedFont.Handle() || std::memcmp(&description, &FRotatedLook, sizeof description) != 0) {
    FRotatedFont.Reset(CreateFontIndirectW(&description));
    FRotatedLook = description;
  }
  return static_cast<HFONT>(FRotatedFont.Handle());
}

void TProgressCyl::Paint() {
  if (!FReady || !CheckGeometry()) return;
  FBuffer->SetHeight(Height());
  FBuffer->SetWidth(Width());
  if (FOrientation == pbHorizontal)
    PaintHorizontal();
  else
    PaintVertical();
  if (FShowText) {
    if (FFontEffect == feInvert)
      DrawInvertedCaption();
    else
      DrawCaption();
  }
  if (Canvas().Handle()) Canvas().Draw(0, 0, *FBuffer);
}

void TProgressCyl::PaintHorizontal() {
  FBuffer->Canvas().Brush().Color = Color();
  FBuffer->Canvas().FillRect(FOuterRect);
  const int thickness = FBarRect.bottom - FBarRect.top;
  int kF = FirstCounter(thickness, FForeStyle->LightAngle());
  int kB = FirstCounter(thickness, FBackStyle->LightAngle());
  for (int y = FInnerInset; y <= Height() - FInnerInset - 1; ++y, ++kF, ++kB) {
    FillColumns(*FBuffer, y, FInnerInset, FFillEdge, Shade(kF, FRowStep, *FForeStyle, FForeFactors));
    FillColumns(*FBuffer, y, FFillEdge, FFillEdge, Shade(kF, FRowStep, *FForeStyle, FLineFactors));
    FillColumns(*FBuffer, y, FFillEdge + 1, Width() - FInnerInset - 1, Shade(kB, FRowStep, *FBackStyle, FBackFactors));
  }
  PaintFrames();
}

void TProgressCyl::PaintVertical() {
  FBuffer->Canvas().Brush().Color = Color();
  FBuffer->Canvas().FillRect(FOuterRect);
  const int thickness = FBarRect.right - FBarRect.left;
  const int kF = FirstCounter(thickness, FForeStyle->LightAngle());
  const int kB = FirstCounter(thickness, FBackStyle->LightAngle());
  // The shading varies from column to column only: one row of each part is
  // computed and repeated down its rows.
  std::vector<Bgr> back, line, fore;
  for (int offset = 0; offset < thickness; ++offset) {
    back.push_back(Shade(kB + offset, FColStep, *FBackStyle, FBackFactors));
    line.push_back(Shade(kF + offset, FColStep, *FForeStyle, FLineFactors));
    fore.push_back(Shade(kF + offset, FColStep, *FForeStyle, FForeFactors));
  }
  for (int y = FInnerInset; y <= FFillEdge; ++y) PutRow(*FBuffer, y, FInnerInset, back);
  PutRow(*FBuffer, FFillEdge, FInnerInset, line);
  for (int y = FFillEdge + 1; y <= Height() - FInnerInset - 1; ++y) PutRow(*FBuffer, y, FInnerInset, fore);
  PaintFrames();
}

void TProgressCyl::PaintFrames() {
  DrawFrame3D(FBarRect, FBackBorderColor, FBackBorderColor, Dpi().Scale(1));
  if (FBevelInner != bvNone) DrawFrame3D(FBevelRect, FInnerTopLeft, FInnerBottomRight, FBevelWidth);
  if (FBevelOuter != bvNone) DrawFrame3D(FOuterRect, FOuterTopLeft, FOuterBottomRight, FBevelWidth);
}

// Each ring's left column and top row take the top colour, its right column
// and bottom row the bottom colour, the top-right and bottom-left corners
// included; a polyline leaves out its last point.
void TProgressCyl::DrawFrame3D(RECT rect, TColor topColor, TColor bottomColor, int width) {
  TCanvas& canvas = FBuffer->Canvas();
  canvas.Pen().Width = 1;
  --rect.right;
  --rect.bottom;
  for (int ring = 0; ring < width; ++ring) {
    canvas.Pen().Color = topColor;
    canvas.Polyline({{rect.left, rect.bottom}, {rect.left, rect.top}, {rect.right, rect.top}});
    canvas.Pen().Color = bottomColor;
    canvas.Polyline({{rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left - 1, rect.bottom}});
    InflateRect(&rect, -1, -1);
  }
}

void TProgressCyl::DrawCaption() {
  std::vector<CaptionPass> passes;
  if (FFontEffect != feNone) passes.push_back({ColorToRGB(FFontShadowColor), Dpi().Scale(FShadowOffset)});
  passes.push_back({ColorToRGB(Font().Color()), 0});
  DrawCaptionOn(*FBuffer, passes);
}

// The caption is written white on a black mask, which is then XORed onto the
// bar: every pixel under a glyph takes its inverse colour, so the caption
// reads on the filled and on the empty part alike.
void TProgressCyl::DrawInvertedCaption() {
  FTextMask->SetSize(FBuffer->Width(), FBuffer->Height());
  TCanvas& mask = FTextMask->Canvas();
  mask.CopyMode = BLACKNESS;
  mask.CopyRect(FOuterRect, mask, FOuterRect);
  mask.CopyMode = SRCCOPY;
  DrawCaptionOn(*FTextMask, {{RGB(255, 255, 255), 0}});
  FBuffer->Canvas().CopyMode = SRCINVERT;
  FBuffer->Canvas().Draw(0, 0, *FTextMask);
  FBuffer->Canvas().CopyMode = SRCCOPY;
}

void TProgressCyl::DrawCaptionOn(TBitmap& target, const std::vector<CaptionPass>& passes) {
  TCanvas& canvas = target.Canvas();
  canvas.Brush().Style = bsClear;
  canvas.Font().Assign(Font());
  const std::string caption = CaptionText();
  const CaptionPlacement place = PlaceCaption(FFontOrientation, canvas.TextExtent(caption), Width(), Height());
  const std::wstring text = Text::ToWide(caption);
  HDC dc = canvas.Handle();
  const TSelectObject selected(dc, RotatedFont(place.angle));
  SetBkMode(dc, TRANSPARENT);
  for (const CaptionPass& pass : passes) {
    SetTextColor(dc, pass.Color);
    ExtTextOutW(dc, place.x + pass.Offset, place.y + pass.Offset, ETO_CLIPPED, &FOuterRect, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
  }
  canvas.Brush().Style = bsSolid;
}
