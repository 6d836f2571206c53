// The running program's version strings, read from its own version resource
// through the first entry of its translation table.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "components/version/VersionChecker.h"
#include "framework/Dialogs.h"
#include "framework/Text.h"

namespace {

// Kept in UTF-16 as the platform gives it: the program may lie in a folder
// named in any script.
std::wstring RunningExecutablePath() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return std::wstring(path.data(), length);
    path.resize(path.size() * 2);
  }
}

// Language and code page as eight upper-case hexadecimal digits, "040C04E4".
bool TranslationKey(const std::vector<char>& versionInfo, std::string& key) {
  void* translation = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(versionInfo.data(), L"\\VarFileInfo\\Translation", &translation, &length) ||
      length < 2 * sizeof(WORD))
    return false;
  const WORD* entry = static_cast<const WORD*>(translation);
  char text[9];
  std::snprintf(text, sizeof text, "%04X%04X", entry[0], entry[1]);
  key = text;
  return true;
}

void ShowMissingVersionNotice() {
  MessageDlg("Pas d'information sur le numéro \r\nde version de ce logiciel.", mtInformation, false);
}

}  // namespace

bool TVersionChecker::ReadVersionInfo(TStringList& list) {
  list.Clear();
  const std::wstring path = RunningExecutablePath();
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
  if (size == 0) {
    ShowMissingVersionNotice();
    return false;
  }
  std::vector<char> versionInfo(size);
  if (!GetFileVersionInfoW(path.c_str(), handle, size, versionInfo.data())) return false;
  std::string translation;
  if (!TranslationKey(versionInfo, translation)) {
    ShowMissingVersionNotice();
    return false;
  }
  for (const char* name : {"FileVersion", "LegalCopyright", "ProductName", "ProductVersion"}) {
    const std::string subBlock = "StringFileInfo\\" + translation + "\\" + name;
    wchar_t* value = nullptr;
    UINT length = 0;
    if (VerQueryValueW(versionInfo.data(), Text::ToWide(subBlock).c_str(), reinterpret_cast<void**>(&value), &length) &&
        value)
      list.Add(Text::FromWide(value));
  }
  return true;
}
