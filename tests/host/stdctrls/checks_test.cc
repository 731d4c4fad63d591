// Check boxes and radio buttons as a user meets them: clicks and Space
// change the state and fire OnClick, code does too; radio buttons of one
// parent exclude each other; an action's Checked follows to the control.
#include "tests/host/stdctrls/buttons_test.h"

namespace host::stdctrlstest {
namespace {

TEST_F(ButtonsTest, ACheckBoxTogglesOnClickAndSpaceAndCyclesThroughGrayedWhenAllowed) {
  auto* box = Add<TCheckBox>(form.get(), "Box", Bounds(10, 10, 97, 17));
  Show();
  box->OnClick = [&](TObject*) { log.push_back("state " + std::to_string(box->GetState())); };
  Robot().Click(Center(box));
  EXPECT_TRUE(box->GetChecked());
  EXPECT_TRUE(box->Focused());
  Robot().Press(VK_SPACE);
  box->SetAllowGrayed(true);
  for (int i = 0; i < 3; ++i) Robot().Click(Center(box));
  EXPECT_EQ(log, (std::vector<std::string>{"state 1", "state 0", "state 1", "state 2", "state 0"}));
  // Code fires OnClick on every change of State, and only on a change.
  log.clear();
  box->SetChecked(true);
  box->SetChecked(true);
  box->SetState(cbGrayed);
  EXPECT_FALSE(box->GetChecked());
  box->SetChecked(false);
  EXPECT_EQ(log, (std::vector<std::string>{"state 1", "state 2", "state 0"}));
  // Bad values raise and change nothing.
  log.clear();
  EXPECT_RAISES(box->SetState(static_cast<TCheckBoxState>(3)), EInvalidOperation,
                "Invalid property value (control 'Box')");
  EXPECT_RAISES(box->SetAlignment(taCenter), EInvalidOperation, "Invalid property value (control 'Box')");
  EXPECT_EQ(box->GetState(), cbUnchecked);
  EXPECT_EQ(box->GetAlignment(), taRightJustify);
  EXPECT_TRUE(log.empty());
}

TEST_F(ButtonsTest, ACheckBoxPaintsItsTickInTheBoxOnTheSideAlignmentSays) {
  auto* box = Add<TCheckBox>(form.get(), "Box", Bounds(10, 10, 97, 17));
  Show();
  const TRect left = Rect(1, 3, 12, 14), right = Rect(85, 3, 96, 14);
  EXPECT_EQ(PixelsShown(box, left, clWindow), 11 * 11) << "an empty white box at the left";
  box->SetChecked(true);
  const int32_t tick = PixelsShown(box, left, clWindowText);
  EXPECT_GT(tick, 10);
  box->SetAlignment(taLeftJustify);
  EXPECT_EQ(PixelsShown(box, right, clWindowText), tick) << "the box moved to the right";
  box->SetState(cbGrayed);
  EXPECT_EQ(PixelsShown(box, right, clWindowText), 0);
  EXPECT_EQ(PixelsShown(box, right, clBtnShadow), tick) << "a grayed box shows a gray tick";
}

TEST_F(ButtonsTest, RadioButtonsOfOneParentExcludeEachOtherAndAClickNeverUnchecks) {
  auto* a1 = Add<TRadioButton>(form.get(), "A1", Bounds(10, 10, 100, 17));
  auto* a2 = Add<TRadioButton>(form.get(), "A2", Bounds(10, 30, 100, 17));
  auto* a3 = Add<TRadioButton>(form.get(), "A3", Bounds(10, 50, 100, 17));
  auto* panel = Add<TTestForm>(form.get(), "Panel", Bounds(150, 10, 200, 100));
  auto* b1 = Add<TRadioButton>(panel, "B1", Bounds(10, 10, 100, 17));
  Show();
  for (TControl* c : {a1, a2, a3, b1}) LogClicks(c);
  Robot().Click(Center(a2));
  Robot().Click(Center(a3));
  Robot().Click(Center(b1));  // another parent: A3 stays checked
  EXPECT_TRUE(b1->Focused()) << "a click focuses even a radio button Tab passes by";
  Robot().Click(Center(a3));  // already checked: stays, no click
  EXPECT_EQ(log, (std::vector<std::string>{"A2 click", "A3 click", "B1 click"}));
  EXPECT_FALSE(a2->GetChecked());
  EXPECT_TRUE(a3->GetChecked() && b1->GetChecked());
  EXPECT_TRUE(a3->GetTabStop() && !a2->GetTabStop()) << "Tab stops at the checked one";
  // Code checks as a click does; the arrow keys move the choice round.
  log.clear();
  a1->SetChecked(true);
  EXPECT_FALSE(a3->GetChecked());
  a1->SetFocus();
  Robot().Press(VK_DOWN);
  EXPECT_TRUE(a2->Focused() && a2->GetChecked() && !a1->GetChecked());
  Robot().Press(VK_UP);
  Robot().Press(VK_UP);
  EXPECT_TRUE(a3->Focused() && a3->GetChecked());
  EXPECT_EQ(log, (std::vector<std::string>{"A1 click", "A2 click", "A1 click", "A3 click"}));
}

TEST_F(ButtonsTest, AnActionsCheckedReachesALinkedCheckBoxWithoutRunningTheAction) {
  auto* box = Add<TCheckBox>(form.get(), "Box", Bounds(10, 10, 97, 17));
  auto* action = New<TAction>(form.get());
  action->SetCaption("Bold");
  action->SetChecked(true);
  int executed = 0;
  action->OnExecute = [&](TObject*) { ++executed; };
  Show();
  box->SetAction(action);
  EXPECT_TRUE(box->GetChecked());
  EXPECT_EQ(box->GetCaption(), "Bold");
  action->SetChecked(false);
  EXPECT_FALSE(box->GetChecked());
  EXPECT_EQ(executed, 0);
  // A user's click runs the action, and an auto-check action follows.
  action->SetAutoCheck(true);
  Robot().Click(Center(box));
  EXPECT_EQ(executed, 1);
  EXPECT_TRUE(box->GetChecked());
  EXPECT_TRUE(action->GetChecked());
  // Unchecked by code, the box clicks as classic ones do: the action runs
  // and unchecks with it.
  box->SetChecked(false);
  EXPECT_EQ(executed, 2);
  EXPECT_FALSE(action->GetChecked());
}

}  // namespace
}  // namespace host::stdctrlstest
