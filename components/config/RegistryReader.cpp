#include "components/config/RegistryReader.h"

#include <vector>

#include "framework/SysUtils.h"
#include "framework/Text.h"

namespace {

class OpenKey {
 public:
  OpenKey(HKEY root, const std::string& path) {
    if (RegOpenKeyExW(root, Text::ToWide(path).c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, &FKey) != ERROR_SUCCESS)
      FKey = nullptr;
  }
  ~OpenKey() {
    if (FKey) RegCloseKey(FKey);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY Get() const { return FKey; }

 private:
  HKEY FKey = nullptr;
};

}  // namespace

TRegistryReader::TRegistryReader(TComponent* owner) : TComponent(owner) {}

std::string TRegistryReader::About() const { return "Version 1.0, 2002® Klangor"; }

HKEY TRegistryReader::RootKeyHandle(TRootKey rootKey) {
  switch (rootKey) {
    case rkHKEY_CLASSES_ROOT: return HKEY_CLASSES_ROOT;
    case rkHKEY_CURRENT_USER: return HKEY_CURRENT_USER;
    case rkHKEY_USERS: return HKEY_USERS;
    case rkHKEY_CURRENT_CONFIG: return HKEY_CURRENT_CONFIG;
    default: return HKEY_LOCAL_MACHINE;
  }
}

std::string TRegistryReader::ReadString(const std::string& valueName) const {
  // A leading backslash would make the path relative to nothing: the key
  // always starts at the root.
  const std::string path = !FKey.empty() && FKey[0] == '\\' ? FKey.substr(1) : FKey;
  OpenKey key(RootKeyHandle(FRootKey), path);
  if (!key.Get()) return {};
  // The value is read as it is stored, in UTF-16: a root holding any
  // script's letters reaches the program unchanged.
  const std::wstring name = Text::ToWide(valueName);
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) throw Exception("Invalid data type for '" + valueName + "'");
  std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
  if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS)
    throw Exception("Failed to get data for '" + valueName + "'");
  return Text::FromWide(data.data());  // up to the first zero character
}

const PropertyTable& TRegistryReader::PublishedTable() {
  static const PropertyTable table(&TComponent::PublishedTable(), {{"RootKey", Set(&TRegistryReader::SetRootKey)},
                                                                   {"Key", Set(&TRegistryReader::SetKey)},
                                                                   {"CanCreate", Set(&TRegistryReader::SetCanCreate)},
                                                                   {"About", Set(&TRegistryReader::SetAbout)}});
  return table;
}
