// The tips of the value fields: when the mouse rests on a field, or the
// keyboard brings the focus into it, a tip tells what the ticked files hold
// for the field's key, each value with the number of files holding it, the
// most frequent first: "0.8 : 9 fichiers / files, 1.0 : 3". The focus tip
// goes once something is typed into the field: it lies over the field below.
//
// Each field's message watch hands its mouse messages to the hovering tip
// and shows the focus tip. A tip's text is made when it is about to show, so
// nothing is read until a tip is wanted.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TBankValues;
class TGameFolder;
class TValueFields;
class TWinControl;
struct TMessage;

class TFieldTips {
 public:
  struct TParts {
    TWinControl& MainWindow;
    TValueFields& Values;
    TGameFolder& Folder;
    TBankValues& Banks;
  };
  explicit TFieldTips(TParts parts);
  ~TFieldTips();
  TFieldTips(const TFieldTips&) = delete;
  TFieldTips& operator=(const TFieldTips&) = delete;

  // Once the fields' windows exist.
  void Attach();
  // The ticks or the files changed: a tip made before is made again.
  void Refresh();
  std::string Text(size_t setting);

 private:
  // Fields are known by their row of the settings table.
  void Watch(size_t setting, const TMessage& message);
  void Hovered(size_t setting, const MSG& message);
  // No hovering tip over the field until the mouse leaves it.
  void Quieten(size_t setting, HWND field);
  void Focused(size_t setting);
  void Unfocused();
  void ShowFocusTip();
  HWND HoverTip();
  HWND FocusTip();

  static constexpr size_t None = static_cast<size_t>(-1);

  TParts FParts;
  std::vector<TWinControl*> FFields;
  HWND FHoverTip = nullptr, FFocusTip = nullptr;
  size_t FHovered = None, FFocused = None, FQuiet = None;
};
