// The check list as a control: its items and their records, the list-index
// error, toggling by mouse and space bar in each mode, and the re-creation of
// its native window, driven through its real window with window messages.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CheckListFixture.h"
#include "components/widgets/LMDCheckListBox.h"
#include "framework/Layout.h"
#include "framework/SysUtils.h"

TEST_F(CheckList, NewItemsAreUntickedEachWithItsRecord) {
  ASSERT_EQ(list->Count(), 6);
  EXPECT_EQ(list->Items(4), "bank4.ini");
  EXPECT_EQ(States(), (std::vector<int>{0, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(OneRecordPerItem());
  // The standard glyph is one cell of the system's check-box bitmap (13
  // pixels wide on Windows, 14 under Wine), plus one pixel on each side.
  EXPECT_EQ(list->CheckColumnWidth(), CheckGlyphSize(true).cx + 2);
}

TEST_F(CheckList, CheckAllTicksOrUnticksEveryItemWithoutClickEvents) {
  list->CheckAll(false);
  for (int i = 0; i < 6; ++i) EXPECT_TRUE(list->Checked(i)) << i;
  list->CheckAll(true);
  for (int i = 0; i < 6; ++i) EXPECT_FALSE(list->Checked(i)) << i;
  EXPECT_EQ(clickChecks, 0);
}

TEST_F(CheckList, AssigningNewItemsReplacesTheOldOnesUnticked) {
  list->CheckAll(false);
  list->SetItems(Names(3));
  EXPECT_EQ(list->Count(), 3);
  EXPECT_EQ(States(), (std::vector<int>{0, 0, 0}));
  EXPECT_TRUE(OneRecordPerItem());
}

TEST_F(CheckList, RecordsAreFreedOnDeleteClearAndWindowDestruction) {
  list->SetChecked(2, true);
  list->Delete(1);
  EXPECT_TRUE(OneRecordPerItem());
  EXPECT_EQ(list->Items(1), "bank2.ini");
  EXPECT_TRUE(list->Checked(1));
  list->Clear();
  EXPECT_EQ(list->Count(), 0);
  EXPECT_TRUE(OneRecordPerItem());
  list->CheckAll(false);  // nothing to tick

  list->SetItems(Names(3));
  list->DestroyHandle();
  EXPECT_TRUE(OneRecordPerItem());
}

TEST_F(CheckList, RecreatedWindowKeepsTextsStatesAndData) {
  list->SetChecked(1, true);
  list->SetItemState(3, csGrayed);
  list->SetItemEnabled(4, false);
  list->SetItemData(5, 77);
  list->RecreateWnd();
  EXPECT_NE(list->Handle(), nullptr);
  ASSERT_EQ(list->Count(), 6);
  EXPECT_EQ(list->Items(5), "bank5.ini");
  EXPECT_EQ(States(), (std::vector<int>{0, 1, 0, 2, 0, 0}));
  EXPECT_FALSE(list->ItemEnabled(4));
  EXPECT_EQ(list->ItemData(5), 77);
  EXPECT_TRUE(OneRecordPerItem());
  list->SetItems(Names(2));  // nothing saved is left over for new items
  EXPECT_EQ(States(), (std::vector<int>{0, 0}));
}

TEST_F(CheckList, ItemDataLivesInTheRecordNotTheNativeSlot) {
  list->SetItemData(2, 77);
  EXPECT_EQ(list->ItemData(2), 77);
  EXPECT_NE(SendMessageW(window, LB_GETITEMDATA, 2, 0), 77);
}

namespace {

// Counts the messages the native list receives, by kind, while it lives.
class NativeMessageCount {
 public:
  explicit NativeMessageCount(HWND window) : FWindow(window) {
    SetWindowSubclass(FWindow, Count, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
  }
  ~NativeMessageCount() { RemoveWindowSubclass(FWindow, Count, reinterpret_cast<UINT_PTR>(this)); }
  int Of(UINT msg) const { return static_cast<int>(std::count(FMessages.begin(), FMessages.end(), msg)); }
  int Total() const { return static_cast<int>(FMessages.size()); }

 private:
  static LRESULT CALLBACK Count(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    reinterpret_cast<NativeMessageCount*>(self)->FMessages.push_back(msg);
    return DefSubclassProc(window, msg, wParam, lParam);
  }
  HWND FWindow;
  std::vector<UINT> FMessages;
};

}  // namespace

// The write command reads every item's text and tick; under Wine each
// request to the native list costs a share of an INI write.
TEST_F(CheckList, ReadingTextsTicksAndDataAsksNothingOfTheNativeList) {
  list->SetChecked(4, true);
  list->SetItemData(2, 9);
  const NativeMessageCount messages(window);
  std::vector<std::string> texts;
  int ticked = 0, data = 0;
  for (int i = 0; i < 6; ++i) {
    texts.push_back(list->Items(i));
    ticked += list->Checked(i);
    data += list->ItemData(i) + list->ItemState(i) + !list->ItemEnabled(i);
  }
  EXPECT_EQ(texts[5], "bank5.ini");
  EXPECT_EQ(ticked, 1);
  EXPECT_EQ(data, 9 + 1);
  EXPECT_EQ(messages.Total(), 0);
}

TEST_F(CheckList, AnUpdatePaintsTheRefilledAndTickedListOnce) {
  UpdateWindow(window);
  const NativeMessageCount messages(window);
  list->BeginUpdate();
  list->SetItems(Names(20));
  list->CheckAll(false);
  EXPECT_EQ(messages.Of(WM_PAINT), 0);
  list->EndUpdate();
  UpdateWindow(window);
  EXPECT_EQ(messages.Of(WM_PAINT), 1);
  for (int i = 0; i < 20; ++i) EXPECT_TRUE(list->Checked(i)) << i;
}

TEST_F(CheckList, IndexOutsideTheListRaisesTheListIndexError) {
  struct Case {
    const char* what;
    int index;
    std::function<void(TLMDCheckListBox&, int)> use;
  };
  const std::vector<Case> cases = {
      {"Checked", 6, [](TLMDCheckListBox& l, int i) { l.Checked(i); }},
      {"SetChecked", -1, [](TLMDCheckListBox& l, int i) { l.SetChecked(i, true); }},
      {"ItemState", 99, [](TLMDCheckListBox& l, int i) { l.ItemState(i); }},
      {"SetItemState", 6, [](TLMDCheckListBox& l, int i) { l.SetItemState(i, csChecked); }},
      {"ItemEnabled", 7, [](TLMDCheckListBox& l, int i) { l.ItemEnabled(i); }},
      {"ItemData", -2, [](TLMDCheckListBox& l, int i) { l.ItemData(i); }},
      {"SetItemData", 6, [](TLMDCheckListBox& l, int i) { l.SetItemData(i, 1); }},
      {"Items", 6, [](TLMDCheckListBox& l, int i) { l.Items(i); }},
      {"Delete", 6, [](TLMDCheckListBox& l, int i) { l.Delete(i); }},
  };
  for (const Case& c : cases) {
    try {
      c.use(*list, c.index);
      ADD_FAILURE() << c.what << " raised nothing";
    } catch (const EListError& error) {
      EXPECT_EQ(error.what(), "List index out of bounds (" + std::to_string(c.index) + ")") << c.what;
    }
  }
  EXPECT_TRUE(OneRecordPerItem());
  list->ToggleCheck(-1);
  list->ToggleCheck(6);
  EXPECT_EQ(clickChecks, 0);
}

TEST_F(CheckList, MouseTogglesOnlyByALeftPressOnTheGlyph) {
  const int column = list->CheckColumnWidth();
  struct Case {
    const char* what;
    int x;
    UINT down, up;
    bool selectByClick, readOnly, itemDisabled;
    bool toggled;
  };
  const std::vector<Case> cases = {
      {"left on glyph", 7, WM_LBUTTONDOWN, WM_LBUTTONUP, false, false, false, true},
      {"left on last glyph pixel", column - 1, WM_LBUTTONDOWN, WM_LBUTTONUP, false, false, false, true},
      {"left beside glyph", column, WM_LBUTTONDOWN, WM_LBUTTONUP, false, false, false, false},
      {"left on text", 60, WM_LBUTTONDOWN, WM_LBUTTONUP, false, false, false, false},
      {"right on glyph", 7, WM_RBUTTONDOWN, WM_RBUTTONUP, false, false, false, false},
      {"left on text, select by click", 60, WM_LBUTTONDOWN, WM_LBUTTONUP, true, false, false, true},
      {"left on glyph, read-only", 7, WM_LBUTTONDOWN, WM_LBUTTONUP, false, true, false, false},
      {"left on glyph, item disabled", 7, WM_LBUTTONDOWN, WM_LBUTTONUP, false, false, true, false},
  };
  for (const Case& c : cases) {
    list->SetItems(Names(6));
    list->SetSelectByClick(c.selectByClick);
    list->SetReadOnly(c.readOnly);
    list->SetItemEnabled(3, !c.itemDisabled);
    clickChecks = 0;
    ClickItem(3, c.x, c.down, c.up);
    EXPECT_EQ(list->Checked(3), c.toggled) << c.what;
    EXPECT_EQ(clickChecks, c.toggled ? 1 : 0) << c.what;
    for (int other : {2, 4}) EXPECT_FALSE(list->Checked(other)) << c.what;
  }
}

TEST_F(CheckList, GlyphClickAlsoSelectsAndFocusesTheItem) {
  ClickItem(3, 7);
  EXPECT_TRUE(list->Checked(3));
  EXPECT_EQ(list->ItemIndex(), 3);
  EXPECT_TRUE(list->Selected(3));
  ClickItem(3, 7);
  EXPECT_FALSE(list->Checked(3));
  ClickItem(1, 60);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_TRUE(list->Selected(1));
  EXPECT_FALSE(list->Checked(1));
}

TEST_F(CheckList, PressBelowTheLastItemChangesNothing) {
  list->SetItems(Names(2));
  ClickItem(5, 7);
  EXPECT_EQ(States(), (std::vector<int>{0, 0}));
  EXPECT_EQ(clickChecks, 0);
}

TEST_F(CheckList, SpaceTogglesOnlyTheFocusedItemOfASelection) {
  for (int i : {1, 2, 3}) list->SetSelected(i, true);
  list->SetItemIndex(2);
  SendMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(window, WM_CHAR, ' ', 0);
  SendMessageW(window, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(States(), (std::vector<int>{0, 0, 1, 0, 0, 0}));
  EXPECT_EQ(clickChecks, 1);
  list->SetReadOnly(true);
  SendMessageW(window, WM_CHAR, ' ', 0);
  EXPECT_EQ(States(), (std::vector<int>{0, 0, 1, 0, 0, 0}));
  list->SetReadOnly(false);
  SendMessageW(window, WM_CHAR, 'x', 0);
  EXPECT_EQ(States(), (std::vector<int>{0, 0, 1, 0, 0, 0}));
}

// OnKeyPress sees each character before the list toggles, and a handler that
// clears the character keeps the space from toggling.
TEST_F(CheckList, KeyPressIsRaisedBeforeTheSpaceToggles) {
  list->SetItemIndex(1);
  std::vector<int> stateSeen;
  bool swallow = false;
  list->OnKeyPress = [&](TObject* sender, wchar_t& key) {
    EXPECT_EQ(sender, list.get());
    EXPECT_EQ(key, L' ');
    stateSeen.push_back(list->ItemState(1));
    if (swallow) key = 0;
  };
  SendMessageW(window, WM_CHAR, ' ', 0);
  swallow = true;
  SendMessageW(window, WM_CHAR, ' ', 0);
  EXPECT_EQ(stateSeen, (std::vector<int>{0, 1}));
  EXPECT_EQ(States(), (std::vector<int>{0, 1, 0, 0, 0, 0}));
  EXPECT_EQ(clickChecks, 1);
}

TEST_F(CheckList, ThreeStateClicksGoGrayedTickedUnticked) {
  list->SetBtnMode(blCheckBox3State);
  std::vector<int> seen;
  for (int click = 0; click < 3; ++click) {
    ClickItem(2, 7);
    seen.push_back(list->ItemState(2));
  }
  EXPECT_EQ(seen, (std::vector<int>{2, 1, 0}));
  EXPECT_EQ(clickChecks, 3);
}

TEST_F(CheckList, UntickingAGrayedItemLeavesItGrayed) {
  list->SetItemState(1, csGrayed);
  list->SetChecked(1, false);
  EXPECT_EQ(list->ItemState(1), csGrayed);
  list->SetChecked(1, true);
  EXPECT_EQ(list->ItemState(1), csChecked);
}

TEST_F(CheckList, RadioModeKeepsAtMostOneItemTicked) {
  struct Step {
    int item;
    bool allowUnselect;
    std::vector<int> states;
  };
  list->SetBtnMode(blRadioButton);
  const std::vector<Step> steps = {
      {1, false, {0, 1, 0, 0, 0, 0}}, {3, false, {0, 0, 0, 1, 0, 0}},
      {3, false, {0, 0, 0, 1, 0, 0}},  // clicking the ticked item again keeps it
      {3, true, {0, 0, 0, 0, 0, 0}},   // unless unselecting is allowed
      {0, true, {1, 0, 0, 0, 0, 0}},
  };
  int expectedEvents = 0;
  for (const Step& step : steps) {
    list->SetBtnAllowUnselect(step.allowUnselect);
    ClickItem(step.item, 7);
    EXPECT_EQ(States(), step.states) << "click on " << step.item;
    EXPECT_EQ(clickChecks, ++expectedEvents) << "click on " << step.item;
  }
  list->CheckAll(false);
  list->CheckAll(true);
  EXPECT_EQ(States(), (std::vector<int>{1, 0, 0, 0, 0, 0}));
}

namespace {

class LayoutForm : public TCustomForm {
 public:
  LayoutForm() : TCustomForm(nullptr) {}
};

}  // namespace

TEST(CheckListLayout, MainWindowListLoadsFromItsStoredLayout) {
  ClassRegistry::Register<TLMDCheckListBox>("TLMDCheckListBox");
  LayoutForm form;
  LayoutReader::Read(ParseLayout("object Form1: TForm1\n"
                                 "  object CLB: TLMDCheckListBox\n"
                                 "    Left = 9\n    Top = 61\n    Width = 233\n    Height = 382\n"
                                 "    ItemHeight = 16\n    Layout.Alignment = agTopLeft\n"
                                 "    MultiSelect = True\n    SelectedColor = clRed\n    TabOrder = 3\n"
                                 "    ItemIndex = 0\n    BtnMode = blCheckBox\n    Options = [lboCheckImageNr]\n"
                                 "    Delimiter = '|'\n    BtnFlat = True\n  end\nend\n"),
                     form);
  auto* list = dynamic_cast<TLMDCheckListBox*>(form.FindComponent("CLB"));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->ItemHeight(), 16);
  EXPECT_TRUE(list->MultiSelect());
  EXPECT_EQ(list->SelectedColor(), clRed);
  EXPECT_EQ(list->Layout().Alignment(), agTopLeft);
  EXPECT_EQ(list->TabOrder(), 3);
  EXPECT_TRUE(list->Options().Contains(lboCheckImageNr));
  EXPECT_FALSE(list->Options().Contains(lboImageListOrder));
}
