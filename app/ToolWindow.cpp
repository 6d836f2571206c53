#include "app/ToolWindow.h"

#include <algorithm>

#include "app/Clipboard.h"
#include "framework/Dpi.h"
#include "framework/Text.h"

namespace {

// The first size at 96 DPI, and the offset from the main window's corner.
constexpr int DesignWidth = 760, DesignHeight = 460, DesignOffset = 40;
// The system's 9-point message text, at 96 DPI.
constexpr int FontPixels = 12;
constexpr int Margin = 4;

// The face the system shows its messages in.
std::string MessageFace() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return "Arial";
  return Text::FromWide(metrics.lfMessageFont.lfFaceName);
}

}  // namespace

TToolWindow::TToolWindow(TWinControl& mainWindow, const std::string& caption, TMainShortcuts mainShortcuts)
    : TCustomForm(nullptr), FMainWindow(mainWindow), FMainShortcuts(std::move(mainShortcuts)) {
  SetCaption(caption);
  Font().SetName(MessageFace());
}

void TToolWindow::Fill(const std::vector<TWinControl*>& contents, const std::vector<std::string>& lines) {
  FContents = contents;
  for (TWinControl* content : contents) content->SetParent(this);
  for (const std::string& line : lines) {
    auto* label = new TLabel(this);
    label->SetParent(this);
    label->SetCaption(line);
    FLines.push_back(label);
  }
}

void TToolWindow::CreateParams(TCreateParams& params) {
  TCustomForm::CreateParams(params);
  params.Parent = FMainWindow.Handle();
  params.Style |= WS_THICKFRAME | WS_MAXIMIZEBOX;
  params.ExStyle &= ~WS_EX_APPWINDOW;
}

void TToolWindow::InitializeWnd() {
  TCustomForm::InitializeWnd();
  ApplyDpi(TDpi::OfWindow(Handle()).PixelsPerInch());
}

void TToolWindow::Open() {
  if (!HandleAllocated()) {
    const TDpi dpi = TDpi::OfWindow(FMainWindow.Handle());
    RECT main{};
    GetWindowRect(FMainWindow.Handle(), &main);
    const int offset = dpi.Scale(DesignOffset);
    SetBounds(main.left + offset, main.top + offset, dpi.Scale(DesignWidth), dpi.Scale(DesignHeight));
    HandleNeeded();
  }
  Opening();
  Show();
}

void TToolWindow::Close() {
  TCustomForm::Close();
  if (FMainWindow.HandleAllocated() && IsWindowVisible(FMainWindow.Handle())) SetForegroundWindow(FMainWindow.Handle());
}

bool TToolWindow::IsShortCut(WORD key, TShiftState shift) {
  shift &= ssShift | ssCtrl | ssAlt;
  if (key == VK_ESCAPE && shift == 0) {
    Close();
    return true;
  }
  if (key == 'C' && shift == ssCtrl) {
    CopyToClipboard(Handle(), CopyText());
    return true;
  }
  return FMainShortcuts && FMainShortcuts(key, shift);
}

int TToolWindow::Scaled(int length) const { return TDpi(FDpi).Scale(length); }

void TToolWindow::ApplyDpi(int dpi) {
  FDpi = dpi;
  Font().SetHeight(-Scaled(FontPixels));
  DpiChanged();
  Arrange();
}

// The lines keep their own height at the bottom, as wide as the window: a
// line sized to its text would cut the last letter's ink in some faces. The
// contents share the rest.
void TToolWindow::Arrange() {
  if (!HandleAllocated() || FContents.empty()) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  const int width = static_cast<int>(client.right), lineWidth = std::max(0, width - 2 * Scaled(Margin));
  int bottom = static_cast<int>(client.bottom);
  for (auto line = FLines.rbegin(); line != FLines.rend(); ++line) {
    bottom -= (*line)->Height();
    (*line)->SetBounds(Scaled(Margin), bottom, lineWidth, (*line)->Height());
  }
  if (!FLines.empty()) bottom -= Scaled(Margin);
  const int count = static_cast<int>(FContents.size()), height = std::max(0, bottom) / count;
  for (int i = 0; i < count; ++i) FContents[static_cast<size_t>(i)]->SetBounds(0, i * height, width, height);
}

void TToolWindow::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      TCustomForm::WndProc(message);
      Arrange();
      return;
    case WM_DPICHANGED: {
      const RECT& suggested = *reinterpret_cast<const RECT*>(message.LParam);
      SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      ApplyDpi(HIWORD(message.WParam));
      return;
    }
    default: TCustomForm::WndProc(message);
  }
}
