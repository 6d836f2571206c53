#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

using klangor::test::TempFolder;
using klangor::test::withoutBlankLines;
using Lines = std::vector<std::string>;

namespace {

bool folderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

TEST(TempFolder, IsFreshPerInstanceAndRemovedWithAllItHolds) {
  std::string first, second;
  {
    TempFolder a, b;
    first = a.path();
    second = b.path();
    EXPECT_NE(first, second);
    EXPECT_TRUE(folderExists(first));
    EXPECT_NE(first.back(), '\\');

    a.makeFolder("KOVEN\\Sounds\\Audio\\old.ini");
    a.writeFile("KOVEN\\Sounds\\Audio\\Gravel.ini", "[AMP::SOUNDS]\r\n");
    const std::string readOnly = a.pathOf("KOVEN\\Sounds\\Audio\\readme.txt");
    a.writeFile("KOVEN\\Sounds\\Audio\\readme.txt", "kept read-only");
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_TRUE(a.exists("KOVEN\\Sounds\\Audio\\old.ini"));
  }
  EXPECT_FALSE(folderExists(first));
  EXPECT_FALSE(folderExists(second));
}

TEST(TempFolder, KeepsFileBytesExactly) {
  TempFolder folder;
  const char raw[] = "[OPTIONS::SOUNDS]\r\nNumberChannels=32\n\r\xE9\xE8\0end";
  const std::string bytes(raw, sizeof raw - 1);
  folder.writeFile("Car_Generic.ini", bytes);
  EXPECT_EQ(folder.readFile("Car_Generic.ini"), bytes);
  folder.writeFile("Car_Generic.ini", "short");
  EXPECT_EQ(folder.readFile("Car_Generic.ini"), "short");
}

TEST(TempFolder, SplitsLinesAtEveryKindOfLineEnd) {
  const struct {
    const char* bytes;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\rb\r\n\r\nc", {"a", "b", "", "c"}},
      {"a\n\nb\n", {"a", "", "b"}},
  };
  TempFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.bytes)));
    folder.writeFile("lines.ini", c.bytes);
    EXPECT_EQ(folder.readLines("lines.ini"), c.lines);
  }
}

TEST(TempFolder, ComparesIniLinesWithoutBlankOnes) {
  EXPECT_EQ(withoutBlankLines({"[AMP::SOUNDS]", "", "  ", "\t", "Engine=1.0", ""}),
            (Lines{"[AMP::SOUNDS]", "Engine=1.0"}));
}
