// The system menu's About item and the box it shows.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/About.h"
#include "app/SystemMenu.h"
#include "framework/Text.h"
#include "tests/app/FormFixture.h"

using namespace klangor::test;

namespace {

const UINT AboutCommand = TSystemMenu::CommandOf(TCommand::About);

const std::string AboutHead = "Klangor 1.6.0.0\rCopyright © 2026 Klangor\r\rSite : https://downloads.klangor.invalid/";
const std::string AboutShortcuts =
    "\r\rRaccourcis clavier / Keyboard shortcuts :\r"
    "Ctrl+S : Modifier les fichiers / Modify files\r"
    "F5 : -> (relire la liste / list again)\r"
    "Ctrl+D : Valeur par défaut / Default values\r"
    "Ctrl+U : Décocher tout / Uncheck all\r"
    "Échap / Esc : Quitter / Quit\r"
    "Ctrl+I : Valeurs actuelles / Current values\r"
    "Ctrl+L : Prendre les valeurs du fichier sélectionné / Use the selected file's values\r"
    "Ctrl+P : Aperçu de la modification / Preview the change\r"
    "Ctrl+H : Historique / History\r"
    "Ctrl+Maj+S / Ctrl+Shift+S : Enregistrer les valeurs… / Save values…\r"
    "Ctrl+O : Charger des valeurs… / Load values…\r"
    "Ctrl+B : Choisir le dossier du jeu… / Choose the game folder…";

// LOCALAPPDATA pointed at the test's own folder while it lives.
class LocalAppData {
 public:
  explicit LocalAppData(const std::string& folder) {
    wchar_t saved[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", saved, MAX_PATH);
    FSaved = std::wstring(saved, length < MAX_PATH ? length : 0);
    SetEnvironmentVariableW(L"LOCALAPPDATA", Text::ToWide(folder).c_str());
  }
  ~LocalAppData() { SetEnvironmentVariableW(L"LOCALAPPDATA", FSaved.empty() ? nullptr : FSaved.c_str()); }
  LocalAppData(const LocalAppData&) = delete;
  LocalAppData& operator=(const LocalAppData&) = delete;

 private:
  std::wstring FSaved;
};

}  // namespace

TEST(About, SystemMenuItemShowsVersionSiteBackupsAndShortcuts) {
  for (const bool backupsExist : {false, true}) {
    FormFixture fixture;
    fixture.SetRegistryRoot(fixture.GameRootPath());
    const LocalAppData localAppData(fixture.Folder().pathOf("Local"));
    if (backupsExist) fixture.Folder().makeFolder("Local\\Klangor\\Backups");
    fixture.CreateForm();

    HMENU menu = GetSystemMenu(fixture.Form().Handle(), FALSE);
    wchar_t item[64] = {};
    GetMenuStringW(menu, AboutCommand, item, 64, MF_BYCOMMAND);
    EXPECT_EQ(Text::FromWide(item), "À propos de Klangor / About Klangor");

    SendMessageW(fixture.Form().Handle(), WM_SYSCOMMAND, AboutCommand, 0);
    const std::vector<CaughtBox> boxes = fixture.WindowBoxes();
    ASSERT_EQ(boxes.size(), 1u) << backupsExist;
    EXPECT_EQ(boxes[0].caption, AboutCaption);
    EXPECT_EQ(boxes[0].text,
              AboutHead +
                  (backupsExist ? "\rSauvegardes / Backups : " + fixture.Folder().pathOf("Local\\Klangor\\Backups") +
                                      "\rTaille / Size : 0 Ko / 0 KB (max. 1,0 Go / 1.0 GB)"
                                : "") +
                  AboutShortcuts);
    EXPECT_FALSE(boxes[0].hasIcon);
    EXPECT_EQ(boxes[0].buttons, std::vector<std::string>{"OK"});
  }
}
