#include "components/widgets/LMDItemLayout.h"

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
  if (alignment == FAlignment) return;
  FAlignment = alignment;
  if (OnChange) OnChange();
}

const PropertyTable& TLMDLayout::PublishedTable() {
  static const PropertyTable table(&TPersistent::PublishedTable(), {{"Alignment", Set(&TLMDLayout::SetAlignment)}});
  return table;
}

const PropertyTable& TLMDLayout::Published() const { return PublishedTable(); }

RECT PlaceItemText(const RECT& area, SIZE text, TLMDAlignment alignment) {
  const int left = Placed(area.left, area.right, text.cx, alignment % 3) + 1;
  const int top = Placed(area.top, area.bottom, text.cy, alignment / 3) + 1;
  return {left, top, left + text.cx, top + text.cy};
}

void DrawItemText(TCanvas& canvas, const RECT& area, const std::string& text, TLMDAlignment alignment,
                  bool rightToLeft) {
  const HDC dc = canvas.Handle();
  const HGDIOBJ oldFont = SelectObject(dc, canvas.Font().Handle());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(canvas.Font().Color()));
  const std::wstring wide = Text::ToWide(text);
  const UINT format = TextFormat | (rightToLeft ? DT_RTLREADING : 0);
  RECT measured{0, 0, 0, 0};
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &measured, format | DT_CALCRECT);
  RECT box = PlaceItemText(area, {measured.right, measured.bottom}, alignment);
  IntersectRect(&box, &box, &area);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &box, format);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}
