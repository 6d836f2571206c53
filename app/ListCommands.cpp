// The smaller commands of the main window: taking a typed game root, ticking
// or unticking all files, filling or clearing the value fields, and quitting.
// bButton3 and bButton4 keep their toggle state in their captions.
#include <windows.h>

#include "app/Unit1.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/bButton.h"
#include "framework/Dialogs.h"
#include "framework/SysUtils.h"

namespace {

const char* const UncheckAllCaption = "Décocher tout / Uncheck all";
const char* const CheckAllCaption = "Cocher tout / Check all";
const char* const DefaultValuesCaption = "Valeur par défaut / Default values";
const char* const ClearValuesCaption = "Vider les champs / Clear all values";

const char* const InvalidPathMessage =
    "Le chemin est invalide. / Invalid path.\r\r"
    "Vous devez indiquer le chemin vers la racine du jeu.\r"
    "You must enter the path to the root of the game.";

const char* const DefaultChannels = "0";
// The values the game ships with, in the order of Edit3 ... Edit30.
const char* const DefaultGains[] = {"1.0", "0.35", "0.35", "0.2", "1.0", "1.0", "1.0", "1.0", "1.0", "0.5",
                                    "0.3", "0.25", "0.5",  "1.0", "1.0", "0.5", "0.5", "0.5", "1.0", "1.0",
                                    "1.0", "0.25", "0.25", "1.0", "0.5", "1.0", "1.0", "1.0"};

}  // namespace

std::string UnquotedPath(const std::string& path) {
  const size_t first = path.find_first_not_of('"');
  if (first == std::string::npos) return {};
  return path.substr(first, path.find_last_not_of('"') - first + 1);
}

std::string TForm1::TypedRoot() {
  const std::string root = UnquotedPath(Edit2->Text());
  if (root != Edit2->Text()) Edit2->SetText(root);
  return root;
}

void TForm1::Edit2KeyDown(TObject*, WORD& Key, TShiftState) {
  if (Key == VK_RETURN) TakeTypedRoot();
}

void TForm1::bButton5Click(TObject*) { TakeTypedRoot(); }

void TForm1::DropFiles(const std::vector<std::string>& names) {
  if (FWriting || names.empty()) return;
  Edit2->SetText(names.front());
  TakeTypedRoot();
}

void TForm1::TakeTypedRoot() {
  if (FWriting) return;
  FGameRoot = TypedRoot();
  if (DirectoryExists(FGameRoot + "\\KOVEN\\")) {
    ListSoundFiles();
    return;
  }
  ShowMessageBox(InvalidPathMessage);
  CLB->Clear();
}

void TForm1::bButton3Click(TObject*) {
  if (FWriting) return;
  if (bButton3->Caption() == UncheckAllCaption) {
    CLB->CheckAll(true);
    bButton3->SetCaption(CheckAllCaption);
    bButton3->SetColor(RGBColor(227, 251, 132));
  } else {
    CLB->CheckAll(false);
    bButton3->SetCaption(UncheckAllCaption);
    bButton3->SetColor(RGBColor(128, 255, 255));
  }
}

void TForm1::bButton4Click(TObject*) {
  if (FWriting) return;
  const bool fill = bButton4->Caption() == DefaultValuesCaption;
  Edit1->SetText(fill ? DefaultChannels : "");
  for (size_t row = 0; row < FGainRows.size(); ++row) FGainRows[row].Field->SetText(fill ? DefaultGains[row] : "");
  bButton4->SetCaption(fill ? ClearValuesCaption : DefaultValuesCaption);
  bButton4->SetColor(fill ? RGBColor(255, 128, 0) : RGBColor(255, 255, 0));
}

void TForm1::bButton2Click(TObject*) {
  if (FWriting)
    FEndRequested = true;
  else
    Application.Terminate();
}

void TForm1::Close() {
  if (FWriting)
    FEndRequested = true;
  else
    TForm::Close();
}
