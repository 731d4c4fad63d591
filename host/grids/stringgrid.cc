// TDrawGrid (the grid events) and TStringGrid (a string in each cell).
#include <algorithm>

#include "host/graphics/graphicsobj.h"
#include "host/grids/grids.h"

namespace host {

namespace {
// Where a cell's string lies among cells kept row by row.
std::size_t CellIndex(int32_t ACol, int32_t ARow, int32_t ColCount) {
  return static_cast<std::size_t>(ARow) * static_cast<std::size_t>(ColCount) + static_cast<std::size_t>(ACol);
}
}  // namespace

HOST_IMPL(TDrawGrid, TCustomGrid)
HOST_IMPL(TStringGrid, TDrawGrid)

// ---------------------------------------------------------------- TDrawGrid

void TDrawGrid::DrawCell(int32_t ACol, int32_t ARow, TRect ARect, TGridDrawState AState) {
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TDrawGrid::SelectCell(int32_t ACol, int32_t ARow) {
  bool canSelect = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, canSelect);
  return canSelect;
}

std::string TDrawGrid::GetEditText(int32_t ACol, int32_t ARow) {
  std::string text;
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
  return text;
}

void TDrawGrid::SetEditText(int32_t ACol, int32_t ARow, const std::string& Value) {
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

// -------------------------------------------------------------- TStringGrid

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {
  FCells.resize(static_cast<std::size_t>(GetColCount()) * static_cast<std::size_t>(GetRowCount()));
}

std::string& TStringGrid::Cell(int32_t ACol, int32_t ARow) { return FCells[CellIndex(ACol, ARow, GetColCount())]; }

std::string TStringGrid::GetCells(int32_t ACol, int32_t ARow) const {
  CheckCell(ACol, ARow);
  return FCells[CellIndex(ACol, ARow, GetColCount())];
}

void TStringGrid::SetCells(int32_t ACol, int32_t ARow, const std::string& Value) {
  CheckCell(ACol, ARow);
  if (Cell(ACol, ARow) == Value) return;
  Cell(ACol, ARow) = Value;
  Invalidate();
}

std::vector<std::string> TStringGrid::GetCols(int32_t Index) const {
  CheckCell(Index, 0);
  std::vector<std::string> col;
  for (int32_t row = 0; row < GetRowCount(); ++row) col.push_back(GetCells(Index, row));
  return col;
}

// Missing strings empty their cells; strings past the last row are left out.
void TStringGrid::SetCols(int32_t Index, const std::vector<std::string>& Value) {
  CheckCell(Index, 0);
  for (int32_t row = 0; row < GetRowCount(); ++row)
    SetCells(Index, row, static_cast<std::size_t>(row) < Value.size() ? Value[row] : std::string());
}

std::vector<std::string> TStringGrid::GetRows(int32_t Index) const {
  CheckCell(0, Index);
  std::vector<std::string> row;
  for (int32_t col = 0; col < GetColCount(); ++col) row.push_back(GetCells(col, Index));
  return row;
}

void TStringGrid::SetRows(int32_t Index, const std::vector<std::string>& Value) {
  CheckCell(0, Index);
  for (int32_t col = 0; col < GetColCount(); ++col)
    SetCells(col, Index, static_cast<std::size_t>(col) < Value.size() ? Value[col] : std::string());
}

// The cells that remain keep their strings.
void TStringGrid::SizeChanged(int32_t OldColCount, int32_t OldRowCount) {
  std::vector<std::string> cells(static_cast<std::size_t>(GetColCount()) * static_cast<std::size_t>(GetRowCount()));
  const int32_t cols = std::min(OldColCount, GetColCount()), rows = std::min(OldRowCount, GetRowCount());
  for (int32_t row = 0; row < rows; ++row)
    for (int32_t col = 0; col < cols; ++col)
      cells[CellIndex(col, row, GetColCount())] = std::move(FCells[CellIndex(col, row, OldColCount)]);
  FCells = std::move(cells);
  inherited::SizeChanged(OldColCount, OldRowCount);
}

// The cell's string, then what OnGetEditText makes of it.
std::string TStringGrid::GetEditText(int32_t ACol, int32_t ARow) {
  std::string text = GetCells(ACol, ARow);
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
  return text;
}

void TStringGrid::SetEditText(int32_t ACol, int32_t ARow, const std::string& Value) {
  SetCells(ACol, ARow, Value);
  inherited::SetEditText(ACol, ARow, Value);
}

void TStringGrid::DrawCell(int32_t ACol, int32_t ARow, TRect ARect, TGridDrawState AState) {
  if (GetDefaultDrawing()) {
    TCanvas* canvas = GetCanvas();
    if (AState.Contains(gdSelected)) canvas->GetFont()->SetColor(clHighlightText);
    canvas->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cell(ACol, ARow));
  }
  inherited::DrawCell(ACol, ARow, ARect, AState);
}

}  // namespace host
