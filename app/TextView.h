// A native edit box of several lines, wrapped at its width, that only shows
// its text: the keyboard moves through it and selects in it, screen readers
// read it line by line, and nothing can be typed into it.
#pragma once

#include "framework/StdCtrls.h"

class TTextView : public TEdit {
 public:
  using TEdit::TEdit;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
};
