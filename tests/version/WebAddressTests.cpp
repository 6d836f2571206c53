// Which download addresses of a published newer version reach the shell when
// the user answers Yes. The version file comes from 127.0.0.1 and anyone who
// can change it chooses the address, so the address must not be able to name
// a local program, add arguments to the browser's command line or overrun the
// shell. An address that is refused is treated as an empty one: nothing is
// opened and the program closes all the same.
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "framework/Forms.h"
#include "tests/version/ShellOpenWatch.h"
#include "tests/version/VersionCheckFixture.h"

using klangor::test::ExpectUpdateQuestion;
using klangor::test::ShellOpenWatch;
using klangor::test::VersionCheckFixture;

namespace {

struct AddressCase {
  std::string name;
  std::string address;
  bool opened;
};

const std::string Site = "https://downloads.klangor.invalid/";

std::string AddressOfLength(size_t length) { return Site + std::string(length - Site.size(), 'a'); }

std::string FileUrlOf(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return "file:///" + path;
}

std::vector<AddressCase> AddressCases() {
  return {
      {"SchemeInCapitals", "HTTPS://downloads.klangor.invalid/Klangor.zip", true},
      {"EveryPunctuationAUrlMayHold",
       "http://user:pw@downloads.klangor.invalid:8080/a-._~:/b?c=d&e=f;g,h+i*j(k)'l!m$n#o[p]@q", true},
      {"PercentEscapesStayEscaped", Site + "Klangor%201.7%22%2f%2F.zip", true},
      {"BracketedHost", "http://[::1]:8080/Klangor.zip", true},
      {"Exactly1024Characters", AddressOfLength(1024), true},

      {"Injection", "http://host/x.zip\" --gpu-launcher=\"C:\\evil.exe INJECTED\" \"", false},
      {"Quote", Site + "a\"b", false},
      {"Blank", Site + "a b", false},
      {"Tab", Site + "a\tb", false},
      {"ControlCharacter", Site + "a\x01" + "b", false},
      {"DeleteCharacter", Site + "a\x7F" + "b", false},
      {"NonAscii", Site + "t\xE9l\xE9" + "charger.zip", false},
      {"BarePercentAtTheEnd", Site + "100%", false},
      {"PercentWithOneHexDigit", Site + "a%4", false},
      {"PercentWithoutHexDigits", Site + "a%zz", false},
      {"Backslash", "http://downloads.klangor.invalid\\Klangor.zip", false},
      {"OtherPunctuation", Site + "a<b>c{d}e|f^g`h", false},
      {"Exactly1025Characters", AddressOfLength(1025), false},
      // Longer than the 2047 characters a value of the version file is read
      // with, so the check sees it cut: still far too long.
      {"Exactly5000Characters", AddressOfLength(5000), false},

      {"NoHost", "http:///Klangor.zip", false},
      {"SchemeAlone", "https://", false},
      {"PortWithoutHost", "http://:8080/Klangor.zip", false},
      {"UserWithoutHost", "http://user@/Klangor.zip", false},
      {"EmptyBrackets", "http://[]/Klangor.zip", false},
      {"NoSlashesAfterTheScheme", "http:downloads.klangor.invalid/Klangor.zip", false},
      {"OtherScheme", "ftp://downloads.klangor.invalid/Klangor.zip", false},
      {"LocalProgram", ShellOpenWatch::recorderPath(), false},
      {"FileUrlOfALocalProgram", FileUrlOf(ShellOpenWatch::recorderPath()), false},
      {"Empty", "", false},
  };
}

std::ostream& operator<<(std::ostream& stream, const AddressCase& address) { return stream << address.address; }

class DownloadAddress : public VersionCheckFixture, public testing::WithParamInterface<AddressCase> {};

// The shell gets exactly the one address as one whole argument of the
// handler's command, or nothing at all; the user sees only the question, and
// the program closes either way.
TEST_P(DownloadAddress, YesOpensOnlyASafeWebAddress) {
  ShellOpenWatch shell;
  Publish("1.7.0.0", GetParam().address);
  boxes.answerNext(IDYES);
  RunCheck();
  ASSERT_EQ(boxes.boxes().size(), 1u);
  ExpectUpdateQuestion(boxes.boxes()[0]);
  EXPECT_TRUE(programEnd.requested());
  const std::vector<std::string> expected =
      GetParam().opened
          ? std::vector<std::string>{"\"" + ShellOpenWatch::recorderPath() + "\" \"" + GetParam().address + "\""}
          : std::vector<std::string>{};
  EXPECT_EQ(shell.openedSoFar(), expected);
}

INSTANTIATE_TEST_SUITE_P(VersionChecker, DownloadAddress, testing::ValuesIn(AddressCases()),
                         [](const auto& info) { return info.param.name; });

// A version file in UTF-8 may hold letters that only look like ASCII ones
// (here a full-width "a"); a conversion to code page 1252 would turn them into
// the plain letter, so the address is checked as the file holds it.
TEST_F(DownloadAddress, LookalikeLetterOfAUtf8VersionFileIsRefused) {
  ShellOpenWatch shell;
  server.serve("/curr_ver.txt", "\xEF\xBB\xBF" + VersionFile("1.7.0.0", Site + "Klangor\xEF\xBD\x81.zip"));
  boxes.answerNext(IDYES);
  RunCheck();
  ASSERT_EQ(boxes.boxes().size(), 1u);
  ExpectUpdateQuestion(boxes.boxes()[0]);
  EXPECT_TRUE(programEnd.requested());
  EXPECT_EQ(shell.openedSoFar(), std::vector<std::string>{});
}

}  // namespace
