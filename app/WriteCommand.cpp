// The write command: checks the gain fields, then writes every filled value
// into every ticked sound-bank file, one private-profile write per value, and
// steps the progress bar once per list item. Each file is written by a
// TSoundFileWrite, which copies it into this press's backup set first and
// checks it afterwards.
//
// Values are typed and stored with a point, but the check reads the comma as
// decimal separator, so the separators of the value fields (never the path
// field) are swapped around the check. Pending window messages run once per
// list item so that the window repaints; meanwhile the commands that change
// the list or the values do nothing and a request to end waits for the end.
#include <utility>

#include "app/BusyCursor.h"
#include "app/FailureReport.h"
#include "app/Unit1.h"
#include "components/config/Profil.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/ProgressCyl2.h"
#include "framework/Dialogs.h"
#include "framework/FloatText.h"
#include "framework/SysUtils.h"
#include "framework/Text.h"

namespace {

const char* const RangeMessage =
    "Les valeurs doivent être comprises entre 0 et 1, si vous voulez dépasser la valeur 1.0 cochez la case "
    "prévue\r"
    "Values must be between 0 and 1, If you want to exceed the value 1.0 use the checkbox provided";
const char* const InvalidPathMessage = "Le chemin n'est pas valide\rPath is not valid";

const char* const OptionsSection = "OPTIONS::SOUNDS";
const char* const GainSection = "AMP::SOUNDS";

// Marks the window as writing for as long as the command runs; a request to
// end made meanwhile is carried out when it is over, whichever way it ends.
class WriteSession {
 public:
  WriteSession(bool& writing, bool& endRequested) : FWriting(writing), FEndRequested(endRequested) { FWriting = true; }
  ~WriteSession() {
    FWriting = false;
    if (std::exchange(FEndRequested, false)) Application.Terminate();
  }
  WriteSession(const WriteSession&) = delete;
  WriteSession& operator=(const WriteSession&) = delete;

 private:
  bool& FWriting;
  bool& FEndRequested;
};

// Every edit box of the window but the path field, in component order. The
// path field is told apart by its name in the layout, as in the original
// tool: nothing else about it differs from a value field.
std::vector<TEdit*> ValueFields(TForm1& form) {
  std::vector<TEdit*> fields;
  for (int i = 0; i < form.ComponentCount(); ++i)
    if (auto* edit = dynamic_cast<TEdit*>(form.Components(i)); edit && edit->Name() != "Edit2") fields.push_back(edit);
  return fields;
}

// Points become commas for the check and commas points again afterwards,
// also when the check ends with an error.
class CommaSeparators {
 public:
  explicit CommaSeparators(std::vector<TEdit*> fields) : FFields(std::move(fields)) { Swap('.', ','); }
  ~CommaSeparators() { Swap(',', '.'); }
  CommaSeparators(const CommaSeparators&) = delete;
  CommaSeparators& operator=(const CommaSeparators&) = delete;

 private:
  // Only the fields that hold the character are written back: each field
  // read or written is a window round trip.
  void Swap(char from, char to) {
    for (TEdit* field : FFields)
      if (const std::string text = field->Text(); text.find(from) != std::string::npos)
        field->SetText(ReplaceChar(text, from, to));
  }
  std::vector<TEdit*> FFields;
};

void SetFieldFont(TEdit* field, TColor color, TFontStyles style) {
  field->Font().SetColor(color);
  field->Font().SetStyle(style);
}

// Checks the filled gain fields in component order. The first one out of
// range turns red and bold and the range message is shown; a text that is no
// number raises the conversion error.
bool GainsPass(TForm1& form) {
  const std::vector<TEdit*> fields = ValueFields(form);
  const CommaSeparators commas(fields);
  const bool anyValue = form.CheckBox2->Checked();
  for (TEdit* field : fields) {
    const std::string text = field->Text();
    // The channel count, picked by its name as the path field is, has no range.
    if (field->Name() == "Edit1" || text.empty()) continue;
    const double value = StrToFloat(text);
    if (anyValue || (value >= 0 && value <= 1)) {
      SetFieldFont(field, clBlack, {});
      continue;
    }
    SetFieldFont(field, clRed, {fsBold});
    ShowMessageBox(RangeMessage);
    return false;
  }
  return true;
}

// The values the fields hold now, in the order they are written.
std::vector<TIniValue> FilledValues(TForm1& form) {
  std::vector<TIniValue> values;
  if (!form.Edit1->Text().empty()) values.push_back({OptionsSection, "NumberChannels", form.Edit1->Text()});
  if (form.CheckBox1->Checked()) values.push_back({OptionsSection, "EnableEQOnCars", "True"});
  for (const TForm1::GainRow& row : form.GainRows())
    if (std::string text = row.Field->Text(); !text.empty())
      values.push_back({GainSection, row.KeyLabel->Caption(), std::move(text)});
  return values;
}

struct WriteOutcome {
  std::vector<TFileResult> Failed;
  bool AnyTouched = false;  // some file changed, so its backup set is kept
};

// The fields are read once, before the first file: every file receives the
// same values even when the user types meanwhile, and reading the fields
// anew for every file would cost more than the writes themselves.
WriteOutcome WriteTickedFiles(TForm1& form, TBackupSet& backup) {
  const std::vector<TIniValue> values = FilledValues(form);
  WriteOutcome outcome;
  form.PC1->SetPosition(0);
  const int count = form.CLB->Count();
  for (int item = 0; item < count; ++item) {
    Application.ProcessMessages();
    if (form.CLB->Checked(item)) {
      TSoundFileWrite file(form.GameRoot(), form.CLB->Items(item), values, backup, *form.Profile1);
      if (!file.Run()) outcome.Failed.push_back(file.Result());
      outcome.AnyTouched = outcome.AnyTouched || file.Result().Touched;
    }
    form.PC1->SetPosition(form.PC1->Position() + 1);
  }
  return outcome;
}

}  // namespace

void TForm1::bButton1Click(TObject*) {
  if (FWriting) return;
  const WriteSession session(FWriting, FEndRequested);
  const TBusyCursor busy;
  if (!GainsPass(*this)) return;
  const std::string root = TypedRoot();
  if (root.empty() || !FitsMaxPath(root + SoundFolder)) {
    ShowMessageBox(InvalidPathMessage);
    return;
  }
  FGameRoot = root;
  TBackupSet backup = FBackups.StartSet();
  const WriteOutcome outcome = WriteTickedFiles(*this, backup);
  if (outcome.AnyTouched) {
    backup.Finish();
    FBackups.KeepNewest();
  } else {
    backup.Discard();
  }
  if (!outcome.Failed.empty()) ShowMessageBox(FailedFilesReport(outcome.Failed, backup.Folder()));
}
