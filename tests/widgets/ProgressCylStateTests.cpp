// The progress bar's state: range and position arithmetic, the done event,
// derived colours, frame geometry and caption effect as they show in the
// painted bar, and the rule that turns ProEffect into peCustom.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "ProgressCylFixture.h"
#include "framework/Forms.h"
#include "framework/Layout.h"

TEST(ProgressCylState, NewControlHasItsConstructedState) {
  TProgressCyl bar(nullptr);
  EXPECT_EQ(bar.Width(), 150);
  EXPECT_EQ(bar.Height(), 22);
  EXPECT_EQ(bar.Min(), 0);
  EXPECT_EQ(bar.Max(), 100);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(bar.CaptionText(), "0%");
  EXPECT_EQ(bar.ProEffect(), demoSystem);
  EXPECT_EQ(bar.Font().Name(), "Arial");
  EXPECT_EQ(bar.Font().Height(), -12);
  EXPECT_TRUE(bar.Font().Style().Contains(fsBold));
  EXPECT_EQ(PaintedLine(bar), 5) << "the bar area starts at column 4; the line is kept off its border";
}

TEST(ProgressCylState, RangeSettersRefuseAnEmptyOrInvertedRange) {
  struct Case {
    const char* what;
    std::function<void(TProgressCyl&)> change;
    int min, max;
  };
  const std::vector<Case> cases = {
      {"Max 0 with Min 0", [](TProgressCyl& b) { b.SetMax(0); }, 0, 1},
      {"Min equal to Max", [](TProgressCyl& b) { b.SetMin(100); }, 99, 100},
      {"Min above Max", [](TProgressCyl& b) { b.SetMin(200); }, 0, 100},
      {"Max below Min", [](TProgressCyl& b) { b.SetMax(-5); }, 0, 100},
      {"negative Min", [](TProgressCyl& b) { b.SetMin(-50); }, -50, 100},
      {"Max raised", [](TProgressCyl& b) { b.SetMax(1000); }, 0, 1000},
  };
  for (const Case& c : cases) {
    TProgressCyl bar(nullptr);
    c.change(bar);
    EXPECT_EQ(bar.Min(), c.min) << c.what;
    EXPECT_EQ(bar.Max(), c.max) << c.what;
    bar.SetPosition(c.max);
    EXPECT_EQ(PaintedLine(bar), 146) << c.what << ": full at Max over the range kept";
  }
}

TEST(ProgressCylState, PositionStaysWithinTheRange) {
  TProgressCyl bar(nullptr);
  bar.SetPosition(150);
  EXPECT_EQ(bar.Position(), 100);
  bar.SetPosition(-5);
  EXPECT_EQ(bar.Position(), 0);
  bar.SetPosition(60);
  bar.SetMax(40);
  EXPECT_EQ(bar.Position(), 40);
  bar.SetMin(-10);
  bar.SetPosition(-10);
  bar.SetMin(0);
  EXPECT_EQ(bar.Position(), 0);
}

TEST(ProgressCylState, PercentRoundsHalvesToEven) {
  struct Case {
    int max, position;
    const char* textDone;
    const char* caption;
  };
  const Case cases[] = {
      {100, 30, "Done", "30%"},   {100, 100, "Done", "Done"}, {1000, 996, "Done", "Done"},
      {1000, 994, "Done", "99%"}, {8, 3, "Done", "38%"},      {8, 1, "Done", "12%"},
      {8, 5, "Done", "62%"},      {100, 100, "", "100%"},     {3, 1, "Done", "33%"},
  };
  for (const Case& c : cases) {
    TProgressCyl bar(nullptr);
    bar.SetTextDone(c.textDone);
    bar.SetMax(c.max);
    bar.SetPosition(c.position);
    EXPECT_EQ(bar.CaptionText(), c.caption) << c.position << " of " << c.max;
  }
}

// At Max the line of a standing bar lies on the bar area's top border row,
// which covers it.
TEST(ProgressCylState, BoundaryLineRunsAcrossTheBarArea) {
  struct Case {
    TProgressBarOrientation orientation;
    int width, height, position, line;
  };
  const Case cases[] = {
      {pbHorizontal, 150, 22, 0, 5},    {pbHorizontal, 150, 22, 50, 75}, {pbHorizontal, 150, 22, 100, 146},
      {pbHorizontal, 693, 22, 30, 210}, {pbVertical, 22, 150, 0, 146},   {pbVertical, 22, 150, 100, -1},
      {pbVertical, 22, 150, 50, 75},
  };
  for (const Case& c : cases) {
    TProgressCyl bar(nullptr);
    bar.SetOrientation(c.orientation);
    bar.SetWidth(c.width);
    bar.SetHeight(c.height);
    bar.SetPosition(c.position);
    EXPECT_EQ(PaintedLine(bar), c.line) << c.orientation << " " << c.width << "x" << c.height << " at " << c.position;
  }
}

// Width × (Position − Min) exceeds 32 bits for these ranges; the bar must
// still be drawn as for the equivalent small range, line and caption alike.
TEST(ProgressCylState, LargeRangesKeepTheBoundaryInPlace) {
  struct Case {
    int min, max, position;
    int smallMax, smallPosition;
  };
  const Case cases[] = {
      {0, 100'000'000, 50'000'000, 100, 50},
      {0, INT_MAX, INT_MAX, 100, 100},
      {INT_MIN, INT_MAX, INT_MIN, 100, 0},
      {INT_MIN, INT_MAX, INT_MAX, 100, 100},
  };
  for (const Case& c : cases) {
    TProgressCyl large(nullptr), small(nullptr);
    large.SetMax(c.max);
    large.SetMin(c.min);
    large.SetPosition(c.position);
    small.SetMax(c.smallMax);
    small.SetPosition(c.smallPosition);
    EXPECT_TRUE(Differing(*Render(large), *Render(small)).empty()) << c.min << ".." << c.max << " at " << c.position;
  }
}

TEST(ProgressCylState, DoneEventFiresWhenPositionReachesMaxWithAChange) {
  TProgressCyl bar(nullptr);
  int done = 0;
  bar.OnProgressDone = [&](TObject* sender) {
    EXPECT_EQ(sender, &bar);
    ++done;
  };
  bar.SetMax(1000);
  bar.SetPosition(996);
  EXPECT_EQ(bar.CaptionText(), "Done");
  EXPECT_EQ(done, 0);
  bar.SetPosition(1000);
  EXPECT_EQ(done, 1);
  bar.SetPosition(1000);
  EXPECT_EQ(done, 1);
  bar.SetWidth(200);
  EXPECT_EQ(done, 2);
  bar.SetBorderWidth(1);  // at Max the extent is the whole length whatever the insets
  EXPECT_EQ(done, 2);
  bar.SetPosition(2000);
  EXPECT_EQ(done, 2);
}

namespace {

// The lit row 8 of the filled part, the boundary line and the empty part.
std::vector<Rgb> LitRow(TProgressCyl& bar) {
  bar.SetShowText(false);
  bar.SetPosition(50);
  auto image = Render(bar);
  return {PixelAt(*image, 20, 8), PixelAt(*image, 75, 8), PixelAt(*image, 120, 8)};
}

// The frame colours as painted on the middle row: the outer bevel's left and
// right column, then the inner bevel's.
std::vector<Rgb> FrameColours(TProgressCyl& bar) {
  auto image = Render(bar);
  const int y = bar.Height() / 2, inner = bar.BorderWidth() + bar.BevelWidth();
  return {PixelAt(*image, 0, y), PixelAt(*image, bar.Width() - 1, y), PixelAt(*image, inner, y),
          PixelAt(*image, bar.Width() - 1 - inner, y)};
}

Rgb SystemShade(TColor color) { return RgbOf(ColorToRGB(color)); }

}  // namespace

// On the lit row the shading level is 255, so each part shows Trunc(255 ×
// factor) of its colour's channels.
TEST(ProgressCylState, ColourFactorsFollowTheColourAndStyle) {
  struct Case {
    TColor color;
    Rgb lit;
  };
  const Case cases[] = {
      {clWhite, {255, 255, 255}},
      {clBlue, {63, 63, 255}},
      {RGBColor(128, 0, 255), {159, 63, 255}},
  };
  for (const Case& c : cases) {
    TProgressCyl bar(nullptr);
    bar.SetForeColor(c.color);
    bar.SetForeLineColor(c.color);
    bar.SetBackColor(c.color);
    EXPECT_EQ(LitRow(bar), (std::vector<Rgb>{c.lit, c.lit, c.lit})) << std::hex << c.color;
  }
  TProgressCyl bar(nullptr);
  bar.SetForeColor(clBlue);
  bar.SetForeLineColor(clBlue);
  bar.SetBackColor(clBlue);
  bar.ForeStyle().SetIntensity(2.0f);
  const Rgb half{127, 127, 255};
  EXPECT_EQ(LitRow(bar), (std::vector<Rgb>{half, half, {63, 63, 255}}));
}

TEST(ProgressCylState, BevelColourIsLightenedAndDarkened) {
  const Rgb lightened{255, 94, 192}, darkened{136, 0, 64};
  TProgressCyl bar(nullptr);
  bar.SetBevelColor(RGBColor(200, 30, 128));
  EXPECT_EQ(FrameColours(bar), (std::vector<Rgb>{darkened, lightened, lightened, darkened}));
  // clBtnFace keeps the system's four shades; the third and fourth show
  // where both bevels meet without a border.
  const Rgb highlight = SystemShade(clBtnHighlight), shadow = SystemShade(clBtnShadow);
  const Rgb light = SystemShade(cl3DLight), darkShadow = SystemShade(cl3DDkShadow);
  bar.SetBevelColor(clBtnFace);
  EXPECT_EQ(FrameColours(bar), (std::vector<Rgb>{shadow, highlight, highlight, shadow}));
  bar.SetBorderWidth(0);
  bar.SetBevelInner(bvLowered);
  EXPECT_EQ(FrameColours(bar), (std::vector<Rgb>{shadow, highlight, darkShadow, light}));
  bar.SetBevelOuter(bvRaised);
  bar.SetBevelInner(bvRaised);
  EXPECT_EQ(FrameColours(bar), (std::vector<Rgb>{highlight, darkShadow, light, shadow}));
}

TEST(ProgressCylState, FrameColoursDependOnBothBevelsAndTheBorder) {
  const Rgb light{255, 94, 192}, dark{136, 0, 64}, teal{0, 128, 128};
  struct Case {
    TBevelCut outer, inner;
    int border;
    std::vector<Rgb> frame;
  };
  const Case cases[] = {
      {bvLowered, bvRaised, 2, {dark, light, light, dark}},  {bvLowered, bvLowered, 2, {dark, light, dark, light}},
      {bvLowered, bvLowered, 0, {dark, light, dark, light}}, {bvRaised, bvRaised, 0, {light, dark, light, dark}},
      {bvSpace, bvSpace, 2, {teal, teal, teal, teal}},
  };
  for (const Case& c : cases) {
    TProgressCyl bar(nullptr);
    bar.SetColor(clTeal);
    bar.SetBevelColor(RGBColor(200, 30, 128));
    bar.SetBorderWidth(c.border);
    bar.SetBevelOuter(c.outer);
    bar.SetBevelInner(c.inner);
    EXPECT_EQ(FrameColours(bar), c.frame) << c.outer << c.inner << c.border;
  }
}

TEST(ProgressCylState, SpaceBevelKeepsTheColourOfItsLastAssignment) {
  TProgressCyl bar(nullptr);
  bar.SetColor(clTeal);
  bar.SetBevelInner(bvSpace);
  bar.SetColor(clNavy);
  EXPECT_EQ(FrameColours(bar)[2], (Rgb{0, 128, 128}));
  bar.SetBevelColor(bar.BevelColor());
  EXPECT_EQ(FrameColours(bar)[2], (Rgb{0, 0, 128}));
}

TEST(ProgressCylState, FrameThatLeavesNoBarAreaIsRefused) {
  struct Case {
    const char* what;
    std::function<void(TProgressCyl&)> change;
    int borderWidth, bevelWidth;
    int line;  // at Min, one column inside the bar area; -1: two rows of bar area, both its border
  };
  const std::vector<Case> cases = {
      {"border 20 on 22 pixels", [](TProgressCyl& b) { b.SetBorderWidth(20); }, 2, 1, 5},
      {"border 6 on 22 pixels", [](TProgressCyl& b) { b.SetBorderWidth(6); }, 6, 1, 9},
      {"border 9 on 22 pixels", [](TProgressCyl& b) { b.SetBorderWidth(9); }, 2, 1, 5},
      {"bevel 5 on 22 pixels", [](TProgressCyl& b) { b.SetBevelWidth(5); }, 2, 1, 5},
      {"bevel 4 on 22 pixels", [](TProgressCyl& b) { b.SetBevelWidth(4); }, 2, 4, -1},
      {"negative border", [](TProgressCyl& b) { b.SetBorderWidth(-3); }, 2, 1, 5},
      {"zero bevel", [](TProgressCyl& b) { b.SetBevelWidth(0); }, 2, 1, 5},
  };
  for (const Case& c : cases) {
    TProgressCyl bar(nullptr);
    c.change(bar);
    EXPECT_EQ(bar.BorderWidth(), c.borderWidth) << c.what;
    EXPECT_EQ(bar.BevelWidth(), c.bevelWidth) << c.what;
    EXPECT_EQ(PaintedLine(bar), c.line) << c.what;
  }
}

TEST(ProgressCylState, StyleRefusesZeroDivisors) {
  TProgressCyl bar(nullptr);
  bar.SetProEffect(peGlassRed);
  TPCColorStyle& style = bar.ForeStyle();
  const float intensity = style.Intensity(), angle = style.LightAngle();
  const int range = style.RangeRGB();
  style.SetIntensity(0.0f);
  style.SetLightAngle(0.0f);
  style.SetRangeRGB(0);
  EXPECT_EQ(style.Intensity(), intensity);
  EXPECT_EQ(style.LightAngle(), angle);
  EXPECT_EQ(style.RangeRGB(), range);
  EXPECT_EQ(bar.ProEffect(), peGlassRed);
}

TEST(ProgressCylState, ProEffectTurnsCustomOnLookChangesOnly) {
  struct Case {
    const char* what;
    std::function<void(TProgressCyl&)> change;
    bool custom;
  };
  const std::vector<Case> cases = {
      {"ForeColor unchanged", [](TProgressCyl& b) { b.SetForeColor(b.ForeColor()); }, true},
      {"ForeLineColor", [](TProgressCyl& b) { b.SetForeLineColor(clRed); }, true},
      {"BackColor", [](TProgressCyl& b) { b.SetBackColor(clRed); }, true},
      {"BevelColor unchanged", [](TProgressCyl& b) { b.SetBevelColor(b.BevelColor()); }, true},
      {"BackBorderColor", [](TProgressCyl& b) { b.SetBackBorderColor(clRed); }, true},
      {"BackBorderColor unchanged", [](TProgressCyl& b) { b.SetBackBorderColor(b.BackBorderColor()); }, false},
      {"FontShadowColor", [](TProgressCyl& b) { b.SetFontShadowColor(clRed); }, true},
      {"FontEffect", [](TProgressCyl& b) { b.SetFontEffect(feInvert); }, true},
      {"CylinderEffect", [](TProgressCyl& b) { b.SetCylinderEffect(ceLow); }, true},
      {"IntensityRGB", [](TProgressCyl& b) { b.ForeStyle().SetIntensityRGB(1); }, true},
      {"Intensity", [](TProgressCyl& b) { b.BackStyle().SetIntensity(1); }, true},
      {"IntensityFactor", [](TProgressCyl& b) { b.ForeStyle().SetIntensityFactor(1); }, true},
      {"RangeRGB", [](TProgressCyl& b) { b.BackStyle().SetRangeRGB(1); }, true},
      {"ColorRGB", [](TProgressCyl& b) { b.ForeStyle().SetColorRGB(1); }, true},
      {"ColorFactor", [](TProgressCyl& b) { b.BackStyle().SetColorFactor(1); }, true},
      {"LightAngle", [](TProgressCyl& b) { b.ForeStyle().SetLightAngle(1); }, true},
      {"style value unchanged", [](TProgressCyl& b) { b.ForeStyle().SetColorRGB(b.ForeStyle().ColorRGB()); }, false},
      {"system colours changed", [](TProgressCyl& b) { b.Perform(CM_SYSCOLORCHANGE); }, true},
      {"BevelWidth", [](TProgressCyl& b) { b.SetBevelWidth(2); }, false},
      {"BorderWidth", [](TProgressCyl& b) { b.SetBorderWidth(1); }, false},
      {"BevelInner", [](TProgressCyl& b) { b.SetBevelInner(bvLowered); }, false},
      {"ShowText", [](TProgressCyl& b) { b.SetShowText(false); }, false},
      {"Orientation", [](TProgressCyl& b) { b.SetOrientation(pbVertical); }, false},
      {"Position", [](TProgressCyl& b) { b.SetPosition(40); }, false},
      {"Text", [](TProgressCyl& b) { b.SetText(" pc"); }, false},
  };
  for (const Case& c : cases) {
    TProgressCyl bar(nullptr);
    bar.SetProEffect(peMetalGold);
    c.change(bar);
    EXPECT_EQ(bar.ProEffect(), c.custom ? peCustom : peMetalGold) << c.what;
  }
}

TEST(ProgressCylState, AssigningAStyleCopiesItsValues) {
  TProgressCyl source(nullptr), bar(nullptr);
  source.SetProEffect(peSystem2);
  bar.SetForeColor(clBlue);
  bar.SetForeStyle(source.BackStyle());
  const TPCColorStyle& copy = bar.ForeStyle();
  EXPECT_NE(&copy, &source.BackStyle());
  EXPECT_EQ(copy.IntensityRGB(), -100);
  EXPECT_EQ(copy.Intensity(), 4.0f);
  EXPECT_EQ(copy.IntensityFactor(), -1.7f);
  EXPECT_EQ(copy.RangeRGB(), -100);
  EXPECT_EQ(copy.ColorRGB(), -100);
  EXPECT_EQ(copy.ColorFactor(), -1.0f);
  EXPECT_EQ(copy.LightAngle(), -1.5f);
  // The factors were recomputed with the copied style: blue's, (255 + (255 ×
  // -1.7 - 100) / 4) / -100 = -1.216, turns the level -100 of the lit row 13
  // into 121; red's and green's, 0.25, leave it below 0.
  bar.SetShowText(false);
  bar.SetPosition(50);
  EXPECT_EQ(PixelAt(*Render(bar), 20, 13), (Rgb{0, 0, 121}));
}

namespace {

// A red caption with a lime shadow over a white bar.
void ColourCaption(TProgressCyl& bar) {
  MakeFilledPartWhite(bar);
  bar.Font().SetColor(clRed);
  bar.SetFontShadowColor(clLime);
}

// Whether the bar paints as a new bar given its caption effect, visibility
// and direction directly.
bool PaintsAsIfSetDirectly(TProgressCyl& bar) {
  TProgressCyl direct(nullptr);
  ColourCaption(direct);
  direct.SetFontOrientation(bar.FontOrientation());
  direct.SetFontEffect(bar.FontEffect());
  direct.SetShowText(bar.ShowText());
  return Differing(*Render(bar), *Render(direct)).empty();
}

}  // namespace

// However the caption's effect was reached, the shadow offset and the
// inverting mask follow it.
TEST(ProgressCylState, CaptionEffectShowsTheSameWhicheverWayItWasReached) {
  TProgressCyl bar(nullptr);
  ColourCaption(bar);
  bar.SetFontEffect(feInvert);
  EXPECT_TRUE(PaintsAsIfSetDirectly(bar)) << "inverted";
  bar.SetShowText(false);
  EXPECT_TRUE(PaintsAsIfSetDirectly(bar)) << "hidden";
  bar.SetFontEffect(feShadowTopLeft);
  bar.SetShowText(true);
  EXPECT_TRUE(PaintsAsIfSetDirectly(bar)) << "shadow set while hidden";
  bar.SetFontEffect(feInvert);
  bar.SetFontOrientation(foTopToBottom);
  EXPECT_TRUE(PaintsAsIfSetDirectly(bar)) << "inverted, turned";
  bar.SetFontEffect(feNone);
  EXPECT_TRUE(PaintsAsIfSetDirectly(bar)) << "no effect";
  bar.SetFontEffect(feShadowBottomRight);
  EXPECT_TRUE(PaintsAsIfSetDirectly(bar)) << "shadow";
}

TEST(ProgressCylState, OrientationSetsTheCaptionDirection) {
  TProgressCyl bar(nullptr);
  bar.SetOrientation(pbVertical);
  EXPECT_EQ(bar.FontOrientation(), foBottomToTop);
  bar.SetOrientation(pbHorizontal);
  EXPECT_EQ(bar.FontOrientation(), foLeftToRight);
}

namespace {

// Counts the paints that reach the screen.
class TCountedBar : public TProgressCyl {
 public:
  using TProgressCyl::TProgressCyl;
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    TProgressCyl::Paint();
  }
};

}  // namespace

TEST(ProgressCylState, RepaintsAtOnceAndOnlyForAVisibleChange) {
  TForm form(nullptr);
  form.HandleNeeded();
  auto* bar = new TCountedBar(&form);
  bar->SetParent(&form);
  bar->SetPosition(30);
  EXPECT_EQ(bar->paints, 1);
  bar->SetPosition(30);
  EXPECT_EQ(bar->paints, 1);
  bar->SetMax(100);
  EXPECT_EQ(bar->paints, 1);
  bar->SetText("%");
  EXPECT_EQ(bar->paints, 1);
  bar->SetText(" pc");
  EXPECT_EQ(bar->paints, 2);
  bar->SetVisible(false);
  bar->SetForeColor(clRed);
  EXPECT_EQ(bar->paints, 2);
}

// A setter that reaches others (the caption's effect, the geometry, the
// colours of a style) still paints the bar once.
TEST(ProgressCylState, EachChangePaintsOnce) {
  TForm form(nullptr);
  form.HandleNeeded();
  auto* bar = new TCountedBar(&form);
  bar->SetParent(&form);
  bar->SetPosition(30);
  TPCColorStyle metal(nullptr);
  metal.SetIntensityRGB(200);
  metal.SetColorRGB(100);
  metal.SetLightAngle(2.0f);
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"ShowText off", [&] { bar->SetShowText(false); }},
      {"ShowText on", [&] { bar->SetShowText(true); }},
      {"FontOrientation", [&] { bar->SetFontOrientation(foTopToBottom); }},
      {"FontEffect", [&] { bar->SetFontEffect(feInvert); }},
      {"CylinderEffect", [&] { bar->SetCylinderEffect(ceLow); }},
      {"Orientation", [&] { bar->SetOrientation(pbVertical); }},
      {"BevelWidth", [&] { bar->SetBevelWidth(2); }},
      {"BorderWidth", [&] { bar->SetBorderWidth(3); }},
      {"BevelColor", [&] { bar->SetBevelColor(clRed); }},
      {"ForeStyle", [&] { bar->SetForeStyle(metal); }},
      {"system colours", [&] { bar->Perform(CM_SYSCOLORCHANGE); }},
      {"Max", [&] { bar->SetMax(50); }},
      {"Width", [&] { bar->SetWidth(200); }},
  };
  for (const auto& [name, change] : changes) {
    const int before = bar->paints;
    change();
    EXPECT_EQ(bar->paints - before, 1) << name;
  }
}

TEST(ProgressCylState, MouseEnterAndLeaveRaiseTheirEvents) {
  TProgressCyl bar(nullptr);
  std::vector<std::string> seen;
  bar.OnMouseEnter = [&](TObject* sender) { seen.push_back(sender == &bar ? "enter" : "?"); };
  bar.OnMouseLeave = [&](TObject* sender) { seen.push_back(sender == &bar ? "leave" : "?"); };
  bar.Perform(CM_MOUSEENTER);
  bar.Perform(CM_MOUSELEAVE);
  EXPECT_EQ(seen, (std::vector<std::string>{"enter", "leave"}));
}

namespace {

class TBarForm : public TForm {
 public:
  explicit TBarForm(const std::string& layout) : TForm(nullptr) {
    static const bool registered = (ClassRegistry::Register<TProgressCyl>("TProgressCyl"), true);
    (void)registered;
    LayoutReader::Read(ParseLayout(layout), *this);
  }
};

}  // namespace

TEST(ProgressCylState, StoredLayoutSetsEveryPublishedProperty) {
  TBarForm form(
      "object F: TForm\n"
      "  object PC1: TProgressCyl\n"
      "    Left = 7\n    Top = 487\n    Width = 693\n    Height = 22\n"
      "    BackBorderColor = clBlack\n    BackColor = clBtnFace\n"
      "    BackStyle.IntensityRGB = 200\n    BackStyle.Intensity = 3.0\n    BackStyle.IntensityFactor = -0.5\n"
      "    BackStyle.RangeRGB = 153\n    BackStyle.ColorRGB = 100\n    BackStyle.ColorFactor = 1.0\n"
      "    BackStyle.LightAngle = -1.5\n"
      "    BevelColor = clBtnFace\n    BevelInner = bvNone\n    BevelOuter = bvNone\n"
      "    BevelWidth = 1\n    BorderWidth = 1\n    Color = clBtnFace\n    CylinderEffect = ceHigh\n"
      "    Font.Color = clBlack\n    Font.Height = -12\n    Font.Name = 'Arial'\n    Font.Style = [fsBold]\n"
      "    FontEffect = feShadowTopLeft\n    FontOrientation = foTopToBottom\n    FontShadowColor = clBtnFace\n"
      "    ForeColor = clBlue\n    ForeLineColor = clHighlight\n"
      "    ForeStyle.IntensityRGB = 255\n    ForeStyle.Intensity = 4\n    ForeStyle.IntensityFactor = -1.0\n"
      "    ForeStyle.RangeRGB = 255\n    ForeStyle.ColorRGB = 255\n    ForeStyle.ColorFactor = -1.0\n"
      "    ForeStyle.LightAngle = -3.0\n"
      "    Max = 200\n    Min = 10\n    Orientation = pbHorizontal\n    ParentFont = False\n    Position = 30\n"
      "    ProEffect = peCustom\n    ShowText = True\n    Text = '%'\n    TextDone = 'Termin'#233' / Done'\n"
      "    Step = 5\n    StopAtMax = False\n"
      "  end\n"
      "end\n");
  auto* bar = dynamic_cast<TProgressCyl*>(form.FindComponent("PC1"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Width(), 693);
  EXPECT_EQ(bar->BevelInner(), bvNone);
  EXPECT_EQ(bar->BorderWidth(), 1);
  EXPECT_EQ(bar->CylinderEffect(), ceHigh);
  EXPECT_EQ(bar->FontEffect(), feShadowTopLeft);
  EXPECT_EQ(bar->FontOrientation(), foTopToBottom);
  EXPECT_EQ(bar->ForeColor(), clBlue);
  EXPECT_EQ(bar->BackStyle().IntensityRGB(), 200);
  EXPECT_EQ(bar->BackStyle().IntensityFactor(), -0.5f);
  EXPECT_EQ(bar->BackStyle().LightAngle(), -1.5f);
  EXPECT_EQ(bar->Min(), 10);
  EXPECT_EQ(bar->Max(), 200);
  EXPECT_EQ(bar->Position(), 30);
  EXPECT_EQ(bar->ProEffect(), peCustom);
  EXPECT_EQ(bar->TextDone(), "Terminé / Done");
  EXPECT_EQ(bar->Step(), 5);
  EXPECT_FALSE(bar->StopAtMax());
}
