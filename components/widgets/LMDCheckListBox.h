// TLMDCheckListBox: the owner-drawn list with a check glyph in front of each
// item. Each item's native data slot points to the item's record (its text,
// check state, disabled flag and the caller's data), owned by the list; the
// user toggles an item with a left click on its glyph or with the space bar.
// The list also keeps the records in item order, so that reading an item's
// text or tick asks nothing of the native list: under Wine each such request
// costs a visible share of an INI write.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "components/widgets/CheckGlyphs.h"
#include "components/widgets/LMDItemLayout.h"
#include "components/widgets/LMDListBox.h"
#include "framework/EnumSet.h"

struct TLMDButtonListData {
  std::string Text;
  int32_t Data = 0;
  uint8_t State = csUnchecked;
  bool Disabled = false;
};

enum TLMDImageBoxOption { lboImageListOrder, lboCheckImageNr };

template <>
struct EnumNames<TLMDImageBoxOption> {
  static constexpr auto names() { return std::array{"lboImageListOrder", "lboCheckImageNr"}; }
};

using TLMDImageBoxOptions = TSet<TLMDImageBoxOption>;

class TLMDCustomCheckListBox : public TLMDCustomListBox {
 public:
  explicit TLMDCustomCheckListBox(TComponent* owner);
  ~TLMDCustomCheckListBox() override;

  std::string Items(int index) const override;
  // True exactly when the item is ticked (state 1).
  bool Checked(int index) const;
  void SetChecked(int index, bool checked);
  // 0 unticked, 1 ticked, 2 grayed.
  uint8_t ItemState(int index) const;
  void SetItemState(int index, uint8_t state);
  bool ItemEnabled(int index) const;
  void SetItemEnabled(int index, bool enabled);
  int32_t ItemData(int index) const override;
  void SetItemData(int index, int32_t data) override;

  // Ticks every item (Uncheck false) or unticks every item (Uncheck true).
  void CheckAll(bool Uncheck);
  // The user's toggle of one item, by the mode's state table.
  void ToggleCheck(int index);
  // Repaints the item's glyph at once.
  void InvalidateCheck(int index);
  int CheckColumnWidth() const;

  TLMDButtonListMode BtnMode() const { return FBtnMode; }
  void SetBtnMode(TLMDButtonListMode mode);
  bool BtnFlat() const { return FBtnFlat; }
  void SetBtnFlat(bool flat);
  bool BtnDefault() const { return FBtnDefault; }
  void SetBtnDefault(bool standard);
  uint8_t BtnGap() const { return FBtnGap; }
  void SetBtnGap(uint8_t gap);
  bool BtnAllowUnselect() const { return FBtnAllowUnselect; }
  void SetBtnAllowUnselect(bool allow) { FBtnAllowUnselect = allow; }
  bool SelectByClick() const { return FSelectByClick; }
  void SetSelectByClick(bool selectByClick) { FSelectByClick = selectByClick; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool readOnly) { FReadOnly = readOnly; }
  bool CtlXP() const { return FCtlXP; }
  void SetCtlXP(bool ctlXP);
  uint8_t Margin() const { return FMargin; }
  void SetMargin(uint8_t margin);
  char Delimiter() const { return FDelimiter; }
  void SetDelimiter(char delimiter);
  TLMDImageBoxOptions Options() const { return FOptions; }
  void SetOptions(TLMDImageBoxOptions options);
  TLMDLayout& Layout() { return FLayout; }

  TNotifyEvent OnClickCheck;
  void SetOnClickCheck(TNotifyEvent handler) { OnClickCheck = std::move(handler); }

  // The text shown for an item: with lboCheckImageNr, the part before the
  // first delimiter.
  std::string DisplayText(int index) const;

 protected:
  void ClickCheck() { Raise(OnClickCheck, this); }
  RECT TextArea(const RECT& item) const override;
  void DrawItem(TCanvas& canvas, int index, const RECT& area, UINT state) override;
  void ItemAdded(int index, const std::string& text) override;
  void ItemDeleting(int index) override;
  void ItemsClearing() override;
  void CreateParams(TCreateParams& params) override;
  void ScaleChanged(TDpi from) override;
  void InitializeWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  TLMDButtonListData& Record(int index) const;
  bool ThemedLook() const;
  void ClickAt(int x, int y);
  void KeyPressed(TMessage& message);
  bool InCheckColumn(int x, const RECT& item) const;
  void PaintThemedBorder();
  void RedrawBorder();

  // Check state and disabled flag of one item, kept while the native window
  // is re-created.
  struct TSavedCheck {
    uint8_t State;
    bool Disabled;
  };

  std::vector<std::unique_ptr<TLMDButtonListData>> FRecords;
  std::vector<TSavedCheck> FSavedChecks;
  size_t FNextSavedCheck = 0;
  TLMDButtonListMode FBtnMode = blCheckBox;
  bool FBtnFlat = true;
  bool FBtnDefault = true;
  uint8_t FBtnGap = 0;
  bool FBtnAllowUnselect = false;
  bool FSelectByClick = false;
  bool FReadOnly = false;
  bool FCtlXP = true;
  uint8_t FMargin = 1;
  char FDelimiter = '|';
  TLMDImageBoxOptions FOptions{lboImageListOrder, lboCheckImageNr};
  TLMDLayout FLayout;
  TWindowTheme FButtonTheme{L"BUTTON"}, FEditTheme{L"EDIT"};
};

class TLMDCheckListBox : public TLMDCustomCheckListBox {
 public:
  using TLMDCustomCheckListBox::TLMDCustomCheckListBox;

  PUBLISHED_PROPERTIES;
};
