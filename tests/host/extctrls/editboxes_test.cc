// Labeled edits and colour boxes as a user meets them: the label kept
// beside its edit and focusing it, a colour chosen by keyboard, the colour
// lists of the styles, bad values, and form files as real forms have them.
#include "host/extctrls/editboxes.h"
#include "host/extctrls/extctrls.h"
#include "tests/host/extctrls/extctrls_test.h"
#include "tests/support/classicfixture.h"

namespace host::extctrlstest {
namespace {

using namespace testkit;

using EditBoxesTest = TClassicControlsTest<kStdCtrlsAnd<RegisterEditBoxControls, UnregisterEditBoxControls>>;

TEST_F(EditBoxesTest, TheLabelStaysBesideItsEditAndFollowsItsVisibilityAndState) {
  auto* edit = Add<TLabeledEdit>("Name", Bounds(100, 50, 121, 21));
  TBoundLabel* label = edit->GetEditLabel();
  label->SetCaption("&Name:");
  EXPECT_EQ(label->GetParent(), form.get());
  EXPECT_EQ(label->GetFocusControl(), edit);
  EXPECT_EQ(label->GetLeft(), 100);
  EXPECT_EQ(label->GetTop(), 50 - 3 - label->GetHeight()) << "above, LabelSpacing 3 pixels away";
  edit->SetLabelPosition(lpLeft);
  EXPECT_EQ(label->GetLeft() + label->GetWidth(), 100 - 3);
  EXPECT_EQ(label->GetTop(), 50 + (21 - label->GetHeight()) / 2) << "centred on the edit";
  label->SetCaption("A much longer name:");  // the label grows leftwards
  EXPECT_EQ(label->GetLeft() + label->GetWidth(), 100 - 3);
  edit->SetLabelSpacing(8);
  edit->SetLeft(150);
  EXPECT_EQ(label->GetLeft() + label->GetWidth(), 150 - 8);
  edit->SetLabelPosition(lpBelow);
  EXPECT_EQ(label->GetTop(), 50 + 21 + 8);
  edit->SetLabelPosition(lpRight);
  EXPECT_EQ(label->GetLeft(), 150 + 121 + 8);

  edit->SetVisible(false);
  EXPECT_FALSE(label->GetVisible());
  edit->SetVisible(true);
  edit->SetEnabled(false);
  EXPECT_FALSE(label->GetEnabled());
  EXPECT_RAISES(edit->SetLabelPosition(static_cast<TLabelPosition>(4)), EInvalidOperation,
                "Invalid property value (control 'Name')");
  EXPECT_EQ(edit->GetLabelPosition(), lpRight);
}

TEST_F(EditBoxesTest, TheLabelsAcceleratorFocusesTheEditAndTheEditOutlivesItsLabel) {
  auto* other = Add<TEdit>("Other", Bounds(10, 10, 80, 21));
  auto* edit = Add<TLabeledEdit>("Name", Bounds(100, 50, 121, 21));
  edit->GetEditLabel()->SetCaption("&Name:");
  other->SetFocus();
  Robot().Press('N', {ssAlt});
  EXPECT_TRUE(edit->Focused());
  TBoundLabel* label = edit->GetEditLabel();
  FreeAndNil(label);
  EXPECT_EQ(edit->GetEditLabel(), nullptr);
  edit->SetLabelPosition(lpBelow);  // nothing to place
  edit->SetLeft(120);
  EXPECT_EQ(FormText(form.get()).find("EditLabel"), std::string::npos);
}

TEST_F(EditBoxesTest, LabeledEditsOfRealFormsGoThroughAFormFileUnchanged) {
  // The label's size is what the label takes for its caption here.
  TOwned<TLabel> measure(New<TLabel>(nullptr));
  measure->SetCaption("Board size");
  const std::string size = "    EditLabel.Width = " + std::to_string(measure->GetWidth()) +
                           "\n    EditLabel.Height = " + std::to_string(measure->GetHeight()) + "\n";
  const TTextRoundTrip trip = ReadAndWrite(
      "  object EditSize: TLabeledEdit\n    Left = 8\n    Top = 72\n    Width = 121\n    Height = 22\n" + size +
      "    EditLabel.Caption = 'Board size'\n    LabelPosition = lpAbove\n    LabelSpacing = 3\n    TabOrder = 0\n"
      "    Text = '8'\n  end\n"
      "  object ledSecCode: TLabeledEdit\n    Left = 170\n    Top = 8\n    Width = 125\n    Height = 21\n"
      "    Color = clBtnFace\n" +
      size +
      "    EditLabel.Caption = 'Board size'\n    LabelPosition = lpLeft\n"
      "    ReadOnly = True\n    TabOrder = 1\n  end\n"
      "  object lbledt1: TLabeledEdit\n    Left = 8\n    Top = 200\n    Width = 121\n    Height = 21\n" +
      size + "    EditLabel.Caption = 'Board size'\n    TabOrder = 2\n  end\n");
  EXPECT_EQ(trip.Written, trip.Read) << "LabelPosition and LabelSpacing at their defaults only where the file had them";
  auto* edit = trip.Find<TLabeledEdit>("ledSecCode");
  ASSERT_TRUE(edit);
  EXPECT_EQ(edit->GetEditLabel()->GetCaption(), "Board size");
  EXPECT_EQ(edit->GetEditLabel()->GetLeft() + edit->GetEditLabel()->GetWidth(), 170 - 3);
  EXPECT_EQ(trip.Copy->GetComponentCount(), 3) << "the labels belong to their edits";
}

TEST_F(EditBoxesTest, AColourIsChosenByKeyboardAndDrawnAsASwatch) {
  auto* box = Add<TColorBox>("Colors", Bounds(10, 10, 145, 22));
  box->OnChange = Logger("change");
  box->OnSelect = Logger("select");
  EXPECT_EQ(box->GetSelected(), clBlack);
  EXPECT_EQ(box->GetItems()->GetStrings(0), "clBlack");
  box->SetFocus();
  Robot().Press(VK_DOWN);
  EXPECT_EQ(box->GetSelected(), clMaroon);
  Robot().Type("clr");
  EXPECT_EQ(box->GetSelected(), clRed) << "typed letters find the colour by name";
  EXPECT_EQ(box->GetText(), "clRed");
  // Down, then "c" (back to clBlack, the first name starting so) and "clr".
  EXPECT_EQ(log, (std::vector<std::string>{"Colors change", "Colors select", "Colors change", "Colors select",
                                           "Colors change", "Colors select"}));
  TWindowShot shot(box);
  EXPECT_GT(shot.Count(Rect(2, 2, 20, 20), clRed), 100) << "the red swatch";

  box->SetSelected(clBtnFace);
  EXPECT_EQ(box->GetText(), "clBtnFace");
  box->SetSelected(MakeColor(0x123456));
  EXPECT_EQ(box->GetItemIndex(), -1) << "a colour the list does not hold";
  EXPECT_EQ(box->GetSelected(), MakeColor(0x123456));
}

TEST_F(EditBoxesTest, TheStyleSaysWhichColoursAreListedAndHowTheyAreNamed) {
  auto* box = Add<TColorBox>("Colors", Bounds(10, 10, 145, 22));
  EXPECT_EQ(box->GetColorCount(), 16 + 4 + 30) << "standard, extended and system colours";
  box->SetSelected(clGreen);
  box->SetStyle({cbStandardColors, cbIncludeNone, cbIncludeDefault, cbPrettyNames});
  ASSERT_EQ(box->GetColorCount(), 18);
  EXPECT_EQ(box->GetItems()->GetStrings(2), "Green");
  EXPECT_EQ(box->GetColors(16), clNone);
  EXPECT_EQ(box->GetColors(17), clDefault);
  EXPECT_EQ(box->GetSelected(), clGreen) << "the selected colour stays when still listed";
  box->SetStyle({cbCustomColor, cbStandardColors});
  EXPECT_EQ(box->GetItems()->GetStrings(0), "Custom...");
  box->SetSelected(MakeColor(0x123456));
  EXPECT_EQ(box->GetItemIndex(), 0) << "the custom entry takes a colour not listed";
  EXPECT_EQ(box->GetColors(0), MakeColor(0x123456));

  EXPECT_RAISES(box->GetColors(17), EStringListError, "List index out of bounds (17)");
  EXPECT_EQ(box->GetColorCount(), 17);
}

TEST_F(EditBoxesTest, ColourBoxesOfRealFormsGoThroughAFormFileUnchanged) {
  const TTextRoundTrip trip = ReadAndWrite(
      "  object CBSquare: TColorBox\n    Left = 72\n    Top = 14\n    Width = 145\n    Height = 22\n"
      "    TabOrder = 0\n  end\n"
      "  object CBGrid: TColorBox\n    Left = 72\n    Top = 88\n    Width = 145\n    Height = 22\n"
      "    DefaultColorColor = clRed\n    NoneColorColor = clWhite\n    Selected = clNone\n"
      "    Style = [cbStandardColors, cbIncludeNone, cbPrettyNames]\n    TabOrder = 1\n  end\n");
  EXPECT_EQ(trip.Written, trip.Read);
  auto* grid = trip.Find<TColorBox>("CBGrid");
  ASSERT_TRUE(grid);
  EXPECT_EQ(grid->GetText(), "None") << "selected among the colours of the style read after it";
}

}  // namespace
}  // namespace host::extctrlstest
