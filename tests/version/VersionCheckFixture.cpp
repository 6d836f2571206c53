#include "tests/version/VersionCheckFixture.h"

#include "framework/Forms.h"

namespace klangor::test {

void VersionCheckFixture::SetUp() {
  Application.Initialize();
  checker = std::make_unique<TVersionChecker>(nullptr);
  checker->SetURLCurrVerFile(server.url("/curr_ver.txt"));
  checker->SetTempFile(folder.pathOf("version.txt"));
  checker->SetOnGetURL([this](TObject* sender, std::string currentVersion, std::string downloadURL) {
    EXPECT_EQ(sender, checker.get());
    getURLCalls.push_back({currentVersion, downloadURL, boxes.boxes().size()});
  });
}

void VersionCheckFixture::TearDown() {
  checker.reset();
  Application.Reset();
}

std::string VersionCheckFixture::VersionFile(const std::string& version, const std::string& url,
                                             const std::string& key) {
  return "[CurrentVersions]\r\nOther=9.9.9.9\r\n" + key + "=" + version + "\r\n\r\n[DownloadURL]\r\n" + key + "=" +
         url + "\r\nOther=http://other.invalid/\r\n";
}

void VersionCheckFixture::Publish(const std::string& version, const std::string& url) {
  server.serve("/curr_ver.txt", VersionFile(version, url));
}

void VersionCheckFixture::RunCheck() {
  const size_t boxesBefore = boxes.boxes().size();
  const size_t callsBefore = getURLCalls.size();
  checker->CheckVersion();
  while (boxes.boxes().size() == boxesBefore && getURLCalls.size() == callsBefore) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
    Application.ProcessMessages();
  }
}

}  // namespace klangor::test
