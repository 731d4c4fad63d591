// The text controls in form files: their own properties and the shared
// ones with the classic defaults (only what differs is written), a memo's
// lines as the nested "Lines.Strings", a label's FocusControl by name, and
// controls inside a group box, through the text form and back.
#include "tests/host/stdctrls/texts_test.h"

namespace host::stdctrlstest {
namespace {

class TextStreaming : public TextsTest {};

// The part of a text form that describes the object called Name.
std::string Block(const std::string& Text, const std::string& Name) {
  const std::size_t start = Text.find("object " + Name + ":");
  return start == std::string::npos ? "" : Text.substr(start, Text.find(" end\n", start) - start);
}

TEST_F(TextStreaming, AFormWithALabelAnEditAndAMemoRoundTrips) {
  TEdit* edit = Place<TEdit>("Edit1", Bounds(100, 10, 120, 21));
  edit->SetText("abc");
  edit->SetMaxLength(10);
  edit->SetCharCase(ecUpperCase);
  edit->SetPasswordChar('*');
  TLabel* label = Place<TLabel>("Label1", Bounds(10, 10, 60, 17));
  label->SetCaption("&Name");
  label->SetFocusControl(edit);
  label->SetLayout(tlCenter);
  TMemo* memo = Place<TMemo>("Memo1", Bounds(10, 40, 200, 80));
  memo->GetLines()->Add("first line");
  memo->GetLines()->Add("it's second");
  memo->SetWantTabs(true);
  memo->SetScrollBars(ssVertical);
  TGroupBox* group = Place<TGroupBox>("Group1", Bounds(10, 130, 200, 100));
  group->SetCaption("Group");
  Place<TStaticText>("Static1", Bounds(10, 20, 50, 17), group)->SetBorderStyle(sbsSingle);

  const auto [binary, text] = RoundTrip(form.get());
  const std::string editBlock = Block(text, "Edit1");
  EXPECT_NE(editBlock.find("CharCase = ecUpperCase"), std::string::npos) << text;
  EXPECT_NE(editBlock.find("MaxLength = 10"), std::string::npos) << text;
  EXPECT_NE(editBlock.find("Text = 'ABC'"), std::string::npos) << text;
  for (const char* classicDefault : {"TabStop", "Color", "ParentColor"})
    EXPECT_EQ(editBlock.find(classicDefault), std::string::npos) << classicDefault << " by default: " << text;
  const std::string labelBlock = Block(text, "Label1");
  EXPECT_NE(labelBlock.find("Caption = '&Name'"), std::string::npos) << text;
  EXPECT_NE(labelBlock.find("FocusControl = Edit1"), std::string::npos) << text;
  EXPECT_EQ(labelBlock.find("AutoSize"), std::string::npos) << "on by default: " << text;
  const std::string memoBlock = Block(text, "Memo1");
  EXPECT_NE(memoBlock.find("Lines.Strings = (\n      'first line'\n      'it'#39's second')"), std::string::npos)
      << text;
  EXPECT_EQ(memoBlock.find("WantReturns"), std::string::npos) << text;
  EXPECT_EQ(memoBlock.find("Text ="), std::string::npos) << "a memo writes its lines only: " << text;

  TOwned<TTextForm> copy = ReadNewRoot<TTextForm>(binary);
  auto* readEdit = dynamic_cast<TEdit*>(copy->FindComponent("Edit1"));
  auto* readLabel = dynamic_cast<TLabel*>(copy->FindComponent("Label1"));
  auto* readMemo = dynamic_cast<TMemo*>(copy->FindComponent("Memo1"));
  auto* readStatic = dynamic_cast<TStaticText*>(copy->FindComponent("Static1"));
  ASSERT_TRUE(readEdit && readLabel && readMemo && readStatic);
  EXPECT_EQ(readEdit->GetText(), "ABC");
  EXPECT_EQ(readEdit->GetPasswordChar(), '*');
  EXPECT_EQ(readLabel->GetFocusControl(), readEdit);
  EXPECT_EQ(readLabel->GetLayout(), tlCenter);
  EXPECT_EQ(readMemo->GetText(), "first line\r\nit's second");
  EXPECT_TRUE(readMemo->GetWantTabs());
  EXPECT_EQ(readStatic->GetParent(), copy->FindComponent("Group1"));
  EXPECT_EQ(readStatic->GetBorderStyle(), sbsSingle);
  EXPECT_EQ(FormText(copy.get()), text);
}

}  // namespace
}  // namespace host::stdctrlstest
