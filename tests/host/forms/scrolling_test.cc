// Scroll boxes: the range follows the children, ScrollInView and the
// wheel move the children, the focus brings a control into view, bad
// scroll bar values change nothing; and their form text.
#include "tests/support/formtest.h"
#include "tests/host/forms/forms_test.h"

namespace host::formstest {
namespace {

class ScrollingTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    form = NewForm("Form");
    box = Add<TScrollBox>(form.get(), "Box", Bounds(10, 10, 100, 100));
    box->SetBorderStyle(bsNone);
    top = Add<TEdit>(box, "Top", Bounds(0, 0, 60, 20));
    bottom = Add<TEdit>(box, "Bottom", Bounds(0, 250, 60, 30));
  }
  void TearDown() override {
    form.reset();
    FormsTest::TearDown();
  }
  TOwned<TForm> form;
  TScrollBox* box = nullptr;
  TEdit* top = nullptr;
  TEdit* bottom = nullptr;
};

TEST_F(ScrollingTest, TheRangeFollowsTheChildrenAndScrollInViewMovesThem) {
  TControlScrollBar* vert = box->GetVertScrollBar();
  EXPECT_EQ(vert->GetRange(), 280);
  EXPECT_TRUE(vert->IsScrollBarVisible());
  EXPECT_EQ(box->GetHorzScrollBar()->GetRange(), 60);
  EXPECT_FALSE(box->GetHorzScrollBar()->IsScrollBarVisible());
  box->ScrollInView(bottom);
  EXPECT_EQ(vert->GetPosition(), 180);
  EXPECT_EQ(bottom->GetTop(), 70) << "the bottom edit shows at the bottom of the box";
  EXPECT_EQ(top->GetTop(), -180);
  EXPECT_EQ(vert->GetRange(), 280) << "scrolling does not change the range";
  box->ScrollInView(top);
  EXPECT_EQ(vert->GetPosition(), 0);
  EXPECT_EQ(bottom->GetTop(), 250);
  // A child moved further out grows the range; margins count.
  vert->SetMargin(5);
  bottom->SetTop(300);
  EXPECT_EQ(vert->GetRange(), 335);
  EXPECT_RAISES(box->ScrollInView(form.get()), EInvalidOperation,
                "Cannot scroll 'Form' into view: it does not lie in 'Box'");
}

// The range follows each child that moves, comes or goes: growing past
// the extent, the child that reached it moving back or leaving (the next
// farthest then counts), another child moving within it (no change).
TEST_F(ScrollingTest, TheRangeFollowsEveryMoveOfTheFarthestChild) {
  TControlScrollBar* vert = box->GetVertScrollBar();
  TEdit* middle = Add<TEdit>(box, "Middle", Bounds(0, 100, 60, 20));
  EXPECT_EQ(vert->GetRange(), 280);
  middle->SetTop(300);
  EXPECT_EQ(vert->GetRange(), 320);
  bottom->SetTop(50);
  EXPECT_EQ(vert->GetRange(), 320) << "not the farthest child";
  middle->SetTop(10);
  EXPECT_EQ(vert->GetRange(), 80) << "the farthest moved back: bottom's edge counts";
  bottom->SetTop(200);
  EXPECT_EQ(vert->GetRange(), 230);
  bottom->Free();
  EXPECT_EQ(vert->GetRange(), 30) << "the farthest left: middle's edge counts";
  middle->SetVisible(false);
  EXPECT_EQ(vert->GetRange(), 20);
}

TEST_F(ScrollingTest, TheWheelAndTheFocusScrollTheBox) {
  form->Show();
  TControlScrollBar* vert = box->GetVertScrollBar();
  top->SetFocus();
  Robot().Wheel(-WHEEL_DELTA, Center(box));
  EXPECT_EQ(vert->GetPosition(), vert->GetIncrement()) << "one notch down scrolls one increment";
  Robot().Wheel(WHEEL_DELTA * 5, Center(box));
  EXPECT_EQ(vert->GetPosition(), 0) << "the position stops at the start";
  // Tab moves the focus to the edit below the visible part: it scrolls into view.
  Robot().Press(VK_TAB);
  ASSERT_TRUE(bottom->Focused());
  EXPECT_EQ(vert->GetPosition(), 180);
  EXPECT_EQ(bottom->GetTop(), 70);
}

TEST_F(ScrollingTest, BadScrollBarValuesChangeNothing) {
  TControlScrollBar* vert = box->GetVertScrollBar();
  vert->SetPosition(50);
  EXPECT_RAISES(vert->SetIncrement(0), ERangeError, "Scroll bar Increment must lie in 1..32767 (0)");
  EXPECT_RAISES(vert->SetRange(-1), ERangeError, "Scroll bar Range must not be negative (-1)");
  EXPECT_RAISES(vert->SetMargin(-3), ERangeError, "Scroll bar Margin must not be negative (-3)");
  EXPECT_RAISES(vert->SetStyle(static_cast<TScrollBarStyle>(9)), EInvalidOperation,
                "Invalid property value for Style of 'Box'");
  EXPECT_RAISES(box->SetBorderStyle(static_cast<TBorderStyle>(4)), EInvalidOperation,
                "Invalid property value for BorderStyle of 'Box'");
  EXPECT_EQ(vert->GetIncrement(), 8);
  EXPECT_EQ(vert->GetRange(), 280);
  EXPECT_EQ(vert->GetPosition(), 50);
  EXPECT_TRUE(box->GetAutoScroll());
  // A range set by the program turns AutoScroll off and clamps the position.
  vert->SetRange(120);
  EXPECT_FALSE(box->GetAutoScroll());
  EXPECT_EQ(vert->GetPosition(), 20);
  bottom->SetTop(500);
  EXPECT_EQ(vert->GetRange(), 120) << "no longer following the children";
}

TEST_F(ScrollingTest, AScrollBoxAndItsBarsRoundTripThroughTheFormText) {
  box->GetVertScrollBar()->SetIncrement(16);
  const std::string autoText = RoundTrip(form.get()).Text;
  EXPECT_NE(autoText.find("VertScrollBar.Increment = 16"), std::string::npos) << autoText;
  EXPECT_EQ(autoText.find("Range"), std::string::npos) << "ranges AutoScroll found are not stored";
  box->GetHorzScrollBar()->SetRange(400);
  const TFormRoundTrip trip = RoundTrip(form.get());
  EXPECT_NE(trip.Text.find("HorzScrollBar.Range = 400"), std::string::npos) << trip.Text;
  TOwned<TForm> copy(static_cast<TForm*>(TCustomForm::CreateNew(&TForm::StaticMetaClass, nullptr)));
  ReadForm(trip.Binary, copy.get());
  auto* readBox = dynamic_cast<TScrollBox*>(copy->FindComponent("Box"));
  ASSERT_NE(readBox, nullptr);
  EXPECT_EQ(readBox->GetBorderStyle(), bsNone);
  EXPECT_EQ(readBox->GetVertScrollBar()->GetIncrement(), 16);
  EXPECT_EQ(readBox->GetHorzScrollBar()->GetRange(), 400);
  EXPECT_FALSE(readBox->GetAutoScroll());
}

}  // namespace
}  // namespace host::formstest
