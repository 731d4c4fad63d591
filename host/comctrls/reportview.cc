// TCustomListView's report view: the column layout, the header (its faces,
// clicks and divider drags), the rows with their check boxes and sub-items,
// and the grid lines.
#include <algorithm>

#include "host/classes/strings.h"
#include "host/comctrls/comctrls_p.h"
#include "host/comctrls/listview.h"
#include "host/controls/textlayout.h"
#include "host/graphics/graphicsobj.h"
#include "host/imglist/imglist.h"

namespace host {

using comctrl::kCheckSize;
using comctrl::kGap;

namespace {
constexpr int32_t kDividerGrip = 3;  // how near a divider a press starts a resize

TRect Inflated(const TRect& R, int32_t By) { return Rect(R.Left - By, R.Top - By, R.Right + By, R.Bottom + By); }
}  // namespace

// ----------------------------------------------------------------- layout

int32_t TCustomListView::Edge() const { return FBorderStyle == bsSingle ? 1 : 0; }

int32_t TCustomListView::HeaderHeight() {
  if (!Reporting()) return 0;
  if (!FShowColumnHeaders) return Edge();
  const TMeasuringCanvas measuring(GetFont());
  return Edge() + measuring.Canvas()->TextHeight("Ag") + 3 * kGap;
}

// AutoSize columns share what the others leave of the client width.
int32_t TCustomListView::ColumnWidth(const TListColumn* Column) {
  if (!Column->GetAutoSize()) return Column->GetWidth();
  int32_t rest = GetClientWidth() - 2 * Edge(), sharing = 0;
  for (int32_t i = 0; i < FColumns->GetCount(); ++i) {
    const TListColumn* column = GetColumn(i);
    if (column->GetAutoSize())
      ++sharing;
    else
      rest -= column->GetWidth();
  }
  return Column->Bounded(std::max(0, rest / std::max(1, sharing)));  // a column of another view: 1
}

// The left edge of Column; the right edge of the last one for null.
int32_t TCustomListView::ColumnLeft(const TListColumn* Column) {
  int32_t left = Edge();
  for (int32_t i = 0; i < FColumns->GetCount() && GetColumn(i) != Column; ++i) left += ColumnWidth(GetColumn(i));
  return left;
}

TListColumn* TCustomListView::ColumnAt(int32_t X, bool& OnDivider) {
  int32_t left = Edge();
  OnDivider = false;
  for (int32_t i = 0; i < FColumns->GetCount(); ++i) {
    TListColumn* column = GetColumn(i);
    const int32_t right = left + ColumnWidth(column);
    OnDivider = X >= right - kDividerGrip && X < right + kDividerGrip;
    if (OnDivider || X < right) return X >= left || OnDivider ? column : nullptr;
    left = right;
  }
  return nullptr;
}

TRect TCustomListView::CheckBoxRect(const TRect& Row) {
  const int32_t top = Row.Top + (Row.Height() - kCheckSize) / 2;
  return Bounds(Row.Left + kGap, top, kCheckSize, kCheckSize);
}

// ------------------------------------------------------------------ input

// A press on a divider starts resizing its column; on a header, holds the
// header down until the release (ColumnClick).
bool TCustomListView::HeaderMouseDown(int32_t X, int32_t Y) {
  if (!Reporting() || !FShowColumnHeaders || Y >= HeaderHeight()) return false;
  bool onDivider = false;
  TListColumn* column = ColumnAt(X, onDivider);
  if (onDivider) {
    FSizing = column;
    FSizingFrom = ColumnLeft(column);
  } else if (column && FColumnClick) {
    FPressed = column;
    Redraw();
  }
  return true;
}

void TCustomListView::MouseMove(TShiftState Shift, int32_t X, int32_t Y) {
  if (FSizing) FSizing->SetWidth(FSizing->Bounded(std::max(0, X - FSizingFrom)));
  inherited::MouseMove(Shift, X, Y);
}

// A release over the header held down clicks it.
void TCustomListView::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  TListColumn* pressed = std::exchange(FPressed, nullptr);
  FSizing = nullptr;
  if (pressed) {
    Redraw();
    bool onDivider = false;
    const auto alive = AliveFlag();
    if (Y >= 0 && Y < HeaderHeight() && ColumnAt(X, onDivider) == pressed && !onDivider) ColumnClick(pressed);
    if (!*alive) return;
  }
  inherited::MouseUp(Button, Shift, X, Y);
}

// A press on an item's check box toggles its mark; true when it did.
bool TCustomListView::CheckBoxMouseDown(int32_t X, int32_t Y) {
  if (!Reporting() || !FCheckboxes) return false;
  TListItem* item = GetItemAt(X, Y);
  if (!item || FColumns->GetCount() == 0) return false;
  const TRect box = CheckBoxRect(ItemRect(item));
  if (!PtInRect(Inflated(box, 1), Point(X, Y))) return false;
  item->SetChecked(!item->GetChecked());
  return true;
}

// --------------------------------------------------------------- painting

void TCustomListView::PaintHeader() {
  if (!FShowColumnHeaders) return;
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  const int32_t top = Edge(), bottom = HeaderHeight();
  int32_t left = Edge();
  for (int32_t i = 0; i < FColumns->GetCount(); ++i) {
    TListColumn* column = GetColumn(i);
    const TRect box = Rect(left, top, left + ColumnWidth(column), bottom);
    comctrl::Bevel(canvas, box, column == FPressed, clBtnFace);
    const int32_t shift = column == FPressed ? 1 : 0;
    AlignedText(Inflated(box, -kGap), column->GetAlignment(), column->GetCaption(), shift);
    left = box.Right;
  }
  const int32_t right = GetClientWidth() - Edge();
  if (left < right) comctrl::Bevel(canvas, Rect(left, top, right, bottom), false, clBtnFace);
}

// Text in Cell aligned as Alignment says, clipped to Cell; Shift moves it
// right and down (a pressed header).
void TCustomListView::AlignedText(const TRect& Cell, TAlignment Alignment, const std::string& Text, int32_t Shift) {
  TCanvas* canvas = GetCanvas();
  const TSize size = canvas->TextExtent(Text);
  int32_t x = Cell.Left + kGap;
  if (Alignment == taRightJustify) x = Cell.Right - kGap - size.cx;
  if (Alignment == taCenter) x = Cell.Left + (Cell.Width() - size.cx) / 2;
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->TextRect(Cell, std::max(x, Cell.Left + kGap) + Shift, Cell.Top + (Cell.Height() - size.cy) / 2 + Shift, Text);
  canvas->GetBrush()->SetStyle(bsSolid);
}

// The check box and the caption (as the other views draw it) in the first
// column, the sub-items in the next ones; with RowSelect the whole row is
// highlighted.
void TCustomListView::PaintReportItem(TListItem* Item, const TRect& Row) {
  TCanvas* canvas = GetCanvas();
  const bool rowHighlight = FRowSelect && Highlighted(Item);
  if (rowHighlight) {
    UseItemColors(true);
    canvas->FillRect(Row);
  }
  int32_t left = Row.Left;
  for (int32_t i = 0; i < FColumns->GetCount(); ++i) {
    const TListColumn* column = GetColumn(i);
    TRect cell = Rect(left, Row.Top, left + ColumnWidth(column), Row.Bottom);
    left = cell.Right;
    if (i == 0) {
      if (FCheckboxes) {
        comctrl::CheckBox(canvas, CheckBoxRect(cell), Item->GetChecked(), !GetEnabled());
        cell.Left += kCheckSize + kGap;
      }
      PaintItem(Item, cell);
      continue;
    }
    UseItemColors(rowHighlight);
    if (i - 1 < Item->GetSubItems()->GetCount())
      AlignedText(cell, column->GetAlignment(), Item->GetSubItems()->GetStrings(i - 1), 0);
  }
  if (FRowSelect && Item == FFocused && Focused()) canvas->DrawFocusRect(Row);
}

// Lines between the rows (down to the bottom) and after each column.
void TCustomListView::PaintGridLines() {
  TCanvas* canvas = GetCanvas();
  canvas->GetPen()->SetColor(clBtnFace);
  const TRect area = ItemsArea();
  const int32_t right = ColumnLeft(nullptr);
  for (int32_t y = area.Top + CellSize().cy - 1; y < area.Bottom; y += CellSize().cy) {
    canvas->MoveTo(Edge(), y);
    canvas->LineTo(right, y);
  }
  int32_t x = Edge();
  for (int32_t i = 0; i < FColumns->GetCount(); ++i) {
    x += ColumnWidth(GetColumn(i));
    canvas->MoveTo(x - 1, area.Top);
    canvas->LineTo(x - 1, area.Bottom);
  }
}

}  // namespace host
