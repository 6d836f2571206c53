// The window "Aperçu / Preview": the text of a press's preview
// (TPressPreview), which Ctrl+C copies whole.
#pragma once

#include <string>

#include "app/ToolWindow.h"

class TTextView;

extern const char* const PreviewCaption;

class TPreviewWindow : public TToolWindow {
 public:
  TPreviewWindow(TWinControl& mainWindow, TMainShortcuts mainShortcuts);

  void ShowPreview(const std::string& text);

 protected:
  std::string CopyText() override { return FText; }

 private:
  TTextView* FView;
  std::string FText;
};
