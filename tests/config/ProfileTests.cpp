// TProfile on real files through the platform's private-profile functions:
// its 128-character texts and 259-character file name, the ready rule, the result and Error rules, and the
// INI behaviour the write command relies on.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "components/config/Profil.h"
#include "framework/Text.h"
#include "tests/support/TempFolder.h"

using klangor::test::TempFolder;
using klangor::test::withoutBlankLines;

namespace {

const std::string SoundBank =
    "; KOVEN sound bank\r\n"
    "[OPTIONS::SOUNDS]\r\n"
    "NumberChannels=32\r\n"
    "EnableEQOnCars=False\r\n"
    "\r\n"
    "[AMP::SOUNDS]\r\n"
    "Engine=1.0\r\n"
    "; gravel and tarmac\r\n"
    "GravelParticles=1.0\r\n"
    "Empty=\r\n"
    "\r\n"
    "[EQ::CARS]\r\n"
    "Low=0.8\r\n";

using Lines = std::vector<std::string>;

class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override { folder.writeFile("Audio.ini", SoundBank); }

  // Points the profile at one key of the test's file.
  void Aim(TProfileAction action, const std::string& category, const std::string& key) {
    profile.SetAction(action);
    profile.SetCategory(category);
    profile.SetKeyName(key);
    profile.SetIniFileName(folder.pathOf("Audio.ini"));
  }
  Lines FileLines() const { return withoutBlankLines(folder.readLines("Audio.ini")); }

  TempFolder folder;
  TProfile profile{nullptr};
};

Lines OriginalLines() {
  TempFolder scratch;
  scratch.writeFile("a.ini", SoundBank);
  return withoutBlankLines(scratch.readLines("a.ini"));
}

// The lines of one section, header excluded.
Lines SectionLines(const Lines& lines, const std::string& header) {
  auto start = std::find(lines.begin(), lines.end(), header);
  if (start == lines.end()) return {};
  auto end = std::find_if(start + 1, lines.end(), [](const std::string& line) { return line.rfind("[", 0) == 0; });
  return Lines(start + 1, end);
}

}  // namespace

TEST(Profile, NewInstanceIsEmptyReadingWithoutError) {
  TProfile profile(nullptr);
  for (const std::string& text :
       {profile.Category(), profile.KeyName(), profile.DefaultValue(), profile.DataString(), profile.IniFileName()})
    EXPECT_EQ(text, "");
  EXPECT_EQ(profile.Action(), paRead);
  EXPECT_EQ(profile.Error(), 0);
}

TEST(Profile, EveryTextKeepsItsFirstCharactersUpToItsCapacity) {
  struct Text {
    const char* name;
    void (TProfile::*set)(const std::string&);
    std::string (TProfile::*get)() const;
    int capacity;
  };
  const Text texts[] = {{"Category", &TProfile::SetCategory, &TProfile::Category, 128},
                        {"KeyName", &TProfile::SetKeyName, &TProfile::KeyName, 128},
                        {"DefaultValue", &TProfile::SetDefaultValue, &TProfile::DefaultValue, 128},
                        {"DataString", &TProfile::SetDataString, &TProfile::DataString, 128},
                        {"IniFileName", &TProfile::SetIniFileName, &TProfile::IniFileName, 259}};
  // Characters of one to four bytes each: the limit counts characters.
  const char* const letters[] = {"a", "é", "ł", "Ж", "日", "😀"};
  for (const Text& text : texts) {
    std::string first, longer;
    for (int i = 0; i <= text.capacity; ++i) {
      if (i == text.capacity) first = longer;
      longer += letters[i % 6];
    }
    TProfile profile(nullptr);
    const std::pair<std::string, std::string> cases[] = {
        {"short", "short"}, {first, first}, {longer, first}, {longer + longer, first}};
    for (const auto& [value, kept] : cases) {
      (profile.*text.set)(value);
      EXPECT_EQ((profile.*text.get)(), kept) << text.name << " given " << value.size() << " bytes";
    }
    (profile.*text.set)("");
    EXPECT_EQ((profile.*text.get)(), "") << text.name;
  }
}

TEST_F(ProfileTest, ReadsFollowTheResultRules) {
  struct Case {
    const char* category;
    const char* key;
    std::string defaultValue;
    std::string expected;
    bool succeeds;
  };
  const std::string value200(200, 'v');
  folder.writeFile("Audio.ini", SoundBank + "[Long]\r\nValue=" + value200 + "\r\n");
  const Case cases[] = {
      {"AMP::SOUNDS", "Engine", "", "1.0", true},
      {"amp::sounds", "ENGINE", "", "1.0", true},  // names match regardless of case
      {"Long", "Value", "", value200.substr(0, 128), true},
      {"AMP::SOUNDS", "Missing", "", "", false},  // the blank default reads back empty
      {"AMP::SOUNDS", "Missing", "   ", "", false},
      {"AMP::SOUNDS", "Missing", "x", "x", true},
      {"AMP::SOUNDS", "Missing", "x  ", "x", true},  // a default loses its blanks at the end
      {"NoSection", "Engine", "d", "d", true},
      {"AMP::SOUNDS", "Empty", "", "", false},  // an empty value counts as nothing read
      {"AMP::SOUNDS", "Empty", "x", "", false},
  };
  for (const Case& c : cases) {
    Aim(paRead, c.category, c.key);
    profile.SetDefaultValue(c.defaultValue);
    profile.SetDataString("stale");
    EXPECT_EQ(profile.Execute(), c.succeeds) << c.category << "/" << c.key;
    EXPECT_EQ(profile.Error(), c.succeeds ? 0 : 1) << c.category << "/" << c.key;
    EXPECT_EQ(profile.DataString(), c.expected) << c.category << "/" << c.key;
  }
}

TEST_F(ProfileTest, ReadOfAMissingFileGivesTheDefault) {
  Aim(paRead, "AMP::SOUNDS", "Engine");
  profile.SetIniFileName(folder.pathOf("absent.ini"));
  profile.SetDefaultValue("0.5");
  EXPECT_TRUE(profile.Execute());
  EXPECT_EQ(profile.DataString(), "0.5");
}

TEST_F(ProfileTest, NothingHappensUntilSectionKeyAndFileAreNamed) {
  struct Case {
    const char* missing;
    void (TProfile::*clear)(const std::string&);
  };
  const Case cases[] = {{"Category", &TProfile::SetCategory},
                        {"KeyName", &TProfile::SetKeyName},
                        {"IniFileName", &TProfile::SetIniFileName}};
  const std::string before = folder.readFile("Audio.ini");
  for (TProfileAction action : {paRead, paWrite})
    for (const Case& c : cases) {
      Aim(action, "AMP::SOUNDS", "Engine");
      profile.SetDefaultValue("d");
      profile.SetDataString("0.3");
      (profile.*c.clear)("");
      EXPECT_FALSE(profile.Execute()) << c.missing;
      EXPECT_EQ(profile.Error(), 1) << c.missing;
      EXPECT_EQ(profile.DataString(), "0.3") << c.missing;
      EXPECT_EQ(folder.readFile("Audio.ini"), before) << c.missing;
    }
  // A file name without folder would have gone to the Windows folder.
  EXPECT_FALSE(folder.exists("AMP::SOUNDS"));
}

TEST_F(ProfileTest, WriteReplacesTheValueInPlaceAndKeepsEveryOtherLine) {
  struct Case {
    const char* category;
    const char* key;
    const char* value;
    const char* header;    // the section the value must end up in
    const char* replaced;  // the line the write replaces, or null when it adds one
  };
  const Case cases[] = {
      {"AMP::SOUNDS", "Engine", "0.8", "[AMP::SOUNDS]", "Engine=1.0"},
      {"amp::sounds", "engine", "0.8", "[AMP::SOUNDS]", "Engine=1.0"},
      {"OPTIONS::SOUNDS", "NumberChannels", "0", "[OPTIONS::SOUNDS]", "NumberChannels=32"},
      {"AMP::SOUNDS", "Rain", "0.5", "[AMP::SOUNDS]", nullptr},
      {"AMP::SOUNDS", "Engine", "", "[AMP::SOUNDS]", "Engine=1.0"},
  };
  for (const Case& c : cases) {
    folder.writeFile("Audio.ini", SoundBank);
    Aim(paWrite, c.category, c.key);
    profile.SetDataString(c.value);
    EXPECT_TRUE(profile.Execute()) << c.key;
    EXPECT_EQ(profile.Error(), 0);

    Lines after = FileLines();
    const Lines section = SectionLines(after, c.header);
    auto written = std::find_if(section.begin(), section.end(), [&](const std::string& line) {
      return Text::LowerCase(line.substr(0, line.find('='))) == Text::LowerCase(c.key);
    });
    ASSERT_NE(written, section.end()) << c.key << " not in " << c.header;
    EXPECT_EQ(written->substr(written->find('=') + 1), c.value) << c.key;
    // Every other line is there, in its order.
    const std::string writtenLine = *written;
    after.erase(std::find(after.begin(), after.end(), writtenLine));
    Lines expected = OriginalLines();
    if (c.replaced) expected.erase(std::find(expected.begin(), expected.end(), std::string(c.replaced)));
    EXPECT_EQ(after, expected) << c.key;
  }
}

TEST_F(ProfileTest, EmptyValueIsWrittenNotDeleted) {
  Aim(paWrite, "AMP::SOUNDS", "Engine");
  profile.SetDataString("");
  ASSERT_TRUE(profile.Execute());
  EXPECT_EQ(SectionLines(FileLines(), "[AMP::SOUNDS]")[0], "Engine=");
  // Read back: present, empty, which a read counts as nothing.
  Aim(paRead, "AMP::SOUNDS", "Engine");
  profile.SetDefaultValue("gone");
  EXPECT_FALSE(profile.Execute());
  EXPECT_EQ(profile.DataString(), "");
}

TEST_F(ProfileTest, MissingSectionIsAddedWithItsKey) {
  Aim(paWrite, "NEW::SECTION", "Key");
  profile.SetDataString("v");
  ASSERT_TRUE(profile.Execute());
  const Lines after = FileLines();
  EXPECT_EQ(SectionLines(after, "[NEW::SECTION]"), Lines{"Key=v"});
  Lines before = after;
  before.erase(std::find(before.begin(), before.end(), "[NEW::SECTION]"));
  before.erase(std::find(before.begin(), before.end(), "Key=v"));
  EXPECT_EQ(before, OriginalLines());
}

TEST_F(ProfileTest, MissingFileIsCreatedInAnExistingFolder) {
  Aim(paWrite, "AMP::SOUNDS", "Engine");
  profile.SetIniFileName(folder.pathOf("new.ini"));
  profile.SetDataString("0.8");
  ASSERT_TRUE(profile.Execute());
  EXPECT_EQ(withoutBlankLines(folder.readLines("new.ini")), (Lines{"[AMP::SOUNDS]", "Engine=0.8"}));
  Aim(paRead, "AMP::SOUNDS", "Engine");
  profile.SetIniFileName(folder.pathOf("new.ini"));
  EXPECT_TRUE(profile.Execute());
  EXPECT_EQ(profile.DataString(), "0.8");
}

TEST_F(ProfileTest, WriteThatCannotBeDoneFailsAndLeavesTheFile) {
  Aim(paWrite, "AMP::SOUNDS", "Engine");
  profile.SetDataString("0.8");
  profile.SetIniFileName(folder.pathOf("NoFolder\\Audio.ini"));
  EXPECT_FALSE(profile.Execute());
  EXPECT_EQ(profile.Error(), 1);
  EXPECT_FALSE(folder.exists("NoFolder"));

  // The running game holds its sound banks open without write sharing.
  const std::string before = folder.readFile("Audio.ini");
  HANDLE held = CreateFileA(folder.pathOf("Audio.ini").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  profile.SetIniFileName(folder.pathOf("Audio.ini"));
  EXPECT_FALSE(profile.Execute());
  EXPECT_EQ(profile.Error(), 1);
  CloseHandle(held);
  EXPECT_EQ(folder.readFile("Audio.ini"), before);

  // The next successful call clears the error.
  EXPECT_TRUE(profile.Execute());
  EXPECT_EQ(profile.Error(), 0);
}

TEST_F(ProfileTest, FilesAreReachedByTheirPathUpTo259CharactersAndByTheirShortNameBeyond) {
  struct Case {
    size_t length;  // of the file's full path
    size_t part;    // the longest folder name on the way
    enum { Path, ShortName, None } reached;
  };
  const Case cases[] = {{140, 200, Case::Path},      {259, 200, Case::Path},      {260, 200, Case::ShortName},
                        {261, 200, Case::ShortName}, {400, 200, Case::ShortName}, {400, 3, Case::None}};
  for (const Case& c : cases) {
    const std::string folderName = klangor::test::deepName(c.length - folder.path().size() - 7, c.part);
    folder.makeFolder(folderName);
    const std::string relative = folderName + "\\a.ini", path = folder.pathOf(relative);
    ASSERT_EQ(path.size(), c.length);
    folder.writeFile(relative, SoundBank);
    const std::string label = std::to_string(c.length) + " in parts of " + std::to_string(c.part);

    // The profile functions themselves: the path up to 259 characters, never beyond.
    Aim(paRead, "AMP::SOUNDS", "Engine");
    profile.SetIniFileName(path);
    EXPECT_EQ(profile.Execute(), c.length <= 259) << label;

    const std::optional<std::string> name = TProfile::ReachableName(path);
    ASSERT_EQ(name.has_value(), c.reached != Case::None) << label;
    if (!name) continue;
    EXPECT_EQ(*name == path, c.reached == Case::Path) << label;
    EXPECT_LE(Text::Length(*name), 259u) << label;
    Aim(paWrite, "AMP::SOUNDS", "Engine");
    profile.SetIniFileName(*name);
    profile.SetDataString("0.8");
    EXPECT_TRUE(profile.Execute()) << label;
    EXPECT_NE(folder.readFile(relative).find("Engine=0.8"), std::string::npos) << label;
  }
}

TEST_F(ProfileTest, WriteKeepsTheFilesEncodingAndItsOtherCharacters) {
  // An 8-bit file keeps its accented bytes; a file with a byte-order mark
  // keeps the mark and its encoding. Keys and values are ASCII.
  struct Case {
    const char* name;
    std::string bytes;        // "; Réglages" then the bank's first lines
    std::string keptComment;  // the comment's bytes, as they must stay
  };
  const std::string utf16Comment(
      "\xFF\xFE;\0 \0R\0\xE9\0g\0l\0a\0g\0"
      "e\0s\0",
      22);
  auto utf16 = [](const std::string& ascii) {
    std::string wide;
    for (char c : ascii) wide += std::string{c, '\0'};
    return wide;
  };
  const Case cases[] = {
      {"8-bit", "; R\xE9glages\r\n[AMP::SOUNDS]\r\nEngine=1.0\r\n", "; R\xE9glages"},
      {"UTF-8 with mark", "\xEF\xBB\xBF; Réglages\r\n[AMP::SOUNDS]\r\nEngine=1.0\r\n", "\xEF\xBB\xBF; Réglages"},
      {"UTF-16 with mark", utf16Comment + utf16("\r\n[AMP::SOUNDS]\r\nEngine=1.0\r\n"), utf16Comment},
  };
  for (const Case& c : cases) {
    folder.writeFile("Audio.ini", c.bytes);
    Aim(paWrite, "AMP::SOUNDS", "Engine");
    profile.SetDataString("0.8");
    EXPECT_TRUE(profile.Execute()) << c.name;
    const std::string after = folder.readFile("Audio.ini");
    EXPECT_EQ(after.substr(0, c.keptComment.size()), c.keptComment) << c.name;
    const std::string written = c.keptComment == utf16Comment ? utf16("Engine=0.8") : "Engine=0.8";
    EXPECT_NE(after.find(written), std::string::npos) << c.name;
  }
}
