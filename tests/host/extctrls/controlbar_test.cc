// The control bar as a user meets it: bands laid out in rows, a band's
// grabber dragged with the robot moves the band within and between rows,
// with the band events deciding; bad row sizes change nothing.
#include <cstdint>

#include "tests/host/extctrls/pagesbars_test.h"

namespace host::pagesbarstest {
namespace {

class ControlBarTest : public PagesBarsTest {
 protected:
  void SetUp() override {
    PagesBarsTest::SetUp();
    bar = Add<TControlBar>(form.get(), "Bar", Bounds(10, 10, 380, 80));
    a = Add<THolder>(bar, "A", Bounds(20, 2, 60, 22));
    b = Add<THolder>(bar, "B", Bounds(40, 3, 60, 22));
  }
  // The grabber of a band: its left inset, at the middle of its height.
  TPoint Grabber(TControl* Control) { return At(bar, {Control->GetLeft() - 7, Control->GetTop() + 10}); }
  TControlBar* bar = nullptr;
  THolder* a = nullptr;
  THolder* b = nullptr;
};

TEST_F(ControlBarTest, BandsSitSideBySideInRowsAndAGrabberDragMovesABandToAnotherRow) {
  EXPECT_EQ(a->GetBoundsRect(), Bounds(20, 2, 60, 22));
  EXPECT_EQ(b->GetBoundsRect(), Bounds(9 + 73 + 11, 2, 60, 22)) << "pushed right of A's band";
  EXPECT_EQ(bar->BandRect(b), Bounds(82, 0, 73, 26));
  EXPECT_EQ(bar->RowCount(), 1);
  bar->OnBandDrag = [this](TObject*, TControl* control, bool& drag) {
    log.push_back("drag " + control->GetName());
    drag = control != a;
  };
  Show();
  Robot().Drag(Grabber(b), At(bar, {200, 40}), 3);  // into the second row
  EXPECT_EQ(b->GetTop(), 26 + 2);
  EXPECT_EQ(b->GetLeft(), 200 - 4 + 11) << "the band moved with the mouse holding it 4 pixels into the grabber";
  EXPECT_EQ(bar->RowCount(), 2);
  // Back into the first row before A: A is pushed right of it.
  Robot().Drag(Grabber(b), At(bar, {5, 10}), 2);
  EXPECT_EQ(b->GetBoundsRect(), Bounds(1 + 11, 2, 60, 22));
  EXPECT_EQ(a->GetLeft(), 1 + 73 + 11);
  // A refuses to be dragged.
  Robot().Drag(Grabber(a), At(bar, {100, 40}), 2);
  EXPECT_EQ(a->GetTop(), 2);
  EXPECT_EQ(log, (std::vector<std::string>{"drag B", "drag B", "drag A"}));
}

TEST_F(ControlBarTest, BandEventsChangeTheRectanglesTheBarUses) {
  // OnBandInfo: a wider grabber for A, B two rows tall.
  bar->OnBandInfo = [this](TObject*, TControl* control, TRect& insets, int32_t&, int32_t& rows) {
    if (control == a) insets.Left = 20;
    if (control == b) rows = 2;
  };
  bar->StickControls();
  EXPECT_EQ(a->GetLeft(), 0 + 20) << "A's band starts at its old band's left (9 - 9 = 0 with the wider grabber)";
  EXPECT_EQ(b->GetHeight(), 2 * 26 - 4);
  bar->SetAutoSize(true);
  EXPECT_EQ(bar->GetHeight(), 52);
  // OnBandMove: the handler keeps the dragged band at 150 whatever the mouse.
  bar->OnBandMove = [](TObject*, TControl*, TRect& rect) { rect = Bounds(150, rect.Top, rect.Width(), rect.Height()); };
  Show();
  Robot().Drag(Grabber(b), At(bar, {300, 10}), 2);
  EXPECT_EQ(b->GetLeft(), 150 + 11);
  // OnBandPaint sees each band's rectangle with both options, and may drop them.
  std::vector<TRect> painted;
  bar->OnBandPaint = [&](TObject*, TControl* control, TCanvas* canvas, TRect& rect, TBandPaintOptions& options) {
    EXPECT_EQ(canvas, bar->GetCanvas());
    EXPECT_EQ(rect, bar->BandRect(control));
    EXPECT_EQ(options, (TBandPaintOptions{bpoGrabber, bpoFrame}));
    painted.push_back(rect);
    options = {};
  };
  bar->Repaint();
  EXPECT_EQ(painted.size(), 2u);
  // What a handler hands back is kept within what the layout can add up.
  bar->SetAutoSize(false);
  bar->OnBandInfo = [this](TObject*, TControl* control, TRect& insets, int32_t& preferred, int32_t& rows) {
    if (control != b) return;
    insets.Left = -50;
    preferred = INT32_MAX;
    rows = 1000;
  };
  bar->StickControls();
  EXPECT_EQ(b->GetHeight(), 64 * 26 - 4);
  EXPECT_EQ(b->GetWidth(), MaxControlSize - 2);
  // A bad row size changes nothing.
  EXPECT_RAISES(bar->SetRowSize(0), EInvalidOperation, "RowSize of 'Bar' must be within 1..65536, not 0");
  EXPECT_EQ(bar->GetRowSize(), 26);
}

TEST_F(ControlBarTest, RowsAndBandsGoThroughAFormFile) {
  bar->SetRowSize(30);
  bar->SetAutoDrag(false);
  b->SetTop(35);
  bar->StickControls();
  ASSERT_EQ(b->GetTop(), 32);
  auto* split = Add<TSplitter>(form.get(), "Split", Bounds(0, 0, 3, 300), alLeft);
  split->SetResizeStyle(rsUpdate);
  const TFormRoundTrip file = RoundTrip(form.get());
  EXPECT_NE(file.Text.find("RowSize = 30"), std::string::npos) << file.Text;
  EXPECT_NE(file.Text.find("ResizeStyle = rsUpdate"), std::string::npos) << file.Text;
  EXPECT_EQ(file.Text.find("Align = alLeft"), std::string::npos) << "a splitter's default alignment is not stored";

  TOwned<THolder> copy(New<THolder>(nullptr));
  RegisterClass(&THolder::StaticMetaClass);
  ReadForm(file.Binary, copy.get());
  UnRegisterClass(&THolder::StaticMetaClass);
  auto* bar2 = dynamic_cast<TControlBar*>(copy->FindComponent("Bar"));
  ASSERT_NE(bar2, nullptr);
  EXPECT_EQ(bar2->GetRowSize(), 30);
  EXPECT_FALSE(bar2->GetAutoDrag());
  EXPECT_EQ(bar2->RowCount(), 2);
  auto* b2 = dynamic_cast<TControl*>(copy->FindComponent("B"));
  ASSERT_NE(b2, nullptr);
  EXPECT_EQ(b2->GetBoundsRect(), b->GetBoundsRect());
  auto* split2 = dynamic_cast<TSplitter*>(copy->FindComponent("Split"));
  ASSERT_NE(split2, nullptr);
  EXPECT_EQ(split2->GetAlign(), alLeft);
  EXPECT_EQ(split2->GetResizeStyle(), rsUpdate);
}

}  // namespace
}  // namespace host::pagesbarstest
