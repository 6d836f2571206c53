#include "framework/StdCtrls.h"

#include "framework/Layout.h"
#include "framework/Text.h"

// ---- TLabel

// No OnClick, as the native static window a label once was sent none.
TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) { FClickOnRelease = false; }

void TLabel::SetAutoSize(bool autoSize) {
  FAutoSize = autoSize;
  AdjustSize();
}

// The parent's device context is saved around each graphic control's
// painting, so the font needs no restoring here: under Wine each font
// selection into a screen or window DC costs a look-up of X resources.
void TLabel::Paint() {
  const HDC dc = Canvas().Handle();
  SelectObject(dc, Font().Handle());
  SetTextColor(dc, ColorToRGB(Font().Color()));
  RECT client = ClientRect();
  DrawCaption(dc, client, 0);
}

// Measuring and painting go through the same call, so an auto-sized label
// always holds its whole text. The label's font is selected into `dc`.
void TLabel::DrawCaption(HDC dc, RECT& bounds, UINT extraFormat) {
  SetBkMode(dc, TRANSPARENT);
  const std::wstring text = Text::ToWide(Caption());
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
            DT_LEFT | DT_NOPREFIX | DT_SINGLELINE | extraFormat);
}

void TLabel::AdjustSize() {
  if (!FAutoSize || Loading()) return;
  // A memory DC measures as the screen does; under Wine a font selected into
  // it looks up no X resources, as one selected into the screen's DC does.
  static const TMemoryDC measuring;
  const HDC dc = measuring.Handle();
  const TSelectObject font(dc, Font().Handle());
  RECT bounds{0, 0, 0, 0};
  DrawCaption(dc, bounds, DT_CALCRECT);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  // The measurement adds up advance widths, but a substituted, anti-aliased
  // face (as Wine renders "MS Sans Serif") can put the last letter's ink up to
  // half a character further; without that room the letter is clipped.
  const int inkRoom = bounds.right > 0 ? metrics.tmAveCharWidth / 2 + 1 : 0;
  SetBounds(Left(), Top(), bounds.right + inkRoom, metrics.tmHeight);
}

void TLabel::CaptionChanged() {
  AdjustSize();
  Invalidate();
}

void TLabel::FontChanged() {
  AdjustSize();
  Invalidate();
}

const PropertyTable& TLabel::PublishedTable() {
  static const PropertyTable table(&TControl::PublishedTable(),
                                   {{"AutoSize", Set(&TLabel::SetAutoSize)}, {"Transparent", Ignore()}});
  return table;
}

// ---- TEdit

TEdit::TEdit(TComponent* owner) : TWinControl(owner) { SetColor(clWindow); }

void TEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = L"EDIT";
  params.OwnClass = false;
  params.Style |= ES_AUTOHSCROLL | ES_LEFT;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::SetMaxLength(int maxLength) {
  if (maxLength < 0) return;
  FMaxLength = maxLength;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength), 0);
}

void TEdit::InitializeWnd() {
  TWinControl::InitializeWnd();
  SetMaxLength(FMaxLength);
}

std::string TEdit::Caption() const {
  auto* self = const_cast<TEdit*>(this);
  if (!self->HandleAllocated()) return TWinControl::Caption();
  HWND window = self->Handle();
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Text::FromWide(text);
}

void TEdit::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_CTLCOLOREDIT) {
    message.Result = ColorAnswer(message.WParam, Color());
    return;
  }
  TWinControl::WndProc(message);
}

void TEdit::FontChanged() {
  TWinControl::FontChanged();
  Invalidate();  // a new font colour shows only when the text is drawn again
}

const PropertyTable& TEdit::PublishedTable() {
  static const PropertyTable table(
      &TWinControl::PublishedTable(),
      {{"Text", Set(&TEdit::SetText)}, {"MaxLength", Set(&TEdit::SetMaxLength)}, {"AutoSize", Ignore()}});
  return table;
}

// ---- TCheckBox

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {}

bool TCheckBox::Checked() const {
  auto* self = const_cast<TCheckBox*>(this);
  if (!self->HandleAllocated()) return FChecked;
  return SendMessageW(self->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked) {
  FChecked = checked;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ClassName = L"BUTTON";
  params.OwnClass = false;
  params.Style |= BS_AUTOCHECKBOX;
}

void TCheckBox::InitializeWnd() {
  TWinControl::InitializeWnd();
  SetChecked(FChecked);
}

void TCheckBox::WndProc(TMessage& message) {
  if (message.Msg == CN_BASE + WM_COMMAND) {
    if (HIWORD(message.WParam) == BN_CLICKED) Click();
    return;
  }
  // A check box shows no colour of its own: it stands on its parent's.
  if (message.Msg == CN_BASE + WM_CTLCOLORSTATIC || message.Msg == CN_BASE + WM_CTLCOLORBTN) {
    message.Result = ColorAnswer(message.WParam, Parent()->Color());
    return;
  }
  TWinControl::WndProc(message);
}

const PropertyTable& TCheckBox::PublishedTable() {
  static const PropertyTable table(&TWinControl::PublishedTable(), {{"Checked", Set(&TCheckBox::SetChecked)}});
  return table;
}

// ---- TGroupBox

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
  SetTabStop(false);
  FClickOnRelease = false;
}

void TGroupBox::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.ClassName = L"TGroupBox";
  params.Style |= WS_CLIPCHILDREN;
  params.Style &= ~WS_TABSTOP;
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TGroupBox::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(Font());
  canvas.Brush().Color = Color();
  canvas.Brush().Style = bsSolid;
  const RECT client = ClientRect();
  canvas.FillRect(client);
  const int textHeight = canvas.TextHeight("0");
  RECT frame{0, textHeight / 2, client.right, client.bottom};
  DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
  if (!Caption().empty()) canvas.TextOut(Dpi().Scale(8), 0, Caption());
}

void RegisterStandardControls() {
  ClassRegistry::Register<TLabel>("TLabel");
  ClassRegistry::Register<TEdit>("TEdit");
  ClassRegistry::Register<TCheckBox>("TCheckBox");
  ClassRegistry::Register<TGroupBox>("TGroupBox");
}
