#include "framework/Controls.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <unordered_map>

#include "framework/SysUtils.h"
#include "framework/Text.h"

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

namespace {

// The control of each framework window. A window property would serve as
// well, but under Wine each property read is a round trip to the Wine
// server, and one is made for every message dispatched. Framework windows
// live on the main thread only.
std::unordered_map<HWND, TWinControl*>& ControlsByWindow() {
  static std::unordered_map<HWND, TWinControl*> controls;
  return controls;
}

TApplicationHook Hook;

// The control whose window CreateWindowExW is making on this thread. Messages
// about that window arrive before the call has returned its handle: its own
// first ones, and the parent's WM_MEASUREITEM for an owner-drawn list.
thread_local TWinControl* CreationControl = nullptr;

class TCreation {
 public:
  explicit TCreation(TWinControl* control) : FOuter(CreationControl) { CreationControl = control; }
  ~TCreation() { CreationControl = FOuter; }
  TCreation(const TCreation&) = delete;
  TCreation& operator=(const TCreation&) = delete;

 private:
  TWinControl* FOuter;
};

TMouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: return mbRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: return mbMiddle;
    default: return mbLeft;
  }
}

bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
         msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }

void RegisterFrameworkClass(const std::wstring& name, UINT style) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name.c_str(), &existing)) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = style;
  windowClass.lpfnWndProc = FrameworkWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  windowClass.lpszClassName = name.c_str();
  RegisterClassExW(&windowClass);
}

}  // namespace

void InstallApplicationHook(const TApplicationHook& hook) { Hook = hook; }

TShiftState KeyboardShiftState() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

static TShiftState MouseShiftState(WPARAM keys) {
  TShiftState shift = KeyboardShiftState();
  if (keys & MK_LBUTTON) shift |= ssLeft;
  if (keys & MK_RBUTTON) shift |= ssRight;
  if (keys & MK_MBUTTON) shift |= ssMiddle;
  return shift;
}

// ---- window procedures: the only places where messages enter the objects

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = TWinControl::FromHandle(window);
  if (!control && CreationControl && !CreationControl->FHandle) {
    control = CreationControl;
    control->Attach(window);
  }
  if (!control) return DefWindowProcW(window, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam};
  control->Dispatch(message);
  if (msg == WM_NCDESTROY) control->Detach();
  return message.Result;
}

// ---- TControl

TControl::TControl(TComponent* owner) : TComponent(owner) {
  FFont.OnChange = [this] {
    FParentFont = false;
    FontChanged();
  };
}

TControl::~TControl() {
  if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (FParent) FParent->RemoveControl(this);
  FParent = parent;
  if (FParent) {
    FParent->InsertControl(this);
    if (FParentFont) ParentFontChanged();
  }
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* windowed = dynamic_cast<TWinControl*>(parent)) SetParent(windowed);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  const bool resized = width != FWidth || height != FHeight;
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  BoundsChanged();
  if (resized) Resize();
}

// The edges are scaled, not the sizes, so that controls that touch as
// designed still touch and never overlap. A parent-font child has its font
// already: the parent's change reached it; a control without a parent (the
// form) owns its font even when its layout left every value as it was.
void TControl::ChangeScale(TDpi dpi) {
  const TDpi from = FDpi;
  if (from == dpi) return;
  FDpi = dpi;
  const int left = dpi.Rescale(FLeft, from), top = dpi.Rescale(FTop, from);
  SetBounds(left, top, dpi.Rescale(FLeft + FWidth, from) - left, dpi.Rescale(FTop + FHeight, from) - top);
  if (!FParentFont || !FParent) FFont.SetHeight(dpi.RescaleFont(FFont.Height(), from));
  ScaleChanged(from);
}

void TControl::SetVisible(bool visible) {
  if (AssignIfChanged(FVisible, visible)) VisibleChanged();
}

void TControl::SetEnabled(bool enabled) {
  if (AssignIfChanged(FEnabled, enabled)) EnabledChanged();
}

void TControl::SetParentFont(bool parentFont) {
  FParentFont = parentFont;
  if (FParentFont) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParent || !FParentFont) return;
  FFont.Assign(FParent->Font());
  FParentFont = true;  // the copy above is the parent's font, not one of our own
}

void TControl::SetColor(TColor color) {
  if (AssignIfChanged(FColor, color)) ColorChanged();
}

void TControl::SetCaption(const std::string& caption) {
  if (caption == Caption()) return;
  FCaption = caption;
  CaptionChanged();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam};
  WndProc(message);
  return message.Result;
}

void TControl::ReleaseClick(UINT msg, int x, int y) {
  if (!FClickOnRelease) return;
  if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) FLeftButtonDown = true;
  if (msg != WM_LBUTTONUP || !FLeftButtonDown) return;
  FLeftButtonDown = false;
  const RECT client = ClientRect();
  const POINT point{x, y};
  if (PtInRect(&client, point)) Click();
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  Raise(OnMouseDown, this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  Raise(OnMouseUp, this, button, shift, x, y);
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER: MouseEnter(); return;
    case CM_MOUSELEAVE: MouseLeave(); return;
    default: break;
  }
  if (IsButtonDown(message.Msg) || IsButtonUp(message.Msg)) {
    const int x = GET_X_LPARAM(message.LParam), y = GET_Y_LPARAM(message.LParam);
    const TShiftState shift = MouseShiftState(message.WParam);
    if (IsButtonDown(message.Msg))
      MouseDown(ButtonOf(message.Msg), shift, x, y);
    else
      MouseUp(ButtonOf(message.Msg), shift, x, y);
    ReleaseClick(message.Msg, x, y);
  }
  DefaultHandler(message);
}

const PropertyTable& TControl::PublishedTable() {
  static const PropertyTable table(&TComponent::PublishedTable(),
                                   {{"Left", Set(&TControl::SetLeft)},
                                    {"Top", Set(&TControl::SetTop)},
                                    {"Width", Set(&TControl::SetWidth)},
                                    {"Height", Set(&TControl::SetHeight)},
                                    {"Visible", Set(&TControl::SetVisible)},
                                    {"Enabled", Set(&TControl::SetEnabled)},
                                    {"ParentFont", Set(&TControl::SetParentFont)},
                                    {"Color", Set(&TControl::SetColor)},
                                    {"Caption", Set(&TControl::SetCaption)},
                                    {"TabOrder", Set(&TControl::SetTabOrder)},
                                    {"TabStop", Set(&TControl::SetTabStop)},
                                    {"OnClick", Event(&TControl::SetOnClick)}},
                                   {{"Font", Sub(&TControl::Font)}});
  return table;
}

// ---- TWinControl

TWinControl::TWinControl(TComponent* owner) : TControl(owner) { SetTabStop(true); }

TWinControl::~TWinControl() { DestroyHandle(); }

TWinControl* TWinControl::FromHandle(HWND window) {
  const auto found = ControlsByWindow().find(window);
  return found == ControlsByWindow().end() ? nullptr : found->second;
}

HWND TWinControl::Handle() {
  if (!FHandle) {
    const bool parentReady = Parent() ? Parent()->Handle() != nullptr : true;
    // Checked again: creating the parent's window creates its children's, this one's included.
    if (parentReady && !FHandle) CreateWnd();
  }
  return FHandle;
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  DestroyWnd();
  DestroyWindow(FHandle);  // WM_NCDESTROY detaches the object
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.ClassName = L"TWinControl";
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.Parent = Parent() ? Parent()->Handle() : nullptr;
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (TabStop()) params.Style |= WS_TABSTOP;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  FOwnClass = params.OwnClass;
  if (FOwnClass) RegisterFrameworkClass(params.ClassName, params.ClassStyle);
  static int nextId = 100;
  const HMENU id = params.Style & WS_CHILD ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId++)) : nullptr;
  const std::wstring caption = Text::ToWide(Caption());
  HWND window = nullptr;
  {
    const TCreation creation(this);
    window =
        CreateWindowExW(params.ExStyle, params.ClassName.c_str(), caption.c_str(), params.Style, params.X, params.Y,
                        params.Width, params.Height, params.Parent, id, GetModuleHandleW(nullptr), nullptr);
  }
  if (!window) throw Exception("Error creating window " + Name());
  // A native control's procedure is swapped for the framework's, which hands
  // the control what the object leaves to it. The common controls' own
  // subclassing would cost two window-property lookups per message, each a
  // round trip to the window server under Wine, and a filled list or a form
  // of edit boxes sees thousands of messages.
  if (!FOwnClass) {
    Attach(window);
    FNativeProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWindowProc)));
  }
  InitializeWnd();
  CreateChildHandles();
}

void TWinControl::InitializeWnd() { SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 0); }

void TWinControl::CreateChildHandles() {
  for (TControl* child : TabList())
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->Handle();
}

std::vector<TControl*> TWinControl::TabList() const {
  std::vector<TControl*> list(FControls.begin(), FControls.end());
  std::stable_sort(list.begin(), list.end(), [](TControl* a, TControl* b) {
    const unsigned orderA = static_cast<unsigned>(a->TabOrder()), orderB = static_cast<unsigned>(b->TabOrder());
    return orderA < orderB;  // controls without a tab order (-1) come last, in creation order
  });
  return list;
}

void TWinControl::Attach(HWND window) {
  FHandle = window;
  ControlsByWindow()[window] = this;
}

void TWinControl::Detach() {
  if (!FHandle) return;
  if (!FOwnClass) SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FNativeProc));
  ControlsByWindow().erase(FHandle);
  FHandle = nullptr;
  FMouseInside = false;
  FMouseControl = FCaptureControl = nullptr;
}

void TWinControl::Dispatch(TMessage& message) {
  try {
    if (FMessageWatch) FMessageWatch(message);
    WndProc(message);
  } catch (const std::exception& error) {
    if (Hook.ShowError) Hook.ShowError(error);
  }
}

void TWinControl::InsertControl(TControl* control) { FControls.push_back(control); }

void TWinControl::RemoveControl(TControl* control) {
  FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
  if (FMouseControl == control) FMouseControl = nullptr;
  if (FCaptureControl == control) FCaptureControl = nullptr;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  if (FHandle) SetWindowPos(FHandle, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::Repaint() {
  if (!FHandle) return;
  InvalidateRect(FHandle, nullptr, TRUE);
  UpdateWindow(FHandle);
}

void TWinControl::SetFocus() {
  if (Handle()) ::SetFocus(FHandle);
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

bool TWinControl::CanFocus() const {
  for (const TControl* control = this; control; control = control->Parent())
    if (!control->Visible() || !control->Enabled()) return false;
  return true;
}

void TWinControl::FontChanged() {
  if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  for (TControl* child : FControls) child->ParentFontChanged();
}

void TWinControl::CaptionChanged() {
  if (FHandle) SetWindowTextW(FHandle, Text::ToWide(TControl::Caption()).c_str());
}

void TWinControl::VisibleChanged() {
  if (FHandle) ShowWindow(FHandle, Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::EnabledChanged() {
  if (FHandle) EnableWindow(FHandle, Enabled());
}

LRESULT TWinControl::ColorAnswer(WPARAM dc, TColor background) {
  const HDC context = reinterpret_cast<HDC>(dc);
  SetTextColor(context, ColorToRGB(Font().Color()));
  SetBkColor(context, ColorToRGB(background));
  return reinterpret_cast<LRESULT>(FBrush.Handle(background));
}

void TWinControl::ScaleChanged(TDpi) {
  for (TControl* child : FControls) child->ChangeScale(Dpi());
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) { Raise(OnKeyDown, this, key, shift); }

void TWinControl::PaintControls(HDC dc) {
  RECT clip{};
  GetClipBox(dc, &clip);
  for (TControl* child : FControls) {
    auto* graphic = dynamic_cast<TGraphicControl*>(child);
    RECT bounds = child->BoundsRect(), overlap{};
    if (graphic && graphic->Visible() && IntersectRect(&overlap, &bounds, &clip)) graphic->PaintOn(dc);
  }
}

bool TWinControl::ReflectToChild(TMessage& message) {
  HWND childWindow = nullptr;
  switch (message.Msg) {
    case WM_DRAWITEM: childWindow = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam)->hwndItem; break;
    case WM_MEASUREITEM: {
      // An owner-drawn child asks for its item height while CreateWindowExW
      // is making it, before its handle is known.
      if (CreationControl && CreationControl->Parent() == this) {
        message.Result = CreationControl->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
        return true;
      }
      const UINT id = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam)->CtlID;
      childWindow = FHandle ? GetDlgItem(FHandle, static_cast<int>(id)) : nullptr;
      break;
    }
    case WM_NOTIFY: childWindow = reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom; break;
    default: childWindow = reinterpret_cast<HWND>(message.LParam); break;
  }
  TWinControl* child = FromHandle(childWindow);
  if (!child || child == this) return false;
  message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  return true;
}

void TWinControl::TrackMouse(TMessage& message) {
  if (message.Msg == WM_MOUSEMOVE && !FMouseInside) {
    FMouseInside = true;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = FHandle;
    TrackMouseEvent(&track);
    Perform(CM_MOUSEENTER);
  } else if (message.Msg == WM_MOUSELEAVE) {
    FMouseInside = false;
    if (FMouseControl) FMouseControl->Perform(CM_MOUSELEAVE);
    FMouseControl = nullptr;
    Perform(CM_MOUSELEAVE);
  }
}

void TWinControl::RouteMouseToGraphicChild(TMessage& message) {
  const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  TControl* target = FCaptureControl;
  if (!target)
    for (auto child = FControls.rbegin(); child != FControls.rend(); ++child) {
      RECT bounds = (*child)->BoundsRect();
      if (dynamic_cast<TGraphicControl*>(*child) && (*child)->Visible() && PtInRect(&bounds, point)) {
        target = *child;
        break;
      }
    }
  if (message.Msg == WM_MOUSEMOVE && target != FMouseControl && !FCaptureControl) {
    if (FMouseControl) FMouseControl->Perform(CM_MOUSELEAVE);
    FMouseControl = target;
    if (FMouseControl) FMouseControl->Perform(CM_MOUSEENTER);
  }
  if (!target) return;
  if (IsButtonDown(message.Msg)) {
    FCaptureControl = target;
    SetCapture(FHandle);
  } else if (IsButtonUp(message.Msg) && FCaptureControl) {
    FCaptureControl = nullptr;
    ReleaseCapture();
  }
  const LPARAM local = MAKELPARAM(point.x - target->Left(), point.y - target->Top());
  message.Result = target->Perform(message.Msg, message.WParam, local);
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      // A command without a control window (menu, accelerator) stays with this window.
      if ((message.Msg != WM_COMMAND || message.LParam) && ReflectToChild(message)) return;
      break;
    case WM_ERASEBKGND:
      if (FOwnClass) {
        RECT client{};
        GetClientRect(FHandle, &client);
        ::FillRect(reinterpret_cast<HDC>(message.WParam), &client, BackgroundBrush());
        message.Result = 1;
        return;
      }
      break;
    case WM_PAINT:
      if (FOwnClass) {
        const TPaintDC paint(FHandle);
        PaintControls(paint.Handle());
        return;
      }
      break;
    case WM_SETCURSOR:
      if (Hook.ShowBusyCursor && Hook.ShowBusyCursor()) {
        message.Result = TRUE;
        return;
      }
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      WORD key = static_cast<WORD>(message.WParam);
      KeyDown(key, KeyboardShiftState());
      if (key == 0) return;
      break;
    }
    case WM_SETFOCUS: {
      TWinControl* top = this;
      while (top->Parent()) top = top->Parent();
      if (top != this) top->ControlFocused(this);
      break;
    }
    case WM_MOUSELEAVE: TrackMouse(message); return;
    default: break;
  }
  if (IsMouseMessage(message.Msg)) {
    TrackMouse(message);
    if (FOwnClass && !FControls.empty()) {
      const TControl* before = FCaptureControl;
      RouteMouseToGraphicChild(message);
      if (FCaptureControl || before) return;
    }
  }
  TControl::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!FHandle) return;
  message.Result = FOwnClass ? DefWindowProcW(FHandle, message.Msg, message.WParam, message.LParam)
                             : CallWindowProcW(FNativeProc, FHandle, message.Msg, message.WParam, message.LParam);
}

const PropertyTable& TWinControl::PublishedTable() {
  static const PropertyTable table(&TControl::PublishedTable(), {{"OnKeyDown", Event(&TWinControl::SetOnKeyDown)}});
  return table;
}

// ---- TGraphicControl

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) { FClickOnRelease = true; }

void TGraphicControl::PaintOn(HDC parentDC) {
  const TSavedDC saved(parentDC);
  IntersectClipRect(parentDC, Left(), Top(), Left() + Width(), Top() + Height());
  POINT origin{};
  GetViewportOrgEx(parentDC, &origin);
  SetViewportOrgEx(parentDC, origin.x + Left(), origin.y + Top(), nullptr);
  const TCanvasBinding binding(FCanvas, parentDC);
  Paint();
}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  Invalidate();
  TControl::SetBounds(left, top, width, height);
  Invalidate();
}

void TGraphicControl::Repaint() {
  if (!Visible() || !Parent() || !Parent()->HandleAllocated()) return;
  if (Opaque) {
    const TWindowDC dc(Parent()->Handle());
    PaintOn(dc.Handle());
    return;
  }
  Invalidate();
  UpdateWindow(Parent()->Handle());
}

void TGraphicControl::VisibleChanged() {
  if (!Parent() || !Parent()->HandleAllocated()) return;
  const RECT bounds = BoundsRect();
  InvalidateRect(Parent()->Handle(), &bounds, !Visible());
}

void TGraphicControl::Invalidate() {
  if (!Visible() || !Parent() || !Parent()->HandleAllocated()) return;
  const RECT bounds = BoundsRect();
  InvalidateRect(Parent()->Handle(), &bounds, !Opaque);
}

// ---- TCustomControl

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) { FClickOnRelease = true; }

void TCustomControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT) {
    const TPaintDC paint(Handle());
    {
      const TCanvasBinding binding(FCanvas, paint.Handle());
      Paint();
    }
    PaintControls(paint.Handle());
    return;
  }
  if (message.Msg == WM_LBUTTONDOWN) SetCapture(Handle());
  if (message.Msg == WM_LBUTTONUP && GetCapture() == Handle()) ReleaseCapture();
  TWinControl::WndProc(message);
}
