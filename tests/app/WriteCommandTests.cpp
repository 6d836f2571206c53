// The write command on the real window: the value check with its messages
// and field marks, the separator swap, the order and place of the writes,
// the progress bar, the report of files that could not be written, and the
// commands that must wait while files are written.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <map>
#include <optional>

#include "components/safewrite/BackupStore.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/ProgressCyl2.h"
#include "components/widgets/bButton.h"
#include "framework/Forms.h"
#include "framework/SysUtils.h"
#include "framework/Text.h"
#include "tests/app/FormFixture.h"
#include "tests/app/Input.h"

using namespace klangor::test;

namespace {

using Lines = std::vector<std::string>;
const std::vector<std::string> NoFiles;

const std::string RangeMessage =
    "Les valeurs doivent être comprises entre 0 et 1, si vous voulez dépasser la valeur 1.0 cochez la case "
    "prévue\rValues must be between 0 and 1, If you want to exceed the value 1.0 use the checkbox provided";
const std::string PathMessage = "Le chemin n'est pas valide\rPath is not valid";
const std::string ReportHeading = "Certains fichiers n'ont pas pu être modifiés :\rSome files could not be modified:";
const std::string InUse = " : utilisé par un autre programme (le jeu ?) / in use by another program (the game?)";
const std::string Missing = " : n'existe plus / no longer exists";
const std::string NotText = " : pas un fichier de réglages texte / not a text settings file";
const std::string TooLong =
    " : chemin trop long pour Windows (plus de 259 caractères) / path too long for Windows (over 259 characters)";

// The fixture's sound bank, lines minus blank ones, after the given keys
// took the given values (the bank holds every key used here).
Lines BankWith(const std::map<std::string, std::string>& values) {
  Lines lines;
  const std::string text = SoundBankText();
  for (size_t start = 0, end; start < text.size(); start = end + 2) {
    end = text.find("\r\n", start);
    std::string line = text.substr(start, end - start);
    const auto changed = values.find(line.substr(0, line.find('=')));
    if (changed != values.end()) line = changed->first + "=" + changed->second;
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

// One window on a fresh game folder holding the given sound banks.
class Window {
 public:
  explicit Window(const std::vector<std::string>& names, const std::string& root = "") {
    for (const std::string& name : names) fixture.AddSoundFile(name);
    fixture.SetRegistryRoot(root.empty() ? fixture.GameRootPath() : root);
    fixture.CreateForm();
  }
  TForm1& form() { return fixture.Form(); }
  TEdit& Gain(int editNumber) { return *form().GainRows()[static_cast<size_t>(editNumber - 3)].Field; }
  void Untick(const std::string& name) {
    for (int i = 0; i < form().CLB->Count(); ++i)
      if (form().CLB->Items(i) == name) form().CLB->SetChecked(i, false);
  }
  void Write() { SendClick(*form().bButton1); }

  // The report's last line, naming the newest backup set.
  std::string BackupLine() {
    const std::optional<TBackupSet> set = TBackupStore(fixture.BackupsPath()).Newest();
    if (!set) ADD_FAILURE() << "no backup set";
    return set ? "\rSauvegarde / Backup : " + set->Folder() : "";
  }

  std::string BankPath(const std::string& name) const { return "RBR\\KOVEN\\Sounds\\Audio\\" + name; }
  Lines FileLines(const std::string& name) { return withoutBlankLines(fixture.Folder().readLines(BankPath(name))); }
  bool Unchanged(const std::string& name) { return fixture.Folder().readFile(BankPath(name)) == SoundBankText(); }

  // The text of the single box the window showed, checked to be one of its
  // own: the application title as caption, one OK button and no icon.
  std::string OnlyBox() {
    const std::vector<CaughtBox> boxes = NewBoxes();
    if (boxes.size() != 1) {
      ADD_FAILURE() << boxes.size() << " boxes";
      return "";
    }
    EXPECT_EQ(boxes[0].caption, Application.Title());
    EXPECT_EQ(boxes[0].buttons, std::vector<std::string>{"OK"});
    EXPECT_FALSE(boxes[0].hasIcon);
    return boxes[0].text;
  }

  // The window's boxes shown since the last call.
  std::vector<CaughtBox> NewBoxes() {
    const std::vector<CaughtBox> boxes = fixture.WindowBoxes();
    const std::vector<CaughtBox> fresh(boxes.begin() + static_cast<long>(FBoxesSeen), boxes.end());
    FBoxesSeen = boxes.size();
    return fresh;
  }

  FormFixture fixture;

 private:
  size_t FBoxesSeen = 0;
};

// Records the value fields and the cursor when a message box comes up, while
// the command that showed it still waits for it.
class FieldsAtBoxes {
 public:
  struct Snapshot {
    std::string edit1, edit2, edit3, edit4;
    TCursor cursor;
  };

  explicit FieldsAtBoxes(TForm1& form) : FForm(form) {
    Current = this;
    FHook = SetWindowsHookExW(WH_CBT, HookProc, nullptr, GetCurrentThreadId());
  }
  ~FieldsAtBoxes() {
    UnhookWindowsHookEx(FHook);
    Current = nullptr;
  }
  FieldsAtBoxes(const FieldsAtBoxes&) = delete;
  FieldsAtBoxes& operator=(const FieldsAtBoxes&) = delete;

  std::vector<Snapshot> snapshots;

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam) {
    wchar_t className[16] = {};
    char caption[64] = {};
    const HWND box = reinterpret_cast<HWND>(wParam);
    // The version check's own warning may come up meanwhile; only the
    // window's boxes, captioned with the application title, count.
    if (code == HCBT_ACTIVATE && Current && GetClassNameW(box, className, 16) && wcscmp(className, L"#32770") == 0 &&
        GetWindowTextA(box, caption, sizeof caption) && Application.Title() == caption) {
      TForm1& form = Current->FForm;
      Current->snapshots.push_back({form.Edit1->Text(), form.Edit2->Text(), form.GainRows()[0].Field->Text(),
                                    form.GainRows()[1].Field->Text(), Screen.Cursor()});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline FieldsAtBoxes* Current = nullptr;
  TForm1& FForm;
  HHOOK FHook;
};

bool IsMarked(TEdit& field) {
  return ColorToRGB(field.Font().Color()) == RGB(255, 0, 0) && field.Font().Style() == TFontStyles{fsBold};
}
bool IsPlain(TEdit& field) { return field.Font().Color() == clBlack && field.Font().Style() == TFontStyles{}; }

}  // namespace

TEST(WriteCommand, TickedFilesReceiveTheTypedValueAndNothingElseChanges) {
  Window w({"a.ini", "b.ini", "c.ini"});
  w.Untick("b.ini");
  w.Gain(3).SetText("0,8");
  w.Write();

  EXPECT_EQ(w.FileLines("a.ini"), BankWith({{"Engine", "0.8"}}));
  EXPECT_EQ(w.FileLines("c.ini"), BankWith({{"Engine", "0.8"}}));
  EXPECT_TRUE(w.Unchanged("b.ini"));
  EXPECT_EQ(w.Gain(3).Text(), "0.8");
  EXPECT_EQ(w.form().PC1->Position(), 3);
  EXPECT_EQ(w.form().PC1->CaptionText(), "Terminé / Done");
  EXPECT_EQ(w.form().GameRoot(), w.fixture.GameRootPath());
  EXPECT_EQ(Screen.Cursor(), crDefault);
  EXPECT_TRUE(w.NewBoxes().empty());
}

TEST(WriteCommand, ValuesGoInTheTableOrderIntoTheirSections) {
  // Keys missing from a file are added at the end of their section and a
  // missing section at the end of the file, so an empty file shows the order.
  Lines everyGain = {"[AMP::SOUNDS]"};
  for (int n = 3; n <= 30; ++n) everyGain.push_back(GainKeys[n - 3] + "=0." + IntToStr(n));
  struct Case {
    const char* name;
    std::function<void(Window&)> fill;
    Lines expected;
  };
  const Case cases[] = {
      {"channels, switch, engine",
       [](Window& w) {
         w.form().Edit1->SetText("32");
         w.form().CheckBox1->SetChecked(true);
         w.Gain(3).SetText("0.8");
       },
       {"[OPTIONS::SOUNDS]", "NumberChannels=32", "EnableEQOnCars=True", "[AMP::SOUNDS]", "Engine=0.8"}},
      {"every gain",
       [](Window& w) {
         for (int n = 3; n <= 30; ++n) w.Gain(n).SetText("0." + IntToStr(n));
       },
       everyGain},
      {"texts as typed",
       [](Window& w) {
         w.form().Edit1->SetText("abc,d");  // never checked, only its separators swapped
         w.Gain(3).SetText("1");
         w.Gain(4).SetText(",5");
         w.Gain(5).SetText("0,5e-1");
       },
       {"[OPTIONS::SOUNDS]", "NumberChannels=abc.d", "[AMP::SOUNDS]", "Engine=1", "EngineTransmission=.5",
        "TransmissionDiff=0.5e-1"}},
      {"nothing filled", [](Window&) {}, {}},
  };
  for (const Case& c : cases) {
    Window w({"empty.ini"});
    w.fixture.Folder().writeFile(w.BankPath("empty.ini"), "");
    c.fill(w);
    w.Write();
    EXPECT_EQ(w.FileLines("empty.ini"), c.expected) << c.name;
    EXPECT_TRUE(w.NewBoxes().empty()) << c.name;
  }
}

TEST(WriteCommand, GainCheckPassesRefusesOrStops) {
  enum Outcome { Written, OutOfRange, NotANumber };
  struct Case {
    std::string typed;
    bool anyValue;  // CheckBox2 ticked
    Outcome outcome;
    std::string shownAfter;
  };
  const Case cases[] = {
      {"0", false, Written, "0"},           {"1", false, Written, "1"},          {"1.0", false, Written, "1.0"},
      {"0,5", false, Written, "0.5"},       {"1.01", false, OutOfRange, "1.01"}, {"-0.1", false, OutOfRange, "-0.1"},
      {"1e1", false, OutOfRange, "1e1"},    {"1.01", true, Written, "1.01"},     {"-0.1", true, Written, "-0.1"},
      {"-5", true, Written, "-5"},          {"abc", false, NotANumber, "abc"},   {"1.2.3", true, NotANumber, "1.2.3"},
      {"1e400", true, NotANumber, "1e400"},
  };
  Window w({"a.ini"});
  TEdit& rain = w.Gain(30);  // the last field checked
  for (const Case& c : cases) {
    w.fixture.AddSoundFile("a.ini");
    w.form().PC1->SetPosition(0);
    rain.Font().SetColor(clWindowText);
    rain.Font().SetStyle({});
    w.form().CheckBox2->SetChecked(c.anyValue);
    rain.SetText(c.typed);
    w.Write();
    const std::string label = c.typed + (c.anyValue ? " (any value)" : "");
    EXPECT_EQ(rain.Text(), c.shownAfter) << label;
    EXPECT_EQ(Screen.Cursor(), crDefault) << label;
    switch (c.outcome) {
      case Written:
        EXPECT_EQ(w.FileLines("a.ini"), BankWith({{"Rain", c.shownAfter}})) << label;
        EXPECT_TRUE(IsPlain(rain)) << label;
        EXPECT_TRUE(w.NewBoxes().empty()) << label;
        break;
      case OutOfRange:
        EXPECT_TRUE(w.Unchanged("a.ini")) << label;
        EXPECT_TRUE(IsMarked(rain)) << label;
        EXPECT_EQ(w.OnlyBox(), RangeMessage) << label;
        break;
      case NotANumber: {
        EXPECT_TRUE(w.Unchanged("a.ini")) << label;
        EXPECT_EQ(rain.Font().Color(), clWindowText) << label;  // the field keeps its font
        const std::vector<CaughtBox> boxes = w.NewBoxes();
        ASSERT_EQ(boxes.size(), 1u) << label;
        EXPECT_EQ(boxes[0].caption, Application.Title());
        EXPECT_EQ(boxes[0].text, "'" + ReplaceChar(c.typed, '.', ',') + "' is not a valid floating point value.");
        EXPECT_TRUE(boxes[0].hasIcon);
        EXPECT_EQ(boxes[0].buttons, std::vector<std::string>{"OK"});
        break;
      }
    }
    EXPECT_EQ(w.form().PC1->Position(), c.outcome == Written ? 1 : 0) << label;
  }
}

TEST(WriteCommand, OnlyTheFirstFailingFieldIsMarked) {
  Window w({"a.ini"});
  w.Gain(3).SetText("0.5");  // passes: its earlier mark goes
  w.Gain(3).Font().SetColor(clRed);
  w.Gain(3).Font().SetStyle({fsBold});
  w.Gain(5).Font().SetColor(clRed);  // empty: keeps its mark
  w.Gain(5).Font().SetStyle({fsBold});
  w.Gain(4).SetText("2");
  w.Gain(7).SetText("3");
  w.Gain(7).Font().SetColor(clBlue);
  w.form().Edit1->Font().SetColor(clGreen);
  w.Write();

  EXPECT_TRUE(IsPlain(w.Gain(3)));
  EXPECT_TRUE(IsMarked(w.Gain(4)));
  EXPECT_TRUE(IsMarked(w.Gain(5)));
  EXPECT_EQ(w.Gain(7).Font().Color(), clBlue);
  EXPECT_EQ(w.Gain(7).Font().Style(), TFontStyles{});
  EXPECT_EQ(w.form().Edit1->Font().Color(), clGreen);
  EXPECT_EQ(w.OnlyBox(), RangeMessage);
  EXPECT_TRUE(w.Unchanged("a.ini"));
}

TEST(WriteCommand, CommasStandForPointsDuringTheCheckOnly) {
  // A root whose name holds both separators: the path field is never touched.
  Window w(NoFiles);
  const std::string root = w.fixture.Folder().pathOf("R.B,R");
  w.fixture.Folder().makeFolder("R.B,R\\KOVEN\\Sounds\\Audio");
  w.fixture.Folder().writeFile("R.B,R\\KOVEN\\Sounds\\Audio\\a.ini", SoundBankText());
  w.form().Edit2->SetText(root);
  SendKey(*w.form().Edit2, VK_RETURN);
  w.form().Edit1->SetText("3.2");
  w.Gain(3).SetText("0.5");
  w.Gain(4).SetText("1.5");  // out of range: the box shows while the commas are in
  {
    FieldsAtBoxes seen(w.form());
    w.Write();
    ASSERT_EQ(seen.snapshots.size(), 1u);
    EXPECT_EQ(seen.snapshots[0].edit1, "3,2");
    EXPECT_EQ(seen.snapshots[0].edit2, root);
    EXPECT_EQ(seen.snapshots[0].edit3, "0,5");
    EXPECT_EQ(seen.snapshots[0].edit4, "1,5");
    EXPECT_EQ(seen.snapshots[0].cursor, crHourGlass);
  }
  EXPECT_EQ(w.form().Edit1->Text(), "3.2");
  EXPECT_EQ(w.Gain(3).Text(), "0.5");
  EXPECT_EQ(w.Gain(4).Text(), "1.5");

  w.Gain(4).SetText("1,5");
  w.form().CheckBox2->SetChecked(true);
  w.Write();
  EXPECT_EQ(w.form().Edit2->Text(), root);
  EXPECT_EQ(withoutBlankLines(w.fixture.Folder().readLines("R.B,R\\KOVEN\\Sounds\\Audio\\a.ini")),
            BankWith({{"NumberChannels", "3.2"}, {"Engine", "0.5"}, {"EngineTransmission", "1.5"}}));
}

TEST(WriteCommand, EmptyPathFieldStopsAfterTheCheck) {
  {
    Window w({"a.ini"});
    w.form().Edit2->SetText("");
    w.Gain(3).SetText("0.8");
    w.Write();
    EXPECT_EQ(w.OnlyBox(), PathMessage);
    EXPECT_TRUE(w.Unchanged("a.ini"));
    EXPECT_EQ(w.form().GameRoot(), w.fixture.GameRootPath());
    EXPECT_EQ(Screen.Cursor(), crDefault);
  }
  // A value out of range is reported first, and alone.
  Window w({"a.ini"});
  w.form().Edit2->SetText("");
  w.Gain(3).SetText("8");
  w.Write();
  EXPECT_EQ(w.OnlyBox(), RangeMessage);
}

TEST(WriteCommand, BarStepsOncePerListItemTickedOrNot) {
  struct Case {
    const char* name;
    std::vector<std::string> files;
    std::vector<std::string> unticked;
    bool fill;
    int position;
  };
  const Case cases[] = {
      {"some unticked", {"a.ini", "b.ini", "c.ini", "d.ini"}, {"b.ini", "c.ini"}, true, 4},
      {"none ticked", {"a.ini", "b.ini"}, {"a.ini", "b.ini"}, true, 2},
      {"nothing filled", {"a.ini", "b.ini", "c.ini"}, {}, false, 3},
      {"empty list", {}, {}, true, 0},
  };
  for (const Case& c : cases) {
    Window w(c.files);
    for (const std::string& name : c.unticked) w.Untick(name);
    if (c.fill) w.Gain(3).SetText("0.8");
    w.form().PC1->SetPosition(1);
    w.Write();
    EXPECT_EQ(w.form().PC1->Position(), c.position) << c.name;
    for (const std::string& name : c.files) {
      const bool written = c.fill && std::find(c.unticked.begin(), c.unticked.end(), name) == c.unticked.end();
      EXPECT_EQ(w.Unchanged(name), !written) << c.name << " " << name;
    }
    EXPECT_TRUE(w.NewBoxes().empty()) << c.name;
  }
}

TEST(WriteCommand, TypedRootIsWrittenWithTheNamesListedBefore) {
  Window w({"a.ini"});
  w.fixture.Folder().makeFolder("Other\\KOVEN\\Sounds\\Audio");
  w.fixture.Folder().writeFile("Other\\KOVEN\\Sounds\\Audio\\a.ini", SoundBankText());
  w.form().Edit2->SetText(w.fixture.Folder().pathOf("Other"));
  w.Gain(3).SetText("0.8");
  w.Write();
  EXPECT_EQ(w.form().GameRoot(), w.fixture.Folder().pathOf("Other"));
  EXPECT_TRUE(w.Unchanged("a.ini"));
  EXPECT_EQ(withoutBlankLines(w.fixture.Folder().readLines("Other\\KOVEN\\Sounds\\Audio\\a.ini")),
            BankWith({{"Engine", "0.8"}}));
}

TEST(WriteCommand, FileHeldByTheGameIsReportedAndTheOthersWritten) {
  Window w({"a.ini", "b.ini", "c.ini"});
  w.form().Edit1->SetText("32");
  w.Gain(3).SetText("0.8");
  {
    HeldOpen game(w.fixture.Folder().pathOf(w.BankPath("b.ini")));
    w.Write();
  }
  EXPECT_EQ(w.OnlyBox(), ReportHeading + "\rb.ini" + InUse + w.BackupLine());
  EXPECT_TRUE(w.Unchanged("b.ini"));
  for (const char* name : {"a.ini", "c.ini"})
    EXPECT_EQ(w.FileLines(name), BankWith({{"NumberChannels", "32"}, {"Engine", "0.8"}})) << name;
  EXPECT_EQ(w.form().PC1->Position(), 3);
  EXPECT_EQ(Screen.Cursor(), crDefault);
}

TEST(WriteCommand, RootWithoutTheSoundFolderFailsEveryTickedFile) {
  Window w({"a.ini", "b.ini"});
  w.Untick("a.ini");
  w.form().Edit2->SetText(w.fixture.Folder().pathOf("Nowhere"));
  w.form().CheckBox1->SetChecked(true);
  w.Write();
  // No file was copied, so no backup set is named.
  EXPECT_EQ(w.OnlyBox(), ReportHeading + "\rb.ini" + Missing);
  EXPECT_FALSE(w.fixture.Folder().exists("Nowhere"));
  EXPECT_TRUE(TBackupStore(w.fixture.BackupsPath()).Sets().empty());
}

TEST(WriteCommand, ReportNamesTwentyFilesAndCountsTheOthers) {
  std::vector<std::string> names;
  for (int n = 0; n < 23; ++n) names.push_back("bank" + IntToStr(n) + ".ini");
  Window w(names);
  w.Gain(3).SetText("0.8");
  w.form().Edit2->SetText(w.fixture.Folder().pathOf("Nowhere"));
  w.Write();
  std::string expected = ReportHeading;
  for (int i = 0; i < 20; ++i) expected += "\r" + w.form().CLB->Items(i) + Missing;
  EXPECT_EQ(w.OnlyBox(), expected + "\r... (+3)");
}

TEST(WriteCommand, BanksNoFormOfWhosePathFitsTheProfileAreListedButNotWritten) {
  // A root of 300 characters in folder names that are their own short
  // names: neither form of a bank's path fits the profile's 259.
  Window w(NoFiles);
  const std::string rootName = deepName(300 - w.fixture.Folder().path().size() - 1, 3);
  const std::string audio = rootName + "\\KOVEN\\Sounds\\Audio\\";
  w.fixture.Folder().makeFolder(audio);
  for (const char* name : {"a.ini", "ab.ini"}) w.fixture.Folder().writeFile(audio + name, SoundBankText());
  w.form().Edit2->SetText(w.fixture.Folder().pathOf(rootName));
  SendKey(*w.form().Edit2, VK_RETURN);
  ASSERT_EQ(w.form().CLB->Count(), 2);
  w.Gain(3).SetText("0.8");
  w.Write();

  EXPECT_EQ(w.OnlyBox(), ReportHeading + "\ra.ini" + TooLong + "\rab.ini" + TooLong);
  for (const char* name : {"a.ini", "ab.ini"})
    EXPECT_EQ(w.fixture.Folder().readFile(audio + name), SoundBankText()) << name;
}

TEST(WriteCommand, CommandsPressedDuringTheWriteWait) {
  // Each of these, had it run inside the write, would show: a second write
  // a second report, "Uncheck all" an unwritten a.ini, the defaults more
  // values in a.ini, and a re-list a ticked and written b.ini.
  Window w({"a.ini", "b.ini", "c.ini"});
  w.Untick("b.ini");
  w.Gain(3).SetText("0.8");
  HeldOpen game(w.fixture.Folder().pathOf(w.BankPath("c.ini")));
  PostClick(*w.form().bButton1);
  PostClick(*w.form().bButton3);
  PostClick(*w.form().bButton4);
  PostClick(*w.form().bButton5);
  PostKey(*w.form().Edit2, VK_RETURN);
  w.Write();

  EXPECT_EQ(w.OnlyBox(), ReportHeading + "\rc.ini" + InUse + w.BackupLine());
  EXPECT_EQ(w.FileLines("a.ini"), BankWith({{"Engine", "0.8"}}));
  EXPECT_TRUE(w.Unchanged("b.ini"));
  EXPECT_EQ(w.form().bButton3->Caption(), "Décocher tout / Uncheck all");
  EXPECT_EQ(w.form().bButton4->Caption(), "Valeur par défaut / Default values");
  EXPECT_EQ(w.form().Edit1->Text(), "");
  EXPECT_FALSE(w.form().CLB->Checked(1));
  EXPECT_FALSE(w.fixture.EndRequested());
}

TEST(WriteCommand, QuitOrCloseDuringTheWriteEndsTheProgramAfterIt) {
  const std::pair<const char*, std::function<void(TForm1&)>> requests[] = {
      {"Quit", [](TForm1& form) { PostClick(*form.bButton2); }},
      {"close box", [](TForm1& form) { PostMessageW(form.Handle(), WM_CLOSE, 0, 0); }},
  };
  for (const auto& [name, request] : requests) {
    Window w({"a.ini", "b.ini", "c.ini"});
    w.form().Edit1->SetText("32");
    w.Gain(3).SetText("0.8");
    request(w.form());
    w.Write();
    EXPECT_TRUE(w.fixture.EndRequested()) << name;
    for (const char* file : {"a.ini", "b.ini", "c.ini"})
      EXPECT_EQ(w.FileLines(file), BankWith({{"NumberChannels", "32"}, {"Engine", "0.8"}})) << name << " " << file;
    EXPECT_EQ(w.form().PC1->Position(), 3) << name;
    DropQuitMessage();
  }
}

TEST(WriteCommand, ReportGivesEachFileItsReasonAndNamesTheBackupSet) {
  std::string utf16WithoutMark;
  for (char c : SoundBankText()) utf16WithoutMark += std::string{c, '\0'};
  std::string withNul = SoundBankText();
  withNul.insert(withNul.find("Rain"), 1, '\0');
  const std::map<std::string, std::string> reasons = {
      {"held.ini", InUse}, {"gone.ini", Missing}, {"utf16.ini", NotText}, {"zerobyte.ini", NotText}};
  Window w({"a.ini", "held.ini", "gone.ini", "utf16.ini", "zerobyte.ini"});
  w.fixture.Folder().writeFile(w.BankPath("utf16.ini"), utf16WithoutMark);
  w.fixture.Folder().writeFile(w.BankPath("zerobyte.ini"), withNul);
  DeleteFileA(w.fixture.Folder().pathOf(w.BankPath("gone.ini")).c_str());
  w.Gain(3).SetText("0.8");
  {
    HeldOpen game(w.fixture.Folder().pathOf(w.BankPath("held.ini")));
    w.Write();
  }
  std::string expected = ReportHeading;
  for (int i = 0; i < w.form().CLB->Count(); ++i) {
    const std::string name = w.form().CLB->Items(i);
    if (reasons.count(name)) expected += "\r" + name + reasons.at(name);
  }
  EXPECT_EQ(w.OnlyBox(), expected + w.BackupLine());
  EXPECT_EQ(w.FileLines("a.ini"), BankWith({{"Engine", "0.8"}}));
  EXPECT_TRUE(w.Unchanged("held.ini"));
  EXPECT_FALSE(w.fixture.Folder().exists(w.BankPath("gone.ini")));
  EXPECT_EQ(w.fixture.Folder().readFile(w.BankPath("utf16.ini")), utf16WithoutMark);
  EXPECT_EQ(w.fixture.Folder().readFile(w.BankPath("zerobyte.ini")), withNul);
}

TEST(WriteCommand, PastedValuesAreCutTo128CharactersBeforeTheCheck) {
  // 1 followed by 130 zeros and e-130 reads as 1.0 in full; its first 128
  // characters read as 1e127.
  const std::string pasted = "1" + std::string(130, '0') + "e-130";
  const std::string kept = pasted.substr(0, 128);
  Window w({"a.ini"});
  const std::wstring wide = Text::ToWide(pasted);
  ASSERT_TRUE(OpenClipboard(w.form().Handle()));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
  std::copy(wide.c_str(), wide.c_str() + wide.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  for (TEdit* field : {w.form().Edit1, &w.Gain(3), &w.Gain(30)}) {
    SendMessageW(field->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(field->Text(), kept) << field->Name();
  }
  w.form().Edit1->SetText("");
  w.Gain(30).SetText("");

  w.Write();
  EXPECT_EQ(w.OnlyBox(), RangeMessage);
  EXPECT_TRUE(w.Unchanged("a.ini"));

  w.form().CheckBox2->SetChecked(true);
  w.Write();
  EXPECT_EQ(w.FileLines("a.ini"), BankWith({{"Engine", kept}}));
  EXPECT_TRUE(w.NewBoxes().empty());
}
