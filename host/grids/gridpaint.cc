// TCustomGrid painting: the shown cells (fixed ones first), their grid
// lines, the selection and the focused cell, and the border.
#include <vector>

#include "host/graphics/graphicsobj.h"
#include "host/grids/grids.h"
#include "host/stdctrls/textdraw.h"

namespace host {

namespace {

constexpr TColor kFixedLineColor = clBtnShadow;
constexpr TColor kLineColor = clSilver;

}  // namespace

TGridDrawState TCustomGrid::StateOf(int32_t ACol, int32_t ARow) {
  TGridDrawState state;
  if (ACol < GetFixedCols() || ARow < GetFixedRows()) return state.Include(gdFixed);
  const bool current = TGridCoord{ACol, ARow} == FCurrent;
  if (current && Focused()) state.Include(gdFocused);
  const TGridRect sel = GetSelection();
  const bool inSelection = ACol >= sel.Left && ACol <= sel.Right && ARow >= sel.Top && ARow <= sel.Bottom;
  const bool showsAsSelected = !current || FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect);
  if (inSelection && showsAsSelected) state.Include(gdSelected);
  return state;
}

void TCustomGrid::PaintCell(int32_t ACol, int32_t ARow, const TRect& Box) {
  TCanvas* canvas = GetCanvas();
  const TGridDrawState state = StateOf(ACol, ARow);
  canvas->SetFont(GetFont());
  if (FDefaultDrawing) {
    canvas->GetBrush()->SetColor(state.Contains(gdFixed)      ? FFixedColor
                                 : state.Contains(gdSelected) ? clHighlight
                                                              : GetColor());
    canvas->FillRect(Box);
  }
  DrawCell(ACol, ARow, Box, state);
  if (state.Contains(gdFocused) && !FEditorMode && !FOptions.Contains(goRowSelect)) canvas->DrawFocusRect(Box);
}

// The lines right of and below a cell, as the options ask for its area.
void TCustomGrid::PaintLines(int32_t ACol, int32_t ARow, const TRect& Box) {
  const int32_t width = FCols.LineWidth();
  if (width == 0) return;
  const bool fixed = ACol < GetFixedCols() || ARow < GetFixedRows();
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(fixed ? kFixedLineColor : kLineColor);
  if (FOptions.Contains(fixed ? goFixedVertLine : goVertLine))
    canvas->FillRect(TRect{Box.Right, Box.Top, Box.Right + width, Box.Bottom + width});
  if (FOptions.Contains(fixed ? goFixedHorzLine : goHorzLine))
    canvas->FillRect(TRect{Box.Left, Box.Bottom, Box.Right + width, Box.Bottom + width});
}

void TCustomGrid::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(GetClientRect());
  const int64_t width = int64_t{GetClientWidth()} - Inset(), height = int64_t{GetClientHeight()} - Inset();
  const std::vector<int32_t> cols = FCols.Shown(width);
  for (int32_t row : FRows.Shown(height))
    for (int32_t col : cols) {
      const TRect box = CellRect(col, row);
      PaintCell(col, row, box);
      PaintLines(col, row, box);
    }
  DrawSingleBorder(canvas, FBorderStyle, GetWidth(), GetHeight());
}

}  // namespace host
