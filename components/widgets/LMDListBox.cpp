#include "components/widgets/LMDListBox.h"

#include "framework/SysUtils.h"
#include "framework/Text.h"

TLMDCustomListBox::TLMDCustomListBox(TComponent* owner) : TWinControl(owner) {
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
}

TLMDCustomListBox::~TLMDCustomListBox() { DestroyHandle(); }

void TLMDCustomListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = L"LISTBOX";
  params.OwnClass = false;
  params.Style |= WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
  if (FMultiSelect) params.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

// The native list asks for the item height while it is being created, which
// may be before the window is bound to this object; it is set again here.
void TLMDCustomListBox::InitializeWnd() {
  TWinControl::InitializeWnd();
  if (FMultiSelect) FHideSelection = false;
  SendList(LB_SETITEMHEIGHT, 0, FItemHeight);
  for (size_t i = 0; i < FSaved.Texts.size(); ++i) {
    SetItemData(AddNativeString(FSaved.Texts[i]), FSaved.Data[i]);
  }
  if (!FSaved.Texts.empty()) SendList(LB_SETTOPINDEX, static_cast<WPARAM>(FSaved.TopIndex));
  if (!FSaved.Texts.empty()) FItemIndex = FSaved.ItemIndex;
  FSaved = TSavedItems();
  if (FItemIndex >= 0) SetItemIndex(FItemIndex);
}

void TLMDCustomListBox::DestroyWnd() {
  FSaved = TSavedItems();
  const int count = Count();
  for (int i = 0; i < count; ++i) {
    FSaved.Texts.push_back(Items(i));
    FSaved.Data.push_back(ItemData(i));
  }
  FSaved.TopIndex = TopIndex();
  FSaved.ItemIndex = ItemIndex();
  TWinControl::DestroyWnd();
}

void TLMDCustomListBox::RecreateWnd() {
  if (!HandleAllocated()) return;
  DestroyHandle();
  HandleNeeded();
}

LRESULT TLMDCustomListBox::SendList(UINT msg, WPARAM wParam, LPARAM lParam) const {
  HWND window = const_cast<TLMDCustomListBox*>(this)->Handle();
  if (!window) throw Exception("Control '" + Name() + "' has no parent window");
  return SendMessageW(window, msg, wParam, lParam);
}

void TLMDCustomListBox::ListIndexError(int index) const {
  throw EListError("List index out of bounds (" + IntToStr(index) + ")");
}

// ---- items

int TLMDCustomListBox::Count() const { return static_cast<int>(SendList(LB_GETCOUNT)); }

std::string TLMDCustomListBox::Items(int index) const {
  const LRESULT length = SendList(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length == LB_ERR) ListIndexError(index);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = SendList(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
  return Text::FromWide(text);
}

int TLMDCustomListBox::AddNativeString(const std::string& text) {
  const std::wstring wide = Text::ToWide(text);
  const LRESULT index = SendList(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  if (index < 0) throw Exception("Not enough storage is available to add a list item");
  ItemAdded(static_cast<int>(index), text);
  return static_cast<int>(index);
}

// Writing the new item's data gives it its record at once.
int TLMDCustomListBox::AddItem(const std::string& text) {
  const int index = AddNativeString(text);
  SetItemData(index, 0);
  return index;
}

void TLMDCustomListBox::Delete(int index) {
  ItemDeleting(index);
  if (SendList(LB_DELETESTRING, static_cast<WPARAM>(index)) == LB_ERR) ListIndexError(index);
}

void TLMDCustomListBox::Clear() {
  ItemsClearing();
  SendList(LB_RESETCONTENT);
}

// The native list takes room for all the texts at once rather than growing
// item by item.
void TLMDCustomListBox::SetItems(const TStringList& lines) {
  BeginUpdate();
  Clear();
  size_t characters = 0;
  for (const std::string& line : lines.Lines()) characters += line.size() + 1;
  SendList(LB_INITSTORAGE, lines.Lines().size(), static_cast<LPARAM>(characters * sizeof(wchar_t)));
  for (const std::string& line : lines.Lines()) AddItem(line);
  EndUpdate();
}

void TLMDCustomListBox::BeginUpdate() {
  if (FUpdateCount++ == 0) SendList(WM_SETREDRAW, FALSE);
}

void TLMDCustomListBox::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0) return;
  SendList(WM_SETREDRAW, TRUE);
  Invalidate();
}

LPARAM TLMDCustomListBox::ItemDataSlot(int index) const {
  const LRESULT slot = SendList(LB_GETITEMDATA, static_cast<WPARAM>(index));
  if (slot == LB_ERR) ListIndexError(index);
  return slot;
}

void TLMDCustomListBox::SetItemDataSlot(int index, LPARAM value) {
  if (SendList(LB_SETITEMDATA, static_cast<WPARAM>(index), value) == LB_ERR) ListIndexError(index);
}

int32_t TLMDCustomListBox::ItemData(int index) const { return static_cast<int32_t>(ItemDataSlot(index)); }

void TLMDCustomListBox::SetItemData(int index, int32_t data) { SetItemDataSlot(index, data); }

// ---- selection

int TLMDCustomListBox::ItemIndex() const {
  if (!HandleAllocated()) return FItemIndex;
  return static_cast<int>(SendList(FMultiSelect ? LB_GETCARETINDEX : LB_GETCURSEL));
}

void TLMDCustomListBox::SetItemIndex(int index) {
  FItemIndex = index;
  if (!HandleAllocated()) return;
  SendList(FMultiSelect ? LB_SETCARETINDEX : LB_SETCURSEL, static_cast<WPARAM>(index));
}

bool TLMDCustomListBox::Selected(int index) const {
  const LRESULT selected = SendList(LB_GETSEL, static_cast<WPARAM>(index));
  if (selected == LB_ERR) ListIndexError(index);
  return selected > 0;
}

void TLMDCustomListBox::SetSelected(int index, bool selected) {
  const LRESULT result = FMultiSelect ? SendList(LB_SETSEL, selected, index)
                                      : SendList(LB_SETCURSEL, selected ? static_cast<WPARAM>(index) : WPARAM(-1));
  if (result == LB_ERR && (FMultiSelect || selected)) ListIndexError(index);
}

int TLMDCustomListBox::TopIndex() const { return static_cast<int>(SendList(LB_GETTOPINDEX)); }

RECT TLMDCustomListBox::ItemRect(int index) const {
  RECT rect{};
  if (SendList(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)) == LB_ERR)
    ListIndexError(index);
  return rect;
}

// ---- properties

void TLMDCustomListBox::ScaleChanged(TDpi from) {
  TWinControl::ScaleChanged(from);
  SetItemHeight(Dpi().Rescale(FItemHeight, from));
}

void TLMDCustomListBox::SetItemHeight(int height) {
  if (height <= 0 || height == FItemHeight) return;
  FItemHeight = height;
  if (!HandleAllocated()) return;
  SendList(LB_SETITEMHEIGHT, 0, height);
  Invalidate();
}

void TLMDCustomListBox::SetMultiSelect(bool multiSelect) {
  if (AssignIfChanged(FMultiSelect, multiSelect)) RecreateWnd();
}

void TLMDCustomListBox::SetExtendedSelect(bool extendedSelect) {
  if (AssignIfChanged(FExtendedSelect, extendedSelect) && FMultiSelect) RecreateWnd();
}

void TLMDCustomListBox::SetSelectedColor(TColor color) {
  if (AssignIfChanged(FSelectedColor, color)) Invalidate();
}

void TLMDCustomListBox::SetSelectedFontColor(TColor color) {
  if (AssignIfChanged(FSelectedFontColor, color)) Invalidate();
}

void TLMDCustomListBox::SetSelectedFontStyle(TFontStyles style) {
  if (AssignIfChanged(FSelectedFontStyle, style)) Invalidate();
}

void TLMDCustomListBox::SetDisabledColor(TColor color) {
  if (AssignIfChanged(FDisabledColor, color)) Invalidate();
}

void TLMDCustomListBox::SetHideSelection(bool hide) {
  if (AssignIfChanged(FHideSelection, hide)) Invalidate();
}

void TLMDCustomListBox::SetHideFocus(bool hide) {
  if (AssignIfChanged(FHideFocus, hide)) Invalidate();
}

void TLMDCustomListBox::SetBeveledFocus(bool beveled) {
  if (AssignIfChanged(FBeveledFocus, beveled)) Invalidate();
}

void TLMDCustomListBox::SetBevelFocusShadowColor(TColor color) {
  if (AssignIfChanged(FBevelFocusShadowColor, color)) Invalidate();
}

void TLMDCustomListBox::SetBevelFocusLightColor(TColor color) {
  if (AssignIfChanged(FBevelFocusLightColor, color)) Invalidate();
}

void TLMDCustomListBox::SetTransparent(bool transparent) {
  if (AssignIfChanged(FTransparent, transparent)) Invalidate();
}

void TLMDCustomListBox::SetBiDiMode(TBiDiMode mode) {
  if (AssignIfChanged(FBiDiMode, mode)) Invalidate();
}

void TLMDCustomListBox::EnabledChanged() {
  TWinControl::EnabledChanged();
  Invalidate();
}

void TLMDCustomListBox::ColorChanged() {
  TWinControl::ColorChanged();
  Invalidate();
}

// ---- drawing

TColor TLMDCustomListBox::BackgroundColor() const {
  if (!Enabled()) return FDisabledColor;
  if (FTransparent && Parent()) return Parent()->Color();
  return Color();
}

// The text area is filled in the item's background (the selection colour
// when selected); the glyph column beside it keeps the list's background.
void TLMDCustomListBox::DrawItemRequest(const DRAWITEMSTRUCT& request) {
  RECT area = TextArea(request.rcItem);
  FItemCanvas.SetHandle(request.hDC);
  FItemCanvas.Font().Assign(Font());
  FItemCanvas.Brush().Style = bsSolid;
  FItemCanvas.Brush().Color = BackgroundColor();
  const bool focusedOrShown = !FHideSelection || Focused();
  const bool showSelection = Enabled() && focusedOrShown;
  const bool showFocus = Enabled() && !FHideFocus;
  const int index = Count() == 0 ? -1 : static_cast<int>(request.itemID);
  if ((request.itemState & ODS_SELECTED) && showSelection) {
    FItemCanvas.Brush().Color = FSelectedColor;
    FItemCanvas.Font().SetColor(FSelectedFontColor);
    FItemCanvas.Font().SetStyle(FSelectedFontStyle);
  }
  FItemCanvas.FillRect(area);
  if (index >= 0) DrawItem(FItemCanvas, index, area, request.itemState);
  if ((request.itemState & ODS_FOCUS) && showFocus) DrawFocus(request.hDC, area);
  FItemCanvas.SetHandle(nullptr);
}

void TLMDCustomListBox::DrawFocus(HDC dc, RECT rect) {
  if (rect.bottom == rect.top) rect.bottom = rect.top + FItemHeight;
  if (!FBeveledFocus) {
    DrawFocusRect(dc, &rect);
    return;
  }
  FItemCanvas.Pen().Color = FBevelFocusShadowColor;
  FItemCanvas.Polyline({{rect.left, rect.bottom - 1}, {rect.left, rect.top}, {rect.right, rect.top}});
  FItemCanvas.Pen().Color = FBevelFocusLightColor;
  FItemCanvas.Polyline(
      {{rect.right - 1, rect.top}, {rect.right - 1, rect.bottom - 1}, {rect.left - 1, rect.bottom - 1}});
}

void TLMDCustomListBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_BASE + WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam)->itemHeight = static_cast<UINT>(FItemHeight);
      message.Result = TRUE;
      return;
    case CN_BASE + WM_DRAWITEM:
      DrawItemRequest(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
      message.Result = TRUE;
      return;
    case CN_BASE + WM_CTLCOLORLISTBOX: message.Result = ColorAnswer(message.WParam, BackgroundColor()); return;
    default: TWinControl::WndProc(message);
  }
}
