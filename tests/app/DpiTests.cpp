// The main window at other DPIs: the real form from the real layout, scaled
// as the framework scales it at start-up and on WM_DPICHANGED.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "components/widgets/CheckGlyphs.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/ProgressCyl2.h"
#include "components/widgets/bButton.h"
#include "tests/app/FormFixture.h"

using namespace klangor::test;

namespace {

// Where a control stands in its parent's client area, as the screen has it
// for a windowed control.
RECT PlaceOf(TControl& control) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (!windowed) return control.BoundsRect();
  RECT rect{};
  GetWindowRect(windowed->Handle(), &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(windowed->Handle()), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

RECT Scaled(const RECT& designed, TDpi dpi) {
  return {dpi.Scale(designed.left), dpi.Scale(designed.top), dpi.Scale(designed.right), dpi.Scale(designed.bottom)};
}

std::string Shown(const RECT& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
         std::to_string(rect.bottom);
}

TEXTMETRICW MetricsOf(TFont& font) {
  const TWindowDC screen(nullptr);
  const TSelectObject selected(screen.Handle(), font.Handle());
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.Handle(), &metrics);
  return metrics;
}

int TextWidth(TFont& font, const std::string& text) {
  const TWindowDC screen(nullptr);
  TCanvas canvas(screen.Handle());
  canvas.Font().Assign(font);
  return canvas.TextWidth(text);
}

std::vector<TControl*> ControlsOf(TForm1& form) {
  std::vector<TControl*> controls;
  for (int i = 0; i < form.ComponentCount(); ++i)
    if (auto* control = dynamic_cast<TControl*>(form.Components(i))) controls.push_back(control);
  return controls;
}

// The room a control's text needs beside it, at the control's DPI: the check
// box's glyph and gap, the group box's indent, the button's outline.
int RoomBesideText(TControl& control) {
  const TDpi dpi = control.Dpi();
  if (dynamic_cast<TCheckBox*>(&control)) return dpi.Scale(17);
  if (dynamic_cast<TGroupBox*>(&control)) return dpi.Scale(8);
  if (dynamic_cast<TbButton*>(&control)) return 2 * dpi.Scale(1);
  return 0;
}

const RECT EveryScreen{0, 0, 10000, 10000};

}  // namespace

// Moved from DPI to DPI (and back to 96), every control stands at its
// designed rectangle scaled (a label's width is its text's), the client
// area is the designed one scaled, every text fits its control, and no two
// controls overlap that did not overlap as designed.
TEST(Dpi, EveryControlIsItsDesignedRectangleScaled) {
  FormFixture fixture;
  TForm1& form = fixture.CreateForm();
  const std::vector<TControl*> controls = ControlsOf(form);
  std::map<TControl*, RECT> designed;
  for (TControl* control : controls) designed[control] = PlaceOf(*control);
  const SIZE client = form.DesignedClientSize();

  for (const int pixelsPerInch : {120, 144, 192, 96}) {
    const TDpi dpi(pixelsPerInch);
    form.ScaleForDpi(dpi, EveryScreen);
    fixture.Pump();
    ASSERT_EQ(form.Dpi(), dpi);
    // Inside the frame drawn at that DPI; this display draws its own at 96,
    // so the client area itself is seen at a real DPI end to end.
    const SIZE window =
        dpi.WindowSize({dpi.Scale(client.cx), dpi.Scale(client.cy)}, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0);
    EXPECT_EQ(form.Width(), window.cx) << pixelsPerInch;
    EXPECT_EQ(form.Height(), window.cy) << pixelsPerInch;

    for (TControl* control : controls) {
      const std::string where = control->Name() + " at " + std::to_string(pixelsPerInch);
      const RECT expected = Scaled(designed[control], dpi), actual = PlaceOf(*control);
      EXPECT_EQ(control->Dpi(), dpi) << where;
      if (dynamic_cast<TLabel*>(control)) {
        EXPECT_EQ(actual.left, expected.left) << where;
        EXPECT_EQ(actual.top, expected.top) << where;
      } else {
        EXPECT_EQ(Shown(actual), Shown(expected)) << where;
      }
      const int width = actual.right - actual.left, height = actual.bottom - actual.top;
      EXPECT_LE(TextWidth(control->Font(), control->Caption()) + RoomBesideText(*control), width) << where;
      if (!dynamic_cast<TGroupBox*>(control) && !dynamic_cast<TLMDCheckListBox*>(control)) {
        EXPECT_LE(MetricsOf(control->Font()).tmHeight, height) << where;
      }
      for (TControl* other : controls) {
        RECT overlap{};
        if (other == control || other->Parent() != control->Parent() ||
            IntersectRect(&overlap, &designed[control], &designed[other]))
          continue;
        const RECT otherActual = PlaceOf(*other);
        EXPECT_FALSE(IntersectRect(&overlap, &actual, &otherActual)) << where << " overlaps " << other->Name();
      }
    }
    EXPECT_EQ(form.CLB->ItemHeight(), dpi.Scale(16)) << pixelsPerInch;
    EXPECT_LE(MetricsOf(form.CLB->Font()).tmHeight, form.CLB->ItemHeight()) << pixelsPerInch;
    EXPECT_LE(CheckGlyphSize(true, dpi).cy, form.CLB->ItemHeight()) << pixelsPerInch;
    EXPECT_EQ(form.PC1->BorderWidth(), dpi.Scale(1)) << pixelsPerInch;
  }
}

// The scaled window fits the monitor's work area: at the monitor's DPI when
// it can, else at the largest DPI below at which it does. The same rule
// holds when the system announces a new DPI.
TEST(Dpi, WindowFitsTheWorkArea) {
  FormFixture fixture;
  TForm1& form = fixture.CreateForm();
  const SIZE client = form.DesignedClientSize();
  struct Case {
    int monitor;
    RECT workArea;
  };
  const RECT laptop{0, 0, 1366, 768}, laptopWithTaskbar{0, 0, 1366, 728};
  for (const Case& row : std::vector<Case>{{120, laptop}, {144, laptop}, {144, laptopWithTaskbar}, {192, laptop}}) {
    const std::string where = std::to_string(row.monitor) + " on " + Shown(row.workArea);
    const TDpi monitor(row.monitor);
    const TDpi scale = TCustomForm::FittingScale(monitor, client, row.workArea);
    form.ScaleForDpi(monitor, row.workArea);
    EXPECT_EQ(form.Dpi(), scale) << where;
    EXPECT_LE(form.Width(), row.workArea.right - row.workArea.left) << where;
    EXPECT_LE(form.Height(), row.workArea.bottom - row.workArea.top) << where;
    if (scale != monitor) {
      const TDpi larger(scale.PixelsPerInch() + 1);
      const SIZE window = monitor.WindowSize({larger.Scale(client.cx), larger.Scale(client.cy)},
                                             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0);
      EXPECT_GT(window.cy, row.workArea.bottom - row.workArea.top) << where;
    }
  }
  EXPECT_EQ(TCustomForm::FittingScale(TDpi(120), client, laptop), TDpi(120));
  EXPECT_NE(TCustomForm::FittingScale(TDpi(144), client, laptop), TDpi(144));

  // This display's work area, announced as the system does.
  RECT suggested{30, 40, 30 + form.Width(), 40 + form.Height()};
  SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  RECT workArea{}, window{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  GetWindowRect(form.Handle(), &window);
  EXPECT_EQ(form.Dpi(), TCustomForm::FittingScale(TDpi(144), client, workArea));
  EXPECT_GE(window.left, workArea.left);
  EXPECT_GE(window.top, workArea.top);
  EXPECT_LE(window.right, workArea.right);
  EXPECT_LE(window.bottom, workArea.bottom);
  EXPECT_EQ(form.Edit2->Left(), form.Dpi().Scale(8));
}
