// Reading the windows beside the main window as a screen reader would: the
// shown window of a title, a list view's headings and cells, and what a
// copy put on the clipboard.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace klangor::test {

// The visible top-level window bearing the title, or none.
HWND ShownWindow(const std::wstring& title);
// The first child window of that class.
HWND ChildOf(HWND window, const wchar_t* className);
// The headings, then each row's cells.
std::vector<std::vector<std::string>> ListCells(HWND list);
std::string ClipboardText();

}  // namespace klangor::test
