#include "tests/support/RegistryFixture.h"

#include <stdexcept>

#include "tests/support/Utf8.h"

namespace klangor::test {
namespace {

bool keyExists(HKEY root, const std::string& subKey, REGSAM view) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// Deletes root\subKey with everything below it. RegDeleteTreeA takes no view
// flag, so it works from the parent key opened in the right view.
void deleteTree(HKEY root, const std::string& subKey, REGSAM view) {
  const std::string::size_type split = subKey.rfind('\\');
  HKEY parent = root;
  if (split != std::string::npos &&
      RegOpenKeyExA(root, subKey.substr(0, split).c_str(), 0, KEY_ALL_ACCESS | view, &parent) != ERROR_SUCCESS)
    return;
  const std::string leaf = split == std::string::npos ? subKey : subKey.substr(split + 1);
  RegDeleteTreeA(parent, leaf.c_str());
  if (parent != root) RegCloseKey(parent);
}

}  // namespace

RegistryFixture::RegistryFixture(HKEY root, const std::string& subKey, REGSAM view)
    : root_(root), subKey_(subKey), view_(view) {
  std::string::size_type end = 0;
  do {
    end = subKey_.find('\\', end + 1);
    const std::string prefix = subKey_.substr(0, end);
    if (!keyExists(root_, prefix, view_)) {
      ownedKey_ = prefix;
      break;
    }
  } while (end != std::string::npos);
  if (ownedKey_.empty()) {
    ownedKey_ = subKey_;
    deleteTree(root_, ownedKey_, view_);
  }

  const LONG status = RegCreateKeyExA(root_, subKey_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      KEY_ALL_ACCESS | view_, nullptr, &key_, nullptr);
  if (status != ERROR_SUCCESS)
    throw std::runtime_error("RegCreateKeyExA \"" + subKey_ + "\" failed, error " + std::to_string(status));
}

RegistryFixture::~RegistryFixture() {
  RegCloseKey(key_);
  deleteTree(root_, ownedKey_, view_);
}

// Texts are stored as UTF-16, as Windows' own tools store them.
void RegistryFixture::setString(const std::string& name, const std::string& value) {
  const std::wstring wide = widen(value);
  setValue(name, REG_SZ, wide.c_str(), static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

void RegistryFixture::setExpandString(const std::string& name, const std::string& value) {
  const std::wstring wide = widen(value);
  setValue(name, REG_EXPAND_SZ, wide.c_str(), static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

void RegistryFixture::setMultiString(const std::string& name, const std::vector<std::string>& values) {
  std::wstring list;
  for (const std::string& value : values) list += widen(value) + L'\0';
  setValue(name, REG_MULTI_SZ, list.c_str(), static_cast<DWORD>((list.size() + 1) * sizeof(wchar_t)));
}

void RegistryFixture::setDword(const std::string& name, DWORD value) {
  setValue(name, REG_DWORD, &value, sizeof value);
}

void RegistryFixture::setValue(const std::string& name, DWORD type, const void* data, DWORD size) {
  const std::wstring wideName = widen(name);
  const LONG status =
      RegSetValueExW(key_, name.empty() ? nullptr : wideName.c_str(), 0, type, static_cast<const BYTE*>(data), size);
  if (status != ERROR_SUCCESS)
    throw std::runtime_error("RegSetValueExW \"" + name + "\" failed, error " + std::to_string(status));
}

}  // namespace klangor::test
