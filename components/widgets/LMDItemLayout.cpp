#include "components/widgets/LMDItemLayout.h"

#include <algorithm>

#include "framework/GdiHandles.h"
#include "framework/Text.h"

namespace {

constexpr UINT TextFormat = DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE;

// 0 at the start, 1 in the middle, 2 at the end, along one axis.
int Placed(int start, int end, int size, int third) {
  if (third == 0) return start;
  if (third == 1) return start + (end - start - size) / 2;
  return end - size;
}

}  // namespace

void TLMDLayout::SetAlignment(TLMDAlignment alignment) {
  if (AssignIfChanged(FAlignment, alignment) && OnChange) OnChange();
}

const PropertyTable& TLMDLayout::PublishedTable() {
  static const PropertyTable table(&TPersistent::PublishedTable(), {{"Alignment", Set(&TLMDLayout::SetAlignment)}});
  return table;
}

RECT PlaceItemText(const RECT& area, SIZE text, TLMDAlignment alignment) {
  const int left = Placed(area.left, area.right, text.cx, alignment % 3) + 1;
  const int top = Placed(area.top, area.bottom, text.cy, alignment / 3) + 1;
  return {left, top, left + text.cx, top + text.cy};
}

void DrawItemText(TCanvas& canvas, const RECT& area, const std::string& text, TLMDAlignment alignment,
                  bool rightToLeft) {
  const HDC dc = canvas.Handle();
  const TSavedDC saved(dc);
  const TSelectObject font(dc, canvas.Font().Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(canvas.Font().Color()));
  const std::wstring wide = Text::ToWide(text);
  const UINT format = TextFormat | (rightToLeft ? DT_RTLREADING : 0);
  RECT measured{0, 0, 0, 0};
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &measured, format | DT_CALCRECT);
  // The measured box can be a pixel narrower than the drawn text (a last
  // character's overhang), so the text is drawn from the box's corner to the
  // area's far edges and clipped to the area instead.
  const RECT box = PlaceItemText(area, {measured.right, measured.bottom}, alignment);
  RECT drawn{box.left, box.top, std::max(box.right, area.right), std::max(box.bottom, area.bottom)};
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &drawn, format);
}
