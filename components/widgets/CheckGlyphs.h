// The check glyphs of the check list: the themed check box or radio button,
// or the classic frame controls (flat or 3-D).
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "components/widgets/VisualStyles.h"
#include "framework/Graphics.h"

enum TLMDButtonListMode { blCheckBox, blCheckBox3State, blRadioButton };

template <>
struct EnumNames<TLMDButtonListMode> {
  static constexpr auto names() { return std::array{"blCheckBox", "blCheckBox3State", "blRadioButton"}; }
};

// Item check states.
constexpr uint8_t csUnchecked = 0, csChecked = 1, csGrayed = 2;

struct TCheckGlyphLook {
  bool CtlXP = true;
  bool BtnDefault = true;
  bool BtnFlat = true;
  bool Enabled = true;
  TLMDButtonListMode Mode = blCheckBox;
  uint8_t State = csUnchecked;
  TDpi Dpi;
};

// The standard glyph size at the DPI, or 0 x 0 when the standard glyph is
// not used.
SIZE CheckGlyphSize(bool btnDefault, TDpi dpi = TDpi());

// Draws the glyph centred in the cell; the themed look is drawn with the
// window's "BUTTON" theme opened for the look's DPI.
void DrawCheckGlyph(TCanvas& canvas, TWindowTheme& buttonTheme, HWND window, const RECT& cell,
                    const TCheckGlyphLook& look);

// The frame-control flags of the classic glyph.
UINT ClassicGlyphFlags(TLMDButtonListMode mode, uint8_t state, bool enabled);
