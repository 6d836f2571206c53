// The main window: the game root, the list of sound-bank settings files, the
// value fields grouped by INI section, the commands and the progress bar.
#pragma once

#include <string>
#include <vector>

#include "app/SystemMenu.h"
#include "components/safewrite/BackupStore.h"
#include "components/safewrite/SoundFileWrite.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"

class TProgressCyl;
class TbButton;
class TLMDCheckListBox;
class TBFC_Dir;
class TRegistryReader;
class TProfile;
class TVersionChecker;

// The game root given on the command line, as it was given; empty without
// one. The program entry sets it before the window is created.
extern std::string FolderArgument;

// A path without the double quotes around it, as Explorer's "Copy as path"
// puts them, or as a quoted command-line argument ending in a backslash
// leaves one behind. No Windows path holds a double quote.
std::string UnquotedPath(const std::string& path);

class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* owner);

  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label4;
  TProgressCyl* PC1;
  TLabel* Label33;
  TbButton* bButton1;
  TbButton* bButton2;
  TEdit* Edit2;
  TGroupBox* GroupBox1;
  TLabel* Label3;
  TLabel* Label62;
  TEdit* Edit1;
  TCheckBox* CheckBox1;
  TGroupBox* GroupBox2;
  TLMDCheckListBox* CLB;
  TbButton* bButton3;
  TbButton* bButton4;
  TbButton* bButton5;
  TCheckBox* CheckBox2;
  TBFC_Dir* BFC_Dir1;
  TRegistryReader* RegistryReader1;
  TProfile* Profile1;
  TVersionChecker* VersionChecker1;

  // A gain field and the label whose caption is its key in "AMP::SOUNDS".
  struct GainRow {
    TEdit* Field;
    TLabel* KeyLabel;
  };
  // Edit3 ... Edit30 with Label5 ... Label32, in the order they are written.
  const std::vector<GainRow>& GainRows() const { return FGainRows; }

  void FormCreate(TObject* Sender);
  void bButton1Click(TObject* Sender);
  void bButton2Click(TObject* Sender);
  void bButton3Click(TObject* Sender);
  void bButton4Click(TObject* Sender);
  void bButton5Click(TObject* Sender);
  void Edit2KeyDown(TObject* Sender, WORD& Key, TShiftState Shift);

  // The game's root folder as last taken from the registry or the path field.
  const std::string& GameRoot() const { return FGameRoot; }

  // Closing the window while files are written waits for the write to end,
  // so that no file keeps only part of its values.
  void Close() override;

  // The window menu's commands: put back the newest backup set not yet
  // undone, after asking; open the backups folder.
  bool CanUndo() const;
  void UndoLastChange();
  void OpenBackupsFolder();
  // Ctrl+S, F5, Ctrl+D and Ctrl+U press bButton1, bButton5, bButton4 and
  // bButton3: the buttons are out of the Tab order.
  bool IsShortCut(WORD key, TShiftState shift) override;

 protected:
  void Loaded() override;
  void InitializeWnd() override;
  bool SystemCommand(UINT command) override;
  void SystemMenuOpening(HMENU menu) override;
  // A folder dropped onto the window is taken as if typed into Edit2 and
  // confirmed with Enter.
  void DropFiles(const std::vector<std::string>& names) override;

 private:
  template <class T>
  T* Field(const std::string& name);
  void BindFields();
  // Fills the list from the sound folder below the game root, ticks every file and
  // empties the progress bar.
  void ListSoundFiles();
  // Takes the root typed into Edit2 and lists its sound folder.
  void TakeTypedRoot();
  // A set still marked as being written means the program stopped mid-write:
  // the user is asked whether to put its files back.
  void AskAboutInterruptedWrite();
  // Adds the window menu's own items: undo, the backups folder, About.
  void AttachSystemMenu();
  // Puts the set's copies back; the set counts as undone once all are back.
  void RestoreBackup(TBackupSet& set);
  // Edit2's text without surrounding quotes, which are removed from the field.
  std::string TypedRoot();

  // True while bButton1Click writes files; the commands that would change
  // the list or the values wait, and a request to end is kept for its end.
  bool FWriting = false;
  std::string FGameRoot;
  bool FEndRequested = false;

  std::vector<GainRow> FGainRows;
  TBackupStore FBackups{TBackupStore::DefaultFolder()};
  TSystemMenu FSystemMenu;
};

extern TForm1* Form1;
