// One press of the write command without a window: on real files in a
// temporary game folder, every ticked file gets every filled value, in the
// order given, and nothing else changes; the progress is told once per
// listed file and once at the end; the backup set stays only when a file
// changed.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "app/PressWrite.h"
#include "components/config/Profil.h"
#include "components/safewrite/BackupStore.h"
#include "tests/support/TempFolder.h"

using namespace klangor::test;

namespace {

using Lines = std::vector<std::string>;

Lines NonBlankLines(const std::string& text) {
  Lines lines;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

const std::string Bank =
    "; bank\r\n[OPTIONS::SOUNDS]\r\nNumberChannels=8\r\n\r\n[AMP::SOUNDS]\r\nEngine=1.0\r\nHorn=0.5\r\n";

struct Press {
  TempFolder folder;
  TProfile profile{nullptr};
  std::vector<std::pair<int, int>> progress;

  explicit Press(const std::vector<std::pair<std::string, std::string>>& banks) {
    folder.makeFolder("RBR\\KOVEN\\Sounds\\Audio");
    for (const auto& [name, text] : banks) folder.writeFile("RBR\\KOVEN\\Sounds\\Audio\\" + name, text);
    profile.SetAction(paWrite);
  }
  std::string BackupsPath() const { return folder.pathOf("Backups"); }
  Lines FileLines(const std::string& name) const {
    return NonBlankLines(folder.readFile("RBR\\KOVEN\\Sounds\\Audio\\" + name));
  }
  TPressOutcome Run(const std::vector<std::string>& names, const std::vector<bool>& ticks,
                    const std::vector<TIniValue>& values) {
    TBackupStore store(BackupsPath());
    TPressWrite press(
        folder.pathOf("RBR"), names, [&ticks](int item) { return bool(ticks[item]); }, values, store, profile);
    return press.Run([this](int done, int count) { progress.emplace_back(done, count); });
  }
};

}  // namespace

TEST(PressWrite, EveryTickedFileGetsEveryValueInOrderAndNothingElse) {
  const std::vector<TIniValue> values = {{"OPTIONS::SOUNDS", "NumberChannels", "32"},
                                         {"OPTIONS::SOUNDS", "EnableEQOnCars", "True"},
                                         {"AMP::SOUNDS", "Horn", "0.8"},
                                         {"AMP::SOUNDS", "Bird", ".5"}};
  struct Case {
    const char* name;
    std::string before;
    Lines after;
  };
  const Case cases[] = {
      // Keys missing from a file go at the end of their section, a missing
      // section at the end of the file: an empty file shows the order.
      {"empty file",
       "",
       {"[OPTIONS::SOUNDS]", "NumberChannels=32", "EnableEQOnCars=True", "[AMP::SOUNDS]", "Horn=0.8", "Bird=.5"}},
      {"a bank",
       Bank,
       {"; bank", "[OPTIONS::SOUNDS]", "NumberChannels=32", "EnableEQOnCars=True", "[AMP::SOUNDS]", "Engine=1.0",
        "Horn=0.8", "Bird=.5"}},
  };
  for (const Case& c : cases) {
    Press press({{"a.ini", c.before}, {"b.ini", c.before}, {"c.ini", c.before}});
    const TPressOutcome outcome = press.Run({"a.ini", "b.ini", "c.ini"}, {true, false, true}, values);

    EXPECT_TRUE(outcome.Failed.empty()) << c.name;
    EXPECT_EQ(press.FileLines("a.ini"), c.after) << c.name;
    EXPECT_EQ(press.FileLines("c.ini"), c.after) << c.name;
    EXPECT_EQ(press.folder.readFile("RBR\\KOVEN\\Sounds\\Audio\\b.ini"), c.before) << c.name;
    EXPECT_EQ(press.progress, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}, {3, 3}})) << c.name;
    EXPECT_FALSE(outcome.BackupFolder.empty()) << c.name;
  }
}

TEST(PressWrite, PressThatChangesNoFileKeepsNoBackupSet) {
  const std::pair<std::vector<bool>, std::vector<TIniValue>> cases[] = {
      {{false}, {{"AMP::SOUNDS", "Horn", "0.8"}}},  // nothing ticked
      {{true}, {}},                                 // nothing filled
  };
  for (const auto& [ticks, values] : cases) {
    Press press({{"a.ini", Bank}});
    const TPressOutcome outcome = press.Run({"a.ini"}, ticks, values);
    EXPECT_TRUE(outcome.BackupFolder.empty());
    EXPECT_TRUE(TBackupStore(press.BackupsPath()).Sets().empty());
    EXPECT_EQ(press.folder.readFile("RBR\\KOVEN\\Sounds\\Audio\\a.ini"), Bank);
  }
}
