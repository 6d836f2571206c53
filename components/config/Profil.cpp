#include "components/config/Profil.h"

#include <windows.h>

#include <cstring>
#include <iterator>
#include <string>

#include "framework/FilePath.h"
#include "framework/Text.h"

namespace {

template <size_t Chars>
std::wstring Wide(const TKeptText<Chars>& text) {
  return Text::ToWide(text.str());
}

}  // namespace

bool TProfile::Read() {
  // Windows drops the blanks at the end of a default, so that "no default",
  // passed as a single blank, reads back as the empty text. Wine keeps one
  // blank of a default made only of blanks, so they are dropped here.
  std::string fallback = FDefaultValue.str();
  fallback.erase(fallback.find_last_not_of(' ') + 1);
  wchar_t buffer[256];
  const DWORD count =
      GetPrivateProfileStringW(Wide(FCategory).c_str(), Wide(FKeyName).c_str(), Text::ToWide(fallback).c_str(), buffer,
                               static_cast<DWORD>(std::size(buffer)), Wide(FIniFileName).c_str());
  FDataString = Text::FromWide(buffer);
  return count > 0;
}

bool TProfile::Write() {
  // The value is never a null pointer: an empty DataString writes an empty
  // value instead of deleting the key.
  return WritePrivateProfileStringW(Wide(FCategory).c_str(), Wide(FKeyName).c_str(), Wide(FDataString).c_str(),
                                    Wide(FIniFileName).c_str()) != 0;
}

std::optional<std::string> TProfile::ReachableName(const std::string& path) {
  if (Text::Length(path) <= strProfilePath::Capacity) return path;
  const std::wstring asked = FilePathW(path);
  const DWORD length = GetShortPathNameW(asked.c_str(), nullptr, 0);
  if (length == 0) return std::nullopt;
  std::wstring found(length, L'\0');
  const DWORD written = GetShortPathNameW(asked.c_str(), found.data(), length);
  if (written == 0 || written >= length) return std::nullopt;
  const std::wstring shortName = PlainPathW(found.substr(0, written));
  if (shortName.size() > strProfilePath::Capacity) return std::nullopt;
  return Text::FromWide(shortName);
}

bool TProfile::Execute() {
  FError = 0;
  const bool ready = !FCategory.empty() && !FKeyName.empty() && !FIniFileName.empty();
  bool succeeded = false;
  if (ready) succeeded = FAction == paRead ? Read() : Write();
  if (!succeeded) FError = 1;
  return succeeded;
}

const PropertyTable& TProfile::PublishedTable() {
  static const PropertyTable table(&TComponent::PublishedTable(), {{"Category", Set(&TProfile::SetCategory)},
                                                                   {"KeyName", Set(&TProfile::SetKeyName)},
                                                                   {"DefaultValue", Set(&TProfile::SetDefaultValue)},
                                                                   {"DataString", Set(&TProfile::SetDataString)},
                                                                   {"IniFileName", Set(&TProfile::SetIniFileName)},
                                                                   {"Action", Set(&TProfile::SetAction)}});
  return table;
}
