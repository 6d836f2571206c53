// Presets: the filled values saved to a file the player names, and a file
// loaded into the fields. A preset is in the banks' own format, so loading
// one fills the fields exactly as using a bank's values does, and any bank
// serves as a preset. Neither command writes a bank: a preset is never
// saved into the game's sound folder, where it would be listed and written
// as one, and loaded values go through the press's check like typed ones.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "components/safewrite/IniContent.h"

class TGameFolder;
class TValueFields;

class TPresetCommands {
 public:
  struct TParts {
    TValueFields& Values;
    TGameFolder& Folder;
  };
  explicit TPresetCommands(TParts parts);

  // Asks for a file name through the system's save dialog and saves the
  // filled values there; tells why when nothing is filled or the file
  // could not be written.
  void Save(HWND owner);
  // Asks for a preset through the system's open dialog and loads it.
  void Load(HWND owner);
  // Fills the fields from the file; tells when there is no such file or it
  // holds none of the settings' keys.
  void LoadFile(const std::string& path);

 private:
  // Saves the filled values into the file named, unless it lies in the
  // sound folder; tells when it could not be written.
  void SaveFile(const std::string& path, const std::vector<TIniValue>& values);

  TParts FParts;
};
