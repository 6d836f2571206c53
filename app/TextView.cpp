#include "app/TextView.h"

void TTextView::CreateParams(TCreateParams& params) {
  TEdit::CreateParams(params);
  params.Style &= ~ES_AUTOHSCROLL;
  params.Style |= ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL;
}

// A read-only edit box asks for the colours of static text, which would be
// the dialog's grey: it keeps the window's white.
void TTextView::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_CTLCOLORSTATIC) {
    message.Result = ColorAnswer(message.WParam, Color());
    return;
  }
  TEdit::WndProc(message);
}
