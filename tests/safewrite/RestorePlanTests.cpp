// Putting sets back: only into the sound folder of the set's game, only
// from copies that match their record, never over a later change unless the
// player says so, and always keeping what it replaces for a redo.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "components/safewrite/RestorePlan.h"
#include "components/safewrite/WinFile.h"
#include "framework/Text.h"
#include "tests/safewrite/Link.h"
#include "tests/safewrite/StoreFixture.h"

using namespace klangor::test;

namespace {

const std::string Audio = "\\KOVEN\\Sounds\\Audio\\";

struct Planted {
  std::string Name, Path, Copy;
};

// A set with a valid record naming whatever the test likes, numbered after
// every other set, its files as Klangor would have left them.
TBackupSet Plant(StoreFixture& s, const std::string& root, const std::vector<Planted>& files) {
  TSetRecord record;
  record.Root = root;
  record.Sequence = 100;
  const std::string name = "Local\\Klangor\\Backups\\2024-05-01 10.00.00";
  s.folder.makeFolder(name);
  std::string lines = record.HeaderLines();
  for (const Planted& file : files) {
    // Only plain names reach the disk: a device name would reach a device.
    if (IsPlainIniName(file.Name)) s.folder.writeFile(name + "\\" + file.Name, file.Copy);
    const std::string bank = WinFile::FileNameOf(file.Path);
    const std::string left = IsPlainIniName(bank) ? s.Read(bank) : "";
    lines += TSetRecord::CopyLine({file.Name, file.Path, TFileDigest::Of(file.Copy), std::nullopt}) +
             TSetRecord::LeftLine(file.Name, TFileDigest::Of(left));
  }
  s.folder.writeFile(name + "\\set.txt", lines);
  std::optional<TBackupSet> set = s.store.NextToUndo();
  EXPECT_TRUE(set.has_value());
  return *set;
}

TRestoreOutcome PutBack(const TBackupSet& set, const TBackupStore& store, bool changedToo = false) {
  TRestorePlan plan(set);
  return plan.Run(store, changedToo);
}

std::vector<TWriteFailure> Failures(const TRestoreOutcome& outcome) {
  std::vector<TWriteFailure> failures;
  for (const TFileResult& result : outcome.Failed) failures.push_back(result.Failure);
  return failures;
}

}  // namespace

TEST(RestorePlan, RecordsNamingOtherPlacesAreRefusedAndNothingIsWrittenOutsideTheSoundFolder) {
  const std::string copy = "[AMP::SOUNDS]\r\nEngine=0.9\r\n";
  struct Case {
    const char* name;
    std::function<Planted(StoreFixture&)> file;
    bool putBack;  // else refused
  };
  auto sound = [](StoreFixture& s, const std::string& rest) { return s.Root() + Audio + rest; };
  const Case cases[] = {
      {"a system file",
       [&](StoreFixture& s) {
         return Planted{"win.ini", s.folder.pathOf("Windows\\win.ini"), copy};
       },
       false},
      {"a copy named with a way out",
       [&](StoreFixture& s) {
         return Planted{"..\\..\\..\\Windows\\system.ini", sound(s, "a.ini"), copy};
       },
       false},
      {"a path leading out",
       [&](StoreFixture& s) {
         return Planted{"new.ini", sound(s, "..\\..\\..\\..\\Windows\\new.ini"), copy};
       },
       false},
      {"a path that stays in the sound folder",
       [&](StoreFixture& s) {
         return Planted{"a.ini", s.Root() + "\\KOVEN\\Sounds\\..\\Sounds\\.\\Audio\\a.ini", copy};
       },
       true},
      {"repeated separators, slashes and another case",
       [&](StoreFixture& s) {
         return Planted{"A.INI", s.Root() + "\\\\koven/SOUNDS\\\\audio\\a.ini", copy};
       },
       true},
      {"the \\\\?\\ form",
       [&](StoreFixture& s) {
         return Planted{"a.ini", "\\\\?\\" + sound(s, "a.ini"), copy};
       },
       true},
      {"short names",
       [&](StoreFixture& s) {
         wchar_t shortRoot[MAX_PATH] = {};
         GetShortPathNameW(Text::ToWide(s.Root()).c_str(), shortRoot, MAX_PATH);
         EXPECT_NE(Text::FromWide(shortRoot), s.Root());
         return Planted{"a.ini", Text::FromWide(shortRoot) + Audio + "a.ini", copy};
       },
       true},
      {"a trailing dot",
       [&](StoreFixture& s) {
         return Planted{"a.ini", sound(s, "a.ini."), copy};
       },
       false},
      {"a copy name with a trailing blank",
       [&](StoreFixture& s) {
         return Planted{"a.ini ", sound(s, "a.ini "), copy};
       },
       false},
      {"a stream",
       [&](StoreFixture& s) {
         return Planted{"a.ini:x", sound(s, "a.ini:x"), copy};
       },
       false},
      {"another game's sound folder",
       [&](StoreFixture& s) {
         return Planted{"a.ini", s.folder.pathOf("Other") + Audio + "a.ini", copy};
       },
       false},
      {"not a settings file",
       [&](StoreFixture& s) {
         return Planted{"a.txt", sound(s, "a.txt"), copy};
       },
       false},
      {"below the sound folder",
       [&](StoreFixture& s) {
         return Planted{"a.ini", sound(s, "Sub\\a.ini"), copy};
       },
       false},
      {"a device name",
       [&](StoreFixture& s) {
         return Planted{"con.ini", sound(s, "con.ini"), copy};
       },
       false},
      {"a network share",
       [&](StoreFixture&) {
         return Planted{"a.ini", "\\\\server\\share" + Audio + "a.ini", copy};
       },
       false},
      {"a device path",
       [&](StoreFixture& s) {
         return Planted{"a.ini", "\\\\.\\" + sound(s, "a.ini"), copy};
       },
       false},
  };
  for (const Case& c : cases) {
    StoreFixture s({"a.ini", "b.ini"}, "Richard Burns Rally");
    s.folder.makeFolder("Windows");
    s.folder.writeFile("Windows\\win.ini", "[windows]\r\n");
    s.folder.makeFolder("Other\\KOVEN\\Sounds\\Audio");
    s.folder.writeFile("Other\\KOVEN\\Sounds\\Audio\\a.ini", "other game");
    s.folder.makeFolder("Richard Burns Rally\\KOVEN\\Sounds\\Audio\\Sub");
    s.folder.writeFile("Richard Burns Rally\\KOVEN\\Sounds\\Audio\\Sub\\a.ini", "below");
    s.folder.writeFile("Richard Burns Rally\\KOVEN\\Sounds\\Audio\\a.txt", "text");
    const Planted planted = c.file(s);
    const TBackupSet set = Plant(s, s.Root(), {planted, {"b.ini", s.BankPath("b.ini"), copy}});
    const TRestoreOutcome outcome = PutBack(set, s.store);

    EXPECT_EQ(s.Read("b.ini"), copy) << c.name;
    EXPECT_EQ(s.Read("a.ini"), c.putBack ? copy : StoreFixture::Bank("a.ini", 0)) << c.name;
    EXPECT_EQ(Failures(outcome), c.putBack ? std::vector<TWriteFailure>{} : std::vector<TWriteFailure>{wfRefused})
        << c.name;
    if (!c.putBack) {
      EXPECT_EQ(outcome.Failed[0].Name, planted.Name + " → " + planted.Path) << c.name;
    }
    EXPECT_EQ(s.folder.readFile("Windows\\win.ini"), "[windows]\r\n") << c.name;
    EXPECT_EQ(s.folder.readFile("Other\\KOVEN\\Sounds\\Audio\\a.ini"), "other game") << c.name;
    EXPECT_EQ(s.folder.readFile("Richard Burns Rally\\KOVEN\\Sounds\\Audio\\Sub\\a.ini"), "below") << c.name;
    EXPECT_EQ(s.folder.readFile("Richard Burns Rally\\KOVEN\\Sounds\\Audio\\a.txt"), "text") << c.name;
    for (const char* absent : {"Windows\\new.ini", "Windows\\system.ini", "new.ini"})
      EXPECT_FALSE(s.folder.exists(absent)) << c.name << " " << absent;
    // A refusal is for good: the set is done with.
    EXPECT_TRUE(set.Undone()) << c.name;
  }
}

TEST(RestorePlan, LinksInTheSoundFolderAreRefused) {
  const std::string copy = "[AMP::SOUNDS]\r\nEngine=0.9\r\n";
  // The bank itself is a link to the player's file elsewhere.
  StoreFixture s;
  s.folder.makeFolder("Elsewhere");
  s.folder.writeFile("Elsewhere\\mine.ini", "mine");
  ASSERT_TRUE(DeleteFileW(Text::ToWide(s.BankPath("a.ini")).c_str()));
  const Link bank(s.BankPath("a.ini"), s.folder.pathOf("Elsewhere\\mine.ini"), false);
  ASSERT_TRUE(bank.made()) << "no link could be made";
  const TRestoreOutcome outcome = PutBack(Plant(s, s.Root(), {{"a.ini", s.BankPath("a.ini"), copy}}), s.store);
  EXPECT_EQ(Failures(outcome), std::vector<TWriteFailure>{wfRefused});
  EXPECT_EQ(s.folder.readFile("Elsewhere\\mine.ini"), "mine");

  // The sound folder is a link to a folder of the player's.
  StoreFixture linked({}, "Linked");
  linked.folder.makeFolder("Player");
  linked.folder.writeFile("Player\\a.ini", "player's");
  RemoveDirectoryW(Text::ToWide(linked.Root() + "\\KOVEN\\Sounds\\Audio").c_str());
  const Link folder(linked.Root() + "\\KOVEN\\Sounds\\Audio", linked.folder.pathOf("Player"), true);
  ASSERT_TRUE(folder.made()) << "no link could be made";
  const TRestoreOutcome refused =
      PutBack(Plant(linked, linked.Root(), {{"a.ini", linked.BankPath("a.ini"), copy}}), linked.store);
  EXPECT_EQ(Failures(refused), std::vector<TWriteFailure>{wfRefused});
  EXPECT_EQ(linked.folder.readFile("Player\\a.ini"), "player's");
}

TEST(RestorePlan, DamagedOrMissingCopiesFailForGoodAndTheRestGoesBack) {
  StoreFixture s({"a.ini", "b.ini", "c.ini", "d.ini"});
  s.Press(1);
  const TBackupSet set = s.Press(2);
  const std::string copies = set.Folder() + "\\";
  ASSERT_EQ(WinFile::Write(copies + "a.ini", StoreFixture::Bank("a.ini", 1).substr(0, 10), CREATE_ALWAYS), 0u);
  ASSERT_EQ(WinFile::Write(copies + "b.ini", "", CREATE_ALWAYS), 0u);
  ASSERT_TRUE(DeleteFileW(Text::ToWide(copies + "c.ini").c_str()));
  const TRestoreOutcome outcome = PutBack(set, s.store);
  EXPECT_EQ(Failures(outcome), (std::vector<TWriteFailure>{wfCopyDamaged, wfCopyDamaged, wfCopyMissing}));
  for (const char* name : {"a.ini", "b.ini", "c.ini"}) EXPECT_EQ(s.Read(name), StoreFixture::Bank(name, 2)) << name;
  EXPECT_EQ(s.Read("d.ini"), StoreFixture::Bank("d.ini", 1));
  // The next undo goes to the press before.
  EXPECT_TRUE(set.Undone());
  EXPECT_EQ(s.store.NextToUndo()->Record().Sequence, 1u);
}

TEST(RestorePlan, LaterChangeIsKeptUnlessAskedAndWhatAnUndoReplacesComesBackWithRedo) {
  StoreFixture s;
  s.Press(1);
  s.Press(2);
  const std::string byHand = "[AMP::SOUNDS]\r\nHorn=0.99\r\n";
  s.WriteBank("a.ini", byHand);

  TRestorePlan second(*s.store.NextToUndo());
  EXPECT_EQ(second.Changed(), std::vector<std::string>{"a.ini"});
  EXPECT_TRUE(second.Run(s.store, false).Failed.empty());
  EXPECT_EQ(s.Read("a.ini"), byHand);
  EXPECT_EQ(s.Read("b.ini"), StoreFixture::Bank("b.ini", 1));

  TRestorePlan first(*s.store.NextToUndo());
  ASSERT_EQ(first.Changed(), std::vector<std::string>{"a.ini"});
  EXPECT_TRUE(first.Run(s.store, true).Failed.empty());
  for (const char* name : {"a.ini", "b.ini"}) EXPECT_EQ(s.Read(name), StoreFixture::Bank(name, 0)) << name;
  EXPECT_FALSE(s.store.NextToUndo().has_value());

  // The undo's own set holds the hand change, and a redo brings it back.
  TRestorePlan redo(*s.store.NextToRedo());
  EXPECT_TRUE(redo.Changed().empty());
  EXPECT_TRUE(redo.Run(s.store, false).Failed.empty());
  EXPECT_EQ(s.Read("a.ini"), byHand);
  EXPECT_EQ(s.Read("b.ini"), StoreFixture::Bank("b.ini", 1));
  // The redo can be undone in turn, and the first undo redone again.
  EXPECT_EQ(s.store.NextToUndo()->Record().Kind, skRedo);
  EXPECT_EQ(s.store.NextToRedo()->Record().Kind, skUndo);
}

TEST(RestorePlan, FileTheGameHoldsCanBeTriedAgain) {
  StoreFixture s;
  const TBackupSet set = s.Press(1);
  HANDLE game = CreateFileW(Text::ToWide(s.BankPath("a.ini")).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(game, INVALID_HANDLE_VALUE);
  const TRestoreOutcome held = PutBack(set, s.store);
  CloseHandle(game);
  EXPECT_EQ(Failures(held), std::vector<TWriteFailure>{wfInUse});
  EXPECT_EQ(s.Read("a.ini"), StoreFixture::Bank("a.ini", 1));
  EXPECT_EQ(s.Read("b.ini"), StoreFixture::Bank("b.ini", 0));
  EXPECT_FALSE(set.Undone());

  // Tried again, b.ini is already back and a.ini goes back.
  TRestorePlan again(*s.store.NextToUndo());
  EXPECT_TRUE(again.Changed().empty());
  EXPECT_TRUE(again.Run(s.store, false).Failed.empty());
  for (const char* name : {"a.ini", "b.ini"}) EXPECT_EQ(s.Read(name), StoreFixture::Bank(name, 0)) << name;
  EXPECT_TRUE(set.Undone());
}

TEST(RestorePlan, ChangeCutShortPutsBackWhatKlangorWasWritingButNotALaterChange) {
  for (const bool changedByHand : {false, true}) {
    StoreFixture s;
    s.PressCutShort(1);
    if (changedByHand) s.WriteBank("a.ini", "by hand");
    const std::vector<TBackupSet> interrupted = s.store.Interrupted();
    ASSERT_EQ(interrupted.size(), 1u);
    TRestorePlan plan(interrupted[0]);
    EXPECT_EQ(plan.Changed(), changedByHand ? std::vector<std::string>{"a.ini"} : std::vector<std::string>{});
    EXPECT_TRUE(plan.Run(s.store, false).Failed.empty());
    EXPECT_EQ(s.Read("a.ini"), changedByHand ? "by hand" : StoreFixture::Bank("a.ini", 0)) << changedByHand;
    EXPECT_EQ(s.Read("b.ini"), StoreFixture::Bank("b.ini", 0)) << changedByHand;
  }
}
