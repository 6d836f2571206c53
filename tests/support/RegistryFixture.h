// A registry key a test owns for its lifetime.
//
// The constructor removes whatever an earlier run left under the key, then creates
// it; the destructor deletes the key tree again, starting from the highest key of
// the path that did not exist before, so "SOFTWARE\SCi Games\..." leaves no empty
// "SCi Games" behind. The view flag picks the registry a 32-bit program sees
// (KEY_WOW64_32KEY), which is where the game records its install path.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace klangor::test {

class RegistryFixture {
 public:
  RegistryFixture(HKEY root, const std::string& subKey, REGSAM view = 0);
  ~RegistryFixture();
  RegistryFixture(const RegistryFixture&) = delete;
  RegistryFixture& operator=(const RegistryFixture&) = delete;

  // An empty name sets the key's default (unnamed) value.
  void setString(const std::string& name, const std::string& value);
  void setExpandString(const std::string& name, const std::string& value);
  void setDword(const std::string& name, DWORD value);
  void setMultiString(const std::string& name, const std::vector<std::string>& values);

  const std::string& subKey() const { return subKey_; }

 private:
  void setValue(const std::string& name, DWORD type, const void* data, DWORD size);

  HKEY root_;
  std::string subKey_;
  REGSAM view_;
  std::string ownedKey_;  // the highest key of subKey_ that this fixture created
  HKEY key_ = nullptr;
};

}  // namespace klangor::test
