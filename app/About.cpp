#include "app/About.h"

#include <windows.h>

#include "app/Shortcuts.h"
#include "components/safewrite/BackupStore.h"
#include "components/safewrite/StoreMessages.h"
#include "components/version/VersionChecker.h"
#include "framework/Classes.h"
#include "framework/Dialogs.h"
#include "framework/SysUtils.h"

const char* const AboutCaption = "À propos de Klangor / About Klangor";

TAboutBox::TAboutBox(const TVersionChecker& version, const TBackupStore& store, const TShortcuts& shortcuts)
    : FVersion(version), FStore(store), FShortcuts(shortcuts) {}

std::string TAboutBox::Text() const {
  TStringList version;
  std::string text;
  // FileVersion, LegalCopyright, ProductName, ProductVersion: all four are in
  // the program's version resource.
  if (TVersionChecker::ReadVersionInfo(version) && version.Count() >= 3)
    text = version[2] + " " + version[0] + "\r" + version[1] + "\r\r";
  text += "Site : " + FVersion.SiteName();
  // The backups folder is named only once a write has made it.
  if (DirectoryExists(FStore.Folder()))
    text += "\rSauvegardes / Backups : " + FStore.Folder() + "\r" + StoreSizeLine(FStore);
  text += "\r\rRaccourcis clavier / Keyboard shortcuts :";
  for (const std::string& line : FShortcuts.Lines()) text += "\r" + line;
  return text;
}

void TAboutBox::Show() const { ShowMessageBox(Text(), AboutCaption); }
