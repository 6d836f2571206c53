// The ways in for a game the registry does not name: the folder given on the
// command line, a path pasted with Explorer's quotes, and a folder dropped
// onto the window; and a preset given or dropped the same ways.
#include <gtest/gtest.h>

#include <windows.h>
// After windows.h: DROPFILES.
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <tuple>

#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/ProgressCyl2.h"
#include "components/widgets/bButton.h"
#include "framework/Forms.h"
#include "framework/Text.h"
#include "tests/app/FormFixture.h"
#include "tests/app/Input.h"

using namespace klangor::test;

namespace {

const std::string InvalidPathMessage =
    "Le chemin est invalide. / Invalid path.\r\rVous devez indiquer le chemin vers la racine du jeu.\r"
    "You must enter the path to the root of the game.";

// The registry names RBR, holding a.ini; the folder Other holds x.ini and y.ini.
class Roots {
 public:
  Roots() {
    fixture.AddSoundFile("a.ini");
    fixture.Folder().makeFolder("Other\\KOVEN\\Sounds\\Audio");
    for (const char* name : {"x.ini", "y.ini"})
      fixture.Folder().writeFile(std::string("Other\\KOVEN\\Sounds\\Audio\\") + name, SoundBankText());
    fixture.SetRegistryRoot(fixture.GameRootPath());
  }
  std::string Other() { return fixture.Folder().pathOf("Other"); }
  std::string Missing() { return fixture.Folder().pathOf("Nowhere"); }
  TForm1& form() { return fixture.Form(); }
  std::vector<std::string> Listed() {
    std::vector<std::string> names;
    for (int i = 0; i < form().CLB->Count(); ++i)
      names.push_back(form().CLB->Items(i) + (form().CLB->Checked(i) ? "" : " (unticked)"));
    std::sort(names.begin(), names.end());
    return names;
  }
  std::vector<std::string> BoxTexts() {
    std::vector<std::string> texts;
    for (const CaughtBox& box : fixture.WindowBoxes()) texts.push_back(box.text);
    return texts;
  }

  FormFixture fixture;
};

// What the window shows once a root was given: the path field, the game root,
// the listed files and the boxes shown.
struct Outcome {
  std::string path;
  std::string root;
  std::vector<std::string> listed;
  std::vector<std::string> boxes;
  bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& outcome, std::ostream* out) {
  *out << "path [" << outcome.path << "] root [" << outcome.root << "] " << testing::PrintToString(outcome.listed)
       << " boxes " << testing::PrintToString(outcome.boxes);
}

Outcome OutcomeOf(Roots& r) { return {r.form().Edit2->Text(), r.form().GameRoot(), r.Listed(), r.BoxTexts()}; }

Outcome OtherListed(Roots& r) { return {r.Other(), r.Other(), {"x.ini", "y.ini"}, {}}; }
Outcome MissingRefused(Roots& r) { return {r.Missing(), r.Missing(), {}, {InvalidPathMessage}}; }

// A drop handle as the shell hands it to WM_DROPFILES: a DROPFILES header in
// movable global memory followed by the names, each ended by a null, and a
// closing null.
HDROP DropOf(const std::vector<std::string>& paths) {
  std::wstring names;
  for (const std::string& path : paths) names += Text::ToWide(path) + L'\0';
  names += L'\0';
  const size_t bytes = names.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), names.data(), bytes);
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

}  // namespace

TEST(GameFolderEntry, FolderArgumentStandsForTheRegistryRoot) {
  const std::pair<std::function<std::string(Roots&)>, std::function<Outcome(Roots&)>> cases[] = {
      {[](Roots& r) { return r.Other(); }, OtherListed},
      {[](Roots& r) { return "\"" + r.Other() + "\""; }, OtherListed},
      // "D:\Jeux\RBR\" on a command line reads as D:\Jeux\RBR" : the quote stays behind.
      {[](Roots& r) { return r.Other() + "\""; }, OtherListed},
      {[](Roots& r) { return "\"" + r.Missing() + "\""; }, MissingRefused},
      // No argument, or an empty one: start-up as without a command line.
      {[](Roots&) { return ""; },
       [](Roots& r) {
         return Outcome{r.fixture.GameRootPath(), r.fixture.GameRootPath(), {"a.ini"}, {}};
       }},
      {[](Roots&) { return "\"\""; },
       [](Roots& r) {
         return Outcome{r.fixture.GameRootPath(), r.fixture.GameRootPath(), {"a.ini"}, {}};
       }},
  };
  for (const auto& [argument, expected] : cases) {
    Roots r;
    r.fixture.CreateForm(argument(r));
    EXPECT_EQ(OutcomeOf(r), expected(r)) << "argument " << argument(r);
  }
}

TEST(GameFolderEntry, QuotesAroundATypedPathAreRemovedBeforeItIsUsed) {
  const std::pair<const char*, std::function<void(TForm1&)>> uses[] = {
      {"Enter", [](TForm1& form) { SendKey(*form.Edit2, VK_RETURN); }},
      {"->", [](TForm1& form) { SendClick(*form.bButton5); }},
  };
  for (const auto& [how, use] : uses) {
    Roots r;
    r.fixture.CreateForm();
    r.form().Edit2->SetText("\"" + r.Other() + "\"");
    use(r.form());
    EXPECT_EQ(OutcomeOf(r), OtherListed(r)) << how;
  }
  // The write takes its root from the field as well.
  Roots r;
  r.fixture.CreateForm();
  r.form().GainRows()[0].Field->SetText("0.8");
  r.form().Edit2->SetText("\"" + r.fixture.GameRootPath() + "\"");
  SendClick(*r.form().bButton1);
  EXPECT_EQ(r.form().Edit2->Text(), r.fixture.GameRootPath());
  EXPECT_EQ(r.form().GameRoot(), r.fixture.GameRootPath());
  EXPECT_TRUE(r.BoxTexts().empty());
  EXPECT_NE(r.fixture.Folder().readFile("RBR\\KOVEN\\Sounds\\Audio\\a.ini"), SoundBankText());
}

TEST(GameFolderEntry, DroppedFolderIsTakenAsTypedAndConfirmed) {
  const std::pair<std::function<std::vector<std::string>(Roots&)>, std::function<Outcome(Roots&)>> cases[] = {
      {[](Roots& r) { return std::vector<std::string>{r.Other()}; }, OtherListed},
      {[](Roots& r) {
         return std::vector<std::string>{r.Other(), r.fixture.GameRootPath()};
       },
       OtherListed},
      {[](Roots& r) { return std::vector<std::string>{r.Missing()}; }, MissingRefused},
  };
  for (const auto& [dropped, expected] : cases) {
    Roots r;
    r.fixture.CreateForm();
    ASSERT_TRUE(GetWindowLongPtrW(r.form().Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    SendMessageW(r.form().Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(dropped(r))), 0);
    EXPECT_EQ(OutcomeOf(r), expected(r)) << dropped(r).front();
  }
}

TEST(GameFolderEntry, WrongFolderArgumentLeavesTheWindowAsAfterAnEmptyListing) {
  Roots r;
  r.fixture.CreateForm("\"" + r.Missing() + "\"");
  EXPECT_EQ(OutcomeOf(r), MissingRefused(r));
  auto countAndBar = [&r] {
    return std::make_tuple(r.form().Label1->Caption(), r.form().PC1->Max(), r.form().PC1->Position(),
                           r.form().PC1->CaptionText());
  };
  const auto afterArgument = countAndBar();
  r.fixture.Folder().makeFolder("Empty\\KOVEN\\Sounds\\Audio");
  r.form().Edit2->SetText(r.fixture.Folder().pathOf("Empty"));
  SendKey(*r.form().Edit2, VK_RETURN);
  EXPECT_EQ(afterArgument, countAndBar());
  EXPECT_EQ(std::get<0>(afterArgument), "Nb de fichiers / Nb of files : 0");
}

// A preset named on the command line or dropped onto the window fills the
// value fields; the root is the registry's, as without an argument.
TEST(GameFolderEntry, APresetGivenAtStartOrDroppedIsLoaded) {
  const std::string preset = "[OPTIONS::SOUNDS]\r\nNumberChannels=16\r\n[AMP::SOUNDS]\r\nWind=0.45\r\n";
  const std::pair<const char*, std::function<void(Roots&, const std::string&)>> ways[] = {
      {"argument", [](Roots& r, const std::string& path) { r.fixture.CreateForm("\"" + path + "\""); }},
      {"drop",
       [](Roots& r, const std::string& path) {
         r.fixture.CreateForm();
         SendMessageW(r.form().Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({path})), 0);
       }},
  };
  for (const auto& [way, give] : ways) {
    Roots r;
    r.fixture.Folder().writeFile("My preset.INI", preset);
    give(r, r.fixture.Folder().pathOf("My preset.INI"));
    EXPECT_EQ(OutcomeOf(r), (Outcome{r.fixture.GameRootPath(), r.fixture.GameRootPath(), {"a.ini"}, {}})) << way;
    EXPECT_EQ(r.form().Edit1->Text(), "16") << way;
    EXPECT_EQ(r.form().GainRows()[12].Field->Text(), "0.45") << way;  // Wind
    EXPECT_EQ(r.form().GainRows()[0].Field->Text(), "") << way;
  }
  // A folder whose name ends in ".ini" is still a folder.
  Roots r;
  r.fixture.Folder().makeFolder("Game.ini\\KOVEN\\Sounds\\Audio");
  r.fixture.Folder().writeFile("Game.ini\\KOVEN\\Sounds\\Audio\\g.ini", SoundBankText());
  r.fixture.CreateForm(r.fixture.Folder().pathOf("Game.ini"));
  EXPECT_EQ(r.Listed(), std::vector<std::string>{"g.ini"});
}
