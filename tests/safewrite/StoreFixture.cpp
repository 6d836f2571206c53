#include "tests/safewrite/StoreFixture.h"

#include <gtest/gtest.h>

#include "components/safewrite/WinFile.h"

namespace klangor::test {

SYSTEMTIME Moment(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME moment{};
  moment.wYear = year;
  moment.wMonth = month;
  moment.wDay = day;
  moment.wHour = hour;
  moment.wMinute = minute;
  moment.wSecond = second;
  return moment;
}

StoreFixture::StoreFixture(const std::vector<std::string>& banks, const std::string& game, uint64_t bytesKept)
    : store(folder.pathOf("Local\\Klangor\\Backups"), bytesKept), FGame(game), FBanks(banks) {
  folder.makeFolder("Local");
  folder.makeFolder(game + "\\KOVEN\\Sounds\\Audio");
  for (const std::string& name : banks) WriteBank(name, Bank(name, 0));
}

std::string StoreFixture::Read(const std::string& name) const {
  std::string bytes;
  WinFile::Read(BankPath(name), bytes);
  return bytes;
}

void StoreFixture::WriteBank(const std::string& name, const std::string& bytes) const {
  EXPECT_EQ(WinFile::Write(BankPath(name), bytes, CREATE_ALWAYS), 0u) << name;
}

TBackupSet StoreFixture::Press(int version, const SYSTEMTIME& moment) {
  TBackupSet set = store.StartSet(Root(), skWrite, moment);
  EXPECT_FALSE(set.Create());
  for (const std::string& name : FBanks) {
    EXPECT_EQ(set.AddCopy(BankPath(name), Read(name)), 0u) << name;
    WriteBank(name, Bank(name, version));
    EXPECT_EQ(set.AddLeft(BankPath(name), Read(name)), 0u) << name;
  }
  set.Finish();
  return set;
}

TBackupSet StoreFixture::Press(int version) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return Press(version, now);
}

void StoreFixture::PressCutShort(int version) {
  TBackupSet set = store.StartSet(Root());
  EXPECT_FALSE(set.Create());
  for (const std::string& name : FBanks) EXPECT_EQ(set.AddCopy(BankPath(name), Read(name)), 0u) << name;
  WriteBank(FBanks[0], Bank(FBanks[0], version));
  EXPECT_EQ(set.AddLeft(BankPath(FBanks[0]), Read(FBanks[0])), 0u);
  WriteBank(FBanks[1], Bank(FBanks[1], version).substr(0, 10));
  // The set object goes without Finish, as when the program is stopped:
  // its marker stays behind, no longer held.
}

}  // namespace klangor::test
