// AddBackslash and the folder lister on real folders.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "components/config/BFC_Dir.h"
#include "components/config/BFC_Utils.h"
#include "tests/support/TempFolder.h"

using klangor::test::TempFolder;

namespace {

std::vector<std::string> Sorted(const TStringList& list) {
  std::vector<std::string> lines = list.Lines();
  std::sort(lines.begin(), lines.end());
  return lines;
}

}  // namespace

TEST(AddBackslash, CompletesFolderPaths) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"C:", "C:"},
      {"C:\\Data\\", "C:\\Data\\"},
      {"C:\\Data", "C:\\Data\\"},
      {"d", "d:\\"},
      {"D", "D:\\"},
      {"z", "z:\\"},
      {"5", "5\\"},
      {"é", "é\\"},
      {"ab", "ab\\"},
      {"\\\\server\\share", "\\\\server\\share\\"},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(AddBackslash(path), expected) << "'" << path << "'";
}

class FolderListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.makeFolder("data");
    folder.writeFile("data\\a.ini", "[x]\r\n");
    folder.writeFile("data\\b.INI", "");
    folder.writeFile("data\\.x.ini", "");
    folder.writeFile("data\\notes.txt", "");
    folder.makeFolder("data\\sub");
    folder.makeFolder("data\\old.ini");
    lister.SetPathName(folder.pathOf("data"));
    lister.SetFileName("*.ini");
  }
  TempFolder folder;
  TBFC_Dir lister{nullptr};
};

TEST_F(FolderListTest, SortsMatchingFilesAndFoldersLeavingOutDotNames) {
  lister.ReadDir();
  EXPECT_EQ(Sorted(lister.ListFiles()), (std::vector<std::string>{"a.ini", "b.INI"}));
  EXPECT_EQ(Sorted(lister.ListDirs()), std::vector<std::string>{"old.ini"});
}

TEST_F(FolderListTest, OnlyLongNamesWithTheExactExtensionMatch) {
  // Each of these is found by "*.ini" through its short 8.3 name.
  for (const char* name : {"Car_Generic.ini_orig", "Gravel.inix", "Snow.ini~", "Tarmac.ini.bak"})
    folder.writeFile(std::string("data\\") + name, "[x]\r\n");
  folder.writeFile("data\\Car_Generic.ini", "[x]\r\n");
  folder.writeFile("data\\Mixed.InI", "");
  lister.ReadDir();
  EXPECT_EQ(Sorted(lister.ListFiles()), (std::vector<std::string>{"Car_Generic.ini", "Mixed.InI", "a.ini", "b.INI"}));
}

TEST_F(FolderListTest, AllEntriesWithTheDefaultPattern) {
  TBFC_Dir all(nullptr);
  EXPECT_EQ(all.FileName(), "*.*");
  all.SetPathName(folder.pathOf("data") + "\\");
  all.ReadDir();
  EXPECT_EQ(Sorted(all.ListFiles()), (std::vector<std::string>{"a.ini", "b.INI", "notes.txt"}));
  EXPECT_EQ(Sorted(all.ListDirs()), (std::vector<std::string>{"old.ini", "sub"}));
}

TEST_F(FolderListTest, PathInNameJoinsFolderAndName) {
  lister.SetPathInName(true);
  lister.ReadDir();
  EXPECT_EQ(Sorted(lister.ListFiles()),
            (std::vector<std::string>{folder.pathOf("data") + "\\a.ini", folder.pathOf("data") + "\\b.INI"}));
}

TEST_F(FolderListTest, NamesInAnyScriptAreListedAsTheyAre) {
  // Cār and Car differ only in a letter no 8-bit Western code page holds.
  const std::vector<std::string> names = {"Cār.ini",       "Car.ini",  "Ω.ini", "Łódź.ini",
                                          "Двигатель.ini", "音響.ini", "🚗.ini"};
  folder.makeFolder("Ścieżka");
  for (const std::string& name : names) folder.writeFile("Ścieżka\\" + name, "");
  lister.SetPathName(folder.pathOf("Ścieżka"));
  lister.ReadDir();
  std::vector<std::string> expected = names;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Sorted(lister.ListFiles()), expected);
}

TEST_F(FolderListTest, HiddenAndSystemFilesAreListed) {
  folder.writeFile("data\\hidden.ini", "");
  SetFileAttributesA(folder.pathOf("data\\hidden.ini").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  lister.ReadDir();
  EXPECT_EQ(Sorted(lister.ListFiles()), (std::vector<std::string>{"a.ini", "b.INI", "hidden.ini"}));
}

TEST_F(FolderListTest, MissingFolderEmptiesEarlierResults) {
  lister.ReadDir();
  ASSERT_EQ(lister.ListFiles().Count(), 2);
  lister.SetPathName(folder.pathOf("gone"));
  lister.ReadDir();
  EXPECT_EQ(lister.ListFiles().Count(), 0);
  EXPECT_EQ(lister.ListDirs().Count(), 0);
}

TEST_F(FolderListTest, ChangingThePathDoesNotRefreshTheLists) {
  lister.ReadDir();
  lister.SetPathName(folder.pathOf("gone"));
  EXPECT_EQ(lister.ListFiles().Count(), 2);
  TStringList replacement;
  replacement.Add("x");
  lister.SetListFiles(replacement);
  replacement.Add("y");
  EXPECT_EQ(lister.ListFiles().Lines(), std::vector<std::string>{"x"});  // a copy, not the caller's list
}
