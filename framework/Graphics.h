// Colours, fonts, pens, brushes, the canvas over a device context and the
// 24-bit off-screen bitmap whose pixel rows the widgets compute directly.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/Classes.h"
#include "framework/EnumSet.h"
#include "framework/GdiHandles.h"

// 0x00BBGGRR for an RGB colour; with the high bit set, the low byte names a
// system colour that is looked up each time the colour is drawn.
enum TColor : uint32_t {
  clBlack = 0x000000,
  clMaroon = 0x000080,
  clGreen = 0x008000,
  clOlive = 0x008080,
  clNavy = 0x800000,
  clPurple = 0x800080,
  clTeal = 0x808000,
  clGray = 0x808080,
  clSilver = 0xC0C0C0,
  clRed = 0x0000FF,
  clLime = 0x00FF00,
  clYellow = 0x00FFFF,
  clBlue = 0xFF0000,
  clFuchsia = 0xFF00FF,
  clAqua = 0xFFFF00,
  clWhite = 0xFFFFFF,
  clSystemColor = 0x80000000,
  clWindow = clSystemColor + COLOR_WINDOW,
  clWindowText = clSystemColor + COLOR_WINDOWTEXT,
  clHighlight = clSystemColor + COLOR_HIGHLIGHT,
  clHighlightText = clSystemColor + COLOR_HIGHLIGHTTEXT,
  clBtnFace = clSystemColor + COLOR_BTNFACE,
  clBtnShadow = clSystemColor + COLOR_BTNSHADOW,
  clGrayText = clSystemColor + COLOR_GRAYTEXT,
  clBtnText = clSystemColor + COLOR_BTNTEXT,
  clBtnHighlight = clSystemColor + COLOR_BTNHIGHLIGHT,
  cl3DDkShadow = clSystemColor + COLOR_3DDKSHADOW,
  cl3DLight = clSystemColor + COLOR_3DLIGHT,
};

// The current RGB value of a colour, resolving a system colour.
COLORREF ColorToRGB(TColor color);
constexpr TColor RGBColor(uint8_t red, uint8_t green, uint8_t blue) {
  return static_cast<TColor>(red | (green << 8) | (blue << 16));
}

template <>
TColor FromLayout<TColor>(const LayoutValue& value);

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };

template <>
struct EnumNames<TFontStyle> {
  static constexpr auto names() { return std::array{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}; }
};

using TFontStyles = TSet<TFontStyle>;

// Font sizes are given at the program's fixed 96 pixels per inch.
constexpr int PixelsPerInch = 96;

class TFont : public TPersistent {
 public:
  const std::string& Name() const { return FName; }
  void SetName(const std::string& name);
  int Height() const { return FHeight; }  // negative: character height in pixels
  void SetHeight(int height);
  void SetSize(int points);  // points
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  int Charset() const { return FCharset; }
  void SetCharset(int charset);

  void Assign(const TFont& source);
  // The logical description of the font, from which rotated copies are made.
  LOGFONTW LogFont() const;
  HFONT Handle();

  std::function<void()> OnChange;

  PUBLISHED_PROPERTIES;

 private:
  void Changed();
  void ShapeChanged();

  std::string FName = "MS Sans Serif";
  int FHeight = -11;
  TFontStyles FStyle;
  TColor FColor = clWindowText;
  int FCharset = DEFAULT_CHARSET;
  TGdiObject FHandle;
};

class TPen {
 public:
  TColor Color = clBlack;
  int Width = 1;
};

enum TBrushStyle { bsSolid, bsClear };

class TBrush {
 public:
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
};

// A solid brush of one colour, kept while the colour stays and made again
// when it changes (a system colour included): the background brush that
// native controls are handed when they ask for their colours.
class TSolidBrush {
 public:
  HBRUSH Handle(TColor color);

 private:
  TGdiObject FBrush;
  COLORREF FColor = 0;
};

// A solid pen, kept in the same way while its colour and width stay.
class TSolidPen {
 public:
  HPEN Handle(TColor color, int width);

 private:
  TGdiObject FPen;
  COLORREF FColor = 0;
  int FWidth = 0;
};

class TBitmap;

// Drawing operations on a device context that the canvas does not own. The
// pen, brush and font are selected for each operation and unselected after
// it, so changing them between operations needs no bookkeeping by the
// caller; the pen and brush objects are made again only when they change.
class TCanvas {
 public:
  explicit TCanvas(HDC dc = nullptr) : FDC(dc) {}
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return FDC; }
  void SetHandle(HDC dc) { FDC = dc; }

  TFont& Font() { return FFont; }
  TPen& Pen() { return FPen; }
  TBrush& Brush() { return FBrush; }
  DWORD CopyMode = SRCCOPY;

  void FillRect(const RECT& rect);
  void Rectangle(const RECT& rect);
  void RoundRect(const RECT& rect, int cornerWidth, int cornerHeight);
  void Polyline(const std::vector<POINT>& points);
  void TextOut(int x, int y, const std::string& text);
  SIZE TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }
  // Copies the whole bitmap with CopyMode to (x, y).
  void Draw(int x, int y, TBitmap& bitmap);
  void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);

 private:
  class TTools;

  HDC FDC;
  TFont FFont;
  TPen FPen;
  TBrush FBrush;
  // The GDI objects last made for the pen and the brush: making them anew
  // for every line would cost fifty times the line.
  TSolidPen FPenObject;
  TSolidBrush FBrushObject;
};

// The canvas's pen and brush, given back when the owner goes: a drawing that
// needs its own leaves the caller's as they were.
class TSavedCanvasTools {
 public:
  explicit TSavedCanvasTools(TCanvas& canvas) : FCanvas(canvas), FPen(canvas.Pen()), FBrush(canvas.Brush()) {}
  ~TSavedCanvasTools() {
    FCanvas.Pen() = FPen;
    FCanvas.Brush() = FBrush;
  }
  TSavedCanvasTools(const TSavedCanvasTools&) = delete;
  TSavedCanvasTools& operator=(const TSavedCanvasTools&) = delete;

 private:
  TCanvas& FCanvas;
  TPen FPen;
  TBrush FBrush;
};

// The canvas of a control bound to the device context of one painting.
class TCanvasBinding {
 public:
  TCanvasBinding(TCanvas& canvas, HDC dc) : FCanvas(canvas) { FCanvas.SetHandle(dc); }
  ~TCanvasBinding() { FCanvas.SetHandle(nullptr); }
  TCanvasBinding(const TCanvasBinding&) = delete;
  TCanvasBinding& operator=(const TCanvasBinding&) = delete;

 private:
  TCanvas& FCanvas;
};

// A 24-bit top-down DIB section. Pixel row y is ScanLine(y): bytes blue,
// green, red for each pixel, column x at 3x.
class TBitmap {
 public:
  TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetWidth(int width) { SetSize(width, FHeight); }
  void SetHeight(int height) { SetSize(FWidth, height); }
  void SetSize(int width, int height);
  bool Empty() const { return FWidth == 0 || FHeight == 0; }
  void Assign(const TBitmap& source);

  uint8_t* ScanLine(int y);
  TCanvas& Canvas() { return FCanvas; }

 private:
  TMemoryDC FDC;
  TGdiObject FBitmap;
  std::optional<TSelectObject> FSelection;  // of FBitmap into FDC
  uint8_t* FBits = nullptr;
  int FWidth = 0, FHeight = 0, FStride = 0;
  TCanvas FCanvas;
};
