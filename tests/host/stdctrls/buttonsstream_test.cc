// The button group in form files: each control's own properties written
// when they differ from the classic defaults and read back, a scroll bar's
// range taken whole whatever order it is read in, a bad one refused.
#include "tests/host/stdctrls/buttons_test.h"

namespace host::stdctrlstest {
namespace {

// The lines of the object Name in a form's text.
std::string Block(const std::string& Text, const std::string& Name) {
  const std::size_t start = Text.find("object " + Name + ":");
  return start == std::string::npos ? "" : Text.substr(start, Text.find("end\n", start) - start);
}

TEST_F(ButtonsTest, ButtonControlsRoundTripTheirOwnPropertiesThroughAFormFile) {
  auto* ok = Add<TButton>(form.get(), "Ok", Bounds(10, 10, 75, 25));
  ok->SetCaption("OK");
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  Add<TButton>(form.get(), "Plain", Bounds(90, 10, 75, 25));
  auto* box = Add<TCheckBox>(form.get(), "Box", Bounds(10, 40, 97, 17));
  box->SetAllowGrayed(true);
  box->SetState(cbGrayed);
  box->SetAlignment(taLeftJustify);
  auto* radio = Add<TRadioButton>(form.get(), "Radio", Bounds(10, 60, 113, 17));
  radio->SetChecked(true);
  radio->SetWordWrap(true);
  auto* bar = Add<TScrollBar>(form.get(), "Bar", Bounds(200, 10, 17, 121));
  bar->SetKind(sbVertical);
  bar->SetBounds(200, 10, 17, 121);
  bar->SetParams(250, 150, 300);  // read one by one, Min alone would lie above the default Max
  bar->SetPageSize(5);
  bar->SetLargeChange(10);

  const auto [binary, text] = RoundTrip(form.get());
  EXPECT_EQ(Block(text, "Ok"),
            "object Ok: TButton\n    Left = 10\n    Top = 10\n    Width = 75\n    Height = 25\n"
            "    Caption = 'OK'\n    Default = True\n    ModalResult = 1\n    TabOrder = 0\n  ");
  EXPECT_EQ(Block(text, "Plain").find("TabStop"), std::string::npos) << "a button stops at Tab by default";
  EXPECT_NE(Block(text, "Box").find("    Alignment = taLeftJustify\n    AllowGrayed = True\n    State = cbGrayed\n"),
            std::string::npos)
      << text;
  EXPECT_NE(Block(text, "Radio").find("    Checked = True\n    TabOrder = 3\n    TabStop = True\n"), std::string::npos)
      << text;
  EXPECT_NE(Block(text, "Bar")
                .find("    Kind = sbVertical\n    LargeChange = 10\n    Max = 300\n    Min = 150\n"
                      "    PageSize = 5\n    Position = 250\n"),
            std::string::npos)
      << text;

  TOwned<TTestForm> copy = ReadNewRoot<TTestForm>(binary);
  auto* bar2 = As<TScrollBar>(copy->FindComponent("Bar"));
  auto* box2 = As<TCheckBox>(copy->FindComponent("Box"));
  auto* ok2 = As<TButton>(copy->FindComponent("Ok"));
  ASSERT_TRUE(bar2 && box2 && ok2);
  EXPECT_EQ(bar2->GetBoundsRect(), Bounds(200, 10, 17, 121)) << "a kind read from a file turns no sides";
  EXPECT_EQ(bar2->GetPosition(), 250);
  EXPECT_EQ(bar2->GetMin(), 150);
  EXPECT_EQ(box2->GetState(), cbGrayed);
  EXPECT_EQ(ok2->GetModalResult(), mrOk);
  EXPECT_EQ(FormText(copy.get()), text);
}

TEST_F(ButtonsTest, AScrollBarRangeReadFromAFormFileIsCheckedWhole) {
  const std::string bad =
      "object Form: TTestForm\n"
      "  object Bar: TScrollBar\n"
      "    Min = 10\n"
      "    Max = 5\n"
      "  end\n"
      "end\n";
  const std::string message = RaisedMessage([&] { ReadNewRoot<TTestForm>(TextToBinary(bad)); });
  EXPECT_NE(message.find("Scroll bar property out of range"), std::string::npos) << message;
}

}  // namespace
}  // namespace host::stdctrlstest
