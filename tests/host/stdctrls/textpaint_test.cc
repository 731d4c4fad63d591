// What the text controls paint on a shown form: an edit's selection in the
// highlight colour while focused (or always with HideSelection off), a
// password masked, a label's caption grey when disabled, a group box frame.
#include "tests/host/stdctrls/buttons_test.h"  // PixelsShown
#include "tests/host/stdctrls/texts_test.h"

namespace host::stdctrlstest {
namespace {

class TextPainting : public TextsTest {};

TEST_F(TextPainting, AnEditShowsItsSelectionWhileFocusedAndMasksAPassword) {
  TEdit* edit = Place<TEdit>("Edit1", Bounds(10, 10, 150, 21));
  TEdit* other = Place<TEdit>("Edit2", Bounds(10, 40, 150, 21));
  const TRect inside = Rect(2, 2, 148, 19);
  edit->SetFocus();
  Robot().Type("WWWW");
  EXPECT_EQ(PixelsShown(edit, inside, clHighlight), 0);
  Robot().Press(VK_HOME, {ssShift});
  const int32_t selected = PixelsShown(edit, inside, clHighlight);
  EXPECT_GT(selected, 0);
  other->SetFocus();
  EXPECT_EQ(PixelsShown(edit, inside, clHighlight), 0);
  edit->SetHideSelection(false);
  EXPECT_EQ(PixelsShown(edit, inside, clHighlight), selected);

  other->SetText("WWWW");
  const int32_t plain = PixelsShown(other, inside, clWindowText);
  EXPECT_GT(plain, 0);
  other->SetPasswordChar('*');
  const int32_t masked = PixelsShown(other, inside, clWindowText);
  EXPECT_GT(masked, 0);
  EXPECT_NE(masked, plain);
  EXPECT_EQ(other->GetText(), "WWWW");
}

TEST_F(TextPainting, ALabelPaintsItsCaptionGreyWhenDisabledAndAGroupBoxItsFrame) {
  TLabel* label = Place<TLabel>("Label1", Bounds(10, 10, 60, 17));
  label->SetCaption("&Name");
  const TRect area = label->GetBoundsRect();
  EXPECT_GT(PixelsShown(form.get(), area, clWindowText), 0);
  label->SetEnabled(false);
  EXPECT_EQ(PixelsShown(form.get(), area, clWindowText), 0);
  EXPECT_GT(PixelsShown(form.get(), area, clGrayText), 0);

  // The accelerator is underlined (one line as wide as the "N") unless
  // ShowAccelChar is off, which shows the '&' instead.
  label->SetEnabled(true);
  TLabel* plain = Place<TLabel>("Label2", Bounds(100, 10, 60, 17));
  plain->SetCaption("Name");
  const int32_t underline = label->GetCanvas()->TextWidth("N");
  EXPECT_EQ(PixelsShown(form.get(), area, clWindowText),
            PixelsShown(form.get(), plain->GetBoundsRect(), clWindowText) + underline);
  label->SetShowAccelChar(false);
  EXPECT_GT(PixelsShown(form.get(), label->GetBoundsRect(), clWindowText),
            PixelsShown(form.get(), plain->GetBoundsRect(), clWindowText) + underline);

  TGroupBox* group = Place<TGroupBox>("Group1", Bounds(10, 40, 200, 100));
  EXPECT_GT(PixelsShown(group, Rect(0, 0, 1, 100), clBtnShadow), 80);  // the left edge of the frame
  EXPECT_EQ(PixelsShown(group, Rect(20, 30, 180, 90), clBtnShadow), 0);
}

}  // namespace
}  // namespace host::stdctrlstest
