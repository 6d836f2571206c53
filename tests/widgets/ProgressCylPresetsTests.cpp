// The named looks of the progress bar: applying one is repeatable, peCustom
// after a look changes nothing else, a look shows a hidden control, and the
// values a look leaves alone stay.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "ProgressCylFixture.h"
#include "tests/support/BitmapPixel.h"

using klangor::test::pixelOf;

namespace {

std::ostream& operator<<(std::ostream& out, const TPCColorStyle& style) {
  return out << style.IntensityRGB() << " " << style.Intensity() << " " << style.IntensityFactor() << " "
             << style.RangeRGB() << " " << style.ColorRGB() << " " << style.ColorFactor() << " " << style.LightAngle();
}

// Everything a look can touch, the properties and the painted pixels, as one
// text whose differences a failure shows.
std::string StateOf(TProgressCyl& bar, bool withProEffect = true) {
  std::ostringstream state;
  if (withProEffect) state << "ProEffect " << static_cast<int>(bar.ProEffect()) << "\n";
  state << std::hex << "colours " << bar.ForeColor() << " " << bar.BackColor() << " " << bar.ForeLineColor() << " "
        << bar.BackBorderColor() << " " << bar.BevelColor() << " " << bar.Color() << " " << bar.FontShadowColor() << " "
        << bar.Font().Color() << std::dec << "\n"
        << "effects " << int{bar.CylinderEffect()} << " " << int{bar.FontEffect()} << " " << int{bar.FontOrientation()}
        << " " << bar.ShowText() << " " << bar.Visible() << "\n"
        << "frame " << int{bar.BevelOuter()} << " " << int{bar.BevelInner()} << " " << bar.BevelWidth() << " "
        << bar.BorderWidth() << "\n"
        << "styles " << bar.ForeStyle() << " / " << bar.BackStyle() << "\n";
  auto image = Render(bar);
  for (int y = 0; y < image->Height(); ++y) {
    state << "row " << y << ":";
    for (int x = 0; x < image->Width(); ++x) state << " " << std::hex << pixelOf(*image, x, y);
    state << std::dec << "\n";
  }
  return state.str();
}

TProEffect Effect(int ordinal) { return static_cast<TProEffect>(ordinal); }

constexpr int EffectCount = static_cast<int>(EnumNames<TProEffect>::names().size());

}  // namespace

TEST(ProgressCylPresets, EveryLookAppliedTwiceEqualsOnce) {
  for (int i = 0; i < EffectCount; ++i) {
    if (Effect(i) == peCustom) continue;
    TProgressCyl bar(nullptr);
    bar.SetPosition(40);
    bar.SetProEffect(Effect((i + 7) % EffectCount));  // some other look before
    bar.SetProEffect(Effect(i));
    const std::string once = StateOf(bar);
    bar.SetProEffect(Effect(i));
    EXPECT_EQ(StateOf(bar), once) << EnumNames<TProEffect>::names()[i];
    EXPECT_EQ(bar.ProEffect(), Effect(i));
  }
}

TEST(ProgressCylPresets, CustomAfterALookChangesOnlyProEffect) {
  for (int i = 0; i < EffectCount; ++i) {
    TProgressCyl bar(nullptr);
    bar.SetPosition(70);
    bar.SetProEffect(Effect(i));
    const std::string look = StateOf(bar, false);
    bar.SetProEffect(peCustom);
    EXPECT_EQ(bar.ProEffect(), peCustom);
    EXPECT_EQ(StateOf(bar, false), look) << EnumNames<TProEffect>::names()[i];
  }
}

TEST(ProgressCylPresets, LookShowsAHiddenControl) {
  for (int i = 0; i < EffectCount; ++i) {
    if (Effect(i) == peCustom) continue;
    TProgressCyl bar(nullptr);
    bar.SetVisible(false);
    bar.SetProEffect(Effect(i));
    EXPECT_TRUE(bar.Visible()) << EnumNames<TProEffect>::names()[i];
  }
  TProgressCyl bar(nullptr);
  bar.SetVisible(false);
  bar.SetProEffect(peCustom);
  EXPECT_FALSE(bar.Visible());
}

TEST(ProgressCylPresets, LooksSetTheirColoursStylesAndCaption) {
  TProgressCyl bar(nullptr);
  bar.SetFontShadowColor(clRed);
  bar.Font().SetColor(clNavy);
  bar.SetBorderWidth(3);
  bar.SetProEffect(peGlassRed);
  EXPECT_EQ(bar.ForeColor(), RGBColor(204, 0, 0));
  EXPECT_EQ(bar.BackColor(), clGray);
  EXPECT_EQ(bar.ForeLineColor(), clWhite);
  EXPECT_EQ(bar.FontEffect(), feNone);
  EXPECT_EQ(bar.BackStyle().ColorFactor(), 1.0f) << "Glass";
  EXPECT_EQ(bar.ForeStyle().Intensity(), 3.0f) << "Glass soft";
  EXPECT_EQ(bar.ForeStyle().IntensityFactor(), -0.8f) << "Glass soft";
  EXPECT_EQ(bar.ForeStyle().ColorRGB(), 200) << "Glass soft";
  EXPECT_EQ(bar.FontShadowColor(), clRed) << "a look without a shadow colour keeps it";
  EXPECT_EQ(bar.Font().Color(), clBlack);
  EXPECT_EQ(bar.BorderWidth(), 3) << "only the demo looks set the frame";
  // The colours were derived through the look's final styles: deriving them
  // again changes no pixel.
  auto look = Render(bar);
  bar.Perform(CM_SYSCOLORCHANGE);
  EXPECT_TRUE(Differing(*look, *Render(bar)).empty());

  bar.SetProEffect(demoMetal);
  EXPECT_FALSE(bar.ShowText());
  EXPECT_EQ(bar.BevelOuter(), bvNone);
  EXPECT_EQ(bar.BevelInner(), bvLowered);
  EXPECT_EQ(bar.BorderWidth(), 2);
  EXPECT_EQ(bar.FontShadowColor(), clWhite);
  EXPECT_EQ(bar.ForeStyle().LightAngle(), -1.6f) << "Metal demo";

  bar.SetProEffect(demoSunken);
  EXPECT_TRUE(bar.ShowText());
  EXPECT_EQ(bar.FontEffect(), feInvert);
  EXPECT_EQ(bar.BackColor(), clMaroon);
  EXPECT_EQ(bar.BackStyle().RangeRGB(), 153) << "Sunken";

  bar.SetProEffect(peUpLoad2);
  EXPECT_EQ(bar.CylinderEffect(), ceHigh);
  EXPECT_EQ(bar.BackStyle().ColorFactor(), -1.5f) << "Metal steep";
  EXPECT_EQ(bar.ForeStyle().LightAngle(), -3.2f) << "Sunken far";
}

TEST(ProgressCylPresets, ChangeAfterALookKeepsTheOtherLookValues) {
  TProgressCyl bar(nullptr);
  bar.SetProEffect(peGlassRed);
  bar.SetForeColor(clBlue);
  EXPECT_EQ(bar.ProEffect(), peCustom);
  EXPECT_EQ(bar.ForeColor(), clBlue);
  EXPECT_EQ(bar.BackColor(), clGray);
  EXPECT_EQ(bar.ForeStyle().ColorRGB(), 200);

  bar.SetProEffect(peSystem5);
  bar.Perform(CM_SYSCOLORCHANGE);
  EXPECT_EQ(bar.ProEffect(), peCustom);
  EXPECT_EQ(bar.BackColor(), clHighlight);
}

TEST(ProgressCylPresets, DemoFrameIsRefusedOnATooSmallControl) {
  TProgressCyl bar(nullptr);
  bar.SetBorderWidth(0);
  bar.SetHeight(8);
  bar.SetProEffect(demoSystem);
  EXPECT_EQ(bar.BorderWidth(), 0);
  EXPECT_EQ(bar.ProEffect(), demoSystem);
  EXPECT_TRUE(bar.Visible());
}
