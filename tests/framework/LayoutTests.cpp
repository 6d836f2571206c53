// The stored layout's text format and the reader that builds a form from it.
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/Forms.h"
#include "framework/Layout.h"
#include "framework/StdCtrls.h"
#include "framework/SysUtils.h"
#include "tests/support/BitmapPixel.h"

using klangor::test::pixelOf;

namespace {

const LayoutValue& ValueOf(const LayoutObject& object, const std::string& path) {
  for (const LayoutProperty& property : object.properties)
    if (property.path == path) return property.value;
  throw std::runtime_error("no property " + path);
}

std::string ErrorOf(const std::string& text) {
  try {
    ParseLayout(text);
  } catch (const ELayoutError& error) {
    return error.what();
  }
  return "";
}

// A form that reads a layout given as text, with one published handler.
class TTestForm : public TForm {
 public:
  explicit TTestForm(const std::string& layout) : TForm(nullptr) {
    Publish<TNotifyEvent>("Clicked", [this](TObject*) { ++clicks; });
    static const bool registered = (RegisterStandardControls(), true);
    (void)registered;
    LayoutReader::Read(ParseLayout(layout), *this);
  }
  int clicks = 0;
};

}  // namespace

TEST(LayoutText, ReadsEveryKindOfValue) {
  const LayoutObject root = ParseLayout(
      "object Form1: TForm1\r\n"
      "  Width = 723\r\n"
      "  Left = -4\r\n"
      "  Angle = -3.0\r\n"
      "  Caption = 'Termin'#233' / Done'\r\n"
      "  Quote = 'Valeurs d''origine'\r\n"
      "  Long = 'first part '\r\n"
      "    + 'second part'\r\n"
      "  Color = clBtnFace\r\n"
      "  Font.Style = [fsBold, fsItalic]\r\n"
      "  Empty = []\r\n"
      "  Lines = ('a' 'b'#233)\r\n"
      "  object Child: TLabel\r\n"
      "  end\r\n"
      "end\r\n");
  EXPECT_EQ(root.name, "Form1");
  EXPECT_EQ(root.className, "TForm1");
  EXPECT_EQ(ValueOf(root, "Width").AsInteger(), 723);
  EXPECT_EQ(ValueOf(root, "Left").AsInteger(), -4);
  EXPECT_DOUBLE_EQ(ValueOf(root, "Angle").AsFloat(), -3.0);
  EXPECT_EQ(ValueOf(root, "Caption").AsString(), "Terminé / Done");
  EXPECT_EQ(ValueOf(root, "Quote").AsString(), "Valeurs d'origine");
  EXPECT_EQ(ValueOf(root, "Long").AsString(), "first part second part");
  EXPECT_EQ(ValueOf(root, "Color").AsIdentifier(), "clBtnFace");
  EXPECT_EQ(ValueOf(root, "Font.Style").items, (std::vector<std::string>{"fsBold", "fsItalic"}));
  EXPECT_TRUE(ValueOf(root, "Empty").items.empty());
  EXPECT_EQ(ValueOf(root, "Lines").items, (std::vector<std::string>{"a", "bé"}));
  ASSERT_EQ(root.children.size(), 1u);
  EXPECT_EQ(root.children[0].name, "Child");
  EXPECT_EQ(ValueOf(root, "Lines").line, 12);
}

TEST(LayoutText, MalformedTextNamesTheLine) {
  EXPECT_NE(ErrorOf("object A: TForm\n  Caption = 'open\nend\n").find("line 2"), std::string::npos);
  EXPECT_NE(ErrorOf("object A: TForm\n  Width = 12x\nend\n").find("line 2"), std::string::npos);
  EXPECT_NE(ErrorOf("object A: TForm\n  Width = 1\n").find("missing 'end'"), std::string::npos);
  EXPECT_NE(ErrorOf("object A: TForm\nend\nend\n").find("line 3"), std::string::npos);
  EXPECT_NE(ErrorOf("object A: TForm\n  Caption = #1114112\nend\n").find("line 2"), std::string::npos);
}

TEST(LayoutReader, BuildsComponentsWithOwnerParentAndProperties) {
  TTestForm form(
      "object F: TForm\n"
      "  Caption = 'Klangor'\n"
      "  object Box: TGroupBox\n"
      "    Left = 10\n"
      "    object Tick: TCheckBox\n"
      "      Caption = 'EnableEQOnCars'\n"
      "      Checked = True\n"
      "      Font.Style = [fsBold]\n"
      "      OnClick = Clicked\n"
      "    end\n"
      "  end\n"
      "  object Field: TEdit\n"
      "    Text = 'x'\n"
      "  end\n"
      "end\n");
  ASSERT_EQ(form.ComponentCount(), 3);
  auto* box = dynamic_cast<TGroupBox*>(form.Components(0));
  auto* tick = dynamic_cast<TCheckBox*>(form.Components(1));
  auto* field = dynamic_cast<TEdit*>(form.Components(2));
  ASSERT_TRUE(box && tick && field);
  EXPECT_EQ(form.Name(), "F");
  EXPECT_EQ(form.Caption(), "Klangor");
  EXPECT_EQ(box->Left(), 10);
  EXPECT_EQ(tick->Parent(), box);
  EXPECT_EQ(field->Parent(), &form);
  EXPECT_TRUE(tick->Checked());
  EXPECT_TRUE(tick->Font().Style().Contains(fsBold));
  EXPECT_FALSE(tick->ParentFont());
  EXPECT_EQ(field->Text(), "x");
  Raise(tick->OnClick, tick);
  EXPECT_EQ(form.clicks, 1);
}

TEST(LayoutReader, UnknownNamesStopTheReadingNamingThem) {
  const std::pair<std::string, std::string> cases[] = {
      {"object F: TForm\n  object X: TNoSuchClass\n  end\nend\n", "unknown class TNoSuchClass"},
      {"object F: TForm\n  object E: TEdit\n    Colour = clRed\n  end\nend\n", "E has no property Colour"},
      {"object F: TForm\n  object E: TEdit\n    Color = clNoSuch\n  end\nend\n", "E.Color"},
      {"object F: TForm\n  object E: TEdit\n    Width = 'wide'\n  end\nend\n", "line 3"},
      {"object F: TForm\n  object E: TEdit\n    OnClick = NoHandler\n  end\nend\n", "E.OnClick"},
      {"object F: TForm\n  object E: TEdit\n    Font.Style = [fsNoSuch]\n  end\nend\n", "E.Font.Style"},
  };
  for (const auto& [layout, expected] : cases) {
    try {
      TTestForm form(layout);
      ADD_FAILURE() << "no error for " << layout;
    } catch (const ELayoutError& error) {
      EXPECT_NE(std::string(error.what()).find(expected), std::string::npos) << error.what();
    }
  }
}

TEST(Label, AutoSizeLeavesRoomForTheInkOfEveryLetter) {
  TTestForm form("object F: TForm\n  Font.Name = 'MS Sans Serif'\n  Font.Height = -11\nend\n");
  form.HandleNeeded();
  for (const char* caption : {"BlowOffValve", "Liste des fichiers / List of files", "Terminé / Done", "0.25"}) {
    TLabel label(nullptr);
    label.SetParent(&form);
    label.SetCaption(caption);
    TBitmap ink;
    ink.SetSize(label.Width() + 40, label.Height());
    ink.Canvas().Brush().Color = clWhite;
    ink.Canvas().FillRect({0, 0, ink.Width(), ink.Height()});
    ink.Canvas().Font().Assign(label.Font());
    ink.Canvas().Brush().Style = bsClear;
    ink.Canvas().TextOut(0, 0, caption);
    int right = -1;
    for (int y = 0; y < ink.Height(); ++y)
      for (int x = 0; x < ink.Width(); ++x)
        if (pixelOf(ink, x, y) != RGB(255, 255, 255)) right = std::max(right, x);
    EXPECT_LT(right, label.Width()) << caption;
    label.SetParent(nullptr);
  }
}
