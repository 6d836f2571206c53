// The styled push button as a control: its painting on a bitmap and on the
// screen, its clicks, hover, pressed and disabled looks, and its blinking,
// driven through its real window with window messages.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "WidgetHost.h"
#include "components/widgets/bButton.h"
#include "framework/Layout.h"
#include "framework/SysUtils.h"
#include "tests/support/BitmapPixel.h"

using klangor::test::pixelOf;

using widget_host::Color3;
using widget_host::Color3Of;
using widget_host::ScreenPixel;

namespace {

constexpr Color3 Magenta{255, 0, 255};
constexpr Color3 Outline{0, 64, 128};
constexpr Color3 HoverOrange{254, 172, 90};

// The main window's write button.
void ConfigureAsWriteButton(TbButton& button, const std::string& caption = "") {
  button.SetBounds(0, 0, 167, 18);
  button.SetStyle("XP");
  button.SetColor(clLime);
  button.SetCaption(caption);
  button.Font().SetName("Arial");
  button.Font().SetHeight(-11);
  button.Font().SetColor(clBlack);
}

// The button painted onto a bitmap of its size pre-filled with magenta, so
// that pixels it leaves alone stand out.
std::unique_ptr<TBitmap> Render(TbButton& button) {
  auto target = std::make_unique<TBitmap>();
  target->SetSize(button.Width(), button.Height() == 0 ? 10 : button.Height());
  target->Canvas().Brush().Color = RGBColor(255, 0, 255);
  target->Canvas().FillRect({0, 0, target->Width(), target->Height()});
  button.PaintOn(target->Canvas());
  return target;
}

Color3 At(TBitmap& bitmap, int x, int y) { return Color3Of(pixelOf(bitmap, x, y)); }

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

// The columns that hold some of the caption's black text.
std::vector<int> DarkColumnsAnyRow(TBitmap& bitmap) {
  std::vector<int> columns;
  for (int x = 1; x < bitmap.Width() - 1; ++x)
    for (int y = 1; y < bitmap.Height() - 1; ++y)
      if (At(bitmap, x, y).green < 80) {
        columns.push_back(x);
        break;
      }
  return columns;
}

// Whether the caption is on the face: some pixel has the font's colour.
bool CaptionShows(TbButton& button) {
  auto bitmap = Render(button);
  const Color3 text = Color3Of(ColorToRGB(button.Font().Color()));
  for (int y = 0; y < bitmap->Height(); ++y)
    for (int x = 0; x < bitmap->Width(); ++x)
      if (At(*bitmap, x, y) == text) return true;
  return false;
}

}  // namespace

TEST(Button, ConstructedState) {
  TbButton button(nullptr);
  EXPECT_EQ(button.Color(), clSilver);
  EXPECT_TRUE(button.Enabled());
  EXPECT_EQ(button.ImageMode(), "Center");
  EXPECT_EQ(button.Style(), "");
  EXPECT_EQ(button.Caption(), "");
  EXPECT_EQ(button.Clignotement(), 0u);
  EXPECT_TRUE(button.ImageBitmap().Empty());
}

TEST(ButtonPaint, WriteButtonFaceOutlineAndCornersOnTheCanvas) {
  TbButton button(nullptr);
  ConfigureAsWriteButton(button);
  auto bitmap = Render(button);
  // The face sits at (1, 1).
  EXPECT_EQ(At(*bitmap, 1, 1), (Color3{0, 255, 0}));
  EXPECT_EQ(At(*bitmap, 81, 1), (Color3{0, 216, 0}));
  EXPECT_EQ(At(*bitmap, 161, 1), (Color3{0, 175, 0}));
  EXPECT_EQ(At(*bitmap, 165, 16), (Color3{0, 153, 0}));
  // The rounded dark-blue outline on the outer ring; the corner pixel
  // outside it is left alone.
  EXPECT_EQ(At(*bitmap, 83, 0), Outline);
  EXPECT_EQ(At(*bitmap, 83, 17), Outline);
  EXPECT_EQ(At(*bitmap, 0, 9), Outline);
  EXPECT_EQ(At(*bitmap, 166, 9), Outline);
  EXPECT_EQ(At(*bitmap, 0, 0), Magenta);
}

TEST(ButtonPaint, StyleIsMatchedWithoutRegardToCase) {
  TbButton upper(nullptr), lower(nullptr);
  ConfigureAsWriteButton(upper, "Quitter / Quit");
  ConfigureAsWriteButton(lower, "Quitter / Quit");
  lower.SetStyle("xp");
  auto a = Render(upper), b = Render(lower);
  for (int y = 0; y < 18; ++y)
    for (int x = 0; x < 167; ++x) ASSERT_EQ(pixelOf(*a, x, y), pixelOf(*b, x, y)) << x << "," << y;
}

TEST(ButtonPaint, ZeroHeightPaintsNothing) {
  TbButton button(nullptr);
  button.SetBounds(0, 0, 10, 0);
  auto bitmap = Render(button);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(At(*bitmap, x, y), Magenta);
}

TEST(ButtonPaint, CaptionIsCentredBesideThePictureSpace) {
  TbButton button(nullptr);
  ConfigureAsWriteButton(button, "Quitter / Quit");
  TBitmap measure;
  measure.Canvas().Font().Assign(button.Font());
  const int tw = measure.Canvas().TextWidth("Quitter / Quit");
  const int left = static_cast<int>(std::nearbyint((167 - tw) / 2.0));
  auto bitmap = Render(button);
  const std::vector<int> dark = DarkColumnsAnyRow(*bitmap);
  ASSERT_FALSE(dark.empty());
  EXPECT_GE(dark.front(), left);
  EXPECT_LE(dark.front(), left + 2);
  EXPECT_LT(dark.back(), left + tw);
}

TEST(ButtonPaint, WideCaptionStartsLeftOfTheFaceAndIsClipped) {
  TbButton button(nullptr);
  ConfigureAsWriteButton(button, "Modifier les fichiers / Modify files");
  button.SetWidth(40);
  auto bitmap = Render(button);
  const std::vector<int> dark = DarkColumnsAnyRow(*bitmap);
  ASSERT_FALSE(dark.empty());
  EXPECT_LE(dark.front(), 3);
  EXPECT_GE(dark.back(), 30);
}

TEST(ButtonPaint, NoTextEmptiesTheCaptionForGood) {
  for (const char* mode : {"notext", "NoText", "NOTEXT"}) {
    TbButton button(nullptr);
    ConfigureAsWriteButton(button, "Quitter / Quit");
    button.SetImageMode(mode);
    Render(button);
    EXPECT_EQ(button.Caption(), "") << mode;
    button.SetImageMode("Center");
    auto bitmap = Render(button);
    EXPECT_EQ(button.Caption(), "") << mode;
    EXPECT_TRUE(DarkColumnsAnyRow(*bitmap).empty()) << mode;
  }
}

TEST(ButtonPaint, PictureIsCopiedOntoTheFace) {
  TbButton button(nullptr);
  ConfigureAsWriteButton(button);
  TBitmap picture;
  picture.SetSize(6, 4);
  picture.Canvas().Brush().Color = clBlue;
  picture.Canvas().FillRect({0, 0, 6, 4});
  button.SetImageBitmap(picture);
  auto bitmap = Render(button);
  // "center": 3 pixels into the face, centred vertically ((18 - 4) div 2 = 7);
  // the face is at (1, 1) on the canvas.
  EXPECT_EQ(At(*bitmap, 4, 8), (Color3{0, 0, 255}));
  EXPECT_EQ(At(*bitmap, 9, 11), (Color3{0, 0, 255}));
  EXPECT_NE(At(*bitmap, 10, 8), (Color3{0, 0, 255}));
  EXPECT_NE(At(*bitmap, 4, 12), (Color3{0, 0, 255}));
}

TEST(ButtonPaint, DisabledFaceIsWashedOutAndItsCaptionColourComesBack) {
  TbButton button(nullptr);
  ConfigureAsWriteButton(button, "Quitter / Quit");
  button.Font().SetColor(clWhite);
  button.SetEnabled(false);
  EXPECT_EQ(button.Font().Color(), clBtnShadow);
  auto bitmap = Render(button);
  EXPECT_EQ(At(*bitmap, 1, 1), (Color3{200, 242, 200}));
  button.SetEnabled(true);
  EXPECT_EQ(button.Font().Color(), clWhite);
}

class ButtonWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    button = std::make_unique<TbButton>(nullptr);
    button->SetParent(&widget_host::SharedHost().form);
    ConfigureAsWriteButton(*button);
    button->SetLeft(10);
    button->SetTop(10);
    button->OnClick = [this](TObject* sender) {
      EXPECT_EQ(sender, button.get());
      ++clicks;
    };
    window = button->Handle();
    widget_host::PumpMessages();
  }
  void TearDown() override { button.reset(); }

  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = Point(20, 9)) {
    return SendMessageW(window, msg, wParam, lParam);
  }

  std::unique_ptr<TbButton> button;
  HWND window = nullptr;
  int clicks = 0;
};

// While a button is down the face shows the pressed look, which brightens
// towards the right; a disabled button keeps its washed-out face.
TEST_F(ButtonWindow, ClickIsRaisedOnlyForTheLeftButtonWhileEnabled) {
  const Color3 pressedLook{0, 255, 0};
  struct Case {
    const char* what;
    UINT down, up;
    WPARAM keys;
    bool enabled;
    bool pressedWhileDown;
    int clicks;
  };
  const std::vector<Case> cases = {
      {"left", WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, true, true, 1},
      {"right", WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, true, true, 0},
      {"middle", WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON, true, true, 0},
      {"left, disabled", WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, false, false, 0},
  };
  for (const Case& c : cases) {
    clicks = 0;
    button->SetEnabled(c.enabled);
    const Color3 released = At(*Render(*button), 161, 3);
    Send(c.down, c.keys);
    EXPECT_EQ(At(*Render(*button), 161, 3), c.pressedWhileDown ? pressedLook : released) << c.what;
    Send(c.up);
    EXPECT_EQ(At(*Render(*button), 161, 3), released) << c.what;
    EXPECT_EQ(clicks, c.clicks) << c.what;
  }
}

TEST_F(ButtonWindow, ReleaseOutsideTheButtonRaisesNoClick) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON);
  Send(WM_LBUTTONUP, 0, Point(300, 9));
  EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonWindow, PressedLookShowsOnTheScreen) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON);
  EXPECT_EQ(ScreenPixel(window, 1, 1), (Color3{0, 179, 0}));
  EXPECT_EQ(ScreenPixel(window, 161, 3), (Color3{0, 255, 0}));
  Send(WM_LBUTTONUP);
  EXPECT_EQ(ScreenPixel(window, 161, 3), (Color3{0, 175, 0}));
}

TEST_F(ButtonWindow, DisabledWhilePressedPaintsNothing) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON);
  button->SetEnabled(false);
  auto bitmap = Render(*button);
  EXPECT_EQ(At(*bitmap, 80, 9), Magenta);
  Send(WM_LBUTTONUP);
  EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonWindow, HoverDarkensTheFaceAndDrawsTheOrangeFrame) {
  button->Perform(CM_MOUSEENTER);
  EXPECT_EQ(ScreenPixel(window, 1, 9), HoverOrange);
  EXPECT_EQ(ScreenPixel(window, 83, 1), HoverOrange);
  EXPECT_EQ(ScreenPixel(window, 2, 2), (Color3{0, 232, 0}));
  button->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(ScreenPixel(window, 1, 9), (Color3{0, 254, 0}));  // face row 8 has begun to darken
}

TEST_F(ButtonWindow, DisabledButtonShowsNoHover) {
  button->SetEnabled(false);
  button->Perform(CM_MOUSEENTER);
  EXPECT_EQ(ScreenPixel(window, 1, 9), (Color3{200, 241, 200}));
  button->SetEnabled(true);
  EXPECT_EQ(ScreenPixel(window, 2, 2), (Color3{0, 255, 0})) << "the face is not the darker hover face";
}

TEST_F(ButtonWindow, ReleaseDrawsTheHoverFrame) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON);
  EXPECT_NE(ScreenPixel(window, 1, 9), HoverOrange);
  Send(WM_LBUTTONUP);
  EXPECT_EQ(ScreenPixel(window, 1, 9), HoverOrange);
}

// The tick-all button swaps its caption and colour: each change shows at
// once, before any window message has run.
TEST_F(ButtonWindow, CaptionAndColourChangesPaintAtOnce) {
  button->SetColor(clYellow);
  EXPECT_EQ(ScreenPixel(window, 1, 1), (Color3{255, 255, 0}));
  const std::vector<Color3> before = {ScreenPixel(window, 40, 9), ScreenPixel(window, 60, 9),
                                      ScreenPixel(window, 80, 9), ScreenPixel(window, 100, 9)};
  button->SetCaption("Cocher tout / Check all");
  button->SetColor(static_cast<TColor>(16777088));
  EXPECT_EQ(ScreenPixel(window, 1, 1), (Color3{128, 255, 255}));
  int changed = 0;
  for (int x = 20; x < 150; ++x)
    for (int y = 3; y < 15; ++y)
      if (ScreenPixel(window, x, y).red < 60) ++changed;
  EXPECT_GT(changed, 20);  // dark caption pixels over the light face
}

TEST_F(ButtonWindow, BlinkTogglesTheCaptionUntilStopped) {
  button->SetCaption("Quitter / Quit");
  button->SetClignotement(500);
  button->BlinkTick();
  EXPECT_FALSE(CaptionShows(*button));
  button->BlinkTick();
  EXPECT_TRUE(CaptionShows(*button));
  button->SetEnabled(false);
  button->BlinkTick();
  EXPECT_TRUE(CaptionShows(*button));
  button->SetEnabled(true);
  button->BlinkTick();
  EXPECT_FALSE(CaptionShows(*button));
  button->SetClignotement(0);
  EXPECT_TRUE(CaptionShows(*button));
}

TEST_F(ButtonWindow, TickWithoutBlinkingLeavesTheCaption) {
  button->SetCaption("Quitter / Quit");
  button->BlinkTick();
  EXPECT_TRUE(CaptionShows(*button));
}

TEST_F(ButtonWindow, BlinkTimerTicksThroughTheMessageLoop) {
  button->SetCaption("Quitter / Quit");
  button->SetClignotement(20);
  for (int i = 0; i < 400 && CaptionShows(*button); ++i) {
    widget_host::PumpMessages();
    Sleep(5);
  }
  EXPECT_FALSE(CaptionShows(*button));
}

namespace {

class LayoutForm : public TCustomForm {
 public:
  LayoutForm() : TCustomForm(nullptr) {
    Publish("bButton1Click", TNotifyEvent([this](TObject*) { ++clicks; }));
  }
  int clicks = 0;
};

}  // namespace

TEST(ButtonLayout, MainWindowButtonLoadsFromItsStoredLayout) {
  ClassRegistry::Register<TbButton>("TbButton");
  LayoutForm form;
  LayoutReader::Read(ParseLayout("object Form1: TForm1\n"
                                 "  object bButton1: TbButton\n"
                                 "    Left = 254\n    Top = 462\n    Width = 167\n    Height = 18\n"
                                 "    Caption = 'Modifier les fichiers / Modify files'\n"
                                 "    Color = clLime\n    Font.Color = clBlack\n    Font.Height = -11\n"
                                 "    Font.Name = 'Arial'\n    Font.Style = []\n    ParentFont = False\n"
                                 "    Style = 'XP'\n    ImageMode = 'Center'\n    TabStop = False\n"
                                 "    Clignotement = 0\n    Enabled = True\n"
                                 "    OnClick = bButton1Click\n  end\nend\n"),
                     form);
  auto* button = dynamic_cast<TbButton*>(form.FindComponent("bButton1"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Caption(), "Modifier les fichiers / Modify files");
  EXPECT_EQ(button->Color(), clLime);
  EXPECT_EQ(button->Style(), "XP");
  EXPECT_FALSE(button->TabStop());
  EXPECT_EQ(button->Font().Name(), "Arial");
  button->OnClick(button);
  EXPECT_EQ(form.clicks, 1);
}

// A picture stored in a layout as Delphi writes it: the bitmap file's length
// in four bytes, then the file, here 2 x 1 pixels of 24 bits, bottom-up rows
// padded to four bytes; the digits stand in braces over several lines, as
// Delphi stores them.
TEST(ButtonLayout, ImageBitmapDataGivesThePicture) {
  ClassRegistry::Register<TbButton>("TbButton");
  TCustomForm form(nullptr);
  const std::string bitmapFile =
      "424D3E000000000000003600000028000000020000000100000001001800000000000800000000000000000000000000000000000000"
      "0000FF00FF000000";
  LayoutReader::Read(ParseLayout("object Form1: TForm1\n"
                                 "  object bButton1: TbButton\n"
                                 "    ImageBitmap.Data = {\n      3E000000" +
                                 bitmapFile.substr(0, 64) + "\n      " + bitmapFile.substr(64) +
                                 "}\n"
                                 "  end\n"
                                 "end\n"),
                     form);
  auto* button = dynamic_cast<TbButton*>(form.FindComponent("bButton1"));
  ASSERT_NE(button, nullptr);
  ASSERT_EQ(button->ImageBitmap().Width(), 2);
  ASSERT_EQ(button->ImageBitmap().Height(), 1);
  EXPECT_EQ(At(button->ImageBitmap(), 0, 0), (Color3{255, 0, 0}));
  EXPECT_EQ(At(button->ImageBitmap(), 1, 0), (Color3{0, 255, 0}));
  EXPECT_THROW(LayoutReader::Read(ParseLayout("object Form1: TForm1\n  object bButton2: TbButton\n"
                                              "    ImageBitmap.Data = {0A0B}\n  end\nend\n"),
                                  form),
               ELayoutError);
}
