// Reads or writes one value of one INI file per Execute, through the
// platform's private-profile functions. The section, key, default and value
// hold at most 128 characters and the file name at most 259, the longest the
// profile functions open; a longer text is cut.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "framework/Classes.h"
#include "framework/Text.h"

// A text of at most `Chars` characters kept inside its owner, zero-terminated.
// Characters, not bytes: the UTF-8 text of that many letters of any script fits.
template <size_t Chars>
class TKeptText {
 public:
  static constexpr size_t Capacity = Chars;
  static constexpr size_t ByteCapacity = Capacity * 4;
  TKeptText() { FChars[0] = '\0'; }
  TKeptText(const std::string& text) { *this = text; }
  TKeptText& operator=(const std::string& text) {
    const std::string kept = Text::Left(text, Capacity);
    FLength = kept.size();
    std::memcpy(FChars.data(), kept.data(), FLength);
    FChars[FLength] = '\0';
    return *this;
  }
  const char* c_str() const { return FChars.data(); }
  std::string str() const { return std::string(FChars.data(), FLength); }
  size_t size() const { return FLength; }
  bool empty() const { return FLength == 0; }

 private:
  std::array<char, ByteCapacity + 1> FChars;
  size_t FLength = 0;
};

using str128 = TKeptText<128>;
// The profile functions open a file named by at most 259 UTF-16 units, an
// extended "\\?\" prefix included: Wine refuses 260 and more with "path not
// found", as Windows does without its long-path setting.
using strProfilePath = TKeptText<259>;

enum TProfileAction : uint8_t { paRead, paWrite };

template <>
struct EnumNames<TProfileAction> {
  static constexpr auto names() { return std::array{"paRead", "paWrite"}; }
};

class TProfile : public TComponent {
 public:
  using TComponent::TComponent;

  std::string Category() const { return FCategory.str(); }
  void SetCategory(const std::string& text) { FCategory = text; }
  std::string KeyName() const { return FKeyName.str(); }
  void SetKeyName(const std::string& text) { FKeyName = text; }
  std::string DefaultValue() const { return FDefaultValue.str(); }
  void SetDefaultValue(const std::string& text) { FDefaultValue = text; }
  std::string DataString() const { return FDataString.str(); }
  void SetDataString(const std::string& text) { FDataString = text; }
  std::string IniFileName() const { return FIniFileName.str(); }
  void SetIniFileName(const std::string& text) { FIniFileName = text; }
  TProfileAction Action() const { return FAction; }
  void SetAction(TProfileAction action) { FAction = action; }
  // 0 after a successful Execute, 1 after a failed one.
  uint16_t Error() const { return FError; }

  // Reads DataString from, or writes it into, the key KeyName of section
  // Category of the file IniFileName. Fails without touching any file when
  // one of those three is empty.
  bool Execute();

  // The name under which the profile functions reach an existing file: its
  // path when that fits their limit, else its short form (8.3 names) when
  // that fits; none when neither does.
  static std::optional<std::string> ReachableName(const std::string& path);

  PUBLISHED_PROPERTIES;

 private:
  bool Read();
  bool Write();

  str128 FCategory;
  str128 FKeyName;
  str128 FDefaultValue;
  str128 FDataString;
  strProfilePath FIniFileName;
  TProfileAction FAction = paRead;
  uint16_t FError = 0;
};
