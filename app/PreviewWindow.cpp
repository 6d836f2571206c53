#include "app/PreviewWindow.h"

#include "app/TextView.h"

const char* const PreviewCaption = "Aperçu / Preview";

TPreviewWindow::TPreviewWindow(TWinControl& mainWindow, TMainShortcuts mainShortcuts)
    : TToolWindow(mainWindow, PreviewCaption, std::move(mainShortcuts)), FView(new TTextView(this)) {
  Fill({FView});
}

void TPreviewWindow::ShowPreview(const std::string& text) {
  FText = text;
  FView->SetText(text);
  Open();
}
