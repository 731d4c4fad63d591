// The grids unit: TCustomGrid (cells in columns and rows, the fixed ones
// first, a current cell, a selection, scrolling and an in-place editor),
// TDrawGrid (the grid whose cells the program draws, with the grid events)
// and TStringGrid (a grid holding a string in each cell).
//
// Geometry: each column is ColWidths[i] wide and each row RowHeights[i]
// high, each followed by a grid line GridLineWidth pixels wide. The fixed
// columns and rows (FixedCols, FixedRows) always show at the left and top;
// the others follow from LeftCol and TopRow on. New columns and rows take
// DefaultColWidth and DefaultRowHeight; changing a default resizes all.
//
// Selection: Col and Row name the current cell (never a fixed one).
// Selection spans the current cell and the anchor: with goRangeSelect a
// Shift+arrow, a Shift+click or a drag moves the anchor; otherwise the
// anchor follows the current cell. With goRowSelect the selection takes
// whole rows. OnSelectCell may refuse a cell the current cell is to move
// to. A move made by the user (mouse, keys) fires OnClick.
//
// Input: a click selects the cell under the mouse (fixed cells cannot be
// selected); the arrows, Home, End, Page Up and Page Down move the current
// cell (Ctrl+Home and Ctrl+End to the first and last cell); with goTabs,
// Tab and Shift+Tab move to the next and previous cell, wrapping at the
// ends of rows. With goColSizing or goRowSizing a drag on a grid line in
// the fixed row (column) resizes the column (row) left of (above) it.
//
// Editing (goEditing): a typed character, F2, Enter or a click on the
// current cell shows the in-place editor (an edit control over the cell)
// with the cell's edit text (GetEditText; OnGetEditText may change it); a
// typed character replaces that text. Every change of the editor's text is
// stored at once (SetEditText: a string grid puts it in Cells, then
// OnSetEditText fires). Enter, a click on another cell or the focus
// leaving the grid ends editing; Escape puts the text from before editing
// back (through SetEditText) and ends it. With goAlwaysShowEditor the
// editor shows whenever the focused grid has a current cell.
//
// Painting: fixed cells in FixedColor, the others in Color; grid lines in
// the fixed area with goFixedVertLine / goFixedHorzLine, elsewhere with
// goVertLine / goHorzLine; selected cells in the highlight colours; the
// focused cell with a focus rectangle. With DefaultDrawing the grid paints
// each cell's background (and a string grid its text) before OnDrawCell.
//
// Form files: ColWidths and RowHeights are written as lists of integers
// (after the published properties) when any differs from its default.
// The cells of a string grid are not written, as in the classic grid.
//
// Bad input raises EInvalidGridOperation and changes nothing: a count
// below 1, a fixed count below 0 or not below the count ("Fixed column
// count must be less than column count"), a column, row or cell index out
// of range or a fixed cell made current ("Grid index out of range"), a
// negative width or height.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/controls/controls.h"
#include "host/grids/gridaxis.h"
#include "host/stdctrls/texts.h"

namespace host {

HOST_EXCEPTION(EInvalidGridOperation, Exception)

enum TGridOption : uint8_t {
  goFixedVertLine,
  goFixedHorzLine,
  goVertLine,
  goHorzLine,
  goRangeSelect,
  goDrawFocusSelected,
  goRowSizing,
  goColSizing,
  goRowMoving,
  goColMoving,
  goEditing,
  goTabs,
  goRowSelect,
  goAlwaysShowEditor,
  goThumbTracking
};
HOST_ENUM_INFO(TGridOption, "goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine", "goRangeSelect",
               "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving", "goColMoving", "goEditing", "goTabs",
               "goRowSelect", "goAlwaysShowEditor", "goThumbTracking")
using TGridOptions = TSet<TGridOption, 15>;
inline constexpr TGridOptions DefaultGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                                                 goRangeSelect};

enum TGridDrawStateItem : uint8_t { gdSelected, gdFocused, gdFixed };
HOST_ENUM_INFO(TGridDrawStateItem, "gdSelected", "gdFocused", "gdFixed")
using TGridDrawState = TSet<TGridDrawStateItem, 3>;

struct TGridCoord {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

struct TGridRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

using TSelectCellEvent = TEvent<TObject*, int32_t, int32_t, bool&>;
using TDrawCellEvent = TEvent<TObject*, int32_t, int32_t, TRect, TGridDrawState>;
using TGetEditEvent = TEvent<TObject*, int32_t, int32_t, std::string&>;
using TSetEditEvent = TEvent<TObject*, int32_t, int32_t, const std::string&>;

class TCustomGrid;

// ---------------------------------------------------------------- TInplaceEdit

// The edit control over the cell being edited. Its changes go to the grid
// as they happen; Enter, Escape, Up, Down (and Tab with goTabs) go to the
// grid, which ends editing or moves on.
class TInplaceEdit : public TCustomEdit {
  HOST_CLASS(TInplaceEdit, TCustomEdit)
  using TCreateArg = TComponent;
  explicit TInplaceEdit(TComponent* AOwner);

  TCustomGrid* GetGrid() const { return FGrid; }

 protected:
  ~TInplaceEdit() override = default;
  void Change() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void DoExit() override;
  bool WantsKey(uint16_t Key) const override;

 private:
  TCustomGrid* FGrid = nullptr;
};

// ----------------------------------------------------------------- TCustomGrid

class TCustomGrid : public TCustomControl {
  HOST_CLASS(TCustomGrid, TCustomControl)
  using TCreateArg = TComponent;
  explicit TCustomGrid(TComponent* AOwner);

  // ------------------------------------------------------------ the cells
  int32_t GetColCount() const { return FCols.Count(); }
  void SetColCount(int32_t Value);
  int32_t GetRowCount() const { return FRows.Count(); }
  void SetRowCount(int32_t Value);
  int32_t GetFixedCols() const { return FCols.Fixed(); }
  void SetFixedCols(int32_t Value);
  int32_t GetFixedRows() const { return FRows.Fixed(); }
  void SetFixedRows(int32_t Value);
  int32_t GetDefaultColWidth() const { return FCols.DefaultSize(); }
  void SetDefaultColWidth(int32_t Value);
  int32_t GetDefaultRowHeight() const { return FRows.DefaultSize(); }
  void SetDefaultRowHeight(int32_t Value);
  int32_t GetColWidths(int32_t Index) const;
  void SetColWidths(int32_t Index, int32_t Value);
  int32_t GetRowHeights(int32_t Index) const;
  void SetRowHeights(int32_t Index, int32_t Value);
  int32_t GetGridLineWidth() const { return FCols.LineWidth(); }
  void SetGridLineWidth(int32_t Value);

  // ------------------------------------------------- current cell, scroll
  int32_t GetCol() const { return FCurrent.X; }
  void SetCol(int32_t Value);
  int32_t GetRow() const { return FCurrent.Y; }
  void SetRow(int32_t Value);
  TGridRect GetSelection() const;
  // The current cell goes to the top-left corner, the anchor to the
  // bottom-right one.
  void SetSelection(TGridRect Value);
  int32_t GetLeftCol() const { return FCols.First(); }
  void SetLeftCol(int32_t Value);
  int32_t GetTopRow() const { return FRows.First(); }
  void SetTopRow(int32_t Value);
  // How many scrollable columns (rows) show wholly.
  int32_t GetVisibleColCount();
  int32_t GetVisibleRowCount();

  // ----------------------------------------------------------- the looks
  TGridOptions GetOptions() const { return FOptions; }
  void SetOptions(TGridOptions Value);
  TColor GetFixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor Value);
  bool GetDefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value) { FDefaultDrawing = Value; }
  // The scroll bars a form file asks for. The grid scrolls with the keys,
  // the wheel and its current cell and draws no bars, so the value is only
  // kept (and written back).
  TScrollStyle GetScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value) { FScrollBars = Value; }
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  // -------------------------------------------------------------- editing
  bool GetEditorMode() const { return FEditorMode; }
  // True shows the editor over the current cell (with goEditing), false
  // ends editing, keeping the text.
  void SetEditorMode(bool Value);
  TInplaceEdit* GetInplaceEditor() const { return FEditor; }

  // ------------------------------------------------------------- geometry
  // The cell's rectangle without its grid lines (empty when it is
  // scrolled out of sight).
  TRect CellRect(int32_t ACol, int32_t ARow);
  // The cell at a client point; -1, -1 when there is none.
  TGridCoord MouseCoord(int32_t X, int32_t Y);
  void MouseToCell(int32_t X, int32_t Y, int32_t& ACol, int32_t& ARow);

  void WndProc(TMessage& Message) override;

 protected:
  friend class TInplaceEdit;
  ~TCustomGrid() override = default;
  void DefineProperties(TFiler* Filer) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void DoEnter() override;
  void DoExit() override;

  // What the grid events stand on; the base grid draws and keeps nothing.
  virtual void DrawCell(int32_t ACol, int32_t ARow, TRect ARect, TGridDrawState AState);
  virtual bool SelectCell(int32_t ACol, int32_t ARow);
  virtual std::string GetEditText(int32_t ACol, int32_t ARow);
  virtual void SetEditText(int32_t ACol, int32_t ARow, const std::string& Value);
  // After ColCount or RowCount changed.
  virtual void SizeChanged(int32_t OldColCount, int32_t OldRowCount);
  bool CanEditShow() const;
  void CheckCell(int32_t ACol, int32_t ARow) const;

 private:
  // Moves the current cell (and the anchor with MoveAnchor); false when
  // OnSelectCell refused. User: fires OnClick on a change.
  bool MoveCurrent(TGridCoord Cell, bool MoveAnchor, bool User);
  void MoveAnchor(TGridCoord Cell);
  void MakeCellVisible(TGridCoord Cell);
  // Where a navigation key takes From; From itself when the key does not move.
  TGridCoord KeyTarget(uint16_t Key, TShiftState Shift, TGridCoord From);
  TGridCoord TabTarget(bool Forward) const;
  bool Selectable(TGridCoord Cell) const;
  void ShowEditor();
  void HideEditor();
  void CancelEditor();
  void EditorKey(uint16_t& Key, TShiftState Shift);
  void EditorTextChanged(const std::string& Text);
  void EditorExited();
  void UpdateEditorShown();
  // The grid line a point of the fixed area lies on, for sizing: the
  // column (row) left of (above) it, or -1.
  int32_t SizingLineAt(const TGridAxis& Axis, int64_t Pos) const;
  void PaintCell(int32_t ACol, int32_t ARow, const TRect& Box);
  void PaintLines(int32_t ACol, int32_t ARow, const TRect& Box);
  TGridDrawState StateOf(int32_t ACol, int32_t ARow);
  void ClampCurrent();
  // The border's width: where the cells start.
  int32_t Inset() const { return FBorderStyle == bsSingle ? 1 : 0; }
  void CheckSize(int32_t Value, const char* What) const;
  void ChangeCount(TGridAxis& Axis, int32_t Value, const char* What);
  void ChangeFixed(TGridAxis& Axis, int32_t Value, const char* Which);
  void Resized();

  TGridAxis FCols;
  TGridAxis FRows;
  TGridCoord FCurrent{1, 1};
  TGridCoord FAnchor{1, 1};
  TGridOptions FOptions = DefaultGridOptions;
  TColor FFixedColor = clBtnFace;
  bool FDefaultDrawing = true;
  TScrollStyle FScrollBars = ssBoth;
  TBorderStyle FBorderStyle = bsSingle;
  bool FEditorMode = false;
  bool FLoadingEditor = false;  // the editor's text is being set, not changed
  bool FHidingEditor = false;
  std::string FTextBeforeEdit;
  TGridCoord FEditCell;
  TInplaceEdit* FEditor = nullptr;
  bool FSelecting = false;
  TGridAxis* FSizingAxis = nullptr;  // the axis whose line is being dragged
  int32_t FSizingIndex = -1;
};

// ------------------------------------------------------------------- TDrawGrid

// A grid with the grid events: OnDrawCell draws a cell, OnSelectCell may
// refuse a cell, OnGetEditText gives the editor's text, OnSetEditText hears
// every change of it.
class TDrawGrid : public TCustomGrid {
  HOST_CLASS(TDrawGrid, TCustomGrid)
  using TCreateArg = TComponent;
  explicit TDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;

 protected:
  ~TDrawGrid() override = default;
  void DrawCell(int32_t ACol, int32_t ARow, TRect ARect, TGridDrawState AState) override;
  bool SelectCell(int32_t ACol, int32_t ARow) override;
  std::string GetEditText(int32_t ACol, int32_t ARow) override;
  void SetEditText(int32_t ACol, int32_t ARow, const std::string& Value) override;
};

// ----------------------------------------------------------------- TStringGrid

// A grid holding a string in each cell (Cells[ACol, ARow]), drawn as its
// text and edited in place.
class TStringGrid : public TDrawGrid {
  HOST_CLASS(TStringGrid, TDrawGrid)
  using TCreateArg = TComponent;
  explicit TStringGrid(TComponent* AOwner);

  std::string GetCells(int32_t ACol, int32_t ARow) const;
  void SetCells(int32_t ACol, int32_t ARow, const std::string& Value);
  // The strings of one column or row, in order.
  std::vector<std::string> GetCols(int32_t Index) const;
  void SetCols(int32_t Index, const std::vector<std::string>& Value);
  std::vector<std::string> GetRows(int32_t Index) const;
  void SetRows(int32_t Index, const std::vector<std::string>& Value);

 protected:
  ~TStringGrid() override = default;
  void DrawCell(int32_t ACol, int32_t ARow, TRect ARect, TGridDrawState AState) override;
  std::string GetEditText(int32_t ACol, int32_t ARow) override;
  void SetEditText(int32_t ACol, int32_t ARow, const std::string& Value) override;
  void SizeChanged(int32_t OldColCount, int32_t OldRowCount) override;

 private:
  std::string& Cell(int32_t ACol, int32_t ARow);
  std::vector<std::string> FCells;  // row by row
};

// Registers the unit's published properties and streamable classes
// (counted; undone in reverse by the last UnregisterGridsClasses).
void RegisterGridsClasses();
void UnregisterGridsClasses();
// The unit's classes, in unit order.
std::span<const TClass> GridsClasses();

}  // namespace host
