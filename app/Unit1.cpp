#include "app/Unit1.h"

#include "app/SystemMenu.h"
#include "components/config/BFC_Dir.h"
#include "components/config/Profil.h"
#include "components/config/RegistryReader.h"
#include "components/version/VersionChecker.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/ProgressCyl2.h"
#include "components/widgets/bButton.h"
#include "framework/SysUtils.h"

std::string FolderArgument;
TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner) : TForm(owner) {
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

template <class T>
T* TForm1::Field(const std::string& name) {
  T* field = dynamic_cast<T*>(FindComponent(name));
  if (!field) throw ELayoutError("The window's layout lacks " + name);
  return field;
}

void TForm1::Loaded() {
  TForm::Loaded();
  BindFields();
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
  // Gain field EditN takes its key from the label two numbers up.
  for (int n = 3; n <= 30; ++n)
    FGainRows.push_back({Field<TEdit>("Edit" + IntToStr(n)), Field<TLabel>("Label" + IntToStr(n + 2))});
  // The profile holds at most this many characters of a value: a longer text
  // would be checked in full and written cut.
  Edit1->SetMaxLength(str128::Capacity);
  for (const GainRow& row : FGainRows) row.Field->SetMaxLength(str128::Capacity);
}

void TForm1::InitializeWnd() {
  TForm::InitializeWnd();
  DragAcceptFiles(Handle(), TRUE);
  AttachSystemMenu();
}

// A folder given on the command line stands for the registry's root and is
// taken as if typed, so a wrong one is reported as a typed one would be.
void TForm1::FormCreate(TObject*) {
  AskAboutInterruptedWrite();
  if (UnquotedPath(FolderArgument).empty()) {
    FGameRoot = RegistryReader1->ReadString("");
    Edit2->SetText(FGameRoot);
    ListSoundFiles();
  } else {
    Edit2->SetText(FolderArgument);
    TakeTypedRoot();
  }
  VersionChecker1->CheckVersion();
}

void TForm1::ListSoundFiles() {
  BFC_Dir1->SetPathName(FGameRoot + SoundFolder);
  BFC_Dir1->ReadDir();
  // Filled and ticked in one update: painting each item and glyph as it
  // comes would cost more than listing the folder.
  CLB->BeginUpdate();
  CLB->SetItems(BFC_Dir1->ListFiles());
  Label1->SetCaption("Nb de fichiers / Nb of files : " + IntToStr(CLB->Count()));
  PC1->SetMax(CLB->Count());
  PC1->SetPosition(0);
  CLB->CheckAll(false);
  CLB->EndUpdate();
}
