// Spin edits as a user meets them: the arrows clicked and Up and Down
// pressed step the value within its range, only digits can be typed, a
// value typed beyond the range is brought into it on leaving, and form
// files keep what real forms give them.
#include "host/spin/spin.h"
#include "tests/support/classicfixture.h"

namespace host::spintest {
namespace {

using namespace testkit;

class SpinTest : public TClassicControlsTest<kStdCtrlsAnd<RegisterSpinClasses, UnregisterSpinClasses>> {
 protected:
  TSpinEdit* AddSpin(int32_t Min, int32_t Max, int32_t Increment, int32_t Value) {
    auto* spin = Add<TSpinEdit>("Spin", Bounds(10, 10, 60, 22));
    spin->SetMinValue(Min);
    spin->SetMaxValue(Max);
    spin->SetIncrement(Increment);
    spin->SetValue(Value);
    return spin;
  }
  static TPoint Middle(TSpinEdit* Spin, const TRect& R) {
    return Spin->ClientToScreen({(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2});
  }
};

TEST_F(SpinTest, ClicksOnTheArrowsAndTheUpAndDownKeysStepTheValueWithinItsRange) {
  TSpinEdit* spin = AddSpin(0, 10, 3, 5);
  int changes = 0;
  spin->OnChange = [&](TObject*) { ++changes; };
  Robot().Click(Middle(spin, spin->UpRect()));
  EXPECT_EQ(spin->GetValue(), 8);
  EXPECT_TRUE(spin->Focused()) << "a click on an arrow focuses the edit";
  Robot().Click(Middle(spin, spin->UpRect()));
  EXPECT_EQ(spin->GetValue(), 10) << "clamped to MaxValue";
  Robot().Press(VK_DOWN);
  EXPECT_EQ(spin->GetText(), "7");
  Robot().Click(Middle(spin, spin->DownRect()));
  Robot().Click(Middle(spin, spin->DownRect()));
  Robot().Click(Middle(spin, spin->DownRect()));
  EXPECT_EQ(spin->GetValue(), 0) << "clamped to MinValue";
  Robot().Press(VK_UP);
  EXPECT_EQ(spin->GetValue(), 3);
  EXPECT_EQ(changes, 7);

  spin->SetReadOnly(true);
  Robot().Press(VK_UP);
  Robot().Click(Middle(spin, spin->UpRect()));
  EXPECT_EQ(spin->GetValue(), 3) << "a read-only spin edit does not step";
  spin->SetReadOnly(false);
  spin->SetMaxValue(0);  // MinValue = MaxValue: no range
  spin->SetValue(-100);
  Robot().Press(VK_DOWN);
  EXPECT_EQ(spin->GetValue(), -103);
}

TEST_F(SpinTest, AnArrowHeldDownStepsAgainUntilTheButtonComesUp) {
  TSpinEdit* spin = AddSpin(0, 100, 2, 10);
  auto& windows = static_cast<headless::THeadlessWindows&>(WidgetSet().Windows());
  Robot().MouseDown(Middle(spin, spin->UpRect()));
  EXPECT_EQ(spin->GetValue(), 12);
  windows.Advance(TSpinEdit::kInitRepeatPause - 1);
  EXPECT_EQ(spin->GetValue(), 12);
  windows.Advance(1 + 3 * TSpinEdit::kRepeatPause);
  EXPECT_EQ(spin->GetValue(), 20) << "one step after the first pause, then one a pause";
  Robot().MouseUp(Middle(spin, spin->UpRect()));
  windows.Advance(10 * TSpinEdit::kRepeatPause);
  EXPECT_EQ(spin->GetValue(), 20);
}

TEST_F(SpinTest, OnlyDigitsAndSignsAreTypedAndAValueBeyondTheRangeComesIntoItOnLeaving) {
  TSpinEdit* spin = AddSpin(1, 20, 1, 5);
  auto* other = Add<TSpinEdit>("Other", Bounds(10, 50, 60, 22));
  spin->SetFocus();
  spin->SelectAll();
  Robot().Type("9x9.");
  EXPECT_EQ(spin->GetText(), "99");
  EXPECT_EQ(spin->GetValue(), 20) << "read within the range";
  other->SetFocus();
  EXPECT_EQ(spin->GetText(), "20") << "written within the range on leaving";

  spin->SetFocus();
  spin->SelectAll();
  spin->SetEditorEnabled(false);
  Robot().Type("7");
  EXPECT_EQ(spin->GetText(), "20") << "nothing typed while the editor is off";
  Robot().Press(VK_DOWN);
  EXPECT_EQ(spin->GetValue(), 19) << "the arrows still step";
  spin->SetText("abc");
  EXPECT_EQ(spin->GetValue(), 1) << "no number reads as MinValue";
}

TEST_F(SpinTest, TheArrowsShowAtTheRightEdge) {
  TSpinEdit* spin = AddSpin(0, 10, 1, 5);
  TWindowShot shot(spin);
  EXPECT_GT(shot.Count(spin->UpRect(), clBtnText), 3) << "an arrow in the up button";
  EXPECT_GT(shot.Count(spin->DownRect(), clBtnFace), 20);
  EXPECT_EQ(shot.Count(Rect(30, 3, 40, 18), clBtnFace), 0) << "the text part is the window colour";
}

TEST_F(SpinTest, SpinEditsOfRealFormsGoThroughAFormFileUnchanged) {
  const TTextRoundTrip trip = ReadAndWrite(
      "  object Difflimit: TSpinEdit\n    Left = 448\n    Top = 480\n    Width = 33\n    Height = 26\n"
      "    MaxValue = 4\n    MinValue = 0\n    TabOrder = 1\n    Value = 0\n  end\n"
      "  object MaxValEdit: TSpinEdit\n    Left = 288\n    Top = 59\n    Width = 41\n    Height = 22\n"
      "    EditorEnabled = False\n    Increment = 5\n    MaxValue = 99\n    MinValue = 10\n    TabOrder = 0\n"
      "    Value = 99\n  end\n");
  EXPECT_EQ(trip.Written, trip.Read);
  auto* spin = trip.Find<TSpinEdit>("MaxValEdit");
  ASSERT_TRUE(spin);
  EXPECT_EQ(spin->GetValue(), 99);
  EXPECT_EQ(spin->GetIncrement(), 5);
  EXPECT_FALSE(spin->GetEditorEnabled());
}

}  // namespace
}  // namespace host::spintest
