// The running program's version strings, from the version resource that the
// program's resource script puts into this test executable.
#include <gtest/gtest.h>

#include "components/version/VersionChecker.h"
#include "tests/support/MessageBoxCatcher.h"

TEST(ReadVersionInfo, ListsTheVersionStringsOfTheRunningProgram) {
  klangor::test::MessageBoxCatcher boxes;
  TStringList list;
  list.Add("left from before");
  ASSERT_TRUE(TVersionChecker::ReadVersionInfo(list));
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"1.6.0.0", "Copyright © 2026 Klangor", "Klangor", "1.6.0.0"}));
  EXPECT_TRUE(boxes.boxes().empty());
}
