// The window menu's own items, undoing the writes one press at a time, and
// the question at start-up after a write that was cut short.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/SystemMenu.h"
#include "components/safewrite/BackupStore.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/bButton.h"
#include "framework/Forms.h"
#include "framework/Text.h"
#include "tests/app/FormFixture.h"
#include "tests/app/Input.h"

using namespace klangor::test;

namespace {

const UINT UndoCommand = TSystemMenu::CommandOf(TCommand::Undo);
const UINT OpenBackupsCommand = TSystemMenu::CommandOf(TCommand::OpenBackups);

std::string MenuText(HMENU menu, UINT command) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, command, text, 128, MF_BYCOMMAND);
  return Text::FromWide(text);
}

class UndoWindow {
 public:
  explicit UndoWindow(const std::vector<std::string>& names) : FNames(names) {
    for (const std::string& name : names) fixture.AddSoundFile(name);
    fixture.SetRegistryRoot(fixture.GameRootPath());
  }
  TForm1& Create() { return fixture.CreateForm(); }
  TForm1& form() { return fixture.Form(); }
  TBackupStore Store() const { return TBackupStore(fixture.BackupsPath()); }
  std::string BankPath(const std::string& name) const { return "RBR\\KOVEN\\Sounds\\Audio\\" + name; }
  std::string Bytes(const std::string& name) { return fixture.Folder().readFile(BankPath(name)); }

  void WriteEngine(const std::string& value) {
    form().GainRows()[0].Field->SetText(value);
    SendClick(*form().bButton1);
  }
  bool UndoGreyed() {
    HMENU menu = GetSystemMenu(form().Handle(), FALSE);
    SendMessageW(form().Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, TRUE));
    return GetMenuState(menu, UndoCommand, MF_BYCOMMAND) & MF_GRAYED;
  }
  // Chooses Undo in the window menu and answers its question.
  void Undo(int answer) {
    fixture.Boxes().answerNext(answer);
    SendMessageW(form().Handle(), WM_SYSCOMMAND, UndoCommand, 0);
  }
  std::vector<CaughtBox> Boxes() const { return fixture.WindowBoxes(); }

  FormFixture fixture;

 private:
  std::vector<std::string> FNames;
};

std::string UndoQuestion(const std::string& date, const std::string& count) {
  return "Annuler la modification du " + date + " (" + count + " fichiers) ?\rUndo the change of " + date + " (" +
         count + " files)?";
}

}  // namespace

TEST(Undo, WindowMenuEndsWithUndoOpenBackupsAndAboutAfterASeparator) {
  UndoWindow w({"a.ini"});
  w.Create();
  HMENU menu = GetSystemMenu(w.form().Handle(), FALSE);
  const int count = GetMenuItemCount(menu);
  ASSERT_GE(count, 4);
  EXPECT_TRUE(GetMenuState(menu, count - 4, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(GetMenuItemID(menu, count - 3), UndoCommand);
  EXPECT_EQ(GetMenuItemID(menu, count - 2), OpenBackupsCommand);
  EXPECT_EQ(GetMenuItemID(menu, count - 1), TSystemMenu::CommandOf(TCommand::About));
  EXPECT_EQ(MenuText(menu, UndoCommand), "Annuler la dernière modification / Undo the last change");
  EXPECT_EQ(MenuText(menu, OpenBackupsCommand), "Ouvrir le dossier des sauvegardes / Open the backups folder");
  EXPECT_TRUE(w.UndoGreyed());
  EXPECT_FALSE(GetMenuState(menu, OpenBackupsCommand, MF_BYCOMMAND) & MF_GRAYED);
  // Chosen while greyed (a stale menu), it asks nothing.
  SendMessageW(w.form().Handle(), WM_SYSCOMMAND, UndoCommand, 0);
  EXPECT_TRUE(w.Boxes().empty());
}

TEST(Undo, TwiceInARowGoesBackOnePressAtATime) {
  UndoWindow w({"a.ini", "b.ini"});
  w.Create();
  w.WriteEngine("0.5");
  const std::string afterFirst = w.Bytes("a.ini");
  w.WriteEngine("0.7");
  ASSERT_NE(w.Bytes("a.ini"), afterFirst);
  const std::vector<TBackupSet> sets = w.Store().Sets();
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_FALSE(w.UndoGreyed());

  // No keeps everything as it is.
  w.Undo(IDNO);
  ASSERT_EQ(w.Boxes().size(), 1u);
  EXPECT_EQ(w.Boxes()[0].text, UndoQuestion(sets[1].Date(), "2"));
  EXPECT_EQ(w.Boxes()[0].caption, Application.Title());
  EXPECT_EQ(w.Boxes()[0].buttons, (std::vector<std::string>{"&Yes", "&No"}));
  EXPECT_FALSE(w.Boxes()[0].hasIcon);
  EXPECT_FALSE(w.Store().Sets()[1].Undone());

  w.form().CLB->SetChecked(0, false);
  w.Undo(IDYES);
  EXPECT_EQ(w.Boxes().size(), 2u);
  EXPECT_EQ(w.Bytes("a.ini"), afterFirst);
  EXPECT_TRUE(w.Store().Sets()[1].Undone());
  EXPECT_TRUE(w.form().CLB->Checked(0));  // listed again
  EXPECT_FALSE(w.UndoGreyed());

  w.Undo(IDYES);
  ASSERT_EQ(w.Boxes().size(), 3u);
  EXPECT_EQ(w.Boxes()[2].text, UndoQuestion(sets[0].Date(), "2"));
  for (const char* name : {"a.ini", "b.ini"}) EXPECT_EQ(w.Bytes(name), SoundBankText()) << name;
  EXPECT_TRUE(w.UndoGreyed());
}

TEST(Undo, FileTheGameHoldsIsReportedAndTheSetStaysToUndo) {
  UndoWindow w({"a.ini"});
  w.Create();
  w.WriteEngine("0.5");
  const std::string written = w.Bytes("a.ini");
  {
    HANDLE game = CreateFileA(w.fixture.Folder().pathOf(w.BankPath("a.ini")).c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    w.Undo(IDYES);
    CloseHandle(game);
  }
  ASSERT_EQ(w.Boxes().size(), 2u);
  const TBackupSet set = *w.Store().Newest();
  EXPECT_EQ(w.Boxes()[1].text,
            "Certains fichiers n'ont pas pu être modifiés :\rSome files could not be modified:\r"
            "a.ini : utilisé par un autre programme (le jeu ?) / in use by another program (the "
            "game?)\rSauvegarde / Backup : " +
                set.Folder());
  EXPECT_EQ(w.Bytes("a.ini"), written);
  EXPECT_FALSE(set.Undone());
  w.Undo(IDYES);
  EXPECT_EQ(w.Bytes("a.ini"), SoundBankText());
  EXPECT_TRUE(w.UndoGreyed());
}

TEST(Undo, InterruptedWriteFoundAtStartUpIsPutBackOnYes) {
  const std::string question =
      "Une modification a été interrompue. Remettre les fichiers comme avant ?\r"
      "A change was interrupted. Put the files back as they were?";
  for (const int answer : {IDYES, IDNO}) {
    UndoWindow w({"a.ini", "b.ini"});
    // A press stopped after copying both files and cutting a.ini short.
    TBackupSet pressed = w.Store().StartSet();
    for (const char* name : {"a.ini", "b.ini"})
      ASSERT_EQ(pressed.AddCopy(w.fixture.Folder().pathOf(w.BankPath(name)), SoundBankText()), 0u);
    const std::string cut = SoundBankText().substr(0, 40);
    w.fixture.Folder().writeFile(w.BankPath("a.ini"), cut);
    ASSERT_TRUE(w.Store().Newest()->Interrupted());

    w.fixture.Boxes().answerNext(answer);
    w.Create();
    const std::string label = answer == IDYES ? "Yes" : "No";
    ASSERT_EQ(w.Boxes().size(), 1u) << label;
    EXPECT_EQ(w.Boxes()[0].text, question);
    EXPECT_EQ(w.Boxes()[0].caption, Application.Title());
    EXPECT_EQ(w.Boxes()[0].buttons, (std::vector<std::string>{"&Yes", "&No"}));
    EXPECT_FALSE(w.Boxes()[0].hasIcon);
    const TBackupSet set = *w.Store().Newest();
    EXPECT_FALSE(set.Interrupted()) << label;
    EXPECT_EQ(set.Undone(), answer == IDYES) << label;
    EXPECT_EQ(w.Bytes("a.ini"), answer == IDYES ? SoundBankText() : cut) << label;
    EXPECT_EQ(w.Bytes("b.ini"), SoundBankText()) << label;
    EXPECT_EQ(w.UndoGreyed(), answer == IDYES) << label;
    EXPECT_EQ(w.form().CLB->Count(), 2) << label;
  }
}
