#include "app/PreviewCommand.h"

#include "app/BusyCursor.h"
#include "app/GameFolder.h"
#include "app/PressPreview.h"
#include "app/PreviewWindow.h"
#include "app/ValueFields.h"

const char* const PreviewCommandCaption = "Aperçu de la modification / Preview the change";

TPreviewCommand::TPreviewCommand(TParts parts) : FParts(parts) {}

void TPreviewCommand::Run() {
  const TBusyCursor busy;
  if (!FParts.Values.Check()) return;
  const std::optional<std::string> root = FParts.Folder.RootForWrite();
  if (!root) return;
  FParts.Window.ShowPreview(TPressPreview(*root, FParts.Folder.TickedNames(), FParts.Values.Filled()).Text());
}
