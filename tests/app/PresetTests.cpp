// Presets on the real window and real files, through the system's own
// dialogs driven in-process: the name is typed into the dialog's file name
// field and its OK button pressed (MessageBoxCatcher). A preset holds the
// filled fields in the banks' format and nothing else, loads back into the
// same fields, and any bank loads as a preset; no bank is ever written.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/PresetFile.h"
#include "components/widgets/LMDCheckListBox.h"
#include "framework/StdCtrls.h"
#include "tests/app/FormFixture.h"
#include "tests/app/Input.h"
#include "tests/support/Utf8.h"

using namespace klangor::test;

namespace {

const std::string NoKeyMessage =
    "Ce fichier ne contient aucune des valeurs de Klangor.\rThis file holds none of Klangor's values.";
const std::string NothingFilledMessage =
    "Aucune valeur à enregistrer : remplissez au moins un champ.\rNo value to save: fill in at least one field.";
const std::string InSoundFolderMessage =
    "Un réglage ne s'enregistre pas dans le dossier des sons du jeu, où il serait pris pour une banque.\r"
    "A preset is not saved in the game's sound folder, where it would be taken for a sound bank.";

// A window on one bank, a.ini, with the version check's warning answered.
class Window {
 public:
  Window() {
    fixture.AddSoundFile("a.ini");
    fixture.Folder().makeFolder("Presets");
    fixture.SetRegistryRoot(fixture.GameRootPath());
    fixture.CreateForm();
    fixture.AwaitVersionWarning();
  }
  TForm1& form() { return fixture.Form(); }
  std::string Preset(const std::string& name) { return fixture.Folder().pathOf("Presets\\" + name); }
  std::string Bank() { return fixture.Folder().readFile("RBR\\KOVEN\\Sounds\\Audio\\a.ini"); }

  // Ctrl+Shift+S or Ctrl+O typed, the dialog answered with the name.
  void Save(const std::string& name) { Press('S', ssCtrl | ssShift, name); }
  void Load(const std::string& name) { Press('O', ssCtrl, name); }
  void Press(WORD key, TShiftState shift, const std::string& name) {
    fixture.Boxes().answerNextFileDialog(name);
    PostKey(*form().Edit1, key, shift);
    fixture.Pump();
  }

  // The channel count, the tick and the 28 gains as the window shows them.
  std::vector<std::string> Fields() {
    std::vector<std::string> texts = {form().Edit1->Text(), form().CheckBox1->Checked() ? "ticked" : "unticked"};
    for (const auto& row : form().GainRows()) texts.push_back(row.Field->Text());
    return texts;
  }
  void ClearFields() {
    form().Edit1->SetText("");
    form().CheckBox1->SetChecked(false);
    for (const auto& row : form().GainRows()) row.Field->SetText("");
  }
  // The message boxes, the dialogs left out.
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const CaughtBox& box : fixture.WindowBoxes())
      if (!box.isFileDialog) texts.push_back(box.text);
    return texts;
  }

  FormFixture fixture;
};

}  // namespace

TEST(Preset, SavedValuesLoadBackIntoTheSameFieldsAndTheFileHoldsNothingElse) {
  Window w;
  const std::string bank = w.Bank();
  w.form().Edit1->SetText("32");
  w.form().CheckBox1->SetChecked(true);
  w.form().GainRows()[0].Field->SetText("0.8");    // Engine
  w.form().GainRows()[7].Field->SetText("1,25");   // Squeeks, as typed with a comma
  w.form().GainRows()[27].Field->SetText("0.05");  // Rain
  const std::vector<std::string> filled = w.Fields();

  // The dialog's default extension names the file "My preset.ini".
  w.Save(w.Preset("My preset"));
  ASSERT_TRUE(w.fixture.Folder().exists("Presets\\My preset.ini"));
  EXPECT_EQ(w.fixture.Folder().readFile("Presets\\My preset.ini"),
            "[OPTIONS::SOUNDS]\r\nNumberChannels=32\r\nEnableEQOnCars=True\r\n"
            "[AMP::SOUNDS]\r\nEngine=0.8\r\nSqueeks=1,25\r\nRain=0.05\r\n");

  w.ClearFields();
  w.Load(w.Preset("My preset.ini"));
  EXPECT_EQ(w.Fields(), filled);
  EXPECT_EQ(w.Messages(), std::vector<std::string>{});
  EXPECT_EQ(w.Bank(), bank);
  ASSERT_GE(w.fixture.WindowBoxes().size(), 2u);
  EXPECT_EQ(w.fixture.WindowBoxes()[0].caption, "Enregistrer les valeurs / Save values");
  EXPECT_EQ(w.fixture.WindowBoxes()[1].caption, "Charger des valeurs / Load values");
}

TEST(Preset, GainsOnlyGiveOnlyTheirSectionAndAFileReplacedStaysWhole) {
  Window w;
  w.fixture.Folder().writeFile("Presets\\p.ini", "old");
  w.form().GainRows()[1].Field->SetText("0.6");
  // Over an existing file, after the dialog's own question (answered Yes).
  w.Save(w.Preset("p.ini"));
  EXPECT_EQ(w.fixture.Folder().readFile("Presets\\p.ini"), "[AMP::SOUNDS]\r\nEngineTransmission=0.6\r\n");

  // A file that cannot be replaced keeps its bytes and leaves no temporary file.
  {
    const HeldOpen held(w.Preset("p.ini"));
    EXPECT_NE(SavePreset(w.Preset("p.ini"), {{"AMP::SOUNDS", "Engine", "0.1"}}), 0u);
  }
  EXPECT_EQ(w.fixture.Folder().readFile("Presets\\p.ini"), "[AMP::SOUNDS]\r\nEngineTransmission=0.6\r\n");
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(widen(w.Preset("*")).c_str(), &found);
  int entries = 0;
  for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) ++entries;
  FindClose(search);
  EXPECT_EQ(entries, 3);  // ".", ".." and p.ini
}

TEST(Preset, ABankLoadsAsAPresetAndUnknownOrMissingKeysAreLeftOut) {
  Window w;
  struct Case {
    const char* text;
    std::vector<std::string> fields;  // channels, tick, then the gains by key
    std::vector<std::pair<std::string, std::string>> gains;
  };
  const Case cases[] = {
      // The bank the game ships, with other sections, comments and blank lines.
      {nullptr,
       {"32", "unticked"},
       {{"Engine", "1.0"}, {"EngineTransmission", "0.35"}, {"GravelParticles", "1.0"}, {"Rain", "1.0"}}},
      // Keys of no setting, a section of none, odd case and spacing.
      {"[options::sounds]\r\nenableeqoncars = True\r\nVolume=3\r\n[AMP::SOUNDS]\r\n  turbo = 0.9 \r\nTurboLag=2\r\n"
       "[EQ::CARS]\r\nEngine=0.1\r\n",
       {"", "ticked"},
       {{"Turbo", "0.9"}}},
  };
  for (const Case& c : cases) {
    if (c.text) w.fixture.Folder().writeFile("Presets\\case.ini", c.text);
    const std::string path = c.text ? w.Preset("case.ini") : w.fixture.SoundFolderPath() + "\\a.ini";
    // Every field holds something before, so emptied ones show.
    for (const auto& row : w.form().GainRows()) row.Field->SetText("0.5");
    w.form().CheckBox1->SetChecked(false);
    w.Load(path);
    std::vector<std::string> expected = c.fields;
    for (const std::string& key : GainKeys) {
      std::string value;
      for (const auto& [gainKey, gainValue] : c.gains)
        if (gainKey == key) value = gainValue;
      expected.push_back(value);
    }
    EXPECT_EQ(w.Fields(), expected) << path;
  }
  EXPECT_EQ(w.Messages(), std::vector<std::string>{});
}

TEST(Preset, RefusalsAreToldAndWriteNothing) {
  Window w;
  const std::string bank = w.Bank();
  w.fixture.Folder().writeFile("Presets\\none.ini", "[Other]\r\nEngine=0.1\r\n");
  w.Load(w.Preset("none.ini"));
  // With nothing filled there is nothing to save, and no dialog opens.
  w.ClearFields();
  PostKey(*w.form().Edit1, 'S', ssCtrl | ssShift);
  w.fixture.Pump();
  // A preset is never saved where it would be listed as a bank.
  w.form().Edit1->SetText("32");
  w.Save(w.fixture.SoundFolderPath() + "\\preset.ini");
  EXPECT_EQ(w.Messages(),
            (std::vector<std::string>{NoKeyMessage + "\r\r" + w.Preset("none.ini"), NothingFilledMessage,
                                      InSoundFolderMessage + "\r\r" + w.fixture.SoundFolderPath() + "\\preset.ini"}));
  EXPECT_FALSE(w.fixture.Folder().exists("RBR\\KOVEN\\Sounds\\Audio\\preset.ini"));
  EXPECT_EQ(w.Bank(), bank);
}

TEST(Preset, LoadedValuesGoThroughTheWritesCheck) {
  Window w;
  const std::string bank = w.Bank();
  w.fixture.Folder().writeFile("Presets\\loud.ini", "[AMP::SOUNDS]\r\nHorn=1.5\r\n");
  w.Load(w.Preset("loud.ini"));
  PostKey(*w.form().Edit1, 'S', ssCtrl);
  w.fixture.Pump();
  ASSERT_EQ(w.Messages().size(), 1u);
  EXPECT_EQ(w.Messages()[0].rfind("Les valeurs doivent être comprises entre 0 et 1", 0), 0u) << w.Messages()[0];
  EXPECT_EQ(w.form().GainRows()[9].Field->Font().Color(), clRed);  // Horn
  EXPECT_EQ(w.Bank(), bank);
}
