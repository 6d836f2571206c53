// The reading direction a control asks for; right-to-left reading mirrors
// where the check list puts its glyph column and how captions are drawn.
#pragma once

#include <array>

#include "framework/Published.h"

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

template <>
struct EnumNames<TBiDiMode> {
  static constexpr auto names() {
    return std::array{"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"};
  }
};

inline bool UseRightToLeftReading(TBiDiMode mode) { return mode != bdLeftToRight; }
