#include "app/ListView.h"

#include <algorithm>
#include <cwchar>
#include <utility>

#include "framework/GdiHandles.h"
#include "framework/Text.h"

TListView::TListView(TComponent* owner) : TWinControl(owner) {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)registered;
  SetColor(clWindow);
}

void TListView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = WC_LISTVIEWW;
  params.OwnClass = false;
  params.Style |= LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_SINGLESEL;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::InitializeWnd() {
  TWinControl::InitializeWnd();
  const DWORD style = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER;
  SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, style, style);
  FShownColumns = 0;
  ApplyColumns();
  SendMessageW(Handle(), LVM_SETITEMCOUNT, static_cast<WPARAM>(FRowCount), 0);
}

void TListView::SetColumns(std::vector<TColumn> columns) {
  FColumns = std::move(columns);
  if (HandleAllocated()) ApplyColumns();
}

void TListView::SetRowCount(int count) {
  FRowCount = count;
  if (HandleAllocated()) SendMessageW(Handle(), LVM_SETITEMCOUNT, static_cast<WPARAM>(count), 0);
}

// The list is painted once, when all its columns are in.
void TListView::ApplyColumns() {
  HWND list = Handle();
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  for (; FShownColumns > 0; --FShownColumns) SendMessageW(list, LVM_DELETECOLUMN, FShownColumns - 1, 0);
  for (const TColumn& column : FColumns) {
    std::wstring caption = Text::ToWide(column.Caption);
    LVCOLUMNW item{};
    item.mask = LVCF_TEXT | LVCF_WIDTH;
    item.pszText = caption.data();
    item.cx = column.Width;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(FShownColumns++), reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

int TListView::TextWidth(const std::string& text) {
  return static_cast<int>(
      SendMessageW(Handle(), LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(Text::ToWide(text).c_str())));
}

// A heading is measured in its heading's own font, which the heading may
// hold apart from the list's.
int TListView::FittingWidth(const std::string& heading, const std::vector<std::string>& cells, int headingRoom,
                            int cellRoom) {
  HWND header = ListView_GetHeader(Handle());
  const TWindowDC dc(header);
  const TSelectObject font(dc.Handle(), reinterpret_cast<HGDIOBJ>(SendMessageW(header, WM_GETFONT, 0, 0)));
  const std::wstring text = Text::ToWide(heading);
  SIZE size{};
  GetTextExtentPoint32W(dc.Handle(), text.c_str(), static_cast<int>(text.size()), &size);
  int width = static_cast<int>(size.cx) + headingRoom;
  for (const std::string& cell : cells) width = std::max(width, TextWidth(cell) + cellRoom);
  return width;
}

void TListView::CellText(NMLVDISPINFOW& info) const {
  if (!(info.item.mask & LVIF_TEXT) || !info.item.pszText || info.item.cchTextMax <= 0) return;
  const std::wstring text = OnCellText ? Text::ToWide(OnCellText(info.item.iItem, info.item.iSubItem)) : L"";
  wcsncpy(info.item.pszText, text.c_str(), static_cast<size_t>(info.item.cchTextMax) - 1);
  info.item.pszText[info.item.cchTextMax - 1] = L'\0';
}

// Every cell is given both colours: the list keeps the last ones it was
// given for the cells after it.
LRESULT TListView::CustomDraw(NMLVCUSTOMDRAW& draw) const {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      const std::optional<TColor> color =
          OnCellColor ? OnCellColor(static_cast<int>(draw.nmcd.dwItemSpec), draw.iSubItem) : std::nullopt;
      draw.clrTextBk = ColorToRGB(color.value_or(clWindow));
      draw.clrText = ColorToRGB(clWindowText);
      return CDRF_NEWFONT;
    }
    default: return CDRF_DODEFAULT;
  }
}

void TListView::Select(int row) {
  LVITEMW item{};
  item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  SendMessageW(Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

// An owner-data list tells a change of several rows with row -1; a single
// selection is always told row by row.
void TListView::ItemChanged(const NMLISTVIEW& change) const {
  if (OnSelect && change.iItem >= 0 && (change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
      !(change.uOldState & LVIS_SELECTED))
    OnSelect(change.iItem);
}

void TListView::HeaderNotification(const NMHDR& notification) {
  if (notification.code != HDN_ITEMDBLCLICKW && notification.code != HDN_ITEMDBLCLICKA) return;
  const auto& header = reinterpret_cast<const NMHEADERW&>(notification);
  if (OnHeaderDoubleClick && header.iItem >= 0) OnHeaderDoubleClick(header.iItem);
}

void TListView::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_NOTIFY) {
    auto* notification = reinterpret_cast<NMHDR*>(message.LParam);
    if (notification->code == LVN_GETDISPINFOW)
      CellText(*reinterpret_cast<NMLVDISPINFOW*>(notification));
    else if (notification->code == LVN_ITEMCHANGED)
      ItemChanged(*reinterpret_cast<NMLISTVIEW*>(notification));
    else if (notification->code == static_cast<UINT>(NM_CUSTOMDRAW))
      message.Result = CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(notification));
    return;
  }
  if (message.Msg == WM_NOTIFY) HeaderNotification(*reinterpret_cast<NMHDR*>(message.LParam));
  TWinControl::WndProc(message);
}
