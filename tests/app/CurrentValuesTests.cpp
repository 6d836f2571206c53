// The current-values window on the real window and real files: the table
// of what the ticked banks hold, its marks, its copy, how it follows the
// ticks and the writes, the field tips, and its size at a larger DPI.
#include <gtest/gtest.h>

#include <windows.h>

// After windows.h, which it needs.
#include <commctrl.h>

#include "app/BankValues.h"
#include "app/CurrentValuesTable.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/bButton.h"
#include "framework/StdCtrls.h"
#include "framework/Text.h"
#include "tests/app/FormFixture.h"
#include "tests/app/Input.h"
#include "tests/app/ToolWindows.h"

using namespace klangor::test;

namespace {

const std::wstring Caption = L"Valeurs actuelles / Current values";

const std::vector<TSetting> Settings = {
    {"OPTIONS::SOUNDS", "NumberChannels", "0"}, {"AMP::SOUNDS", "Engine", "1.0"}, {"AMP::SOUNDS", "Horn", "0.5"}};

class Window {
 public:
  Window() {
    fixture.AddSoundFile("a.ini", "[OPTIONS::SOUNDS]\r\nNumberChannels=32\r\n[AMP::SOUNDS]\r\nEngine=0.8\r\n");
    fixture.AddSoundFile("b.ini", "[amp::sounds]\r\n  engine =  1  \r\nHorn=0.5\r\n");
    fixture.AddSoundFile("c.ini", SoundBankText("0.8"));
    fixture.SetRegistryRoot(fixture.GameRootPath());
    fixture.CreateForm();
    // Its modal loop would take the keys posted meanwhile past the shortcuts.
    fixture.AwaitVersionWarning();
  }
  TForm1& form() { return fixture.Form(); }
  void Press(WORD key, TShiftState shift = ssCtrl) {
    PostKey(*form().Edit1, key, shift);
    fixture.Pump();
  }
  HWND Shown() { return ShownWindow(Caption); }
  HWND List() { return ChildOf(Shown(), WC_LISTVIEWW); }
  // A space typed on the file's item toggles its tick.
  void Toggle(const std::string& name) {
    for (int item = 0; item < form().CLB->Count(); ++item)
      if (form().CLB->Items(item) == name) form().CLB->SetItemIndex(item);
    SendMessageW(form().CLB->Handle(), WM_CHAR, L' ', 1);
  }
  void PressIn(HWND control, WORD key, TShiftState shift = ssCtrl) {
    PostKey(*TWinControl::FromHandle(control), key, shift);
    fixture.Pump();
  }

  FormFixture fixture;
};

}  // namespace

TEST(CurrentValues, TableHoldsEachFileValueAndMarksWhatDiffers) {
  TempFolder folder;
  folder.writeFile("a.ini", "[AMP::SOUNDS]\r\nEngine=0.8\r\n[OPTIONS::SOUNDS]\r\nNumberChannels=0\r\n");
  // Odd case and blanks; a second section of the name counts for nothing.
  folder.writeFile("b.ini", " [ amp::SOUNDS ] \r\n ENGINE = 1 \r\n[AMP::SOUNDS]\r\nHorn=0.9\r\n");
  folder.writeFile("c.ini", "[AMP::SOUNDS]\r\nEngine=1.0\r\nHorn=0.5\r\n");
  TBankValues banks(Settings);
  TCurrentValuesTable table(banks, folder.path(), {"a.ini", "b.ini", "c.ini"});
  EXPECT_EQ(table.Text(),
            "Section\tClé / Key\tValeur d'origine / Original value\ta.ini\tb.ini\tc.ini\r\n"
            "OPTIONS::SOUNDS\tNumberChannels\t0\t0\t—\t—\r\n"
            "AMP::SOUNDS\tEngine\t1.0\t0.8\t1\t1.0\r\n"
            "AMP::SOUNDS\tHorn\t0.5\t—\t—\t0.5\r\n");
  struct Mark {
    int row, column;
    bool differs;
  };
  // 1 is the shipped 1.0 as the game reads numbers; an absent key is no value.
  const Mark marks[] = {{0, 3, false}, {0, 4, false}, {1, 3, true},  {1, 4, false},
                        {1, 5, false}, {2, 3, false}, {2, 5, false}, {1, 2, false}};
  for (const Mark& mark : marks)
    EXPECT_EQ(table.Differs(mark.row, mark.column), mark.differs) << mark.row << "," << mark.column;
  EXPECT_TRUE(table.Disagrees(0));
  EXPECT_TRUE(table.Disagrees(1));
  EXPECT_TRUE(table.Disagrees(2));
  TCurrentValuesTable agreeing(banks, folder.path(), {"b.ini", "c.ini"});
  EXPECT_FALSE(agreeing.Disagrees(1));
  EXPECT_TRUE(agreeing.Disagrees(2));
}

TEST(CurrentValues, WindowFollowsTheTicksAndTheWritesAndCopiesItsTable) {
  Window w;
  w.Press('I');
  ASSERT_TRUE(w.Shown());
  EXPECT_EQ(GetWindow(w.Shown(), GW_OWNER), w.form().Handle());
  EXPECT_TRUE(IsWindowEnabled(w.form().Handle())) << "not modal";
  auto cells = ListCells(w.List());
  ASSERT_EQ(cells.size(), 31u);
  EXPECT_EQ(cells[0], (std::vector<std::string>{"Section", "Clé / Key", "Valeur d'origine / Original value", "a.ini",
                                                "b.ini", "c.ini"}));
  EXPECT_EQ(cells[1], (std::vector<std::string>{"OPTIONS::SOUNDS", "NumberChannels", "0", "32", "—", "32"}));
  EXPECT_EQ(cells[2], (std::vector<std::string>{"OPTIONS::SOUNDS", "EnableEQOnCars", "—", "—", "—", "False"}));
  EXPECT_EQ(cells[3], (std::vector<std::string>{"AMP::SOUNDS", "Engine", "1.0", "0.8", "1", "0.8"}));

  w.PressIn(w.List(), 'C');
  std::string copied;
  for (const auto& row : cells) {
    for (size_t column = 0; column < row.size(); ++column) copied += (column ? "\t" : "") + row[column];
    copied += "\r\n";
  }
  EXPECT_EQ(ClipboardText(), copied);

  w.Toggle("b.ini");
  EXPECT_EQ(ListCells(w.List())[3], (std::vector<std::string>{"AMP::SOUNDS", "Engine", "1.0", "0.8", "0.8"}));
  w.form().GainRows()[0].Field->SetText("0.3");
  SendClick(*w.form().bButton1);
  EXPECT_EQ(ListCells(w.List())[3], (std::vector<std::string>{"AMP::SOUNDS", "Engine", "1.0", "0.3", "0.3"}));
  // A file changed behind the window's back shows once the list is read again.
  w.fixture.AddSoundFile("a.ini", "[AMP::SOUNDS]\r\nEngine=0.6\r\n");
  w.Press(VK_F5, 0);
  EXPECT_EQ(ListCells(w.List())[3], (std::vector<std::string>{"AMP::SOUNDS", "Engine", "1.0", "0.6", "1", "0.3"}));

  w.PressIn(w.List(), VK_ESCAPE, 0);
  EXPECT_FALSE(w.Shown());
  EXPECT_FALSE(w.fixture.EndRequested());
  EXPECT_TRUE(w.fixture.WindowBoxes().empty());
}

TEST(CurrentValues, HeaderDoubleClickAndFieldTipsTellAFileValues) {
  Window w;
  w.Press('I');
  NMHEADERW click{};
  click.hdr.hwndFrom = ListView_GetHeader(w.List());
  click.hdr.code = HDN_ITEMDBLCLICKW;
  click.iItem = 3;  // a.ini
  SendMessageW(w.List(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
  EXPECT_EQ(w.form().Edit1->Text(), "32");
  EXPECT_EQ(w.form().GainRows()[0].Field->Text(), "0.8");
  EXPECT_EQ(w.form().GainRows()[1].Field->Text(), "");

  // The focus tip of the Engine field: two files at 0.8, one at 1.
  SetFocus(w.form().GainRows()[0].Field->Handle());
  std::string tip;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) {
        wchar_t name[64] = {}, text[256] = {};
        GetClassNameW(window, name, 64);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        if (std::wstring(name) == TOOLTIPS_CLASSW && IsWindowVisible(window) &&
            SendMessageW(window, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool))) {
          tool.lpszText = text;
          SendMessageW(window, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
          *reinterpret_cast<std::string*>(found) = Text::FromWide(text);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&tip));
  EXPECT_EQ(tip, "0.8 : 2 fichiers / files, 1 : 1");
}

TEST(CurrentValues, ColumnsAndTextGrowWithTheDpi) {
  Window w;
  w.Press('I');
  HWND list = w.List();
  std::vector<int> widths;
  for (int column = 0; column < 6; ++column) widths.push_back(ListView_GetColumnWidth(list, column));
  RECT bounds{};
  GetWindowRect(w.Shown(), &bounds);
  SendMessageW(w.Shown(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&bounds));
  for (int column = 0; column < 6; ++column) {
    // Text widths are measured again in the larger font, so they grow by
    // about half, not exactly.
    EXPECT_GE(ListView_GetColumnWidth(list, column), widths[column] * 14 / 10) << column;
    EXPECT_LE(ListView_GetColumnWidth(list, column), widths[column] * 16 / 10) << column;
  }
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -18);
}
