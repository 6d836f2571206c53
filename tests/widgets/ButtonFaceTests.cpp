// The styled button's face: the shading levels of the main window's write
// button, the colour the face starts from, and where picture and caption go.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WidgetHost.h"
#include "components/widgets/ButtonFace.h"
#include "tests/support/BitmapPixel.h"

using klangor::test::pixelOf;

using widget_host::Color3;
using widget_host::Color3Of;

TEST(ButtonFace, WriteButtonHasItsGreenLevels) {
  struct Case {
    bool pressed;
    int x, y, green;
  };
  const std::vector<Case> cases = {{false, 0, 0, 255}, {false, 80, 0, 216}, {false, 160, 0, 175}, {false, 164, 15, 153},
                                   {true, 0, 0, 179},  {true, 80, 0, 217},  {true, 160, 0, 255}};
  for (const Case& c : cases) {
    TBitmap face;
    face.SetSize(165, 16);  // "xp": two pixels less than the 167 x 18 button
    ShadeFace(face, 167, 18, RGB(0, 255, 0), FaceShadingOf("xp"), c.pressed);
    EXPECT_EQ(Color3Of(pixelOf(face, c.x, c.y)), (Color3{0, c.green, 0}))
        << "pressed " << c.pressed << " at " << c.x << "," << c.y;
  }
}

// Flat has no edge bands: every row is alike and the middle darkens by 0.002
// per column from column 5 on.
TEST(ButtonFace, FlatFaceOnlyFadesAcrossTheMiddle) {
  TBitmap face;
  face.SetSize(100, 20);
  ShadeFace(face, 100, 20, RGB(0, 255, 0), FaceShadingOf("flat"), false);
  EXPECT_EQ(Color3Of(pixelOf(face, 0, 0)), (Color3{0, 255, 0}));
  EXPECT_EQ(Color3Of(pixelOf(face, 4, 19)), (Color3{0, 255, 0}));
  EXPECT_EQ(Color3Of(pixelOf(face, 50, 10)), (Color3{0, 232, 0}));  // 255 x (1 - 46 x 0.002) = 231.54
  for (int x = 0; x < 100; ++x) EXPECT_EQ(pixelOf(face, x, 0), pixelOf(face, x, 19)) << x;
}

TEST(ButtonFace, EveryStyleCoversTheWholeFace) {
  struct Case {
    const char* style;
    int width, height;  // of the bitmap, for a 60 x 18 button
  };
  const std::vector<Case> cases = {{"xp", 58, 16}, {"flat", 60, 18}, {"plain", 60, 18}, {"", 60, 18}};
  for (const Case& c : cases)
    for (bool pressed : {false, true}) {
      TBitmap face;
      face.SetSize(c.width, c.height);
      face.Canvas().Brush().Color = RGBColor(255, 0, 255);
      face.Canvas().FillRect({0, 0, c.width, c.height});
      ShadeFace(face, 60, 18, RGB(0, 0, 255), FaceShadingOf(c.style), pressed);
      for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
          ASSERT_EQ(Color3Of(pixelOf(face, x, y)).red, 0) << c.style << " pressed " << pressed << " " << x << "," << y;
    }
}

TEST(ButtonFace, ShadingConstantsByStyle) {
  struct Case {
    const char* style;
    double edge, pressedBase;
    int margin;
  };
  const std::vector<Case> cases = {
      {"xp", 1.0 / 120, 0.7, 2}, {"flat", 0, 0.7, 0}, {"plain", 0.025, 0.75, 2}, {"", 0.025, 0.75, 0}};
  for (const Case& c : cases) {
    const TFaceShading shading = FaceShadingOf(c.style);
    EXPECT_EQ(shading.EdgeStep, c.edge) << c.style;
    EXPECT_EQ(shading.PressedBase, c.pressedBase) << c.style;
    EXPECT_EQ(shading.TrailingMargin, c.margin) << c.style;
  }
}

TEST(ButtonFace, BaseColourIsWashedOutWhenDisabledAndDarkerUnderTheMouse) {
  struct Case {
    bool enabled, hover;
    Color3 expected;
  };
  const std::vector<Case> cases = {{true, false, {0, 255, 128}},
                                   {true, true, {0, 232, 116}},  // 231.8 and 116.4
                                   {false, false, {200, 242, 221}},
                                   {false, true, {200, 242, 221}}};
  for (const Case& c : cases)
    EXPECT_EQ(Color3Of(FaceBaseColor(RGB(0, 255, 128), c.enabled, c.hover)), c.expected)
        << "enabled " << c.enabled << " hover " << c.hover;
}

TEST(ButtonFace, PictureAndCaptionPlacesByImageMode) {
  struct Case {
    std::string mode;
    int iw, ih, tw;
    POINT picture, caption;
    bool empties;
  };
  // A 100 x 30 face, caption line 14 high.
  const std::vector<Case> cases = {
      {"bottom", 16, 10, 40, {42, 3}, {30, 12}, false},
      {"top", 16, 10, 40, {42, 16}, {30, 4}, false},
      {"center", 16, 10, 40, {3, 10}, {38, 7}, false},
      {"center", 16, 10, 41, {3, 10}, {38, 7}, false},  // 37.5 rounds to even
      {"center", 16, 10, 39, {3, 10}, {38, 7}, false},  // 38.5 rounds to even
      {"", 16, 10, 40, {42, 10}, {38, 7}, false},
      {"notext", 16, 10, 40, {42, 10}, {0, 0}, true},
      {"left", 16, 10, 40, {42, 0}, {0, 0}, false},
      {"center", 100, 30, 40, {0, 0}, {80, 7}, false},  // as large as the face: to the corner
      {"center", 0, 0, 140, {3, 15}, {-20, 7}, false},  // a caption wider than the face starts left of it
  };
  for (const Case& c : cases) {
    const TFacePlacement placement = PlaceOnFace(c.mode, 100, 30, c.iw, c.ih, c.tw, 14);
    const std::string what = "'" + c.mode + "' tw " + std::to_string(c.tw) + " iw " + std::to_string(c.iw);
    EXPECT_EQ(placement.Picture.x, c.picture.x) << what;
    EXPECT_EQ(placement.Picture.y, c.picture.y) << what;
    EXPECT_EQ(placement.CaptionOrigin.x, c.caption.x) << what;
    EXPECT_EQ(placement.CaptionOrigin.y, c.caption.y) << what;
    EXPECT_EQ(placement.EmptiesCaption, c.empties) << what;
  }
}
