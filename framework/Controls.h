// Controls: the non-windowed TGraphicControl that its parent paints, the
// windowed TWinControl that owns an HWND with one window procedure, and the
// self-drawn TCustomControl. Messages reach an object's virtual WndProc,
// which hands each one to a small virtual handler.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "framework/Classes.h"
#include "framework/Dpi.h"
#include "framework/Graphics.h"

// Notifications the framework sends to its own controls.
constexpr UINT CM_BASE = WM_APP + 0x3000;
constexpr UINT CM_MOUSEENTER = CM_BASE + 1;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 2;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 3;
// A key offered to a form as a shortcut: WParam the key, LParam the shift
// state; the result is nonzero when the form took it.
constexpr UINT CM_SHORTCUT = CM_BASE + 4;
// A notification from a native child (WM_COMMAND, WM_CTLCOLOR*, WM_DRAWITEM,
// WM_MEASUREITEM) handed back to the child's own object: CN_BASE + message.
constexpr UINT CN_BASE = WM_APP + 0x2000;

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result = 0;
};

enum TShiftFlag { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
using TShiftState = unsigned;
TShiftState KeyboardShiftState();
inline bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST; }

// Sees a message before the control handles it.
using TMessageWatch = std::function<void(const TMessage& message)>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

// What the controls need of the application they run in, which installs
// it: the error box for an exception that escaped a message handler, and the
// cursor shown over every window while the program is busy (true when there
// is one). Without a hook such an error is dropped, as it must not unwind
// through Windows' frames, and every window keeps its own cursor.
struct TApplicationHook {
  void (*ShowError)(const std::exception& error) = nullptr;
  bool (*ShowBusyCursor)() = nullptr;
};
void InstallApplicationHook(const TApplicationHook& hook);

class TWinControl;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);
  // A control stored inside a windowed control of a layout goes into it.
  void SetParentComponent(TComponent* parent) override;

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int left) { SetBounds(left, FTop, FWidth, FHeight); }
  void SetTop(int top) { SetBounds(FLeft, top, FWidth, FHeight); }
  void SetWidth(int width) { SetBounds(FLeft, FTop, width, FHeight); }
  void SetHeight(int height) { SetBounds(FLeft, FTop, FWidth, height); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  virtual RECT ClientRect() const { return {0, 0, FWidth, FHeight}; }

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool visible);
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool enabled);

  TFont& Font() { return FFont; }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool parentFont);
  TColor Color() const { return FColor; }
  virtual void SetColor(TColor color);

  virtual std::string Caption() const { return FCaption; }
  virtual void SetCaption(const std::string& caption);

  // The DPI the control's sizes are shown at: 96, as designed, until its
  // form is shown at another.
  TDpi Dpi() const { return FDpi; }
  // Shows the control at another DPI: its position, size and own font height
  // are each taken from the DPI they were shown at, then ScaleChanged scales
  // what the control sizes itself.
  void ChangeScale(TDpi dpi);

  int TabOrder() const { return FTabOrder; }
  void SetTabOrder(int order) { FTabOrder = order; }
  bool TabStop() const { return FTabStop; }
  virtual void SetTabStop(bool tabStop) { FTabStop = tabStop; }

  TNotifyEvent OnClick;
  TNotifyEvent OnResize;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  void SetOnClick(TNotifyEvent handler) { OnClick = std::move(handler); }

  // Sends a message straight to the control's own handlers.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void Invalidate() = 0;
  virtual void Repaint() = 0;

  PUBLISHED_PROPERTIES;

 protected:
  virtual void WndProc(TMessage& message);
  virtual void DefaultHandler(TMessage&) {}
  virtual void Click() { Raise(OnClick, this); }
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void Resize() { Raise(OnResize, this); }
  virtual void FontChanged() { Invalidate(); }
  virtual void ColorChanged() { Invalidate(); }
  virtual void BoundsChanged() {}
  virtual void CaptionChanged() { Invalidate(); }
  virtual void VisibleChanged() {}
  virtual void EnabledChanged() { Invalidate(); }
  // After ChangeScale has scaled the bounds and the font: the control's own
  // sizes, from the DPI they were shown at.
  virtual void ScaleChanged(TDpi /*from*/) {}
  void ParentFontChanged();
  void ReleaseClick(UINT msg, int x, int y);

  bool FMouseInside = false;
  // Graphic and self-drawn controls raise Click when the left button is
  // released over them; native controls report their own clicks.
  bool FClickOnRelease = false;

 private:
  friend class TWinControl;
  bool FLeftButtonDown = false;

  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  TFont FFont;
  bool FParentFont = true;
  TColor FColor = clBtnFace;
  std::string FCaption;
  int FTabOrder = -1;
  bool FTabStop = false;
  TDpi FDpi;
};

// Parameters of the native window that a windowed control creates.
struct TCreateParams {
  std::wstring ClassName;  // a native class to subclass, or the framework's own
  bool OwnClass = true;    // register ClassName with the framework's window procedure
  UINT ClassStyle = CS_DBLCLKS;
  DWORD Style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND Parent = nullptr;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle();  // creates the window when its parent's window exists
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded() { Handle(); }
  void DestroyHandle();

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int index) const { return FControls.at(static_cast<size_t>(index)); }
  // The child controls in the order Tab moves the focus through them.
  std::vector<TControl*> TabList() const;

  void SetBounds(int left, int top, int width, int height) override;
  void Invalidate() override;
  void Repaint() override;
  void SetFocus();
  bool Focused() const;
  bool CanFocus() const;

  // A brush of the control's colour, for its own and its children's backgrounds.
  HBRUSH BackgroundBrush() { return FBrush.Handle(Color()); }

  // The control that owns a window of this framework, or null.
  static TWinControl* FromHandle(HWND window);

  TKeyEvent OnKeyDown;
  void SetOnKeyDown(TKeyEvent handler) { OnKeyDown = std::move(handler); }

  // How a helper (a tooltip) follows the control's messages without
  // subclassing its window once more: under Wine a subclassed window costs
  // a round trip to the Wine server for each message. One watch per
  // control; an empty one removes it.
  void SetMessageWatch(TMessageWatch watch) { FMessageWatch = std::move(watch); }

  PUBLISHED_PROPERTIES;

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // Called once the native window exists: hand it the state kept so far.
  virtual void InitializeWnd();
  virtual void DestroyWnd() {}
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  virtual void KeyDown(WORD& key, TShiftState shift);
  // The keyboard focus went to a control inside this top-level one (a form
  // remembers it as its active control).
  virtual void ControlFocused(TWinControl* /*control*/) {}
  // The answer to a native control's question for its colours (WM_CTLCOLOR*):
  // the text in its font's colour on the background colour, which a brush of
  // that colour also paints around the text.
  LRESULT ColorAnswer(WPARAM dc, TColor background);
  // Paints the non-windowed children over the window's own drawing.
  void PaintControls(HDC dc);

  void FontChanged() override;
  void CaptionChanged() override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  // The children follow their parent to its DPI.
  void ScaleChanged(TDpi from) override;

 private:
  friend class TControl;
  friend LRESULT CALLBACK FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM);

  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void CreateChildHandles();
  void Attach(HWND window);
  void Detach();
  void Dispatch(TMessage& message);
  bool ReflectToChild(TMessage& message);
  void RouteMouseToGraphicChild(TMessage& message);
  void TrackMouse(TMessage& message);

  HWND FHandle = nullptr;
  bool FOwnClass = true;
  WNDPROC FNativeProc = nullptr;  // a native control's own procedure
  std::vector<TControl*> FControls;
  TControl* FMouseControl = nullptr;    // graphic child under the mouse
  TControl* FCaptureControl = nullptr;  // graphic child holding a mouse button
  TSolidBrush FBrush;
  TMessageWatch FMessageWatch;
};

// A control without a window: its parent paints it and routes the mouse to it.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);

  TCanvas& Canvas() { return FCanvas; }
  // A move or a new size uncovers the old rectangle and paints the new one.
  void SetBounds(int left, int top, int width, int height) override;
  // Draws the control at once on the parent's device context, clipped to
  // the control's rectangle.
  void Repaint() override;
  void Invalidate() override;
  // Draws the control on a device context whose origin is the parent's.
  void PaintOn(HDC parentDC);

 protected:
  virtual void Paint() {}
  // Hiding uncovers the parent's background; showing needs a paint.
  void VisibleChanged() override;
  // An opaque control paints every pixel of its rectangle, so the parent's
  // background need not be erased first.
  bool Opaque = false;

 private:
  TCanvas FCanvas;
};

// A windowed control that draws itself on its canvas.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);
  TCanvas& Canvas() { return FCanvas; }

 protected:
  virtual void Paint() {}
  void WndProc(TMessage& message) override;

 private:
  TCanvas FCanvas;
};
