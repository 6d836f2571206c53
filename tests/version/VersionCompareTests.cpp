// The comparison of a published with a running version.
#include <gtest/gtest.h>

#include "components/version/VersionChecker.h"
#include "framework/SysUtils.h"

namespace {

struct Comparison {
  const char* published;
  const char* running;
  bool newer;
};

const Comparison Comparisons[] = {
    {"1.7.0.0", "1.6.0.0", true},
    {"1.6.0.1", "1.6.0.0", true},
    {"2.0.0.0", "1.99.99.99", true},
    {"1.6.0.0", "1.6.0.0", false},
    {"1.5.9.9", "1.6.0.0", false},
    {"1.6.0.0", "1.7.0.0", false},
    // A part of 100 or more carries into the part before it.
    {"1.6.0.100", "1.6.1.0", false},
    {"1.6.1.0", "1.6.0.100", false},
    {"1.6.0.101", "1.6.1.0", true},
    {"1.5.100.0", "1.6.0.0", false},
    // Numbers are whole numbers with an optional sign.
    {"01.07.00.00", "1.6.0.0", true},
    {"1.6.0.-1", "1.6.0.0", false},
    // 32-bit arithmetic: 3000 × 1000000 wraps to a negative number.
    {"3000.0.0.0", "1.6.0.0", false},
    // A text without "." is never newer, whatever the other one holds.
    {"2", "1.6.0.0", false},
    {"", "1.6.0.0", false},
    {"1.7.0.0", "1", false},
    {"1.7.0.0", "", false},
    {"2", "x.y", false},
};

TEST(IsNewerVersion, WeighsFourNumbersOnEachSide) {
  for (const Comparison& c : Comparisons)
    EXPECT_EQ(TVersionChecker::IsNewerVersion(c.published, c.running), c.newer)
        << c.published << " against " << c.running;
}

struct BadVersion {
  const char* published;
  const char* running;
};

// Seven items (a part missing on either side) or a part that is not a whole
// number: no answer, an error.
TEST(IsNewerVersion, MissingPartRaisesListError) {
  for (const BadVersion& v : {BadVersion{"1.7.0", "1.6.0.0"}, BadVersion{"1.7.0.0", "1.6.0"}})
    EXPECT_THROW(TVersionChecker::IsNewerVersion(v.published, v.running), EListError)
        << v.published << " against " << v.running;
}

TEST(IsNewerVersion, PartThatIsNoWholeNumberRaisesConvertError) {
  for (const BadVersion& v :
       {BadVersion{"1.7.x.0", "1.6.0.0"}, BadVersion{"1..0.0", "1.6.0.0"}, BadVersion{"1.7.0.0", "1.6.0.0 "},
        BadVersion{"1.7.0.99999999999", "1.6.0.0"}, BadVersion{"1.7.0.+", "1.6.0.0"}})
    EXPECT_THROW(TVersionChecker::IsNewerVersion(v.published, v.running), EConvertError)
        << v.published << " against " << v.running;
}

}  // namespace
