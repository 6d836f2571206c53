#include "components/safewrite/SoundFolderPath.h"

#include <windows.h>

#include "components/config/GameFolders.h"
#include "components/safewrite/FolderEntry.h"
#include "components/safewrite/SoundFileWrite.h"
#include "components/safewrite/WinFile.h"
#include "framework/FilePath.h"
#include "framework/Text.h"

namespace {

bool EndsWithDotOrBlank(const std::wstring& name) {
  return !name.empty() && (name.back() == L'.' || name.back() == L' ');
}

bool HasForbiddenCharacter(const std::wstring& text, size_t driveColon) {
  for (size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c < 32 || wcschr(L"<>\"|?*", c) || (c == L':' && i != driveColon)) return true;
  }
  return false;
}

// CON, PRN, AUX, NUL, COM0-9 and LPT0-9 name a device whatever follows the dot.
bool IsDeviceName(const std::wstring& name) {
  std::wstring base = name.substr(0, name.find(L'.'));
  for (wchar_t& c : base) c = static_cast<wchar_t>(towupper(c));
  if (base == L"CON" || base == L"PRN" || base == L"AUX" || base == L"NUL" || base == L"CONIN$" || base == L"CONOUT$")
    return true;
  return base.size() == 4 && (base.rfind(L"COM", 0) == 0 || base.rfind(L"LPT", 0) == 0) && iswdigit(base[3]);
}

// "\\?\" forms without their prefix; empty for the other device forms.
std::wstring WithoutPrefix(const std::wstring& path) {
  const std::wstring plain = PlainPathW(path);
  return IsDevicePath(plain) ? L"" : plain;
}

// A drive path "X:\..." or a share "\\server\share\...", each name in it
// free of what Windows would drop or read otherwise.
bool IsPlainAbsolutePath(const std::wstring& path) {
  const bool drive = path.size() >= 3 && iswalpha(path[0]) && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
  const bool share = path.rfind(L"\\\\", 0) == 0 && path.size() > 2 && path[2] != L'\\';
  if ((!drive && !share) || HasForbiddenCharacter(path, drive ? 1 : std::wstring::npos)) return false;
  for (size_t start = drive ? 3 : 2; start <= path.size();) {
    const size_t end = path.find_first_of(L"\\/", start);
    const std::wstring name = path.substr(start, end - start);
    if (name != L"." && name != L".." && EndsWithDotOrBlank(name)) return false;
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  return true;
}

std::wstring ExistingLongPath(const std::wstring& path) {
  const std::wstring asked = FilePathW(path);
  const DWORD length = GetLongPathNameW(asked.c_str(), nullptr, 0);
  if (length == 0) return L"";
  std::wstring found(length, L'\0');
  const DWORD written = GetLongPathNameW(asked.c_str(), found.data(), length);
  return written > 0 && written < length ? PlainPathW(found.substr(0, written)) : L"";
}

// Only an existing path has a long form: a missing file keeps its own name
// after its folder's long form, and its folder must exist.
std::wstring LongPath(const std::wstring& path) {
  if (std::wstring found = ExistingLongPath(path); !found.empty()) return found;
  const DWORD error = GetLastError();
  const size_t slash = path.find_last_of(L'\\');
  if ((error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) || slash == std::wstring::npos) return L"";
  const std::wstring folder = ExistingLongPath(path.substr(0, slash));
  return folder.empty() ? L"" : folder + path.substr(slash);
}

TRestoreTarget Refused(const std::string& name) { return {"", name, wfRefused}; }

}  // namespace

bool IsPlainIniName(const std::string& name) {
  const std::wstring wide = Text::ToWide(name);
  if (wide.size() <= 4 || wide.size() > 255 || HasForbiddenCharacter(wide, std::wstring::npos)) return false;
  if (wide.find_first_of(L"\\/") != std::wstring::npos || EndsWithDotOrBlank(wide) || IsDeviceName(wide)) return false;
  return WinFile::SameFileName(name.substr(name.size() - 4), ".ini");
}

std::optional<std::string> NormalPath(const std::string& path) {
  const std::wstring plain = WithoutPrefix(Text::ToWide(path));
  if (!IsPlainAbsolutePath(plain)) return std::nullopt;
  std::wstring normal = LongPath(FullPathW(plain));
  if (normal.empty()) return std::nullopt;
  if (normal.size() > 3 && normal.back() == L'\\') normal.pop_back();
  return Text::FromWide(normal);
}

TRestoreTarget RestoreTarget(const std::string& root, const std::string& originalPath, const std::string& name) {
  if (!IsPlainIniName(name)) return Refused(name);
  const std::optional<std::string> normalRoot = NormalPath(root), normalPath = NormalPath(originalPath);
  if (!normalRoot || !normalPath) return Refused(name);
  const std::optional<std::string> folder = NormalPath(SoundFolderOf(*normalRoot));
  if (!folder) return Refused(name);
  const DWORD attributes = WinFile::Attributes(*folder);
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
      (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
    return Refused(name);
  if (!WinFile::SameFileName(*normalPath, *folder + "\\" + name)) return Refused(name);
  const TFolderEntry file(*folder, name, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          OPEN_EXISTING);
  if (file.Error() == TFolderEntry::LinkError || (file.Error() == 0 && file.IsFolder())) return Refused(name);
  return {*folder, name, wfNone};
}
