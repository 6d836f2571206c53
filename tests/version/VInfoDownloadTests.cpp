// What the download of the version file leaves on disk. The platform's
// download reports success also when the server answered 404, sent nothing at
// all or an empty body; each of these is a failed check, and the local copy of
// an earlier check survives it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "framework/Forms.h"
#include "framework/Text.h"
#include "tests/version/VersionCheckFixture.h"

using klangor::test::ExpectFailureWarning;
using klangor::test::VersionCheckFixture;

namespace {

std::vector<std::wstring> FilesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = entry.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  return names;
}

struct NothingCase {
  const char* name;
  const char* path;
};

std::ostream& operator<<(std::ostream& stream, const NothingCase& download) { return stream << download.path; }

class DownloadBringingNothing : public VersionCheckFixture, public testing::WithParamInterface<NothingCase> {
 protected:
  void SetUp() override {
    VersionCheckFixture::SetUp();
    server.serve("/empty.txt", "");
    server.closeWithoutReply("/silent.txt");
  }

  std::vector<std::wstring> LocalFiles() const { return FilesIn(Text::ToWide(folder.path())); }
};

TEST_P(DownloadBringingNothing, WarnsAndKeepsTheEarlierCopy) {
  const std::string badURL = server.url(GetParam().path);
  checker->SetURLCurrVerFile(badURL);
  RunCheck();
  ASSERT_EQ(boxes.boxes().size(), 1u);
  ExpectFailureWarning(boxes.boxes()[0]);
  EXPECT_TRUE(getURLCalls.empty());
  EXPECT_EQ(LocalFiles(), std::vector<std::wstring>{});

  Publish("1.5.0.0", "https://downloads.klangor.invalid/old.zip");
  checker->SetURLCurrVerFile(server.url("/curr_ver.txt"));
  RunCheck();
  const std::string earlierCopy = folder.readFile("version.txt");
  EXPECT_EQ(earlierCopy, VersionFile("1.5.0.0", "https://downloads.klangor.invalid/old.zip"));

  checker->SetURLCurrVerFile(badURL);
  RunCheck();
  ASSERT_EQ(boxes.boxes().size(), 2u);
  ExpectFailureWarning(boxes.boxes()[1]);
  EXPECT_EQ(getURLCalls.size(), 1u);
  EXPECT_EQ(folder.readFile("version.txt"), earlierCopy);
  EXPECT_EQ(LocalFiles(), std::vector<std::wstring>{L"version.txt"});

  // Without the warning the earlier copy is what gets evaluated.
  checker->SetFailureDlg(false);
  RunCheck();
  EXPECT_EQ(boxes.boxes().size(), 2u);
  ASSERT_EQ(getURLCalls.size(), 2u);
  EXPECT_EQ(getURLCalls[1].currentVersion, "1.5.0.0");
  EXPECT_EQ(getURLCalls[1].downloadURL, "https://downloads.klangor.invalid/old.zip");
  EXPECT_EQ(folder.readFile("version.txt"), earlierCopy);
  EXPECT_FALSE(programEnd.requested());

  const std::vector<std::string> requests = server.requests();
  EXPECT_EQ(std::count(requests.begin(), requests.end(), GetParam().path), 3) << "every bad check asked the server";
}

INSTANTIATE_TEST_SUITE_P(VersionChecker, DownloadBringingNothing,
                         testing::Values(NothingCase{"NotFound", "/missing.txt"},
                                         NothingCase{"ClosedWithoutReply", "/silent.txt"},
                                         NothingCase{"EmptyBody", "/empty.txt"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A folder made and removed with the W functions: its name holds a letter
// outside code page 1252, which the A functions would see as "?".
class WideFolder {
 public:
  explicit WideFolder(std::wstring path) : path_(std::move(path)) { CreateDirectoryW(path_.c_str(), nullptr); }
  ~WideFolder() {
    for (const std::wstring& name : FilesIn(path_)) DeleteFileW((path_ + L"\\" + name).c_str());
    RemoveDirectoryW(path_.c_str());
  }
  WideFolder(const WideFolder&) = delete;
  WideFolder& operator=(const WideFolder&) = delete;
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

class EnvironmentVariableSet {
 public:
  EnvironmentVariableSet(std::wstring name, const std::wstring& value) : name_(std::move(name)) {
    std::vector<wchar_t> old(32767);
    had_ = GetEnvironmentVariableW(name_.c_str(), old.data(), static_cast<DWORD>(old.size())) != 0;
    old_ = old.data();
    SetEnvironmentVariableW(name_.c_str(), value.c_str());
  }
  ~EnvironmentVariableSet() { SetEnvironmentVariableW(name_.c_str(), had_ ? old_.c_str() : nullptr); }
  EnvironmentVariableSet(const EnvironmentVariableSet&) = delete;
  EnvironmentVariableSet& operator=(const EnvironmentVariableSet&) = delete;

 private:
  std::wstring name_;
  std::wstring old_;
  bool had_ = false;
};

class VersionDownload : public VersionCheckFixture {};

// A user named Łukasz has a temporary folder whose path code page 1252 cannot
// hold; the local copy still lands there, whole, and is read back from there.
TEST_F(VersionDownload, TemporaryFolderOutsideTheCodePageIsUsedWhole) {
  const WideFolder temp(Text::ToWide(folder.path()) + L"\\\u0141ukasz");
  const EnvironmentVariableSet variable(L"TEMP", temp.path());
  checker->SetTempFile("%TEMP%\\version.txt");
  Publish("1.6.0.0", "https://downloads.klangor.invalid/Klangor.zip");
  RunCheck();
  EXPECT_TRUE(boxes.boxes().empty());
  ASSERT_EQ(getURLCalls.size(), 1u);
  EXPECT_EQ(getURLCalls[0].currentVersion, "1.6.0.0");
  EXPECT_EQ(getURLCalls[0].downloadURL, "https://downloads.klangor.invalid/Klangor.zip");
  EXPECT_EQ(FilesIn(temp.path()), std::vector<std::wstring>{L"version.txt"});
}

}  // namespace
