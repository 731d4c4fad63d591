// Speed buttons as a user meets them: clicked by the robot, grouped ones
// stay down as radio buttons, AllowAllUp lets the down one come up, and
// what they show (sunken while down, a flat one framed only under the
// mouse).
#include "tests/host/buttons/buttons_test.h"

namespace host::buttonstest {
namespace {

TEST_F(ButtonsTest, AGroupOfSpeedButtonsActsAsRadioButtonsAndAllowAllUpLetsTheDownOneComeUp) {
  auto* left = Add<TSpeedButton>("Left", Bounds(10, 10, 23, 22));
  auto* center = Add<TSpeedButton>("Center", Bounds(40, 10, 23, 22));
  auto* plain = Add<TSpeedButton>("Plain", Bounds(70, 10, 23, 22));
  for (TSpeedButton* b : {left, center}) b->SetGroupIndex(1);
  for (TSpeedButton* b : {left, center, plain}) b->OnClick = Logger("click");

  Robot().Click(Center(left));
  EXPECT_TRUE(left->GetDown());
  Robot().Click(Center(center));
  EXPECT_TRUE(center->GetDown());
  EXPECT_FALSE(left->GetDown()) << "one button of a group is down at a time";
  Robot().Click(Center(center));
  EXPECT_TRUE(center->GetDown()) << "without AllowAllUp the down button stays down";
  center->SetDown(false);
  EXPECT_TRUE(center->GetDown());
  Robot().Click(Center(plain));
  EXPECT_FALSE(plain->GetDown()) << "a button of no group never stays down";
  plain->SetDown(true);
  EXPECT_FALSE(plain->GetDown());
  EXPECT_EQ(log, (std::vector<std::string>{"Left click", "Center click", "Center click", "Plain click"}));

  left->SetAllowAllUp(true);  // for the whole group
  EXPECT_TRUE(center->GetAllowAllUp());
  Robot().Click(Center(center));
  EXPECT_FALSE(center->GetDown());
  EXPECT_FALSE(left->GetDown());

  // Pressed on the button and released off it, a right click, a disabled
  // button: no click, no change.
  log.clear();
  Robot().MouseDown(Center(left));
  EXPECT_TRUE(left->GetPressed());
  Robot().MouseUp(form->ClientToScreen({300, 200}));
  EXPECT_FALSE(left->GetPressed());
  Robot().Click(Center(left), headless::TMouseButtonKind::Right);
  left->SetEnabled(false);
  Robot().Click(Center(left));
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(left->GetDown());
}

TEST_F(ButtonsTest, AButtonJoiningAGroupTakesItsAllowAllUpAndBringsTheOthersUp) {
  auto* first = Add<TSpeedButton>("First", Bounds(10, 10, 23, 22));
  auto* second = Add<TSpeedButton>("Second", Bounds(40, 10, 23, 22));
  first->SetGroupIndex(2);
  first->SetAllowAllUp(true);
  first->SetDown(true);
  second->SetGroupIndex(3);
  second->SetDown(true);
  second->SetGroupIndex(2);
  EXPECT_TRUE(second->GetAllowAllUp());
  EXPECT_FALSE(first->GetDown());
  second->SetGroupIndex(0);
  EXPECT_FALSE(second->GetDown()) << "leaving every group brings a button up";
}

TEST_F(ButtonsTest, ASpeedButtonShowsSunkenWhileDownAndAFlatOneIsFramedOnlyUnderTheMouse) {
  auto* button = Add<TSpeedButton>("Button", Bounds(10, 10, 23, 22));
  const TRect topEdge = Rect(1, 0, 22, 1);
  EXPECT_EQ(TWindowShot(button).Count(topEdge, clBtnHighlight), 21) << "raised: light top edge";
  button->SetGroupIndex(1);
  button->SetDown(true);
  EXPECT_EQ(TWindowShot(button).Count(topEdge, clBtnShadow), 21) << "down: dark top edge";
  button->SetDown(false);  // stays down: the last one of its group
  button->SetAllowAllUp(true);
  button->SetDown(false);

  button->SetFlat(true);
  form->SetColor(clYellow);
  EXPECT_EQ(TWindowShot(button).Count(topEdge, clYellow), 21) << "flat and transparent: the parent shows";
  Robot().MouseMove(Center(button));
  EXPECT_TRUE(button->GetHot());
  EXPECT_EQ(TWindowShot(button).Count(topEdge, clBtnHighlight), 21) << "under the mouse: framed";
  Robot().MouseMove(form->ClientToScreen({300, 200}));
  static_cast<headless::THeadlessWindows&>(WidgetSet().Windows()).Advance(TSpeedButton::kHotPoll);
  EXPECT_FALSE(button->GetHot());
  EXPECT_EQ(TWindowShot(button).Count(topEdge, clYellow), 21);
}

}  // namespace
}  // namespace host::buttonstest
