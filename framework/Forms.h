// The top-level window built from a stored layout, the application object
// with its message loop and error box, and the screen-wide cursor.
#pragma once

#include <any>
#include <map>
#include <string>
#include <utility>

#include "framework/Controls.h"

enum TPosition { poDesigned, poScreenCenter };

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  void SetPosition(TPosition position) { FPosition = position; }
  void SetClientWidth(int width);
  void SetClientHeight(int height);
  // Shows the form on a monitor of this DPI: the controls at the largest
  // scale up to the monitor's DPI at which the whole window fits the work
  // area (96 at least), inside the frame the system draws at that DPI.
  void ScaleForDpi(TDpi monitor, const RECT& workArea);
  // That scale, for a client area designed at 96 DPI.
  static TDpi FittingScale(TDpi monitor, SIZE designedClient, const RECT& workArea);
  // The client area's size at 96 DPI, as the layout gives it.
  SIZE DesignedClientSize() const { return FDesignedClient; }
  // Moves the focus to the next (or previous) control in Tab order.
  void SelectNext(TWinControl* current, bool forward);
  void Show();
  virtual void Close();

  // A key pressed anywhere in the form, offered before the focused control
  // sees it; true when the form took it as one of its shortcuts.
  virtual bool IsShortCut(WORD /*key*/, TShiftState /*shift*/) { return false; }

  TNotifyEvent OnCreate;
  void SetOnCreate(TNotifyEvent handler) { OnCreate = std::move(handler); }

  // The handlers the form publishes, by which its layout's event properties
  // name them.
  std::any FindMethod(const std::string& name) const override;

  PUBLISHED_PROPERTIES;

 protected:
  // Builds the form from the layout resource of this name, then creates its
  // windows and runs OnCreate (an error there goes to the error box).
  void InitializeFromLayout(const std::string& resourceName);
  template <class Handler>
  void Publish(const std::string& name, Handler handler) {
    FMethods[name] = std::move(handler);
  }
  void CreateParams(TCreateParams& params) override;
  void VisibleChanged() override;
  void WndProc(TMessage& message) override;
  void BoundsChanged() override;
  void Loaded() override;
  void ControlFocused(TWinControl* control) override { FActiveControl = control; }
  // The window menu (the icon at the top left, Alt+Space): a command chosen
  // in it, true when the form carried it out, and the menu about to open.
  virtual bool SystemCommand(UINT) { return false; }
  virtual void SystemMenuOpening(HMENU) {}
  // Files or folders dropped onto a form that accepts them.
  virtual void DropFiles(const std::vector<std::string>& /*names*/) {}

 private:
  void FocusFirstControl();
  std::vector<TWinControl*> FocusOrder() const;
  void DroppedFiles(HDROP drop);
  // The window moved to a monitor of another DPI; the system suggests where
  // it goes.
  void DpiChanged(TDpi monitor, const RECT& suggested);

  TPosition FPosition = poDesigned;
  SIZE FDesignedClient{};
  TWinControl* FActiveControl = nullptr;
  std::map<std::string, std::any> FMethods;
};

using TForm = TCustomForm;

// The form a control stands in, or null.
TCustomForm* GetParentForm(TControl& control);

enum TCursor { crDefault, crHourGlass };

class TScreen {
 public:
  TCursor Cursor() const { return FCursor; }
  // The busy cursor shows over every window of the program until it is set
  // back, also while the mouse does not move.
  void SetCursor(TCursor cursor);
  void ApplyCursor() const;

 private:
  TCursor FCursor = crDefault;
};

// The program: its message loop and its error box. It installs the hook
// through which the controls reach its error box and the screen's cursor.
class TApplication {
 public:
  TApplication();
  void Initialize();
  // The executable's name without folder and extension, capitalised as a
  // name: the first letter kept, every later letter in lower case.
  std::string Title() const;
  static std::string TitleFromPath(const std::string& exePath);
  std::string ExeName() const;
  // What follows the program's name on its command line, blanks around it
  // removed: "Program.exe  D:\Jeux\Dossier " gives "D:\Jeux\Dossier".
  std::string CommandLineTail() const;
  static std::string CommandLineTail(const std::wstring& commandLine);

  // Creates the form with no owner; `args` follow the owner in its constructor.
  template <class Form, class... Args>
  void CreateForm(Form*& form, Args&&... args) {
    form = new Form(nullptr, std::forward<Args>(args)...);
    if (!FMainForm) FMainForm = form;
  }
  TCustomForm* MainForm() const { return FMainForm; }
  void Run();
  void Terminate();
  // Runs the window messages that are waiting, then returns.
  void ProcessMessages();
  // The error box: application title, error icon, one OK button.
  void HandleException(const std::exception& error);
  static std::string ErrorBoxText(const std::string& message);
  // Forgets the main form (it was destroyed) and clears the end request, so
  // that a later main form of the same process runs afresh.
  void Reset();

 private:
  bool ProcessMessage(MSG& msg);
  bool HandleTabKey(const MSG& msg);
  bool HandleShortCut(const MSG& msg);

  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
};

extern TApplication Application;
extern TScreen Screen;
