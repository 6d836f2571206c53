// The window menu's own items, undoing the writes one press at a time, the
// question about files changed since and the redo that takes an undo back,
// the question at start-up after a write that was cut short, and what the
// window says of sets it cannot use and of a store it cannot write.
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
const UINT RedoCommand = TSystemMenu::CommandOf(TCommand::Redo);

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
  bool Greyed(UINT command) {
    HMENU menu = GetSystemMenu(form().Handle(), FALSE);
    SendMessageW(form().Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, TRUE));
    return GetMenuState(menu, command, MF_BYCOMMAND) & MF_GRAYED;
  }
  bool UndoGreyed() { return Greyed(UndoCommand); }
  // Chooses the item in the window menu and answers its questions in turn.
  void Choose(UINT command, std::vector<int> answers) {
    for (int answer : answers) fixture.Boxes().answerNext(answer);
    SendMessageW(form().Handle(), WM_SYSCOMMAND, command, 0);
  }
  void Undo(int answer) { Choose(UndoCommand, {answer}); }
  std::vector<CaughtBox> Boxes() const { return fixture.WindowBoxes(); }

  FormFixture fixture;

 private:
  std::vector<std::string> FNames;
};

// A press stopped after copying both files and cutting a.ini short: its set
// object goes without Finish, and its marker stays, no longer held.
void PressCutShort(UndoWindow& w) {
  TBackupSet pressed = w.Store().StartSet(w.fixture.GameRootPath());
  ASSERT_FALSE(pressed.Create());
  for (const char* name : {"a.ini", "b.ini"})
    ASSERT_EQ(pressed.AddCopy(w.fixture.Folder().pathOf(w.BankPath(name)), SoundBankText()), 0u);
  w.fixture.Folder().writeFile(w.BankPath("a.ini"), SoundBankText().substr(0, 40));
}

std::string UndoQuestion(const std::string& date, const std::string& count) {
  return "Annuler la modification du " + date + " (" + count + " fichiers) ?\rUndo the change of " + date + " (" +
         count + " files)?";
}

}  // namespace

TEST(Undo, WindowMenuEndsWithRedoUndoOpenBackupsAndAboutAfterASeparator) {
  UndoWindow w({"a.ini"});
  w.Create();
  HMENU menu = GetSystemMenu(w.form().Handle(), FALSE);
  const int count = GetMenuItemCount(menu);
  ASSERT_GE(count, 5);
  EXPECT_TRUE(GetMenuState(menu, count - 5, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(GetMenuItemID(menu, count - 4), RedoCommand);
  EXPECT_EQ(GetMenuItemID(menu, count - 3), UndoCommand);
  EXPECT_EQ(GetMenuItemID(menu, count - 2), OpenBackupsCommand);
  EXPECT_EQ(GetMenuItemID(menu, count - 1), TSystemMenu::CommandOf(TCommand::About));
  EXPECT_EQ(MenuText(menu, RedoCommand), "Rétablir la dernière annulation / Redo the last undo");
  EXPECT_EQ(MenuText(menu, UndoCommand), "Annuler la dernière modification / Undo the last change");
  EXPECT_EQ(MenuText(menu, OpenBackupsCommand), "Ouvrir le dossier des sauvegardes / Open the backups folder");
  EXPECT_TRUE(w.UndoGreyed());
  EXPECT_TRUE(w.Greyed(RedoCommand));
  EXPECT_FALSE(GetMenuState(menu, OpenBackupsCommand, MF_BYCOMMAND) & MF_GRAYED);
  // Chosen while greyed (a stale menu), they ask nothing.
  SendMessageW(w.form().Handle(), WM_SYSCOMMAND, UndoCommand, 0);
  SendMessageW(w.form().Handle(), WM_SYSCOMMAND, RedoCommand, 0);
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
    PressCutShort(w);
    const std::string cut = w.Bytes("a.ini");
    ASSERT_TRUE(w.Store().Newest()->Interrupted());

    w.fixture.Boxes().answerNext(answer);
    w.Create();
    const std::string label = answer == IDYES ? "Yes" : "No";
    ASSERT_EQ(w.Boxes().size(), 1u) << label;
    EXPECT_EQ(w.Boxes()[0].text, question);
    EXPECT_EQ(w.Boxes()[0].caption, Application.Title());
    EXPECT_EQ(w.Boxes()[0].buttons, (std::vector<std::string>{"&Yes", "&No"}));
    EXPECT_FALSE(w.Boxes()[0].hasIcon);
    const TBackupSet set = w.Store().Sets()[0];
    EXPECT_FALSE(set.Interrupted()) << label;
    EXPECT_EQ(set.Undone(), answer == IDYES) << label;
    EXPECT_EQ(w.Bytes("a.ini"), answer == IDYES ? SoundBankText() : cut) << label;
    EXPECT_EQ(w.Bytes("b.ini"), SoundBankText()) << label;
    EXPECT_EQ(w.UndoGreyed(), answer == IDYES) << label;
    EXPECT_EQ(w.form().CLB->Count(), 2) << label;
  }
}

TEST(Undo, FileChangedSinceIsNamedAndKeptUnlessPutBackAndRedoBringsItBack) {
  UndoWindow w({"a.ini", "b.ini"});
  w.Create();
  w.WriteEngine("0.5");
  const std::string afterFirst = w.Bytes("b.ini");
  w.WriteEngine("0.7");
  const std::string afterSecond = w.Bytes("b.ini");
  const std::string byHand = SoundBankText("0.99");
  w.fixture.Folder().writeFile(w.BankPath("a.ini"), byHand);
  const std::vector<TBackupSet> sets = w.Store().Sets();
  ASSERT_EQ(sets.size(), 2u);
  auto changedQuestion = [](const std::string& date) {
    return "a.ini a changé depuis / has changed since " + date +
           "\rLe garder tel qu'il est ? Non le remet comme avant.\rKeep it as it is? No puts it back as it was.";
  };

  // Yes, the first button, keeps the change.
  w.Choose(UndoCommand, {IDYES, IDYES});
  ASSERT_EQ(w.Boxes().size(), 2u);
  EXPECT_EQ(w.Boxes()[1].text, changedQuestion(sets[1].Date()));
  EXPECT_EQ(w.Boxes()[1].buttons, (std::vector<std::string>{"&Yes", "&No"}));
  EXPECT_EQ(w.Bytes("a.ini"), byHand);
  EXPECT_EQ(w.Bytes("b.ini"), afterFirst);

  w.Choose(UndoCommand, {IDYES, IDNO});
  ASSERT_EQ(w.Boxes().size(), 4u);
  EXPECT_EQ(w.Boxes()[3].text, changedQuestion(sets[0].Date()));
  for (const char* name : {"a.ini", "b.ini"}) EXPECT_EQ(w.Bytes(name), SoundBankText()) << name;
  EXPECT_TRUE(w.UndoGreyed());

  ASSERT_FALSE(w.Greyed(RedoCommand));
  const TBackupSet undo = *w.Store().NextToRedo();
  w.Choose(RedoCommand, {IDYES});
  ASSERT_EQ(w.Boxes().size(), 5u);
  EXPECT_EQ(w.Boxes()[4].text, "Rétablir ce que l'annulation du " + undo.Date() +
                                   " a remplacé (2 fichiers) ?\rBring back what the undo of " + undo.Date() +
                                   " replaced (2 files)?");
  EXPECT_EQ(w.Bytes("a.ini"), byHand);
  EXPECT_EQ(w.Bytes("b.ini"), afterFirst);
  EXPECT_NE(afterFirst, afterSecond);
}

TEST(Undo, SetsWithoutTheirOwnRecordAreNamedAndNeverUsed) {
  UndoWindow w({"a.ini"});
  // A set as an older Klangor, or another program, left it: its list names
  // a file outside the game and its marker says it was being written.
  const std::string planted = "LocalAppData\\Klangor\\Backups\\2024-05-01 10.00.00";
  w.fixture.Folder().makeFolder(planted);
  w.fixture.Folder().makeFolder("Windows");
  w.fixture.Folder().writeFile("Windows\\win.ini", "[windows]\r\n");
  w.fixture.Folder().writeFile(planted + "\\win.ini", "overwritten");
  w.fixture.Folder().writeFile(planted + "\\files.txt",
                               "win.ini\t" + w.fixture.Folder().pathOf("Windows\\win.ini") + "\r\n");
  w.fixture.Folder().writeFile(planted + "\\writing.marker", "");

  w.Create();
  ASSERT_EQ(w.Boxes().size(), 1u);
  EXPECT_EQ(w.Boxes()[0].text,
            "Une modification a été interrompue, mais sa sauvegarde ne peut pas être vérifiée ; rien n'est remis :\r"
            "A change was interrupted, but its backup cannot be checked; nothing is put back:\r"
            "2024-05-01 10.00.00");
  EXPECT_FALSE(w.UndoGreyed());
  w.Undo(IDYES);
  ASSERT_EQ(w.Boxes().size(), 2u);
  EXPECT_EQ(w.Boxes()[1].text,
            "Ces dossiers de sauvegarde ne peuvent pas être vérifiés ; Klangor ne s'en sert pas :\r"
            "These backup folders cannot be checked; Klangor does not use them:\r"
            "2024-05-01 10.00.00");
  EXPECT_EQ(w.fixture.Folder().readFile("Windows\\win.ini"), "[windows]\r\n");
  EXPECT_EQ(w.Bytes("a.ini"), SoundBankText());
  EXPECT_TRUE(w.fixture.Folder().exists(planted + "\\files.txt"));
}

TEST(Undo, WriteAnotherKlangorIsRunningIsNotOfferedBack) {
  UndoWindow w({"a.ini", "b.ini"});
  PressCutShort(w);
  const std::string marker = w.Store().Sets()[0].Folder() + "\\writing.marker";
  HANDLE running = CreateFileW(Text::ToWide(marker).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(running, INVALID_HANDLE_VALUE);
  const std::string cut = w.Bytes("a.ini");
  w.Create();
  EXPECT_TRUE(w.Boxes().empty());
  EXPECT_TRUE(w.UndoGreyed());
  EXPECT_EQ(w.Bytes("a.ini"), cut);
  CloseHandle(running);
}

TEST(Undo, StoreThatCannotTakeASetStopsTheWriteAndSaysWhere) {
  UndoWindow w({"a.ini"});
  w.fixture.Folder().makeFolder("LocalAppData\\Klangor");
  w.fixture.Folder().writeFile("LocalAppData\\Klangor\\Backups", "");
  w.Create();
  w.WriteEngine("0.5");
  const std::string reason =
      "\run fichier occupe la place du dossier / a file stands where the folder should be : " + w.fixture.BackupsPath();
  ASSERT_EQ(w.Boxes().size(), 1u);
  EXPECT_EQ(w.Boxes()[0].text,
            "Aucun fichier n'a été modifié : la sauvegarde est impossible.\r"
            "No file was modified: no backup can be made." +
                reason);
  EXPECT_EQ(w.Bytes("a.ini"), SoundBankText());
  // The backups folder is not a file to hand to the shell.
  w.Choose(OpenBackupsCommand, {});
  ASSERT_EQ(w.Boxes().size(), 2u);
  EXPECT_EQ(w.Boxes()[1].text,
            "Le dossier des sauvegardes ne peut pas être ouvert.\rThe backups folder cannot be opened." + reason);
}
