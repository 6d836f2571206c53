#include "components/widgets/bButton.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "components/widgets/ButtonFace.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "framework/Text.h"

namespace {

constexpr UINT_PTR BlinkTimerId = 1;
constexpr TColor OutlineColor = static_cast<TColor>(0x804000);
constexpr TColor HoverFrameColor = static_cast<TColor>(0x5AACFE);

std::optional<std::string> BytesOfHex(const std::string& digits) {
  if (digits.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (size_t i = 0; i < digits.size(); i += 2) {
    if (!std::isxdigit(static_cast<unsigned char>(digits[i])) ||
        !std::isxdigit(static_cast<unsigned char>(digits[i + 1])))
      return std::nullopt;
    bytes += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
  }
  return bytes;
}

// Copies the bitmap file's pixels, in whatever depth it stores them, into the
// 24-bit picture; false when the data is no bitmap file.
bool ReadBitmapFile(TBitmap& picture, const std::string& data) {
  constexpr size_t Prefix = 4;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  if (data.size() < Prefix + sizeof(file) + sizeof(info)) return false;
  std::memcpy(&file, data.data() + Prefix, sizeof(file));
  std::memcpy(&info, data.data() + Prefix + sizeof(file), sizeof(info));
  if (file.bfType != 0x4D42 || Prefix + file.bfOffBits > data.size()) return false;
  const int width = info.biWidth, height = std::abs(info.biHeight);
  picture.SetSize(width, height);
  return SetDIBitsToDevice(
             picture.Canvas().Handle(), 0, 0, width, height, 0, 0, 0, height, data.data() + Prefix + file.bfOffBits,
             reinterpret_cast<const BITMAPINFO*>(data.data() + Prefix + sizeof(file)), DIB_RGB_COLORS) > 0;
}

void SetImageDataFromLayout(TPersistent& object, const LayoutValue& value) {
  const std::optional<std::string> data = BytesOfHex(value.AsString());
  TBitmap picture;
  if (!data || !ReadBitmapFile(picture, *data)) value.Fail("a bitmap file in hexadecimal digits");
  static_cast<TButtonImageData&>(object).Button().SetImageBitmap(picture);
}

}  // namespace

const PropertyTable& TButtonImageData::PublishedTable() {
  static const PropertyTable table(&TPersistent::PublishedTable(), {{"Data", SetImageDataFromLayout}});
  return table;
}

const PropertyTable& TButtonImageData::Published() const { return PublishedTable(); }

// The pressed look is held in the public mouse events, as the classic button
// had it: a handler assigned to them from outside replaces it, on purpose.
TbButton::TbButton(TComponent* owner) : TCustomControl(owner) {
  SetColor(clSilver);
  OnMouseDown = [this](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
    ButtonPressed(button, shift, x, y);
  };
  OnMouseUp = [this](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
    ButtonReleased(button, shift, x, y);
  };
}

TbButton::~TbButton() {
  if (HandleAllocated()) KillTimer(Handle(), BlinkTimerId);
}

// The enabled flag is the button's own: its window stays enabled so that it
// keeps receiving the mouse and can show the arrow cursor over a disabled face.
void TbButton::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.ClassName = L"TbButton";
  params.Style &= ~WS_DISABLED;
}

void TbButton::InitializeWnd() {
  TCustomControl::InitializeWnd();
  SetTimerPeriod(FTimerPeriod);
}

void TbButton::SetStyle(const std::string& style) {
  if (AssignIfChanged(FStyle, style)) PaintNow();
}

void TbButton::SetImageMode(const std::string& imageMode) {
  if (AssignIfChanged(FImageMode, imageMode)) PaintNow();
}

void TbButton::SetImageBitmap(const TBitmap& bitmap) {
  FImageBitmap.Assign(bitmap);
  PaintNow();
}

void TbButton::SetClignotement(uint32_t halfPeriodMs) {
  if (!AssignIfChanged(FClignotement, halfPeriodMs)) return;
  SetTimerPeriod(halfPeriodMs);
  if (halfPeriodMs == 0) {
    FCaptionVisible = true;
    PaintNow();
  }
}

void TbButton::SetTimerPeriod(unsigned periodMs) {
  FTimerPeriod = periodMs;
  if (!HandleAllocated()) return;
  KillTimer(Handle(), BlinkTimerId);
  if (periodMs > 0) SetTimer(Handle(), BlinkTimerId, periodMs, nullptr);
}

void TbButton::BlinkTick() {
  if (FClignotement == 0) {
    SetTimerPeriod(0);
    FCaptionVisible = true;
    return;
  }
  FCaptionVisible = !FCaptionVisible || !Enabled();
  PaintNow();
  if (FHover) DrawHoverFrame();
}

void TbButton::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != Width() || height != Height();
  TCustomControl::SetBounds(left, top, width, height);
  if (resized) PaintNow();
}

void TbButton::CaptionChanged() {
  TCustomControl::CaptionChanged();
  PaintNow();
}

void TbButton::ColorChanged() {
  TCustomControl::ColorChanged();
  PaintNow();
}

void TbButton::FontChanged() {
  TCustomControl::FontChanged();
  Invalidate();
}

// Disabling keeps the font colour to give it back on enabling; meanwhile the
// caption shows in the button shadow colour.
void TbButton::EnabledChanged() {
  if (Enabled()) {
    Font().SetColor(FSavedFontColor);
  } else {
    FSavedFontColor = Font().Color();
    Font().SetColor(clBtnShadow);
  }
  PaintNow();
}

void TbButton::Click() {
  if (Enabled()) TCustomControl::Click();
}

void TbButton::ButtonPressed(TMouseButton, TShiftState, int, int) {
  if (!Enabled()) return;
  FPressed = true;
  PaintNow();
}

void TbButton::ButtonReleased(TMouseButton, TShiftState, int, int) {
  FPressed = false;
  PaintNow();
  if (Enabled()) DrawHoverFrame();
}

void TbButton::MouseEnter() {
  if (!Enabled()) {
    SetCursorShape(IDC_ARROW);
    return;
  }
  FHover = true;
  PaintNow();
  DrawHoverFrame();
}

void TbButton::MouseLeave() {
  FHover = false;
  PaintNow();
}

void TbButton::SetCursorShape(LPCSTR shape) {
  FCursorShape = shape;
  if (FMouseInside && Screen.Cursor() == crDefault) ::SetCursor(LoadCursorA(nullptr, shape));
}

void TbButton::WndProc(TMessage& message) {
  if (message.Msg == WM_TIMER && message.WParam == BlinkTimerId) {
    BlinkTick();
    return;
  }
  if (message.Msg == WM_SETCURSOR && Screen.Cursor() == crDefault && LOWORD(message.LParam) == HTCLIENT) {
    ::SetCursor(LoadCursorA(nullptr, FCursorShape));
    message.Result = TRUE;
    return;
  }
  TCustomControl::WndProc(message);
}

void TbButton::PaintNow() {
  if (!FPainting) PaintOnWindow(&TbButton::PaintOn);
}

void TbButton::PaintOnWindow(void (TbButton::*paint)(TCanvas&)) {
  if (!HandleAllocated()) return;
  const TWindowDC dc(Handle());
  Canvas().SetHandle(dc.Handle());
  (this->*paint)(Canvas());
  Canvas().SetHandle(nullptr);
}

void TbButton::Paint() { PaintOn(Canvas()); }

void TbButton::PaintOn(TCanvas& canvas) {
  const int W = Width(), H = Height();
  if (H == 0 || (!Enabled() && FPressed) || FPainting) return;
  FPainting = true;
  const std::string style = Text::LowerCase(FStyle);
  const bool xp = style == "xp";
  const int line = Dpi().Scale(1);
  TBitmap face;
  face.SetSize(xp ? W - 2 * line : W, xp ? H - 2 * line : H);
  ShadeFace(face, W, H, FaceBaseColor(ColorToRGB(Color()), Enabled(), FHover), FaceShadingOf(style), FPressed);

  canvas.Font().Assign(Font());
  const TFacePlacement placement =
      PlaceOnFace(Text::LowerCase(FImageMode), W, H, FImageBitmap.Width(), FImageBitmap.Height(),
                  canvas.TextWidth(Caption()), canvas.TextHeight("W"));
  if (placement.EmptiesCaption) SetCaption("");
  if (!FImageBitmap.Empty())
    BitBlt(face.Canvas().Handle(), placement.Picture.x, placement.Picture.y, FImageBitmap.Width(),
           FImageBitmap.Height(), FImageBitmap.Canvas().Handle(), 0, 0, SRCCOPY);
  canvas.CopyMode = SRCCOPY;
  canvas.Draw(xp ? line : 0, xp ? line : 0, face);

  if (FCaptionVisible) DrawCaption(canvas, placement.CaptionOrigin);
  if (xp) {
    canvas.Pen().Color = OutlineColor;
    canvas.Pen().Width = line;
    canvas.Brush().Style = bsClear;
    canvas.RoundRect({0, 0, W, H}, Dpi().Scale(5), Dpi().Scale(5));
  }
  FPainting = false;
}

// DT_VCENTER alone has no effect on text that is not single-line: the caption
// stays top-left in its rectangle, breaks only at line breaks and shows "&"
// as an underline prefix.
void TbButton::DrawCaption(TCanvas& canvas, POINT origin) {
  const HDC dc = canvas.Handle();
  const TSavedDC saved(dc);
  const TSelectObject font(dc, canvas.Font().Handle());
  SetTextColor(dc, ColorToRGB(canvas.Font().Color()));
  SetBkMode(dc, TRANSPARENT);
  RECT box{origin.x, origin.y, Width(), Height()};
  const std::wstring caption = Text::ToWide(Caption());
  const UINT format = DT_VCENTER | (UseRightToLeftReading(FBiDiMode) ? DT_RTLREADING : 0);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box, format);
}

void TbButton::DrawHoverFrame() {
  SetCursorShape(IDC_HAND);
  PaintOnWindow(&TbButton::DrawHoverFrameOn);
}

void TbButton::DrawHoverFrameOn(TCanvas& canvas) {
  const std::string style = Text::LowerCase(FStyle);
  const int line = Dpi().Scale(1);
  canvas.Pen().Color = HoverFrameColor;
  canvas.Brush().Style = bsClear;
  if (style == "xp") {
    canvas.Pen().Width = line;
    canvas.RoundRect({line, line, Width() - line, Height() - line}, Dpi().Scale(4), Dpi().Scale(4));
  } else if (style == "flat" || style.empty()) {
    canvas.Pen().Width = Dpi().Scale(2);
    canvas.Rectangle({line, line, Width(), Height()});
  }
}

const PropertyTable& TbButton::PublishedTable() {
  static const PropertyTable table(&TCustomControl::PublishedTable(),
                                   {{"Style", Set(&TbButton::SetStyle)},
                                    {"ImageMode", Set(&TbButton::SetImageMode)},
                                    {"Clignotement", Set(&TbButton::SetClignotement)},
                                    {"BiDiMode", Set(&TbButton::SetBiDiMode)},
                                    {"OnMouseDown", Event(&TbButton::SetOnMouseDown)},
                                    {"OnMouseUp", Event(&TbButton::SetOnMouseUp)},
                                    {"OnResize", Event(&TbButton::SetOnResize)}},
                                   {{"ImageBitmap", Sub(&TbButton::ImageBitmapData)}});
  return table;
}
