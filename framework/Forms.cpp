#include "framework/Forms.h"

#include <algorithm>

#include "framework/Layout.h"
#include "framework/SysUtils.h"
#include "framework/Text.h"
#include "framework/Thread.h"

TApplication Application;
TScreen Screen;

// ---- TCustomForm

namespace {

// The frame's styles: the minimise box and the extended styles change no
// frame size.
constexpr DWORD FrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

RECT WorkAreaOfMonitor(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(monitor, &info);
  return info.rcWork;
}

RECT PrimaryWorkArea() {
  RECT workArea{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  return workArea;
}

// Where a window of this size placed at `origin` stands inside the work area;
// a window larger than it keeps the work area's top left corner.
POINT InWorkArea(POINT origin, SIZE size, const RECT& workArea) {
  return {std::max(std::min(origin.x, workArea.right - size.cx), workArea.left),
          std::max(std::min(origin.y, workArea.bottom - size.cy), workArea.top)};
}

}  // namespace

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetTabStop(false);
}

TCustomForm::~TCustomForm() {
  // The components go first, while the form's window still parents theirs.
  while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
  DestroyHandle();
  if (Application.MainForm() == this) Application.Reset();
}

// Scaled for the system's DPI before the windows are made, so that they are
// made at their size; again, should the window's monitor have another DPI.
void TCustomForm::InitializeFromLayout(const std::string& resourceName) {
  LayoutReader::ReadResource(resourceName, *this);
  const TDpi system = TDpi::OfSystem();
  ScaleForDpi(system, PrimaryWorkArea());
  HandleNeeded();
  const TDpi monitor = TDpi::OfWindow(Handle());
  if (monitor != system) ScaleForDpi(monitor, WorkAreaOfMonitor(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST)));
  try {
    Raise(OnCreate, this);
  } catch (const std::exception& error) {
    Application.HandleException(error);
  }
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = L"TForm";
  params.ClassStyle = CS_DBLCLKS;
  params.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  params.ExStyle = WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;
  params.Parent = nullptr;
  if (FPosition == poScreenCenter) {
    // Centred on the screen, then kept clear of the taskbar: a scaled window
    // may fit the work area only just.
    const POINT centred{(GetSystemMetrics(SM_CXSCREEN) - Width()) / 2, (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2};
    const POINT origin = InWorkArea(centred, {Width(), Height()}, PrimaryWorkArea());
    params.X = std::max(origin.x, 0L);
    params.Y = std::max(origin.y, 0L);
  }
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  const SIZE frame = TDpi().WindowSize({0, 0}, FrameStyle, 0);
  FDesignedClient = {Width() - frame.cx, Height() - frame.cy};
}

TDpi TCustomForm::FittingScale(TDpi monitor, SIZE designedClient, const RECT& workArea) {
  for (int pixelsPerInch = monitor.PixelsPerInch(); pixelsPerInch > TDpi::Designed; --pixelsPerInch) {
    const TDpi scale(pixelsPerInch);
    const SIZE window =
        monitor.WindowSize({scale.Scale(designedClient.cx), scale.Scale(designedClient.cy)}, FrameStyle, 0);
    if (window.cx <= workArea.right - workArea.left && window.cy <= workArea.bottom - workArea.top) return scale;
  }
  return monitor.PixelsPerInch() < TDpi::Designed ? monitor : TDpi();
}

void TCustomForm::ScaleForDpi(TDpi monitor, const RECT& workArea) {
  ChangeScale(FittingScale(monitor, FDesignedClient, workArea));
  const SIZE window =
      monitor.WindowSize({Dpi().Scale(FDesignedClient.cx), Dpi().Scale(FDesignedClient.cy)}, FrameStyle, 0);
  SetBounds(Left(), Top(), window.cx, window.cy);
}

void TCustomForm::DpiChanged(TDpi monitor, const RECT& suggested) {
  const RECT workArea = WorkAreaOfMonitor(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST));
  ScaleForDpi(monitor, workArea);
  const POINT origin = InWorkArea({suggested.left, suggested.top}, {Width(), Height()}, workArea);
  SetBounds(origin.x, origin.y, Width(), Height());
}

void TCustomForm::BoundsChanged() {
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

// A layout's client size is a designed one, inside the frame drawn at 96 DPI.
void TCustomForm::SetClientWidth(int width) { SetWidth(Dpi().WindowSize({width, 0}, FrameStyle, 0).cx); }

void TCustomForm::SetClientHeight(int height) { SetHeight(Dpi().WindowSize({0, height}, FrameStyle, 0).cy); }

std::vector<TWinControl*> TCustomForm::FocusOrder() const {
  std::vector<TWinControl*> order;
  std::function<void(const TWinControl&)> collect = [&](const TWinControl& parent) {
    for (TControl* child : parent.TabList()) {
      auto* windowed = dynamic_cast<TWinControl*>(child);
      if (!windowed) continue;
      if (windowed->TabStop() && windowed->CanFocus()) order.push_back(windowed);
      collect(*windowed);
    }
  };
  collect(*this);
  return order;
}

void TCustomForm::SelectNext(TWinControl* current, bool forward) {
  const std::vector<TWinControl*> order = FocusOrder();
  if (order.empty()) return;
  auto found = std::find(order.begin(), order.end(), current);
  size_t index = found == order.end() ? 0 : static_cast<size_t>(found - order.begin());
  if (found != order.end()) index = forward ? (index + 1) % order.size() : (index + order.size() - 1) % order.size();
  order[index]->SetFocus();
}

void TCustomForm::FocusFirstControl() {
  if (FActiveControl && FActiveControl->CanFocus()) {
    FActiveControl->SetFocus();
    return;
  }
  const std::vector<TWinControl*> order = FocusOrder();
  if (!order.empty()) order.front()->SetFocus();
}

void TCustomForm::Show() {
  HandleNeeded();
  SetVisible(true);
  if (GetForegroundWindow() != Handle()) SetForegroundWindow(Handle());
  FocusFirstControl();
}

// A form is shown active, in one call. Shown first without activation and
// activated after, its frame and its children's edges would be drawn twice,
// each time synchronously: the largest part of the window's first show.
void TCustomForm::VisibleChanged() {
  if (HandleAllocated()) ShowWindow(Handle(), Visible() ? SW_SHOW : SW_HIDE);
}

void TCustomForm::Close() {
  if (Application.MainForm() == this) Application.Terminate();
  SetVisible(false);
}

void TCustomForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE: Close(); return;
    case WM_SETFOCUS: FocusFirstControl(); return;
    case WM_SYSCOMMAND:
      // The low four bits of a window-menu command are the system's own.
      if (SystemCommand(static_cast<UINT>(message.WParam & 0xFFF0))) return;
      break;
    case WM_INITMENUPOPUP:
      if (HIWORD(message.LParam)) SystemMenuOpening(reinterpret_cast<HMENU>(message.WParam));
      break;
    case CM_SHORTCUT:
      message.Result = IsShortCut(static_cast<WORD>(message.WParam), static_cast<TShiftState>(message.LParam));
      return;
    case WM_DROPFILES: DroppedFiles(reinterpret_cast<HDROP>(message.WParam)); return;
    case WM_DPICHANGED:
      DpiChanged(TDpi(LOWORD(message.WParam)), *reinterpret_cast<const RECT*>(message.LParam));
      return;
    case WM_SYSCOLORCHANGE: {
      std::function<void(TWinControl&)> notify = [&](TWinControl& parent) {
        for (int i = 0; i < parent.ControlCount(); ++i) {
          parent.Controls(i)->Perform(CM_SYSCOLORCHANGE);
          if (auto* windowed = dynamic_cast<TWinControl*>(parent.Controls(i))) notify(*windowed);
        }
      };
      notify(*this);
      break;
    }
    default: break;
  }
  TWinControl::WndProc(message);
}

void TCustomForm::DroppedFiles(HDROP drop) {
  std::vector<std::string> names;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    name.resize(DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
    names.push_back(Text::FromWide(name));
  }
  DragFinish(drop);
  DropFiles(names);
}

std::any TCustomForm::FindMethod(const std::string& name) const {
  auto found = FMethods.find(name);
  return found == FMethods.end() ? std::any() : found->second;
}

TCustomForm* GetParentForm(TControl& control) {
  TControl* top = &control;
  while (top->Parent()) top = top->Parent();
  return dynamic_cast<TCustomForm*>(top);
}

template <>
struct EnumNames<TPosition> {
  static constexpr auto names() { return std::array{"poDesigned", "poScreenCenter"}; }
};

const PropertyTable& TCustomForm::PublishedTable() {
  static const PropertyTable table(&TWinControl::PublishedTable(),
                                   {{"Position", Set(&TCustomForm::SetPosition)},
                                    {"ClientWidth", Set(&TCustomForm::SetClientWidth)},
                                    {"ClientHeight", Set(&TCustomForm::SetClientHeight)},
                                    {"OnCreate", Event(&TCustomForm::SetOnCreate)},
                                    {"PixelsPerInch", Ignore()},
                                    {"TextHeight", Ignore()}});
  return table;
}

// ---- TScreen

void TScreen::SetCursor(TCursor cursor) {
  FCursor = cursor;
  ApplyCursor();
}

void TScreen::ApplyCursor() const {
  const LPCWSTR shape =
      FCursor == crHourGlass ? reinterpret_cast<LPCWSTR>(IDC_WAIT) : reinterpret_cast<LPCWSTR>(IDC_ARROW);
  ::SetCursor(LoadCursorW(nullptr, shape));
}

// ---- TApplication

TApplication::TApplication() {
  InstallApplicationHook({[](const std::exception& error) { Application.HandleException(error); },
                          [] {
                            if (Screen.Cursor() == crDefault) return false;
                            Screen.ApplyCursor();
                            return true;
                          }});
}

void TApplication::Initialize() { TThread::InitializeSynchronize(); }

std::string TApplication::ExeName() const {
  wchar_t path[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  return Text::FromWide(std::wstring(path, length));
}

std::string TApplication::CommandLineTail() const { return CommandLineTail(GetCommandLineW()); }

// The program's name ends at the closing quote when it starts with one, else
// at the first blank; that is how Windows itself reads it.
std::string TApplication::CommandLineTail(const std::wstring& commandLine) {
  size_t end = 0;
  if (commandLine.starts_with(L'"')) {
    end = commandLine.find(L'"', 1);
    end = end == std::wstring::npos ? commandLine.size() : end + 1;
  } else {
    end = commandLine.find_first_of(L" \t");
    if (end == std::wstring::npos) end = commandLine.size();
  }
  const size_t first = commandLine.find_first_not_of(L" \t", end);
  if (first == std::wstring::npos) return {};
  const size_t last = commandLine.find_last_not_of(L" \t");
  return Text::FromWide(commandLine.substr(first, last - first + 1));
}

std::string TApplication::TitleFromPath(const std::string& exePath) {
  const size_t slash = exePath.find_last_of("\\/");
  std::string title = exePath.substr(slash == std::string::npos ? 0 : slash + 1);
  title = title.substr(0, title.find('.'));
  // The first character may take two UTF-16 units (a surrogate pair).
  std::wstring wide = Text::ToWide(title);
  const size_t first = !wide.empty() && IS_HIGH_SURROGATE(wide[0]) ? 2 : 1;
  if (wide.size() <= first) return title;
  CharLowerBuffW(wide.data() + first, static_cast<DWORD>(wide.size() - first));
  return Text::FromWide(wide);
}

std::string TApplication::Title() const { return TitleFromPath(ExeName()); }

std::string TApplication::ErrorBoxText(const std::string& message) {
  // Delphi's rule to the letter: a text ending in "?" gets a full stop too, one ending in "!" or ")" does not.
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

void TApplication::HandleException(const std::exception& error) {
  HWND owner = FMainForm && FMainForm->HandleAllocated() ? FMainForm->Handle() : nullptr;
  MessageBoxW(owner, Text::ToWide(ErrorBoxText(error.what())).c_str(), Text::ToWide(Title()).c_str(),
              MB_ICONERROR | MB_OK);
}

bool TApplication::HandleTabKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  TWinControl* control = TWinControl::FromHandle(msg.hwnd);
  if (!control || (SendMessageW(msg.hwnd, WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB)) return false;
  TCustomForm* form = GetParentForm(*control);
  if (!form) return false;
  form->SelectNext(control, GetKeyState(VK_SHIFT) >= 0);
  return true;
}

// Shortcuts go to the form of the control the key was typed in, before the
// control turns the key into a character. They reach the form as a message,
// so that an error raised by the command they start goes to the error box.
bool TApplication::HandleShortCut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  TWinControl* control = TWinControl::FromHandle(msg.hwnd);
  TCustomForm* form = control ? GetParentForm(*control) : nullptr;
  return form && form->HandleAllocated() &&
         SendMessageW(form->Handle(), CM_SHORTCUT, msg.wParam, static_cast<LPARAM>(KeyboardShiftState())) != 0;
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (msg.message == WM_QUIT) {
    FTerminated = true;
    return false;
  }
  if (!HandleTabKey(msg) && !HandleShortCut(msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    if (!ProcessMessage(msg)) break;
}

void TApplication::Run() {
  if (FMainForm && !FTerminated) FMainForm->Show();
  MSG msg;
  while (!FTerminated && GetMessageW(&msg, nullptr, 0, 0) > 0) ProcessMessage(msg);
  FTerminated = true;
  // A worker thread may still want to hand over its result: it must not
  // reach the form that is about to be destroyed.
  TThread::DropPendingSynchronize();
}

void TApplication::Terminate() {
  if (FTerminated) return;
  FTerminated = true;
  PostQuitMessage(0);
}

void TApplication::Reset() {
  FMainForm = nullptr;
  FTerminated = false;
}
