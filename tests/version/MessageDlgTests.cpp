// The keys of the confirmation box the version check asks its question with:
// Enter answers the default button Yes, Escape answers No although the box has
// no Cancel button.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/Dialogs.h"

namespace {

thread_local WPARAM keyToPress = 0;

// Presses the key in the box once it has set up its buttons (a task-modal box
// is activated before that under Wine), through the box's own modal loop,
// which turns it into the box's command.
LRESULT CALLBACK PressKeyInBox(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == WM_INITDIALOG && keyToPress) {
    PostMessageA(call->hwnd, WM_KEYDOWN, keyToPress, 0);
    keyToPress = 0;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TModalResult AnswerWithKey(WPARAM key, bool yesNo) {
  keyToPress = key;
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, PressKeyInBox, nullptr, GetCurrentThreadId());
  const TModalResult result = MessageDlg("Question", mtConfirmation, yesNo);
  UnhookWindowsHookEx(hook);
  return result;
}

TEST(MessageDlg, EnterAnswersYesAndEscapeAnswersNo) {
  EXPECT_EQ(AnswerWithKey(VK_RETURN, true), mrYes);
  EXPECT_EQ(AnswerWithKey(VK_ESCAPE, true), mrNo);
}

TEST(MessageDlg, BoxWithOneButtonAnswersOkToEnter) { EXPECT_EQ(AnswerWithKey(VK_RETURN, false), mrOk); }

}  // namespace
