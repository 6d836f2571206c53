// The preview of a press: on real files, what it announces is what the
// press then writes, file by file; on the real window, Ctrl+P checks the
// values as the press does and shows the preview without writing anything.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <optional>

#include "app/PressPreview.h"
#include "app/PressWrite.h"
#include "components/config/Profil.h"
#include "components/safewrite/BackupStore.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "framework/Text.h"
#include "tests/app/FormFixture.h"
#include "tests/app/Input.h"
#include "tests/app/ToolWindows.h"
#include "tests/support/Utf8.h"

using namespace klangor::test;

namespace {

const std::vector<TIniValue> Values = {
    {"OPTIONS::SOUNDS", "NumberChannels", "32"}, {"AMP::SOUNDS", "Engine", "0.5"}, {"AMP::SOUNDS", "Horn", "0.5"}};

// What GetPrivateProfileStringW reads for each of the values' keys; none
// where it gives the default.
std::vector<std::optional<std::string>> PlatformValues(const std::string& path) {
  std::vector<std::optional<std::string>> values;
  for (const TIniValue& value : Values) {
    wchar_t read[256] = {};
    GetPrivateProfileStringW(widen(value.Section).c_str(), widen(value.Key).c_str(), L"<absent>", read, 256,
                             widen(path).c_str());
    values.push_back(narrow(read) == "<absent>" ? std::nullopt : std::optional(narrow(read)));
  }
  return values;
}

}  // namespace

TEST(Preview, AnnouncesExactlyWhatThePressWritesFileByFile) {
  const std::map<std::string, std::string> banks = {
      {"absent.ini", "[AMP::SOUNDS]\r\nEngine=1.0\r\n"},
      // The first of two keys of a name is the one read and written.
      {"duplicate-key.ini",
       "[OPTIONS::SOUNDS]\r\nNumberChannels=32\r\n[AMP::SOUNDS]\r\nEngine=0.2\r\nEngine=0.9\r\n"
       "Horn=0.5\r\n"},
      // A key only the second section of a name holds is absent: the press adds it to the first.
      {"duplicate-section.ini",
       "[AMP::SOUNDS]\r\nEngine=1.0\r\n[OPTIONS::SOUNDS]\r\nNumberChannels=8\r\n"
       "[AMP::SOUNDS]\r\nHorn=0.4\r\n"},
      {"odd.ini",
       " [ amp::sounds ] \r\n  ENGINE = \"0.5\" \r\n horn=0.50\r\n[Options::Sounds]\r\nnumberchannels=32\r\n"},
      {"same.ini", "[OPTIONS::SOUNDS]\r\nNumberChannels=32\r\n[AMP::SOUNDS]\r\nEngine=0.5\r\nHorn=0.5\r\n"},
      {"held.ini", "[AMP::SOUNDS]\r\nEngine=1.0\r\n"},
  };
  TempFolder folder;
  folder.makeFolder("RBR\\KOVEN\\Sounds\\Audio");
  std::vector<std::string> names;
  for (const auto& [name, text] : banks) {
    folder.writeFile("RBR\\KOVEN\\Sounds\\Audio\\" + name, text);
    names.push_back(name);
  }
  names.push_back("missing.ini");
  auto path = [&folder](const std::string& name) { return folder.pathOf("RBR\\KOVEN\\Sounds\\Audio\\" + name); };
  const HeldOpen held(path("held.ini"));

  std::map<std::string, std::vector<std::optional<std::string>>> before;
  for (const std::string& name : names) before[name] = PlatformValues(path(name));
  const TPressPreview preview(folder.pathOf("RBR"), names, Values);
  TProfile profile(nullptr);
  profile.SetAction(paWrite);
  TBackupStore store(folder.pathOf("Backups"));
  const TPressOutcome outcome = TPressWrite(
                                    folder.pathOf("RBR"), names, [](int) { return true; }, Values, store, profile)
                                    .Run([](int, int) {});

  std::map<std::string, TWriteFailure> failed;
  for (const TFileResult& result : outcome.Failed) failed[result.Name] = result.Failure;
  ASSERT_EQ(preview.Files().size(), names.size());
  std::map<std::string, size_t> changes;
  for (const TFileChanges& file : preview.Files()) {
    EXPECT_EQ(file.Failure, failed.count(file.Name) ? failed[file.Name] : wfNone) << file.Name;
    std::vector<std::optional<std::string>> expected = before[file.Name];
    for (const TIniChange& change : file.Changes)
      for (size_t i = 0; i < Values.size(); ++i)
        if (Values[i].Key == change.Key) {
          EXPECT_EQ(change.Before, before[file.Name][i]) << file.Name << " " << change.Key;
          expected[i] = change.After;
        }
    EXPECT_EQ(PlatformValues(path(file.Name)), expected) << file.Name;
    changes[file.Name] = file.Changes.size();
  }
  EXPECT_EQ(changes, (std::map<std::string, size_t>{{"absent.ini", 3},
                                                    {"duplicate-key.ini", 1},
                                                    {"duplicate-section.ini", 3},
                                                    {"held.ini", 0},
                                                    {"missing.ini", 0},
                                                    {"odd.ini", 1},
                                                    {"same.ini", 0}}));
  EXPECT_EQ(failed.size(), 2u);
}

TEST(Preview, CtrlPChecksAsThePressDoesAndWritesNothing) {
  FormFixture fixture;
  fixture.AddSoundFile("a.ini");
  fixture.AddSoundFile("b.ini", SoundBankText("0.3"));
  fixture.SetRegistryRoot(fixture.GameRootPath());
  TForm1& form = fixture.CreateForm();
  // Its modal loop would take the keys posted meanwhile past the shortcuts.
  fixture.AwaitVersionWarning();
  auto shown = [] { return ShownWindow(L"Aperçu / Preview"); };
  TEdit& engine = *form.GainRows()[0].Field;
  const std::string bank = fixture.Folder().readFile("RBR\\KOVEN\\Sounds\\Audio\\a.ini");

  engine.SetText("1.5");
  PostKey(engine, 'P', ssCtrl);
  fixture.Pump();
  ASSERT_EQ(fixture.WindowBoxes().size(), 1u);
  EXPECT_NE(fixture.WindowBoxes()[0].text.find("Values must be between 0 and 1"), std::string::npos);
  EXPECT_EQ(engine.Font().Color(), clRed);
  EXPECT_FALSE(shown());

  engine.SetText("0,3");
  PostKey(engine, 'P', ssCtrl);
  fixture.Pump();
  ASSERT_TRUE(shown());
  EXPECT_EQ(fixture.WindowBoxes().size(), 1u);
  EXPECT_EQ(engine.Text(), "0.3");
  const std::string text = TWinControl::FromHandle(ChildOf(shown(), L"EDIT"))->Caption();
  EXPECT_EQ(text,
            "Rien n'est encore écrit. / Nothing is written yet.\r\n\r\n"
            "a.ini\r\n    [AMP::SOUNDS] Engine : 1.0 -> 0.3\r\n\r\n"
            "Rien ne change dans / Nothing changes in :\r\n    b.ini\r\n\r\n"
            "Total : 1 fichier modifié / file changed, 1 valeur modifiée / value changed, "
            "1 fichier inchangé / file unchanged");
  EXPECT_EQ(fixture.Folder().readFile("RBR\\KOVEN\\Sounds\\Audio\\a.ini"), bank);
  PostKey(*TWinControl::FromHandle(ChildOf(shown(), L"EDIT")), VK_ESCAPE);
  fixture.Pump();
  EXPECT_FALSE(shown());
  EXPECT_FALSE(fixture.EndRequested());
}
