// Editing in place as a user does it: typing starts the editor over the
// cell, every change is stored at once and heard by OnSetEditText, Enter
// and a click elsewhere end editing, Escape puts the old text back.
#include "tests/host/grids/grids_test.h"

#include "host/widgetset/wskeys.h"

namespace host::gridstest {
namespace {

class EditingTest : public GridsTest {
 protected:
  void SetUp() override {
    GridsTest::SetUp();
    grid->SetOptions(grid->GetOptions() + TGridOptions{goEditing});
    grid->SetCells(2, 1, "old");
    RecordEvents();
  }
  TInplaceEdit* Editor() const { return grid->GetInplaceEditor(); }
};

TEST_F(EditingTest, TypingStartsTheEditorAndEveryChangeReachesCellsAndOnSetEditText) {
  ClickCell(2, 1);
  log.clear();
  EXPECT_FALSE(grid->GetEditorMode());
  Robot().Type("ab");
  ASSERT_TRUE(grid->GetEditorMode());
  ASSERT_NE(Editor(), nullptr);
  EXPECT_TRUE(Editor()->Focused());
  EXPECT_EQ(Editor()->GetBoundsRect(), grid->CellRect(2, 1)) << "the editor lies over its cell";
  EXPECT_EQ(log, (std::vector<std::string>{"set 2 1 'a'", "set 2 1 'ab'"})) << "the typed text replaced 'old'";
  EXPECT_EQ(grid->GetCells(2, 1), "ab");
  Robot().Press(VK_BACK);
  EXPECT_EQ(grid->GetCells(2, 1), "a");
  Robot().Press(VK_RETURN);
  EXPECT_FALSE(grid->GetEditorMode());
  EXPECT_FALSE(Editor()->GetVisible());
  EXPECT_TRUE(grid->Focused()) << "the focus goes back to the grid";
  EXPECT_EQ(grid->GetCells(2, 1), "a");
  EXPECT_EQ(log.back(), "set 2 1 'a'");
  EXPECT_EQ(log.size(), 3u) << "Enter stores nothing more";
  // The arrows move on from the cell again.
  Robot().Press(VK_DOWN);
  EXPECT_EQ(grid->GetRow(), 2);
}

TEST_F(EditingTest, EscapePutsTheTextFromBeforeEditingBack) {
  ClickCell(2, 1);
  Robot().Press(VK_F2);
  ASSERT_TRUE(grid->GetEditorMode());
  EXPECT_EQ(Editor()->GetText(), "old") << "F2 edits the cell's text";
  Robot().Press(VK_END);
  Robot().Type("er");
  EXPECT_EQ(grid->GetCells(2, 1), "older");
  grid->SetEditorMode(true);
  EXPECT_EQ(Editor()->GetText(), "older") << "asking a shown editor to show changes nothing";
  log.clear();
  Robot().Press(VK_ESCAPE);
  EXPECT_FALSE(grid->GetEditorMode());
  EXPECT_EQ(grid->GetCells(2, 1), "old");
  EXPECT_EQ(log, (std::vector<std::string>{"set 2 1 'old'"}));
  // Escape on an unchanged text stores nothing.
  Robot().Press(VK_F2);
  log.clear();
  Robot().Press(VK_ESCAPE);
  EXPECT_TRUE(log.empty());
}

TEST_F(EditingTest, ClickingAnotherCellOrControlEndsEditingKeepingTheText) {
  ClickCell(2, 1);
  Robot().Type("x");
  ClickCell(3, 2);
  EXPECT_FALSE(grid->GetEditorMode());
  EXPECT_EQ(grid->GetCells(2, 1), "x");
  EXPECT_EQ(grid->GetCol(), 3);
  EXPECT_TRUE(grid->Focused());
  // A second click on the current cell edits it.
  ClickCell(3, 2);
  EXPECT_TRUE(grid->GetEditorMode());
  Robot().Type("y");
  Robot().Click(other->ClientToScreen({5, 5}));
  EXPECT_FALSE(grid->GetEditorMode());
  EXPECT_TRUE(other->Focused());
  EXPECT_EQ(grid->GetCells(3, 2), "y");
}

// OnGetEditText gives the editor's text; Down leaves the editor and moves
// on; without goEditing typing edits nothing.
TEST_F(EditingTest, OnGetEditTextAndMovingOutOfTheEditor) {
  grid->OnGetEditText = TGetEditEvent([](TObject*, int32_t, int32_t, std::string& text) { text = "<" + text + ">"; });
  ClickCell(2, 1);
  Robot().Press(VK_RETURN);
  ASSERT_TRUE(grid->GetEditorMode());
  EXPECT_EQ(Editor()->GetText(), "<old>");
  Robot().Press(VK_DOWN);
  EXPECT_FALSE(grid->GetEditorMode());
  EXPECT_EQ(grid->GetRow(), 2);
  EXPECT_EQ(grid->GetCells(2, 1), "old") << "an editor left unchanged stores nothing";
  grid->SetOptions(grid->GetOptions() - TGridOptions{goEditing});
  Robot().Type("z");
  EXPECT_FALSE(grid->GetEditorMode());
  EXPECT_EQ(grid->GetCells(2, 2), "");
}

TEST_F(EditingTest, WithGoAlwaysShowEditorTheEditorFollowsTheCurrentCell) {
  grid->SetOptions(grid->GetOptions() + TGridOptions{goAlwaysShowEditor, goTabs});
  ClickCell(2, 1);
  ASSERT_TRUE(grid->GetEditorMode());
  Robot().Type("q");
  Robot().Press(VK_TAB);
  EXPECT_EQ(grid->GetCol(), 3);
  EXPECT_TRUE(grid->GetEditorMode());
  EXPECT_EQ(Editor()->GetBoundsRect(), grid->CellRect(3, 1));
  EXPECT_EQ(grid->GetCells(2, 1), "q");
  EXPECT_EQ(grid->GetCells(3, 1), "");
}

}  // namespace
}  // namespace host::gridstest
