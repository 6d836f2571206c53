// Backup sets on disk: their names, the list of copies, the markers, which
// set is the newest (not yet undone), and keeping the newest twenty.
#include <gtest/gtest.h>

#include "components/safewrite/BackupStore.h"
#include "components/safewrite/WinFile.h"
#include "framework/Text.h"
#include "tests/support/TempFolder.h"

using klangor::test::TempFolder;

namespace {

SYSTEMTIME Moment(WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME moment{};
  moment.wYear = 2024;
  moment.wMonth = 5;
  moment.wDay = day;
  moment.wHour = hour;
  moment.wMinute = minute;
  moment.wSecond = second;
  return moment;
}

std::vector<std::string> Names(const std::vector<TBackupSet>& sets) {
  std::vector<std::string> names;
  for (const TBackupSet& set : sets) names.push_back(WinFile::FileNameOf(set.Folder()));
  return names;
}

class Backups {
 public:
  Backups() : store(folder.pathOf("Local\\Klangor\\Backups")) {
    folder.makeFolder("Game");
    folder.writeFile("Game\\a.ini", "[A]\r\nx=1\r\n");
  }
  // A finished set holding a copy of Game\a.ini.
  TBackupSet Made(const SYSTEMTIME& moment) {
    TBackupSet set = store.StartSet(moment);
    EXPECT_EQ(set.AddCopy(folder.pathOf("Game\\a.ini"), "[A]\r\nx=1\r\n"), 0u);
    set.Finish();
    return set;
  }

  TempFolder folder;
  TBackupStore store;
};

}  // namespace

TEST(BackupStore, SetsAreNamedByTheirMomentAndSortedOldestFirst) {
  Backups b;
  for (int i = 0; i < 11; ++i) b.Made(Moment(2, 9, 5, 7));
  b.Made(Moment(1, 23, 59, 59));
  b.folder.makeFolder("Local\\Klangor\\Backups\\my notes");
  b.folder.makeFolder("Local\\Klangor\\Backups\\2024-05-01 10.00.00 (x)");
  std::vector<std::string> expected = {"2024-05-01 23.59.59", "2024-05-02 09.05.07"};
  for (int n = 2; n <= 11; ++n) expected.push_back("2024-05-02 09.05.07 (" + std::to_string(n) + ")");
  EXPECT_EQ(Names(b.store.Sets()), expected);
  EXPECT_EQ(b.store.Sets()[0].Date(), "2024-05-01 23:59:59");
}

TEST(BackupStore, KeepsTheNewestTwentyAndLeavesOtherFoldersAlone) {
  Backups b;
  for (WORD second = 0; second < 23; ++second) b.Made(Moment(3, 12, 0, second));
  b.folder.makeFolder("Local\\Klangor\\Backups\\my notes");
  b.store.KeepNewest();
  const std::vector<std::string> names = Names(b.store.Sets());
  ASSERT_EQ(names.size(), 20u);
  EXPECT_EQ(names.front(), "2024-05-03 12.00.03");
  EXPECT_EQ(names.back(), "2024-05-03 12.00.22");
  EXPECT_TRUE(b.folder.exists("Local\\Klangor\\Backups\\my notes"));
}

TEST(BackupStore, CopiesAreListedWithTheirOriginalPathAndMarkedWhileWriting) {
  Backups b;
  b.folder.makeFolder("Café");
  const std::string original = b.folder.pathOf("Café\\a.ini");
  TBackupSet set = b.store.StartSet(Moment(4, 8, 0, 0));
  EXPECT_FALSE(set.Exists());
  ASSERT_EQ(set.AddCopy(original, std::string("[A]\r\n\0x=1", 10)), 0u);
  ASSERT_EQ(set.AddCopy(b.folder.pathOf("Game\\A.INI"), "second"), 0u);
  EXPECT_TRUE(set.Interrupted());
  const std::string folder = "Local\\Klangor\\Backups\\2024-05-04 08.00.00\\";
  EXPECT_EQ(b.folder.readFile(folder + "a.ini"), std::string("[A]\r\n\0x=1", 10));
  EXPECT_EQ(b.folder.readFile(folder + "A.INI (2)"), "second");
  EXPECT_EQ(b.folder.readFile(folder + "files.txt"),
            "a.ini\t" + original + "\r\nA.INI (2)\t" + b.folder.pathOf("Game\\A.INI") + "\r\n");
  // A line cut short by a stop while the next copy was being listed.
  ASSERT_EQ(WinFile::Append(b.folder.pathOf(folder + "files.txt"), "b.ini\t" + b.folder.pathOf("Ga")), 0u);
  set.Finish();
  const TBackupSet reread = *b.store.Newest();
  EXPECT_FALSE(reread.Interrupted());
  ASSERT_EQ(reread.Copies().size(), 2u);
  EXPECT_EQ(reread.Copies()[0].OriginalPath, original);
}

TEST(BackupStore, RestorePutsBackEveryCopyAndUndoneSetsAreSkipped) {
  Backups b;
  TBackupSet older = b.Made(Moment(5, 8, 0, 0));
  TBackupSet newer = b.Made(Moment(5, 9, 0, 0));
  b.folder.writeFile("Game\\a.ini", "changed");
  EXPECT_EQ(b.store.NewestNotUndone()->Folder(), newer.Folder());
  EXPECT_TRUE(newer.Restore().empty());
  EXPECT_EQ(b.folder.readFile("Game\\a.ini"), "[A]\r\nx=1\r\n");
  newer.MarkUndone();
  EXPECT_EQ(b.store.NewestNotUndone()->Folder(), older.Folder());
  older.MarkUndone();
  EXPECT_FALSE(b.store.NewestNotUndone().has_value());

  // A deleted original is put back; one whose folder went cannot be.
  DeleteFileA(b.folder.pathOf("Game\\a.ini").c_str());
  EXPECT_TRUE(older.Restore().empty());
  EXPECT_EQ(b.folder.readFile("Game\\a.ini"), "[A]\r\nx=1\r\n");
  TBackupSet elsewhere = b.store.StartSet(Moment(6, 8, 0, 0));
  elsewhere.AddCopy(b.folder.pathOf("Gone\\b.ini"), "b");
  const std::vector<TFileResult> failed = elsewhere.Restore();
  ASSERT_EQ(failed.size(), 1u);
  EXPECT_EQ(failed[0].Name, "b.ini");
  EXPECT_EQ(failed[0].Failure, wfMissing);
}

TEST(BackupStore, DiscardedSetLeavesNothing) {
  Backups b;
  TBackupSet set = b.store.StartSet(Moment(7, 8, 0, 0));
  set.AddCopy(b.folder.pathOf("Game\\a.ini"), "x");
  set.Discard();
  EXPECT_TRUE(b.store.Sets().empty());
}
