// The version check end to end: download from 127.0.0.1, hand-over to this
// thread's message loop, the real version resource of the test executable
// (1.6.0.0), the boxes the user would see and the shell open of the address.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "framework/Forms.h"
#include "framework/SysUtils.h"
#include "tests/version/ShellOpenWatch.h"
#include "tests/version/VersionCheckFixture.h"

using klangor::test::ExpectClosingNotice;
using klangor::test::ExpectFailureWarning;
using klangor::test::ExpectUpdateQuestion;
using klangor::test::LoopbackHttpServer;
using klangor::test::ShellOpenWatch;
using klangor::test::VersionCheckFixture;

namespace {

class VersionChecker : public VersionCheckFixture {};

}  // namespace

struct NotNewerCase {
  const char* published;
};

class PublishedVersionNotNewer : public VersionCheckFixture, public testing::WithParamInterface<NotNewerCase> {};

// Equal, older, equal through the carry of a part of 100, no "." at all, too
// few parts and a part that is not a number: nothing is shown, the program
// keeps running, and OnGetURL has still been told.
TEST_P(PublishedVersionNotNewer, ShowsNothingAndKeepsRunning) {
  Publish(GetParam().published, "https://downloads.klangor.invalid/Klangor.zip");
  RunCheck();
  EXPECT_TRUE(boxes.boxes().empty());
  EXPECT_FALSE(programEnd.requested());
  ASSERT_EQ(getURLCalls.size(), 1u);
  EXPECT_EQ(getURLCalls[0].currentVersion, GetParam().published);
  EXPECT_EQ(getURLCalls[0].downloadURL, "https://downloads.klangor.invalid/Klangor.zip");
}

INSTANTIATE_TEST_SUITE_P(VersionChecker, PublishedVersionNotNewer,
                         testing::Values(NotNewerCase{"1.6.0.0"}, NotNewerCase{"1.5.9.9"}, NotNewerCase{"1.5.99.100"},
                                         NotNewerCase{"2"}, NotNewerCase{"1.7.0"}, NotNewerCase{"1.7.x.0"},
                                         NotNewerCase{""}));

TEST_F(VersionChecker, NewerVersionAnsweredYesOpensTheAddressAndEnds) {
  ShellOpenWatch shell;
  const std::string address = server.url("/Klangor-1.7.0.0.zip");
  Publish("1.7.0.0", address);
  boxes.answerNext(IDYES);
  RunCheck();
  ASSERT_EQ(boxes.boxes().size(), 1u);
  ExpectUpdateQuestion(boxes.boxes()[0]);
  EXPECT_TRUE(programEnd.requested());
  const std::vector<std::string> opened = shell.waitForOpened(1);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], "\"" + ShellOpenWatch::recorderPath() + "\" \"" + address + "\"");
  // OnGetURL comes before the comparison, so before the question.
  ASSERT_EQ(getURLCalls.size(), 1u);
  EXPECT_EQ(getURLCalls[0].currentVersion, "1.7.0.0");
  EXPECT_EQ(getURLCalls[0].downloadURL, address);
  EXPECT_EQ(getURLCalls[0].boxesShownBefore, 0u);
}

struct AnswerCase {
  const char* name;
  int answer;
};

class NewerVersionRefused : public VersionCheckFixture, public testing::WithParamInterface<AnswerCase> {};

// No, and the Escape key (the Cancel command a dialog box gets from it).
TEST_P(NewerVersionRefused, ShowsTheClosingNoticeAndEnds) {
  ShellOpenWatch shell;
  Publish("1.7.0.0", server.url("/Klangor.zip"));
  boxes.answerNext(GetParam().answer);
  RunCheck();
  ASSERT_EQ(boxes.boxes().size(), 2u);
  ExpectUpdateQuestion(boxes.boxes()[0]);
  ExpectClosingNotice(boxes.boxes()[1]);
  EXPECT_TRUE(programEnd.requested());
  EXPECT_TRUE(shell.openedSoFar().empty());
}

INSTANTIATE_TEST_SUITE_P(VersionChecker, NewerVersionRefused,
                         testing::Values(AnswerCase{"No", IDNO}, AnswerCase{"Escape", IDCANCEL}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(VersionChecker, WithoutDownloadDialogANewerVersionIsOnlyReported) {
  Publish("1.7.0.0", "https://downloads.klangor.invalid/Klangor.zip");
  checker->SetDownloadDlg(false);
  RunCheck();
  EXPECT_TRUE(boxes.boxes().empty());
  EXPECT_FALSE(programEnd.requested());
  ASSERT_EQ(getURLCalls.size(), 1u);
  EXPECT_EQ(getURLCalls[0].currentVersion, "1.7.0.0");
}

TEST_F(VersionChecker, KeyAndSectionsDifferingInCaseAreFound) {
  server.serve("/curr_ver.txt",
               "[currentversions]\r\nVERSION_TESTS=1.7.0.0\r\n[DOWNLOADURL]\r\nversion_tests=http://x.invalid/\r\n");
  boxes.answerNext(IDNO);
  RunCheck();
  ASSERT_EQ(getURLCalls.size(), 1u);
  EXPECT_EQ(getURLCalls[0].currentVersion, "1.7.0.0");
  EXPECT_EQ(getURLCalls[0].downloadURL, "http://x.invalid/");
  ASSERT_EQ(boxes.boxes().size(), 2u);
  ExpectUpdateQuestion(boxes.boxes()[0]);
}

TEST_F(VersionChecker, ErrorInOnGetURLEndsTheCheckSilently) {
  Publish("1.7.0.0", "https://downloads.klangor.invalid/Klangor.zip");
  bool called = false;
  checker->SetOnGetURL([&](TObject*, std::string, std::string) {
    called = true;
    throw Exception("handler failed");
  });
  checker->CheckVersion();
  while (!called) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
    Application.ProcessMessages();
  }
  EXPECT_TRUE(boxes.boxes().empty());
  EXPECT_FALSE(programEnd.requested());
}

TEST_F(VersionChecker, FailedDownloadShowsOnlyTheWarning) {
  checker->SetURLCurrVerFile(LoopbackHttpServer::closedPortUrl("/curr_ver.txt"));
  RunCheck();
  ASSERT_EQ(boxes.boxes().size(), 1u);
  ExpectFailureWarning(boxes.boxes()[0]);
  EXPECT_TRUE(getURLCalls.empty());
  EXPECT_FALSE(programEnd.requested());
}

TEST_F(VersionChecker, FailureSettingIsTakenWhenTheCheckStarts) {
  checker->SetURLCurrVerFile(LoopbackHttpServer::closedPortUrl("/curr_ver.txt"));
  checker->CheckVersion();
  checker->SetFailureDlg(false);
  while (boxes.boxes().empty() && getURLCalls.empty()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
    Application.ProcessMessages();
  }
  ASSERT_EQ(boxes.boxes().size(), 1u);
  EXPECT_EQ(boxes.boxes()[0].caption, "Warning");
}

TEST_F(VersionChecker, FailedDownloadWithoutWarningFindsNoFile) {
  checker->SetURLCurrVerFile(LoopbackHttpServer::closedPortUrl("/curr_ver.txt"));
  checker->SetFailureDlg(false);
  RunCheck();
  EXPECT_TRUE(boxes.boxes().empty());
  ASSERT_EQ(getURLCalls.size(), 1u);
  EXPECT_EQ(getURLCalls[0].currentVersion, "");
  EXPECT_EQ(getURLCalls[0].downloadURL, "");
}

TEST_F(VersionChecker, FailedDownloadWithoutWarningEvaluatesTheEarlierDownload) {
  Publish("1.5.0.0", "https://downloads.klangor.invalid/old.zip");
  RunCheck();
  checker->SetURLCurrVerFile(LoopbackHttpServer::closedPortUrl("/curr_ver.txt"));
  checker->SetFailureDlg(false);
  RunCheck();
  EXPECT_TRUE(boxes.boxes().empty());
  ASSERT_EQ(getURLCalls.size(), 2u);
  EXPECT_EQ(getURLCalls[1].currentVersion, "1.5.0.0");
  EXPECT_EQ(getURLCalls[1].downloadURL, "https://downloads.klangor.invalid/old.zip");
}

TEST_F(VersionChecker, LocalFileNameExpandsEnvironmentReferences) {
  SetEnvironmentVariableA("KLANGOR_VERSION_TEST", folder.path().c_str());
  checker->SetTempFile("%KLANGOR_VERSION_TEST%\\expanded.txt");
  Publish("1.6.0.0", "https://downloads.klangor.invalid/Klangor.zip");
  RunCheck();
  SetEnvironmentVariableA("KLANGOR_VERSION_TEST", nullptr);
  EXPECT_EQ(folder.readFile("expanded.txt"), VersionFile("1.6.0.0", "https://downloads.klangor.invalid/Klangor.zip"));
  ASSERT_EQ(getURLCalls.size(), 1u);
  EXPECT_EQ(getURLCalls[0].currentVersion, "1.6.0.0");
}

TEST(VersionCheckerProperties, DefaultsPointAtTheMakersSite) {
  TVersionChecker checker(nullptr);
  EXPECT_EQ(checker.URLCurrVerFile(), "https://downloads.klangor.invalid/curr_ver.txt");
  EXPECT_EQ(checker.SiteName(), "https://downloads.klangor.invalid/");
  EXPECT_TRUE(checker.FailureDlg());
  EXPECT_TRUE(checker.DownloadDlg());
  EXPECT_EQ(checker.TempFile(), "c:\\curr_ver.txt");
  EXPECT_FALSE(checker.OnGetURL());
  checker.SetCopyright("someone else");
  EXPECT_EQ(checker.Copyright(), "Klangor");
}

// The program ends while the download still waits for the server, as when the
// user quits at once: the message loop drops the hand-over and the process
// exits without waiting for the download.
TEST(VersionCheckerDeathTest, ProgramEndingDuringTheDownloadExitsWithoutWaiting) {
  EXPECT_EXIT(
      {
        Application.Initialize();
        LoopbackHttpServer server;
        server.hold();
        klangor::test::TempFolder folder;
        TVersionChecker checker(nullptr);
        checker.SetURLCurrVerFile(server.url("/curr_ver.txt"));
        checker.SetTempFile(folder.pathOf("version.txt"));
        checker.CheckVersion();
        while (server.requests().empty()) Sleep(10);
        Application.Terminate();
        Application.Run();
        std::exit(0);
      },
      testing::ExitedWithCode(0), "^$");
}
