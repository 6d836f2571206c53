#include "framework/Graphics.h"

#include <cstring>
#include <utility>

#include "framework/SysUtils.h"
#include "framework/Text.h"

COLORREF ColorToRGB(TColor color) {
  if (color & clSystemColor) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color);
}

namespace {

const std::pair<const char*, TColor> ColorNames[] = {
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clWindow", clWindow},
    {"clWindowText", clWindowText},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
};

}  // namespace

template <>
TColor FromLayout<TColor>(const LayoutValue& value) {
  if (value.kind == LayoutValue::Kind::Integer) return static_cast<TColor>(static_cast<uint32_t>(value.integer));
  for (const auto& [name, color] : ColorNames)
    if (value.AsIdentifier() == name) return color;
  value.Fail("a colour");
}

// ---- TFont

void TFont::Changed() {
  if (OnChange) OnChange();
}

// The colour is not part of the font object: only a change of shape makes
// the handle again, which the next text drawn must then realise anew.
void TFont::ShapeChanged() {
  FHandle.Reset();
  Changed();
}

void TFont::SetName(const std::string& name) {
  if (AssignIfChanged(FName, name)) ShapeChanged();
}

void TFont::SetHeight(int height) {
  if (AssignIfChanged(FHeight, height)) ShapeChanged();
}

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, PixelsPerInch, 72)); }

void TFont::SetStyle(TFontStyles style) {
  if (AssignIfChanged(FStyle, style)) ShapeChanged();
}

void TFont::SetColor(TColor color) {
  if (AssignIfChanged(FColor, color)) Changed();
}

void TFont::SetCharset(int charset) {
  if (AssignIfChanged(FCharset, charset)) ShapeChanged();
}

void TFont::Assign(const TFont& source) {
  // An owner-drawn control may hand its font to its canvas before each item
  // it draws: an equal font keeps its handle.
  const bool shape = AssignIfChanged(FName, source.FName) | AssignIfChanged(FHeight, source.FHeight) |
                     AssignIfChanged(FStyle, source.FStyle) | AssignIfChanged(FCharset, source.FCharset);
  const bool color = AssignIfChanged(FColor, source.FColor);
  if (shape)
    ShapeChanged();
  else if (color)
    Changed();
}

LOGFONTW TFont::LogFont() const {
  LOGFONTW font{};
  font.lfHeight = FHeight;
  font.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  font.lfItalic = FStyle.Contains(fsItalic);
  font.lfUnderline = FStyle.Contains(fsUnderline);
  font.lfStrikeOut = FStyle.Contains(fsStrikeOut);
  font.lfCharSet = static_cast<BYTE>(FCharset);
  const std::wstring face = Text::ToWide(FName);
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return font;
}

HFONT TFont::Handle() {
  if (!FHandle.Handle()) {
    const LOGFONTW font = LogFont();
    FHandle.Reset(CreateFontIndirectW(&font));
  }
  return static_cast<HFONT>(FHandle.Handle());
}

namespace {

// A character set is stored by its identifier or by its number.
PropertyTable::Setter CharsetSetter() {
  return [](TPersistent& object, const LayoutValue& value) {
    static const std::pair<const char*, int> names[] = {
        {"ANSI_CHARSET", ANSI_CHARSET}, {"DEFAULT_CHARSET", DEFAULT_CHARSET}, {"SYMBOL_CHARSET", SYMBOL_CHARSET}};
    auto& font = static_cast<TFont&>(object);
    if (value.kind == LayoutValue::Kind::Integer) return font.SetCharset(static_cast<int>(value.integer));
    for (const auto& [name, charset] : names)
      if (value.AsIdentifier() == name) return font.SetCharset(charset);
    value.Fail("a character set");
  };
}

}  // namespace

const PropertyTable& TFont::PublishedTable() {
  static const PropertyTable table(&TPersistent::PublishedTable(), {{"Name", Set(&TFont::SetName)},
                                                                    {"Height", Set(&TFont::SetHeight)},
                                                                    {"Size", Set(&TFont::SetSize)},
                                                                    {"Style", Set(&TFont::SetStyle)},
                                                                    {"Color", Set(&TFont::SetColor)},
                                                                    {"Charset", CharsetSetter()}});
  return table;
}

// ---- TSolidBrush

HBRUSH TSolidBrush::Handle(TColor color) {
  const COLORREF rgb = ColorToRGB(color);
  if (!FBrush.Handle() || rgb != FColor) {
    FBrush.Reset(CreateSolidBrush(rgb));
    FColor = rgb;
  }
  return static_cast<HBRUSH>(FBrush.Handle());
}

HPEN TSolidPen::Handle(TColor color, int width) {
  const COLORREF rgb = ColorToRGB(color);
  if (!FPen.Handle() || rgb != FColor || width != FWidth) {
    FPen.Reset(CreatePen(PS_SOLID, width, rgb));
    FColor = rgb;
    FWidth = width;
  }
  return static_cast<HPEN>(FPen.Handle());
}

// ---- TCanvas

// The canvas's pen, brush and font, selected for one drawing operation and
// unselected when it ends, so that a kept object is never deleted while a
// device context holds it.
class TCanvas::TTools {
 public:
  explicit TTools(TCanvas& canvas)
      : FPenSelection(canvas.FDC, canvas.FPenObject.Handle(canvas.FPen.Color, canvas.FPen.Width)),
        FBrushSelection(canvas.FDC, canvas.FBrush.Style == bsClear ? GetStockObject(NULL_BRUSH)
                                                                   : canvas.FBrushObject.Handle(canvas.FBrush.Color)),
        FFontSelection(canvas.FDC, canvas.FFont.Handle()) {
    SetTextColor(canvas.FDC, ColorToRGB(canvas.FFont.Color()));
    SetBkColor(canvas.FDC, ColorToRGB(canvas.FBrush.Color));
    SetBkMode(canvas.FDC, canvas.FBrush.Style == bsClear ? TRANSPARENT : OPAQUE);
  }

 private:
  TSelectObject FPenSelection, FBrushSelection, FFontSelection;
};

// Fills with the brush's colour even when its style is bsClear, as Delphi's canvas does.
void TCanvas::FillRect(const RECT& rect) { ::FillRect(FDC, &rect, FBrushObject.Handle(FBrush.Color)); }

void TCanvas::Rectangle(const RECT& rect) {
  const TTools tools(*this);
  ::Rectangle(FDC, rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::RoundRect(const RECT& rect, int cornerWidth, int cornerHeight) {
  const TTools tools(*this);
  ::RoundRect(FDC, rect.left, rect.top, rect.right, rect.bottom, cornerWidth, cornerHeight);
}

void TCanvas::Polyline(const std::vector<POINT>& points) {
  const TTools tools(*this);
  ::Polyline(FDC, points.data(), static_cast<int>(points.size()));
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  const TTools tools(*this);
  const std::wstring wide = Text::ToWide(text);
  ::ExtTextOutW(FDC, x, y, 0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
}

SIZE TCanvas::TextExtent(const std::string& text) {
  const TTools tools(*this);
  const std::wstring wide = Text::ToWide(text);
  SIZE size{};
  GetTextExtentPoint32W(FDC, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  BitBlt(FDC, x, y, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0, 0, CopyMode);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
  StretchBlt(FDC, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.Handle(), sourceRect.left,
             sourceRect.top, sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top, CopyMode);
}

// ---- TBitmap

TBitmap::TBitmap() { FCanvas.SetHandle(FDC.Handle()); }

void TBitmap::SetSize(int width, int height) {
  if (width == FWidth && height == FHeight) return;
  FSelection.reset();
  FBitmap.Reset();
  FBits = nullptr;
  FWidth = width < 0 ? 0 : width;
  FHeight = height < 0 ? 0 : height;
  FStride = (FWidth * 3 + 3) & ~3;
  if (FWidth == 0 || FHeight == 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = FWidth;
  info.bmiHeader.biHeight = -FHeight;  // top-down: row 0 is the top row
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  FBitmap.Reset(CreateDIBSection(FDC.Handle(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!FBitmap.Handle()) throw Exception("Out of system resources");
  FBits = static_cast<uint8_t*>(bits);
  FSelection.emplace(FDC.Handle(), FBitmap.Handle());
}

void TBitmap::Assign(const TBitmap& source) {
  SetSize(source.FWidth, source.FHeight);
  if (Empty()) return;
  GdiFlush();
  std::memcpy(FBits, source.FBits, static_cast<size_t>(FStride) * FHeight);
}

uint8_t* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= FHeight) throw EListError("Scan line index out of range");
  GdiFlush();  // pending GDI drawing must reach the bits before they are read or written
  return FBits + static_cast<size_t>(y) * FStride;
}
