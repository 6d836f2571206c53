// The write job on real files: what it refuses before touching a file, what
// it writes, the copy it keeps, and the file it puts back.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "components/config/GameFolders.h"
#include "components/config/Profil.h"
#include "components/safewrite/BackupStore.h"
#include "components/safewrite/SoundFileWrite.h"
#include "components/safewrite/WinFile.h"
#include "framework/Text.h"
#include "tests/support/TempFolder.h"

using klangor::test::TempFolder;

namespace {

const std::string Bank =
    "; KOVEN sound bank\r\n[OPTIONS::SOUNDS]\r\nNumberChannels=32\r\n\r\n[AMP::SOUNDS]\r\nEngine=1.0\r\n"
    "; gravel\r\nRain=1.0\r\n";
const std::vector<TIniValue> EngineAndChannels = {{"AMP::SOUNDS", "Engine", "0.8"},
                                                  {"OPTIONS::SOUNDS", "NumberChannels", "16"}};

std::string Utf16(const std::string& text, bool withMark) {
  std::string bytes = withMark ? "\xFF\xFE" : "";
  for (char c : text) bytes += std::string{c, '\0'};
  return bytes;
}

class GameFolder {
 public:
  GameFolder() : store(folder.pathOf("Local\\Klangor\\Backups")), backup(store.StartSet(Root())) {
    folder.makeFolder("RBR\\KOVEN\\Sounds\\Audio");
    folder.makeFolder("Local");
    EXPECT_FALSE(backup.Create());
    profile.SetAction(paWrite);
  }
  std::string Root() const { return folder.pathOf("RBR"); }
  std::string Bank(const std::string& name) const { return "RBR\\KOVEN\\Sounds\\Audio\\" + name; }
  std::string Path(const std::string& name) const { return folder.pathOf(Bank(name)); }
  TFileResult Write(const std::string& name, const std::vector<TIniValue>& values) {
    TSoundFileWrite job(Root(), name, values, backup, profile);
    const bool written = job.Run();
    EXPECT_EQ(written, !job.Result().Failed()) << name;
    return job.Result();
  }

  TempFolder folder;
  TProfile profile{nullptr};
  TBackupStore store;
  TBackupSet backup;
};

}  // namespace

TEST(SoundFileWrite, RefusesWritesOrPutsBackEachKindOfFile) {
  enum After { Written, Unchanged, Absent };
  struct Case {
    const char* name;
    std::string bytes;  // empty: no file
    std::function<void(GameFolder&)> meanwhile;
    std::vector<TIniValue> values;
    TWriteFailure failure;
    After after;
  };
  std::string withNul = Bank;
  withNul.insert(withNul.find("Rain"), 1, '\0');
  const Case cases[] = {
      {"plain bank", Bank, nullptr, EngineAndChannels, wfNone, Written},
      {"spacing and blank lines the platform rewrites",
       "\r\n[ OPTIONS::SOUNDS ]\r\n  NumberChannels = 32  \r\n\r\n\r\n[AMP::SOUNDS]\r\nEngine =1.0\r\n  ; gravel \r\n",
       nullptr, EngineAndChannels, wfNone, Written},
      {"keys and a section the write adds",
       "[AMP::SOUNDS]\r\nRain=1.0\r\n",
       nullptr,
       {{"AMP::SOUNDS", "Engine", "0.8"}, {"NEW::SOUNDS", "Wind", "0.5"}},
       wfNone,
       Written},
      {"UTF-16 with its byte-order mark", Utf16(Bank, true), nullptr, EngineAndChannels, wfNone, Written},
      {"UTF-16 without byte-order mark", Utf16(Bank, false), nullptr, EngineAndChannels, wfNotText, Unchanged},
      {"a NUL byte", withNul, nullptr, EngineAndChannels, wfNotText, Unchanged},
      {"deleted after listing", "", nullptr, EngineAndChannels, wfMissing, Absent},
      {"a folder of that name", "", [](GameFolder& f) { f.folder.makeFolder(f.Bank("a folder of that name")); },
       EngineAndChannels, wfMissing, Unchanged},
      {"a value that would add a line",
       Bank,
       nullptr,
       {{"AMP::SOUNDS", "Engine", "0.8\r\nSpare=1"}},
       wfRestored,
       Unchanged},
      {"no values", Bank, nullptr, {}, wfNone, Unchanged},
  };
  for (const Case& c : cases) {
    GameFolder f;
    if (!c.bytes.empty()) f.folder.writeFile(f.Bank(c.name), c.bytes);
    if (c.meanwhile) c.meanwhile(f);
    const TFileResult result = f.Write(c.name, c.values);
    EXPECT_EQ(result.Failure, c.failure) << c.name;
    EXPECT_EQ(result.Name, c.name);
    const bool copied = c.failure == wfNone || c.failure == wfRestored;
    EXPECT_EQ(result.Touched, copied && !c.values.empty()) << c.name;
    switch (c.after) {
      case Written: {
        const TIniContent now = TIniContent::Parse(f.folder.readFile(f.Bank(c.name)));
        for (const TIniValue& value : c.values) {
          std::string found;
          EXPECT_TRUE(now.Find(value.Section, value.Key, found)) << c.name << " " << value.Key;
          EXPECT_EQ(found, value.Value) << c.name;
        }
        break;
      }
      case Unchanged:
        if (!c.bytes.empty()) {
          EXPECT_EQ(f.folder.readFile(f.Bank(c.name)), c.bytes) << c.name;
        }
        break;
      case Absent: EXPECT_FALSE(f.folder.exists(f.Bank(c.name))) << c.name; break;
    }
    // Exactly the files that reached the writing step have their copy, and
    // the record holds it with what the write left.
    const std::vector<TSetRecord::TEntry>& entries = f.backup.Record().Entries;
    ASSERT_EQ(entries.size(), copied && !c.values.empty() ? 1u : 0u) << c.name;
    if (!entries.empty()) {
      EXPECT_EQ(entries[0].OriginalPath, f.Path(c.name));
      std::string copy;
      WinFile::Read(f.backup.Folder() + "\\" + entries[0].Name, copy);
      EXPECT_EQ(copy, c.bytes) << c.name;
      EXPECT_EQ(entries[0].Copy, TFileDigest::Of(c.bytes)) << c.name;
      ASSERT_TRUE(entries[0].Left.has_value()) << c.name;
      EXPECT_EQ(*entries[0].Left, TFileDigest::Of(f.folder.readFile(f.Bank(c.name)))) << c.name;
    }
  }
}

TEST(SoundFileWrite, FileHeldWithoutWriteSharingIsNotCopiedNorTouched) {
  GameFolder f;
  f.folder.writeFile(f.Bank("a.ini"), Bank);
  HANDLE game = CreateFileA(f.Path("a.ini").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(game, INVALID_HANDLE_VALUE);
  const TFileResult result = f.Write("a.ini", EngineAndChannels);
  CloseHandle(game);
  EXPECT_EQ(result.Failure, wfInUse);
  EXPECT_EQ(result.Error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_FALSE(result.Touched);
  EXPECT_EQ(f.folder.readFile(f.Bank("a.ini")), Bank);
  EXPECT_TRUE(f.backup.Record().Entries.empty());
}

TEST(SoundFileWrite, NoBackupCopyMeansNoWrite) {
  // The set cannot be made: a file stands where the store's folder would go.
  GameFolder f;
  f.folder.makeFolder("Blocked");
  f.folder.writeFile("Blocked\\Klangor", "");
  TBackupSet blocked = TBackupStore(f.folder.pathOf("Blocked\\Klangor\\Backups")).StartSet(f.Root());
  EXPECT_EQ(blocked.Create().Kind, sfNotAFolder);
  f.folder.writeFile(f.Bank("a.ini"), Bank);
  TSoundFileWrite job(f.Root(), "a.ini", EngineAndChannels, blocked, f.profile);
  EXPECT_FALSE(job.Run());
  EXPECT_EQ(job.Result().Failure, wfBackupFailed);
  EXPECT_NE(job.Result().Error, 0u);
  EXPECT_EQ(FailureText(job.Result()),
            "copie de sauvegarde impossible / backup copy failed (" + WinFile::SystemMessage(job.Result().Error) + ")");
  EXPECT_EQ(f.folder.readFile(f.Bank("a.ini")), Bank);
}

TEST(SoundFileWrite, BanksAtAnyPathLengthAreWrittenUnlessNoFormFitsTheProfile) {
  struct Case {
    size_t length;  // of the bank's full path
    size_t part;    // the longest folder name of the root
    TWriteFailure failure;
  };
  const Case cases[] = {
      {140, 200, wfNone}, {259, 200, wfNone}, {261, 200, wfNone}, {400, 200, wfNone}, {400, 3, wfPathTooLong}};
  GameFolder f;
  for (const Case& c : cases) {
    const std::string tail = "\\KOVEN\\Sounds\\Audio\\a.ini";
    const std::string rootName = std::string(c.part > 8 ? "RL" : "RS") + "\\" +
                                 klangor::test::deepName(c.length - f.folder.path().size() - tail.size() - 4, c.part);
    const std::string bank = rootName + tail;
    f.folder.makeFolder(rootName + "\\KOVEN\\Sounds\\Audio");
    f.folder.writeFile(bank, Bank);
    ASSERT_EQ(f.folder.pathOf(bank).size(), c.length);
    // A set of its own for each root: a set copies a file name once.
    TBackupSet backup = f.store.StartSet(f.folder.pathOf(rootName));
    ASSERT_FALSE(backup.Create());
    TSoundFileWrite job(f.folder.pathOf(rootName), "a.ini", EngineAndChannels, backup, f.profile);
    job.Run();
    EXPECT_EQ(job.Result().Failure, c.failure) << c.length << " in parts of " << c.part;
    const std::string now = f.folder.readFile(bank);
    EXPECT_EQ(now.find("Engine=0.8") != std::string::npos, c.failure == wfNone) << c.length;
    if (c.failure != wfNone) {
      EXPECT_EQ(now, Bank) << c.length;
    }
  }
  EXPECT_EQ(FailureText({"a.ini", wfPathTooLong}),
            "chemin trop long pour Windows (plus de 259 caractères) / path too long for Windows (over 259 characters)");
}
