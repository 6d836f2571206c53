#include "tests/support/RegistryFixture.h"

#include <gtest/gtest.h>

using klangor::test::RegistryFixture;

namespace {

bool keyExists(HKEY root, const char* subKey, REGSAM view) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, subKey, 0, KEY_READ | view, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

struct Value {
  DWORD type = REG_NONE;
  std::string bytes;
};

Value readValue(HKEY root, const char* subKey, REGSAM view, const char* name) {
  Value value;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, subKey, 0, KEY_READ | view, &key) != ERROR_SUCCESS) return value;
  char data[512];
  DWORD size = sizeof data;
  if (RegQueryValueExA(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS)
    value.bytes.assign(data, size);
  else
    value.type = REG_NONE;
  RegCloseKey(key);
  return value;
}

std::string sz(const std::string& text) { return std::string(text.c_str(), text.size() + 1); }

const char* const kGameKey = "SOFTWARE\\Klangor Tests\\SCi Games\\Richard Burns Rally\\InstallPath";

}  // namespace

TEST(RegistryFixture, WritesEachValueTypeIntoTheChosenViewOnly) {
  RegistryFixture fixture(HKEY_LOCAL_MACHINE, kGameKey, KEY_WOW64_32KEY);
  fixture.setString("", "C:\\Games\\Richard Burns Rally");
  fixture.setExpandString("Expanded", "%SystemRoot%\\RBR");
  fixture.setDword("Number", 32);

  const Value root = readValue(HKEY_LOCAL_MACHINE, kGameKey, KEY_WOW64_32KEY, nullptr);
  EXPECT_EQ(root.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(root.bytes, sz("C:\\Games\\Richard Burns Rally"));
  const Value expanded = readValue(HKEY_LOCAL_MACHINE, kGameKey, KEY_WOW64_32KEY, "Expanded");
  EXPECT_EQ(expanded.type, static_cast<DWORD>(REG_EXPAND_SZ));
  EXPECT_EQ(expanded.bytes, sz("%SystemRoot%\\RBR"));
  const Value number = readValue(HKEY_LOCAL_MACHINE, kGameKey, KEY_WOW64_32KEY, "Number");
  EXPECT_EQ(number.type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(number.bytes, std::string("\x20\0\0\0", 4));

  EXPECT_FALSE(keyExists(HKEY_LOCAL_MACHINE, kGameKey, KEY_WOW64_64KEY));
}

TEST(RegistryFixture, RemovesOnlyTheKeysItCreated) {
  for (const REGSAM view : {REGSAM(0), REGSAM(KEY_WOW64_32KEY)}) {
    SCOPED_TRACE(view ? "32-bit view" : "native view");
    for (const HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
      {
        RegistryFixture fixture(root, kGameKey, view);
        EXPECT_TRUE(keyExists(root, kGameKey, view));
      }
      EXPECT_FALSE(keyExists(root, "SOFTWARE\\Klangor Tests", view));
      EXPECT_TRUE(keyExists(root, "SOFTWARE", view));
    }
  }
}

TEST(RegistryFixture, StartsFromAnEmptyKeyWhenALeftoverExists) {
  const char* const key = "SOFTWARE\\Klangor Tests Leftover";
  HKEY leftover = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &leftover, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(leftover, "Stale", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2);
  HKEY child = nullptr;
  RegCreateKeyExA(leftover, "Child", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr);
  RegCloseKey(child);
  RegCloseKey(leftover);
  {
    RegistryFixture fixture(HKEY_CURRENT_USER, key);
    EXPECT_EQ(readValue(HKEY_CURRENT_USER, key, 0, "Stale").type, static_cast<DWORD>(REG_NONE));
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, "SOFTWARE\\Klangor Tests Leftover\\Child", 0));
  }
  EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, key, 0));
}
