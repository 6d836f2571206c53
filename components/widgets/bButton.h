// TbButton: the program's own push button, a window that paints its whole
// face itself (a shaded copy of its colour, an optional picture, the caption
// and, in the "xp" style, a rounded outline), darkens with an orange frame
// under the mouse, shows a pressed look and can make its caption blink.
#pragma once

#include <cstdint>
#include <string>

#include "components/widgets/BiDiMode.h"
#include "framework/Controls.h"

class TbButton;

// The picture as a stored layout gives it: "ImageBitmap.Data" holds, in
// hexadecimal digits, the length of a bitmap file in four bytes (least
// significant first) and then the file itself.
class TButtonImageData : public TPersistent {
 public:
  explicit TButtonImageData(TbButton& button) : FButton(button) {}
  TbButton& Button() { return FButton; }

  const PropertyTable& Published() const override;
  static const PropertyTable& PublishedTable();

 private:
  TbButton& FButton;
};

class TbButton : public TCustomControl {
 public:
  explicit TbButton(TComponent* owner);
  ~TbButton() override;

  const std::string& Style() const { return FStyle; }
  void SetStyle(const std::string& style);
  const std::string& ImageMode() const { return FImageMode; }
  void SetImageMode(const std::string& imageMode);
  TBitmap& ImageBitmap() { return FImageBitmap; }
  void SetImageBitmap(const TBitmap& bitmap);
  TButtonImageData& ImageBitmapData() { return FImageBitmapData; }
  uint32_t Clignotement() const { return FClignotement; }
  void SetClignotement(uint32_t halfPeriodMs);
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode mode) { FBiDiMode = mode; }

  // Paints the whole button at once on the given canvas; Paint draws on the
  // button's own canvas.
  void PaintOn(TCanvas& canvas);
  void DrawHoverFrame();
  void BlinkTick();

  void SetOnMouseDown(TMouseEvent handler) { OnMouseDown = std::move(handler); }
  void SetOnMouseUp(TMouseEvent handler) { OnMouseUp = std::move(handler); }
  void SetOnResize(TNotifyEvent handler) { OnResize = std::move(handler); }

  void SetBounds(int left, int top, int width, int height) override;
  // What a click with the mouse does; the window's keyboard shortcuts call it.
  void Click() override;

  PUBLISHED_PROPERTIES;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& message) override;
  void Paint() override;
  void MouseEnter() override;
  void MouseLeave() override;
  void CaptionChanged() override;
  void ColorChanged() override;
  void EnabledChanged() override;
  void FontChanged() override;

 private:
  void ButtonPressed(TMouseButton button, TShiftState shift, int x, int y);
  void ButtonReleased(TMouseButton button, TShiftState shift, int x, int y);
  // Paints now on the window's device context, not through an invalidation.
  void PaintNow();
  void PaintOnWindow(void (TbButton::*paint)(TCanvas&));
  void DrawHoverFrameOn(TCanvas& canvas);
  void DrawCaption(TCanvas& canvas, POINT origin);
  void SetTimerPeriod(unsigned periodMs);
  void SetCursorShape(LPCSTR shape);

  std::string FStyle;
  std::string FImageMode = "Center";
  TBitmap FImageBitmap;
  TButtonImageData FImageBitmapData{*this};
  uint32_t FClignotement = 0;
  TBiDiMode FBiDiMode = bdLeftToRight;
  bool FPressed = false;
  bool FHover = false;
  bool FCaptionVisible = true;
  bool FPainting = false;
  TColor FSavedFontColor = clBtnText;
  unsigned FTimerPeriod = 1000;
  LPCSTR FCursorShape = IDC_ARROW;
};
