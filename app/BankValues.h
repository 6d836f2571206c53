// The values the sound banks hold now for the settings of the window's
// table, as the platform's profile functions read them: section and key
// names match in any letter case and without the blanks around them, the
// first section of a name and its first key of a name count, the blanks
// around a value go, and so does one pair of quotes around it.
//
// Each file is read and parsed once, when it is first asked for, and kept
// until the values are forgotten because the files may have changed (a
// write, an undo, a new listing): a window showing 2,000 files reads each
// once, never once per value or per repaint.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// One row of the window's settings table.
struct TSetting {
  std::string Section;
  std::string Key;
  std::string Shipped;  // the value the game ships with; empty when it ships none
};

// A file's values in the order of the settings; none where it lacks the key.
struct TBankFile {
  DWORD Error = 0;  // the system's error when the file could not be read
  std::vector<std::optional<std::string>> Values;
};

class TBankValues {
 public:
  explicit TBankValues(std::vector<TSetting> settings);

  const std::vector<TSetting>& Settings() const { return FSettings; }
  // The file at this full path, read when first asked for since the last Forget.
  const TBankFile& File(const std::string& path);
  void Forget() { FFiles.clear(); }

  // Reads the file now, without keeping it.
  static TBankFile Read(const std::string& path, const std::vector<TSetting>& settings);
  // The values of a file's bytes.
  static std::vector<std::optional<std::string>> Parse(const std::string& bytes, const std::vector<TSetting>& settings);
  // What the profile functions read back once this text has been written as
  // a value.
  static std::string AsRead(const std::string& written);

 private:
  std::vector<TSetting> FSettings;
  std::unordered_map<std::string, TBankFile> FFiles;
};
