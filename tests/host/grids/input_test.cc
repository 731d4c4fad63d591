// The grid as a user meets it: clicking cells (never a fixed one), the
// navigation keys, Tab with and without goTabs, range selection, scrolling
// to the current cell and dragging a column's grid line.
#include "tests/host/grids/grids_test.h"

#include "host/widgetset/wskeys.h"

namespace host::gridstest {
namespace {

TEST_F(GridsTest, ClickingSelectsACellButNeverAFixedOne) {
  RecordEvents();
  ClickCell(3, 2);
  EXPECT_TRUE(grid->Focused());
  EXPECT_EQ(grid->GetCol(), 3);
  EXPECT_EQ(grid->GetRow(), 2);
  EXPECT_EQ(log, (std::vector<std::string>{"select 3 2", "click"}));
  log.clear();
  ClickCell(0, 3);  // the fixed column
  ClickCell(2, 0);  // the fixed row
  EXPECT_EQ(grid->GetCol(), 3);
  EXPECT_EQ(grid->GetRow(), 2);
  EXPECT_TRUE(log.empty()) << "a fixed cell is offered to nobody";
  // OnSelectCell may refuse a cell; the current cell stays.
  grid->OnSelectCell = TSelectCellEvent([](TObject*, int32_t c, int32_t, bool& can) { can = c != 1; });
  ClickCell(1, 1);
  EXPECT_EQ(grid->GetCol(), 3);
  ClickCell(2, 1);
  EXPECT_EQ(grid->GetCol(), 2);
  EXPECT_EQ(grid->GetRow(), 1);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{2, 1, 2, 1}));
}

TEST_F(GridsTest, ArrowsHomeAndEndMoveTheCurrentCellWithinTheScrollableCells) {
  ClickCell(1, 1);
  Robot().Press(VK_RIGHT);
  Robot().Press(VK_DOWN);
  Robot().Press(VK_DOWN);
  EXPECT_EQ(grid->GetCol(), 2);
  EXPECT_EQ(grid->GetRow(), 3);
  Robot().Press(VK_LEFT);
  Robot().Press(VK_LEFT);  // stops before the fixed column
  Robot().Press(VK_UP);
  EXPECT_EQ(grid->GetCol(), 1);
  EXPECT_EQ(grid->GetRow(), 2);
  Robot().Press(VK_END);
  EXPECT_EQ(grid->GetCol(), 4);
  Robot().Press(VK_HOME);
  EXPECT_EQ(grid->GetCol(), 1);
  Robot().Press(VK_END, {ssCtrl});
  EXPECT_EQ(grid->GetCol(), 4);
  EXPECT_EQ(grid->GetRow(), 4);
  Robot().Press(VK_DOWN);
  EXPECT_EQ(grid->GetRow(), 4) << "the last row is the last";
  EXPECT_TRUE(grid->Focused()) << "the arrows never move the focus away";
}

TEST_F(GridsTest, TabMovesBetweenCellsWithGoTabsAndLeavesTheGridWithout) {
  ClickCell(3, 1);
  Robot().Press(VK_TAB);
  EXPECT_TRUE(other->Focused()) << "without goTabs Tab moves the focus on";
  grid->SetOptions(grid->GetOptions() + TGridOptions{goTabs});
  ClickCell(3, 1);
  Robot().Press(VK_TAB);
  EXPECT_EQ(grid->GetCol(), 4);
  Robot().Press(VK_TAB);  // wraps to the next row's first scrollable cell
  EXPECT_EQ(grid->GetCol(), 1);
  EXPECT_EQ(grid->GetRow(), 2);
  Robot().Press(VK_TAB, {ssShift});
  EXPECT_EQ(grid->GetCol(), 4);
  EXPECT_EQ(grid->GetRow(), 1);
  EXPECT_TRUE(grid->Focused());
}

TEST_F(GridsTest, ShiftExtendsARangeSelectionAndRowSelectTakesWholeRows) {
  ClickCell(2, 2);
  Robot().Press(VK_RIGHT, {ssShift});
  Robot().Press(VK_DOWN, {ssShift});
  EXPECT_EQ(grid->GetSelection(), (TGridRect{2, 2, 3, 3}));
  EXPECT_EQ(grid->GetCol(), 2) << "the current cell stays where the range started";
  ClickCell(1, 1, {ssShift});
  EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 1, 2, 2}));
  Robot().Drag(CellPoint(3, 1), CellPoint(4, 2), 3);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{3, 1, 4, 2}));
  // Without goRangeSelect Shift moves the current cell alone.
  grid->SetOptions(grid->GetOptions() - TGridOptions{goRangeSelect});
  Robot().Press(VK_DOWN, {ssShift});
  EXPECT_EQ(grid->GetSelection(), (TGridRect{3, 2, 3, 2}));
  grid->SetOptions(grid->GetOptions() + TGridOptions{goRowSelect});
  EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 2, 4, 2}));
}

TEST_F(GridsTest, MovingPastTheLastShownRowScrollsTheGrid) {
  grid->SetRowCount(20);
  ClickCell(1, 1);
  const int32_t shown = grid->GetVisibleRowCount();
  ASSERT_EQ(shown, 4) << "128 pixels inside the border hold the fixed row and four rows of 25";
  for (int i = 0; i < 4; ++i) Robot().Press(VK_DOWN);
  EXPECT_EQ(grid->GetRow(), 5);
  EXPECT_EQ(grid->GetTopRow(), 2);
  Robot().Press(VK_NEXT);
  EXPECT_EQ(grid->GetRow(), 9);
  EXPECT_EQ(grid->GetTopRow(), 6);
  Robot().Press(VK_HOME, {ssCtrl});
  EXPECT_EQ(grid->GetTopRow(), 1);
  // A click lands on the cell shown, not on the one the position had before.
  grid->SetTopRow(10);
  ClickCell(1, 10);
  EXPECT_EQ(grid->GetRow(), 10);
  EXPECT_TRUE(grid->CellRect(1, 2).IsEmpty()) << "a row scrolled out of sight has no rectangle";
}

TEST_F(GridsTest, DraggingAGridLineInTheFixedRowResizesTheColumnWithGoColSizing) {
  const TRect first = grid->CellRect(1, 0);
  const TPoint line = grid->ClientToScreen({first.Right, first.Top + 5});
  Robot().Drag(line, {line.X + 30, line.Y}, 3);
  EXPECT_EQ(grid->GetColWidths(1), 64) << "without goColSizing a drag resizes nothing";
  grid->SetOptions(grid->GetOptions() + TGridOptions{goColSizing});
  Robot().Drag(line, {line.X + 30, line.Y}, 3);
  EXPECT_EQ(grid->GetColWidths(1), 94);
  EXPECT_EQ(grid->CellRect(2, 1).Left, first.Right + 30 + 1) << "the next column moved with the line";
  Robot().Drag({line.X + 30, line.Y}, {line.X - 200, line.Y}, 2);
  EXPECT_EQ(grid->GetColWidths(1), 0) << "a column closes at 0";
  EXPECT_EQ(grid->GetRowHeights(1), 24);
  // Rows are sized on the fixed column's lines, with goRowSizing alone.
  const TRect head = grid->CellRect(0, 2);
  const TPoint rowLine = grid->ClientToScreen({head.Left + 5, head.Bottom});
  Robot().Drag(rowLine, {rowLine.X, rowLine.Y + 10}, 2);
  EXPECT_EQ(grid->GetRowHeights(2), 24);
  grid->SetOptions(grid->GetOptions() + TGridOptions{goRowSizing});
  Robot().Drag(rowLine, {rowLine.X, rowLine.Y + 10}, 2);
  EXPECT_EQ(grid->GetRowHeights(2), 34);
  EXPECT_EQ(grid->GetRowHeights(1), 24);
}

}  // namespace
}  // namespace host::gridstest
