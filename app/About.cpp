#include "app/About.h"

#include <windows.h>

#include "app/Shortcuts.h"
#include "app/Unit1.h"
#include "components/safewrite/BackupStore.h"
#include "components/version/VersionChecker.h"
#include "framework/Classes.h"
#include "framework/Dialogs.h"
#include "framework/SysUtils.h"
#include "framework/Text.h"

const char* const AboutCaption = "À propos de Klangor / About Klangor";

namespace {

// Where backup sets are kept: named in the box only once a write has made it.
std::string BackupsFolder() {
  const std::string folder = TBackupStore::DefaultFolder();
  return DirectoryExists(folder) ? folder : "";
}

}  // namespace

std::string AboutText(TForm1& form) {
  TStringList version;
  std::string text;
  // FileVersion, LegalCopyright, ProductName, ProductVersion: all four are in
  // the program's version resource.
  if (TVersionChecker::ReadVersionInfo(version) && version.Count() >= 3)
    text = version[2] + " " + version[0] + "\r" + version[1] + "\r\r";
  text += "Site : " + form.VersionChecker1->SiteName();
  if (const std::string backups = BackupsFolder(); !backups.empty()) text += "\rSauvegardes / Backups : " + backups;
  text += "\r\rRaccourcis clavier / Keyboard shortcuts :";
  for (const std::string& line : ShortcutLines(form)) text += "\r" + line;
  return text;
}

void ShowAbout(TForm1& form) { ShowMessageBox(AboutText(form), AboutCaption); }
