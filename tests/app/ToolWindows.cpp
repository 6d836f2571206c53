#include "tests/app/ToolWindows.h"

// After windows.h, which it needs.
#include <commctrl.h>

#include "framework/Text.h"

namespace klangor::test {

HWND ShownWindow(const std::wstring& title) {
  HWND window = FindWindowW(nullptr, title.c_str());
  return window && IsWindowVisible(window) ? window : nullptr;
}

HWND ChildOf(HWND window, const wchar_t* className) { return FindWindowExW(window, nullptr, className, nullptr); }

std::vector<std::vector<std::string>> ListCells(HWND list) {
  std::vector<std::vector<std::string>> cells;
  const int columns = static_cast<int>(SendMessageW(ListView_GetHeader(list), HDM_GETITEMCOUNT, 0, 0));
  for (int column = 0; column < columns; ++column) {
    wchar_t text[256] = {};
    LVCOLUMNW heading{};
    heading.mask = LVCF_TEXT;
    heading.pszText = text;
    heading.cchTextMax = 256;
    SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&heading));
    if (cells.empty()) cells.emplace_back();
    cells[0].push_back(Text::FromWide(text));
  }
  const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row) {
    cells.emplace_back();
    for (int column = 0; column < columns; ++column) {
      wchar_t text[256] = {};
      LVITEMW item{};
      item.iSubItem = column;
      item.pszText = text;
      item.cchTextMax = 256;
      SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
      cells.back().push_back(Text::FromWide(text));
    }
  }
  return cells;
}

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "(no clipboard)";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = Text::FromWide(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

}  // namespace klangor::test
