// The check list's item drawing on the classic path: the glyph cell, the
// selection band over the text area only, the focus rectangle and the text
// origin, drawn through the list's own owner-draw answer into an off-screen
// bitmap, and on the screen through the native list.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "CheckListFixture.h"
#include "components/widgets/LMDApplication.h"
#include "framework/Text.h"
#include "tests/support/BitmapPixel.h"

using klangor::test::pixelOf;

using widget_host::Color3;
using widget_host::Color3Of;
using widget_host::ScreenPixel;

namespace {

constexpr Color3 Magenta{255, 0, 255};
constexpr Color3 White{255, 255, 255};
constexpr Color3 Red{255, 0, 0};
constexpr int ItemWidth = 229;  // client width of the 233-pixel list inside its sunken edge

Color3 System(int index) { return Color3Of(GetSysColor(index)); }

bool Dark(Color3 c) { return c.red + c.green + c.blue < 200; }

struct Box {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};

// The bounds of the dark pixels of a region.
Box DarkBounds(TBitmap& bitmap, const RECT& region) {
  Box box;
  for (int y = region.top; y < region.bottom; ++y)
    for (int x = region.left; x < region.right; ++x)
      if (Dark(Color3Of(pixelOf(bitmap, x, y)))) {
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x);
        box.bottom = std::max(box.bottom, y);
      }
  return box;
}

}  // namespace

// Wine 8 runs its "Light" theme, so the classic path is chosen with CtlXP.
class CheckListDraw : public CheckList {
 protected:
  void SetUp() override {
    CheckList::SetUp();
    list->SetCtlXP(false);
    window = list->Handle();
  }

  // Item index drawn by the list into a magenta bitmap of one item, so that
  // pixels the drawing leaves alone stand out.
  std::unique_ptr<TBitmap> Draw(int index, UINT state) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(ItemWidth, 16);
    bitmap->Canvas().Brush().Color = RGBColor(255, 0, 255);
    bitmap->Canvas().FillRect({0, 0, ItemWidth, 16});
    DRAWITEMSTRUCT request{};
    request.CtlType = ODT_LISTBOX;
    request.itemID = static_cast<UINT>(index);
    request.itemAction = ODA_DRAWENTIRE;
    request.itemState = state;
    request.hwndItem = window;
    request.hDC = bitmap->Canvas().Handle();
    request.rcItem = {0, 0, ItemWidth, 16};
    list->Perform(CN_BASE + WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request));
    return bitmap;
  }

  Color3 At(TBitmap& bitmap, int x, int y) { return Color3Of(pixelOf(bitmap, x, y)); }

  const SIZE glyph = CheckGlyphSize(true);
  const int column = glyph.cx + 2;
};

TEST_F(CheckListDraw, SelectedItemHasTheRedBandOverItsTextAreaOnly) {
  auto bitmap = Draw(1, ODS_SELECTED);
  for (int y : {0, 8, 15}) {
    EXPECT_EQ(At(*bitmap, column, y), Red) << y;
    EXPECT_EQ(At(*bitmap, ItemWidth - 1, y), Red) << y;
    EXPECT_EQ(At(*bitmap, 0, y), Magenta) << y;  // the glyph column is not filled
  }
  EXPECT_EQ(At(*bitmap, column - 1, 8), Magenta);
  auto plain = Draw(1, 0);
  EXPECT_EQ(At(*plain, column, 8), White);
  EXPECT_EQ(At(*plain, ItemWidth - 1, 0), White);
}

// The flat check box: the classic box without its outer two-pixel ring,
// framed by a one-pixel square in the button shadow colour, one pixel in
// from the glyph's corner, the glyph one pixel in from the item's corner.
TEST_F(CheckListDraw, FlatGlyphCellGeometry) {
  auto bitmap = Draw(0, 0);
  const int left = (column - glyph.cx) / 2, top = (16 - glyph.cy) / 2;
  ASSERT_EQ(left, 1);
  ASSERT_EQ(top, 1);
  const Color3 shadow = System(COLOR_BTNSHADOW);
  EXPECT_EQ(At(*bitmap, left, top), Magenta);
  EXPECT_EQ(At(*bitmap, left + 1, top + 1), shadow);
  EXPECT_EQ(At(*bitmap, left + 1, top + glyph.cy - 2), shadow);
  EXPECT_EQ(At(*bitmap, left + glyph.cx - 2, top + 1), shadow);
  EXPECT_EQ(At(*bitmap, left + glyph.cx - 2, top + glyph.cy - 2), shadow);
  EXPECT_EQ(At(*bitmap, left + 3, top + 3), System(COLOR_WINDOW));  // inside the unticked box
  EXPECT_EQ(At(*bitmap, left + glyph.cx - 1, top + 5), Magenta);    // the clipped outer ring
  list->SetBtnFlat(false);
  auto raised = Draw(0, 0);
  EXPECT_NE(At(*raised, left, top), Magenta);  // the 3-D edge is drawn
}

TEST_F(CheckListDraw, TickedGraiedAndUntickedGlyphsDiffer) {
  const RECT inside{4, 4, glyph.cx - 2, glyph.cy - 2};
  auto unticked = Draw(2, 0);
  EXPECT_EQ(DarkBounds(*unticked, inside).right, -1);
  list->SetChecked(2, true);
  auto ticked = Draw(2, 0);
  EXPECT_GE(DarkBounds(*ticked, inside).right, 0);
  list->SetItemState(2, csGrayed);
  auto grayed = Draw(2, 0);
  bool differs = false;
  for (int y = inside.top; y < inside.bottom; ++y)
    for (int x = inside.left; x < inside.right; ++x)
      differs |= !(At(*grayed, x, y) == At(*ticked, x, y)) && !(At(*grayed, x, y) == At(*unticked, x, y));
  EXPECT_TRUE(differs);
}

// The text box starts 2 pixels right of the glyph column (Margin 1, then one
// more) and one pixel below the item's top; the whole name shows.
TEST_F(CheckListDraw, TextOriginAndWholeName) {
  TStringList names;
  for (const char* name : {"bank3.ini", "Snow.ini", "Replay Camera.ini", "Car_WRC.ini"}) names.Add(name);
  list->SetItems(names);
  for (int i = 0; i < names.Count(); ++i) {
    TBitmap reference;
    reference.SetSize(200, 16);
    reference.Canvas().Brush().Color = clWhite;
    reference.Canvas().FillRect({0, 0, 200, 16});
    reference.Canvas().Font().Assign(list->Font());
    reference.Canvas().Font().SetColor(clBlack);
    reference.Canvas().Brush().Style = bsClear;
    reference.Canvas().TextOut(0, 0, names[i]);
    const Box expected = DarkBounds(reference, {0, 0, 200, 16});
    auto item = Draw(i, 0);
    const Box drawn = DarkBounds(*item, {column, 0, ItemWidth, 16});
    ASSERT_GE(expected.right, 0);
    EXPECT_EQ(drawn.left, expected.left + column + 2) << names[i];
    EXPECT_EQ(drawn.top, expected.top + 1) << names[i];
    EXPECT_EQ(drawn.right, expected.right + column + 2) << names[i];
  }
}

TEST_F(CheckListDraw, TextStopsAtTheDelimiter) {
  TStringList names;
  names.Add("bank3.ini");
  names.Add("bank3.ini|hidden part");
  list->SetItems(names);
  auto whole = Draw(0, 0), cut = Draw(1, 0);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < ItemWidth; ++x) ASSERT_EQ(pixelOf(*whole, x, y), pixelOf(*cut, x, y)) << x << "," << y;
}

TEST_F(CheckListDraw, FocusRectangleSurroundsTheTextArea) {
  auto focused = Draw(1, ODS_FOCUS);
  int dotted = 0;
  for (int x = column; x < ItemWidth; ++x) dotted += Dark(At(*focused, x, 0));
  EXPECT_GT(dotted, (ItemWidth - column) / 3);
  EXPECT_TRUE(Dark(At(*focused, column, 2)) || Dark(At(*focused, column, 3)));
  EXPECT_EQ(At(*focused, column - 1, 0), Magenta);
  list->SetHideFocus(true);
  auto hidden = Draw(1, ODS_FOCUS);
  EXPECT_EQ(At(*hidden, column + 1, 0), White);
}

TEST_F(CheckListDraw, DisabledItemTextIsGray) {
  list->SetItemEnabled(3, false);
  auto item = Draw(3, 0);
  const Color3 gray = System(COLOR_GRAYTEXT);
  int grayPixels = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = column; x < ItemWidth; ++x) grayPixels += At(*item, x, y) == gray;
  EXPECT_GT(grayPixels, 10);
}

TEST_F(CheckListDraw, EmptyListDrawsOnlyTheBackground) {
  list->Clear();
  auto bitmap = Draw(0, 0);
  for (int x = 0; x < column; ++x)
    for (int y = 0; y < 16; ++y) ASSERT_EQ(At(*bitmap, x, y), Magenta) << x << "," << y;
  EXPECT_EQ(DarkBounds(*bitmap, {column, 0, ItemWidth, 16}).right, -1);
}

TEST(CheckGlyph, ClassicFrameControlFlags) {
  struct Case {
    TLMDButtonListMode mode;
    uint8_t state;
    bool enabled;
    UINT flags;
  };
  const std::vector<Case> cases = {
      {blCheckBox, csUnchecked, true, DFCS_BUTTONCHECK},
      {blCheckBox, csChecked, true, DFCS_BUTTONCHECK | DFCS_CHECKED},
      {blCheckBox3State, csGrayed, true, DFCS_BUTTON3STATE | DFCS_CHECKED},
      {blRadioButton, csUnchecked, true, DFCS_BUTTONRADIO},
      {blRadioButton, csChecked, false, DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_INACTIVE},
      {blRadioButton, csGrayed, true, DFCS_BUTTON3STATE | DFCS_CHECKED},
      {blCheckBox, csUnchecked, false, DFCS_BUTTONCHECK | DFCS_INACTIVE},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ClassicGlyphFlags(c.mode, c.state, c.enabled), c.flags)
        << "mode " << c.mode << " state " << int(c.state) << " enabled " << c.enabled;
}

TEST(CheckItemText, BoxIsPlacedByAlignmentThenMovedByOnePixel) {
  struct Case {
    TLMDAlignment alignment;
    RECT box;
  };
  const RECT area{10, 0, 110, 20};
  const std::vector<Case> cases = {{agTopLeft, {11, 1, 41, 11}},     {agTopCenter, {46, 1, 76, 11}},
                                   {agTopRight, {81, 1, 111, 11}},   {agCenter, {46, 6, 76, 16}},
                                   {agBottomLeft, {11, 11, 41, 21}}, {agBottomRight, {81, 11, 111, 21}}};
  for (const Case& c : cases) {
    const RECT box = PlaceItemText(area, {30, 10}, c.alignment);
    EXPECT_TRUE(EqualRect(&box, &c.box)) << c.alignment << ": " << box.left << "," << box.top;
  }
}

// Through the native list: WM_DRAWITEM reaches the list's own drawing, and a
// change of check paints its glyph before any window message has run.
TEST_F(CheckListDraw, ScreenShowsTheSelectionAndEachCheckAtOnce) {
  list->SetSelected(1, true);
  widget_host::PumpMessages();
  EXPECT_EQ(ScreenPixel(window, 200, 16 + 8), Red);
  EXPECT_EQ(ScreenPixel(window, 0, 16 + 8), System(COLOR_WINDOW));
  EXPECT_EQ(ScreenPixel(window, 200, 8), System(COLOR_WINDOW));
  auto darkInGlyph = [&](int item) {
    int dark = 0;
    for (int y = 4; y < glyph.cy - 2; ++y)
      for (int x = 4; x < glyph.cx - 2; ++x) dark += Dark(ScreenPixel(window, x, item * 16 + y));
    return dark;
  };
  EXPECT_EQ(darkInGlyph(0), 0);
  list->SetChecked(0, true);
  EXPECT_GT(darkInGlyph(0), 3);
  list->CheckAll(true);
  EXPECT_EQ(darkInGlyph(0), 0);
}

TEST_F(CheckList, ThemedLookDrawsThemeGlyphsInAPlainBorder) {
  if (!TLMDApplication::Instance().ThemesAvailable()) GTEST_SKIP() << "no visual styles active here";
  EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_BORDER);
  EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  auto glyphPixels = [&] {
    widget_host::PumpMessages();
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) pixels.push_back(GetPixel(GetDC(window), x, y));
    return pixels;
  };
  const std::vector<COLORREF> themed = glyphPixels();
  list->SetCtlXP(false);
  window = list->Handle();
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_NE(glyphPixels(), themed);
}
