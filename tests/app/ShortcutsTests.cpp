// The keyboard shortcuts of the window, typed through the message loop as
// the keyboard delivers them: each does what a click on its button does,
// keys typed into the fields still type, and nothing starts while files are
// written.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <map>

#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/ProgressCyl2.h"
#include "components/widgets/bButton.h"
#include "framework/Forms.h"
#include "framework/Text.h"
#include "tests/app/FormFixture.h"
#include "tests/app/Input.h"

using namespace klangor::test;

namespace {

const std::string ReportHeading = "Certains fichiers n'ont pas pu être modifiés :\rSome files could not be modified:";

// Everything a command of the window can change, files included.
struct WindowState {
  std::string path, root;
  std::vector<std::string> values;
  std::vector<std::string> items;
  std::vector<bool> ticks;
  std::string count, caption3, caption4;
  TColor colour3, colour4;
  int position, max;
  std::vector<std::string> boxes;
  std::map<std::string, std::string> files;
  bool operator==(const WindowState&) const = default;
};

// A window on a.ini, b.ini and c.ini with b.ini unticked, 0.8 typed as
// Engine gain, and the root in the path field in Explorer's quotes.
class Window {
 public:
  Window() {
    for (const char* name : {"a.ini", "b.ini", "c.ini"}) fixture.AddSoundFile(name);
    fixture.SetRegistryRoot(fixture.GameRootPath());
    fixture.CreateForm();
    fixture.AwaitVersionWarning();
    for (int i = 0; i < form().CLB->Count(); ++i)
      if (form().CLB->Items(i) == "b.ini") form().CLB->SetChecked(i, false);
    form().GainRows()[0].Field->SetText("0.8");
    form().Edit2->SetText("\"" + fixture.GameRootPath() + "\"");
  }
  TForm1& form() { return fixture.Form(); }
  std::string Bank(const std::string& name) { return fixture.Folder().readFile("RBR\\KOVEN\\Sounds\\Audio\\" + name); }

  // The test's folder, which differs from window to window, reads "<folder>".
  std::string Relative(std::string text) {
    const std::string folder = fixture.Folder().path();
    for (size_t at; (at = text.find(folder)) != std::string::npos;) text.replace(at, folder.size(), "<folder>");
    return text;
  }

  WindowState State() {
    TForm1& f = form();
    WindowState state;
    state.path = Relative(f.Edit2->Text());
    state.root = Relative(f.GameRoot());
    state.values.push_back(f.Edit1->Text());
    for (const TForm1::GainRow& row : f.GainRows()) state.values.push_back(row.Field->Text());
    for (int i = 0; i < f.CLB->Count(); ++i) {
      state.items.push_back(f.CLB->Items(i));
      state.ticks.push_back(f.CLB->Checked(i));
    }
    state.count = f.Label1->Caption();
    state.caption3 = f.bButton3->Caption();
    state.caption4 = f.bButton4->Caption();
    state.colour3 = f.bButton3->Color();
    state.colour4 = f.bButton4->Color();
    state.position = f.PC1->Position();
    state.max = f.PC1->Max();
    for (const CaughtBox& box : fixture.WindowBoxes()) state.boxes.push_back(Relative(box.text));
    for (const char* name : {"a.ini", "b.ini", "c.ini"}) state.files[name] = Bank(name);
    return state;
  }

  FormFixture fixture;
};

struct Shortcut {
  const char* name;
  WORD key;
  TShiftState shift;
  TbButton* TForm1::*button;
};

const Shortcut Shortcuts[] = {
    {"Ctrl+S", 'S', ssCtrl, &TForm1::bButton1},
    {"F5", VK_F5, 0, &TForm1::bButton5},
    {"Ctrl+D", 'D', ssCtrl, &TForm1::bButton4},
    {"Ctrl+U", 'U', ssCtrl, &TForm1::bButton3},
};

// The text the thread's tooltip window shows over the control, or "(none)".
std::string ToolTipOf(TWinControl& control) {
  HWND tips = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) {
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (std::wstring(name) != TOOLTIPS_CLASSW) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&tips));
  if (!tips) return "(none)";
  wchar_t text[128] = {};
  TOOLINFOW info = {};
  info.cbSize = sizeof info;
  info.hwnd = GetParent(control.Handle());
  info.uId = reinterpret_cast<UINT_PTR>(control.Handle());
  info.lpszText = text;
  SendMessageW(tips, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&info));
  return Text::FromWide(text);
}

}  // namespace

TEST(Shortcuts, ButtonsNameTheirShortcutAndEscapeEndsLikeTheCloseBox) {
  Window w;
  for (const Shortcut& shortcut : Shortcuts)
    EXPECT_EQ(ToolTipOf(*(w.form().*shortcut.button)), shortcut.name) << shortcut.name;
  EXPECT_EQ(ToolTipOf(*w.form().bButton2), "Échap / Esc");

  const WindowState before = w.State();
  PostKey(*w.form().GainRows()[0].Field, VK_ESCAPE);
  w.fixture.Pump();
  EXPECT_TRUE(w.fixture.EndRequested());
  EXPECT_TRUE(w.State() == before);
}

TEST(Shortcuts, EachDoesWhatAClickOnItsButtonDoes) {
  for (const Shortcut& shortcut : Shortcuts) {
    // Pressed twice: the toggling buttons must toggle back the same way.
    for (int presses = 1; presses <= 2; ++presses) {
      Window clicked;
      const WindowState before = clicked.State();
      for (int i = 0; i < presses; ++i) SendClick(*(clicked.form().*shortcut.button));
      const WindowState byClick = clicked.State();
      clicked.fixture.DestroyForm();

      Window typed;
      for (int i = 0; i < presses; ++i) PostKey(*typed.form().GainRows()[0].Field, shortcut.key, shortcut.shift);
      typed.fixture.Pump();
      const WindowState byKey = typed.State();
      EXPECT_TRUE(byKey == byClick) << shortcut.name << " pressed " << presses << " times";
      if (presses == 1) {
        EXPECT_FALSE(byKey == before) << shortcut.name << " changed nothing";
      }
    }
  }
}

TEST(Shortcuts, KeysInTheFieldsStillType) {
  Window w;
  w.form().GainRows()[0].Field->SetFocus();
  const std::string before = w.Bank("a.ini");
  // The letters of the shortcuts type without Ctrl; with Ctrl+Alt, which is
  // AltGr on the French keyboard, they are no shortcut either.
  for (TEdit* field : {w.form().Edit2, w.form().Edit1}) {
    for (WORD key : {WORD('S'), WORD('D'), WORD('U')}) PostKey(*field, key);
    PostKey(*field, 'S', ssCtrl | ssAlt);
  }
  w.fixture.Pump();
  EXPECT_EQ(w.form().Edit1->Text(), "sdu");
  EXPECT_NE(w.form().Edit2->Text().find("sdu"), std::string::npos) << w.form().Edit2->Text();
  EXPECT_EQ(w.form().bButton4->Caption(), "Valeur par défaut / Default values");
  EXPECT_EQ(w.Bank("a.ini"), before);

  // Ctrl+S with the focus in a value field writes, and types nothing there.
  w.form().Edit1->SetText("");
  w.form().Edit2->SetText(w.fixture.GameRootPath());
  PostKey(*w.form().GainRows()[0].Field, 'S', ssCtrl);
  w.fixture.Pump();
  EXPECT_EQ(w.form().GainRows()[0].Field->Text(), "0.8");
  EXPECT_NE(w.Bank("a.ini"), before);
  EXPECT_EQ(w.Bank("b.ini"), SoundBankText());
  EXPECT_TRUE(w.fixture.WindowBoxes().empty());
}

TEST(Shortcuts, NothingStartsWhileFilesAreWritten) {
  // Had they run inside the write: a second write would show a second
  // report, the defaults would put more values into a.ini, "Uncheck all"
  // would leave a.ini unwritten, and a re-list or a drop would tick b.ini.
  Window w;
  HeldOpen game(w.fixture.Folder().pathOf("RBR\\KOVEN\\Sounds\\Audio\\c.ini"));
  for (const Shortcut& shortcut : Shortcuts) PostKey(*w.form().GainRows()[0].Field, shortcut.key, shortcut.shift);
  PostKey(*w.form().GainRows()[0].Field, 'S', ssCtrl);
  w.fixture.Pump();

  const WindowState state = w.State();
  EXPECT_EQ(state.items, (std::vector<std::string>{"a.ini", "b.ini", "c.ini"}));
  ASSERT_EQ(state.boxes.size(), 1u);  // one report, of the one write, naming the held file
  EXPECT_EQ(state.boxes[0].rfind(ReportHeading + "\rc.ini : utilisé par un autre programme", 0), 0u);
  EXPECT_EQ(state.ticks, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(state.caption3, "Décocher tout / Uncheck all");
  EXPECT_EQ(state.caption4, "Valeur par défaut / Default values");
  EXPECT_EQ(state.values[0], "");
  EXPECT_NE(state.files.at("a.ini"), SoundBankText());
  EXPECT_EQ(state.files.at("b.ini"), SoundBankText());
}
