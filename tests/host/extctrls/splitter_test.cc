// The splitter as a user meets it: dragged with the robot it resizes the
// neighbour aligned to its side, within MinSize and the room left, with
// OnCanResize deciding each step and OnMoved after each change.
#include "tests/host/extctrls/pagesbars_test.h"

namespace host::pagesbarstest {
namespace {

class SplitterTest : public PagesBarsTest {
 protected:
  void SetUp() override {
    PagesBarsTest::SetUp();
    tree = Add<THolder>(form.get(), "Tree", Bounds(0, 0, 100, 300), alLeft);
    split = Add<TSplitter>(form.get(), "Split", Bounds(100, 0, 3, 300), alLeft);
    rest = Add<THolder>(form.get(), "Rest", Bounds(0, 0, 10, 10), alClient);
    split->OnMoved = [this](TObject*) { log.push_back("moved " + std::to_string(tree->GetWidth())); };
  }
  THolder* tree = nullptr;
  TSplitter* split = nullptr;
  THolder* rest = nullptr;
};

TEST_F(SplitterTest, ADragShowsALineAndResizesTheNeighbourOnRelease) {
  ASSERT_EQ(split->GetLeft(), 100);
  EXPECT_EQ(split->FindNeighbour(), tree);
  Show();
  Robot().MouseDown(At(split, {1, 50}));
  Robot().MouseMove(At(split, {41, 50}));
  EXPECT_EQ(tree->GetWidth(), 100) << "rsPattern waits for the release";
  EXPECT_EQ(split->GetLinePos(), 140);
  Robot().MouseUp(At(split, {41, 50}));
  EXPECT_EQ(tree->GetWidth(), 140);
  EXPECT_EQ(split->GetLeft(), 140);
  EXPECT_EQ(rest->GetLeft(), 143);
  EXPECT_EQ(split->GetLinePos(), -1);
  // Far to the left: MinSize; far to the right: the room left for Rest's MinSize.
  Robot().Drag(At(split, {1, 50}), At(split, {-300, 50}), 2);
  EXPECT_EQ(tree->GetWidth(), 30);
  Robot().Drag(At(split, {1, 50}), At(split, {600, 50}), 2);
  EXPECT_EQ(tree->GetWidth(), 400 - 30 - 3);
  EXPECT_EQ(log, (std::vector<std::string>{"moved 140", "moved 30", "moved 367"}));
}

TEST_F(SplitterTest, OnCanResizeChangesOrRefusesEachStepOfALiveResize) {
  split->SetResizeStyle(rsUpdate);
  split->OnCanResize = [this](TObject*, int32_t& size, bool& accept) {
    log.push_back("can " + std::to_string(size));
    if (size > 150) accept = false;
    size = size / 10 * 10;
  };
  Show();
  Robot().Drag(At(split, {1, 50}), At(split, {81, 50}), 4);  // 120, 140, 160, 180
  EXPECT_EQ(tree->GetWidth(), 140);
  EXPECT_EQ(log, (std::vector<std::string>{"can 120", "moved 120", "can 140", "moved 140", "can 160", "can 180"}));
  // A handler that frees the neighbour ends the resize; a bad MinSize
  // changes nothing.
  split->OnCanResize = [this](TObject*, int32_t&, bool&) { tree->Free(); };
  Robot().Drag(At(split, {1, 50}), At(split, {30, 50}), 2);
  EXPECT_EQ(form->FindComponent("Tree"), nullptr);
  EXPECT_EQ(log.size(), 6u) << "no OnMoved for a freed neighbour";
  EXPECT_RAISES(split->SetMinSize(0), EInvalidOperation, "MinSize of 'Split' must be within 1..16777216, not 0");
  EXPECT_EQ(split->GetMinSize(), 30);
}

TEST_F(SplitterTest, ASplitterOnTheRightResizesTheControlOnItsRight) {
  auto* side = Add<THolder>(form.get(), "Side", Bounds(300, 0, 100, 300), alRight);
  auto* rightSplit = Add<TSplitter>(form.get(), "RightSplit", Bounds(290, 0, 3, 300), alRight);
  ASSERT_EQ(rightSplit->FindNeighbour(), side);
  rightSplit->SetResizeStyle(rsNone);
  Show();
  Robot().Drag(At(rightSplit, {1, 50}), At(rightSplit, {-29, 50}), 3);
  EXPECT_EQ(side->GetWidth(), 130);
  EXPECT_EQ(side->GetLeft(), 270);
  EXPECT_EQ(rightSplit->GetLeft(), 267);
}

}  // namespace
}  // namespace host::pagesbarstest
