// A game folder and a backup store in a test's own folder, with presses made
// the way the write command makes them: copy, write, record what was left.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "components/safewrite/BackupStore.h"
#include "tests/support/TempFolder.h"

namespace klangor::test {

SYSTEMTIME Moment(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second);

class StoreFixture {
 public:
  // The game "RBR" with the given banks, each holding `Bank(name, 0)`.
  explicit StoreFixture(const std::vector<std::string>& banks = {"a.ini", "b.ini"}, const std::string& game = "RBR",
                        uint64_t bytesKept = TBackupStore::BytesKept);

  static std::string Bank(const std::string& name, int version) {
    return "[AMP::SOUNDS]\r\n; " + name + "\r\nEngine=0." + std::to_string(version) + "\r\n";
  }
  std::string Root() const { return folder.pathOf(FGame); }
  std::string BankPath(const std::string& name) const { return Root() + "\\KOVEN\\Sounds\\Audio\\" + name; }
  std::string Read(const std::string& name) const;
  void WriteBank(const std::string& name, const std::string& bytes) const;

  // A press at that moment that turns every bank into `Bank(name, version)`.
  TBackupSet Press(int version, const SYSTEMTIME& moment);
  TBackupSet Press(int version);
  // A press stopped after copying the banks and writing only the first one.
  void PressCutShort(int version);

  TempFolder folder;
  TBackupStore store;

 private:
  std::string FGame;
  std::vector<std::string> FBanks;
};

}  // namespace klangor::test
