#include "tests/support/MessageBoxCatcher.h"

#include <stdexcept>

#include "tests/support/Utf8.h"

namespace klangor::test {
namespace {

thread_local MessageBoxCatcher* activeCatcher = nullptr;

// The program's texts are UTF-8; the box holds them as UTF-16.
std::string windowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return narrow(text);
}

std::string className(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

}  // namespace

MessageBoxCatcher::MessageBoxCatcher() {
  hook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, hookProc, nullptr, GetCurrentThreadId());
  if (!hook_)
    throw std::runtime_error("SetWindowsHookExA(WH_CALLWNDPROCRET) failed: " + std::to_string(GetLastError()));
  previous_ = activeCatcher;
  activeCatcher = this;
}

MessageBoxCatcher::~MessageBoxCatcher() {
  activeCatcher = previous_;
  UnhookWindowsHookEx(hook_);
}

void MessageBoxCatcher::answerNext(int commandId) { answers_.push_back(commandId); }

void MessageBoxCatcher::answerNextFileDialog(const std::string& name) { fileNames_.push_back(name); }

bool MessageBoxCatcher::answerFileDialog(HWND box, CaughtBox& caught) {
  constexpr int fileNameField = 0x480;  // edt1
  HWND field = GetDlgItem(box, fileNameField);
  if (!field || className(field) != "Edit") return false;
  caught.isFileDialog = true;
  caught.answer = IDCANCEL;
  if (!fileNames_.empty()) {
    caught.text = fileNames_.front();
    fileNames_.pop_front();
    SetWindowTextW(field, widen(caught.text).c_str());
    caught.answer = IDOK;
  }
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(caught.answer, BN_CLICKED), 0);
  return true;
}

LRESULT CALLBACK MessageBoxCatcher::hookProc(int code, WPARAM wParam, LPARAM lParam) {
  // Nested catchers each have a hook on the chain; only the first call,
  // the innermost catcher's, catches the box.
  static thread_local int chainDepth = 0;
  ++chainDepth;
  const LRESULT next = CallNextHookEx(nullptr, code, wParam, lParam);
  --chainDepth;
  // A box is caught once it has filled in its texts and buttons, when its
  // WM_INITDIALOG returns: a task-modal box is activated before that.
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (chainDepth == 0 && activeCatcher && code == HC_ACTION && call->message == WM_INITDIALOG &&
      className(call->hwnd) == "#32770")
    activeCatcher->catchBox(call->hwnd);
  return next;
}

void MessageBoxCatcher::catchBox(HWND box) {
  CaughtBox caught;
  caught.caption = windowText(box);
  if (answerFileDialog(box, caught)) {
    boxes_.push_back(std::move(caught));
    return;
  }
  HWND firstButton = nullptr;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::string cls = className(child);
    if (cls == "Button") {
      caught.buttons.push_back(windowText(child));
      if (!firstButton) firstButton = child;
    } else if (cls == "Static") {
      // An icon Static can be left in place with no icon in it.
      if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
        caught.hasIcon = caught.hasIcon || SendMessageA(child, STM_GETICON, 0, 0) != 0;
      else if (caught.text.empty())
        caught.text = windowText(child);
    }
  }

  if (!answers_.empty()) {
    caught.answer = answers_.front();
    answers_.pop_front();
  } else {
    caught.answer = firstButton ? GetDlgCtrlID(firstButton) : IDOK;
  }
  HWND button = GetDlgItem(box, caught.answer);
  // The answer is posted: the box's modal loop, which starts right after its
  // initialisation, receives it as the click of that button.
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(caught.answer, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  boxes_.push_back(std::move(caught));
}

}  // namespace klangor::test
