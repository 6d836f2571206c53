// The registry reader on Wine's real registry, under keys the tests own.
#include <gtest/gtest.h>

#include <memory>

#include "components/config/RegistryReader.h"
#include "framework/SysUtils.h"
#include "tests/support/RegistryFixture.h"

using klangor::test::RegistryFixture;

namespace {

// A key of its own: the fixture deletes the first missing part of its path
// when it ends, and the support tests, which may run at the same time, own
// another.
constexpr const char* TestKey = "SOFTWARE\\Klangor Reader Tests\\Reader";

std::unique_ptr<TRegistryReader> ReaderOn(TRootKey root, const std::string& key) {
  auto reader = std::make_unique<TRegistryReader>(nullptr);
  reader->SetRootKey(root);
  reader->SetKey(key);
  return reader;
}

bool KeyExists(HKEY root, const std::string& path, REGSAM view) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

}  // namespace

TEST(RegistryReader, ReadsTextValuesFromThe32BitView) {
  RegistryFixture key(HKEY_LOCAL_MACHINE, TestKey, KEY_WOW64_32KEY);
  key.setString("", "C:\\Games\\Richard Burns Rally");
  key.setString("Named", "value with é");
  key.setString("Łódź", "D:\\Игры\\RBR Ω 音 🚗");  // names and texts in any script, as stored
  key.setExpandString("Expandable", "%TEMP%\\x");
  TRegistryReader reader(nullptr);
  reader.SetKey(std::string("\\") + TestKey + "\\");  // leading and trailing backslash as the window stores it
  EXPECT_EQ(reader.ReadString(""), "C:\\Games\\Richard Burns Rally");
  EXPECT_EQ(reader.ReadString("Named"), "value with é");
  EXPECT_EQ(reader.ReadString("Łódź"), "D:\\Игры\\RBR Ω 音 🚗");
  EXPECT_EQ(reader.ReadString("Expandable"), "%TEMP%\\x");  // returned unexpanded
  EXPECT_EQ(reader.ReadString("Missing"), "");
}

TEST(RegistryReader, UnsetDefaultValueReadsEmpty) {
  RegistryFixture key(HKEY_LOCAL_MACHINE, TestKey, KEY_WOW64_32KEY);
  key.setString("Other", "x");
  EXPECT_EQ(ReaderOn(rkHKEY_LOCAL_MACHINE, TestKey)->ReadString(""), "");
}

TEST(RegistryReader, MissingKeyReadsEmptyAndIsNeverCreated) {
  const std::string missing = std::string(TestKey) + "\\Never";
  auto reader = ReaderOn(rkHKEY_LOCAL_MACHINE, missing);
  reader->SetCanCreate(true);
  EXPECT_EQ(reader->ReadString(""), "");
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, missing, KEY_WOW64_32KEY));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, missing, KEY_WOW64_64KEY));
}

TEST(RegistryReader, ValueThatIsNotTextRaisesNamingTheValue) {
  RegistryFixture key(HKEY_LOCAL_MACHINE, TestKey, KEY_WOW64_32KEY);
  key.setDword("", 1);
  key.setDword("Count", 2);
  auto reader = ReaderOn(rkHKEY_LOCAL_MACHINE, TestKey);
  try {
    reader->ReadString("");
    FAIL() << "no error raised";
  } catch (const Exception& error) {
    EXPECT_STREQ(error.what(), "Invalid data type for ''");
  }
  try {
    reader->ReadString("Count");
    FAIL() << "no error raised";
  } catch (const Exception& error) {
    EXPECT_STREQ(error.what(), "Invalid data type for 'Count'");
  }
  // The key was closed on the way out: the fixture can delete it.
}

TEST(RegistryReader, RootKeysMapToThePredefinedRoots) {
  const std::pair<int, HKEY> roots[] = {
      {rkHKEY_CLASSES_ROOT, HKEY_CLASSES_ROOT},
      {rkHKEY_CURRENT_USER, HKEY_CURRENT_USER},
      {rkHKEY_LOCAL_MACHINE, HKEY_LOCAL_MACHINE},
      {rkHKEY_USERS, HKEY_USERS},
      {rkHKEY_CURRENT_CONFIG, HKEY_CURRENT_CONFIG},  // 0x80000005: performance data is skipped
      {5, HKEY_LOCAL_MACHINE},
      {255, HKEY_LOCAL_MACHINE}};
  for (const auto& [ordinal, handle] : roots)
    EXPECT_EQ(TRegistryReader::RootKeyHandle(static_cast<TRootKey>(ordinal)), handle) << ordinal;
}

TEST(RegistryReader, ReadsBelowTheChosenRoot) {
  RegistryFixture key(HKEY_CURRENT_USER, TestKey);
  key.setString("", "current user");
  EXPECT_EQ(ReaderOn(rkHKEY_CURRENT_USER, TestKey)->ReadString(""), "current user");
  EXPECT_EQ(ReaderOn(rkHKEY_LOCAL_MACHINE, TestKey)->ReadString(""), "");
}

TEST(RegistryReader, InformationalPropertiesIgnoreAssignment) {
  TRegistryReader reader(nullptr);
  const std::string about = reader.About();
  reader.SetAbout("something else");
  EXPECT_EQ(reader.About(), about);
  EXPECT_EQ(about.rfind("Version 1.0, 2002® ", 0), 0u);
}
