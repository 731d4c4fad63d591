// TCustomGrid: counts, sizes, the current cell and the selection, scrolling
// and geometry. Input and the in-place editor are in gridinput.cc, painting
// in gridpaint.cc.
#include <algorithm>

#include "host/classes/filer.h"
#include "host/grids/grids.h"
#include "host/stdctrls/textdraw.h"

namespace host {

namespace {
const char* const kIndexOutOfRange = "Grid index out of range";
}  // namespace

HOST_IMPL(TCustomGrid, TCustomControl)

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
  // No click events from the mouse: OnClick fires when the user moves the current cell.
  FControlStyle = {csCaptureMouse, csDoubleClicks, csOpaque};
  FCols.SetDefaultSize(64);
  FRows.SetDefaultSize(24);
  for (TGridAxis* axis : {&FCols, &FRows}) {
    axis->SetCount(5);
    axis->SetFixed(1);
  }
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(0, 0, 320, 120);
}

// ------------------------------------------------------------------- checks

void TCustomGrid::CheckCell(int32_t ACol, int32_t ARow) const {
  if (ACol < 0 || ACol >= GetColCount() || ARow < 0 || ARow >= GetRowCount())
    throw EInvalidGridOperation(kIndexOutOfRange);
}

void TCustomGrid::CheckSize(int32_t Value, const char* What) const {
  if (Value < 0 || Value > MaxControlSize)
    throw EInvalidGridOperation("%s %d of '%s' is outside 0..%d",
                                {What, Value, ControlDisplayName(this), MaxControlSize});
}

bool TCustomGrid::Selectable(TGridCoord Cell) const {
  return Cell.X >= GetFixedCols() && Cell.X < GetColCount() && Cell.Y >= GetFixedRows() && Cell.Y < GetRowCount();
}

// ------------------------------------------------------------------- counts

// A count never goes below 1; fixed cells that no longer fit become
// scrollable, one cell at least staying scrollable.
void TCustomGrid::ChangeCount(TGridAxis& Axis, int32_t Value, const char* What) {
  if (Value < 1) throw EInvalidGridOperation("%s count %d of '%s' is below 1", {What, Value, ControlDisplayName(this)});
  if (Value == Axis.Count()) return;
  HideEditor();
  const int32_t oldCols = GetColCount(), oldRows = GetRowCount();
  Axis.SetCount(Value);
  ClampCurrent();
  SizeChanged(oldCols, oldRows);
  Invalidate();
}

void TCustomGrid::ChangeFixed(TGridAxis& Axis, int32_t Value, const char* Which) {
  if (Value < 0) throw EInvalidGridOperation(kIndexOutOfRange);
  if (Value >= Axis.Count()) throw EInvalidGridOperation("Fixed %s count must be less than %s count", {Which, Which});
  HideEditor();
  Axis.SetFixed(Value);
  ClampCurrent();
  Invalidate();
}

void TCustomGrid::SetColCount(int32_t Value) { ChangeCount(FCols, Value, "Column"); }

void TCustomGrid::SetRowCount(int32_t Value) { ChangeCount(FRows, Value, "Row"); }

void TCustomGrid::SetFixedCols(int32_t Value) { ChangeFixed(FCols, Value, "column"); }

void TCustomGrid::SetFixedRows(int32_t Value) { ChangeFixed(FRows, Value, "row"); }

void TCustomGrid::ClampCurrent() {
  auto clamp = [this](TGridCoord& Cell) {
    Cell.X = std::clamp(Cell.X, GetFixedCols(), GetColCount() - 1);
    Cell.Y = std::clamp(Cell.Y, GetFixedRows(), GetRowCount() - 1);
  };
  clamp(FCurrent);
  clamp(FAnchor);
}

void TCustomGrid::SizeChanged(int32_t /*OldColCount*/, int32_t /*OldRowCount*/) {}

// -------------------------------------------------------------------- sizes

// After a size changed: the editor follows its cell.
void TCustomGrid::Resized() {
  UpdateEditorShown();
  Invalidate();
}

void TCustomGrid::SetDefaultColWidth(int32_t Value) {
  CheckSize(Value, "Default column width");
  FCols.SetDefaultSize(Value);
  Resized();
}

void TCustomGrid::SetDefaultRowHeight(int32_t Value) {
  CheckSize(Value, "Default row height");
  FRows.SetDefaultSize(Value);
  Resized();
}

int32_t TCustomGrid::GetColWidths(int32_t Index) const {
  CheckCell(Index, 0);
  return FCols.Size(Index);
}

void TCustomGrid::SetColWidths(int32_t Index, int32_t Value) {
  CheckCell(Index, 0);
  CheckSize(Value, "Column width");
  FCols.SetSize(Index, Value);
  Resized();
}

int32_t TCustomGrid::GetRowHeights(int32_t Index) const {
  CheckCell(0, Index);
  return FRows.Size(Index);
}

void TCustomGrid::SetRowHeights(int32_t Index, int32_t Value) {
  CheckCell(0, Index);
  CheckSize(Value, "Row height");
  FRows.SetSize(Index, Value);
  Resized();
}

void TCustomGrid::SetGridLineWidth(int32_t Value) {
  CheckSize(Value, "Grid line width");
  FCols.SetLineWidth(Value);
  FRows.SetLineWidth(Value);
  Resized();
}

// The sizes that differ from the defaults, as lists of integers.
void TCustomGrid::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  auto define = [Filer](const char* Name, TGridAxis& Axis) {
    auto read = [&Axis](TReader* Reader) {
      Reader->ReadListBegin();
      for (int32_t i = 0; !Reader->EndOfList(); ++i) {
        const int32_t size = std::clamp(Reader->ReadInteger(), 0, MaxControlSize);
        if (i < Axis.Count()) Axis.SetSize(i, size);
      }
      Reader->ReadListEnd();
    };
    auto write = [&Axis](TWriter* Writer) {
      Writer->WriteListBegin();
      for (int32_t i = 0; i < Axis.Count(); ++i) Writer->WriteInteger(Axis.Size(i));
      Writer->WriteListEnd();
    };
    Filer->DefineProperty(Name, read, write, Axis.Customized());
  };
  define("ColWidths", FCols);
  define("RowHeights", FRows);
}

// ------------------------------------------------------- current, selection

void TCustomGrid::SetCol(int32_t Value) {
  if (!Selectable({Value, FCurrent.Y})) throw EInvalidGridOperation(kIndexOutOfRange);
  MoveCurrent({Value, FCurrent.Y}, true, false);
}

void TCustomGrid::SetRow(int32_t Value) {
  if (!Selectable({FCurrent.X, Value})) throw EInvalidGridOperation(kIndexOutOfRange);
  MoveCurrent({FCurrent.X, Value}, true, false);
}

TGridRect TCustomGrid::GetSelection() const {
  TGridRect r{std::min(FCurrent.X, FAnchor.X), std::min(FCurrent.Y, FAnchor.Y), std::max(FCurrent.X, FAnchor.X),
              std::max(FCurrent.Y, FAnchor.Y)};
  if (FOptions.Contains(goRowSelect)) {
    r.Left = GetFixedCols();
    r.Right = GetColCount() - 1;
  }
  return r;
}

void TCustomGrid::SetSelection(TGridRect Value) {
  const TGridCoord topLeft{std::min(Value.Left, Value.Right), std::min(Value.Top, Value.Bottom)};
  const TGridCoord bottomRight{std::max(Value.Left, Value.Right), std::max(Value.Top, Value.Bottom)};
  if (!Selectable(topLeft) || !Selectable(bottomRight)) throw EInvalidGridOperation(kIndexOutOfRange);
  if (MoveCurrent(topLeft, true, false)) MoveAnchor(bottomRight);
}

bool TCustomGrid::MoveCurrent(TGridCoord Cell, bool MoveAnchor, bool User) {
  if (!Selectable(Cell)) return false;
  const bool changed = !(Cell == FCurrent);
  const auto alive = AliveFlag();
  if (changed && (!SelectCell(Cell.X, Cell.Y) || !*alive)) return false;
  if (changed) HideEditor();
  if (!*alive) return false;
  FCurrent = Cell;
  if (MoveAnchor) FAnchor = Cell;
  MakeCellVisible(Cell);
  Invalidate();
  if (changed && User) Click();
  if (*alive) UpdateEditorShown();
  return true;
}

void TCustomGrid::MakeCellVisible(TGridCoord Cell) {
  FCols.MakeVisible(Cell.X, GetClientWidth() - 2 * Inset());
  FRows.MakeVisible(Cell.Y, GetClientHeight() - 2 * Inset());
}

void TCustomGrid::MoveAnchor(TGridCoord Cell) {
  if (!Selectable(Cell)) return;
  FAnchor = Cell;
  MakeCellVisible(Cell);
  Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions Value) {
  if (Value == FOptions) return;
  FOptions = Value;
  if (!CanEditShow()) HideEditor();
  UpdateEditorShown();
  Invalidate();
}

void TCustomGrid::SetFixedColor(TColor Value) {
  if (ChangeField(FFixedColor, Value)) Invalidate();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
  if (ChangeField(FBorderStyle, Value)) Resized();
}

// ---------------------------------------------------------------- scrolling

void TCustomGrid::SetLeftCol(int32_t Value) {
  if (Value < GetFixedCols() || Value >= GetColCount()) throw EInvalidGridOperation(kIndexOutOfRange);
  FCols.SetFirst(Value);
  Resized();
}

void TCustomGrid::SetTopRow(int32_t Value) {
  if (Value < GetFixedRows() || Value >= GetRowCount()) throw EInvalidGridOperation(kIndexOutOfRange);
  FRows.SetFirst(Value);
  Resized();
}

int32_t TCustomGrid::GetVisibleColCount() {
  return FCols.LastFullyShown(GetClientWidth() - 2 * Inset()) - FCols.First() + 1;
}

int32_t TCustomGrid::GetVisibleRowCount() {
  return FRows.LastFullyShown(GetClientHeight() - 2 * Inset()) - FRows.First() + 1;
}

// ----------------------------------------------------------------- geometry

TRect TCustomGrid::CellRect(int32_t ACol, int32_t ARow) {
  if (ACol < 0 || ACol >= GetColCount() || ARow < 0 || ARow >= GetRowCount()) return {};
  const int64_t x = FCols.Start(ACol), y = FRows.Start(ARow);
  if (x < 0 || y < 0) return {};
  const int64_t left = x + Inset(), top = y + Inset();
  return Rect(ClampToInt32(left), ClampToInt32(top), ClampToInt32(left + FCols.Size(ACol)),
              ClampToInt32(top + FRows.Size(ARow)));
}

TGridCoord TCustomGrid::MouseCoord(int32_t X, int32_t Y) {
  if (!PtInRect(GetClientRect(), {X, Y})) return {-1, -1};
  const TGridCoord cell{FCols.IndexAt(int64_t{X} - Inset()), FRows.IndexAt(int64_t{Y} - Inset())};
  return cell.X < 0 || cell.Y < 0 ? TGridCoord{-1, -1} : cell;
}

void TCustomGrid::MouseToCell(int32_t X, int32_t Y, int32_t& ACol, int32_t& ARow) {
  const TGridCoord cell = MouseCoord(X, Y);
  ACol = cell.X;
  ARow = cell.Y;
}

// ---------------------------------------------------------- the grid events

void TCustomGrid::DrawCell(int32_t, int32_t, TRect, TGridDrawState) {}

bool TCustomGrid::SelectCell(int32_t, int32_t) { return true; }

std::string TCustomGrid::GetEditText(int32_t, int32_t) { return {}; }

void TCustomGrid::SetEditText(int32_t, int32_t, const std::string&) {}

}  // namespace host
