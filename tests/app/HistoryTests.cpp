// The history on the real window and real files: two presses and an undo
// give three sets, newest first, each with the changes its record keeps,
// read back from the store as a later start would find them.
#include <gtest/gtest.h>

#include <windows.h>

// After windows.h, which it needs.
#include <commctrl.h>

#include "app/HistoryWindow.h"
#include "app/SystemMenu.h"
#include "components/safewrite/BackupStore.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/bButton.h"
#include "framework/StdCtrls.h"
#include "tests/app/FormFixture.h"
#include "tests/app/Input.h"
#include "tests/app/ToolWindows.h"

using namespace klangor::test;

TEST(History, TwoPressesAndAnUndo) {
  FormFixture fixture;
  fixture.AddSoundFile("a.ini");
  fixture.AddSoundFile("b.ini", "[AMP::SOUNDS]\r\nHorn=0.5\r\n");
  fixture.SetRegistryRoot(fixture.GameRootPath());
  TForm1& form = fixture.CreateForm();
  // Its modal loop would take the keys posted meanwhile past the shortcuts.
  fixture.AwaitVersionWarning();
  TEdit& engine = *form.GainRows()[0].Field;
  engine.SetText("0.5");
  SendClick(*form.bButton1);
  engine.SetText("");
  form.GainRows()[9].Field->SetText("0.7");  // Horn
  for (int item = 0; item < form.CLB->Count(); ++item) form.CLB->SetChecked(item, form.CLB->Items(item) == "a.ini");
  SendClick(*form.bButton1);
  fixture.Boxes().answerNext(IDYES);
  SendMessageW(form.Handle(), WM_SYSCOMMAND, TSystemMenu::CommandOf(TCommand::Undo), 0);

  PostKey(engine, 'H', ssCtrl);
  fixture.Pump();
  HWND window = ShownWindow(L"Historique / History");
  ASSERT_TRUE(window);
  EXPECT_EQ(GetWindow(window, GW_OWNER), form.Handle());
  const auto cells = ListCells(ChildOf(window, WC_LISTVIEWW));
  ASSERT_EQ(cells.size(), 4u);
  EXPECT_EQ(cells[0], (std::vector<std::string>{"Date", "Fichiers / Files", "Action", "Annulé / Undone",
                                                "Dossier du jeu / Game folder"}));
  const std::vector<TBackupSet> sets = TBackupStore(fixture.BackupsPath()).Sets();
  ASSERT_EQ(sets.size(), 3u);
  const std::string root = fixture.GameRootPath();
  EXPECT_EQ(cells[1], (std::vector<std::string>{sets[2].Date(), "1", "Annulation / Undo", "", root}));
  EXPECT_EQ(cells[2], (std::vector<std::string>{sets[1].Date(), "1", "Modification / Change", "oui / yes", root}));
  EXPECT_EQ(cells[3], (std::vector<std::string>{sets[0].Date(), "2", "Modification / Change", "", root}));

  // The newest set is selected: the undo's own changes.
  HWND changes = ChildOf(window, L"EDIT");
  const std::string undo = sets[2].Date() + " : Annulation / Undo, 1 fichier / file, " + root +
                           "\r\n\r\na.ini\r\n    [AMP::SOUNDS] Horn : 0.7 -> —";
  EXPECT_EQ(TWinControl::FromHandle(changes)->Caption(), undo);
  PostKey(*TWinControl::FromHandle(changes), 'C', ssCtrl);
  fixture.Pump();
  EXPECT_EQ(ClipboardText(), undo);
  EXPECT_EQ(THistoryWindow::ChangesText(sets[1]), sets[1].Date() + " : Modification / Change, 1 fichier / file, " +
                                                      root +
                                                      " (annulé / undone)\r\n\r\na.ini\r\n"
                                                      "    [AMP::SOUNDS] Horn : — -> 0.7");
  EXPECT_EQ(THistoryWindow::ChangesText(sets[0]),
            sets[0].Date() + " : Modification / Change, 2 fichiers / files, " + root +
                "\r\n\r\na.ini\r\n    [AMP::SOUNDS] Engine : 1.0 -> 0.5\r\n\r\nb.ini\r\n"
                "    [AMP::SOUNDS] Engine : — -> 0.5");

  // Choosing the oldest set shows its changes.
  LVITEMW item{};
  item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(ChildOf(window, WC_LISTVIEWW), LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(TWinControl::FromHandle(changes)->Caption(), THistoryWindow::ChangesText(sets[0]));
  PostKey(*TWinControl::FromHandle(changes), VK_ESCAPE);
  fixture.Pump();
  EXPECT_FALSE(ShownWindow(L"Historique / History"));
}
