// How an item's text sits in its area: the `Layout` sub-object of the list
// and the drawing of one item text.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "framework/Graphics.h"

enum TLMDAlignment {
  agTopLeft,
  agTopCenter,
  agTopRight,
  agCenterLeft,
  agCenter,
  agCenterRight,
  agBottomLeft,
  agBottomCenter,
  agBottomRight
};

template <>
struct EnumNames<TLMDAlignment> {
  static constexpr auto names() {
    return std::array{"agTopLeft",     "agTopCenter",  "agTopRight",     "agCenterLeft", "agCenter",
                      "agCenterRight", "agBottomLeft", "agBottomCenter", "agBottomRight"};
  }
};

class TLMDLayout : public TPersistent {
 public:
  TLMDAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TLMDAlignment alignment);

  std::function<void()> OnChange;

  PUBLISHED_PROPERTIES;

 private:
  TLMDAlignment FAlignment = agTopLeft;
};

// The box of a text of the given size placed in the area by the alignment,
// then moved one pixel right and one down.
RECT PlaceItemText(const RECT& area, SIZE text, TLMDAlignment alignment);

// Draws one line of item text in the canvas's font and font colour over a
// transparent background: no word wrap, tabs expanded, "&" shown as itself,
// clipped to the area.
void DrawItemText(TCanvas& canvas, const RECT& area, const std::string& text, TLMDAlignment alignment,
                  bool rightToLeft);
