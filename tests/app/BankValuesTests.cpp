// A bank's values as the platform's profile functions read them, on real
// files: every case is read both by the table's reader and by
// GetPrivateProfileStringW, and both must give the value written beside it.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>

#include "app/BankValues.h"
#include "tests/support/TempFolder.h"
#include "tests/support/Utf8.h"

using namespace klangor::test;

namespace {

using Values = std::vector<std::optional<std::string>>;

const std::vector<TSetting> Settings = {
    {"AMP::SOUNDS", "Engine", "1.0"}, {"AMP::SOUNDS", "Horn", "0.5"}, {"OPTIONS::SOUNDS", "NumberChannels", "0"}};

// What GetPrivateProfileStringW gives for each setting; none where it
// returns the default.
Values PlatformValues(const std::string& path) {
  Values values;
  for (const TSetting& setting : Settings) {
    wchar_t read[256] = {};
    GetPrivateProfileStringW(widen(setting.Section).c_str(), widen(setting.Key).c_str(), L"<absent>", read, 256,
                             widen(path).c_str());
    const std::string value = narrow(read);
    values.push_back(value == "<absent>" ? std::nullopt : std::optional(value));
  }
  return values;
}

std::string Utf16File(const std::string& text) {
  std::string bytes = "\xFF\xFE";
  for (wchar_t unit : widen(text)) bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  return bytes;
}

}  // namespace

TEST(BankValues, ReadAsTheProfileFunctionsReadThem) {
  const std::nullopt_t absent = std::nullopt;
  struct Case {
    const char* name;
    std::string text;
    Values expected;
  };
  const Case cases[] = {
      {"absent keys and section", "[AMP::SOUNDS]\r\nEngine=0.8\r\n", {"0.8", absent, absent}},
      {"odd spacing and case",
       "  [ amp::sounds ]  \r\n   engine   =   0.8   \r\nHORN\t=\t0.4\t\n[options::SOUNDS]\nnumberCHANNELS=32",
       {"0.8", "0.4", "32"}},
      // The first section of a name counts, also for a key only the second holds.
      {"duplicate sections",
       "[AMP::SOUNDS]\r\nEngine=0.8\r\n[OPTIONS::SOUNDS]\r\nNumberChannels=8\r\n[AMP::SOUNDS]\r\nEngine=0.1\r\n"
       "Horn=0.4\r\n",
       {"0.8", absent, "8"}},
      {"duplicate keys", "[AMP::SOUNDS]\r\nEngine=0.8\r\nHorn=0.4\r\nengine=0.1\r\n", {"0.8", "0.4", absent}},
      {"quotes, comments, empty value, no equals sign",
       "[AMP::SOUNDS]\r\n;Horn=0.1\r\nEngine=\"0.8\"\r\nHorn='0.4'\r\n[OPTIONS::SOUNDS]\r\nNumberChannels=\r\n"
       "[X]\r\nEngine\r\n",
       {"0.8", "0.4", ""}},
      {"a quote left open", "[AMP::SOUNDS]\r\nEngine=\"0.8\r\nHorn=\"\r\n", {"\"0.8", "\"", absent}},
      {"UTF-16 with its byte-order mark", Utf16File("[AMP::SOUNDS]\r\nEngine=0.8\r\n"), {"0.8", absent, absent}},
  };
  TempFolder folder;
  int n = 0;
  for (const Case& c : cases) {
    // A file of its own per case: the platform keeps files it has read.
    const std::string name = "bank" + std::to_string(n++) + ".ini";
    folder.writeFile(name, c.text);
    const TBankFile file = TBankValues::Read(folder.pathOf(name), Settings);
    EXPECT_EQ(file.Error, 0u) << c.name;
    EXPECT_EQ(file.Values, c.expected) << c.name;
    EXPECT_EQ(PlatformValues(folder.pathOf(name)), c.expected) << c.name;
  }
  const TBankFile missing = TBankValues::Read(folder.pathOf("missing.ini"), Settings);
  EXPECT_EQ(missing.Error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(missing.Values, Values(3));
}

TEST(BankValues, WrittenTextReadsBackAsAsReadSays) {
  TempFolder folder;
  const std::string path = folder.pathOf("bank.ini");
  for (const std::string written : {"0.8", " 0.5 ", "\"32\"", "'x'", "\"", ""}) {
    folder.writeFile("bank.ini", "[AMP::SOUNDS]\r\nEngine=1.0\r\n");
    ASSERT_TRUE(WritePrivateProfileStringW(L"AMP::SOUNDS", L"Engine", widen(written).c_str(), widen(path).c_str()));
    const std::string expected = TBankValues::AsRead(written);
    EXPECT_EQ(TBankValues::Read(path, Settings).Values[0], expected) << "[" << written << "]";
    EXPECT_EQ(PlatformValues(path)[0], expected) << "[" << written << "]";
  }
}
