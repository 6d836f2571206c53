// Settings shared by every check list of the process: the size of the
// standard check glyph and whether visual styles can be used.
#pragma once

#include <windows.h>

class TLMDApplication {
 public:
  static TLMDApplication& Instance();

  // One cell of the system's check-box bitmap, a grid of 4 x 3 glyphs.
  SIZE StandardGlyphSize() const { return FStandardGlyph; }

  // The theme library is loaded and a theme active.
  bool ThemesAvailable() const;

 private:
  TLMDApplication();

  SIZE FStandardGlyph{};
};
