// The colour of one pixel of an off-screen bitmap, as the drawing tests read
// what was drawn.
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/Graphics.h"

namespace klangor::test {

inline COLORREF pixelOf(TBitmap& bitmap, int x, int y) {
  const uint8_t* pixel = bitmap.ScanLine(y) + 3 * x;
  return RGB(pixel[2], pixel[1], pixel[0]);
}

}  // namespace klangor::test
