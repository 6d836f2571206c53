// The path entry and the list and value commands on the real window: taking
// a typed root, ticking or unticking every file, filling or clearing the
// value fields, and quitting.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>

#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/ProgressCyl2.h"
#include "components/widgets/bButton.h"
#include "framework/Forms.h"
#include "tests/app/FormFixture.h"
#include "tests/app/Input.h"

using namespace klangor::test;

namespace {

const std::string UncheckAll = "Décocher tout / Uncheck all";
const std::string CheckAll = "Cocher tout / Check all";
const std::string DefaultValues = "Valeur par défaut / Default values";
const std::string ClearValues = "Vider les champs / Clear all values";
const std::string InvalidPathMessage =
    "Le chemin est invalide. / Invalid path.\r\rVous devez indiquer le chemin vers la racine du jeu.\r"
    "You must enter the path to the root of the game.";

// The ways the user hands a typed root to the window.
const std::pair<const char*, std::function<void(TForm1&)>> RootEntries[] = {
    {"Enter", [](TForm1& form) { SendKey(*form.Edit2, VK_RETURN); }},
    {"Shift+Enter", [](TForm1& form) { SendKey(*form.Edit2, VK_RETURN, true); }},
    {"->", [](TForm1& form) { SendClick(*form.bButton5); }},
};

// A window on the game root RBR, holding one sound bank, next to another
// root, Other, holding two.
class RootsWindow {
 public:
  RootsWindow() {
    fixture.AddSoundFile("a.ini");
    fixture.Folder().makeFolder("Other\\KOVEN\\Sounds\\Audio");
    for (const char* name : {"x.ini", "y.ini"})
      fixture.Folder().writeFile(std::string("Other\\KOVEN\\Sounds\\Audio\\") + name, SoundBankText());
    fixture.SetRegistryRoot(fixture.GameRootPath());
    fixture.CreateForm();
  }
  TForm1& form() { return fixture.Form(); }
  std::vector<std::string> Listed() {
    std::vector<std::string> names;
    for (int i = 0; i < form().CLB->Count(); ++i) names.push_back(form().CLB->Items(i));
    std::sort(names.begin(), names.end());
    return names;
  }
  std::vector<bool> Ticks() {
    std::vector<bool> ticks;
    for (int i = 0; i < form().CLB->Count(); ++i) ticks.push_back(form().CLB->Checked(i));
    return ticks;
  }

  FormFixture fixture;
};

}  // namespace

TEST(ListCommands, TypedRootIsListedWithEveryFileTicked) {
  for (const auto& [how, enter] : RootEntries) {
    RootsWindow w;
    w.form().CLB->SetChecked(0, false);
    w.form().PC1->SetPosition(1);
    w.form().Edit2->SetText(w.fixture.Folder().pathOf("Other"));
    enter(w.form());
    EXPECT_EQ(w.form().GameRoot(), w.fixture.Folder().pathOf("Other")) << how;
    EXPECT_EQ(w.Listed(), (std::vector<std::string>{"x.ini", "y.ini"})) << how;
    EXPECT_EQ(w.Ticks(), (std::vector<bool>{true, true})) << how;
    EXPECT_EQ(w.form().Label1->Caption(), "Nb de fichiers / Nb of files : 2") << how;
    EXPECT_EQ(w.form().PC1->Max(), 2) << how;
    EXPECT_EQ(w.form().PC1->Position(), 0) << how;
    EXPECT_TRUE(w.fixture.WindowBoxes().empty()) << how;
  }
}

TEST(ListCommands, RootWithoutKovenFolderEmptiesTheListAfterTheMessage) {
  for (const auto& [how, enter] : RootEntries) {
    RootsWindow w;
    w.form().PC1->SetPosition(1);
    const std::string typed = w.fixture.Folder().pathOf("Other\\KOVEN");  // KOVEN\KOVEN does not exist
    w.form().Edit2->SetText(typed);
    enter(w.form());
    const std::vector<CaughtBox> boxes = w.fixture.WindowBoxes();
    ASSERT_EQ(boxes.size(), 1u) << how;
    EXPECT_EQ(boxes[0].caption, Application.Title());
    EXPECT_EQ(boxes[0].text, InvalidPathMessage);
    EXPECT_FALSE(boxes[0].hasIcon);
    EXPECT_EQ(boxes[0].buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(w.form().CLB->Count(), 0) << how;
    EXPECT_EQ(w.form().GameRoot(), typed) << how;
    EXPECT_EQ(w.form().Label1->Caption(), "Nb de fichiers / Nb of files : 1") << how;
    EXPECT_EQ(w.form().PC1->Max(), 1) << how;
    EXPECT_EQ(w.form().PC1->Position(), 1) << how;
  }
}

TEST(ListCommands, EmptyPathFieldIsTestedLikeAnyOtherText) {
  RootsWindow w;
  w.form().Edit2->SetText("");
  SendKey(*w.form().Edit2, VK_RETURN);
  ASSERT_EQ(w.fixture.WindowBoxes().size(), 1u);
  EXPECT_EQ(w.fixture.WindowBoxes()[0].text, InvalidPathMessage);
  EXPECT_EQ(w.form().GameRoot(), "");
  EXPECT_EQ(w.form().CLB->Count(), 0);
  // A write then finds no item.
  w.form().GainRows()[0].Field->SetText("0.8");
  w.form().Edit2->SetText(w.fixture.GameRootPath());
  SendClick(*w.form().bButton1);
  EXPECT_EQ(w.fixture.Folder().readFile("RBR\\KOVEN\\Sounds\\Audio\\a.ini"), SoundBankText());
}

TEST(ListCommands, OtherKeysInThePathFieldDoNothing) {
  RootsWindow w;
  w.form().Edit2->SetText(w.fixture.Folder().pathOf("Other"));
  for (WORD key : {WORD('A'), WORD(VK_ESCAPE), WORD(VK_SPACE), WORD(VK_F5)}) SendKey(*w.form().Edit2, key);
  EXPECT_EQ(w.Listed(), std::vector<std::string>{"a.ini"});
  EXPECT_EQ(w.form().GameRoot(), w.fixture.GameRootPath());
  EXPECT_TRUE(w.fixture.WindowBoxes().empty());
}

TEST(ListCommands, UncheckAllTogglesTicksCaptionAndColour) {
  RootsWindow w;
  w.form().Edit2->SetText(w.fixture.Folder().pathOf("Other"));
  SendClick(*w.form().bButton5);
  w.form().CLB->SetChecked(1, false);  // one tick by hand, overridden below

  struct Step {
    std::string caption;
    TColor colour;
    std::vector<bool> ticks;
  };
  const Step steps[] = {
      {CheckAll, static_cast<TColor>(8715235), {false, false}},
      {UncheckAll, static_cast<TColor>(16777088), {true, true}},
      {CheckAll, static_cast<TColor>(8715235), {false, false}},
  };
  for (const Step& step : steps) {
    SendClick(*w.form().bButton3);
    EXPECT_EQ(w.form().bButton3->Caption(), step.caption);
    EXPECT_EQ(w.form().bButton3->Color(), step.colour) << step.caption;
    EXPECT_EQ(w.Ticks(), step.ticks) << step.caption;
  }
  // Re-listing ticks every file but keeps the caption's offer to tick all.
  SendKey(*w.form().Edit2, VK_RETURN);
  EXPECT_EQ(w.Ticks(), (std::vector<bool>{true, true}));
  EXPECT_EQ(w.form().bButton3->Caption(), CheckAll);
  SendClick(*w.form().bButton3);
  EXPECT_EQ(w.Ticks(), (std::vector<bool>{true, true}));
  EXPECT_EQ(w.form().bButton3->Caption(), UncheckAll);
}

TEST(ListCommands, DefaultValuesFillThenClearTheValueFields) {
  RootsWindow w;
  TForm1& form = w.form();
  const std::vector<std::string> defaults = {"1.0", "0.35", "0.35", "0.2", "1.0", "1.0", "1.0", "1.0", "1.0", "0.5",
                                             "0.3", "0.25", "0.5",  "1.0", "1.0", "0.5", "0.5", "0.5", "1.0", "1.0",
                                             "1.0", "0.25", "0.25", "1.0", "0.5", "1.0", "1.0", "1.0"};
  const std::string root = form.Edit2->Text();
  form.CheckBox1->SetChecked(true);
  form.GainRows()[0].Field->SetText("0.7");  // typed by the user: overwritten
  form.GainRows()[1].Field->Font().SetColor(clRed);

  SendClick(*form.bButton4);
  EXPECT_EQ(form.Edit1->Text(), "0");
  for (size_t row = 0; row < defaults.size(); ++row)
    EXPECT_EQ(form.GainRows()[row].Field->Text(), defaults[row]) << form.GainRows()[row].Field->Name();
  EXPECT_EQ(form.bButton4->Caption(), ClearValues);
  EXPECT_EQ(form.bButton4->Color(), static_cast<TColor>(33023));

  SendClick(*form.bButton4);
  EXPECT_EQ(form.Edit1->Text(), "");
  for (const TForm1::GainRow& row : form.GainRows()) EXPECT_EQ(row.Field->Text(), "") << row.Field->Name();
  EXPECT_EQ(form.bButton4->Caption(), DefaultValues);
  EXPECT_EQ(form.bButton4->Color(), static_cast<TColor>(65535));

  EXPECT_EQ(form.Edit2->Text(), root);
  EXPECT_TRUE(form.CheckBox1->Checked());
  EXPECT_FALSE(form.CheckBox2->Checked());
  EXPECT_EQ(form.GainRows()[1].Field->Font().Color(), clRed);
}

TEST(ListCommands, QuitOrCloseEndsTheProgram) {
  const std::pair<const char*, std::function<void(TForm1&)>> requests[] = {
      {"Quit", [](TForm1& form) { SendClick(*form.bButton2); }},
      {"close box", [](TForm1& form) { SendMessageW(form.Handle(), WM_CLOSE, 0, 0); }},
  };
  for (const auto& [name, request] : requests) {
    RootsWindow w;
    EXPECT_FALSE(w.fixture.EndRequested()) << name;
    request(w.form());
    EXPECT_TRUE(w.fixture.EndRequested()) << name;
    EXPECT_TRUE(w.fixture.WindowBoxes().empty()) << name;
    DropQuitMessage();
  }
}
