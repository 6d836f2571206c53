// Names and paths in any script, from the registry and the path field to the
// written files: each file is listed and written under its own name, never a
// lookalike, and a path too long for the platform reaches no file at all.
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
  HANDLE search = FindFirstFileW(widen(folder + "\\*").c_str(), &entry);
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
  explicit UnicodeWindow(const std::string& rootName = "Gry Łukasza\\Игры RBR") : Root(Folder().pathOf(rootName)) {
    Folder().makeFolder(rootName + Audio);
    for (const std::string& name : BankNames) Folder().writeFile(rootName + Audio + "\\" + name, SoundBankText());
  }
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
  const std::string Root;
};

}  // namespace

TEST(UnicodePaths, RegistryRootIsListedAndEveryFileWrittenUnderItsOwnName) {
  UnicodeWindow w;
  TForm1& form = w.Start(w.Root);
  EXPECT_EQ(form.Edit2->Text(), w.Root);
  EXPECT_EQ(w.Listed(), Sorted(BankNames));

  form.Edit1->SetText("24");
  SendClick(*form.bButton1);
  EXPECT_TRUE(w.fixture.WindowBoxes().empty());
  EXPECT_EQ(FolderNames(w.Root + Audio), Sorted(BankNames)) << "a file was added or lost";
  const std::string audio = w.Root.substr(w.Folder().path().size() + 1) + Audio + "\\";
  for (const std::string& name : BankNames) {
    const Names lines = withoutBlankLines(w.Folder().readLines(audio + name));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "NumberChannels=24"), lines.end()) << name;
  }

  // The backup set copies and puts back each file under its own name.
  w.fixture.Boxes().answerNext(IDYES);
  SendMessageW(form.Handle(), WM_SYSCOMMAND, TSystemMenu::CommandOf(TCommand::Undo), 0);
  EXPECT_EQ(FolderNames(w.Root + Audio), Sorted(BankNames));
  for (const std::string& name : BankNames) EXPECT_EQ(w.Folder().readFile(audio + name), SoundBankText()) << name;
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

TEST(UnicodePaths, PathTooLongForThePlatformReachesNoFile) {
  // Short enough for a count of bytes or of 8-bit characters, but over the
  // platform's 260 UTF-16 units once the sound folder is added.
  std::string deep = "Ł";
  for (int i = 0; i < 3; ++i) deep += "\\" + std::string(80, 'x');
  UnicodeWindow w(deep);
  ASSERT_GT(widen(w.Root + Audio).size(), static_cast<size_t>(MAX_PATH));

  // At start-up a root from the registry that is too long lists nothing, silently.
  TForm1& first = w.Start(w.Root);
  EXPECT_EQ(first.CLB->Count(), 0);
  EXPECT_TRUE(w.fixture.WindowBoxes().empty());
  // Typed and confirmed, it gets the path message.
  SendKey(*first.Edit2, VK_RETURN);
  ASSERT_EQ(w.fixture.WindowBoxes().size(), 1u);
  EXPECT_EQ(w.fixture.WindowBoxes()[0].text.rfind("Le chemin est invalide. / Invalid path.", 0), 0u);
  w.fixture.DestroyForm();

  // Typed over a listed root without confirming, a write under it is refused
  // before any file is touched.
  UnicodeWindow listed("Court");
  TForm1& form = listed.Start(listed.Root);
  ASSERT_EQ(listed.Listed(), Sorted(BankNames));
  form.Edit2->SetText(w.Root);
  form.Edit1->SetText("24");
  SendClick(*form.bButton1);
  ASSERT_EQ(listed.fixture.WindowBoxes().size(), 1u);
  EXPECT_EQ(listed.fixture.WindowBoxes()[0].text, "Le chemin n'est pas valide\rPath is not valid");
  for (const std::string& name : BankNames)
    EXPECT_EQ(w.Folder().readFile(deep + Audio + "\\" + name), SoundBankText()) << name;
}
