#include "tests/app/Input.h"

namespace klangor::test {

namespace {

constexpr LPARAM InsideCorner = MAKELPARAM(4, 4);

// Holds Shift down in the thread's keyboard state, as GetKeyState sees it.
class ShiftHeld {
 public:
  explicit ShiftHeld(bool held) : FHeld(held) {
    if (FHeld) SetShift(0x80);
  }
  ~ShiftHeld() {
    if (FHeld) SetShift(0);
  }

 private:
  static void SetShift(BYTE state) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = keys[VK_LSHIFT] = state;
    SetKeyboardState(keys);
  }
  bool FHeld;
};

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

void PostKey(TWinControl& control, WORD key) {
  PostMessageW(control.Handle(), WM_KEYDOWN, key, 1);
  PostMessageW(control.Handle(), WM_KEYUP, key, 0xC0000001);
}

void DropQuitMessage() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

}  // namespace klangor::test
