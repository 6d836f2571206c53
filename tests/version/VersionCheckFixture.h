// Runs real version checks: the version file comes from a server on
// 127.0.0.1, the check runs on this thread's message loop as in the program,
// every box is caught and answered, and OnGetURL calls are recorded.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "components/version/VersionChecker.h"
#include "tests/support/EndRequestWatch.h"
#include "tests/support/MessageBoxCatcher.h"
#include "tests/support/TempFolder.h"
#include "tests/version/LoopbackHttpServer.h"

namespace klangor::test {

// The boxes of the check as the user sees them.
void ExpectFailureWarning(const CaughtBox& box);
void ExpectUpdateQuestion(const CaughtBox& box);
void ExpectClosingNotice(const CaughtBox& box);

struct GetURLCall {
  std::string currentVersion;
  std::string downloadURL;
  size_t boxesShownBefore;
};

class VersionCheckFixture : public testing::Test {
 protected:
  // The application title of the test executable, under which the version
  // file lists its version.
  static constexpr const char* Title = "version_tests";

  void SetUp() override;
  void TearDown() override;

  // A version file listing the version and address under the key.
  static std::string VersionFile(const std::string& version, const std::string& url, const std::string& key = Title);
  void Publish(const std::string& version, const std::string& url);
  // Starts the check and runs the message loop until it has reported: a box
  // was answered or OnGetURL ran, and the step that did it has returned.
  void RunCheck();

  std::unique_ptr<TVersionChecker> checker;
  LoopbackHttpServer server;
  TempFolder folder;
  MessageBoxCatcher boxes;
  // Whether the check asked the program to end.
  EndRequestWatch programEnd;
  std::vector<GetURLCall> getURLCalls;
};

}  // namespace klangor::test
