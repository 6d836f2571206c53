// A window of the main window's that shows something beside it: owned by
// the main window (above it, minimised with it, not on the taskbar),
// resizable and not modal. Its controls fill it above its lines of
// explanation. Escape closes it, Ctrl+C copies what it shows as text, and
// the main window's other shortcuts work in it as they do there. Its font
// and first size follow the window's DPI, so it grows with the system's
// text size and scale.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/Forms.h"
#include "framework/StdCtrls.h"

class TToolWindow : public TCustomForm {
 public:
  // The main window's shortcuts: true when the key was one of them.
  using TMainShortcuts = std::function<bool(WORD key, TShiftState shift)>;

  TToolWindow(TWinControl& mainWindow, const std::string& caption, TMainShortcuts mainShortcuts);

  // Shows the window in front, with the keyboard focus in it.
  void Open();
  bool IsOpen() const { return Visible(); }
  void Close() override;
  bool IsShortCut(WORD key, TShiftState shift) override;

 protected:
  // What Ctrl+C copies.
  virtual std::string CopyText() = 0;
  // Told as the window is opened, once its windows exist and before it shows.
  virtual void Opening() {}
  // Told once the window's DPI is known, and whenever it changes.
  virtual void DpiChanged() {}
  // Lengths given at 96 DPI, at the window's DPI.
  int Scaled(int length) const;
  // The controls that fill the window, one above the other with equal
  // heights; the lines go below them.
  void Fill(const std::vector<TWinControl*>& contents, const std::vector<std::string>& lines = {});

  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void ApplyDpi(int dpi);
  void Arrange();

  TWinControl& FMainWindow;
  TMainShortcuts FMainShortcuts;
  std::vector<TWinControl*> FContents;
  std::vector<TLabel*> FLines;
  int FDpi = USER_DEFAULT_SCREEN_DPI;
};
