// Modal message boxes, owned by the application's main form and centred on
// the screen.
#pragma once

#include <string>

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// A box without icon, with the application title (or the caption given) as
// caption and one OK button.
void ShowMessageBox(const std::string& text);
void ShowMessageBox(const std::string& text, const std::string& caption);

// A box of the given kind: captions "Warning", "Error", "Information",
// "Confirm" (the application title for mtCustom) and the matching icon. With
// Yes and No, Yes is the default button and the Escape key answers No.
TModalResult MessageDlg(const std::string& text, TMsgDlgType type, bool yesNo);
