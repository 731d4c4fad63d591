// Bit and speed buttons through form files: the property sets real form
// files give them read into live buttons and written back, a kind's
// settings not written, and the unit's start-up.
#include <algorithm>

#include "tests/host/buttons/buttons_test.h"

namespace host::buttonstest {
namespace {

// The lines of Text in name order: what a form says, whatever the order.
std::vector<std::string> SortedLines(const std::string& Text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < Text.size();) {
    const std::size_t end = Text.find('\n', start);
    lines.push_back(Text.substr(start, end - start));
    start = end == std::string::npos ? Text.size() : end + 1;
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

TEST_F(ButtonsTest, SpeedButtonsOfRealFormsAndOfEveryPropertyGoThroughAFormFileUnchanged) {
  const TTextRoundTrip corpus = ReadAndWrite(
      "  object BtnOK: TSpeedButton\n    Left = 8\n    Top = 200\n    Width = 89\n    Height = 25\n"
      "    Caption = 'OK'\n    Flat = True\n  end\n");
  EXPECT_EQ(corpus.Written, corpus.Read);
  const TTextRoundTrip all = ReadAndWrite(
      "  object Bold: TSpeedButton\n    Left = 8\n    Top = 8\n    Width = 23\n    Height = 22\n"
      "    AllowAllUp = True\n    GroupIndex = 4\n    Down = True\n    Caption = 'B'\n"
      "    Layout = blGlyphTop\n    Margin = 2\n    NumGlyphs = 2\n    Spacing = -1\n    Transparent = False\n"
      "  end\n");
  EXPECT_EQ(all.Written, all.Read);
}

TEST_F(ButtonsTest, BitButtonsOfRealFormsKeepEveryPropertyAndWriteNoneTheirKindGives) {
  // As a classic form has them: a kind with a caption of its own, a custom
  // button with its glyph. The host writes a button's Cancel, Default and
  // ModalResult after its TabOrder, so only the order may differ.
  const TTextRoundTrip trip = ReadAndWrite(
      "  object BitBtnOK: TBitBtn\n    Left = 263\n    Top = 16\n    Width = 89\n    Height = 32\n"
      "    Caption = 'Apply'\n    Kind = bkOK\n    NumGlyphs = 2\n    TabOrder = 1\n  end\n"
      "  object BitBtnCancel: TBitBtn\n    Left = 263\n    Top = 73\n    Width = 89\n    Height = 32\n"
      "    Cancel = True\n    Caption = 'Cancel'\n    Default = True\n    ModalResult = 2\n    TabOrder = 0\n  end\n"
      "  object BitBtnHelp: TBitBtn\n    Left = 263\n    Top = 120\n    Width = 89\n    Height = 32\n"
      "    Kind = bkHelp\n    TabOrder = 2\n  end\n");
  EXPECT_EQ(SortedLines(trip.Written), SortedLines(trip.Read)) << trip.Written;
  auto* ok = trip.Find<TBitBtn>("BitBtnOK");
  auto* help = trip.Find<TBitBtn>("BitBtnHelp");
  ASSERT_TRUE(ok && help);
  EXPECT_EQ(ok->GetCaption(), "Apply") << "the caption read before the kind stays";
  EXPECT_EQ(ok->GetKind(), bkOK);
  EXPECT_TRUE(ok->GetDefault());
  EXPECT_EQ(ok->GetModalResult(), mrOk);
  EXPECT_EQ(help->GetCaption(), "&Help") << "no caption read: the kind's";
}

TEST_F(ButtonsTest, AGlyphGoesThroughAFormFileAsBitmapData) {
  auto* button = Add<TBitBtn>("Button", Bounds(10, 10, 75, 25));
  button->SetGlyph(MakeGlyph(16, {clRed, clBlue}).get());
  const TFormRoundTrip file = RoundTrip(form.get());
  EXPECT_NE(file.Text.find("Glyph.Data = {"), std::string::npos) << file.Text;
  EXPECT_NE(file.Text.find("NumGlyphs = 2"), std::string::npos);
  TOwned<THolder> copy = ReadNewRoot<THolder>(file.Binary);
  auto* read = dynamic_cast<TBitBtn*>(copy->FindComponent("Button"));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->GetGlyph()->GetWidth(), 32);
  EXPECT_EQ(read->GetNumGlyphs(), 2);
  EXPECT_EQ(read->GetGlyph()->GetCanvas()->GetPixels(8, 8), clRed);
  EXPECT_EQ(FormText(copy.get()), file.Text);
}

using ButtonsUnit = TUnitsTest<kButtonsUnits>;

TEST_F(ButtonsUnit, StartsCountedAndListsItsClasses) {
  RegisterButtonsClasses();  // a second start-up
  UnregisterButtonsClasses();
  for (const char* name : {"TBitBtn", "TSpeedButton"}) EXPECT_NE(GetClass(name), nullptr) << name;
  ASSERT_EQ(ButtonsClasses().size(), 2u);
  EXPECT_TRUE(ButtonsClasses()[1]->ClassNameIs("TSpeedButton"));
}

}  // namespace
}  // namespace host::buttonstest
