// Start-up of the main window: the components its layout creates, their
// order, and what the registry and the sound folder put into it.
#include <gtest/gtest.h>

#include <algorithm>

#include "components/config/BFC_Dir.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/ProgressCyl2.h"
#include "components/widgets/bButton.h"
#include "framework/SysUtils.h"
#include "tests/app/FormFixture.h"

using namespace klangor::test;

namespace {

std::vector<std::string> ListedFiles(TForm1& form) {
  std::vector<std::string> names;
  for (int i = 0; i < form.CLB->Count(); ++i) names.push_back(form.CLB->Items(i));
  return names;
}

bool AllTicked(TForm1& form) {
  for (int i = 0; i < form.CLB->Count(); ++i)
    if (!form.CLB->Checked(i)) return false;
  return true;
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

RECT WindowRectIn(HWND window, HWND parent) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace

TEST(Startup, LayoutCreatesEveryComponentInItsOrder) {
  FormFixture fixture;
  TForm1& form = fixture.CreateForm();
  std::vector<std::string> expected = {"Label1", "Label2",    "Label4", "PC1",     "Label33", "bButton1",  "bButton2",
                                       "Edit2",  "GroupBox1", "Label3", "Label62", "Edit1",   "CheckBox1", "GroupBox2"};
  for (int n = 5; n <= 32; ++n) expected.push_back("Label" + IntToStr(n));
  for (int n = 34; n <= 61; ++n) expected.push_back("Label" + IntToStr(n));
  for (int n = 3; n <= 30; ++n) expected.push_back("Edit" + IntToStr(n));
  for (const char* name : {"CLB", "bButton3", "bButton4", "bButton5", "CheckBox2", "BFC_Dir1", "RegistryReader1",
                           "Profile1", "VersionChecker1"})
    expected.push_back(name);
  std::vector<std::string> actual;
  for (int i = 0; i < form.ComponentCount(); ++i) actual.push_back(form.Components(i)->Name());
  EXPECT_EQ(actual, expected);

  std::vector<std::string> edits;
  for (int i = 0; i < form.ComponentCount(); ++i)
    if (dynamic_cast<TEdit*>(form.Components(i))) edits.push_back(form.Components(i)->Name());
  std::vector<std::string> expectedEdits = {"Edit2", "Edit1"};
  for (int n = 3; n <= 30; ++n) expectedEdits.push_back("Edit" + IntToStr(n));
  EXPECT_EQ(edits, expectedEdits);
}

TEST(Startup, GainFieldsTakeTheirKeysFromTheirLabels) {
  FormFixture fixture;
  TForm1& form = fixture.CreateForm();
  const std::vector<std::string>& keys = GainKeys;
  ASSERT_EQ(form.GainRows().size(), keys.size());
  for (size_t row = 0; row < keys.size(); ++row) {
    EXPECT_EQ(form.GainRows()[row].Field->Name(), "Edit" + IntToStr(static_cast<long long>(row) + 3));
    EXPECT_EQ(form.GainRows()[row].KeyLabel->Caption(), keys[row]);
  }
}

TEST(Startup, WindowMatchesItsStoredLayout) {
  FormFixture fixture;
  TForm1& form = fixture.CreateForm();
  HWND window = form.Handle();
  wchar_t caption[64];
  GetWindowTextW(window, caption, 64);
  EXPECT_STREQ(caption, L"Klangor");
  RECT outer{};
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.right - outer.left, 723);
  EXPECT_EQ(outer.bottom - outer.top, 550);

  struct Place {
    TWinControl* control;
    RECT expected;
  };
  const std::vector<Place> places = {
      {form.Edit2, {8, 21, 671, 42}},
      {form.bButton5, {677, 21, 697, 42}},
      {form.CLB, {9, 61, 242, 443}},
      {form.GroupBox1, {254, 60, 697, 103}},
      {form.GroupBox2, {254, 116, 697, 455}},
      {form.bButton3, {9, 462, 172, 480}},
      {form.bButton1, {254, 462, 421, 480}},
      {form.bButton4, {427, 462, 609, 480}},
      {form.bButton2, {615, 462, 696, 480}},
      {form.CheckBox2, {357, 104, 593, 121}},
      {form.Edit1, {160, 15, 219, 37}},
      {form.CheckBox1, {256, 16, 373, 33}},
      {form.GainRows()[0].Field, {137, 18, 196, 40}},     // Edit3, left column, first line
      {form.GainRows()[13].Field, {137, 314, 196, 336}},  // Edit16, left column, last line
      {form.GainRows()[14].Field, {343, 18, 402, 40}},    // Edit17, right column, first line
      {form.GainRows()[27].Field, {343, 314, 402, 336}},  // Edit30
  };
  for (const Place& place : places) {
    const RECT actual = WindowRectIn(place.control->Handle(), GetParent(place.control->Handle()));
    EXPECT_TRUE(EqualRect(&actual, &place.expected)) << place.control->Name() << " at " << actual.left << ","
                                                     << actual.top << "," << actual.right << "," << actual.bottom;
  }
  EXPECT_EQ(form.PC1->Left(), 7);
  EXPECT_EQ(form.PC1->Top(), 487);
  EXPECT_EQ(form.PC1->Width(), 693);
  EXPECT_EQ(form.PC1->Height(), 22);
}

TEST(Startup, TabMovesTheFocusInTheStoredOrder) {
  FormFixture fixture;
  TForm1& form = fixture.CreateForm();
  form.Show();
  std::vector<std::string> expected = {"Edit2", "Edit1", "CheckBox1"};
  for (int n = 3; n <= 30; ++n) expected.push_back("Edit" + IntToStr(n));
  expected.push_back("CLB");
  expected.push_back("CheckBox2");
  expected.push_back("Edit2");  // and round again
  form.Edit2->SetFocus();
  std::vector<std::string> visited = {TWinControl::FromHandle(GetFocus())->Name()};
  for (size_t step = 1; step < expected.size(); ++step) {
    form.SelectNext(TWinControl::FromHandle(GetFocus()), true);
    TWinControl* focused = TWinControl::FromHandle(GetFocus());
    visited.push_back(focused ? focused->Name() : "?");
  }
  EXPECT_EQ(visited, expected);
}

TEST(Startup, ValueFieldsStartEmptyAndButtonsWithTheirStoredCaptions) {
  FormFixture fixture;
  TForm1& form = fixture.CreateForm();
  EXPECT_EQ(form.Edit1->Text(), "");
  for (const TForm1::GainRow& row : form.GainRows()) EXPECT_EQ(row.Field->Text(), "") << row.Field->Name();
  EXPECT_FALSE(form.CheckBox1->Checked());
  EXPECT_FALSE(form.CheckBox2->Checked());
  EXPECT_EQ(form.bButton3->Caption(), "Décocher tout / Uncheck all");
  EXPECT_EQ(form.bButton4->Caption(), "Valeur par défaut / Default values");
  EXPECT_EQ(form.bButton1->Caption(), "Modifier les fichiers / Modify files");
  EXPECT_EQ(form.bButton2->Caption(), "Quitter / Quit");
  EXPECT_EQ(form.bButton5->Caption(), "->");
}

TEST(Startup, RegistryRootListsEverySoundBankTicked) {
  FormFixture fixture;
  for (const char* name : {"Car_Generic.ini", "Gravel.ini", "Tarmac.INI", "Crowd.ini"}) fixture.AddSoundFile(name);
  fixture.SetRegistryRoot(fixture.GameRootPath());
  TForm1& form = fixture.CreateForm();

  EXPECT_EQ(form.GameRoot(), fixture.GameRootPath());
  EXPECT_EQ(form.Edit2->Text(), fixture.GameRootPath());
  EXPECT_EQ(Sorted(ListedFiles(form)), Sorted({"Car_Generic.ini", "Gravel.ini", "Tarmac.INI", "Crowd.ini"}));
  EXPECT_TRUE(AllTicked(form));
  EXPECT_EQ(form.Label1->Caption(), "Nb de fichiers / Nb of files : 4");
  EXPECT_EQ(form.PC1->Max(), 4);
  EXPECT_EQ(form.PC1->Position(), 0);
  EXPECT_TRUE(fixture.WindowBoxes().empty());
}

TEST(Startup, OnlyFilesMatchingTheIniPatternAreListed) {
  FormFixture fixture;
  fixture.AddSoundFile("a.ini");
  fixture.AddSoundFile("readme.txt");
  fixture.AddSoundFile(".hidden.ini");
  fixture.AddSoundFile("system.ini");
  SetFileAttributesA((fixture.SoundFolderPath() + "\\system.ini").c_str(),
                     FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  fixture.Folder().makeFolder("RBR\\KOVEN\\Sounds\\Audio\\old.ini");
  fixture.Folder().makeFolder("RBR\\KOVEN\\Sounds\\Audio\\sub");
  fixture.SetRegistryRoot(fixture.GameRootPath());
  TForm1& form = fixture.CreateForm();
  EXPECT_EQ(Sorted(ListedFiles(form)), Sorted({"a.ini", "system.ini"}));
  EXPECT_EQ(form.Label1->Caption(), "Nb de fichiers / Nb of files : 2");
}

TEST(Startup, RootWithTrailingBackslashIsKeptAsTyped) {
  FormFixture fixture;
  fixture.AddSoundFile("a.ini");
  fixture.SetRegistryRoot(fixture.GameRootPath() + "\\");
  TForm1& form = fixture.CreateForm();
  EXPECT_EQ(form.GameRoot(), fixture.GameRootPath() + "\\");
  EXPECT_EQ(form.BFC_Dir1->PathName(), fixture.GameRootPath() + "\\\\KOVEN\\Sounds\\Audio");
  EXPECT_EQ(ListedFiles(form), std::vector<std::string>{"a.ini"});
}

TEST(Startup, MissingRegistryEntryGivesAnEmptyList) {
  FormFixture fixture;
  fixture.AddSoundFile("a.ini");
  TForm1& form = fixture.CreateForm();
  EXPECT_EQ(form.GameRoot(), "");
  EXPECT_EQ(form.Edit2->Text(), "");
  EXPECT_EQ(form.CLB->Count(), 0);
  EXPECT_EQ(form.Label1->Caption(), "Nb de fichiers / Nb of files : 0");
  EXPECT_EQ(form.PC1->Max(), 1);  // a maximum equal to the minimum is raised by one
  EXPECT_EQ(form.PC1->Position(), 0);
  EXPECT_TRUE(fixture.WindowBoxes().empty());
}

TEST(Startup, RootWithoutSoundFolderGivesAnEmptyListSilently) {
  FormFixture fixture;
  fixture.SetRegistryRoot(fixture.Folder().pathOf("NoGameHere"));
  TForm1& form = fixture.CreateForm();
  EXPECT_EQ(form.Edit2->Text(), fixture.Folder().pathOf("NoGameHere"));
  EXPECT_EQ(form.CLB->Count(), 0);
  EXPECT_EQ(form.Label1->Caption(), "Nb de fichiers / Nb of files : 0");
  EXPECT_TRUE(fixture.WindowBoxes().empty());
}

TEST(Startup, RegistryValueThatIsNotTextStopsStartUpWithTheErrorBox) {
  FormFixture fixture;
  fixture.AddSoundFile("a.ini");
  fixture.SetRegistryDword();
  TForm1& form = fixture.CreateForm();

  const std::vector<CaughtBox> boxes = fixture.Boxes().boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, Application.Title());
  EXPECT_EQ(boxes[0].text, "Invalid data type for ''");
  EXPECT_TRUE(boxes[0].hasIcon);
  EXPECT_EQ(boxes[0].buttons, std::vector<std::string>{"OK"});
  // The window keeps its stored state.
  EXPECT_EQ(form.Edit2->Text(), "");
  EXPECT_EQ(form.CLB->Count(), 0);
  EXPECT_EQ(form.Label1->Caption(), "Nb de fichiers / Nb of Files :");
  EXPECT_EQ(form.PC1->Max(), 100);
  EXPECT_EQ(form.PC1->Position(), 30);
}
