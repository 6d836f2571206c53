// The store on disk: what counts as a set, the order of the sets (their
// records, never their names or the clock), which set Undo, Redo and the
// start-up question take, what trimming deletes, a set another Klangor is
// writing, and the faults of the store's own folder.
#include <gtest/gtest.h>
#include <windows.h>

#include "components/safewrite/BackupStore.h"
#include "components/safewrite/WinFile.h"
#include "framework/Text.h"
#include "tests/safewrite/Link.h"
#include "tests/safewrite/StoreFixture.h"

using namespace klangor::test;

namespace {

const std::string Backups = "Local\\Klangor\\Backups\\";

std::vector<std::string> Names(const std::vector<TBackupSet>& sets) {
  std::vector<std::string> names;
  for (const TBackupSet& set : sets) names.push_back(WinFile::FileNameOf(set.Folder()));
  return names;
}

std::string NameOf(const std::optional<TBackupSet>& set) { return set ? WinFile::FileNameOf(set->Folder()) : ""; }

// A set folder as an older Klangor left it: files.txt and no record.
void PlantOlderSet(StoreFixture& s, const std::string& name, bool writing) {
  s.folder.makeFolder(Backups + name);
  s.folder.writeFile(Backups + name + "\\a.ini", "[A]\r\n");
  s.folder.writeFile(Backups + name + "\\files.txt", "a.ini\tC:\\windows\\win.ini\r\n");
  if (writing) s.folder.writeFile(Backups + name + "\\writing.marker", "");
}

}  // namespace

TEST(BackupStore, SetsGoByTheirRecordsSequenceWhateverTheClockSaid) {
  StoreFixture s;
  s.Press(1, Moment(2099, 12, 31, 23, 59, 59));  // a clock once set ahead
  s.Press(2, Moment(2024, 10, 27, 2, 30, 0));    // the autumn hour, twice
  s.PressCutShort(3);
  s.Press(4, Moment(2024, 10, 27, 2, 30, 0));
  s.Press(5, Moment(2024, 1, 1, 8, 0, 0));  // and set back
  PlantOlderSet(s, "2100-01-01 00.00.00", true);
  s.folder.makeFolder(Backups + "my notes");

  const std::vector<TBackupSet> sets = s.store.Sets();
  ASSERT_EQ(sets.size(), 5u);
  for (size_t i = 0; i < sets.size(); ++i) EXPECT_EQ(sets[i].Record().Sequence, i + 1);
  EXPECT_EQ(Names(sets)[0], "2099-12-31 23.59.59");
  EXPECT_EQ(Names(sets)[3], "2024-10-27 02.30.00 (2)");
  EXPECT_EQ(sets[3].Date(), "2024-10-27 02:30:00");
  EXPECT_EQ(NameOf(s.store.NextToUndo()), "2024-01-01 08.00.00");
  EXPECT_EQ(NameOf(s.store.Newest()), "2024-01-01 08.00.00");
  // The start-up question finds the write cut short among later sets; the
  // older set without a record is named, never used.
  const std::vector<TBackupSet> interrupted = s.store.Interrupted();
  ASSERT_EQ(interrupted.size(), 1u);
  EXPECT_EQ(interrupted[0].Record().Sequence, 3u);
  EXPECT_EQ(s.store.Unchecked(), std::vector<std::string>{"2100-01-01 00.00.00"});
  EXPECT_EQ(s.store.UncheckedInterrupted(), std::vector<std::string>{"2100-01-01 00.00.00"});
  EXPECT_EQ(s.store.StartSet(s.Root()).Record().Sequence, 6u);
}

TEST(BackupStore, UndoAndRedoTakeTheirSetsInTurn) {
  StoreFixture s;
  TBackupSet first = s.Press(1), second = s.Press(2);
  EXPECT_FALSE(s.store.NextToRedo().has_value());
  second.MarkUndone();
  TBackupSet undo = s.store.StartSet(s.Root(), skUndo);
  ASSERT_FALSE(undo.Create());
  undo.Finish();
  EXPECT_EQ(s.store.NextToUndo()->Folder(), first.Folder());
  EXPECT_EQ(s.store.NextToRedo()->Folder(), undo.Folder());
  // A press after the undo makes it final.
  s.Press(3);
  EXPECT_FALSE(s.store.NextToRedo().has_value());
}

TEST(BackupStore, TrimKeepsTwentyByRecordNeverTheSetJustMadeNorOneStillWriting) {
  StoreFixture s;
  s.PressCutShort(1);
  for (WORD i = 0; i < 20; ++i) s.Press(i + 2, Moment(2099, 12, 31, 23, 59, i));
  PlantOlderSet(s, "2000-01-01 00.00.00", false);
  s.folder.makeFolder(Backups + "my notes");
  const TBackupSet justMade = s.Press(30, Moment(2024, 5, 1, 8, 0, 0));
  s.store.Trim(justMade);
  // 22 sets: the one cut short stays, the next two oldest go.
  const std::vector<TBackupSet> sets = s.store.Sets();
  ASSERT_EQ(sets.size(), 20u);
  EXPECT_TRUE(sets[0].Interrupted());
  EXPECT_EQ(sets[1].Record().Sequence, 4u);
  EXPECT_EQ(sets.back().Folder(), justMade.Folder());
  EXPECT_TRUE(s.folder.exists(Backups + "my notes"));
  EXPECT_TRUE(s.folder.exists(Backups + "2000-01-01 00.00.00\\files.txt"));
}

TEST(BackupStore, TrimKeepsWithinTheByteLimitOldestFirstButNeverTheNewest) {
  // Each press copies two banks of 30 bytes; its record is about 400 bytes.
  StoreFixture s({"a.ini", "b.ini"}, "RBR", 1500);
  for (int i = 1; i <= 5; ++i) s.store.Trim(s.Press(i));
  const std::vector<TBackupSet> kept = s.store.Sets();
  ASSERT_GE(kept.size(), 2u);
  EXPECT_LE(s.store.Size(), 1500u);
  EXPECT_EQ(kept.back().Record().Sequence, 5u);
  EXPECT_EQ(kept.front().Record().Sequence, 6 - kept.size());

  StoreFixture tiny({"a.ini"}, "RBR", 1);
  tiny.store.Trim(tiny.Press(1));
  EXPECT_EQ(tiny.store.Sets().size(), 1u);
}

TEST(BackupStore, TrimDeletesOnlyWhatTheRecordNamesAndNeverFollowsALink) {
  StoreFixture s({"a.ini", "b.ini"}, "RBR", 1);
  const TBackupSet oldest = s.Press(1);
  // The player's folder and file, reached through links where the copies were.
  s.folder.makeFolder("Player");
  s.folder.writeFile("Player\\one.txt", "1");
  s.folder.writeFile("Player\\two.txt", "2");
  const std::string copies = oldest.Folder() + "\\";
  ASSERT_TRUE(DeleteFileW(Text::ToWide(copies + "a.ini").c_str()));
  ASSERT_TRUE(DeleteFileW(Text::ToWide(copies + "b.ini").c_str()));
  const Link folderLink(copies + "a.ini", s.folder.pathOf("Player"), true);
  const Link fileLink(copies + "b.ini", s.folder.pathOf("Player\\one.txt"), false);
  ASSERT_TRUE(folderLink.made() && fileLink.made()) << "no link could be made";
  s.folder.writeFile(Backups + WinFile::FileNameOf(oldest.Folder()) + "\\notes.txt", "mine");

  s.store.Trim(s.Press(2));
  EXPECT_EQ(s.store.Sets().size(), 1u);
  EXPECT_EQ(s.folder.readFile("Player\\one.txt"), "1");
  EXPECT_EQ(s.folder.readFile("Player\\two.txt"), "2");
  EXPECT_EQ(s.folder.readFile(Backups + WinFile::FileNameOf(oldest.Folder()) + "\\notes.txt"), "mine");
  EXPECT_FALSE(WinFile::Exists(copies + "set.txt"));
}

TEST(BackupStore, SetAnotherKlangorIsWritingIsNeitherInterruptedNorTakenNorTrimmed) {
  StoreFixture s({"a.ini", "b.ini"}, "RBR", 1);
  s.Press(1);
  s.PressCutShort(2);
  const std::vector<TBackupSet> sets = s.store.Sets();
  ASSERT_EQ(sets.size(), 2u);
  const std::string marker = sets[1].Folder() + "\\writing.marker";
  // The other program holds its marker as a running write does.
  HANDLE running = CreateFileW(Text::ToWide(marker).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(running, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(sets[1].Held());
  EXPECT_FALSE(sets[1].Interrupted());
  EXPECT_TRUE(s.store.Interrupted().empty());
  EXPECT_EQ(s.store.NextToUndo()->Record().Sequence, 1u);
  TBackupSet mine = s.store.StartSet(s.Root());
  ASSERT_FALSE(mine.Create());
  mine.Finish();
  s.store.Trim(mine);
  EXPECT_TRUE(WinFile::Exists(marker));
  CloseHandle(running);
  ASSERT_EQ(s.store.Interrupted().size(), 1u);
  EXPECT_EQ(s.store.Interrupted()[0].Record().Sequence, 2u);
}

TEST(BackupStore, StoreFaultsStopTheSetBeforeAnyFile) {
  const struct {
    const char* name;
    const char* file;   // a file planted where a folder should be
    bool localAppData;  // the folder above the store exists
    TStoreFaultKind kind;
    const char* where;
  } cases[] = {
      {"a file named Backups", "Local\\Klangor\\Backups", true, sfNotAFolder, "Local\\Klangor\\Backups"},
      {"a file named Klangor", "Local\\Klangor", true, sfNotAFolder, "Local\\Klangor"},
      {"no local application data", nullptr, false, sfNoLocalAppData, "Local"},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    if (c.localAppData) folder.makeFolder("Local");
    if (c.localAppData && std::string(c.file).find("Backups") != std::string::npos) folder.makeFolder("Local\\Klangor");
    if (c.file) folder.writeFile(c.file, "");
    const TBackupStore store(folder.pathOf("Local\\Klangor\\Backups"));
    TBackupSet set = store.StartSet(folder.pathOf("RBR"));
    const TStoreFault fault = set.Create();
    EXPECT_EQ(fault.Kind, c.kind) << c.name;
    EXPECT_EQ(fault.Path, folder.pathOf(c.where)) << c.name;
    EXPECT_FALSE(set.Exists()) << c.name;
    EXPECT_EQ(store.Prepare().Kind, c.kind) << c.name;
  }
  TempFolder folder;
  folder.makeFolder("Local\\Klangor");
  folder.writeFile("Local\\Klangor\\Backups", "");
  EXPECT_EQ(StoreFaultMessage(TBackupStore(folder.pathOf("Local\\Klangor\\Backups")).Prepare(), suWrite),
            "Aucun fichier n'a été modifié : la sauvegarde est impossible.\r"
            "No file was modified: no backup can be made.\r"
            "un fichier occupe la place du dossier / a file stands where the folder should be : " +
                folder.pathOf("Local\\Klangor\\Backups"));
}
