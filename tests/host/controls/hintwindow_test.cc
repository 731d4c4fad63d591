// The hint window: measuring a wrapped hint, showing it at a screen
// rectangle in its own top-level window, painting it, and the messages that
// hide it.
#include "host/graphics/bitmap.h"
#include "tests/host/controls/controls_test.h"

namespace host::controlstest {
namespace {

using HintWindow = ControlsTest;

// Text measured in the hint window's font on a canvas of its own.
struct TMeasure {
  TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
  explicit TMeasure(THintWindow* Hint) {
    bitmap->SetWidth(1);
    bitmap->SetHeight(1);
    bitmap->GetCanvas()->SetFont(Hint->GetFont());
  }
  int32_t Width(const std::string& Text) { return bitmap->GetCanvas()->TextWidth(Text); }
  int32_t Line() { return bitmap->GetCanvas()->TextHeight("Wg"); }
};

TEST_F(HintWindow, TheHintRectFitsTheTextWrappedAtWordsAndLineBreaksWithAMargin) {
  TOwned<THintWindow> hint = MakeOwned<THintWindow>(nullptr);
  TMeasure m(hint.get());
  // Wide enough: one line, 3 pixels left and right, 2 above and below.
  EXPECT_EQ(hint->CalcHintRect(1000, "one two three", nullptr), Rect(0, 0, m.Width("one two three") + 6, m.Line() + 4));
  // Two words fit the width, the third wraps.
  const int32_t twoWords = m.Width("one two");
  EXPECT_EQ(hint->CalcHintRect(twoWords, "one two three", nullptr),
            Rect(0, 0, std::max(twoWords, m.Width("three")) + 6, 2 * m.Line() + 4));
  // A line break always starts a line; a word wider than the limit keeps a
  // line of its own rather than being cut.
  EXPECT_EQ(hint->CalcHintRect(1000, "a\nbb", nullptr), Rect(0, 0, m.Width("bb") + 6, 2 * m.Line() + 4));
  EXPECT_EQ(hint->CalcHintRect(1, "wide words", nullptr),
            Rect(0, 0, std::max(m.Width("wide"), m.Width("words")) + 6, 2 * m.Line() + 4));
  EXPECT_EQ(hint->CalcHintRect(100, "", nullptr), Rect(0, 0, 6, m.Line() + 4));
}

TEST_F(HintWindow, ActivateShowsTheHintTopLevelAtTheScreenRectAndReleaseTakesTheWindowAway) {
  TOwned<THintWindow> hint = MakeOwned<THintWindow>(nullptr);
  EXPECT_FALSE(hint->GetVisible());
  EXPECT_FALSE(hint->HandleAllocated());
  TWSWindows& windows = WidgetSet().Windows();

  hint->ActivateHint(Rect(200, 150, 280, 170), "Saves the file");
  EXPECT_TRUE(hint->GetActive());
  EXPECT_EQ(hint->GetCaption(), "Saves the file");
  ASSERT_TRUE(hint->HandleAllocated());
  const HWND window = hint->GetWindowHandle();
  EXPECT_EQ(windows.GetParent(window), 0u);
  EXPECT_TRUE(windows.IsWindowVisible(window));
  TRect bounds;
  ASSERT_TRUE(windows.GetWindowBounds(window, bounds));
  EXPECT_EQ(bounds, Rect(200, 150, 280, 170));

  // A second hint reuses the window.
  hint->ActivateHintData(Rect(10, 10, 60, 30), "Opens", nullptr);
  EXPECT_EQ(hint->GetWindowHandle(), window);
  ASSERT_TRUE(windows.GetWindowBounds(window, bounds));
  EXPECT_EQ(bounds, Rect(10, 10, 60, 30));

  // A rectangle turned inside out raises and leaves the hint as it was.
  EXPECT_RAISES(hint->ActivateHint(Rect(50, 50, 40, 60), "Other"), EInvalidOperation,
                "Invalid size -10 x 10 for control 'THintWindow' (0..16777216)");
  EXPECT_EQ(hint->GetCaption(), "Opens");
  hint->ReleaseHandle();
  EXPECT_FALSE(hint->GetActive());
  EXPECT_FALSE(hint->GetVisible());
  EXPECT_FALSE(hint->HandleAllocated());
  EXPECT_FALSE(windows.IsWindow(window));
}

TEST_F(HintWindow, PaintsAFrameAroundTheInfoBackgroundAndTheText) {
  TOwned<THintWindow> hint = MakeOwned<THintWindow>(nullptr);
  hint->GetFont()->SetColor(clRed);
  const TRect rect = hint->CalcHintRect(1000, "MMMM", nullptr);
  hint->ActivateHint(Bounds(40, 40, rect.Width(), rect.Height()), "MMMM");
  const HWND window = hint->GetWindowHandle();
  WidgetSet().Windows().UpdateWindow(window);
  EXPECT_EQ(Shown(window, 0, 0), Drawn(clWindowFrame));
  EXPECT_EQ(Shown(window, rect.Width() - 1, rect.Height() - 1), Drawn(clWindowFrame));
  EXPECT_EQ(Shown(window, 1, 1), Drawn(clInfoBk));
  bool text = false;
  for (int32_t x = 3; x < rect.Width() - 3; ++x)
    for (int32_t y = 2; y < rect.Height() - 2; ++y) text = text || Shown(window, x, y) == Drawn(clRed);
  EXPECT_TRUE(text) << "no pixel of the text inside the margins";
}

TEST_F(HintWindow, MouseButtonsKeysAndTheWheelHideAHintButMovesAndPaintsDoNot) {
  TOwned<THintWindow> hint = MakeOwned<THintWindow>(nullptr);
  for (uint32_t msg : {WM_LBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDBLCLK, WM_MOUSEWHEEL, WM_KEYDOWN, WM_CHAR,
                       WM_SYSKEYDOWN, WM_COMMAND, CM_DEACTIVATE, WM_MOUSEMOVE, WM_PAINT, WM_SETFOCUS, CM_MOUSEENTER}) {
    TWMGeneric m(msg);
    const bool input = msg != WM_MOUSEMOVE && msg != WM_PAINT && msg != WM_SETFOCUS && msg != CM_MOUSEENTER;
    EXPECT_EQ(hint->IsHintMsg(m), input) << std::hex << msg;
  }
}

}  // namespace
}  // namespace host::controlstest
