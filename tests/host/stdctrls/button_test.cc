// Push buttons as a user meets them: a click or Space clicks and sends the
// modal result to the form; Enter and Esc anywhere on the form click the
// default and cancel buttons unless the focused control wants the key.
#include "tests/host/stdctrls/buttons_test.h"

namespace host::stdctrlstest {
namespace {

using headless::TMouseButtonKind;

TEST_F(ButtonsTest, AClickOrSpaceClicksAButtonAfterItsModalResultReachedTheForm) {
  auto* ok = Add<TButton>(form.get(), "Ok", Bounds(10, 10, 75, 25));
  ok->SetModalResult(mrOk);
  Show();
  ok->OnClick = [&](TObject*) { log.push_back("click, form result " + std::to_string(form->ModalResult)); };
  Robot().Click(Center(ok));
  EXPECT_TRUE(ok->Focused()) << "a click focuses the button";
  form->ModalResult = mrNone;
  Robot().Press(VK_SPACE);
  EXPECT_EQ(log, (std::vector<std::string>{"click, form result 1", "click, form result 1"}));
  // Pressed on the button and released outside it, a right click, a
  // disabled button, a Space swallowed by OnKeyPress: no click.
  log.clear();
  Robot().MouseDown(Center(ok));
  EXPECT_TRUE(ok->GetPressed());
  Robot().MouseUp(form->ClientToScreen({300, 200}));
  EXPECT_FALSE(ok->GetPressed());
  Robot().Click(Center(ok), TMouseButtonKind::Right);
  ok->OnKeyPress = [](TObject*, char& key) { key = 0; };
  Robot().Press(VK_SPACE);
  ok->SetEnabled(false);
  Robot().Click(Center(ok));
  EXPECT_TRUE(log.empty());
}

TEST_F(ButtonsTest, EnterAndEscClickTheDefaultAndCancelButtonsUnlessTheFocusedControlWantsTheKey) {
  auto* ok = Add<TButton>(form.get(), "Ok", Bounds(10, 10, 75, 25));
  auto* cancel = Add<TButton>(form.get(), "Cancel", Bounds(90, 10, 75, 25));
  auto* other = Add<TButton>(form.get(), "Other", Bounds(170, 10, 75, 25));
  auto* panel = Add<TTestForm>(form.get(), "Panel", Bounds(10, 50, 200, 100));
  auto* box = Add<TCheckBox>(panel, "Box", Bounds(10, 10, 97, 17));
  auto* memo = Add<TWantsEnter>(form.get(), "Memo", Bounds(10, 160, 200, 100));
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  Show();
  for (TControl* c : std::initializer_list<TControl*>{ok, cancel, other, box}) LogClicks(c);
  box->SetFocus();  // nested in a panel: the keys still reach the top-level control
  Robot().Press(VK_RETURN);
  EXPECT_EQ(form->ModalResult, mrOk);
  Robot().Press(VK_ESCAPE);
  EXPECT_EQ(form->ModalResult, mrCancel);
  EXPECT_EQ(panel->ModalResult, mrNone) << "only the top-level control takes the result";
  Robot().Press(VK_RETURN, {ssCtrl});  // with a modifier Enter is no dialog key
  // A focused button takes Enter itself; a control that wants Enter keeps it.
  other->SetFocus();
  Robot().Press(VK_RETURN);
  memo->SetFocus();
  Robot().Press(VK_RETURN);
  Robot().Press(VK_ESCAPE);
  EXPECT_EQ(log, (std::vector<std::string>{"Ok click", "Cancel click", "Other click", "Cancel click"}));
  // A disabled default button is not clicked.
  log.clear();
  ok->SetEnabled(false);
  box->SetFocus();
  Robot().Press(VK_RETURN);
  EXPECT_TRUE(log.empty());
}

TEST_F(ButtonsTest, AButtonPaintsRaisedWithTheDefaultFrameAndSunkenWhilePressed) {
  auto* ok = Add<TButton>(form.get(), "Ok", Bounds(10, 10, 75, 25));
  Show();
  const TRect topEdge = Rect(1, 0, 74, 1), bottomEdge = Rect(1, 24, 74, 25);
  EXPECT_EQ(PixelsShown(ok, topEdge, clBtnHighlight), 73);
  EXPECT_EQ(PixelsShown(ok, bottomEdge, cl3DDkShadow), 73);
  EXPECT_GT(PixelsShown(ok, ok->GetClientRect(), clBtnFace), 1000);
  ok->SetDefault(true);  // a black frame round the bevel
  EXPECT_EQ(PixelsShown(ok, topEdge, clWindowFrame), 73);
  Robot().MouseDown(Center(ok));
  EXPECT_EQ(PixelsShown(ok, Rect(2, 1, 73, 2), clBtnShadow), 71) << "pressed: the light edge turns dark";
  Robot().MouseUp(Center(ok));
}

// A caption shows without its '&' and underlines the accelerator: the same
// text pixels as the plain caption, plus one underline as wide as the "O".
TEST_F(ButtonsTest, TheAcceleratorOfACaptionIsUnderlinedAndItsMarkNotShown) {
  auto* marked = Add<TButton>(form.get(), "Marked", Bounds(10, 10, 75, 25));
  auto* plain = Add<TButton>(form.get(), "Plain", Bounds(100, 10, 75, 25));
  marked->SetCaption("&Ok");
  plain->SetCaption("Ok");
  Show();
  const TColor ink = marked->GetFont()->GetColor();
  const TRect inside = Rect(3, 3, 72, 22);
  const int32_t underline = marked->GetCanvas()->TextWidth("O");
  EXPECT_GT(underline, 0);
  EXPECT_EQ(PixelsShown(marked, inside, ink), PixelsShown(plain, inside, ink) + underline);
  marked->SetCaption("&&Ok");  // a doubled mark is a plain '&'
  EXPECT_GT(PixelsShown(marked, inside, ink), PixelsShown(plain, inside, ink) + underline);
}

}  // namespace
}  // namespace host::stdctrlstest
