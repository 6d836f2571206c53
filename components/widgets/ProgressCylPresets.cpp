// The named looks of the cylinder progress bar. A look sets the shading
// strength, the caption effect, the colours and both colour styles in one
// operation; the control is hidden meanwhile and the setters are told not to
// record the changes as the user's, so ProEffect keeps the look's name.
#include <algorithm>
#include <iterator>
#include <optional>

#include "components/widgets/ProgressCyl2.h"

namespace {

struct StyleSet {
  int32_t IntensityRGB;
  float Intensity, IntensityFactor;
  int32_t RangeRGB, ColorRGB;
  float ColorFactor, LightAngle;
};

constexpr StyleSet Standard{255, 4.0f, -1.0f, 255, 255, -1.0f, -3.0f};
constexpr StyleSet Glass{255, 4.0f, -1.0f, 255, 255, 1.0f, -3.0f};
constexpr StyleSet GlassSoft{255, 3.0f, -0.8f, 255, 200, 1.0f, -3.0f};
constexpr StyleSet Sunken{255, 2.0f, -1.0f, 153, 0, 1.0f, -3.0f};
constexpr StyleSet SunkenWide{255, 4.0f, -1.5f, 153, 0, 1.0f, -3.0f};
constexpr StyleSet SunkenFar{255, 4.0f, -1.5f, 153, 0, 1.0f, -3.2f};
constexpr StyleSet Metal{-100, 4.0f, -1.7f, -100, -100, -1.0f, -1.5f};
constexpr StyleSet MetalDemo{-100, 4.0f, -1.7f, -100, -100, -1.0f, -1.6f};
constexpr StyleSet MetalLight{-50, 8.0f, -1.5f, -150, -80, -1.0f, -1.5f};
constexpr StyleSet MetalNarrow{-100, 4.0f, -1.5f, -80, -100, -1.0f, -1.5f};
constexpr StyleSet MetalSteep{-100, 4.0f, -1.5f, -80, -100, -1.5f, -1.5f};
constexpr StyleSet SoftHighlight{200, 4.0f, -0.5f, 200, 200, -1.2f, -3.0f};

void ApplyStyleSet(TPCColorStyle& style, const StyleSet& set) {
  style.SetIntensityRGB(set.IntensityRGB);
  style.SetIntensity(set.Intensity);
  style.SetIntensityFactor(set.IntensityFactor);
  style.SetRangeRGB(set.RangeRGB);
  style.SetColorRGB(set.ColorRGB);
  style.SetColorFactor(set.ColorFactor);
  style.SetLightAngle(set.LightAngle);
}

// The frame and caption switch that only the demo looks set.
struct DemoFrame {
  TBevelCut BevelOuter, BevelInner;
  int BorderWidth;
  bool ShowText;
};

struct Look {
  TProEffect Effect;
  TCylinderEffect Cylinder;
  TFontEffect FontEffect;
  TColor ForeColor, BackColor, ForeLineColor;
  std::optional<TColor> FontShadowColor;  // left as it was when absent
  const StyleSet& BackStyle;
  const StyleSet& ForeStyle;
  std::optional<DemoFrame> Frame;
};

constexpr TColor LightBlue = RGBColor(127, 212, 255);
constexpr TColor StrongRed = RGBColor(204, 0, 0);
constexpr TColor DeepBlue = RGBColor(0, 107, 215);
constexpr auto Maximum = ceMaximum;
constexpr auto Shadow = feShadowBottomRight;
constexpr std::nullopt_t keep = std::nullopt;

const Look Looks[] = {
    {demoSystem, Maximum, Shadow, clBtnFace, clWhite, clHighlight, clBtnFace, Standard, Standard,
     DemoFrame{bvLowered, bvRaised, 2, true}},
    {demoMetal, Maximum, Shadow, LightBlue, clWhite, clBlack, clWhite, MetalDemo, MetalDemo,
     DemoFrame{bvNone, bvLowered, 2, false}},
    {demoSunken, Maximum, feInvert, clWhite, clMaroon, clRed, clBlack, Sunken, Standard,
     DemoFrame{bvNone, bvRaised, 2, true}},
    {peGlassRed, Maximum, feNone, StrongRed, clGray, clWhite, keep, Glass, GlassSoft, keep},
    {peGlassOrange, Maximum, feNone, RGBColor(255, 128, 0), clSilver, clMaroon, keep, Glass, Glass, keep},
    {peGlassYellow, Maximum, feNone, RGBColor(206, 206, 0), clSilver, clBlack, keep, Glass, GlassSoft, keep},
    {peGlassGreen, Maximum, feNone, clGreen, clGray, clWhite, keep, Glass, Glass, keep},
    {peGlassCyan, Maximum, feNone, clTeal, clSilver, clYellow, keep, Glass, Glass, keep},
    {peGlassBlue, Maximum, feNone, DeepBlue, clGray, clWhite, keep, Glass, GlassSoft, keep},
    {peGlassViolet, Maximum, feNone, RGBColor(102, 102, 179), clSilver, clBlack, keep, Glass, Glass, keep},
    {peGlassPurple, Maximum, feNone, clPurple, clGray, clWhite, keep, Glass, Glass, keep},
    {peSystem1, Maximum, Shadow, clBtnFace, clWindow, clHighlight, clBtnFace, Standard, Standard, keep},
    {peSystem2, Maximum, Shadow, clBtnFace, clWindow, clHighlight, clBtnFace, Metal, MetalLight, keep},
    {peSystem3, Maximum, Shadow, clBtnShadow, clBtnFace, clWindow, clBtnFace, Standard, Standard, keep},
    {peSystem4, Maximum, Shadow, clBtnShadow, clBtnFace, clWindow, clBtnFace, Metal, Metal, keep},
    {peSystem5, Maximum, feInvert, clWindow, clHighlight, clHighlight, keep, Sunken, Standard, keep},
    {peSystem6, Maximum, feInvert, clWindow, clHighlight, clHighlight, keep, SunkenWide, Metal, keep},
    {peSystem7, Maximum, feInvert, clHighlight, clBtnShadow, clWindow, keep, Sunken, SoftHighlight, keep},
    {peSystem8, Maximum, feInvert, clHighlight, clBtnShadow, clBtnFace, keep, SunkenFar, MetalNarrow, keep},
    {peUpLoad1, ceHigh, feInvert, RGBColor(185, 0, 0), clWindow, clBlack, keep, Standard, Sunken, keep},
    {peUpLoad2, ceHigh, feInvert, clBtnShadow, clBtnFace, clBlack, keep, MetalSteep, SunkenFar, keep},
    {peMetalRed, Maximum, Shadow, clRed, clWhite, clBlack, clBtnFace, Metal, Metal, keep},
    {peMetalOrange, Maximum, Shadow, RGBColor(255, 150, 0), clWhite, clBlack, clBtnFace, Metal, Metal, keep},
    {peMetalYellow, Maximum, Shadow, clYellow, clWhite, clBlack, clBtnFace, Metal, Metal, keep},
    {peMetalCyan, Maximum, Shadow, clAqua, clWhite, clBlack, clBtnFace, Metal, Metal, keep},
    {peMetalGreen, Maximum, Shadow, RGBColor(0, 255, 64), clWhite, clBlack, clBtnFace, Metal, Metal, keep},
    {peMetalLightBlue, Maximum, Shadow, LightBlue, clWhite, clBlack, clBtnFace, Metal, Metal, keep},
    {peMetalBlue, Maximum, Shadow, RGBColor(0, 155, 230), clWhite, clBlack, clBtnFace, Metal, Metal, keep},
    {peMetalViolet, Maximum, Shadow, RGBColor(155, 155, 206), clWhite, clBlack, clBtnFace, Metal, Metal, keep},
    {peMetalDarkGray, Maximum, Shadow, RGBColor(137, 139, 152), clWhite, clBlack, clBtnFace, Metal, Metal, keep},
    {peMetalGold, Maximum, Shadow, RGBColor(255, 204, 129), clWhite, clBlack, clBtnFace, Metal, Metal, keep},
    {peStdRed, Maximum, feInvert, StrongRed, RGBColor(102, 0, 0), clWhite, keep, Sunken, Standard, keep},
    {peStdYellow, Maximum, feInvert, clYellow, RGBColor(153, 153, 0), clWhite, keep, Sunken, Standard, keep},
    {peStdGreen, Maximum, feInvert, RGBColor(0, 255, 51), RGBColor(0, 128, 64), clWhite, keep, Sunken, Standard, keep},
    {peStdBlue, Maximum, feInvert, DeepBlue, RGBColor(29, 48, 99), clWhite, keep, Sunken, Standard, keep},
};

const Look& LookOf(TProEffect effect) {
  return *std::find_if(std::begin(Looks), std::end(Looks),
                       [effect](const Look& look) { return look.Effect == effect; });
}

}  // namespace

// The value is not compared with the old one: assigning the current look
// applies it again.
void TProgressCyl::SetProEffect(TProEffect effect) {
  FProEffect = effect;
  if (effect == peCustom) {
    FUpdating = false;
    return;
  }
  ApplyLook(effect);
}

void TProgressCyl::ApplyLook(TProEffect effect) {
  const Look& look = LookOf(effect);
  FUpdating = true;
  // Hidden while the look is applied, so that its many setters do not each
  // paint; shown at the end even if it was hidden before, as the classic
  // control does.
  SetVisible(false);
  SetCylinderEffect(look.Cylinder);
  if (look.Frame) {
    SetBevelOuter(look.Frame->BevelOuter);
    SetBevelInner(look.Frame->BevelInner);
    SetBorderWidth(look.Frame->BorderWidth);
    SetShowText(look.Frame->ShowText);
  }
  Font().SetColor(clBlack);
  if (look.FontShadowColor) SetFontShadowColor(*look.FontShadowColor);
  SetFontEffect(look.FontEffect);
  SetForeColor(look.ForeColor);
  SetBackColor(look.BackColor);
  SetForeLineColor(look.ForeLineColor);
  SetBackBorderColor(clBlack);
  SetColor(clBtnFace);
  SetBevelColor(clBtnFace);
  ApplyStyleSet(*FBackStyle, look.BackStyle);
  ApplyStyleSet(*FForeStyle, look.ForeStyle);
  SetVisible(true);
  FUpdating = false;
}
