// Mask edits as a user meets them: typed characters fill the mask's
// positions and the ones that do not fit are refused, Backspace and Delete
// blank positions, Text with and without the mask's literals, ValidateEdit,
// bad masks, and form files.
#include "host/mask/mask.h"
#include "tests/support/classicfixture.h"

namespace host::masktest {
namespace {

using namespace testkit;

using MaskTest = TClassicControlsTest<kStdCtrlsAnd<RegisterMaskClasses, UnregisterMaskClasses>>;

TEST_F(MaskTest, TypedCharactersFillTheDatePositionsAndThoseThatDoNotFitAreRefused) {
  auto* date = Add<TMaskEdit>("Date", Bounds(10, 10, 121, 21));
  date->SetEditMask("!99/99/0000;1;_");
  EXPECT_EQ(date->GetEditText(), "__/__/____");
  EXPECT_EQ(date->GetText(), "  /  /    ");
  int changes = 0;
  date->OnChange = [&](TObject*) { ++changes; };
  Robot().Click(At(date, {3, 10}));  // the caret before the first position
  Robot().Type("12a3/4x2026");
  EXPECT_EQ(date->GetEditText(), "12/34/2026");
  EXPECT_EQ(date->GetText(), "12/34/2026");
  EXPECT_EQ(changes, 8) << "a refused character changes nothing";
  Robot().Type("9");
  EXPECT_EQ(date->GetEditText(), "12/34/2026") << "no position left";

  // Backspace blanks the position before the caret (over the literal),
  // Delete the one after it; typing fills the blank again.
  date->SetSelStart(6);
  Robot().Press(VK_BACK);
  EXPECT_EQ(date->GetEditText(), "12/3_/2026");
  EXPECT_EQ(date->GetSelStart(), 4);
  Robot().Press(VK_DELETE);
  EXPECT_EQ(date->GetEditText(), "12/3_/2026") << "the blank stays blank";
  date->SetSelStart(0);
  Robot().Press(VK_DELETE);
  EXPECT_EQ(date->GetEditText(), "_2/3_/2026");
  EXPECT_EQ(date->GetText(), " 2/3 /2026");
  date->SetSelStart(0);
  Robot().Type("05");
  EXPECT_EQ(date->GetText(), "05/3 /2026") << "typing overwrites";
  EXPECT_TRUE(date->GetModified());
}

// Ctrl+X blanks what it cuts; Ctrl+V types the clipboard through the mask,
// passing over literals and leaving out what no position takes; Ctrl+Z is
// ignored.
TEST_F(MaskTest, CutBlanksThePositionsAndPasteTypesThroughTheMask) {
  auto* phone = Add<TMaskEdit>("Phone", Bounds(10, 10, 121, 21));
  phone->SetEditMask("(999) 000-0000;0;_");
  Robot().Click(At(phone, {3, 10}));
  Robot().Type("5551234567");
  EXPECT_EQ(phone->GetEditText(), "(555) 123-4567");
  phone->SetSelStart(6);
  phone->SetSelLength(3);
  Robot().Press('X', {ssCtrl});
  EXPECT_EQ(phone->GetEditText(), "(555) ___-4567");
  EXPECT_EQ(phone->GetText(), "555   4567");
  phone->SetSelStart(1);
  Robot().Press('V', {ssCtrl});  // "123": the cut characters
  EXPECT_EQ(phone->GetEditText(), "(123) ___-4567");
  phone->SetSelStart(6);
  const std::string pasted = "8x9-7";
  WidgetSet().OpenClipboard();
  WidgetSet().EmptyClipboard();
  WidgetSet().SetClipboardData(
      CF_TEXT, WidgetSet().GlobalAllocBytes({reinterpret_cast<const uint8_t*>(pasted.c_str()), pasted.size() + 1}));
  WidgetSet().CloseClipboard();
  Robot().Press('V', {ssCtrl});
  EXPECT_EQ(phone->GetEditText(), "(123) 897-4567") << "x left out, the dash passed";
  Robot().Press('Z', {ssCtrl});
  EXPECT_EQ(phone->GetEditText(), "(123) 897-4567");
  // A read-only mask edit neither cuts nor pastes.
  phone->SetReadOnly(true);
  phone->SelectAll();
  Robot().Press('X', {ssCtrl});
  Robot().Press('V', {ssCtrl});
  EXPECT_EQ(phone->GetEditText(), "(123) 897-4567");
  WidgetSet().OpenClipboard();
  WidgetSet().EmptyClipboard();
  WidgetSet().CloseClipboard();
}

TEST_F(MaskTest, TextLeavesOutTheLiteralsWhenTheMaskSaysSoAndCaseMarksChangeTypedLetters) {
  auto* phone = Add<TMaskEdit>("Phone", Bounds(10, 10, 121, 21));
  phone->SetEditMask("(999) 000-0000;0;_");
  phone->SetText("555123456");
  EXPECT_EQ(phone->GetEditText(), "(555) 123-456_");
  EXPECT_EQ(phone->GetText(), "555123456");
  phone->SetText("55x1");
  EXPECT_EQ(phone->GetEditText(), "(55_) 1__-____") << "a character that does not fit leaves its place blank";

  auto* code = Add<TMaskEdit>("Code", Bounds(10, 40, 121, 21));
  code->SetEditMask(">LL<ll\\-0;1;*");
  EXPECT_EQ(code->GetEditText(), "****-*");
  Robot().Click(At(code, {3, 10}));
  Robot().Type("abCD-7");
  EXPECT_EQ(code->GetText(), "ABcd-7");

  // Unmasked, a mask edit is a plain edit; a new mask keeps the text the
  // old one saved.
  auto* plain = Add<TMaskEdit>("Plain", Bounds(10, 70, 121, 21));
  EXPECT_FALSE(plain->IsMasked());
  Robot().Click(Center(plain));
  Robot().Type("a1-");
  EXPECT_EQ(plain->GetText(), "a1-");
  plain->SetEditMask("00;1;_");
  EXPECT_EQ(plain->GetEditText(), "_1") << "'a' does not fit a digit";
}

TEST_F(MaskTest, ValidateEditRaisesWhileARequiredPositionIsBlankAndBadMasksChangeNothing) {
  auto* phone = Add<TMaskEdit>("Phone", Bounds(10, 10, 121, 21));
  phone->SetEditMask("(999) 000-0000;0;_");
  phone->SetText("555123456");
  EXPECT_RAISES(phone->ValidateEdit(), EDBEditError, "Invalid input value.  Use escape key to abandon changes");
  EXPECT_EQ(phone->GetSelStart(), 13) << "the caret goes to the missing character";
  Robot().Click(At(phone, {3, 10}));
  phone->SetSelStart(13);
  Robot().Type("7");
  EXPECT_NO_THROW(phone->ValidateEdit());
  phone->SetText("1234567890");
  EXPECT_NO_THROW(phone->ValidateEdit()) << "every required position filled";

  for (const char* bad : {"99\\", "99;2;_", "99;1;__", "9;1;_;x"})
    EXPECT_RAISES(phone->SetEditMask(bad), EInvalidOperation, "Invalid property value (control 'Phone')") << bad;
  EXPECT_EQ(phone->GetEditMask(), "(999) 000-0000;0;_");
  EXPECT_EQ(phone->GetText(), "1234567890");
}

TEST_F(MaskTest, EscAbandonsTheChangesMadeSinceTheEditGotTheFocus) {
  auto* date = Add<TMaskEdit>("Date", Bounds(10, 10, 121, 21));
  auto* other = Add<TMaskEdit>("Other", Bounds(10, 40, 121, 21));
  date->SetEditMask("99/99;1;_");
  date->SetText("01/02");
  Robot().Click(At(date, {3, 10}));
  Robot().Type("34");
  EXPECT_EQ(date->GetText(), "34/02");
  EXPECT_EQ(date->Perform(CM_WANTSPECIALKEY, VK_ESCAPE, 0), 1) << "Esc is the edit's while modified";
  Robot().Press(VK_ESCAPE);
  EXPECT_EQ(date->GetText(), "01/02");
  EXPECT_FALSE(date->GetModified());
  EXPECT_EQ(date->Perform(CM_WANTSPECIALKEY, VK_ESCAPE, 0), 0) << "and the dialog's again once abandoned";
  Robot().Type("5");
  other->SetFocus();
  date->SetFocus();
  Robot().Press(VK_ESCAPE);
  EXPECT_EQ(date->GetText(), "51/02") << "what the edit had when it got the focus";
}

TEST_F(MaskTest, AMaskEditGoesThroughAFormFileUnchangedWithItsTextReadThroughItsMask) {
  const TTextRoundTrip trip = ReadAndWrite(
      "  object Date: TMaskEdit\n    Left = 8\n    Top = 8\n    Width = 121\n    Height = 21\n"
      "    EditMask = '!99/99/0000;1;_'\n    MaxLength = 10\n    TabOrder = 0\n    Text = '12/  /2026'\n  end\n"
      "  object Zip: TMaskEdit\n    Left = 8\n    Top = 40\n    Width = 121\n    Height = 21\n"
      "    CharCase = ecUpperCase\n    EditMask = '>LL 0000;0; '\n    MaxLength = 7\n    TabOrder = 1\n    Text = "
      "'AB1234'\n  end\n");
  EXPECT_EQ(trip.Written, trip.Read);
  auto* date = trip.Find<TMaskEdit>("Date");
  ASSERT_TRUE(date);
  EXPECT_EQ(date->GetEditText(), "12/__/2026");
  EXPECT_EQ(trip.Find<TMaskEdit>("Zip")->GetMaxLength(), 7) << "as long as its mask";
  EXPECT_EQ(GetClass("TMaskEdit"), &TMaskEdit::StaticMetaClass);
}

}  // namespace
}  // namespace host::masktest
