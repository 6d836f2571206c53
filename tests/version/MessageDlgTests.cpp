// The keys of the confirmation box the version check asks its question with:
// Enter answers the default button Yes, Escape answers No although the box has
// no Cancel button.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/Dialogs.h"

namespace {

thread_local WPARAM keyToPress = 0;
// As when the box opened behind another program's window and its Yes button
// never got the focus, which marks it as the default button.
thread_local bool yesUnmarked = false;

// Presses the key in the box once it has set up its buttons (a task-modal box
// is activated before that under Wine), through the box's own modal loop,
// which turns it into the box's command.
LRESULT CALLBACK PressKeyInBox(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == WM_INITDIALOG && keyToPress) {
    if (yesUnmarked) SendMessageW(GetDlgItem(call->hwnd, IDYES), BM_SETSTYLE, BS_PUSHBUTTON, FALSE);
    PostMessageA(call->hwnd, WM_KEYDOWN, keyToPress, 0);
    keyToPress = 0;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TModalResult AnswerWithKey(WPARAM key, bool yesNo, bool unmarked = false) {
  keyToPress = key;
  yesUnmarked = unmarked;
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, PressKeyInBox, nullptr, GetCurrentThreadId());
  const TModalResult result = MessageDlg("Question", mtConfirmation, yesNo);
  UnhookWindowsHookEx(hook);
  return result;
}

TEST(MessageDlg, EnterAnswersYesAndEscapeAnswersNo) {
  EXPECT_EQ(AnswerWithKey(VK_RETURN, true), mrYes);
  EXPECT_EQ(AnswerWithKey(VK_ESCAPE, true), mrNo);
  EXPECT_EQ(AnswerWithKey(VK_RETURN, true, true), mrYes);
}

TEST(MessageDlg, BoxWithOneButtonAnswersOkToEnter) { EXPECT_EQ(AnswerWithKey(VK_RETURN, false), mrOk); }

}  // namespace
