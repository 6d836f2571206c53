// The tooltip window of a form: a short text shown when the mouse rests on
// one of its controls. The native tooltip control watches each control's
// mouse messages itself (it subclasses the control), so the controls need
// no code of their own for it.
#pragma once

#include <windows.h>

#include <string>

class TWinControl;

class TToolTips {
 public:
  TToolTips() = default;
  ~TToolTips();
  TToolTips(const TToolTips&) = delete;
  TToolTips& operator=(const TToolTips&) = delete;

  // Shows `text` over the control from now on; the tooltip window is made
  // with the first control, below the control's top-level window.
  void Add(TWinControl& control, const std::string& text);
  HWND Handle() const { return FWindow; }

 private:
  HWND FWindow = nullptr;
};
