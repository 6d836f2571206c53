// Settings shared by every check list of the process: the size of the
// standard check glyph, an optional custom check bitmap and the switch that
// allows visual styles.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/Graphics.h"

class TLMDApplication {
 public:
  static TLMDApplication& Instance();

  // One cell of the system's check-box bitmap, a grid of 4 x 3 glyphs.
  SIZE StandardGlyphSize() const { return FStandardGlyph; }

  // Six cells side by side: unticked, unticked disabled, ticked, ticked
  // disabled, grayed, grayed disabled. Null when none is set.
  TBitmap* CustomCheckBitmap() const { return FCustomCheck.get(); }
  void SetCustomCheckBitmap(const TBitmap* bitmap, TColor transparentColor);
  TColor CustomCheckTransparentColor() const { return FTransparentColor; }
  SIZE CustomGlyphSize() const;

  bool UseXPThemes() const { return FUseXPThemes; }
  void SetUseXPThemes(bool use) { FUseXPThemes = use; }
  // Visual styles are on here, the theme library loaded and a theme active.
  bool ThemesAvailable() const;

 private:
  TLMDApplication();

  SIZE FStandardGlyph{};
  std::unique_ptr<TBitmap> FCustomCheck;
  TColor FTransparentColor = clFuchsia;
  bool FUseXPThemes = true;
};
