#include "framework/Dialogs.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "framework/Forms.h"
#include "framework/Text.h"

namespace {

HWND BoxOwner() {
  TCustomForm* form = Application.MainForm();
  return form && form->HandleAllocated() ? form->Handle() : nullptr;
}

// The keys of a Yes/No box, which is subclassed from its creation on:
// - it has no Cancel button, so Windows ignores the Escape key in it; the
//   Cancel command that Escape sends answers No;
// - Enter answers its default button Yes also when the box could not take the
//   focus (another program's window held the foreground as it opened): the
//   default button is marked when the focus reaches it, and without that mark
//   Enter would send the OK command, which a Yes/No box ends with as IDOK.
constexpr UINT_PTR YesNoKeysId = 1;

LRESULT CALLBACK YesNoKeys(HWND box, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
    return DefSubclassProc(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED),
                           reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
  if (msg == DM_GETDEFID) return MAKELRESULT(IDYES, DC_HASDEFID);
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(box, YesNoKeys, YesNoKeysId);
  return DefSubclassProc(box, msg, wParam, lParam);
}

// Watches the current thread for the next dialog box it creates, which is
// the message box about to be shown, and subclasses only that one: other boxes
// opened while it waits (by handed-over calls) keep their own keys.
class YesNoBoxWatch {
 public:
  explicit YesNoBoxWatch(bool yesNo) {
    if (yesNo) Hook = SetWindowsHookExW(WH_CBT, WatchCreation, nullptr, GetCurrentThreadId());
  }
  ~YesNoBoxWatch() { Stop(); }
  YesNoBoxWatch(const YesNoBoxWatch&) = delete;
  YesNoBoxWatch& operator=(const YesNoBoxWatch&) = delete;

 private:
  static void Stop() {
    if (Hook) UnhookWindowsHookEx(Hook);
    Hook = nullptr;
  }

  static LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    const LRESULT next = CallNextHookEx(nullptr, code, wParam, lParam);
    HWND window = reinterpret_cast<HWND>(wParam);
    wchar_t className[16] = {};
    if (code == HCBT_CREATEWND && GetClassNameW(window, className, 16) && wcscmp(className, L"#32770") == 0) {
      SetWindowSubclass(window, YesNoKeys, YesNoKeysId, 0);
      Stop();
    }
    return next;
  }

  static thread_local HHOOK Hook;
};

thread_local HHOOK YesNoBoxWatch::Hook = nullptr;

int ShowBox(const std::string& text, const std::string& caption, UINT flags) {
  return MessageBoxW(BoxOwner(), Text::ToWide(text).c_str(), Text::ToWide(caption).c_str(), flags | MB_TASKMODAL);
}

}  // namespace

void ShowMessageBox(const std::string& text) { ShowMessageBox(text, Application.Title()); }

void ShowMessageBox(const std::string& text, const std::string& caption) { ShowBox(text, caption, MB_OK); }

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, bool yesNo) {
  static const char* const captions[] = {"Warning", "Error", "Information", "Confirm", ""};
  static const UINT icons[] = {MB_ICONWARNING, MB_ICONERROR, MB_ICONINFORMATION, MB_ICONQUESTION, 0};
  const std::string caption = type == mtCustom ? Application.Title() : captions[type];
  const UINT buttons = yesNo ? MB_YESNO | MB_DEFBUTTON1 : MB_OK;
  YesNoBoxWatch watch(yesNo);
  return static_cast<TModalResult>(ShowBox(text, caption, buttons | icons[type]));
}
