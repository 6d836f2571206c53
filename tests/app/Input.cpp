#include "tests/app/Input.h"

namespace klangor::test {

namespace {

constexpr LPARAM InsideCorner = MAKELPARAM(4, 4);

// Shift, Ctrl and Alt in the thread's keyboard state, as GetKeyState sees them.
void SetModifierKeys(TShiftState shift) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = keys[VK_LSHIFT] = (shift & ssShift) ? 0x80 : 0;
  keys[VK_CONTROL] = keys[VK_LCONTROL] = (shift & ssCtrl) ? 0x80 : 0;
  keys[VK_MENU] = keys[VK_LMENU] = (shift & ssAlt) ? 0x80 : 0;
  SetKeyboardState(keys);
}

// Holds Shift down in the thread's keyboard state while it lives.
class ShiftHeld {
 public:
  explicit ShiftHeld(bool held) : FHeld(held) {
    if (FHeld) SetModifierKeys(ssShift);
  }
  ~ShiftHeld() {
    if (FHeld) SetModifierKeys(0);
  }

 private:
  bool FHeld;
};

// A message-only window that sets the modifier keys when its message comes
// up in the queue: posted between key messages, it holds them for exactly
// the keys it precedes.
constexpr UINT SetModifiersMessage = WM_APP + 1;

LRESULT CALLBACK ModifierWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != SetModifiersMessage) return DefWindowProcW(window, msg, wParam, lParam);
  SetModifierKeys(static_cast<TShiftState>(wParam));
  return 0;
}

HWND ModifierWindow() {
  static const HWND window = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ModifierWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"Klangor.Test.Modifiers";
    RegisterClassW(&windowClass);
    return CreateWindowW(windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance,
                         nullptr);
  }();
  return window;
}

}  // namespace

void SendClick(TWinControl& control) {
  SendMessageW(control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, InsideCorner);
  SendMessageW(control.Handle(), WM_LBUTTONUP, 0, InsideCorner);
}

void PostClick(TWinControl& control) {
  PostMessageW(control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, InsideCorner);
  PostMessageW(control.Handle(), WM_LBUTTONUP, 0, InsideCorner);
}

void SendKey(TWinControl& control, WORD key, bool shift) {
  const ShiftHeld held(shift);
  SendMessageW(control.Handle(), WM_KEYDOWN, key, 1);
  SendMessageW(control.Handle(), WM_KEYUP, key, 0xC0000001);
}

void PostKey(TWinControl& control, WORD key, TShiftState shift) {
  const UINT scanCode = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  const LPARAM down = 1 | static_cast<LPARAM>(scanCode) << 16;
  PostMessageW(ModifierWindow(), SetModifiersMessage, shift, 0);
  PostMessageW(control.Handle(), WM_KEYDOWN, key, down);
  PostMessageW(control.Handle(), WM_KEYUP, key, down | 0xC0000000);
  PostMessageW(ModifierWindow(), SetModifiersMessage, 0, 0);
}

void DropQuitMessage() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

}  // namespace klangor::test
