#include "app/Clipboard.h"

#include <cstring>

#include "framework/Text.h"

bool CopyToClipboard(HWND owner, const std::string& text) {
  const std::wstring wide = Text::ToWide(text);
  const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
  GlobalUnlock(memory);
  if (!OpenClipboard(owner)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  // Once handed over, the memory is the clipboard's.
  const bool copied = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  if (!copied) GlobalFree(memory);
  CloseClipboard();
  return copied;
}
