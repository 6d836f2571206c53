#include "components/widgets/LMDCheckListBox.h"

#include <windowsx.h>

#include "components/widgets/LMDApplication.h"
#include "components/widgets/VisualStyles.h"
#include "framework/GdiHandles.h"

namespace {

// The state after a user's toggle, by mode.
uint8_t ToggledState(TLMDButtonListMode mode, uint8_t old, bool allowUnselect) {
  switch (mode) {
    case blCheckBox3State: return old == csUnchecked ? csGrayed : old == csChecked ? csUnchecked : csChecked;
    case blRadioButton: return old == csChecked && allowUnselect ? csUnchecked : csChecked;
    default: return old == csChecked ? csUnchecked : csChecked;
  }
}

bool IsLeftPress(UINT msg) { return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK; }

bool IsButtonPress(UINT msg) {
  return IsLeftPress(msg) || msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDOWN ||
         msg == WM_MBUTTONDBLCLK;
}

// Theme class "EDIT", part 1; its state bits combine.
constexpr int EditBorderPart = 1;
constexpr int BorderNormal = 1, BorderFocused = 5, BorderHot = 2, BorderDisabled = 4;

}  // namespace

TLMDCustomCheckListBox::TLMDCustomCheckListBox(TComponent* owner) : TLMDCustomListBox(owner) {
  FLayout.OnChange = [this] { Invalidate(); };
}

// The window goes while this object is whole, so that its destruction frees
// the records here.
TLMDCustomCheckListBox::~TLMDCustomCheckListBox() { DestroyHandle(); }

// ---- records

TLMDButtonListData& TLMDCustomCheckListBox::Record(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= FRecords.size()) ListIndexError(index);
  return *FRecords[static_cast<size_t>(index)];
}

// Every item gets its record as it is added.
void TLMDCustomCheckListBox::ItemAdded(int index, const std::string& text) {
  auto record = std::make_unique<TLMDButtonListData>();
  record->Text = text;
  SetItemDataSlot(index, reinterpret_cast<LPARAM>(record.get()));
  FRecords.insert(FRecords.begin() + index, std::move(record));
}

void TLMDCustomCheckListBox::ItemDeleting(int index) {
  Record(index);  // an index the list does not hold raises the list-index error
  FRecords.erase(FRecords.begin() + index);
}

void TLMDCustomCheckListBox::ItemsClearing() { FRecords.clear(); }

std::string TLMDCustomCheckListBox::Items(int index) const { return Record(index).Text; }

int32_t TLMDCustomCheckListBox::ItemData(int index) const { return Record(index).Data; }

// While the window is being re-created, each item's data write also gives
// the item back the check it had.
void TLMDCustomCheckListBox::SetItemData(int index, int32_t data) {
  TLMDButtonListData& record = Record(index);
  record.Data = data;
  if (FNextSavedCheck >= FSavedChecks.size()) return;
  record.State = FSavedChecks[FNextSavedCheck].State;
  record.Disabled = FSavedChecks[FNextSavedCheck].Disabled;
  ++FNextSavedCheck;
}

void TLMDCustomCheckListBox::DestroyWnd() {
  FSavedChecks.clear();
  const int count = Count();
  for (int i = 0; i < count; ++i) FSavedChecks.push_back({ItemState(i), !ItemEnabled(i)});
  TLMDCustomListBox::DestroyWnd();
}

void TLMDCustomCheckListBox::InitializeWnd() {
  FNextSavedCheck = 0;
  TLMDCustomListBox::InitializeWnd();
  FSavedChecks.clear();
  FNextSavedCheck = 0;
}

// ---- check states

uint8_t TLMDCustomCheckListBox::ItemState(int index) const { return Record(index).State; }

void TLMDCustomCheckListBox::SetItemState(int index, uint8_t state) {
  if (state > csGrayed || state == ItemState(index)) return;
  Record(index).State = state;
  InvalidateCheck(index);
}

bool TLMDCustomCheckListBox::Checked(int index) const { return ItemState(index) == csChecked; }

// A grayed item already reads as not ticked, so unticking leaves it grayed.
void TLMDCustomCheckListBox::SetChecked(int index, bool checked) {
  if (checked == Checked(index)) return;
  Record(index).State = checked ? csChecked : csUnchecked;
  InvalidateCheck(index);
}

bool TLMDCustomCheckListBox::ItemEnabled(int index) const { return !Record(index).Disabled; }

void TLMDCustomCheckListBox::SetItemEnabled(int index, bool enabled) {
  if (enabled == ItemEnabled(index)) return;
  Record(index).Disabled = !enabled;
  const RECT item = ItemRect(index);
  InvalidateRect(Handle(), &item, TRUE);
}

void TLMDCustomCheckListBox::CheckAll(bool Uncheck) {
  if (FBtnMode == blRadioButton) return;
  const int count = Count();
  for (int i = 0; i < count; ++i) SetChecked(i, !Uncheck);
}

void TLMDCustomCheckListBox::ToggleCheck(int index) {
  if (index < 0 || index >= Count() || !ItemEnabled(index)) return;
  const uint8_t old = ItemState(index);
  if (FBtnMode == blRadioButton) {
    const int count = Count();
    for (int i = 0; i < count; ++i) SetItemState(i, csUnchecked);
  }
  SetItemState(index, ToggledState(FBtnMode, old, FBtnAllowUnselect));
  ClickCheck();
}

int TLMDCustomCheckListBox::CheckColumnWidth() const {
  return FBtnGap + CheckGlyphSize(FBtnDefault, Dpi()).cx + Dpi().Scale(2);
}

// Only the glyph column is invalidated and painted at once, so that a burst
// of changes such as CheckAll shows each glyph as it changes; while the list
// is being updated it is painted once at the end instead.
void TLMDCustomCheckListBox::InvalidateCheck(int index) {
  if (!HandleAllocated() || Updating()) return;
  RECT column = ItemRect(index);
  if (RightToLeft())
    column.left = column.right - CheckColumnWidth();
  else
    column.right = column.left + CheckColumnWidth();
  InvalidateRect(Handle(), &column, TRUE);
  UpdateWindow(Handle());
}

// ---- user input

bool TLMDCustomCheckListBox::InCheckColumn(int x, const RECT& item) const {
  if (!RightToLeft()) return x - item.left < CheckColumnWidth();
  const int offset = x - (item.right - CheckColumnWidth());
  return offset > 0 && offset < CheckColumnWidth();
}

void TLMDCustomCheckListBox::ClickAt(int x, int y) {
  const LRESULT hit = SendList(LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
  const int index = LOWORD(hit);
  if (HIWORD(hit) != 0 || index >= Count() || !ItemEnabled(index)) return;
  const RECT item = ItemRect(index);
  if (!PtInRect(&item, POINT{x, y})) return;
  if (!FSelectByClick && !InCheckColumn(x, item)) return;
  ToggleCheck(index);
}

void TLMDCustomCheckListBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CHAR: KeyPressed(message); return;
    case WM_DESTROY: FRecords.clear(); break;
    case WM_THEMECHANGED:
      FButtonTheme.Reset();
      FEditTheme.Reset();
      break;
    case WM_NCPAINT:
      TLMDCustomListBox::WndProc(message);
      if (ThemedLook()) PaintThemedBorder();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TLMDCustomListBox::WndProc(message);
      RedrawBorder();
      return;
    default:
      if (!IsButtonPress(message.Msg)) break;
      TLMDCustomListBox::WndProc(message);
      if (IsLeftPress(message.Msg) && !FReadOnly) ClickAt(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
      return;
  }
  TLMDCustomListBox::WndProc(message);
}

// OnKeyPress sees the character first and may swallow it; a space that
// reaches the list toggles the item with the caret.
void TLMDCustomCheckListBox::KeyPressed(TMessage& message) {
  auto key = static_cast<wchar_t>(message.WParam);
  Raise(OnKeyPress, this, key);
  if (key == 0) return;
  message.WParam = key;
  TLMDCustomListBox::WndProc(message);
  if (!FReadOnly && key == L' ') ToggleCheck(ItemIndex());
}

// ---- themed border

bool TLMDCustomCheckListBox::ThemedLook() const { return FCtlXP && TLMDApplication::Instance().ThemesAvailable(); }

// Themed, the list has a plain one-pixel border that the theme paints over.
void TLMDCustomCheckListBox::CreateParams(TCreateParams& params) {
  TLMDCustomListBox::CreateParams(params);
  if (!ThemedLook() || !(params.ExStyle & WS_EX_CLIENTEDGE)) return;
  params.ExStyle &= ~WS_EX_CLIENTEDGE;
  params.Style |= WS_BORDER;
}

void TLMDCustomCheckListBox::PaintThemedBorder() {
  HWND window = Handle();
  RECT bounds{};
  GetWindowRect(window, &bounds);
  OffsetRect(&bounds, -bounds.left, -bounds.top);
  const TWindowDC windowDC(window, TWindowDC::Whole);
  const HDC dc = windowDC.Handle();
  ExcludeClipRect(dc, bounds.left + 1, bounds.top + 1, bounds.right - 1, bounds.bottom - 1);
  int state = BorderNormal;
  if (Focused()) state |= BorderFocused;
  if (FMouseInside) state |= BorderHot;
  if (!Enabled()) state |= BorderDisabled;
  FEditTheme.DrawPart(window, Dpi(), dc, EditBorderPart, state, bounds);
}

void TLMDCustomCheckListBox::RedrawBorder() {
  if (HandleAllocated() && ThemedLook()) PaintThemedBorder();
}

void TLMDCustomCheckListBox::MouseEnter() { RedrawBorder(); }

void TLMDCustomCheckListBox::MouseLeave() { RedrawBorder(); }

// ---- drawing

RECT TLMDCustomCheckListBox::TextArea(const RECT& item) const {
  RECT area = item;
  if (RightToLeft())
    area.right -= CheckColumnWidth();
  else
    area.left += CheckColumnWidth();
  return area;
}

std::string TLMDCustomCheckListBox::DisplayText(int index) const {
  std::string text = Items(index);
  if (FOptions.Contains(lboCheckImageNr)) text = text.substr(0, text.find(FDelimiter));
  return text;
}

void TLMDCustomCheckListBox::DrawItem(TCanvas& canvas, int index, const RECT& area, UINT) {
  const int column = CheckColumnWidth();
  const RECT cell = RightToLeft() ? RECT{area.right, area.top, area.right + column, area.bottom}
                                  : RECT{area.left - column, area.top, area.left, area.bottom};
  const bool enabled = Enabled() && ItemEnabled(index);
  DrawCheckGlyph(canvas, FButtonTheme, Handle(), cell,
                 {FCtlXP, FBtnDefault, FBtnFlat, enabled, FBtnMode, ItemState(index), Dpi()});
  if (!enabled) canvas.Font().SetColor(clGrayText);
  const RECT text{area.left + FMargin, area.top, area.right - FMargin, area.bottom - 1};
  DrawItemText(canvas, text, DisplayText(index), FLayout.Alignment(), RightToLeft());
}

// ---- properties

void TLMDCustomCheckListBox::ScaleChanged(TDpi from) {
  TLMDCustomListBox::ScaleChanged(from);
  FBtnGap = static_cast<uint8_t>(Dpi().Rescale(FBtnGap, from));
  FMargin = static_cast<uint8_t>(Dpi().Rescale(FMargin, from));
}

void TLMDCustomCheckListBox::SetBtnMode(TLMDButtonListMode mode) {
  if (AssignIfChanged(FBtnMode, mode)) Invalidate();
}

void TLMDCustomCheckListBox::SetBtnFlat(bool flat) {
  if (AssignIfChanged(FBtnFlat, flat)) Repaint();
}

void TLMDCustomCheckListBox::SetBtnDefault(bool standard) {
  if (AssignIfChanged(FBtnDefault, standard)) Repaint();
}

void TLMDCustomCheckListBox::SetBtnGap(uint8_t gap) {
  if (AssignIfChanged(FBtnGap, gap)) Repaint();
}

void TLMDCustomCheckListBox::SetCtlXP(bool ctlXP) {
  if (AssignIfChanged(FCtlXP, ctlXP)) RecreateWnd();
}

void TLMDCustomCheckListBox::SetMargin(uint8_t margin) {
  if (AssignIfChanged(FMargin, margin)) Invalidate();
}

void TLMDCustomCheckListBox::SetDelimiter(char delimiter) {
  if (AssignIfChanged(FDelimiter, delimiter)) Invalidate();
}

void TLMDCustomCheckListBox::SetOptions(TLMDImageBoxOptions options) {
  if (AssignIfChanged(FOptions, options)) Invalidate();
}
