// The bevel cut and bar orientation enumerations that progress-style
// controls share, with their layout identifiers in ordinal order.
#pragma once

#include <cstdint>

#include "framework/Published.h"

enum TBevelCut : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

template <>
struct EnumNames<TBevelCut> {
  static constexpr auto names() { return std::array{"bvNone", "bvLowered", "bvRaised", "bvSpace"}; }
};

enum TProgressBarOrientation : uint8_t { pbHorizontal, pbVertical };

template <>
struct EnumNames<TProgressBarOrientation> {
  static constexpr auto names() { return std::array{"pbHorizontal", "pbVertical"}; }
};
