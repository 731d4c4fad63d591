// TCustomListBox: a list of items drawn one under the other (or flowing
// into Columns columns of the client height, top to bottom, each column
// ClientWidth / Columns wide), from TopIndex on. Items are ItemHeight high,
// or, in a variable owner-draw list box, as high as OnMeasureItem says
// (asked once per item until the items change).
//
// A click selects the item under the mouse; with MultiSelect a click
// toggles an item, and with ExtendedSelect as well a plain click selects
// one item, Ctrl-click toggles one and Shift-click selects the range from
// the last item clicked. The navigation keys move the current item, Space
// toggles it in a MultiSelect list box without ExtendedSelect, and a typed
// character moves to the next item starting with it.
#include <algorithm>

#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/lists.h"
#include "host/stdctrls/textdraw.h"
#include "host/widgetset/wskeys.h"

namespace host {

HOST_IMPL(TCustomListBox, TCustomListControl)
HOST_IMPL(TListBox, TCustomListBox)

void TCustomListBox::ItemsChanged() {
  FHeights.clear();
  const int32_t count = FItems->GetCount();
  if (FTopIndex >= count) FTopIndex = 0;
  MakeVisible(FItems->GetItemIndex());
  Invalidate();
}

// ---------------------------------------------------------------- selection

void TCustomListBox::SetItemIndex(int32_t Value) {
  if (!FItems->SetItemIndex(Value, !FMultiSelect)) return;
  MakeVisible(Value);
  Invalidate();
}

void TCustomListBox::SetSelected(int32_t Index, bool Value) {
  FItems->SetSelected(Index, Value);
  if (!FMultiSelect && Value) FItems->SetItemIndex(Index, true);
  if (!FMultiSelect && !Value && Index == FItems->GetItemIndex()) FItems->SetItemIndex(-1, true);
  Invalidate();
}

// A single-selection list box answers -1, as the classic one does.
int32_t TCustomListBox::GetSelCount() const { return FMultiSelect ? FItems->GetSelCount() : -1; }

void TCustomListBox::ClearSelection() {
  if (FMultiSelect)
    FItems->ClearSelection();
  else
    FItems->SetItemIndex(-1, true);
  Invalidate();
}

void TCustomListBox::SelectAll() {
  if (!FMultiSelect) return;
  FItems->SelectAll();
  Invalidate();
}

// Turning multiple selection off keeps the current item alone selected.
void TCustomListBox::SetMultiSelect(bool Value) {
  if (FMultiSelect == Value) return;
  FMultiSelect = Value;
  if (!Value) FItems->SetItemIndex(FItems->GetItemIndex(), true);
  Invalidate();
}

void TCustomListBox::ToggleSelected(int32_t Index) { FItems->SetSelected(Index, !FItems->GetSelected(Index)); }

void TCustomListBox::ApplySelection(int32_t Index, TShiftState Shift) {
  if (FMultiSelect && FExtendedSelect && Shift.Contains(ssShift) && FItems->GetAnchor() >= 0) {
    FItems->SelectRange(FItems->GetAnchor(), Index);
    FItems->SetItemIndex(Index, false);
  } else if (FMultiSelect && (!FExtendedSelect || Shift.Contains(ssCtrl))) {
    ToggleSelected(Index);
    FItems->SetItemIndex(Index, false);
    FItems->SetAnchor(Index);
  } else {
    FItems->SetItemIndex(Index, true);
    FItems->SetAnchor(Index);
  }
  Invalidate();
}

void TCustomListBox::UserSelect(int32_t Index, TShiftState Shift) {
  const std::vector<int32_t> before = FItems->SelectionState();
  if (FMultiSelect && !FExtendedSelect)
    FItems->SetItemIndex(Index, false);
  else
    ApplySelection(Index, Shift);
  MakeVisible(Index);
  Invalidate();
  if (FItems->SelectionState() != before) Click();
}

// ------------------------------------------------------------------ looks

void TCustomListBox::SetStyle(TListBoxStyle Value) {
  FStyle = Value;
  FHeights.clear();
  Invalidate();
}

void TCustomListBox::SetColumns(int32_t Value) {
  if (Value < 0) return;
  FColumns = Value;
  SetTopIndex(FTopIndex);
  Invalidate();
}

// In columns the top item is the first of a column.
void TCustomListBox::SetTopIndex(int32_t Value) {
  if (Value < 0 || (Value > 0 && Value >= FItems->GetCount())) return;
  FTopIndex = FColumns > 0 ? Value - Value % RowsPerColumn() : Value;
  Invalidate();
}

// -------------------------------------------------------------- geometry

int32_t TCustomListBox::RowsPerColumn() { return std::max(1, GetClientHeight() / FItemHeight); }

int32_t TCustomListBox::PageSize() { return std::max(1, GetClientHeight() / FItemHeight - 1); }

// Measured all at once; a measuring handler that changes the items leaves
// them unmeasured (ItemHeight high) until the next call.
int32_t TCustomListBox::HeightOf(int32_t Index) {
  const int32_t count = FItems->GetCount();
  if (FStyle != lbOwnerDrawVariable || Index >= count) return FItemHeight;
  if (FHeights.size() != static_cast<std::size_t>(count)) {
    std::vector<int32_t> heights;
    for (int32_t i = 0; i < count; ++i) {
      int32_t height = FItemHeight;
      MeasureItem(i, height);
      if (FItems->GetCount() != count) return FItemHeight;
      heights.push_back(std::max(0, height));
    }
    FHeights = std::move(heights);
  }
  return FHeights[static_cast<std::size_t>(Index)];
}

TRect TCustomListBox::ItemRect(int32_t Index) {
  if (Index < 0 || Index > FItems->GetCount()) return {};
  const int32_t width = GetClientWidth();
  const int64_t fromTop = int64_t{Index} - FTopIndex;
  if (FColumns > 0 && FStyle != lbOwnerDrawVariable) {
    const int32_t rows = RowsPerColumn();
    const int64_t columnWidth = width / FColumns;
    const int64_t column = fromTop / rows - (fromTop % rows < 0 ? 1 : 0);  // items above TopIndex: columns left
    const int64_t row = fromTop - column * rows;
    return Rect(ClampToInt32(column * columnWidth), ClampToInt32(row * FItemHeight),
                ClampToInt32((column + 1) * columnWidth), ClampToInt32((row + 1) * FItemHeight));
  }
  int64_t top = fromTop * FItemHeight;
  if (FStyle == lbOwnerDrawVariable) {
    top = 0;
    for (int32_t i = FTopIndex; i < Index; ++i) top += HeightOf(i);
    for (int32_t i = Index; i < FTopIndex; ++i) top -= HeightOf(i);
  }
  return Rect(0, ClampToInt32(top), width, ClampToInt32(top + HeightOf(Index)));
}

// Visit(Index, Rect) for the items from TopIndex on while they are in the
// client area, until it answers true; returns that item (-1: none did).
template <class F>
int32_t TCustomListBox::ForShownItems(F&& Visit) {
  const TRect client = GetClientRect();
  for (int32_t i = FTopIndex; i < FItems->GetCount(); ++i) {
    const TRect r = ItemRect(i);
    if (r.Top >= client.Bottom || r.Left >= client.Right) break;
    if (Visit(i, r)) return i;
  }
  return -1;
}

int32_t TCustomListBox::ItemAtPos(TPoint Pos, bool Existing) {
  if (!PtInRect(GetClientRect(), Pos)) return -1;
  const int32_t found = ForShownItems([&](int32_t, const TRect& r) { return PtInRect(r, Pos); });
  return found >= 0 || Existing ? found : FItems->GetCount();
}

void TCustomListBox::MakeVisible(int32_t Index) {
  if (Index < 0 || Index >= FItems->GetCount()) return;
  if (Index < FTopIndex) {
    SetTopIndex(Index);
    return;
  }
  const TRect client = GetClientRect();
  while (FTopIndex < Index) {
    const TRect r = ItemRect(Index);
    if (r.Bottom <= client.Bottom && r.Right <= client.Right) return;
    const int32_t before = FTopIndex;
    SetTopIndex(NextTopIndex());
    if (FTopIndex == before) return;
  }
}

// ---------------------------------------------------------------- painting

TOwnerDrawState TCustomListBox::StateOf(int32_t Index) {
  TOwnerDrawState state;
  if (FItems->GetSelected(Index)) state.Include(odSelected);
  if (Index == FItems->GetItemIndex() && Focused()) state.Include(odFocused);
  if (!GetEnabled()) state.Include(odDisabled);
  return state;
}

void TCustomListBox::Paint() {
  TCanvas* canvas = GetCanvas();
  ForShownItems([&](int32_t i, const TRect& r) {
    const TOwnerDrawState state = StateOf(i);
    canvas->SetFont(GetFont());
    DrawItem(i, r, state);
    if (state.Contains(odFocused)) canvas->DrawFocusRect(r);
    return false;
  });
  DrawSingleBorder(canvas, FBorderStyle, FWidth, FHeight);
}

// ------------------------------------------------------------------- input

void TCustomListBox::TakeFocus() {
  if (CanFocus()) SetFocus();
}

void TCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const auto alive = AliveFlag();
  if (Button == mbLeft) TakeFocus();
  if (!*alive) return;
  const int32_t index = Button == mbLeft ? ItemAtPos({X, Y}, true) : -1;
  if (index >= 0) ApplySelection(index, Shift);
  inherited::MouseDown(Button, Shift, X, Y);
}

void TCustomListBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  const auto alive = AliveFlag();
  inherited::KeyDown(Key, Shift);
  if (!*alive || Key == 0) return;
  const int32_t target = NavigateIndex(Key, FItems->GetItemIndex(), FItems->GetCount(), PageSize());
  if (target == -2) return;
  Key = 0;
  if (target >= 0) UserSelect(target, Shift - TShiftState{ssCtrl});
}

void TCustomListBox::KeyPress(char& Key) {
  const auto alive = AliveFlag();
  inherited::KeyPress(Key);
  if (!*alive || static_cast<unsigned char>(Key) < ' ') return;
  const int32_t current = FItems->GetItemIndex();
  if (Key == ' ' && FMultiSelect && !FExtendedSelect && current >= 0) {
    ToggleSelected(current);
    Invalidate();
    Click();
    return;
  }
  const int32_t found = FItems->FindPrefix(std::string(1, Key), current);
  if (found >= 0) UserSelect(found, {});
}

void TCustomListBox::DoEnter() {
  Invalidate();
  inherited::DoEnter();
}

void TCustomListBox::DoExit() {
  Invalidate();
  inherited::DoExit();
}

}  // namespace host
