// The read-back check: a file after a write against its copy from before,
// compared as the profile functions read them.
#include <gtest/gtest.h>

#include "components/safewrite/IniContent.h"

TEST(IniContent, KeepsWhatTheWriteLeftAndNothingElse) {
  struct Case {
    const char* name;
    std::string before, after;
    bool keeps;
  };
  const std::vector<TIniValue> written = {{"AMP::SOUNDS", "Engine", "0.8"}};
  const std::string before = "; bank\r\n[OPTIONS]\r\nA=1\r\n\r\n[AMP::SOUNDS]\r\nEngine=1.0\r\n; c\r\nRain=1.0\r\n";
  const Case cases[] = {
      {"value replaced in place", before,
       "; bank\r\n[OPTIONS]\r\nA=1\r\n\r\n[AMP::SOUNDS]\r\nEngine=0.8\r\n; c\r\nRain=1.0\r\n", true},
      {"as Wine rewrites it", "[ OPTIONS ]\r\n  A = 1 \r\n\r\n[AMP::SOUNDS]\r\nEngine = 1.0\r\n",
       "[OPTIONS]\r\nA=1\r\n[AMP::SOUNDS]\r\nEngine=0.8\r\n", true},
      {"names in another case, LF line ends", before,
       "; bank\n[options]\na=1\n[amp::sounds]\nENGINE=0.8\n; c\nRain=1.0\n", true},
      {"key added at the end of its section", "[AMP::SOUNDS]\r\nRain=1.0\r\n[EQ]\r\nLow=1\r\n",
       "[AMP::SOUNDS]\r\nRain=1.0\r\nEngine=0.8\r\n[EQ]\r\nLow=1\r\n", true},
      {"key added first in its section", "[AMP::SOUNDS]\r\nRain=1.0\r\n", "[AMP::SOUNDS]\r\nEngine=0.8\r\nRain=1.0\r\n",
       true},
      {"section added", "[OPTIONS]\r\nA=1\r\n", "[OPTIONS]\r\nA=1\r\n[AMP::SOUNDS]\r\nEngine=0.8\r\n", true},
      {"cut short", before, "; bank\r\n[OPTIONS]\r\nA=1\r\n[AMP::SOUNDS]\r\nEngine=0.8\r\n; c\r\nRain=1.", false},
      {"section lost", before, "[AMP::SOUNDS]\r\nEngine=0.8\r\n; c\r\nRain=1.0\r\n", false},
      {"comment lost", before, "; bank\r\n[OPTIONS]\r\nA=1\r\n[AMP::SOUNDS]\r\nEngine=0.8\r\nRain=1.0\r\n", false},
      {"lines reordered", before, "; bank\r\n[OPTIONS]\r\nA=1\r\n[AMP::SOUNDS]\r\nEngine=0.8\r\nRain=1.0\r\n; c\r\n",
       false},
      {"other value changed", before,
       "; bank\r\n[OPTIONS]\r\nA=2\r\n[AMP::SOUNDS]\r\nEngine=0.8\r\n; c\r\nRain=1.0\r\n", false},
      {"value not written", before, before, false},
      {"line added", before, before + "Extra=1\r\n", false},
      {"empty afterwards", before, "", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TIniContent::Parse(c.after).KeepsAfterWrite(TIniContent::Parse(c.before), written), c.keeps) << c.name;
}

TEST(IniContent, ChangesAreTheKeysThatReadOtherwise) {
  // Only the first section and the first key of a name are read; blanks,
  // case and lines that are not entries change nothing.
  const std::string before =
      "; bank\r\n[AMP::SOUNDS]\r\nEngine=1.0\r\nHorn=0.5\r\nHorn=0.1\r\n[OPTIONS]\r\nA=1\r\nGone=x\r\n[AMP::SOUNDS]\r\n"
      "Rain=1.0\r\n";
  const std::string after =
      "[amp::sounds]\r\n ENGINE = 1.0 \r\nHorn=0.1\r\nRain=0.8\r\n[OPTIONS]\r\nA=1\r\n; new "
      "comment\r\n[EQ]\r\nLow=\r\n";
  EXPECT_EQ(TIniContent::Changes(TIniContent::Parse(before), TIniContent::Parse(after)),
            (std::vector<TIniChange>{{"amp::sounds", "Horn", "0.5", "0.1"},
                                     {"amp::sounds", "Rain", std::nullopt, "0.8"},
                                     {"EQ", "Low", std::nullopt, ""},
                                     {"OPTIONS", "Gone", "x", std::nullopt}}));
  EXPECT_TRUE(TIniContent::Changes(TIniContent::Parse(before), TIniContent::Parse(before)).empty());
}
