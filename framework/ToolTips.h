// The tooltip window of a form: a short text shown when the mouse rests on
// one of its controls. The control's mouse messages reach the tooltip
// through the control's message watch, so the controls need no code of
// their own for it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

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
  std::vector<TWinControl*> FTools;
};
