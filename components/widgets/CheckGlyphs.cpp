#include "components/widgets/CheckGlyphs.h"

#include "components/widgets/LMDApplication.h"
#include "framework/GdiHandles.h"

namespace {

// Parts and states of the theme class "BUTTON".
constexpr int CheckBoxPart = 3, RadioButtonPart = 2;
constexpr int ThemeStates[] = {1, 5, 9};  // unticked, ticked, mixed: the normal looks

RECT CentredGlyph(const RECT& cell, SIZE glyph) {
  const int left = cell.left + (cell.right - cell.left - glyph.cx) / 2;
  const int top = cell.top + (cell.bottom - cell.top - glyph.cy) / 2;
  return {left, top, left + glyph.cx, top + glyph.cy};
}

// A flat check box is the classic sunken box without its 3-D edge: the outer
// two-pixel ring is clipped away and a thin shadow-coloured square drawn
// instead.
void DrawFlatCheckBox(TCanvas& canvas, RECT glyph, UINT flags) {
  {
    const TSavedDC clip(canvas.Handle());
    IntersectClipRect(canvas.Handle(), glyph.left + 2, glyph.top + 2, glyph.right - 2, glyph.bottom - 2);
    DrawFrameControl(canvas.Handle(), &glyph, DFC_BUTTON, flags);
  }
  const TSavedCanvasTools tools(canvas);
  canvas.Brush().Style = bsClear;
  canvas.Pen().Color = clBtnShadow;
  canvas.Rectangle({glyph.left + 1, glyph.top + 1, glyph.right - 1, glyph.bottom - 1});
}

}  // namespace

// Without the standard glyph the list would take a custom bitmap's cells,
// and this program has none. The system's check-box bitmap keeps its 96-DPI
// cells at any DPI (under Wine it is 14 x 13 whatever LogPixels says), so
// the cell is scaled here; the frame control and the theme draw to the size.
SIZE CheckGlyphSize(bool btnDefault, TDpi dpi) {
  if (!btnDefault) return {0, 0};
  const SIZE standard = TLMDApplication::Instance().StandardGlyphSize();
  return {dpi.Scale(standard.cx), dpi.Scale(standard.cy)};
}

UINT ClassicGlyphFlags(TLMDButtonListMode mode, uint8_t state, bool enabled) {
  UINT flags = mode == blRadioButton ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
  if (state == csChecked) flags |= DFCS_CHECKED;
  if (state == csGrayed) flags = DFCS_BUTTON3STATE | DFCS_CHECKED;
  if (!enabled) flags |= DFCS_INACTIVE;
  return flags;
}

void DrawCheckGlyph(TCanvas& canvas, TWindowTheme& buttonTheme, HWND window, const RECT& cell,
                    const TCheckGlyphLook& look) {
  RECT glyph = CentredGlyph(cell, CheckGlyphSize(look.BtnDefault, look.Dpi));
  if (look.CtlXP && TLMDApplication::Instance().ThemesAvailable()) {
    const int part = look.Mode == blRadioButton ? RadioButtonPart : CheckBoxPart;
    buttonTheme.DrawPart(window, look.Dpi, canvas.Handle(), part, ThemeStates[look.State], glyph);
    return;
  }
  UINT flags = ClassicGlyphFlags(look.Mode, look.State, look.Enabled);
  if (look.BtnFlat && look.Mode == blRadioButton) flags |= DFCS_FLAT;
  if (look.BtnFlat && look.Mode != blRadioButton)
    DrawFlatCheckBox(canvas, glyph, flags);
  else
    DrawFrameControl(canvas.Handle(), &glyph, DFC_BUTTON, flags);
}
