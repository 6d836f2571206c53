#include "app/RecentFolders.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "components/config/GameFolders.h"
#include "framework/Text.h"

namespace {

const wchar_t* const LastName = L"LastGameFolder";
const wchar_t* const RecentName = L"RecentGameFolders";
// A value larger than this holds no folder list of ours and is not read.
constexpr DWORD MostBytesRead = 64 * 1024;

// An open key closed at the end of its scope.
class TKey {
 public:
  TKey(const std::string& path, bool forWriting) {
    const std::wstring wide = Text::ToWide(path);
    if (forWriting)
      FOpened = RegCreateKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                                nullptr, &FKey, nullptr) == ERROR_SUCCESS;
    else
      FOpened = RegOpenKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, KEY_QUERY_VALUE, &FKey) == ERROR_SUCCESS;
  }
  ~TKey() {
    if (FOpened) RegCloseKey(FKey);
  }
  TKey(const TKey&) = delete;
  TKey& operator=(const TKey&) = delete;
  bool Opened() const { return FOpened; }
  HKEY Handle() const { return FKey; }

 private:
  HKEY FKey = nullptr;
  bool FOpened = false;
};

void Write(HKEY key, const wchar_t* name, DWORD type, const std::wstring& data) {
  // The closing zero (two for a list) is part of the data.
  RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                 static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

TRecentFolders::TRecentFolders(std::string key) : FKey(std::move(key)) {}

std::wstring TRecentFolders::Read(const wchar_t* name, DWORD type) const {
  const TKey key(FKey, false);
  DWORD actualType = 0, bytes = 0;
  if (!key.Opened() || RegQueryValueExW(key.Handle(), name, nullptr, &actualType, nullptr, &bytes) != ERROR_SUCCESS ||
      actualType != type || bytes > MostBytesRead)
    return {};
  // Room for the closing zeros that a value written by another program may lack.
  std::wstring data(bytes / sizeof(wchar_t) + 2, L'\0');
  if (RegQueryValueExW(key.Handle(), name, nullptr, &actualType, reinterpret_cast<BYTE*>(data.data()), &bytes) !=
          ERROR_SUCCESS ||
      actualType != type)
    return {};
  data.resize(bytes / sizeof(wchar_t));
  return data;
}

std::string TRecentFolders::Last() const {
  const std::wstring data = Read(LastName, REG_SZ);
  return Text::FromWide(data.substr(0, data.find(L'\0')));
}

std::vector<std::string> TRecentFolders::Recent() const {
  const std::wstring data = Read(RecentName, REG_MULTI_SZ);
  std::vector<std::string> folders;
  for (size_t start = 0; start < data.size() && folders.size() < MostKept;) {
    const size_t end = std::min(data.find(L'\0', start), data.size());
    if (end > start) folders.push_back(Text::FromWide(data.substr(start, end - start)));
    start = end + 1;
  }
  return folders;
}

void TRecentFolders::Remember(const std::string& root) {
  std::vector<std::string> folders = Recent();
  folders.erase(std::remove_if(folders.begin(), folders.end(),
                               [&root](const std::string& folder) { return SameFolder(folder, root); }),
                folders.end());
  folders.insert(folders.begin(), root);
  if (folders.size() > MostKept) folders.resize(MostKept);
  std::wstring list;
  for (const std::string& folder : folders) list += Text::ToWide(folder) + L'\0';

  const TKey key(FKey, true);
  if (!key.Opened()) return;
  Write(key.Handle(), LastName, REG_SZ, Text::ToWide(root));
  Write(key.Handle(), RecentName, REG_MULTI_SZ, list);
}
