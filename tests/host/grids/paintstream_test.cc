// What the grid shows on the raster, how it goes through a form file, and
// bad input that raises and leaves the grid as it was.
#include "tests/host/grids/grids_test.h"

#include "tests/support/formtest.h"

namespace host::gridstest {
namespace {

TEST_F(GridsTest, FixedCellsGridLinesSelectionAndTextArePainted) {
  grid->SetCells(1, 0, "Name");
  grid->SetCells(2, 2, "Ada");
  grid->SetSelection({2, 2, 3, 3});
  const TRect fixed = grid->CellRect(1, 0), plain = grid->CellRect(1, 1),
              line = {plain.Right, plain.Top + 5, plain.Right + 1, plain.Top + 10};
  EXPECT_EQ(At(fixed.Left + 40, fixed.Top + 20), Drawn(clBtnFace)) << "a fixed cell in the button face";
  EXPECT_EQ(At(plain.Left + 40, plain.Top + 20), Drawn(clWindow));
  EXPECT_EQ(At(line.Left, line.Top), Drawn(clSilver)) << "goVertLine draws the line right of a cell";
  EXPECT_EQ(At(fixed.Right, fixed.Top + 5), Drawn(clBtnShadow)) << "goFixedVertLine in the fixed row";
  const TRect selected = grid->CellRect(3, 3);
  EXPECT_EQ(At(selected.Left + 40, selected.Top + 20), Drawn(clHighlight));
  EXPECT_EQ(At(grid->CellRect(2, 2).Left + 50, grid->CellRect(2, 2).Top + 20), Drawn(clWindow))
      << "the current cell is not highlighted";
  EXPECT_GT(Count(grid->CellRect(2, 2), grid->GetFont()->GetColor()), 5) << "the cell's text is drawn";
  EXPECT_GT(Count(fixed, grid->GetFont()->GetColor()), 5);
  EXPECT_EQ(Count(grid->CellRect(3, 2), grid->GetFont()->GetColor()), 0);
  // Without goVertLine the line shows the grid's colour; FixedColor repaints the fixed cells.
  grid->SetOptions(grid->GetOptions() - TGridOptions{goVertLine});
  grid->SetFixedColor(clYellow);
  EXPECT_EQ(At(line.Left, line.Top), Drawn(clWindow));
  EXPECT_EQ(At(fixed.Left + 40, fixed.Top + 20), Drawn(clYellow));
  // OnDrawCell draws after the default drawing; without it nothing is filled.
  grid->OnDrawCell = TDrawCellEvent([this](TObject*, int32_t c, int32_t r, TRect box, TGridDrawState state) {
    if (c == 1 && r == 1 && !state.Contains(gdFixed)) {
      grid->GetCanvas()->GetBrush()->SetColor(clRed);
      grid->GetCanvas()->FillRect(TRect{box.Left, box.Top, box.Left + 10, box.Bottom});
    }
  });
  grid->Invalidate();
  EXPECT_EQ(At(plain.Left + 5, plain.Top + 5), Drawn(clRed));
  EXPECT_EQ(At(plain.Left + 40, plain.Top + 5), Drawn(clWindow));
}

TEST_F(GridsTest, AGridGoesThroughAFormFileAndBack) {
  grid->SetColCount(4);
  grid->SetRowCount(7);
  grid->SetFixedCols(0);
  grid->SetFixedRows(2);
  grid->SetDefaultRowHeight(18);
  grid->SetColWidths(2, 100);
  grid->SetOptions(TGridOptions{goFixedHorzLine, goEditing, goTabs});
  const TFormRoundTrip file = RoundTrip(form.get());
  EXPECT_NE(file.Text.find("ColCount = 4"), std::string::npos) << file.Text;
  EXPECT_NE(file.Text.find("Options = [goFixedHorzLine, goEditing, goTabs]"), std::string::npos) << file.Text;
  EXPECT_NE(file.Text.find("ColWidths = (\n      64\n      64\n      100\n      64)"), std::string::npos) << file.Text;
  EXPECT_EQ(file.Text.find("RowHeights"), std::string::npos) << "row heights at their default are not written";
  EXPECT_EQ(file.Text.find("FixedRows = 1"), std::string::npos);

  TOwned<THolder> copy(New<THolder>(nullptr));
  ReadForm(file.Binary, copy.get());
  auto* read = dynamic_cast<TStringGrid*>(copy->FindComponent("Grid"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetColCount(), 4);
  EXPECT_EQ(read->GetRowCount(), 7);
  EXPECT_EQ(read->GetFixedCols(), 0);
  EXPECT_EQ(read->GetFixedRows(), 2);
  EXPECT_EQ(read->GetColWidths(2), 100);
  EXPECT_EQ(read->GetColWidths(3), 64);
  EXPECT_EQ(read->GetRowHeights(6), 18);
  EXPECT_EQ(read->GetOptions(), (TGridOptions{goFixedHorzLine, goEditing, goTabs}));
  EXPECT_EQ(FormText(copy.get()), file.Text) << "written back, the grid gives the same form file";

  // A form file as a person writes it: the count before the fixed count.
  const std::string text =
      "object Form: THolder\n  object G: TStringGrid\n    ColCount = 2\n    FixedCols = 1\n"
      "    RowCount = 3\n    FixedRows = 2\n  end\nend\n";
  TOwned<THolder> typed(New<THolder>(nullptr));
  ReadForm(TextToBinary(text), typed.get());
  auto* g = dynamic_cast<TStringGrid*>(typed->FindComponent("G"));
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->GetColCount(), 2);
  EXPECT_EQ(g->GetFixedRows(), 2);
  EXPECT_EQ(g->GetRow(), 2) << "the current cell is never fixed";
}

TEST_F(GridsTest, AFailingWriteRaisesAndLeavesTheGridUnchanged) {
  grid->SetCells(4, 4, "kept");
  grid->SetCol(3);
  const std::string before = FormText(form.get());
  EXPECT_RAISES(grid->SetColCount(-1), EInvalidGridOperation, "Column count -1 of 'Grid' is below 1");
  EXPECT_RAISES(grid->SetRowCount(0), EInvalidGridOperation, "Row count 0 of 'Grid' is below 1");
  EXPECT_RAISES(grid->SetFixedCols(5), EInvalidGridOperation, "Fixed column count must be less than column count");
  EXPECT_RAISES(grid->SetFixedRows(-1), EInvalidGridOperation, "Grid index out of range");
  EXPECT_RAISES(grid->SetCol(0), EInvalidGridOperation, "Grid index out of range");
  EXPECT_RAISES(grid->SetRow(5), EInvalidGridOperation, "Grid index out of range");
  EXPECT_RAISES(grid->SetCells(5, 0, "x"), EInvalidGridOperation, "Grid index out of range");
  EXPECT_RAISES(grid->GetCells(0, -1), EInvalidGridOperation, "Grid index out of range");
  EXPECT_RAISES(grid->SetColWidths(1, -3), EInvalidGridOperation, "Column width -3 of 'Grid' is outside 0..16777216");
  EXPECT_RAISES(grid->SetSelection({1, 1, 9, 2}), EInvalidGridOperation, "Grid index out of range");
  EXPECT_RAISES(grid->SetTopRow(0), EInvalidGridOperation, "Grid index out of range");
  EXPECT_EQ(FormText(form.get()), before);
  EXPECT_EQ(grid->GetColCount(), 5);
  EXPECT_EQ(grid->GetFixedCols(), 1);
  EXPECT_EQ(grid->GetCol(), 3);
  EXPECT_EQ(grid->GetSelection(), (TGridRect{3, 1, 3, 1}));
  EXPECT_EQ(grid->GetCells(4, 4), "kept");
  // A smaller count keeps the cells that remain and moves the current cell in.
  grid->SetColCount(2);
  grid->SetColCount(5);
  EXPECT_EQ(grid->GetCells(4, 4), "") << "a cell that went is empty when it comes back";
  EXPECT_EQ(grid->GetCol(), 1);
  grid->SetRows(1, {"a", "b", "c"});
  EXPECT_EQ(grid->GetCols(1), (std::vector<std::string>{"", "b", "", "", ""}));
}

}  // namespace
}  // namespace host::gridstest
