// klangor-window-reader: shows another process's window as the end-to-end scripts need
// to see it, through the same messages a screen reader would send.
//
//   klangor-window-reader.exe TITLE          describe the visible top-level window TITLE
//   klangor-window-reader.exe --close TITLE  ask it to close (WM_CLOSE), as its close box does
//   klangor-window-reader.exe --clipboard    print the clipboard's text as it is (UTF-8)
//
// Output, one line per element, fields separated by tabs, UTF-8 text:
//   window  <title>  outer <w> <h>  client <w> <h>  origin <x> <y>   (client's top-left on screen)
//   control <class>  <id>  <left> <top> <width> <height>  visible|hidden  <text>
//   count   <n>                 after an owner-drawn list box: its LB_GETCOUNT
//   item    <index>  <text>     after a list box that keeps strings: each item
// Control rectangles are relative to the top-level window's client area, the
// coordinates a click in the scripts uses. Texts are fetched with the W messages,
// whose UTF-16 crosses the process boundary intact; tabs and line ends in a text
// are printed as \t, \r and \n.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Give a hung program a bounded wait rather than hanging the test with it.
constexpr UINT kReplyTimeoutMs = 2000;

std::wstring widen(const char* text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
  wide.resize(wcslen(wide.c_str()));
  return wide;
}

std::string printable(const std::wstring& text) {
  std::wstring escaped;
  for (wchar_t c : text) {
    if (c == L'\t')
      escaped += L"\\t";
    else if (c == L'\r')
      escaped += L"\\r";
    else if (c == L'\n')
      escaped += L"\\n";
    else
      escaped += c;
  }
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, escaped.c_str(), static_cast<int>(escaped.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, escaped.c_str(), static_cast<int>(escaped.size()), utf8.data(), length, nullptr,
                      nullptr);
  return utf8;
}

LRESULT send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &result)) return -1;
  return static_cast<LRESULT>(result);
}

std::wstring windowText(HWND window) {
  const LRESULT length = send(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
  const LRESULT got = send(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return std::wstring(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

std::string className(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return printable(name);
}

// The native "ListBox" and the classes a framework derives from it under its own
// name ("TLMDCheckListBox").
bool isListBoxClass(std::string name) {
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name.find("listbox") != std::string::npos;
}

struct Search {
  std::wstring title;
  HWND found = nullptr;
};

BOOL CALLBACK findVisibleTopLevel(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (IsWindowVisible(window) && windowText(window) == search->title) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

void printListBox(HWND listBox) {
  const LONG style = GetWindowLongW(listBox, GWL_STYLE);
  const LRESULT count = send(listBox, LB_GETCOUNT, 0, 0);
  if (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) std::printf("count\t%ld\n", static_cast<long>(count));
  // An owner-drawn list box without LBS_HASSTRINGS keeps no texts: LB_GETTEXT
  // would hand back its item data, which means nothing outside the program.
  if ((style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) && !(style & LBS_HASSTRINGS)) return;
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = send(listBox, LB_GETTEXTLEN, i, 0);
    std::vector<wchar_t> buffer(length > 0 ? static_cast<size_t>(length) + 1 : 1);
    const LRESULT got = send(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
    std::printf("item\t%ld\t%s\n", static_cast<long>(i),
                printable(std::wstring(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0)).c_str());
  }
}

BOOL CALLBACK printControl(HWND control, LPARAM data) {
  HWND top = reinterpret_cast<HWND>(data);
  RECT bounds;
  GetWindowRect(control, &bounds);
  MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&bounds), 2);
  const std::string cls = className(control);
  std::printf("control\t%s\t%d\t%ld %ld %ld %ld\t%s\t%s\n", cls.c_str(), GetDlgCtrlID(control), bounds.left, bounds.top,
              bounds.right - bounds.left, bounds.bottom - bounds.top, IsWindowVisible(control) ? "visible" : "hidden",
              printable(windowText(control)).c_str());
  if (isListBoxClass(cls)) printListBox(control);
  return TRUE;
}

void printWindow(HWND top) {
  RECT outer, client;
  GetWindowRect(top, &outer);
  GetClientRect(top, &client);
  POINT origin = {0, 0};
  ClientToScreen(top, &origin);
  std::printf("window\t%s\touter %ld %ld\tclient %ld %ld\torigin %ld %ld\n", printable(windowText(top)).c_str(),
              outer.right - outer.left, outer.bottom - outer.top, client.right, client.bottom, origin.x, origin.y);
  EnumChildWindows(top, printControl, reinterpret_cast<LPARAM>(top));
}

// The text a paste would give, line ends included.
int printClipboard() {
  if (!OpenClipboard(nullptr)) return 1;
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
  if (text) {
    const std::wstring wide(text);
    GlobalUnlock(data);
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), utf8.data(), length, nullptr, nullptr);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  }
  CloseClipboard();
  return text ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // Plain LF line ends: the scripts read this output with the shell's tools.
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc == 2 && std::string(argv[1]) == "--clipboard") return printClipboard();
  const bool close = argc == 3 && std::string(argv[1]) == "--close";
  if (argc != 2 && !close) {
    std::fprintf(stderr, "usage: klangor-window-reader [--close] TITLE\n");
    return 2;
  }
  Search search{widen(argv[argc - 1])};
  EnumWindows(findVisibleTopLevel, reinterpret_cast<LPARAM>(&search));
  if (!search.found) {
    std::fprintf(stderr, "klangor-window-reader: no visible window titled \"%s\"\n", argv[argc - 1]);
    return 1;
  }
  if (close) return PostMessageW(search.found, WM_CLOSE, 0, 0) ? 0 : 1;
  printWindow(search.found);
  return 0;
}
