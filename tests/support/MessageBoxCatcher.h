// Catches the modal dialog boxes a test's code shows on the current thread.
//
// While a MessageBoxCatcher lives, a thread-local hook sees every dialog box
// ("#32770") the thread initialises, records what the user would see in it and
// answers it at once, so the modal loop returns without anybody at the keyboard.
// Texts are read as UTF-16 and kept as UTF-8, like the program's own texts.
//
// The system's file dialogs are dialog boxes too. One is answered as a
// person would: the name queued for it typed into its file name field and
// its OK button pressed; without a name queued it is cancelled. The field is
// found as Wine's dialog lays it out (a direct "Edit" child with the id
// edt1).
#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

namespace klangor::test {

struct CaughtBox {
  std::string caption;
  std::string text;                  // the message: the box's non-icon Static; a file dialog's name typed
  std::vector<std::string> buttons;  // button captions in the box's order ("&Yes", "&No")
  bool hasIcon = false;              // a Static with SS_ICON is shown
  int answer = 0;                    // the command id the catcher answered with
  bool isFileDialog = false;
};

class MessageBoxCatcher {
 public:
  MessageBoxCatcher();
  ~MessageBoxCatcher();
  MessageBoxCatcher(const MessageBoxCatcher&) = delete;
  MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

  // Queues the answer for the next box not yet answered (IDYES, IDNO, IDCANCEL...).
  // Boxes beyond the queued answers get their first button.
  void answerNext(int commandId);
  // Queues the file or folder name typed into the next file dialog.
  void answerNextFileDialog(const std::string& name);

  const std::vector<CaughtBox>& boxes() const { return boxes_; }

 private:
  static LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam);
  void catchBox(HWND box);

  HHOOK hook_ = nullptr;
  MessageBoxCatcher* previous_ = nullptr;
  bool answerFileDialog(HWND box, CaughtBox& caught);

  std::deque<int> answers_;
  std::deque<std::string> fileNames_;
  std::vector<CaughtBox> boxes_;
};

}  // namespace klangor::test
