#include "tests/support/MessageBoxCatcher.h"

#include <gtest/gtest.h>

using klangor::test::MessageBoxCatcher;

namespace {

struct BoxCase {
  const char* name;
  UINT style;
  int scriptedAnswer;  // 0: none, the catcher answers with the first button
  int expectedResult;
  std::vector<std::string> expectedButtons;
  bool expectedIcon;
};

}  // namespace

TEST(MessageBoxCatcher, RecordsEachKindOfBoxAndAnswersIt) {
  const BoxCase cases[] = {
      {"plain OK box", MB_OK, 0, IDOK, {"OK"}, false},
      {"question answered No", MB_YESNO | MB_ICONQUESTION, IDNO, IDNO, {"&Yes", "&No"}, true},
      {"question left to the default", MB_YESNO, 0, IDYES, {"&Yes", "&No"}, false},
      {"warning cancelled", MB_OKCANCEL | MB_ICONWARNING, IDCANCEL, IDCANCEL, {"OK", "Cancel"}, true},
      // Activated before it is filled in, as the framework shows its boxes.
      {"task-modal box", MB_OK | MB_TASKMODAL, 0, IDOK, {"OK"}, false},
  };
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(c.name);
    MessageBoxCatcher catcher;
    if (c.scriptedAnswer) catcher.answerNext(c.scriptedAnswer);
    // Accented text with a lone carriage return, as the program writes its messages.
    const int result = MessageBoxW(nullptr, L"Le logiciel va se fermer.\rTélécharger ?", L"Klangor", c.style);
    EXPECT_EQ(result, c.expectedResult);
    ASSERT_EQ(catcher.boxes().size(), 1u);
    const auto& box = catcher.boxes()[0];
    EXPECT_EQ(box.caption, "Klangor");
    EXPECT_NE(box.text.find("Télécharger ?"), std::string::npos) << box.text;
    EXPECT_EQ(box.buttons, c.expectedButtons);
    EXPECT_EQ(box.hasIcon, c.expectedIcon);
    EXPECT_EQ(box.answer, c.expectedResult);
  }
}

TEST(MessageBoxCatcher, UsesScriptedAnswersInOrderThenTheFirstButton) {
  MessageBoxCatcher catcher;
  catcher.answerNext(IDNO);
  EXPECT_EQ(MessageBoxA(nullptr, "first", "one", MB_YESNO), IDNO);
  EXPECT_EQ(MessageBoxA(nullptr, "second", "two", MB_YESNO), IDYES);
  ASSERT_EQ(catcher.boxes().size(), 2u);
  EXPECT_EQ(catcher.boxes()[0].caption, "one");
  EXPECT_EQ(catcher.boxes()[1].text, "second");
}

TEST(MessageBoxCatcher, InnerCatcherTakesBoxesUntilItEnds) {
  MessageBoxCatcher outer;
  {
    MessageBoxCatcher inner;
    inner.answerNext(IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "inner", "Warning", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(inner.boxes().size(), 1u);
  }
  EXPECT_TRUE(outer.boxes().empty());
  EXPECT_EQ(MessageBoxA(nullptr, "outer", "Information", MB_OK), IDOK);
  ASSERT_EQ(outer.boxes().size(), 1u);
  EXPECT_EQ(outer.boxes()[0].text, "outer");
}

TEST(MessageBoxCatcher, CatchesBoxesOwnedByAWindow) {
  HWND owner = CreateWindowExA(0, "STATIC", "Klangor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  MessageBoxCatcher catcher;
  EXPECT_EQ(MessageBoxA(owner, "owned", "Information", MB_OK | MB_ICONINFORMATION), IDOK);
  ASSERT_EQ(catcher.boxes().size(), 1u);
  EXPECT_TRUE(catcher.boxes()[0].hasIcon);
  DestroyWindow(owner);
}
