#include "app/Unit1.h"

#include <algorithm>
#include <utility>

#include "app/About.h"
#include "app/BankValues.h"
#include "app/BusyCursor.h"
#include "app/CurrentValuesWindow.h"
#include "app/DropCommand.h"
#include "app/FieldTips.h"
#include "app/FolderCommands.h"
#include "app/GameFolder.h"
#include "app/HistoryWindow.h"
#include "app/ListCommands.h"
#include "app/PresetCommands.h"
#include "app/PresetFile.h"
#include "app/PreviewCommand.h"
#include "app/PreviewWindow.h"
#include "app/RecentFolders.h"
#include "app/Shortcuts.h"
#include "app/UndoCommand.h"
#include "app/UseValuesCommand.h"
#include "app/WriteCommand.h"
#include "components/config/BFC_Dir.h"
#include "components/config/Profil.h"
#include "components/config/RegistryReader.h"
#include "components/version/VersionChecker.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/ProgressCyl2.h"
#include "components/widgets/bButton.h"
#include "framework/SysUtils.h"

namespace {

const char* const RedoCaption = "Rétablir la dernière annulation / Redo the last undo";
const char* const UndoCaption = "Annuler la dernière modification / Undo the last change";
const char* const OpenBackupsCaption = "Ouvrir le dossier des sauvegardes / Open the backups folder";
const char* const SaveValuesCaption = "Enregistrer les valeurs… / Save values…";
const char* const LoadValuesCaption = "Charger des valeurs… / Load values…";
const char* const ChooseFolderCaption = "Choisir le dossier du jeu… / Choose the game folder…";

// The keys of window-menu items, which do what choosing the item does.
struct TMenuShortcut {
  WORD Key;
  TShiftState Shift;
  const char* Name;
  TCommand Command;
};
const TMenuShortcut MenuShortcuts[] = {
    {'I', ssCtrl, "Ctrl+I", TCommand::CurrentValues},
    {'L', ssCtrl, "Ctrl+L", TCommand::UseValues},
    {'P', ssCtrl, "Ctrl+P", TCommand::Preview},
    {'H', ssCtrl, "Ctrl+H", TCommand::History},
    {'S', ssCtrl | ssShift, "Ctrl+Maj+S / Ctrl+Shift+S", TCommand::SaveValues},
    {'O', ssCtrl, "Ctrl+O", TCommand::LoadValues},
    {'B', ssCtrl, "Ctrl+B", TCommand::ChooseFolder},
};

}  // namespace

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner, std::string folderArgument)
    : TForm(owner), FFolderArgument(std::move(folderArgument)) {
  Publish<TNotifyEvent>("FormCreate", [this](TObject* sender) { FormCreate(sender); });
  Publish<TNotifyEvent>("bButton1Click", [this](TObject* sender) { bButton1Click(sender); });
  Publish<TNotifyEvent>("bButton2Click", [this](TObject* sender) { bButton2Click(sender); });
  Publish<TNotifyEvent>("bButton3Click", [this](TObject* sender) { bButton3Click(sender); });
  Publish<TNotifyEvent>("bButton4Click", [this](TObject* sender) { bButton4Click(sender); });
  Publish<TNotifyEvent>("bButton5Click", [this](TObject* sender) { bButton5Click(sender); });
  Publish<TKeyEvent>("Edit2KeyDown",
                     [this](TObject* sender, WORD& key, TShiftState shift) { Edit2KeyDown(sender, key, shift); });
  InitializeFromLayout("TFORM1");
}

TForm1::~TForm1() = default;

template <class T>
T* TForm1::Field(const std::string& name) {
  T* field = dynamic_cast<T*>(FindComponent(name));
  if (!field) throw ELayoutError("The window's layout lacks " + name);
  return field;
}

void TForm1::Loaded() {
  TForm::Loaded();
  BindFields();
  CreateCommands();
}

void TForm1::BindFields() {
  Label1 = Field<TLabel>("Label1");
  Label2 = Field<TLabel>("Label2");
  Label4 = Field<TLabel>("Label4");
  PC1 = Field<TProgressCyl>("PC1");
  Label33 = Field<TLabel>("Label33");
  bButton1 = Field<TbButton>("bButton1");
  bButton2 = Field<TbButton>("bButton2");
  Edit2 = Field<TEdit>("Edit2");
  GroupBox1 = Field<TGroupBox>("GroupBox1");
  Label3 = Field<TLabel>("Label3");
  Label62 = Field<TLabel>("Label62");
  Edit1 = Field<TEdit>("Edit1");
  CheckBox1 = Field<TCheckBox>("CheckBox1");
  GroupBox2 = Field<TGroupBox>("GroupBox2");
  CLB = Field<TLMDCheckListBox>("CLB");
  bButton3 = Field<TbButton>("bButton3");
  bButton4 = Field<TbButton>("bButton4");
  bButton5 = Field<TbButton>("bButton5");
  CheckBox2 = Field<TCheckBox>("CheckBox2");
  BFC_Dir1 = Field<TBFC_Dir>("BFC_Dir1");
  RegistryReader1 = Field<TRegistryReader>("RegistryReader1");
  Profile1 = Field<TProfile>("Profile1");
  VersionChecker1 = Field<TVersionChecker>("VersionChecker1");
}

std::vector<TEdit*> TForm1::ValueEdits() {
  // The path field is told apart by its name in the layout, as in the
  // original tool: nothing else about it differs from a value field.
  std::vector<TEdit*> fields;
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* edit = dynamic_cast<TEdit*>(Components(i)); edit && edit->Name() != "Edit2") fields.push_back(edit);
  // The profile holds at most this many characters of a value: a longer
  // text would be checked in full and written cut.
  for (TEdit* field : fields) field->SetMaxLength(str128::Capacity);
  return fields;
}

void TForm1::CreateCommands() {
  // Gain field EditN takes its key from the label two numbers up.
  std::vector<GainRow> gains;
  for (int n = 3; n <= 30; ++n)
    gains.push_back({Field<TEdit>("Edit" + IntToStr(n)), Field<TLabel>("Label" + IntToStr(n + 2))});
  FValues = std::make_unique<TValueFields>(
      TValueFields::TParts{*Edit1, *CheckBox1, *CheckBox2, std::move(gains), ValueEdits()});
  FRecent = std::make_unique<TRecentFolders>();
  FGameFolder = std::make_unique<TGameFolder>(
      TGameFolder::TParts{*Edit2, *RegistryReader1, *BFC_Dir1, *CLB, *Label1, *PC1, *FRecent});
  FWrite = std::make_unique<TWriteCommand>(TWriteCommand::TParts{*FValues, *FGameFolder, *CLB, *Profile1, FBackups});
  FUndo = std::make_unique<TUndoCommand>(FBackups, *FGameFolder);
  FListCommands = std::make_unique<TListCommands>(TListCommands::TParts{*CLB, *bButton3, *FValues, *bButton4});
  FPresets = std::make_unique<TPresetCommands>(TPresetCommands::TParts{*FValues, *FGameFolder});
  FFolders = std::make_unique<TFolderCommands>(*FGameFolder);
  FDrop = std::make_unique<TDropCommand>(*FGameFolder, *FPresets);
  FShortcuts = std::make_unique<TShortcuts>(TShortcuts::TParts{*bButton1, *bButton5, *bButton4, *bButton3});
  FShortcuts->Add(
      {VK_ESCAPE, 0, "Échap / Esc", TCommand::Quit, [this] { Close(); }, [this] { return bButton2->Caption(); }});
  FAbout = std::make_unique<TAboutBox>(*VersionChecker1, FBackups, *FShortcuts);
  CreateValueCommands();
}

void TForm1::CreateValueCommands() {
  FBanks = std::make_unique<TBankValues>(FValues->Settings());
  auto shortcuts = [this](WORD key, TShiftState shift) { return FShortcuts->Press(key, shift); };
  FUseValues = std::make_unique<TUseValuesCommand>(TUseValuesCommand::TParts{*FValues, *FGameFolder, *CLB});
  FCurrentValues = std::make_unique<TCurrentValuesWindow>(
      TCurrentValuesWindow::TParts{*this, shortcuts, *FGameFolder, *FBanks, [this](const std::string& name) {
                                     FGate.Run(TCommand::UseValues, [this, &name] { FUseValues->UseFile(name); });
                                   }});
  FPreviewWindow = std::make_unique<TPreviewWindow>(*this, shortcuts);
  FPreview = std::make_unique<TPreviewCommand>(TPreviewCommand::TParts{*FValues, *FGameFolder, *FPreviewWindow});
  FHistory = std::make_unique<THistoryWindow>(*this, shortcuts, FBackups);
  FFieldTips = std::make_unique<TFieldTips>(TFieldTips::TParts{*this, *FValues, *FGameFolder, *FBanks});
  FGameFolder->OnListed = [this] { BanksChanged(); };
  CLB->SetOnClickCheck([this](TObject*) { TicksChanged(); });
  AddMenuShortcuts();
}

// Each does what choosing its menu item does, and the About box names it
// by the item's caption.
void TForm1::AddMenuShortcuts() {
  const std::vector<TSystemMenu::TItem> items = SystemMenuItems();
  for (const TMenuShortcut& key : MenuShortcuts) {
    const auto item = std::find_if(items.begin(), items.end(),
                                   [&key](const TSystemMenu::TItem& each) { return each.Command == key.Command; });
    FShortcuts->Add({key.Key, key.Shift, key.Name, key.Command,
                     [this, command = key.Command] { FSystemMenu.Run(TSystemMenu::CommandOf(command)); },
                     [caption = item->Caption] { return caption; }});
  }
}

void TForm1::BanksChanged() {
  FBanks->Forget();
  TicksChanged();
  FHistory->Refresh();
}

void TForm1::TicksChanged() {
  FCurrentValues->Refresh();
  FFieldTips->Refresh();
}

// Set at creation, which is all DragAcceptFiles does: shell32 then loads
// with the first drop rather than at start.
void TForm1::CreateParams(TCreateParams& params) {
  TForm::CreateParams(params);
  params.ExStyle |= WS_EX_ACCEPTFILES;
}

void TForm1::InitializeWnd() {
  TForm::InitializeWnd();
  FSystemMenu.Attach(Handle(), SystemMenuItems(), [this](TCommand command) { return FShortcuts->NameOf(command); });
  FSystemMenu.AttachList({TCommand::RecentFolder, TCommand::ChooseFolder, [this] { return FFolders->RecentCaptions(); },
                          [this](size_t index) { FFolders->TakeRecent(index); }});
}

// The window menu's own items, in menu order: the values items, the folder
// items (the recent folders follow them), the backup items and About.
std::vector<TSystemMenu::TItem> TForm1::SystemMenuItems() {
  std::vector<TSystemMenu::TItem> items = {
      {CurrentValuesCaption, TCommand::CurrentValues, [this] { FCurrentValues->Open(); }, nullptr},
      {UseValuesCaption, TCommand::UseValues, [this] { FUseValues->UseSelected(); },
       [this] { return FUseValues->CanUse(); }},
      {PreviewCommandCaption, TCommand::Preview, [this] { FPreview->Run(); }, nullptr},
      {HistoryCaption, TCommand::History, [this] { FHistory->Open(); }, nullptr},
  };
  const std::vector<TSystemMenu::TItem> folders = FolderItems();
  items.insert(items.end(), folders.begin(), folders.end());
  items.insert(
      items.end(),
      {
          {RedoCaption, TCommand::Redo, [this] { FUndo->RedoLastUndo(); }, [this] { return FUndo->CanRedo(); }, true},
          {UndoCaption, TCommand::Undo, [this] { FUndo->UndoLastChange(); }, [this] { return FUndo->CanUndo(); }},
          {OpenBackupsCaption, TCommand::OpenBackups, [this] { FUndo->OpenBackupsFolder(Handle()); }, nullptr},
          {AboutCaption, TCommand::About, [this] { FAbout->Show(); }, nullptr},
      });
  return items;
}

std::vector<TSystemMenu::TItem> TForm1::FolderItems() {
  return {
      {SaveValuesCaption, TCommand::SaveValues, [this] { FPresets->Save(Handle()); }, nullptr, true},
      {LoadValuesCaption, TCommand::LoadValues, [this] { FPresets->Load(Handle()); }, nullptr},
      {ChooseFolderCaption, TCommand::ChooseFolder, [this] { FFolders->Choose(Handle()); }, nullptr},
  };
}

const std::vector<TForm1::GainRow>& TForm1::GainRows() const { return FValues->Gains(); }

const std::string& TForm1::GameRoot() const { return FGameFolder->Root(); }

void TForm1::ShowShortcutTips() {
  const std::pair<TbButton*, TCommand> buttons[] = {{bButton1, TCommand::Write},
                                                    {bButton2, TCommand::Quit},
                                                    {bButton3, TCommand::TickAll},
                                                    {bButton4, TCommand::FillValues},
                                                    {bButton5, TCommand::TakeTypedRoot}};
  for (const auto& [button, command] : buttons) FToolTips.Add(*button, FShortcuts->NameOf(command));
}

void TForm1::FormCreate(TObject*) {
  ShowShortcutTips();
  FFieldTips->Attach();
  FUndo->AskAboutInterruptedWrite();
  TakeStartArgument();
  VersionChecker1->CheckVersion();
}

void TForm1::TakeStartArgument() {
  const std::string preset = UnquotedPath(FFolderArgument);
  if (!IsPresetPath(preset)) return FGameFolder->TakeStartRoot(FFolderArgument);
  FGameFolder->TakeStartRoot({});
  FPresets->LoadFile(preset);
}

void TForm1::bButton1Click(TObject*) {
  FGate.Run(TCommand::Write, [this] {
    const TBusyCursor busy;
    if (const auto outcome = FWrite->Run([this](int done, int count) { WriteProgress(done, count); })) {
      BanksChanged();
      TWriteCommand::Report(*outcome);
    }
  });
}

void TForm1::WriteProgress(int done, int count) {
  PC1->SetPosition(done);
  if (done < count) Application.ProcessMessages();
}

void TForm1::bButton2Click(TObject*) {
  FGate.Run(TCommand::Quit, [] { Application.Terminate(); });
}

void TForm1::bButton3Click(TObject*) {
  FGate.Run(TCommand::TickAll, [this] {
    FListCommands->ToggleTicks();
    TicksChanged();
  });
}

void TForm1::bButton4Click(TObject*) {
  FGate.Run(TCommand::FillValues, [this] { FListCommands->ToggleValues(); });
}

void TForm1::bButton5Click(TObject*) {
  FGate.Run(TCommand::TakeTypedRoot, [this] { FGameFolder->TakeTypedRoot(); });
}

void TForm1::Edit2KeyDown(TObject*, WORD& Key, TShiftState) {
  if (Key == VK_RETURN) FGate.Run(TCommand::TakeTypedRoot, [this] { FGameFolder->TakeTypedRoot(); });
}

void TForm1::DropFiles(const std::vector<std::string>& names) {
  FGate.Run(TCommand::Drop, [this, &names] { FDrop->Take(names); });
}

void TForm1::Close() {
  FGate.Run(TCommand::Quit, [this] { TForm::Close(); });
}

bool TForm1::IsShortCut(WORD key, TShiftState shift) { return FShortcuts->Press(key, shift); }

bool TForm1::SystemCommand(UINT command) { return FSystemMenu.Run(command); }

void TForm1::SystemMenuOpening(HMENU menu) { FSystemMenu.Refresh(menu); }
