// The scroll bar as a user meets it: clicks on the arrows and the track,
// the thumb dragged, the keys of a focused bar, each step through OnScroll
// (whose handler decides the position taken) and OnChange; bad ranges
// refused unchanged; what it paints.
#include <tuple>

#include "tests/host/stdctrls/buttons_test.h"

namespace host::stdctrlstest {
namespace {

class ScrollBarTest : public ButtonsTest {
 protected:
  // A 200 x 20 bar: arrows of 20, a track of 160 and, without a page, a
  // thumb of 20 with 140 pixels to travel for positions 0..100.
  void SetUp() override {
    ButtonsTest::SetUp();
    bar = Add<TScrollBar>(form.get(), "Bar", Bounds(10, 10, 200, 20));
    bar->OnScroll = [this](TObject*, TScrollCode code, int32_t& pos) {
      log.push_back(Code(code) + " " + std::to_string(pos));
      if (limit) pos = std::min(pos, *limit);
    };
    bar->OnChange = [this](TObject*) { log.push_back("change " + std::to_string(bar->GetPosition())); };
  }
  static std::string Code(TScrollCode Code) {
    static const char* const names[] = {"lineup", "linedown", "pageup", "pagedown", "position",
                                        "track",  "top",      "bottom", "end"};
    return names[Code];
  }
  TScrollBar* bar = nullptr;
  std::optional<int32_t> limit;  // the handler keeps the position at most this
};

TEST_F(ScrollBarTest, ClicksOnTheArrowsAndTheTrackScrollByLinesAndPages) {
  bar->SetSmallChange(5);
  bar->SetLargeChange(30);
  Show();
  Robot().Click(At(bar, {5, 10}));  // at the top already: no change
  Robot().Click(At(bar, {195, 10}));
  Robot().Click(At(bar, {170, 10}));  // the track after the thumb
  EXPECT_TRUE(bar->Focused());
  EXPECT_EQ(bar->GetParts().Thumb, Rect(69, 0, 89, 20)) << "position 35 of 100 over 140 pixels";
  Robot().Click(At(bar, {40, 10}));  // the track before the thumb
  Robot().Click(At(bar, {35, 10}));  // the thumb (27..47): no step
  EXPECT_EQ(
      log, (std::vector<std::string>{"lineup 0", "end 0", "linedown 5", "change 5", "end 5", "pagedown 35", "change 35",
                                     "end 35", "pageup 5", "change 5", "end 5", "position 5", "end 5"}));
  // Turned vertical, the bar swaps its sides and scrolls along Y.
  log.clear();
  bar->SetKind(sbVertical);
  EXPECT_EQ(bar->GetBoundsRect(), Bounds(10, 10, 20, 200));
  Robot().Click(At(bar, {10, 195}));
  EXPECT_EQ(bar->GetPosition(), 10);
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksAndTheHandlerDecidesThePositionTaken) {
  Show();
  limit = 40;
  Robot().Drag(At(bar, {30, 10}), At(bar, {100, 10}), 5);  // the thumb's start moves by 70: 50 of 100
  EXPECT_EQ(log, (std::vector<std::string>{"track 10", "change 10", "track 20", "change 20", "track 30", "change 30",
                                           "track 40", "change 40", "track 50", "position 50", "end 40"}));
  EXPECT_EQ(bar->GetPosition(), 40);
  // Dragged past the end, the thumb stands for the last position.
  limit.reset();
  log.clear();
  Robot().Drag(At(bar, {85, 10}), At(bar, {400, 10}), 1);
  EXPECT_EQ(log, (std::vector<std::string>{"track 100", "change 100", "position 100", "end 100"}));
}

TEST_F(ScrollBarTest, TheKeysOfAFocusedBarScrollEachEndingWithEndScroll) {
  bar->SetLargeChange(30);
  Show();
  bar->SetFocus();
  Robot().Press(VK_NEXT);
  Robot().Press(VK_RIGHT);
  Robot().Press(VK_PRIOR);
  Robot().Press(VK_END);
  Robot().Press(VK_HOME);
  EXPECT_EQ(log, (std::vector<std::string>{"pagedown 30", "change 30", "end 30", "linedown 31", "change 31", "end 31",
                                           "pageup 1", "change 1", "end 1", "bottom 100", "change 100", "end 100",
                                           "top 0", "change 0", "end 0"}));
  // With a page, the last position leaves the page in view; a handler
  // holding the position back keeps it there.
  log.clear();
  bar->SetPageSize(20);
  limit = 70;
  Robot().Press(VK_END);
  EXPECT_EQ(log, (std::vector<std::string>{"bottom 81", "change 70", "end 70"}));
  EXPECT_EQ(bar->GetParts().Thumb.Width(), 31) << "a page of 20 of 101 positions takes its share of the track";
}

TEST_F(ScrollBarTest, BadRangesRaiseAndChangeNothing) {
  bar->SetParams(50, 0, 100);
  log.clear();
  const std::string message = "Scroll bar property out of range";
  EXPECT_RAISES(bar->SetParams(10, 20, 5), EInvalidOperation, message);
  EXPECT_RAISES(bar->SetMax(-1), EInvalidOperation, message);
  EXPECT_RAISES(bar->SetMin(101), EInvalidOperation, message);
  EXPECT_RAISES(bar->SetPageSize(-1), EInvalidOperation, message);
  EXPECT_RAISES(bar->SetPageSize(102), EInvalidOperation, message);
  EXPECT_RAISES(bar->SetSmallChange(0), EInvalidOperation, message);
  EXPECT_RAISES(bar->SetLargeChange(MaxScrollBarInc + 1), EInvalidOperation, message);
  EXPECT_RAISES(bar->SetKind(static_cast<TScrollBarKind>(2)), EInvalidOperation,
                "Invalid property value (control 'Bar')");
  EXPECT_EQ(std::tuple(bar->GetPosition(), bar->GetMin(), bar->GetMax(), bar->GetPageSize(), bar->GetSmallChange(),
                       bar->GetLargeChange(), bar->GetKind()),
            std::tuple(50, 0, 100, 0, 1, 1, sbHorizontal));
  EXPECT_TRUE(log.empty());
  // Positions outside the range are taken at its nearest end; extreme
  // ranges do not overflow.
  bar->SetPosition(500);
  EXPECT_EQ(bar->GetPosition(), 100);
  bar->SetPageSize(10);
  EXPECT_EQ(bar->GetPosition(), 91);
  bar->SetParams(INT32_MIN, INT32_MIN, INT32_MAX);
  EXPECT_EQ(bar->GetPosition(), INT32_MIN);
  Show();
  bar->SetFocus();
  Robot().Press(VK_END);
  EXPECT_EQ(bar->GetPosition(), INT32_MAX - 9);
  EXPECT_EQ(bar->GetParts().Thumb.Right, 180);
  EXPECT_EQ(log, (std::vector<std::string>{"change 100", "change 91", "change -2147483648", "bottom 2147483638",
                                           "change 2147483638", "end 2147483638"}));
}

TEST_F(ScrollBarTest, TheBarPaintsArrowsALightTrackAndTheThumbWherePositionSays) {
  Show();
  bar->SetPosition(50);
  const TScrollBarParts parts = bar->GetParts();
  EXPECT_EQ(parts.Thumb, Rect(90, 0, 110, 20));
  EXPECT_EQ(PixelsShown(bar, Rect(20, 0, 90, 20), clBtnHighlight), 70 * 20) << "the track before the thumb";
  EXPECT_EQ(PixelsShown(bar, Rect(91, 1, 109, 19), clBtnHighlight), 0) << "the thumb's face";
  EXPECT_GT(PixelsShown(bar, parts.LineUp, clBtnText), 5) << "an arrow";
  EXPECT_GT(PixelsShown(bar, parts.LineDown, clBtnText), 5) << "an arrow";
}

}  // namespace
}  // namespace host::stdctrlstest
