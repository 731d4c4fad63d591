// The rich edit as a user and a program meet it: typed text and moves of
// the caret edit its lines as in a memo; DefAttributes shows through the
// font while SelAttributes only keeps its values; Paragraph aligns the
// text; its properties and lines go through a form file and back.
#include "tests/host/comctrls/comctrls_test.h"
#include "tests/support/raises.h"

namespace host::comctrlstest {
namespace {

using RichEditTest = ComCtrlsTest;

TEST_F(RichEditTest, TypingAndCaretKeysEditTheLines) {
  TRichEdit* rich = Add<TRichEdit>(form.get(), "Rich", Bounds(10, 10, 200, 100));
  int changes = 0;
  rich->OnChange = [&](TObject*) { ++changes; };
  Robot().Click(Center(rich));
  ASSERT_TRUE(rich->Focused());
  Robot().Type("Hello\nWorld");
  ASSERT_EQ(rich->GetLines()->GetCount(), 2);
  EXPECT_EQ(rich->GetLines()->GetStrings(1), "World");
  Robot().Press(VK_UP);
  Robot().Press(VK_HOME);
  Robot().Type("Say ");
  EXPECT_EQ(rich->GetLines()->GetStrings(0), "Say Hello");
  EXPECT_EQ(rich->GetCaretPos().X, 4);
  EXPECT_GT(changes, 10);
  rich->SetReadOnly(true);
  Robot().Type("x");
  EXPECT_EQ(rich->GetText(), "Say Hello\r\nWorld") << "read-only";
}

TEST_F(RichEditTest, FormatsAndAlignmentAndAFormFileRoundTrip) {
  TRichEdit* rich = Add<TRichEdit>(form.get(), "Rich", Bounds(10, 10, 200, 100));
  rich->GetDefAttributes()->SetColor(clRed);
  rich->GetDefAttributes()->SetStyle(TFontStyles{fsBold});
  EXPECT_EQ(rich->GetFont()->GetColor(), clRed) << "the default format is the font's";
  EXPECT_EQ(rich->GetFont()->GetStyle(), TFontStyles{fsBold});
  rich->GetSelAttributes()->SetSize(20);
  rich->GetSelAttributes()->SetName("Courier New");
  EXPECT_EQ(rich->GetSelAttributes()->GetSize(), 20);
  EXPECT_EQ(rich->GetSelAttributes()->GetName(), "Courier New");
  EXPECT_NE(rich->GetFont()->GetSize(), 20) << "the selection's format is kept apart";
  rich->GetParagraph()->SetAlignment(taCenter);
  EXPECT_EQ(rich->GetAlignment(), taCenter);
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([&] { rich->GetParagraph()->SetNumbering(TNumberingStyle(7)); }),
            "Invalid property value (control 'Rich')");
  EXPECT_EQ(rich->GetParagraph()->GetNumbering(), nsNone);

  rich->GetLines()->SetTextStr("{\\rtf1 raw}\r\nsecond");
  rich->SetPlainText(true);
  rich->SetHideScrollBars(false);
  rich->SetScrollBars(ssVertical);
  rich->SetWordWrap(false);
  const TFormRoundTrip file = RoundTrip(form.get());
  for (const char* expected : {"object Rich: TRichEdit", "Alignment = taCenter", "HideScrollBars = False",
                               "PlainText = True", "ScrollBars = ssVertical", "WordWrap = False", "'{\\rtf1 raw}'"})
    EXPECT_NE(file.Text.find(expected), std::string::npos) << expected << "\n" << file.Text;
  EXPECT_LT(file.Text.find("Lines.Strings"), file.Text.find("PlainText"));
  TOwned<THolder> copy = ReadNewRoot<THolder>(file.Binary);
  auto* back = dynamic_cast<TRichEdit*>(copy->FindComponent("Rich"));
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->GetLines()->GetStrings(0), "{\\rtf1 raw}") << "RTF stays raw text";
  EXPECT_TRUE(back->GetPlainText());
  EXPECT_FALSE(back->GetHideScrollBars());
  EXPECT_EQ(back->GetParagraph()->GetAlignment(), taCenter);
  EXPECT_EQ(FormText(copy.get()), file.Text);
}

}  // namespace
}  // namespace host::comctrlstest
