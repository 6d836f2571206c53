// The check list under test: the main window's file list on a visible form,
// filled with six file names.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "WidgetHost.h"
#include "components/widgets/LMDCheckListBox.h"
#include "framework/SysUtils.h"

inline TStringList Names(int count) {
  TStringList names;
  for (int i = 0; i < count; ++i) names.Add("bank" + std::to_string(i) + ".ini");
  return names;
}

class CheckList : public ::testing::Test {
 protected:
  void SetUp() override {
    list = std::make_unique<TLMDCheckListBox>(nullptr);
    list->SetParent(&widget_host::SharedHost().form);
    // The main window's file list.
    list->SetBounds(9, 61, 233, 382);
    list->SetItemHeight(16);
    list->SetMultiSelect(true);
    list->SetSelectedColor(clRed);
    window = list->Handle();
    list->SetItems(Names(6));
    list->OnClickCheck = [this](TObject* sender) {
      EXPECT_EQ(sender, list.get());
      ++clickChecks;
    };
  }
  void TearDown() override { list.reset(); }

  // A press and release of a mouse button at a point of item index.
  void ClickItem(int index, int x, UINT down = WM_LBUTTONDOWN, UINT up = WM_LBUTTONUP) {
    const LPARAM point = MAKELPARAM(x, index * 16 + 8);
    SendMessageW(window, down, down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON, point);
    SendMessageW(window, up, 0, point);
  }

  // Every item reads from a record of its own and nothing is left of removed
  // ones: reading past the last item raises the list-index error.
  bool OneRecordPerItem() const {
    try {
      for (int i = 0; i < list->Count(); ++i) list->Items(i);
    } catch (const EListError&) {
      return false;
    }
    try {
      list->Items(list->Count());
    } catch (const EListError&) {
      return true;
    }
    return false;
  }

  std::vector<int> States() const {
    std::vector<int> states;
    for (int i = 0; i < list->Count(); ++i) states.push_back(list->ItemState(i));
    return states;
  }

  std::unique_ptr<TLMDCheckListBox> list;
  HWND window = nullptr;
  int clickChecks = 0;
};
