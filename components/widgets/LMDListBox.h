// TLMDCustomListBox: the native list box (LISTBOX class) drawn by its owner
// with one fixed item height. The native list holds the item texts (and
// shows them to anyone who asks it); this class paints each item's
// background, the selection colours and the focus rectangle, and leaves the
// item's contents to its descendants.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "components/widgets/BiDiMode.h"
#include "framework/Controls.h"

// A character typed into the control; a handler that sets Key to 0 swallows it.
using TKeyPressEvent = std::function<void(TObject* Sender, wchar_t& Key)>;

class TLMDCustomListBox : public TWinControl {
 public:
  explicit TLMDCustomListBox(TComponent* owner);
  ~TLMDCustomListBox() override;

  // The item list. An index the native list does not hold raises EListError
  // "List index out of bounds (%d)".
  int Count() const;
  virtual std::string Items(int index) const;
  int AddItem(const std::string& text);
  void Delete(int index);
  void Clear();
  void SetItems(const TStringList& lines);
  // Between the two, changes to the items are not painted one by one: the
  // list is painted once, at the end.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return FUpdateCount > 0; }

  // The value a caller keeps with an item (the item's object slot).
  virtual int32_t ItemData(int index) const;
  virtual void SetItemData(int index, int32_t data);

  // The focused item: the caret item when several may be selected; -1 for none.
  int ItemIndex() const;
  void SetItemIndex(int index);
  bool Selected(int index) const;
  void SetSelected(int index, bool selected);
  int TopIndex() const;
  RECT ItemRect(int index) const;

  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int height);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool multiSelect);
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool extendedSelect);
  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor color);
  TColor SelectedFontColor() const { return FSelectedFontColor; }
  void SetSelectedFontColor(TColor color);
  TFontStyles SelectedFontStyle() const { return FSelectedFontStyle; }
  void SetSelectedFontStyle(TFontStyles style);
  TColor DisabledColor() const { return FDisabledColor; }
  void SetDisabledColor(TColor color);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool hide);
  bool HideFocus() const { return FHideFocus; }
  void SetHideFocus(bool hide);
  bool BeveledFocus() const { return FBeveledFocus; }
  void SetBeveledFocus(bool beveled);
  TColor BevelFocusShadowColor() const { return FBevelFocusShadowColor; }
  void SetBevelFocusShadowColor(TColor color);
  TColor BevelFocusLightColor() const { return FBevelFocusLightColor; }
  void SetBevelFocusLightColor(TColor color);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent);
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode mode);
  bool RightToLeft() const { return UseRightToLeftReading(FBiDiMode); }

  void SetOnMouseDown(TMouseEvent handler) { OnMouseDown = std::move(handler); }
  void SetOnMouseUp(TMouseEvent handler) { OnMouseUp = std::move(handler); }
  TKeyPressEvent OnKeyPress;
  void SetOnKeyPress(TKeyPressEvent handler) { OnKeyPress = std::move(handler); }

  // Destroys the native window and makes a new one, as a change of the
  // selection mode needs; the items come back with it.
  void RecreateWnd();

 protected:
  LRESULT SendList(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // The item data slot of the native list; raises EListError when the
  // native list does not hold the index.
  LPARAM ItemDataSlot(int index) const;
  void SetItemDataSlot(int index, LPARAM value);
  [[noreturn]] void ListIndexError(int index) const;

  // The part of an item's rectangle that is filled and framed; the rest
  // belongs to the item's glyph.
  virtual RECT TextArea(const RECT& item) const { return item; }
  // Draws the contents of item index over its text area, with the canvas's
  // font already in the item's colours.
  virtual void DrawItem(TCanvas&, int, const RECT&, UINT) {}
  // Called when the native list has gained an item, and before it loses
  // one item, or all of them.
  virtual void ItemAdded(int, const std::string&) {}
  virtual void ItemDeleting(int) {}
  virtual void ItemsClearing() {}

  // Answers one owner-draw request of the native list.
  void DrawItemRequest(const DRAWITEMSTRUCT& request);
  TColor BackgroundColor() const;

  void CreateParams(TCreateParams& params) override;
  void ScaleChanged(TDpi from) override;
  void InitializeWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;
  void EnabledChanged() override;
  void ColorChanged() override;

 private:
  int AddNativeString(const std::string& text);
  void DrawFocus(HDC dc, RECT rect);

  struct TSavedItems {
    std::vector<std::string> Texts;
    std::vector<int32_t> Data;
    int TopIndex = 0;
    int ItemIndex = -1;
  };

  TCanvas FItemCanvas;
  TSavedItems FSaved;
  int FUpdateCount = 0;
  int FItemHeight = 16;
  int FItemIndex = -1;
  bool FMultiSelect = false;
  bool FExtendedSelect = true;
  TColor FSelectedColor = clHighlight;
  TColor FSelectedFontColor = clHighlightText;
  TFontStyles FSelectedFontStyle;
  TColor FDisabledColor = clWindow;
  bool FHideSelection = false;
  bool FHideFocus = false;
  bool FBeveledFocus = false;
  TColor FBevelFocusShadowColor = clGray;
  TColor FBevelFocusLightColor = clWhite;
  bool FTransparent = false;
  TBiDiMode FBiDiMode = bdLeftToRight;
};
