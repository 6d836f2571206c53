// The main window: the game root, the list of sound-bank settings files, the
// value fields grouped by INI section, the commands and the progress bar.
// The window binds its fields to the components its layout made, owns one
// object per command and wires its buttons, keys, drops and menu items to
// them, every one through the command gate.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/CommandGate.h"
#include "app/SystemMenu.h"
#include "app/ValueFields.h"
#include "components/safewrite/BackupStore.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "framework/ToolTips.h"

class TProgressCyl;
class TbButton;
class TLMDCheckListBox;
class TBFC_Dir;
class TRegistryReader;
class TProfile;
class TVersionChecker;
class TAboutBox;
class TBankValues;
class TCurrentValuesWindow;
class TDropCommand;
class TFieldTips;
class TFolderCommands;
class TGameFolder;
class THistoryWindow;
class TListCommands;
class TPreviewCommand;
class TPreviewWindow;
class TPresetCommands;
class TRecentFolders;
class TShortcuts;
class TUndoCommand;
class TUseValuesCommand;
class TWriteCommand;

class TForm1 : public TForm {
 public:
  // The folder argument is the text after the program's name on its command
  // line, as it was given; empty without one. A name ending in ".ini" is a
  // preset to load instead.
  explicit TForm1(TComponent* owner, std::string folderArgument = {});
  ~TForm1() override;

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

  using GainRow = TValueFields::TGainRow;
  // Edit3 ... Edit30 with Label5 ... Label32, in the order they are written.
  const std::vector<GainRow>& GainRows() const;

  void FormCreate(TObject* Sender);
  void bButton1Click(TObject* Sender);
  void bButton2Click(TObject* Sender);
  void bButton3Click(TObject* Sender);
  void bButton4Click(TObject* Sender);
  void bButton5Click(TObject* Sender);
  void Edit2KeyDown(TObject* Sender, WORD& Key, TShiftState Shift);

  // The game's root folder as last taken from the registry or the path field.
  const std::string& GameRoot() const;

  // Closing the window while files are written waits for the write to end.
  void Close() override;
  bool IsShortCut(WORD key, TShiftState shift) override;

 protected:
  void Loaded() override;
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  bool SystemCommand(UINT command) override;
  void SystemMenuOpening(HMENU menu) override;
  void DropFiles(const std::vector<std::string>& names) override;

 private:
  template <class T>
  T* Field(const std::string& name);
  void BindFields();
  void CreateCommands();
  std::vector<TSystemMenu::TItem> SystemMenuItems();
  // The presets' and the game folder's items, which have shortcuts too.
  std::vector<TSystemMenu::TItem> FolderItems();
  void TakeStartArgument();
  // Every edit box but the path field, in component order.
  std::vector<TEdit*> ValueEdits();
  // Each styled button's tooltip names its shortcut.
  void ShowShortcutTips();
  // Moves the bar during a write and lets the window's messages run
  // before each file.
  void WriteProgress(int done, int count);
  void CreateValueCommands();
  void AddMenuShortcuts();
  // The files may have changed (a write, an undo, a redo, a new listing):
  // what shows their values or the backup sets reads them again.
  void BanksChanged();
  void TicksChanged();

  std::string FFolderArgument;
  TCommandGate FGate;
  TBackupStore FBackups{TBackupStore::DefaultFolder()};
  std::unique_ptr<TValueFields> FValues;
  std::unique_ptr<TRecentFolders> FRecent;
  std::unique_ptr<TGameFolder> FGameFolder;
  std::unique_ptr<TWriteCommand> FWrite;
  std::unique_ptr<TUndoCommand> FUndo;
  std::unique_ptr<TListCommands> FListCommands;
  std::unique_ptr<TPresetCommands> FPresets;
  std::unique_ptr<TFolderCommands> FFolders;
  std::unique_ptr<TDropCommand> FDrop;
  std::unique_ptr<TShortcuts> FShortcuts;
  std::unique_ptr<TAboutBox> FAbout;
  std::unique_ptr<TBankValues> FBanks;
  std::unique_ptr<TCurrentValuesWindow> FCurrentValues;
  std::unique_ptr<TUseValuesCommand> FUseValues;
  std::unique_ptr<TPreviewWindow> FPreviewWindow;
  std::unique_ptr<TPreviewCommand> FPreview;
  std::unique_ptr<TFieldTips> FFieldTips;
  std::unique_ptr<THistoryWindow> FHistory;
  TSystemMenu FSystemMenu{FGate};
  TToolTips FToolTips;
};

extern TForm1* Form1;
