#include "framework/ToolTips.h"

#include <commctrl.h>

#include "framework/Controls.h"
#include "framework/Text.h"

TToolTips::~TToolTips() {
  for (TWinControl* tool : FTools) tool->SetMessageWatch(nullptr);
  if (FWindow) DestroyWindow(FWindow);
}

void TToolTips::Add(TWinControl& control, const std::string& text) {
  HWND tool = control.Handle();
  if (!FWindow) {
    FWindow = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(tool, GA_ROOT),
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!FWindow) return;
  }
  std::wstring wide = Text::ToWide(text);
  TOOLINFOW info = {};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND;
  info.hwnd = GetParent(tool);
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = wide.data();
  SendMessageW(FWindow, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  FTools.push_back(&control);
  control.SetMessageWatch([this, tool](const TMessage& message) {
    if (!IsMouseMessage(message.Msg)) return;
    MSG relayed{tool, message.Msg, message.WParam, message.LParam, static_cast<DWORD>(GetMessageTime()), {}};
    SendMessageW(FWindow, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
  });
}
