// A program without a version resource: this test executable is built
// without the program's resource script.
#include <gtest/gtest.h>

#include "framework/Forms.h"
#include "tests/version/VersionCheckFixture.h"

using klangor::test::VersionCheckFixture;

namespace {

class MissingVersionResource : public VersionCheckFixture {};

TEST_F(MissingVersionResource, ReadVersionInfoTellsTheUserAndFails) {
  TStringList list;
  EXPECT_FALSE(TVersionChecker::ReadVersionInfo(list));
  EXPECT_EQ(list.Count(), 0);
  ASSERT_EQ(boxes.boxes().size(), 1u);
  const klangor::test::CaughtBox& box = boxes.boxes()[0];
  EXPECT_EQ(box.caption, "Information");
  EXPECT_EQ(box.text, "Pas d'information sur le numéro \r\nde version de ce logiciel.");
  EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(box.hasIcon);
}

TEST_F(MissingVersionResource, CheckStopsAfterTheNoticeWithoutComparing) {
  Publish("1.7.0.0", "https://downloads.klangor.invalid/Klangor.zip");
  RunCheck();
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].caption, "Information");
  EXPECT_TRUE(getURLCalls.empty());
  EXPECT_FALSE(programEnd.requested());
}

}  // namespace
