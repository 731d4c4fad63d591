// Panels and radio groups as a user meets them: a panel's bevels, caption
// and the room it leaves its controls; a radio group's buttons clicked and
// moved between by the robot, ItemIndex from code, and the refusals, which
// change nothing.
#include "tests/host/extctrls/extctrls_test.h"

namespace host::extctrlstest {
namespace {

TEST_F(ExtCtrlsTest, APanelDrawsItsBevelsAndCaptionAndLaysItsControlsOutInsideThem) {
  auto* panel = Place<TPanel>("Panel1", Bounds(10, 10, 100, 40));
  EXPECT_EQ(At(panel, 0, 20), Drawn(clBtnHighlight)) << "raised outer bevel";
  EXPECT_EQ(At(panel, 99, 20), Drawn(clBtnShadow));
  EXPECT_EQ(At(panel, 50, 20), Drawn(clBtnFace));
  auto* child = Place<TPanel>("Inside", Bounds(0, 0, 10, 10), panel);
  child->SetAlign(alClient);
  EXPECT_EQ(child->GetBoundsRect(), Rect(1, 1, 99, 39));
  panel->SetBevelInner(bvLowered);
  panel->SetBevelWidth(2);
  panel->SetBorderWidth(3);
  EXPECT_EQ(child->GetBoundsRect(), Rect(7, 7, 93, 33)) << "2 outer + 3 border + 2 inner";
  panel->SetBorderStyle(bsSingle);
  EXPECT_EQ(child->GetBoundsRect(), Rect(8, 8, 92, 32)) << "and the single line outside";
  EXPECT_EQ(At(panel, 0, 20), Drawn(clWindowFrame));
  EXPECT_EQ(At(panel, 1, 20), Drawn(clBtnHighlight));
  panel->SetBorderStyle(bsNone);
  child->Free();
  EXPECT_EQ(At(panel, 1, 20), Drawn(clBtnHighlight));
  EXPECT_EQ(At(panel, 2, 20), Drawn(clBtnFace)) << "the border in the panel's colour";
  EXPECT_EQ(At(panel, 5, 20), Drawn(clBtnShadow)) << "lowered inner bevel";

  // The caption: centred, then at the left.
  const TRect left = Rect(7, 7, 35, 33), middle = Rect(35, 7, 65, 33);
  panel->SetCaption("WWW");
  EXPECT_EQ(Count(panel, left, clWindowText), 0);
  const int32_t ink = Count(panel, middle, clWindowText);
  EXPECT_GT(ink, 10);
  panel->SetAlignment(taLeftJustify);
  EXPECT_EQ(Count(panel, left, clWindowText), ink);

  EXPECT_RAISES(panel->SetAlignment(static_cast<TAlignment>(3)), EInvalidOperation,
                "Invalid property value (control 'Panel1')");
  EXPECT_RAISES(panel->SetBevelOuter(static_cast<TBevelCut>(4)), EInvalidOperation,
                "Invalid property value (control 'Panel1')");
  EXPECT_RAISES(panel->SetBevelWidth(0), EInvalidOperation, "Bevel width 0 of control 'Panel1' is below 1");
  EXPECT_EQ(panel->GetAlignment(), taLeftJustify);
  EXPECT_EQ(panel->GetBevelOuter(), bvRaised);
  EXPECT_EQ(panel->GetBevelWidth(), 2);
}

class RadioGroupTest : public ExtCtrlsTest {
 protected:
  void SetUp() override {
    ExtCtrlsTest::SetUp();
    group = Place<TRadioGroup>("Group1", Bounds(10, 10, 200, 100));
    for (const char* color : {"Red", "Green", "Blue"}) group->GetItems()->Add(color);
    group->OnClick = [this](TObject*) { log.push_back("click " + std::to_string(group->GetItemIndex())); };
  }
  // Which buttons are checked, as "-x-".
  std::string Checks() const {
    std::string marks;
    for (int32_t i = 0; i < group->GetButtonCount(); ++i) marks += group->GetButton(i)->GetChecked() ? 'x' : '-';
    return marks;
  }
  TRadioGroup* group = nullptr;
};

TEST_F(RadioGroupTest, ClickingAButtonOrMovingWithTheArrowsChecksItsLineAndFiresOnClick) {
  ASSERT_EQ(group->GetButtonCount(), 3);
  EXPECT_EQ(group->GetButton(1)->GetCaption(), "Green");
  EXPECT_EQ(group->GetItemIndex(), -1);
  EXPECT_EQ(Checks(), "---");
  Robot().Click(Center(group->GetButton(1)));
  EXPECT_EQ(group->GetItemIndex(), 1);
  EXPECT_EQ(Checks(), "-x-");
  Robot().Press(VK_DOWN);
  EXPECT_EQ(group->GetItemIndex(), 2);
  EXPECT_EQ(Checks(), "--x");
  Robot().Click(Center(group->GetButton(2)));  // already checked: no change, no click
  EXPECT_EQ(log, (std::vector<std::string>{"click 1", "click 2"}));
  // Code checks a line as a click does, and fires OnClick as the classic group does.
  log.clear();
  group->SetItemIndex(0);
  EXPECT_EQ(Checks(), "x--");
  group->SetItemIndex(-1);
  EXPECT_EQ(Checks(), "---");
  EXPECT_EQ(log, std::vector<std::string>{"click 0"});
}

TEST_F(RadioGroupTest, AnIndexOutsideTheItemsOrColumnsOutsideOneToSixteenAreRefused) {
  group->SetItemIndex(2);
  log.clear();
  for (int32_t bad : {3, -2})
    EXPECT_RAISES(group->SetItemIndex(bad), EListError,
                  "Item index " + std::to_string(bad) + " of radio group 'Group1' is out of bounds (-1..2)");
  EXPECT_RAISES(group->SetColumns(0), EInvalidOperation, "Columns 0 of radio group 'Group1' must lie in 1..16");
  EXPECT_RAISES(group->SetColumns(17), EInvalidOperation, "Columns 17 of radio group 'Group1' must lie in 1..16");
  EXPECT_EQ(group->GetItemIndex(), 2);
  EXPECT_EQ(Checks(), "--x");
  EXPECT_EQ(group->GetColumns(), 1);
  EXPECT_TRUE(log.empty());
  // Lines added in an update batch can be checked before the batch ends.
  group->GetItems()->BeginUpdate();
  group->GetItems()->Add("Black");
  group->SetItemIndex(3);
  group->GetItems()->EndUpdate();
  EXPECT_EQ(Checks(), "---x");
  group->GetItems()->Delete(3);
  log.clear();
  // Losing the checked line moves the index to the last one left.
  group->GetItems()->Delete(2);
  EXPECT_EQ(group->GetItemIndex(), 1);
  EXPECT_EQ(Checks(), "-x");
}

// The clicked button goes while its click still runs.
TEST_F(RadioGroupTest, AnOnClickHandlerMayTakeAwayTheLinesItsClickCameFrom) {
  group->OnClick = [this](TObject*) {
    log.push_back("click " + std::to_string(group->GetItemIndex()));
    group->GetItems()->Clear();
  };
  Robot().Click(Center(group->GetButton(2)));
  EXPECT_EQ(log, std::vector<std::string>{"click 2"});
  EXPECT_EQ(group->GetButtonCount(), 0);
  EXPECT_EQ(group->GetItemIndex(), -1);
  group->GetItems()->Add("again");
  Robot().Click(Center(group->GetButton(0)));
  EXPECT_EQ(log, (std::vector<std::string>{"click 2", "click 0"}));
}

TEST_F(RadioGroupTest, ButtonsFillTheColumnsTopToBottom) {
  group->SetColumns(2);
  // Two rows a column: (200 - 10) / 2 = 95 pixels wide, from x = 8.
  EXPECT_EQ(group->GetButton(0)->GetLeft(), 8);
  EXPECT_EQ(group->GetButton(1)->GetLeft(), 8);
  EXPECT_EQ(group->GetButton(2)->GetLeft(), 103);
  EXPECT_EQ(group->GetButton(2)->GetTop(), group->GetButton(0)->GetTop());
  EXPECT_GT(group->GetButton(1)->GetTop(), group->GetButton(0)->GetTop());
  EXPECT_EQ(group->GetButton(0)->GetWidth(), 95);
  Robot().Click(Center(group->GetButton(2)));
  EXPECT_EQ(group->GetItemIndex(), 2);
}

TEST_F(RadioGroupTest, APanelAGroupAndATimerRoundTripThroughAFormFile) {
  auto* panel = Place<TPanel>("Panel1", Bounds(10, 120, 100, 40));
  panel->SetCaption("Tools");
  panel->SetBevelInner(bvLowered);
  group->SetItemIndex(1);
  New<TTimer>(form.get())->SetName("Timer1");
  dynamic_cast<TTimer*>(form->FindComponent("Timer1"))->SetInterval(250);

  const auto [binary, text] = RoundTrip(form.get());
  EXPECT_NE(text.find("ItemIndex = 1"), std::string::npos) << text;
  EXPECT_NE(text.find("Items.Strings = (\n      'Red'\n      'Green'\n      'Blue')"), std::string::npos) << text;
  EXPECT_NE(text.find("BevelInner = bvLowered"), std::string::npos) << text;
  EXPECT_NE(text.find("Interval = 250"), std::string::npos) << text;
  for (const char* classicDefault :
       {"BevelOuter", "Alignment", "FullRepaint", "UseDockManager", "Columns", "TGroupButton"})
    EXPECT_EQ(text.find(classicDefault), std::string::npos) << classicDefault << ": " << text;

  TOwned<TExtForm> copy = ReadNewRoot<TExtForm>(binary);
  auto* readGroup = dynamic_cast<TRadioGroup*>(copy->FindComponent("Group1"));
  auto* readPanel = dynamic_cast<TPanel*>(copy->FindComponent("Panel1"));
  auto* readTimer = dynamic_cast<TTimer*>(copy->FindComponent("Timer1"));
  ASSERT_TRUE(readGroup && readPanel && readTimer);
  EXPECT_EQ(readGroup->GetButtonCount(), 3);
  EXPECT_EQ(readGroup->GetItemIndex(), 1) << "read before its items, kept until they came";
  EXPECT_TRUE(readGroup->GetButton(1)->GetChecked());
  EXPECT_EQ(readPanel->GetCaption(), "Tools");
  EXPECT_EQ(readPanel->GetBevelInner(), bvLowered);
  EXPECT_EQ(readTimer->GetInterval(), 250u);
  EXPECT_EQ(FormText(copy.get()), text);
}

}  // namespace
}  // namespace host::extctrlstest
