// The cylinder progress bar: a non-windowed control that shows progress as a
// lying or standing cylinder, the filled and the empty part each shaded across
// the bar's thickness, a boundary line between them, two bevels, a border and
// a percentage caption. Every drawn colour is derived from a base colour
// through one of the two colour styles; the derived state is recomputed by
// the setters, and painting (ProgressCylPaint.cpp) only reads it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "components/widgets/PCColorStyle.h"
#include "components/widgets/ProEffect.h"
#include "components/widgets/ProgressTypes.h"
#include "framework/Controls.h"
#include "framework/GdiHandles.h"

enum TCylinderEffect : uint8_t { ceFlat, ceUltraLow, ceLow, ceMedium, ceHigh, ceMaximum };
enum TFontEffect : uint8_t { feNone, feInvert, feShadowTopLeft, feShadowBottomRight };
enum TFontOrientation : uint8_t { foLeftToRight, foTopToBottom, foBottomToTop };

template <>
struct EnumNames<TCylinderEffect> {
  static constexpr auto names() {
    return std::array{"ceFlat", "ceUltraLow", "ceLow", "ceMedium", "ceHigh", "ceMaximum"};
  }
};

template <>
struct EnumNames<TFontEffect> {
  static constexpr auto names() { return std::array{"feNone", "feInvert", "feShadowTopLeft", "feShadowBottomRight"}; }
};

template <>
struct EnumNames<TFontOrientation> {
  static constexpr auto names() { return std::array{"foLeftToRight", "foTopToBottom", "foBottomToTop"}; }
};

using TOnProgressDoneEvent = TNotifyEvent;
using TOnMouseEnterEvent = TNotifyEvent;
using TOnMouseLeaveEvent = TNotifyEvent;

// Red, green and blue weights that multiply the shading level of one colour.
using TColorFactors = std::array<float, 3>;

class TProgressCyl : public TGraphicControl {
 public:
  explicit TProgressCyl(TComponent* owner);
  ~TProgressCyl() override;

  TColor BackBorderColor() const { return FBackBorderColor; }
  void SetBackBorderColor(TColor color);
  TColor BackColor() const { return FBackColor; }
  void SetBackColor(TColor color);
  TPCColorStyle& BackStyle() { return *FBackStyle; }
  void SetBackStyle(const TPCColorStyle& style) { FBackStyle->Assign(style); }
  TColor BevelColor() const { return FBevelColor; }
  void SetBevelColor(TColor color);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut bevel);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut bevel);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int width);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int width);
  TCylinderEffect CylinderEffect() const { return FCylinderEffect; }
  void SetCylinderEffect(TCylinderEffect effect);
  TFontEffect FontEffect() const { return FFontEffect; }
  void SetFontEffect(TFontEffect effect);
  TFontOrientation FontOrientation() const { return FFontOrientation; }
  void SetFontOrientation(TFontOrientation orientation);
  TColor FontShadowColor() const { return FFontShadowColor; }
  void SetFontShadowColor(TColor color);
  TColor ForeColor() const { return FForeColor; }
  void SetForeColor(TColor color);
  TColor ForeLineColor() const { return FForeLineColor; }
  void SetForeLineColor(TColor color);
  TPCColorStyle& ForeStyle() { return *FForeStyle; }
  void SetForeStyle(const TPCColorStyle& style) { FForeStyle->Assign(style); }
  int32_t Max() const { return FMax; }
  void SetMax(int32_t max);
  int32_t Min() const { return FMin; }
  void SetMin(int32_t min);
  TProgressBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TProgressBarOrientation orientation);
  int32_t Position() const { return FPosition; }
  void SetPosition(int32_t position);
  TProEffect ProEffect() const { return FProEffect; }
  void SetProEffect(TProEffect effect);
  bool ShowText() const { return FShowText; }
  void SetShowText(bool show);
  const std::string& Text() const { return FText; }
  void SetText(const std::string& text);
  const std::string& TextDone() const { return FTextDone; }
  void SetTextDone(const std::string& text);
  // Step and StopAtMax are stored and published for the layouts that set
  // them; as in the classic control, no operation reads them.
  int32_t Step() const { return FStep; }
  void SetStep(int32_t step) { FStep = step; }
  bool StopAtMax() const { return FStopAtMax; }
  void SetStopAtMax(bool stop) { FStopAtMax = stop; }

  TOnProgressDoneEvent OnProgressDone;
  TOnMouseEnterEvent OnMouseEnter;
  TOnMouseLeaveEvent OnMouseLeave;
  void SetOnProgressDone(TOnProgressDoneEvent handler) { OnProgressDone = std::move(handler); }
  void SetOnMouseEnter(TOnMouseEnterEvent handler) { OnMouseEnter = std::move(handler); }
  void SetOnMouseLeave(TOnMouseLeaveEvent handler) { OnMouseLeave = std::move(handler); }

  // The caption as painted: the done text at 100 %, else the percentage
  // followed by Text.
  std::string CaptionText() const;

  PUBLISHED_PROPERTIES;

 protected:
  void Paint() override;
  void Resize() override;
  // The border and the bevels keep their share of the bar.
  void ScaleChanged(TDpi from) override;
  void WndProc(TMessage& message) override;
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  friend class TPCColorStyle;

  // A look's values; applied by SetProEffect (ProgressCylPresets.cpp).
  void ApplyLook(TProEffect effect);
  // A style value changed: the derived colours follow it.
  void StyleChanged();
  void ApplyProEffectRule();
  // A colour or caption effect changed: the ProEffect rule, then a repaint.
  void LookChanged();
  void SetPartColor(TColor& field, TColorFactors& factors, TColor color, const TPCColorStyle& style);
  // The stores change the state a paint reads and paint nothing.
  void StorePartColor(TColor& field, TColorFactors& factors, TColor color, const TPCColorStyle& style);
  void StoreBevelColor(TColor color);
  void RecalcColors();
  void AssignBevelColors();
  bool CheckGeometry();
  // True when the position's painted extent or percentage moved.
  bool UpdateGeometry();
  bool MovePosition(int32_t position);
  void StoreRectangles();
  void ComputeExtent(int64_t relative);
  void UpdateTextEffect(bool wasShowing, bool hadMask);
  template <class V>
  void ChangeFrame(V& field, V value);

  void PaintHorizontal();
  void PaintVertical();
  void PaintFrames();
  void DrawFrame3D(RECT rect, TColor topColor, TColor bottomColor, int width);
  void DrawCaption();
  void DrawInvertedCaption();
  struct CaptionPass {
    COLORREF Color;
    int Offset;
  };
  // Writes the caption once per pass, in the pass's colour and offset.
  void DrawCaptionOn(TBitmap& target, const std::vector<CaptionPass>& passes);
  // The control's font turned by the caption's angle.
  HFONT RotatedFont(int angle);

  bool FUpdating = false;
  bool FReady = false;

  TColor FBackBorderColor = clBlack;
  TColor FBackColor = clBlack;
  TColor FBevelColor = clBlack;
  TBevelCut FBevelInner = bvNone;
  TBevelCut FBevelOuter = bvNone;
  int FBevelWidth = 0;
  int FBorderWidth = 0;
  TCylinderEffect FCylinderEffect = ceFlat;
  TFontEffect FFontEffect = feNone;
  TFontOrientation FFontOrientation = foLeftToRight;
  TColor FFontShadowColor = clBlack;
  TColor FForeColor = clBlack;
  TColor FForeLineColor = clBlack;
  int32_t FMax = 0;
  int32_t FMin = 0;
  TProgressBarOrientation FOrientation = pbHorizontal;
  int32_t FPosition = 0;
  TProEffect FProEffect = demoSystem;
  bool FShowText = false;
  std::string FText;
  std::string FTextDone;
  int32_t FStep = 0;
  bool FStopAtMax = false;
  std::unique_ptr<TPCColorStyle> FForeStyle;
  std::unique_ptr<TPCColorStyle> FBackStyle;

  uint8_t FShadeLevel = 0;
  int FShadowOffset = 0;
  TColorFactors FForeFactors{};
  TColorFactors FLineFactors{};
  TColorFactors FBackFactors{};
  TColor FBevelHighlight = clBlack, FBevelShadow = clBlack, FBevelLight = clBlack, FBevelDkShadow = clBlack;
  TColor FInnerTopLeft = clBlack, FInnerBottomRight = clBlack, FOuterTopLeft = clBlack, FOuterBottomRight = clBlack;
  int FBevelInset = 0;
  int FInnerInset = 0;
  RECT FOuterRect{}, FBevelRect{}, FBarRect{};
  float FRowStep = 0;
  float FColStep = 0;
  float FRangeInv = 0;
  int FFillEdge = 0;
  int FExtent = 0, FPercent = 0;
  int FLastExtent = 0, FLastPercent = 0;
  std::unique_ptr<TBitmap> FBuffer;
  std::unique_ptr<TBitmap> FTextMask;
  TGdiObject FRotatedFont;
  LOGFONTW FRotatedLook{};
};
