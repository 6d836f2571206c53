// Builds the real main window from its real layout, as the program does at
// start-up, on a game folder and a registry entry that the test owns. Every
// message box shown meanwhile is caught, recorded and answered.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "tests/support/EndRequestWatch.h"
#include "tests/support/MessageBoxCatcher.h"
#include "tests/support/RegistryFixture.h"
#include "tests/support/TempFolder.h"

namespace klangor::test {

constexpr const char* GameRegistryKey = "SOFTWARE\\SCi Games\\Richard Burns Rally\\InstallPath";
// Where the window keeps the player's game folders.
constexpr const char* KlangorRegistryKey = "Software\\Klangor";

// The keys of "AMP::SOUNDS" the gain fields Edit3 ... Edit30 write, in order.
extern const std::vector<std::string> GainKeys;

// A sound-bank settings file with other sections, comments and CR LF lines.
std::string SoundBankText(const std::string& engineGain = "1.0");

// A sound bank held open without write sharing, as the running game holds
// it: a private-profile write into it fails.
class HeldOpen {
 public:
  explicit HeldOpen(const std::string& path);
  ~HeldOpen();
  HeldOpen(const HeldOpen&) = delete;
  HeldOpen& operator=(const HeldOpen&) = delete;

 private:
  void* FHandle;
};

class FormFixture {
 public:
  FormFixture();
  ~FormFixture();

  TempFolder& Folder() { return FFolder; }
  // The game root inside the test's folder, holding KOVEN\Sounds\Audio.
  std::string GameRootPath() const { return FFolder.pathOf("RBR"); }
  std::string SoundFolderPath() const { return GameRootPath() + "\\KOVEN\\Sounds\\Audio"; }
  // %LOCALAPPDATA% points into the test's folder, so the window keeps its
  // backup sets there.
  std::string LocalAppDataPath() const { return FFolder.pathOf("LocalAppData"); }
  std::string BackupsPath() const { return LocalAppDataPath() + "\\Klangor\\Backups"; }
  void AddSoundFile(const std::string& name, const std::string& text = SoundBankText());
  // The registry's InstallPath default value, as the game's installer writes it.
  void SetRegistryRoot(const std::string& root);
  void SetRegistryDword();
  // The folders the window keeps between sessions; the fixture starts with
  // none and removes them again.
  RegistryFixture& KeptFolders() { return *FKept; }

  // Creates TForm1 the way the program entry does, with the text after the
  // program's name on its command line.
  TForm1& CreateForm(const std::string& folderArgument = {});
  TForm1& Form() { return *FForm; }
  void DestroyForm();

  MessageBoxCatcher& Boxes() { return *FCatcher; }
  // The boxes the window showed, without the version check's own warning,
  // which arrives whenever its download fails.
  std::vector<CaughtBox> WindowBoxes() const;
  // Whether the program has asked to end since the fixture was made.
  bool EndRequested() const { return FEndRequest.requested(); }
  // Runs pending window messages, as the message loop would between commands.
  void Pump();
  // Runs pending messages until the version check has shown (and the catcher
  // answered) its warning: the layout's address never resolves. Input posted
  // before that could reach the window through the warning's own modal loop
  // instead of the program's.
  void AwaitVersionWarning();

 private:
  TempFolder FFolder;
  std::wstring FSavedLocalAppData;
  std::unique_ptr<RegistryFixture> FRegistry;
  std::unique_ptr<RegistryFixture> FKept;
  std::unique_ptr<MessageBoxCatcher> FCatcher;
  EndRequestWatch FEndRequest;
  TForm1* FForm = nullptr;
};

}  // namespace klangor::test
