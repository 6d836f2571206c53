// "Aperçu de la modification / Preview the change": the press's own checks
// of the values and the root, with their messages and the red field, then
// the preview of what the press would write into the ticked files, shown
// without writing anything.
#pragma once

class TGameFolder;
class TPreviewWindow;
class TValueFields;

extern const char* const PreviewCommandCaption;

class TPreviewCommand {
 public:
  struct TParts {
    TValueFields& Values;
    TGameFolder& Folder;
    TPreviewWindow& Window;
  };
  explicit TPreviewCommand(TParts parts);

  void Run();

 private:
  TParts FParts;
};
