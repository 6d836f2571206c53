#include "components/widgets/ProgressCyl2.h"

#include <algorithm>

#include "components/widgets/RoundHalfEven.h"

namespace {

uint8_t ShadeLevelOf(TCylinderEffect effect) {
  static constexpr uint8_t levels[] = {1, 51, 102, 153, 204, 255};
  return levels[effect];
}

// The weight of each channel of a colour; a channel of 255 gives 1.0 with the
// default style, a channel of 0 a quarter.
TColorFactors FactorsOf(TColor color, const TPCColorStyle& style) {
  const COLORREF rgb = ColorToRGB(color);
  const uint8_t channels[] = {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
  TColorFactors factors{};
  for (size_t i = 0; i < factors.size(); ++i) {
    const long double v = channels[i];
    factors[i] = static_cast<float>((v + (v * style.IntensityFactor() + style.IntensityRGB()) / style.Intensity()) /
                                    style.RangeRGB());
  }
  return factors;
}

TColor Brighter(COLORREF rgb, int delta) {
  auto channel = [delta](int value) { return static_cast<uint8_t>(std::clamp(value + delta, 0, 255)); };
  return RGBColor(channel(GetRValue(rgb)), channel(GetGValue(rgb)), channel(GetBValue(rgb)));
}

}  // namespace

TProgressCyl::TProgressCyl(TComponent* owner) : TGraphicControl(owner) {
  FReady = false;
  FUpdating = true;
  Opaque = true;
  SetWidth(150);
  SetHeight(22);
  FBuffer = std::make_unique<TBitmap>();
  Font().SetName("Arial");
  Font().SetSize(9);
  Font().SetStyle({fsBold});
  Font().SetColor(clBlack);
  SetText("%");
  SetTextDone("Done");
  SetFontEffect(feShadowBottomRight);
  SetFontShadowColor(clBtnFace);
  SetFontOrientation(foLeftToRight);
  SetShowText(true);
  SetOrientation(pbHorizontal);
  SetMin(0);
  SetMax(100);
  SetStep(1);
  SetStopAtMax(true);
  FForeStyle = std::make_unique<TPCColorStyle>(this);
  FBackStyle = std::make_unique<TPCColorStyle>(this);
  SetForeStyle(*FForeStyle);
  SetBackStyle(*FBackStyle);
  SetBevelOuter(bvLowered);
  SetBorderWidth(2);
  SetBevelWidth(1);
  SetBevelInner(bvRaised);
  SetBackColor(clBtnFace);
  SetBackBorderColor(clBlack);
  SetForeLineColor(clHighlight);
  SetForeColor(clWhite);
  SetColor(clBtnFace);
  SetBevelColor(clBtnFace);
  SetCylinderEffect(ceMaximum);
  FLastExtent = 0;
  SetPosition(0);
  FReady = true;
  FUpdating = false;
}

// A control being destroyed paints nothing more.
TProgressCyl::~TProgressCyl() {
  FReady = false;
  SetShowText(false);
}

// ---- colours

void TProgressCyl::ApplyProEffectRule() {
  if (!FUpdating) FProEffect = peCustom;
}

void TProgressCyl::LookChanged() {
  ApplyProEffectRule();
  Repaint();
}

// The colour setters do not compare with the old value: the factors follow
// the styles, which may have changed since, and RecalcColors relies on that.
void TProgressCyl::SetPartColor(TColor& field, TColorFactors& factors, TColor color, const TPCColorStyle& style) {
  StorePartColor(field, factors, color, style);
  LookChanged();
}

void TProgressCyl::StorePartColor(TColor& field, TColorFactors& factors, TColor color, const TPCColorStyle& style) {
  field = color;
  factors = FactorsOf(color, style);
}

void TProgressCyl::SetForeColor(TColor color) { SetPartColor(FForeColor, FForeFactors, color, *FForeStyle); }

void TProgressCyl::SetForeLineColor(TColor color) { SetPartColor(FForeLineColor, FLineFactors, color, *FForeStyle); }

void TProgressCyl::SetBackColor(TColor color) { SetPartColor(FBackColor, FBackFactors, color, *FBackStyle); }

void TProgressCyl::SetBackBorderColor(TColor color) {
  if (AssignIfChanged(FBackBorderColor, color)) LookChanged();
}

void TProgressCyl::SetFontShadowColor(TColor color) {
  if (AssignIfChanged(FFontShadowColor, color)) LookChanged();
}

// clBtnFace keeps the system's own bevel colours so that they follow a change
// of the system colours; any other colour is lightened and darkened.
void TProgressCyl::SetBevelColor(TColor color) {
  StoreBevelColor(color);
  ApplyProEffectRule();
  Repaint();
}

void TProgressCyl::StoreBevelColor(TColor color) {
  FBevelColor = color;
  if (color == clBtnFace) {
    FBevelHighlight = clBtnHighlight;
    FBevelShadow = clBtnShadow;
    FBevelLight = cl3DLight;
    FBevelDkShadow = cl3DDkShadow;
  } else {
    const COLORREF rgb = ColorToRGB(color);
    FBevelHighlight = FBevelLight = Brighter(rgb, 64);
    FBevelShadow = FBevelDkShadow = Brighter(rgb, -64);
  }
  AssignBevelColors();
}

void TProgressCyl::AssignBevelColors() {
  switch (FBevelInner) {
    case bvSpace: FInnerTopLeft = FInnerBottomRight = Color(); break;
    case bvLowered:
      if (FBevelOuter == bvLowered && FBorderWidth == 0) {
        FInnerTopLeft = FBevelDkShadow;
        FInnerBottomRight = FBevelLight;
      } else {
        FInnerTopLeft = FBevelShadow;
        FInnerBottomRight = FBevelHighlight;
      }
      break;
    case bvRaised:
      FInnerTopLeft = FBevelOuter == bvRaised && FBorderWidth == 0 ? FBevelLight : FBevelHighlight;
      FInnerBottomRight = FBevelShadow;
      break;
    case bvNone: break;
  }
  switch (FBevelOuter) {
    case bvSpace: FOuterTopLeft = FOuterBottomRight = Color(); break;
    case bvLowered:
      FOuterTopLeft = FBevelShadow;
      FOuterBottomRight = FBevelHighlight;
      break;
    case bvRaised:
      FOuterTopLeft = FBevelHighlight;
      FOuterBottomRight = FBevelInner == bvRaised && FBorderWidth == 0 ? FBevelDkShadow : FBevelShadow;
      break;
    case bvNone: break;
  }
  UpdateGeometry();
}

// Storing the colours again resolves system colours anew and recomputes
// every factor with the current styles; the bar is then painted once.
void TProgressCyl::RecalcColors() {
  StorePartColor(FForeColor, FForeFactors, FForeColor, *FForeStyle);
  StorePartColor(FForeLineColor, FLineFactors, FForeLineColor, *FForeStyle);
  StorePartColor(FBackColor, FBackFactors, FBackColor, *FBackStyle);
  StoreBevelColor(FBevelColor);
  LookChanged();
}

void TProgressCyl::StyleChanged() {
  ApplyProEffectRule();
  RecalcColors();
}

// ---- frame and geometry

void TProgressCyl::StoreRectangles() {
  FBevelInset = FBorderWidth + FBevelWidth;
  FInnerInset = FBorderWidth + 2 * FBevelWidth;
  FOuterRect = {0, 0, Width(), Height()};
  FBevelRect = {FBevelInset, FBevelInset, Width() - FBevelInset, Height() - FBevelInset};
  FBarRect = {FInnerInset, FInnerInset, Width() - FInnerInset, Height() - FInnerInset};
}

bool TProgressCyl::CheckGeometry() {
  StoreRectangles();
  return Width() >= 1 && Height() >= 1 && Width() - 2 * FBevelInset >= 1 && Height() - 2 * FBevelInset >= 1 &&
         FBarRect.right - FBarRect.left >= 1 && FBarRect.bottom - FBarRect.top >= 1;
}

bool TProgressCyl::UpdateGeometry() {
  StoreRectangles();
  const int innerWidth = FBarRect.right - FBarRect.left, innerHeight = FBarRect.bottom - FBarRect.top;
  // Integer division, as the classic control had it: a bar area thicker than
  // the shade level gets a step of 0 and is flat. Kept so the looks match.
  if (innerWidth > 0 && innerHeight > 0) {
    FRowStep = static_cast<float>(FShadeLevel / innerHeight);
    FColStep = static_cast<float>(FShadeLevel / innerWidth);
  }
  return MovePosition(FPosition);
}

// A bevel or border that leaves no bar area is refused: the old value stays.
template <class V>
void TProgressCyl::ChangeFrame(V& field, V value) {
  const V old = field;
  if (!AssignIfChanged(field, value)) return;
  if (!CheckGeometry()) field = old;
  AssignBevelColors();
  Repaint();
}

void TProgressCyl::SetBevelInner(TBevelCut bevel) { ChangeFrame(FBevelInner, bevel); }

void TProgressCyl::SetBevelOuter(TBevelCut bevel) { ChangeFrame(FBevelOuter, bevel); }

void TProgressCyl::SetBevelWidth(int width) {
  if (width >= 1) ChangeFrame(FBevelWidth, width);
}

void TProgressCyl::SetBorderWidth(int width) {
  if (width >= 0) ChangeFrame(FBorderWidth, width);
}

void TProgressCyl::SetCylinderEffect(TCylinderEffect effect) {
  if (!AssignIfChanged(FCylinderEffect, effect)) return;
  FShadeLevel = ShadeLevelOf(effect);
  ApplyProEffectRule();
  UpdateGeometry();
  Repaint();
}

void TProgressCyl::SetOrientation(TProgressBarOrientation orientation) {
  if (!AssignIfChanged(FOrientation, orientation)) return;
  FFontOrientation = orientation == pbHorizontal ? foLeftToRight : foBottomToTop;
  UpdateGeometry();
  Repaint();
}

// ---- range and position

void TProgressCyl::SetMin(int32_t min) {
  if (min == FMin) return;
  if (min == FMax) --min;
  if (min < FMax) {
    FMin = min;
    FRangeInv = static_cast<float>(1.0L / (static_cast<int64_t>(FMax) - FMin));
    if (FPosition < FMin) FPosition = FMin;
  }
  if (UpdateGeometry()) Repaint();
}

void TProgressCyl::SetMax(int32_t max) {
  if (max == FMax) return;
  if (max == FMin) ++max;
  if (max > FMin) {
    FMax = max;
    FRangeInv = static_cast<float>(1.0L / (static_cast<int64_t>(FMax) - FMin));
    if (FPosition > FMax) FPosition = FMax;
  }
  if (UpdateGeometry()) Repaint();
}

// The products of the control's size and the relative position are taken in
// 64 bits: in 32 bits they overflow for ranges above about ten million.
void TProgressCyl::ComputeExtent(int64_t relative) {
  const int length = FOrientation == pbHorizontal ? Width() : Height();
  const int whole = RoundHalfEven(static_cast<long double>(length * relative) * FRangeInv);
  const int insets = RoundHalfEven(static_cast<long double>(FInnerInset * relative) * FRangeInv * 2);
  FExtent = whole + 2 * FInnerInset - insets;
  if (FOrientation == pbHorizontal)
    FFillEdge = std::max(FExtent - FInnerInset, FInnerInset + 1);
  else
    FFillEdge = (Height() - FInnerInset) - (FExtent - 2 * FInnerInset);
}

void TProgressCyl::SetPosition(int32_t position) {
  if (MovePosition(position)) Repaint();
}

bool TProgressCyl::MovePosition(int32_t position) {
  FPosition = std::clamp(position, FMin, FMax);
  const int64_t relative = static_cast<int64_t>(FPosition) - FMin;
  FPercent = RoundHalfEven(static_cast<long double>(relative) / (static_cast<int64_t>(FMax) - FMin) * 100);
  ComputeExtent(relative);
  if (FExtent == FLastExtent && FPercent == FLastPercent) return false;
  FLastExtent = FExtent;
  FLastPercent = FPercent;
  if (FPosition == FMax) Raise(OnProgressDone, this);
  return true;
}

// ---- caption

void TProgressCyl::UpdateTextEffect(bool wasShowing, bool hadMask) {
  if (wasShowing) {
    if (hadMask) FTextMask.reset();
    if (FShowText) UpdateTextEffect(false, false);
  } else if (FShowText) {
    if (FFontEffect == feInvert) {
      FTextMask = std::make_unique<TBitmap>();
      FTextMask->SetSize(FBuffer->Width(), FBuffer->Height());
    } else {
      FShadowOffset = FFontEffect == feShadowTopLeft ? -1 : FFontEffect == feShadowBottomRight ? 1 : 0;
    }
  }
}

void TProgressCyl::SetShowText(bool show) {
  if (show == FShowText) return;
  const bool wasShowing = FShowText;
  FShowText = show;
  UpdateTextEffect(wasShowing, FFontEffect == feInvert);
  Repaint();
}

void TProgressCyl::SetFontEffect(TFontEffect effect) {
  if (effect == FFontEffect) return;
  const bool hadMask = FFontEffect == feInvert;
  FFontEffect = effect;
  ApplyProEffectRule();
  UpdateTextEffect(FShowText, hadMask);
  Repaint();
}

void TProgressCyl::SetFontOrientation(TFontOrientation orientation) {
  if (!AssignIfChanged(FFontOrientation, orientation)) return;
  UpdateTextEffect(FShowText, FFontEffect == feInvert);
  Repaint();
}

void TProgressCyl::SetText(const std::string& text) {
  if (AssignIfChanged(FText, text)) Repaint();
}

void TProgressCyl::SetTextDone(const std::string& text) {
  if (AssignIfChanged(FTextDone, text)) Repaint();
}

std::string TProgressCyl::CaptionText() const {
  if (!FTextDone.empty() && FPercent == 100) return FTextDone;
  return std::to_string(FPercent) + FText;
}

// ---- notifications

void TProgressCyl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: return;  // every pixel is painted: erasing would only flicker
    case CM_SYSCOLORCHANGE: RecalcColors(); return;
    default: TGraphicControl::WndProc(message);
  }
}

// Paint alone would only fill the buffer: a graphic control reaches the
// screen through the parent's device context, which Repaint provides.
void TProgressCyl::MouseEnter() {
  Raise(OnMouseEnter, this);
  Repaint();
}

void TProgressCyl::MouseLeave() {
  Raise(OnMouseLeave, this);
  Repaint();
}

// The control's own size handling re-lays out the bar; OnResize is not raised.
void TProgressCyl::Resize() {
  if (!FReady || !CheckGeometry()) return;
  FBuffer->SetHeight(Height());
  FBuffer->SetWidth(Width());
  if (FShowText && FFontEffect == feInvert) FTextMask->SetSize(FBuffer->Width(), FBuffer->Height());
  UpdateGeometry();
  Repaint();
}

void TProgressCyl::ScaleChanged(TDpi from) {
  ChangeFrame(FBorderWidth, Dpi().Rescale(FBorderWidth, from));
  ChangeFrame(FBevelWidth, Dpi().Rescale(FBevelWidth, from));
}

// ---- published properties

const PropertyTable& TProgressCyl::PublishedTable() {
  static const PropertyTable table(
      &TGraphicControl::PublishedTable(),
      {{"BackBorderColor", Set(&TProgressCyl::SetBackBorderColor)},
       {"BackColor", Set(&TProgressCyl::SetBackColor)},
       {"BevelColor", Set(&TProgressCyl::SetBevelColor)},
       {"BevelInner", Set(&TProgressCyl::SetBevelInner)},
       {"BevelOuter", Set(&TProgressCyl::SetBevelOuter)},
       {"BevelWidth", Set(&TProgressCyl::SetBevelWidth)},
       {"BorderWidth", Set(&TProgressCyl::SetBorderWidth)},
       {"CylinderEffect", Set(&TProgressCyl::SetCylinderEffect)},
       {"FontEffect", Set(&TProgressCyl::SetFontEffect)},
       {"FontOrientation", Set(&TProgressCyl::SetFontOrientation)},
       {"FontShadowColor", Set(&TProgressCyl::SetFontShadowColor)},
       {"ForeColor", Set(&TProgressCyl::SetForeColor)},
       {"ForeLineColor", Set(&TProgressCyl::SetForeLineColor)},
       {"Max", Set(&TProgressCyl::SetMax)},
       {"Min", Set(&TProgressCyl::SetMin)},
       {"Orientation", Set(&TProgressCyl::SetOrientation)},
       {"Position", Set(&TProgressCyl::SetPosition)},
       {"ProEffect", Set(&TProgressCyl::SetProEffect)},
       {"ShowText", Set(&TProgressCyl::SetShowText)},
       {"Text", Set(&TProgressCyl::SetText)},
       {"TextDone", Set(&TProgressCyl::SetTextDone)},
       {"Step", Set(&TProgressCyl::SetStep)},
       {"StopAtMax", Set(&TProgressCyl::SetStopAtMax)},
       {"OnProgressDone", Event(&TProgressCyl::SetOnProgressDone)},
       {"OnMouseEnter", Event(&TProgressCyl::SetOnMouseEnter)},
       {"OnMouseLeave", Event(&TProgressCyl::SetOnMouseLeave)}},
      {{"BackStyle", Sub(&TProgressCyl::BackStyle)}, {"ForeStyle", Sub(&TProgressCyl::ForeStyle)}});
  return table;
}
