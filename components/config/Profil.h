// Reads or writes one value of one INI file per Execute, through the
// platform's private-profile functions. Every text of the component holds at
// most 128 characters; a longer text is cut.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "framework/Classes.h"

// A text of at most 128 characters kept inside its owner, zero-terminated.
// Characters, not bytes: the UTF-8 text of 128 letters of any script fits.
class str128 {
 public:
  static constexpr size_t Capacity = 128;
  static constexpr size_t ByteCapacity = Capacity * 4;
  str128() { FChars[0] = '\0'; }
  str128(const std::string& text) { *this = text; }
  str128& operator=(const std::string& text);
  const char* c_str() const { return FChars.data(); }
  std::string str() const { return std::string(FChars.data(), FLength); }
  size_t size() const { return FLength; }
  bool empty() const { return FLength == 0; }

 private:
  std::array<char, ByteCapacity + 1> FChars;
  size_t FLength = 0;
};

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

  PUBLISHED_PROPERTIES;

 private:
  bool Read();
  bool Write();

  str128 FCategory;
  str128 FKeyName;
  str128 FDefaultValue;
  str128 FDataString;
  str128 FIniFileName;
  TProfileAction FAction = paRead;
  uint16_t FError = 0;
};
