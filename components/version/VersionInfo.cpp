// The running program's version strings, read from its own version resource
// through the first entry of its translation table.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "components/version/VersionChecker.h"
#include "framework/Dialogs.h"

namespace {

std::string RunningExecutablePath() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return std::string(path.data(), length);
    path.resize(path.size() * 2);
  }
}

// Language and code page as eight upper-case hexadecimal digits, "040C04E4".
bool TranslationKey(const std::vector<char>& versionInfo, std::string& key) {
  void* translation = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(versionInfo.data(), "\\VarFileInfo\\Translation", &translation, &length) ||
      length < 2 * sizeof(WORD))
    return false;
  const WORD* entry = static_cast<const WORD*>(translation);
  char text[9];
  std::snprintf(text, sizeof text, "%04X%04X", entry[0], entry[1]);
  key = text;
  return true;
}

void ShowMissingVersionNotice() {
  MessageDlg("Pas d'information sur le num\xE9ro \r\nde version de ce logiciel.", mtInformation, false);
}

}  // namespace

bool TVersionChecker::ReadVersionInfo(TStringList& list) {
  list.Clear();
  const std::string path = RunningExecutablePath();
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) {
    ShowMissingVersionNotice();
    return false;
  }
  std::vector<char> versionInfo(size);
  if (!GetFileVersionInfoA(path.c_str(), handle, size, versionInfo.data())) return false;
  std::string translation;
  if (!TranslationKey(versionInfo, translation)) {
    ShowMissingVersionNotice();
    return false;
  }
  for (const char* name : {"FileVersion", "LegalCopyright", "ProductName", "ProductVersion"}) {
    const std::string subBlock = "StringFileInfo\\" + translation + "\\" + name;
    char* value = nullptr;
    UINT length = 0;
    if (VerQueryValueA(versionInfo.data(), subBlock.c_str(), reinterpret_cast<void**>(&value), &length) && value)
      list.Add(value);
  }
  return true;
}
