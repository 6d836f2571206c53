// The named looks of the cylinder progress bar, in ordinal order; peCustom
// marks a look set property by property.
#pragma once

#include <cstdint>

#include "framework/Published.h"

enum TProEffect : uint8_t {
  demoSystem,
  demoMetal,
  demoSunken,
  peCustom,
  peGlassRed,
  peGlassOrange,
  peGlassYellow,
  peGlassGreen,
  peGlassCyan,
  peGlassBlue,
  peGlassViolet,
  peGlassPurple,
  peSystem1,
  peSystem2,
  peSystem3,
  peSystem4,
  peSystem5,
  peSystem6,
  peSystem7,
  peSystem8,
  peUpLoad1,
  peUpLoad2,
  peMetalRed,
  peMetalOrange,
  peMetalYellow,
  peMetalCyan,
  peMetalGreen,
  peMetalLightBlue,
  peMetalBlue,
  peMetalViolet,
  peMetalDarkGray,
  peMetalGold,
  peStdRed,
  peStdYellow,
  peStdGreen,
  peStdBlue,
};

template <>
struct EnumNames<TProEffect> {
  static constexpr auto names() {
    return std::array{
        "demoSystem",      "demoMetal",    "demoSunken",   "peCustom",         "peGlassRed",    "peGlassOrange",
        "peGlassYellow",   "peGlassGreen", "peGlassCyan",  "peGlassBlue",      "peGlassViolet", "peGlassPurple",
        "peSystem1",       "peSystem2",    "peSystem3",    "peSystem4",        "peSystem5",     "peSystem6",
        "peSystem7",       "peSystem8",    "peUpLoad1",    "peUpLoad2",        "peMetalRed",    "peMetalOrange",
        "peMetalYellow",   "peMetalCyan",  "peMetalGreen", "peMetalLightBlue", "peMetalBlue",   "peMetalViolet",
        "peMetalDarkGray", "peMetalGold",  "peStdRed",     "peStdYellow",      "peStdGreen",    "peStdBlue"};
  }
};
