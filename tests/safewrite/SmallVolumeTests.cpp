// A volume that fills up: the game's folder, or the backups folder, on a
// small volume that small-volume.sh mounts (KLANGOR_SMALL_VOLUME).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "components/config/GameFolders.h"
#include "components/config/Profil.h"
#include "components/safewrite/BackupStore.h"
#include "components/safewrite/SoundFileWrite.h"
#include "components/safewrite/WinFile.h"
#include "framework/Text.h"
#include "tests/support/TempFolder.h"

using klangor::test::TempFolder;

namespace {

constexpr size_t Page = 4096;

std::string SmallVolume() {
  const char* volume = std::getenv("KLANGOR_SMALL_VOLUME");
  return volume ? volume : "";
}

#define NEED_SMALL_VOLUME()  \
  if (SmallVolume().empty()) \
  GTEST_SKIP() << "SKIPPED: no small volume (mount -t tmpfs refused or not run through small-volume.sh)"

// Empties the test's folder on the volume, which holds no links.
void DeleteVolumeFiles(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName, child = folder + "\\" + name;
      if (name == "." || name == "..") continue;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        DeleteVolumeFiles(child);
      else
        DeleteFileA(child.c_str());
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

// Takes every free byte of the volume.
void Fill(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  const std::string chunk(Page, 'f');
  DWORD written = 0;
  for (int i = 0; i < 100000; ++i)
    if (!WriteFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &written, nullptr) || written < chunk.size())
      break;
  CloseHandle(file);
}

// A bank exactly `pages` pages long in the form the platform's writer saves
// it, so that a rewrite with a longer value needs one page more.
std::string PageSizedBank(const TempFolder& scratch, size_t pages) {
  const std::string path = scratch.pathOf("shape.ini");
  for (int i = 0; i < 60; ++i)
    WritePrivateProfileStringA("AMP::SOUNDS", ("Gain" + std::to_string(i)).c_str(), "0.25", path.c_str());
  WritePrivateProfileStringA("AMP::SOUNDS", "Engine", "1.0", path.c_str());
  std::string text = scratch.readFile("shape.ini");
  const std::string lineEnd = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  const size_t room = pages * Page - text.size() - lineEnd.size();
  return ";" + std::string(room - 1, 'p') + lineEnd + text;
}

struct Folders {
  Folders() { CreateDirectoryA(Volume().c_str(), nullptr); }
  ~Folders() { DeleteVolumeFiles(Volume()); }
  static std::string Volume() { return SmallVolume() + "\\test"; }
  TempFolder local;
};

}  // namespace

TEST(SmallVolume, FileCutByAFullVolumeIsPutBackByteForByte) {
  NEED_SMALL_VOLUME();
  Folders folders;
  const std::string root = Folders::Volume() + "\\RBR";
  for (const std::string& folder : {root, KovenFolderOf(root), KovenFolderOf(root) + "\\Sounds", SoundFolderOf(root)})
    CreateDirectoryA(folder.c_str(), nullptr);
  const std::string bank = PageSizedBank(folders.local, 2);
  ASSERT_EQ(bank.size(), 2 * Page);
  const std::string path = SoundFolderOf(root) + "\\a.ini";
  ASSERT_EQ(WinFile::Write(path, bank, CREATE_NEW), 0u);
  Fill(Folders::Volume() + "\\filler");

  TProfile profile(nullptr);
  profile.SetAction(paWrite);
  folders.local.makeFolder("Local");
  TBackupSet backup = TBackupStore(folders.local.pathOf("Local\\Klangor\\Backups")).StartSet(root);
  ASSERT_FALSE(backup.Create());
  const std::vector<TIniValue> values = {{"AMP::SOUNDS", "Engine", "0." + std::string(100, '5')}};
  TSoundFileWrite job(root, "a.ini", values, backup, profile);
  EXPECT_FALSE(job.Run());
  EXPECT_EQ(job.Result().Failure, wfRestored) << "error " << job.Result().Error;
  EXPECT_TRUE(job.Result().Touched);
  std::string now;
  ASSERT_EQ(WinFile::Read(path, now), 0u);
  EXPECT_EQ(now.size(), bank.size());
  EXPECT_EQ(now, bank);
  EXPECT_EQ(FailureText(job.Result()),
            "remis comme avant après une écriture incomplète (disque plein ?) / "
            "restored after an incomplete write (disk full?)");
}

TEST(SmallVolume, FullStoreVolumeStopsTheWriteBeforeAnyFile) {
  NEED_SMALL_VOLUME();
  // Full before the set is made: the store says so and no set is made.
  // Full after it was made: the copy fails and the file is not touched.
  for (const bool fullFirst : {true, false}) {
    Folders folders;
    folders.local.makeFolder("RBR\\KOVEN\\Sounds\\Audio");
    const std::string bank = PageSizedBank(folders.local, 2);
    folders.local.writeFile("RBR\\KOVEN\\Sounds\\Audio\\a.ini", bank);
    CreateDirectoryA((Folders::Volume() + "\\Local").c_str(), nullptr);
    const TBackupStore store(Folders::Volume() + "\\Local\\Klangor\\Backups");
    TBackupSet backup = store.StartSet(folders.local.pathOf("RBR"));
    if (fullFirst) {
      Fill(Folders::Volume() + "\\filler");
      const TStoreFault fault = backup.Create();
      EXPECT_EQ(fault.Kind, sfFull);
      EXPECT_EQ(StoreFaultMessage(fault, suWrite),
                "Aucun fichier n'a été modifié : la sauvegarde est impossible.\r"
                "No file was modified: no backup can be made.\r"
                "le disque est plein / the disk is full : " +
                    fault.Path);
      EXPECT_TRUE(store.Sets().empty());
      EXPECT_TRUE(store.Unchecked().empty());
    } else {
      ASSERT_FALSE(backup.Create());
      Fill(Folders::Volume() + "\\filler");
    }

    TProfile profile(nullptr);
    profile.SetAction(paWrite);
    const std::vector<TIniValue> values = {{"AMP::SOUNDS", "Engine", "0.8"}};
    TSoundFileWrite job(folders.local.pathOf("RBR"), "a.ini", values, backup, profile);
    EXPECT_FALSE(job.Run());
    EXPECT_EQ(job.Result().Failure, wfBackupFailed);
    EXPECT_FALSE(job.Result().Touched);
    EXPECT_EQ(folders.local.readFile("RBR\\KOVEN\\Sounds\\Audio\\a.ini"), bank);
    if (!fullFirst) {
      EXPECT_EQ(job.Result().Error, static_cast<DWORD>(ERROR_DISK_FULL));
      EXPECT_EQ(FailureText(job.Result()), "copie de sauvegarde impossible / backup copy failed (" +
                                               WinFile::SystemMessage(ERROR_DISK_FULL) + ")");
    }
  }
}

TEST(SmallVolume, StoreOnAVolumeThatMayNotBeWrittenIsReported) {
  const char* readOnly = std::getenv("KLANGOR_READONLY_VOLUME");
  if (!readOnly)
    GTEST_SKIP() << "SKIPPED: no read-only volume (mount -t tmpfs refused or not run through small-volume.sh)";
  const TStoreFault fault = TBackupStore(std::string(readOnly) + "\\Klangor\\Backups").Prepare();
  EXPECT_EQ(fault.Kind, sfDenied) << fault.Error;
  EXPECT_EQ(fault.Path, std::string(readOnly) + "\\Klangor");
  EXPECT_EQ(StoreFaultMessage(fault, suOpen),
            "Le dossier des sauvegardes ne peut pas être ouvert.\rThe backups folder cannot be opened.\r"
            "écriture refusée / writing is not allowed : " +
                fault.Path);
}
