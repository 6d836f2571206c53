#include "app/PresetFile.h"

#include "components/safewrite/WinFile.h"
#include "framework/SysUtils.h"
#include "framework/Text.h"

// The values come section by section, in writing order.
std::string PresetText(const std::vector<TIniValue>& values) {
  std::string text;
  const std::string* section = nullptr;
  for (const TIniValue& value : values) {
    if (!section || *section != value.Section) text += "[" + value.Section + "]\r\n";
    section = &value.Section;
    text += value.Key + "=" + value.Value + "\r\n";
  }
  return text;
}

DWORD SavePreset(const std::string& path, const std::vector<TIniValue>& values) {
  const std::string temporary = path + "." + IntToStr(GetCurrentProcessId()) + ".tmp";
  DWORD error = WinFile::Write(temporary, PresetText(values), CREATE_ALWAYS);
  if (!error && !MoveFileExW(Text::ToWide(temporary).c_str(), Text::ToWide(path).c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    error = GetLastError();
  if (error) WinFile::Delete(temporary);
  return error;
}

bool IsPresetPath(const std::string& path) {
  const std::string suffix = ".ini";
  return path.size() > suffix.size() && Text::LowerCase(path.substr(path.size() - suffix.size())) == suffix &&
         !DirectoryExists(path);
}
