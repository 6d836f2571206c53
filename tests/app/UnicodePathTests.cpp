// Names and paths in any script, from the registry and the path field to the
// written files: each file is listed and written under its own name, never a
// lookalike, at any length of path.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "app/SystemMenu.h"
#include "components/widgets/LMDCheckListBox.h"
#include "components/widgets/bButton.h"
#include "tests/app/FormFixture.h"
#include "tests/app/Input.h"
#include "tests/support/Utf8.h"

using namespace klangor::test;

namespace {

using Names = std::vector<std::string>;

// Polish, Czech, Cyrillic, Greek, Japanese, an emoji outside the Basic
// Multilingual Plane, and two names that differ only in a letter that no
// 8-bit Western code page holds.
const Names BankNames = {"Łódź.ini", "Řeřicha.ini", "Двигатель.ini", "Ω.ini",
                         "音響.ini", "🚗 Rally.ini", "Cār.ini",       "Car.ini"};

const std::string Audio = "\\KOVEN\\Sounds\\Audio";

Names Sorted(Names names) {
  std::sort(names.begin(), names.end());
  return names;
}

// The names the folder really holds, read with the platform's own UTF-16.
Names FolderNames(const std::string& folder) {
  Names names;
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((L"\\\\?\\" + widen(folder + "\\*")).c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = narrow(entry.cFileName);
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  return Sorted(names);
}

// Puts the text on the clipboard and pastes it into the field, as the user
// pastes a path copied from the file manager.
void Paste(TEdit& field, const std::string& text) {
  const std::wstring wide = widen(text);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
  std::copy_n(wide.c_str(), wide.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
  GlobalUnlock(memory);
  ASSERT_TRUE(OpenClipboard(field.Handle()));
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  SendMessageW(field.Handle(), EM_SETSEL, 0, -1);
  SendMessageW(field.Handle(), WM_PASTE, 0, 0);
}

class UnicodeWindow {
 public:
  // A game root named in several scripts, holding every bank name.
  explicit UnicodeWindow(const std::string& rootName = "Gry Łukasza\\Игры RBR") { Make(rootName); }
  // The same below a root whose full path is `rootLength` UTF-16 units long.
  explicit UnicodeWindow(size_t rootLength) { Make("Łódź\\" + deepName(rootLength - Folder().path().size() - 6)); }
  TempFolder& Folder() { return fixture.Folder(); }
  TForm1& Start(const std::string& registryRoot) {
    fixture.SetRegistryRoot(registryRoot);
    return fixture.CreateForm();
  }
  Names Listed() {
    Names names;
    for (int i = 0; i < fixture.Form().CLB->Count(); ++i) names.push_back(fixture.Form().CLB->Items(i));
    return Sorted(names);
  }

  FormFixture fixture;
  std::string RootName, Root;

 private:
  void Make(const std::string& rootName) {
    RootName = rootName;
    Root = Folder().pathOf(rootName);
    Folder().makeFolder(rootName + Audio);
    for (const std::string& name : BankNames) Folder().writeFile(rootName + Audio + "\\" + name, SoundBankText());
  }
};

}  // namespace

TEST(UnicodePaths, RegistryRootOfAnyLengthIsListedAndEveryFileWrittenAndPutBackUnderItsOwnName) {
  // The roots are counted in UTF-16 units, as the platform counts them; past
  // 259 the bank paths reach the file functions in their extended form and
  // the profile functions by their short names.
  for (const size_t length : {0, 140, 259, 261, 400}) {
    UnicodeWindow w = length == 0 ? UnicodeWindow() : UnicodeWindow(length);
    if (length) {
      ASSERT_EQ(widen(w.Root).size(), length);
    }
    TForm1& form = w.Start(w.Root);
    EXPECT_EQ(form.Edit2->Text(), w.Root);
    EXPECT_EQ(w.Listed(), Sorted(BankNames)) << length;

    form.Edit1->SetText("24");
    SendClick(*form.bButton1);
    EXPECT_TRUE(w.fixture.WindowBoxes().empty()) << length;
    EXPECT_EQ(FolderNames(w.Root + Audio), Sorted(BankNames)) << "a file was added or lost at " << length;
    const std::string audio = w.RootName + Audio + "\\";
    for (const std::string& name : BankNames) {
      const Names lines = withoutBlankLines(w.Folder().readLines(audio + name));
      EXPECT_NE(std::find(lines.begin(), lines.end(), "NumberChannels=24"), lines.end()) << name << " " << length;
    }

    // The backup set copies and puts back each file under its own name.
    w.fixture.Boxes().answerNext(IDYES);
    SendMessageW(form.Handle(), WM_SYSCOMMAND, TSystemMenu::CommandOf(TCommand::Undo), 0);
    EXPECT_EQ(FolderNames(w.Root + Audio), Sorted(BankNames));
    for (const std::string& name : BankNames)
      EXPECT_EQ(w.Folder().readFile(audio + name), SoundBankText()) << name << " " << length;
  }
}

TEST(UnicodePaths, PastedRootIsTakenExactlyNotAsItsLookalike) {
  // Two roots that an 8-bit code page would both turn into "RBR A".
  UnicodeWindow w("RBR Ā");
  w.Folder().makeFolder("RBR A" + Audio);
  w.Folder().writeFile("RBR A" + Audio + "\\Plain.ini", SoundBankText());
  TForm1& form = w.Start("");

  Paste(*form.Edit2, w.Root);
  EXPECT_EQ(form.Edit2->Text(), w.Root);
  SendKey(*form.Edit2, VK_RETURN);
  EXPECT_TRUE(w.fixture.WindowBoxes().empty());
  EXPECT_EQ(w.Listed(), Sorted(BankNames));
}
