// The About box of the window menu: version and copyright from the version
// resource, the update site, the backups folder once it exists with the
// size its sets take, and the keyboard shortcuts.
#pragma once

#include <string>

class TBackupStore;
class TShortcuts;
class TVersionChecker;

extern const char* const AboutCaption;

class TAboutBox {
 public:
  TAboutBox(const TVersionChecker& version, const TBackupStore& store, const TShortcuts& shortcuts);

  std::string Text() const;
  void Show() const;

 private:
  const TVersionChecker& FVersion;
  const TBackupStore& FStore;
  const TShortcuts& FShortcuts;
};
