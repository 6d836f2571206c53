// The game folder kept between sessions, the recent folders of the window
// menu and the folder picker, on the real window with real folders and the
// real registry key (HKEY_CURRENT_USER\Software\Klangor, owned by the
// fixture). The picker is driven in-process: the folder's path typed into
// the dialog's name field and its OK button pressed (MessageBoxCatcher).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "app/SystemMenu.h"
#include "components/config/GameFolders.h"
#include "components/widgets/LMDCheckListBox.h"
#include "framework/StdCtrls.h"
#include "framework/Text.h"
#include "tests/app/FormFixture.h"
#include "tests/app/Input.h"

using namespace klangor::test;

namespace {

UINT Recent(size_t index) { return TSystemMenu::CommandOf(TCommand::RecentFolder, index); }

// Games in the test's folder: RBR (the fixture's, holding a.ini) and the
// ones made with Game(), each holding one bank named after it.
class Games {
 public:
  Games() { fixture.AddSoundFile("a.ini"); }
  std::string Game(const std::string& name) {
    fixture.Folder().makeFolder(name + "\\KOVEN\\Sounds\\Audio");
    fixture.Folder().writeFile(name + "\\KOVEN\\Sounds\\Audio\\" + name + ".ini", SoundBankText());
    return fixture.Folder().pathOf(name);
  }
  TForm1& Start(const std::string& argument = {}) {
    fixture.DestroyForm();
    TForm1& form = fixture.CreateForm(argument);
    fixture.AwaitVersionWarning();
    return form;
  }
  TForm1& form() { return fixture.Form(); }
  std::vector<std::string> Listed() {
    std::vector<std::string> names;
    for (int i = 0; i < form().CLB->Count(); ++i) names.push_back(form().CLB->Items(i));
    return names;
  }
  // The recent folders as the window menu shows them once opened.
  std::vector<std::string> MenuFolders() {
    HMENU menu = GetSystemMenu(form().Handle(), FALSE);
    SendMessageW(form().Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, TRUE));
    std::vector<std::string> folders;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
      const UINT id = GetMenuItemID(menu, position);
      if (id < Recent(0) || id > Recent(15)) continue;
      wchar_t text[1024] = {};
      GetMenuStringW(menu, position, text, 1024, MF_BYPOSITION);
      folders.push_back(Text::FromWide(text));
    }
    return folders;
  }
  // The menu's commands in their order, from the presets' separator on.
  std::vector<UINT> MenuFrom(UINT first) {
    HMENU menu = GetSystemMenu(form().Handle(), FALSE);
    std::vector<UINT> ids;
    for (int position = 0; position < GetMenuItemCount(menu); ++position)
      if (GetMenuItemID(menu, position) == first || !ids.empty())
        ids.push_back(GetMenuState(menu, position, MF_BYPOSITION) & MF_SEPARATOR ? 0 : GetMenuItemID(menu, position));
    return ids;
  }
  void Choose(const std::string& folder) {
    fixture.Boxes().answerNextFileDialog(folder);
    PostKey(*form().Edit1, 'B', ssCtrl);
    fixture.Pump();
  }

  FormFixture fixture;
};

}  // namespace

TEST(GameFolderMemory, TheLastFolderWithBanksComesBackWhereTheRegistryGivesNone) {
  Games g;
  const std::string other = g.Game("Other");
  // A folder without a bank is never kept.
  g.fixture.Folder().makeFolder("Empty\\KOVEN\\Sounds\\Audio");
  g.Start(other);
  g.form().Edit2->SetText(g.fixture.Folder().pathOf("Empty"));
  SendKey(*g.form().Edit2, VK_RETURN);

  struct Case {
    const char* registry;  // what the game's registry entry gives
    std::string expected;
  };
  const Case cases[] = {
      {nullptr, other},        // no entry
      {"C:\\Nowhere", other},  // a folder that is not there
      {"", other},             // an empty entry
  };
  for (const Case& c : cases) {
    if (c.registry) g.fixture.SetRegistryRoot(c.registry);
    TForm1& form = g.Start();
    EXPECT_EQ(form.Edit2->Text(), c.expected) << (c.registry ? c.registry : "no entry");
    EXPECT_EQ(g.Listed(), std::vector<std::string>{"Other.ini"});
  }
  // A registry entry with banks is used, as it always was, and kept in turn.
  g.fixture.SetRegistryRoot(g.fixture.GameRootPath());
  g.Start();
  EXPECT_EQ(g.form().Edit2->Text(), g.fixture.GameRootPath());
  EXPECT_EQ(g.Listed(), std::vector<std::string>{"a.ini"});
  EXPECT_EQ(g.MenuFolders(), (std::vector<std::string>{g.fixture.GameRootPath(), other}));
  EXPECT_TRUE(g.fixture.WindowBoxes().empty());
}

TEST(GameFolderMemory, FoldersReadBackAreCheckedBeforeTheyAreShownOrListed) {
  Games g;
  const std::string other = g.Game("Other");
  const std::string gone = g.fixture.Folder().pathOf("Gone");
  g.fixture.Folder().makeFolder("Empty\\KOVEN\\Sounds\\Audio");
  const std::string deep = g.fixture.Folder().pathOf(std::string(240, 'd'));
  g.fixture.KeptFolders().setMultiString(
      "RecentGameFolders", {"..\\" + other.substr(3), gone, g.fixture.Folder().pathOf("Empty"), deep, other});
  for (const char* last : {"Gone", "Empty", "Nothing"}) {
    g.fixture.KeptFolders().setString("LastGameFolder", g.fixture.Folder().pathOf(last));
    TForm1& form = g.Start();
    EXPECT_EQ(form.Edit2->Text(), "") << last;
    EXPECT_TRUE(g.Listed().empty()) << last;
  }
  EXPECT_EQ(g.MenuFolders(), std::vector<std::string>{other});
  // A value of another type is no folder.
  g.fixture.KeptFolders().setDword("LastGameFolder", 1);
  g.fixture.KeptFolders().setDword("RecentGameFolders", 1);
  g.Start();
  EXPECT_TRUE(g.MenuFolders().empty());
  EXPECT_TRUE(g.fixture.WindowBoxes().empty());
}

TEST(GameFolderMemory, TheMenuListsTheLastFiveNewestFirstAndChoosingOneListsIt) {
  Games g;
  g.fixture.SetRegistryRoot(g.fixture.GameRootPath());
  g.Start();
  std::vector<std::string> games;
  for (const char* name : {"One", "Two", "Three", "Four", "Five", "Six & more"}) games.push_back(g.Game(name));
  for (const std::string& game : games) {
    g.form().Edit2->SetText(game);
    SendKey(*g.form().Edit2, VK_RETURN);
  }
  // Two again, with another letter case: moved to the top, not listed twice.
  g.form().Edit2->SetText(Text::LowerCase(games[1]));
  SendKey(*g.form().Edit2, VK_RETURN);
  const std::vector<std::string> shown = g.MenuFolders();
  // A menu shows "&" doubled.
  EXPECT_EQ(shown, (std::vector<std::string>{Text::LowerCase(games[1]), g.fixture.Folder().pathOf("Six && more"),
                                             games[4], games[3], games[2]}));
  // Separator, the folder items, the recent folders, separator, the backup items.
  const auto command = [](TCommand c) { return TSystemMenu::CommandOf(c); };
  EXPECT_EQ(
      g.MenuFrom(command(TCommand::SaveValues)),
      (std::vector<UINT>{command(TCommand::SaveValues), command(TCommand::LoadValues), command(TCommand::ChooseFolder),
                         Recent(0), Recent(1), Recent(2), Recent(3), Recent(4), 0, command(TCommand::Redo),
                         command(TCommand::Undo), command(TCommand::OpenBackups), command(TCommand::About)}));

  SendMessageW(g.form().Handle(), WM_SYSCOMMAND, Recent(2), 0);
  EXPECT_EQ(g.form().Edit2->Text(), games[4]);
  EXPECT_EQ(g.Listed(), std::vector<std::string>{"Five.ini"});
  EXPECT_EQ(g.MenuFolders().front(), games[4]);
  EXPECT_TRUE(g.fixture.WindowBoxes().empty());
}

TEST(GameFolderMemory, PickingTheRootItsKovenOrItsSoundFolderListsTheRoot) {
  Games g;
  const std::string other = g.Game("Other");
  g.Start();
  for (const std::string& picked : {other, other + "\\KOVEN", other + "\\KOVEN\\Sounds\\Audio",
                                    Text::LowerCase(other) + "\\koven\\sounds\\audio"}) {
    g.form().Edit2->SetText("");
    g.form().CLB->Clear();
    g.Choose(picked);
    EXPECT_TRUE(SameFolder(g.form().Edit2->Text(), other)) << picked << " gave " << g.form().Edit2->Text();
    EXPECT_EQ(g.Listed(), std::vector<std::string>{"Other.ini"}) << picked;
  }
  std::vector<std::string> titles;
  for (const CaughtBox& box : g.fixture.WindowBoxes()) titles.push_back(box.caption);
  EXPECT_EQ(titles, std::vector<std::string>(4, "Choisir le dossier du jeu / Choose the game folder"));
}
