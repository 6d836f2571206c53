// The standard controls: the label its parent draws, the native edit box and
// check box, and the group box that frames a set of controls.
#pragma once

#include "framework/Controls.h"

// A caption drawn by its parent, without a window of its own, measured and
// drawn by the same call. With AutoSize it takes the size of its text. A
// window per label would be most of a form's windows, and creating them most
// of its start-up time.
class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);

  void SetAutoSize(bool autoSize);
  void Loaded() override { AdjustSize(); }

  PUBLISHED_PROPERTIES;

 protected:
  void Paint() override;
  void CaptionChanged() override;
  void FontChanged() override;
  // Measured again: a parent-font label took its new font before its bounds
  // were scaled.
  void ScaleChanged(TDpi) override { AdjustSize(); }

 private:
  void AdjustSize();
  void DrawCaption(HDC dc, RECT& bounds, UINT extraFormat);
  bool FAutoSize = true;
};

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);

  // The text as the user has typed it.
  std::string Text() const { return Caption(); }
  void SetText(const std::string& text) { SetCaption(text); }
  std::string Caption() const override;
  // The most characters the user can type or paste; 0 for the control's own
  // limit. Texts set by the program are not cut.
  void SetMaxLength(int maxLength);

  PUBLISHED_PROPERTIES;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& message) override;
  void FontChanged() override;

 private:
  int FMaxLength = 0;
};

class TCheckBox : public TWinControl {
 public:
  explicit TCheckBox(TComponent* owner);

  bool Checked() const;
  void SetChecked(bool checked);

  PUBLISHED_PROPERTIES;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  void WndProc(TMessage& message) override;

 private:
  bool FChecked = false;
};

// Draws its own etched frame and caption so that its inside is painted in
// its colour like the window around it.
class TGroupBox : public TCustomControl {
 public:
  explicit TGroupBox(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void CaptionChanged() override { Invalidate(); }
};

// Registers the classes above with the layout reader.
void RegisterStandardControls();
