// The mouse object: made by the unit start-up, reading and setting the
// capture and the cursor through the widgetset's windows.
#include "tests/host/controls/controls_test.h"

namespace host::controlstest {
namespace {

using MouseObject = ControlsTest;

TEST_F(MouseObject, TheStartUpMakesOneMouseThatACountedSecondStartUpKeeps) {
  TMouse* mouse = Mouse();
  ASSERT_NE(mouse, nullptr);
  RegisterControlsClasses();
  EXPECT_EQ(Mouse(), mouse);
  UnregisterControlsClasses();
  EXPECT_EQ(Mouse(), mouse);  // the suite's start-up still holds the unit
  EXPECT_EQ(mouse->GetDragThreshold(), 5);
  EXPECT_TRUE(mouse->GetDragImmediate());
  EXPECT_EQ(mouse->GetWheelScrollLines(), 3);
  EXPECT_EQ(mouse->GetRegWheelMessage(), WM_MOUSEWHEEL);
}

TEST_F(MouseObject, CaptureAndCursorAreTheWidgetsetsOwn) {
  TOwned<TCustomControl> control = MakeOwned<TCustomControl>(nullptr);
  control->SetBounds(10, 10, 50, 50);
  const HWND window = control->GetHandle();
  ASSERT_NE(window, 0u);
  TWSWindows& windows = WidgetSet().Windows();

  Mouse()->SetCapture(window);
  EXPECT_EQ(windows.GetCapture(), window);
  EXPECT_EQ(Mouse()->GetCapture(), window);
  Mouse()->SetCapture(0);
  EXPECT_EQ(windows.GetCapture(), 0u);
  EXPECT_EQ(Mouse()->GetCapture(), 0u);

  Mouse()->SetCursorPos({30, 40});
  EXPECT_EQ(windows.GetCursorPos(), Point(30, 40));
  Headless().Robot().MouseMove({25, 12});
  EXPECT_EQ(Mouse()->GetCursorPos(), Point(25, 12));
}

}  // namespace
}  // namespace host::controlstest
