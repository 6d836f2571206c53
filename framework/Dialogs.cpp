#include "framework/Dialogs.h"

#include <windows.h>

#include "framework/Forms.h"
#include "framework/Text.h"

namespace {

HWND BoxOwner() {
  TCustomForm* form = Application.MainForm();
  return form && form->HandleAllocated() ? form->Handle() : nullptr;
}

int ShowBox(const std::string& text, const std::string& caption, UINT flags) {
  return MessageBoxW(BoxOwner(), Text::ToWide(text).c_str(), Text::ToWide(caption).c_str(), flags | MB_TASKMODAL);
}

}  // namespace

void ShowMessageBox(const std::string& text) { ShowBox(text, Application.Title(), MB_OK); }

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, bool yesNo) {
  static const char* const captions[] = {"Warning", "Error", "Information", "Confirm", ""};
  static const UINT icons[] = {MB_ICONWARNING, MB_ICONERROR, MB_ICONINFORMATION, MB_ICONQUESTION, 0};
  const std::string caption = type == mtCustom ? Application.Title() : captions[type];
  const UINT buttons = yesNo ? MB_YESNO | MB_DEFBUTTON1 : MB_OK;
  return static_cast<TModalResult>(ShowBox(text, caption, buttons | icons[type]));
}
