// Taking one bank's values into the value fields, on the real window and
// real files: the fields get what the file holds or are emptied where it
// lacks the key, the equaliser switch is only ever ticked, and a press then
// gives another bank the same settings.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/BankValues.h"
#include "app/ValueFields.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/bButton.h"
#include "framework/StdCtrls.h"
#include "tests/app/FormFixture.h"
#include "tests/app/Input.h"

using namespace klangor::test;

namespace {

// A bank holding every setting, each gain with a value of its own.
std::string FullBank(const std::string& equaliser) {
  std::string text = "[OPTIONS::SOUNDS]\r\nNumberChannels=16\r\nEnableEQOnCars=" + equaliser + "\r\n[AMP::SOUNDS]\r\n";
  for (size_t row = 0; row < GainKeys.size(); ++row)
    text += GainKeys[row] + " = 0." + std::to_string(row + 10) + "\r\n";
  return text;
}

class Window {
 public:
  Window() {
    fixture.AddSoundFile("a.ini", FullBank("True"));
    fixture.AddSoundFile("b.ini");
    fixture.SetRegistryRoot(fixture.GameRootPath());
    fixture.CreateForm();
  }
  TForm1& form() { return fixture.Form(); }
  // The window's own fields, through a value-fields object of the test's.
  TValueFields Fields() {
    return TValueFields({*form().Edit1, *form().CheckBox1, *form().CheckBox2, form().GainRows(), {}});
  }
  std::string Path(const std::string& name) const { return fixture.SoundFolderPath() + "\\" + name; }
  std::vector<std::optional<std::string>> ValuesOf(const std::string& name) {
    return TBankValues::Read(Path(name), Fields().Settings()).Values;
  }
  std::vector<std::string> FieldTexts() {
    std::vector<std::string> texts = {form().Edit1->Text()};
    for (const auto& row : form().GainRows()) texts.push_back(row.Field->Text());
    return texts;
  }

  FormFixture fixture;
};

}  // namespace

TEST(UseValues, FieldsTakeTheFileValuesAndEmptyWhereItLacksAKey) {
  Window w;
  struct Case {
    const char* name;
    bool tickedBefore;
    int keys;
    bool tickedAfter;
  };
  // The fixture's bank holds NumberChannels, EnableEQOnCars=False and four gains.
  const Case cases[] = {
      {"a.ini", false, 30, true},
      {"b.ini", true, 6, true},
      {"b.ini", false, 6, false},
  };
  for (const Case& c : cases) {
    w.form().CheckBox1->SetChecked(c.tickedBefore);
    for (const auto& row : w.form().GainRows()) row.Field->SetText("0.99");
    EXPECT_EQ(w.Fields().FillFromFile(w.Path(c.name)), c.keys) << c.name;
    EXPECT_EQ(w.form().CheckBox1->Checked(), c.tickedAfter) << c.name;
    std::vector<std::string> expected;
    for (const auto& value : w.ValuesOf(c.name)) expected.push_back(value.value_or(""));
    expected.erase(expected.begin() + 1);  // the switch has no field of text
    EXPECT_EQ(w.FieldTexts(), expected) << c.name;
  }
  // The last case's bank, as SoundBankText holds it.
  EXPECT_EQ(w.FieldTexts()[0], "32");
  EXPECT_EQ(w.FieldTexts()[1], "1.0");
  EXPECT_EQ(w.FieldTexts()[3], "");
  EXPECT_EQ(w.Fields().FillFromFile(w.Path("missing.ini")), 0);
  EXPECT_EQ(w.FieldTexts(), std::vector<std::string>(29));
}

TEST(UseValues, APressGivesAnotherBankTheSameSettings) {
  Window w;
  w.Fields().FillFromFile(w.Path("a.ini"));
  for (int item = 0; item < w.form().CLB->Count(); ++item)
    w.form().CLB->SetChecked(item, w.form().CLB->Items(item) == "b.ini");
  SendClick(*w.form().bButton1);
  EXPECT_TRUE(w.fixture.WindowBoxes().empty());
  EXPECT_EQ(w.ValuesOf("b.ini"), w.ValuesOf("a.ini"));
  EXPECT_EQ(w.fixture.Folder().readFile("RBR\\KOVEN\\Sounds\\Audio\\a.ini"), FullBank("True"));
}
