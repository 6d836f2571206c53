#include "app/FieldTips.h"

// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "app/BankValues.h"
#include "app/GameFolder.h"
#include "app/ValueFields.h"
#include "components/config/GameFolders.h"
#include "framework/Controls.h"
#include "framework/Dpi.h"
#include "framework/SysUtils.h"
#include "framework/Text.h"

namespace {

const char* const NoTickedFile = "Aucun fichier coché / No file ticked";
// At 96 DPI: the widest a tip grows before it wraps, and the focus tip's
// distance below its field.
constexpr int TipWidth = 420, FocusTipGap = 2;

HWND MakeTip(HWND owner) {
  HWND tip =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, TDpi::OfWindow(owner).Scale(TipWidth));
  return tip;
}

TTTOOLINFOW ToolOf(HWND owner, UINT flags, UINT_PTR id, std::wstring* text = nullptr) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = flags;
  tool.hwnd = owner;
  tool.uId = id;
  tool.lpszText = text ? text->data() : const_cast<wchar_t*>(L"");
  return tool;
}

}  // namespace

TFieldTips::TFieldTips(TParts parts) : FParts(parts), FFields(parts.Values.SettingFields()) {}

TFieldTips::~TFieldTips() {
  for (TWinControl* field : FFields) field->SetMessageWatch(nullptr);
  if (FHoverTip) DestroyWindow(FHoverTip);
  if (FFocusTip) DestroyWindow(FFocusTip);
}

void TFieldTips::Attach() {
  for (size_t i = 0; i < FFields.size(); ++i)
    FFields[i]->SetMessageWatch([this, i](const TMessage& message) { Watch(i, message); });
}

// The tip windows are made when first wanted: a window where no field was
// ever hovered or focused has none.
HWND TFieldTips::HoverTip() {
  if (FHoverTip) return FHoverTip;
  HWND owner = FParts.MainWindow.Handle();
  FHoverTip = MakeTip(owner);
  for (TWinControl* field : FFields) {
    TTTOOLINFOW tool = ToolOf(owner, TTF_IDISHWND, reinterpret_cast<UINT_PTR>(field->Handle()));
    SendMessageW(FHoverTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  return FHoverTip;
}

HWND TFieldTips::FocusTip() {
  if (FFocusTip) return FFocusTip;
  FFocusTip = MakeTip(FParts.MainWindow.Handle());
  TTTOOLINFOW track = ToolOf(FParts.MainWindow.Handle(), TTF_TRACK | TTF_ABSOLUTE, 0);
  SendMessageW(FFocusTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&track));
  return FFocusTip;
}

void TFieldTips::Watch(size_t setting, const TMessage& message) {
  const UINT msg = message.Msg;
  HWND window = FFields[setting]->Handle();
  if (IsMouseMessage(msg)) Hovered(setting, MSG{window, msg, message.WParam, message.LParam, 0, {}});
  if (msg == WM_MOUSELEAVE && FQuiet == setting) FQuiet = None;
  if (msg == WM_SETFOCUS) Focused(setting);
  // Typing into the field: the tips would only hide the fields around it.
  if (msg == WM_CHAR) Quieten(setting, window);
  if (msg == WM_KILLFOCUS || msg == WM_CHAR) Unfocused();
}

// The hovering tip's text is made again when the mouse comes to another
// field. A field clicked or typed into shows it no more until the mouse has
// left it.
void TFieldTips::Hovered(size_t setting, const MSG& message) {
  if (message.message == WM_LBUTTONDOWN || message.message == WM_RBUTTONDOWN) Quieten(setting, message.hwnd);
  if (FQuiet == setting) return;
  if (message.message == WM_MOUSEMOVE && FHovered != setting) {
    FHovered = setting;
    std::wstring text = Text::ToWide(Text(setting));
    TTTOOLINFOW tool =
        ToolOf(FParts.MainWindow.Handle(), TTF_IDISHWND, reinterpret_cast<UINT_PTR>(message.hwnd), &text);
    SendMessageW(HoverTip(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SendMessageW(HoverTip(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

void TFieldTips::Quieten(size_t setting, HWND field) {
  if (FHoverTip) SendMessageW(FHoverTip, TTM_POP, 0, 0);
  if (FQuiet == setting) return;
  FQuiet = setting;
  TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, field, 0};
  TrackMouseEvent(&leave);
}

// A field clicked into has its hovering tip; the focus tip is for a field
// reached with the keyboard.
void TFieldTips::Focused(size_t setting) {
  if (GetKeyState(VK_LBUTTON) < 0) return;
  FFocused = setting;
  ShowFocusTip();
}

void TFieldTips::Unfocused() {
  FFocused = None;
  if (!FFocusTip) return;
  TTTOOLINFOW track = ToolOf(FParts.MainWindow.Handle(), TTF_TRACK | TTF_ABSOLUTE, 0);
  SendMessageW(FFocusTip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&track));
}

// Below the field, at its left edge.
void TFieldTips::ShowFocusTip() {
  HWND field = FFields[FFocused]->Handle();
  std::wstring text = Text::ToWide(Text(FFocused));
  TTTOOLINFOW track = ToolOf(FParts.MainWindow.Handle(), TTF_TRACK | TTF_ABSOLUTE, 0, &text);
  SendMessageW(FocusTip(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&track));
  RECT bounds{};
  GetWindowRect(field, &bounds);
  const int gap = TDpi::OfWindow(field).Scale(FocusTipGap);
  SendMessageW(FFocusTip, TTM_TRACKPOSITION, 0, MAKELPARAM(bounds.left, bounds.bottom + gap));
  SendMessageW(FFocusTip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&track));
}

void TFieldTips::Refresh() {
  FHovered = None;
  if (FFocused != None) ShowFocusTip();
}

std::string TFieldTips::Text(size_t setting) {
  const std::vector<std::string> names = FParts.Folder.TickedNames();
  if (names.empty()) return NoTickedFile;
  const std::string folder = SoundFolderOf(FParts.Folder.Root());
  // Each value with its count, in the order the files first show it.
  std::vector<std::pair<std::string, size_t>> counts;
  for (const std::string& name : names) {
    const std::string value = FParts.Banks.File(folder + "\\" + name).Values[setting].value_or(AbsentValue);
    auto found = std::find_if(counts.begin(), counts.end(), [&](const auto& count) { return count.first == value; });
    if (found == counts.end())
      counts.emplace_back(value, 1);
    else
      ++found->second;
  }
  std::stable_sort(counts.begin(), counts.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  std::string text;
  for (size_t i = 0; i < counts.size(); ++i) {
    const auto& [value, count] = counts[i];
    text += (i ? ", " : "") + value + " : " + IntToStr(static_cast<long long>(count));
    // Only the first count names its unit: "0.8 : 9 fichiers / files, 1.0 : 3".
    if (i == 0) text += count == 1 ? " fichier / file" : " fichiers / files";
  }
  return text;
}
