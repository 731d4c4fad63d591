// The mouse object: made by the unit start-up, reading and setting the
// capture and the cursor through the widgetset's windows.
#include "tests/host/controls/controls_test.h"

namespace host::controlstest {
namespace {

using MouseObject = ControlsTest;

TEST_F(MouseObject, OneMouseReadsAndSetsTheWidgetsetsCaptureAndCursor) {
  TMouse* mouse = Mouse();
  ASSERT_NE(mouse, nullptr);
  RegisterControlsClasses();  // counted: a second start-up and its shutdown keep the mouse
  UnregisterControlsClasses();
  EXPECT_EQ(Mouse(), mouse);

  TOwned<TCustomControl> control = MakeOwned<TCustomControl>(nullptr);
  const HWND window = control->GetHandle();
  TWSWindows& windows = WidgetSet().Windows();
  mouse->SetCapture(window);
  EXPECT_EQ(windows.GetCapture(), window);
  EXPECT_EQ(mouse->GetCapture(), window);
  mouse->SetCapture(0);
  EXPECT_EQ(windows.GetCapture(), 0u);

  mouse->SetCursorPos({30, 40});
  EXPECT_EQ(windows.GetCursorPos(), Point(30, 40));
  Headless().Robot().MouseMove({25, 12});
  EXPECT_EQ(mouse->GetCursorPos(), Point(25, 12));
}

}  // namespace
}  // namespace host::controlstest
