// Reads one text value of one registry key. The key is opened for reading
// only, in the 32-bit view where the game's installer writes it, and closed
// again before ReadString returns.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Classes.h"

enum TRootKey : uint8_t {
  rkHKEY_CLASSES_ROOT,
  rkHKEY_CURRENT_USER,
  rkHKEY_LOCAL_MACHINE,
  rkHKEY_USERS,
  rkHKEY_CURRENT_CONFIG,
};

template <>
struct EnumNames<TRootKey> {
  static constexpr auto names() {
    return std::array{"rkHKEY_CLASSES_ROOT", "rkHKEY_CURRENT_USER", "rkHKEY_LOCAL_MACHINE", "rkHKEY_USERS",
                      "rkHKEY_CURRENT_CONFIG"};
  }
};

class TRegistryReader : public TComponent {
 public:
  explicit TRegistryReader(TComponent* owner);

  TRootKey RootKey() const { return FRootKey; }
  void SetRootKey(TRootKey rootKey) { FRootKey = rootKey; }
  const std::string& Key() const { return FKey; }
  void SetKey(const std::string& key) { FKey = key; }
  bool CanCreate() const { return FCanCreate; }
  void SetCanCreate(bool canCreate) { FCanCreate = canCreate; }
  std::string About() const;
  void SetAbout(const std::string&) {}

  // The text of the value (the default value for an empty name), or the
  // empty text when the key or the value is missing. A value that is not
  // text raises "Invalid data type for '<name>'".
  std::string ReadString(const std::string& valueName) const;

  // The predefined root a RootKey ordinal selects; out-of-range ordinals
  // select HKEY_LOCAL_MACHINE.
  static HKEY RootKeyHandle(TRootKey rootKey);

  PUBLISHED_PROPERTIES;

 private:
  TRootKey FRootKey = rkHKEY_LOCAL_MACHINE;
  std::string FKey = "\\software\\Klangor\\";
  bool FCanCreate = true;
};
