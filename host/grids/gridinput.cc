// TCustomGrid input: the mouse (selecting, range selection, sizing), the
// navigation keys, and the in-place editor (TInplaceEdit).
#include <algorithm>
#include <utility>

#include "host/grids/grids.h"
#include "host/widgetset/wskeys.h"

namespace host {

namespace {
constexpr int32_t kSizingReach = 2;  // pixels either side of a grid line that grab it

bool IsNavigationKey(uint16_t Key) {
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
      return true;
    default:
      return false;
  }
}
}  // namespace

HOST_IMPL(TInplaceEdit, TCustomEdit)

// ------------------------------------------------------------- TInplaceEdit

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomEdit(AOwner), FGrid(dynamic_cast<TCustomGrid*>(AOwner)) {
  SetBorderStyle(bsNone);
  SetTabStop(false);
  SetAutoSelect(false);
  SetVisible(false);
}

void TInplaceEdit::Change() {
  inherited::Change();
  if (FGrid) FGrid->EditorTextChanged(GetText());
}

void TInplaceEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  const auto alive = AliveFlag();
  inherited::KeyDown(Key, Shift);
  if (*alive && Key != 0 && FGrid) FGrid->EditorKey(Key, Shift);
}

void TInplaceEdit::DoExit() {
  const auto alive = AliveFlag();
  inherited::DoExit();
  if (*alive && FGrid) FGrid->EditorExited();
}

bool TInplaceEdit::WantsKey(uint16_t Key) const {
  if (Key == VK_RETURN || Key == VK_ESCAPE) return true;
  if (Key == VK_TAB) return FGrid && FGrid->GetOptions().Contains(goTabs);
  return inherited::WantsKey(Key);
}

// ------------------------------------------------------------------ editing

bool TCustomGrid::CanEditShow() const {
  return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) &&
         !GetComponentState().Contains(csDesigning) && Selectable(FCurrent);
}

void TCustomGrid::SetEditorMode(bool Value) {
  if (Value)
    ShowEditor();
  else
    HideEditor();
}

// A shown editor keeps its text (and what Escape goes back to).
void TCustomGrid::ShowEditor() {
  if (FEditorMode || !CanEditShow()) return;
  if (!FEditor) {
    FEditor = New<TInplaceEdit>(this);
    FEditor->SetParent(this);
  }
  const std::string text = GetEditText(FCurrent.X, FCurrent.Y);
  FEditCell = FCurrent;
  FTextBeforeEdit = text;
  FLoadingEditor = true;
  FEditor->SetText(text);
  FLoadingEditor = false;
  FEditor->SetBoundsRect(CellRect(FCurrent.X, FCurrent.Y));
  FEditor->SelectAll();
  FEditorMode = true;
  FEditor->SetVisible(true);
  const auto alive = AliveFlag();
  if (FEditor->CanFocus()) FEditor->SetFocus();
  if (*alive) Invalidate();
}

// The text is already stored: every change went to SetEditText.
void TCustomGrid::HideEditor() {
  if (!FEditorMode) return;
  FEditorMode = false;
  // The grid taking the focus back must not show the editor again.
  const auto alive = AliveFlag();
  const bool hiding = std::exchange(FHidingEditor, true);
  if (FEditor->Focused() && CanFocus()) SetFocus();
  if (!*alive) return;
  FHidingEditor = hiding;
  FEditor->SetVisible(false);
  Invalidate();
}

void TCustomGrid::CancelEditor() {
  if (!FEditorMode) return;
  const auto alive = AliveFlag();
  if (FEditor->GetText() != FTextBeforeEdit) FEditor->SetText(FTextBeforeEdit);
  if (*alive) HideEditor();
}

void TCustomGrid::EditorTextChanged(const std::string& Text) {
  if (FEditorMode && !FLoadingEditor) SetEditText(FEditCell.X, FEditCell.Y, Text);
}

void TCustomGrid::EditorExited() { HideEditor(); }

// With goAlwaysShowEditor the focused grid keeps its editor shown; a shown
// editor follows its cell.
void TCustomGrid::UpdateEditorShown() {
  if (FEditorMode) {
    FEditor->SetBoundsRect(CellRect(FEditCell.X, FEditCell.Y));
    return;
  }
  if (FOptions.Contains(goAlwaysShowEditor) && !FHidingEditor && Focused()) ShowEditor();
}

// Enter ends editing and Escape cancels it; the keys that move between
// cells end it and move.
void TCustomGrid::EditorKey(uint16_t& Key, TShiftState Shift) {
  const auto alive = AliveFlag();
  uint16_t gridKey = Key;
  switch (Key) {
    case VK_RETURN:
      HideEditor();
      break;
    case VK_ESCAPE:
      CancelEditor();
      break;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_TAB:
      HideEditor();
      if (*alive) KeyDown(gridKey, Shift);
      break;
    default:
      return;
  }
  Key = 0;
  if (*alive) UpdateEditorShown();
}

// ------------------------------------------------------------------- keys

TGridCoord TCustomGrid::TabTarget(bool Forward) const {
  TGridCoord cell = FCurrent;
  const int32_t first = GetFixedCols(), last = GetColCount() - 1;
  if (Forward) {
    if (cell.X < last) return {cell.X + 1, cell.Y};
    return cell.Y + 1 < GetRowCount() ? TGridCoord{first, cell.Y + 1} : cell;
  }
  if (cell.X > first) return {cell.X - 1, cell.Y};
  return cell.Y - 1 >= GetFixedRows() ? TGridCoord{last, cell.Y - 1} : cell;
}

TGridCoord TCustomGrid::KeyTarget(uint16_t Key, TShiftState Shift, TGridCoord From) {
  const int32_t page = std::max(1, GetVisibleRowCount());
  const bool rowSelect = FOptions.Contains(goRowSelect);
  const bool ctrl = Shift.Contains(ssCtrl);
  TGridCoord to = From;
  switch (Key) {
    case VK_UP:
      to.Y -= 1;
      break;
    case VK_DOWN:
      to.Y += 1;
      break;
    case VK_LEFT:
      to.X -= rowSelect ? 0 : 1;
      break;
    case VK_RIGHT:
      to.X += rowSelect ? 0 : 1;
      break;
    case VK_PRIOR:
      to.Y -= page;
      break;
    case VK_NEXT:
      to.Y += page;
      break;
    case VK_HOME:
      to = {GetFixedCols(), ctrl ? GetFixedRows() : From.Y};
      break;
    case VK_END:
      to = {GetColCount() - 1, ctrl ? GetRowCount() - 1 : From.Y};
      break;
    default:
      break;
  }
  to.X = std::clamp(to.X, GetFixedCols(), GetColCount() - 1);
  to.Y = std::clamp(to.Y, GetFixedRows(), GetRowCount() - 1);
  return to;
}

void TCustomGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
  const auto alive = AliveFlag();
  inherited::KeyDown(Key, Shift);
  if (!*alive || Key == 0) return;
  if ((Key == VK_F2 || Key == VK_RETURN) && CanEditShow()) {
    Key = 0;
    ShowEditor();
  } else if (Key == VK_TAB && FOptions.Contains(goTabs) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)) {
    Key = 0;
    MoveCurrent(TabTarget(!Shift.Contains(ssShift)), true, true);
  } else if (IsNavigationKey(Key)) {
    const uint16_t key = std::exchange(Key, 0);
    if (Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect) && !FOptions.Contains(goRowSelect))
      MoveAnchor(KeyTarget(key, Shift, FAnchor));
    else
      MoveCurrent(KeyTarget(key, Shift, FCurrent), true, true);
  }
}

// A character typed with goEditing starts the editor and replaces its text.
void TCustomGrid::KeyPress(char& Key) {
  const auto alive = AliveFlag();
  inherited::KeyPress(Key);
  if (!*alive || static_cast<unsigned char>(Key) < ' ' || !CanEditShow()) return;
  if (!FEditorMode) ShowEditor();
  if (!FEditorMode) return;
  FEditor->SetSelText(std::string(1, Key));
  Key = 0;
}

void TCustomGrid::WndProc(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY) {
    const auto key = static_cast<uint16_t>(static_cast<TWMGeneric&>(Message).WParam);
    const bool wanted =
        IsNavigationKey(key) || (key == VK_TAB && FOptions.Contains(goTabs)) || (key == VK_RETURN && CanEditShow());
    Message.Result = wanted ? 1 : 0;
    return;
  }
  inherited::WndProc(Message);
}

void TCustomGrid::DoEnter() {
  inherited::DoEnter();
  Invalidate();
  UpdateEditorShown();
}

void TCustomGrid::DoExit() {
  inherited::DoExit();
  Invalidate();
}

// ------------------------------------------------------------------ mouse

int32_t TCustomGrid::SizingLineAt(const TGridAxis& Axis, int64_t Pos) const {
  for (int32_t i : Axis.Shown(Pos + kSizingReach + 1)) {
    const int64_t line = Axis.Start(i) + Axis.Size(i);
    if (Pos >= line - kSizingReach && Pos <= line + kSizingReach) return i;
  }
  return -1;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const auto alive = AliveFlag();
  const int64_t x = int64_t{X} - Inset(), y = int64_t{Y} - Inset();
  if (Button == mbLeft) {
    if (FOptions.Contains(goColSizing) && y < FRows.FixedExtent() && (FSizingIndex = SizingLineAt(FCols, x)) >= 0)
      FSizingAxis = &FCols;
    else if (FOptions.Contains(goRowSizing) && x < FCols.FixedExtent() && (FSizingIndex = SizingLineAt(FRows, y)) >= 0)
      FSizingAxis = &FRows;
  }
  if (Button == mbLeft && !FSizingAxis) {
    const bool wasFocused = Focused();
    if (CanFocus() && !wasFocused) SetFocus();
    if (!*alive) return;
    const TGridCoord cell = MouseCoord(X, Y);
    if (Selectable(cell)) {
      if (Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect) && !FOptions.Contains(goRowSelect)) {
        MoveAnchor(cell);
      } else {
        const bool again = wasFocused && cell == FCurrent && !FEditorMode;
        if (MoveCurrent(cell, true, true) && *alive && again) ShowEditor();
      }
      FSelecting = *alive && FOptions.Contains(goRangeSelect) && !FEditorMode;
    }
  }
  if (*alive) inherited::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int32_t X, int32_t Y) {
  if (FSizingAxis) {
    const int64_t pos = FSizingAxis == &FCols ? int64_t{X} - Inset() : int64_t{Y} - Inset();
    const auto size =
        static_cast<int32_t>(std::clamp<int64_t>(pos - FSizingAxis->Start(FSizingIndex), 0, MaxControlSize));
    FSizingAxis->SetSize(FSizingIndex, size);
    UpdateEditorShown();
    Invalidate();
  } else if (FSelecting) {
    MoveAnchor(MouseCoord(X, Y));
  }
  inherited::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  if (Button == mbLeft) {
    FSelecting = false;
    FSizingAxis = nullptr;
    FSizingIndex = -1;
  }
  inherited::MouseUp(Button, Shift, X, Y);
}

}  // namespace host
