// TCustomListView: the layout of the items in cells, scrolling, the
// selection and focused item, painting, and the user's clicks and keys
// (the report view's own parts are in reportview.cc).
#include <algorithm>

#include "host/comctrls/comctrls_p.h"
#include "host/comctrls/listview.h"
#include "host/controls/textlayout.h"
#include "host/graphics/graphicsobj.h"
#include "host/imglist/imglist.h"
#include "host/stdctrls/lists.h"
#include "host/stdctrls/textdraw.h"
#include "host/widgetset/wskeys.h"

namespace host {

HOST_IMPL(TCustomListView, TCustomControl)
HOST_IMPL(TListView, TCustomListView)

using comctrl::kGap;

namespace {
constexpr int32_t kMargin = 2;  // between the border and the first cell
}  // namespace

TCustomListView::TCustomListView(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks};
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 250, 150);
  FItems = New<TListItems>(this);
  FColumns = New<TListColumns>(this);
  FColumns->SetPropName("Columns");
  FImageLink = New<TChangeLink>();
  FImageLink->OnChange = [this](TObject*) { ItemsChanged(); };
}

void TCustomListView::Destroy() {
  FItems->BeginUpdate();  // nothing to lay out while the items go
  FItems->Clear();
  FreeAndNil(FItems);
  FFocused = FAnchor = nullptr;
  std::exchange(FColumns, nullptr)->Free();  // no layout while they go
  FSizing = nullptr;
  LinkImageList(this, FImageLink, FSmallImages, nullptr);
  SetLargeImages(nullptr);
  FreeAndNil(FImageLink);
  inherited::Destroy();
}

void TCustomListView::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove || !AComponent) return;
  if (AComponent == FSmallImages) SetSmallImages(nullptr);
  if (AComponent == FLargeImages) SetLargeImages(nullptr);
}

// ------------------------------------------------------------- properties

void TCustomListView::SetViewStyle(TViewStyle Value) {
  comctrl::CheckEnumValue(Value, vsReport, this);
  if (!ChangeField(FViewStyle, Value)) return;
  FTopLine = 0;
  ItemsChanged();
}

void TCustomListView::SetSmallImages(TCustomImageList* Value) {
  if (!LinkImageList(this, FImageLink, FSmallImages, Value)) return;
  if (FLargeImages) FLargeImages->FreeNotification(this);  // when both were one list
  ItemsChanged();
}

void TCustomListView::SetLargeImages(TCustomImageList* Value) {
  if (FLargeImages == Value) return;
  if (FLargeImages) FLargeImages->RemoveFreeNotification(this);
  FLargeImages = Value;
  if (FLargeImages) FLargeImages->FreeNotification(this);
  if (FSmallImages) FSmallImages->FreeNotification(this);  // when both were one list
}

void TCustomListView::SetBorderStyle(TBorderStyle Value) {
  comctrl::CheckEnumValue(Value, bsSingle, this);
  if (ChangeField(FBorderStyle, Value)) Invalidate();
}

void TCustomListView::SetSortType(TSortType Value) {
  comctrl::CheckEnumValue(Value, stBoth, this);
  if (ChangeField(FSortType, Value) && Value != stNone) AlphaSort();
}

void TCustomListView::KeepSorted() {
  if ((FSortType == stText || FSortType == stBoth) && !FItems->Updating()) AlphaSort();
}

// Items the comparison finds equal keep their order.
bool TCustomListView::AlphaSort() {
  std::vector<TListItem*> sorted = FItems->FItems;
  std::stable_sort(sorted.begin(), sorted.end(), [this](TListItem* A, TListItem* B) {
    int32_t result = 0;
    if (OnCompare)
      OnCompare(this, A, B, 0, result);
    else
      result = AnsiCompareText(A->GetCaption(), B->GetCaption());
    return result < 0;
  });
  if (sorted == FItems->FItems) return true;
  FItems->FItems = std::move(sorted);
  ItemsChanged();
  return true;
}

void TCustomListView::SetLook(bool& Field, bool Value) {
  if (ChangeField(Field, Value)) ItemsChanged();
}

// Turning multiple selection off keeps the focused item (or the first
// selected one) alone selected.
void TCustomListView::SetMultiSelect(bool Value) {
  if (!ChangeField(FMultiSelect, Value) || Value) return;
  TListItem* keep = FFocused && FFocused->FSelected ? FFocused : GetSelected();
  const int32_t index = keep ? keep->GetIndex() : -1;
  SelectOnly(index, index);
}

void TCustomListView::SetHideSelection(bool Value) {
  if (ChangeField(FHideSelection, Value)) Redraw();
}

void TCustomListView::CheckOwnItem(const TListItem* Item) const {
  if (Item && Item->GetListView() != this)
    throw EInvalidOperation("List item '%s' is not an item of '%s'", {Item->GetCaption(), ControlDisplayName(this)});
}

// -------------------------------------------------------------- selection

TListItem* TCustomListView::GetSelected() const {
  for (TListItem* item : FItems->FItems)
    if (item->FSelected) return item;
  return nullptr;
}

void TCustomListView::SetSelected(TListItem* Value) {
  CheckOwnItem(Value);
  const int32_t index = Value ? Value->GetIndex() : -1;
  SelectOnly(index, index);
}

int32_t TCustomListView::GetSelCount() const {
  return static_cast<int32_t>(std::count_if(FItems->FItems.begin(), FItems->FItems.end(),
                                            [](const TListItem* item) { return item->FSelected; }));
}

void TCustomListView::ClearSelection() { SelectOnly(-1, -1); }

void TCustomListView::SetItemFocused(TListItem* Value) {
  CheckOwnItem(Value);
  if (FFocused == Value) return;
  TListItem* old = std::exchange(FFocused, Value);
  if (old) Change(old, ctState);
  if (Value) Change(Value, ctState);
  Redraw();
}

// A single-selection view keeps one item selected: selecting another
// deselects the one before.
void TCustomListView::ChangeSelected(TListItem* Item, bool Value) {
  if (Item->FSelected == Value) return;
  if (Value && !FMultiSelect)
    for (TListItem* other : std::vector<TListItem*>(FItems->FItems))
      if (other != Item && other->FSelected) ChangeSelected(other, false);
  Item->FSelected = Value;
  Redraw();
  const auto alive = AliveFlag();
  Change(Item, ctState);
  if (*alive) DoSelectItem(Item, Value);
}

// Deselections first, so that a single-selection view never has two items
// selected on the way.
void TCustomListView::SelectOnly(int32_t First, int32_t Last) {
  if (First > Last) std::swap(First, Last);
  const std::vector<TListItem*> items = FItems->FItems;
  const auto inRange = [&](int32_t i) { return First >= 0 && i >= First && i <= Last; };
  for (int32_t i = 0; i < static_cast<int32_t>(items.size()); ++i)
    if (!inRange(i)) ChangeSelected(items[i], false);
  for (int32_t i = 0; i < static_cast<int32_t>(items.size()); ++i)
    if (inRange(i) && FItems->IndexOf(items[i]) >= 0) ChangeSelected(items[i], true);
}

void TCustomListView::UserSelect(TListItem* Item, TShiftState Shift, bool Toggle) {
  const auto alive = AliveFlag();
  const int32_t index = Item->GetIndex();
  if (FMultiSelect && Toggle && Shift.Contains(ssCtrl)) {
    ChangeSelected(Item, !Item->FSelected);
    FAnchor = Item;
  } else if (FMultiSelect && Shift.Contains(ssShift) && FAnchor) {
    SelectOnly(FAnchor->GetIndex(), index);
  } else {
    SelectOnly(index, index);
    FAnchor = Item;
  }
  if (!*alive || FItems->IndexOf(Item) < 0) return;
  SetItemFocused(Item);
  MakeItemVisible(Item, false);
}

void TCustomListView::Change(TListItem* Item, TItemChange What) {
  if (OnChange) OnChange(this, Item, What);
}

void TCustomListView::DoSelectItem(TListItem* Item, bool Selected) {
  if (OnSelectItem) OnSelectItem(this, Item, Selected);
}

void TCustomListView::ItemChecked(TListItem* Item) {
  Redraw();
  if (OnItemChecked) OnItemChecked(this, Item);
}

void TCustomListView::ColumnClick(TListColumn* Column) {
  if (OnColumnClick) OnColumnClick(this, Column);
}

// ------------------------------------------------------------ the items

void TCustomListView::ItemsChanged() {
  if (FItems->Updating()) return;
  FCellWidth = -1;
  const int32_t lines = (FItems->GetCount() + PerLine() - 1) / PerLine();
  FTopLine = std::clamp(FTopLine, 0, std::max(0, lines - 1));
  Redraw();
}

void TCustomListView::ItemChanged(TListItem* Item, TItemChange What) {
  if (What == ctText) KeepSorted();
  ItemsChanged();
  Change(Item, What);
}

void TCustomListView::ItemRemoved(TListItem* Item) {
  if (FFocused == Item) FFocused = nullptr;
  if (FAnchor == Item) FAnchor = nullptr;
}

void TCustomListView::ColumnsChanged() {
  if (FColumns && FColumns->GetUpdateCount() == 0) Redraw();
}

void TCustomListView::ColumnRemoved(const TListColumn* Column) {
  if (FPressed == Column) FPressed = nullptr;
  if (FSizing == Column) FSizing = nullptr;
}

void TCustomListView::Redraw() {
  if (!FItems->Updating()) Invalidate();
}

// ---------------------------------------------------------------- layout

TSize TCustomListView::CellSize() {
  const TMeasuringCanvas measuring(GetFont());
  TCanvas* canvas = measuring.Canvas();
  const int32_t imageWidth = FSmallImages ? FSmallImages->GetWidth() + kGap : 0;
  const int32_t imageHeight = FSmallImages ? FSmallImages->GetHeight() : 0;
  if (FCellWidth < 0) {
    int32_t widest = 0;
    for (const TListItem* item : FItems->FItems) widest = std::max(widest, canvas->TextWidth(item->GetCaption()));
    FCellWidth = imageWidth + widest + 4 * kGap;
  }
  const int32_t checkHeight = Reporting() && FCheckboxes ? comctrl::kCheckSize + kGap : 0;
  return {FCellWidth, std::max({canvas->TextHeight("Ag"), imageHeight, checkHeight}) + kGap};
}

TRect TCustomListView::ItemsArea() {
  TRect area = GetClientRect();
  area.Top += HeaderHeight();
  return area;
}

// A report view has one item a line, one line a row.
int32_t TCustomListView::PerLine() {
  if (Reporting()) return 1;
  const TSize cell = CellSize();
  const TRect client = GetClientRect();
  return std::max(1,
                  FlowsDown() ? (client.Height() - 2 * kMargin) / cell.cy : (client.Width() - 2 * kMargin) / cell.cx);
}

int32_t TCustomListView::LinesShown() {
  const TSize cell = CellSize();
  if (Reporting()) return std::max(1, ItemsArea().Height() / cell.cy);
  const TRect client = GetClientRect();
  return std::max(1,
                  FlowsDown() ? (client.Width() - 2 * kMargin) / cell.cx : (client.Height() - 2 * kMargin) / cell.cy);
}

TRect TCustomListView::ItemRect(const TListItem* Item) {
  const int32_t index = FItems->IndexOf(Item);
  if (index < 0) return {};
  const TSize cell = CellSize();
  if (Reporting()) return Bounds(Edge(), ItemsArea().Top + (index - FTopLine) * cell.cy, ColumnLeft(nullptr), cell.cy);
  const int32_t perLine = PerLine();
  const int32_t line = index / perLine - FTopLine, place = index % perLine;
  const int32_t column = FlowsDown() ? line : place, row = FlowsDown() ? place : line;
  return Bounds(kMargin + column * cell.cx, kMargin + row * cell.cy, cell.cx, cell.cy);
}

// In the report view an item is hit on its whole row with RowSelect, else
// on its first column.
TListItem* TCustomListView::GetItemAt(int32_t X, int32_t Y) {
  if (Reporting()) {
    const TRect area = ItemsArea();
    const int32_t right = FRowSelect || FColumns->GetCount() == 0 ? ColumnLeft(nullptr) : ColumnWidth(GetColumn(0));
    if (!PtInRect(area, Point(X, Y)) || X < 0 || X >= right) return nullptr;
    const int64_t index = int64_t{(Y - area.Top) / CellSize().cy} + FTopLine;
    return index < FItems->GetCount() ? FItems->FItems[static_cast<std::size_t>(index)] : nullptr;
  }
  if (!PtInRect(GetClientRect(), Point(X, Y)) || X < kMargin || Y < kMargin) return nullptr;
  const TSize cell = CellSize();
  const int32_t column = (X - kMargin) / cell.cx, row = (Y - kMargin) / cell.cy;
  const int32_t perLine = PerLine();
  const int32_t place = FlowsDown() ? row : column, line = (FlowsDown() ? column : row) + FTopLine;
  if (place >= perLine) return nullptr;
  const int64_t index = int64_t{line} * perLine + place;
  return index < FItems->GetCount() ? FItems->FItems[static_cast<std::size_t>(index)] : nullptr;
}

// Scrolls by whole lines until the item's line is in sight; a partly shown
// last line is enough with PartialOK.
void TCustomListView::MakeItemVisible(const TListItem* Item, bool PartialOK) {
  const int32_t index = FItems->IndexOf(Item);
  if (index < 0) return;
  const int32_t line = index / PerLine();
  const int32_t shown = LinesShown() + (PartialOK ? 1 : 0);
  int32_t top = FTopLine;
  if (line < top) top = line;
  if (line >= top + shown) top = line - shown + 1;
  if (ChangeField(FTopLine, top)) Redraw();
}

void TCustomListView::ScrollTo(int32_t Value) {
  const int32_t lines = (FItems->GetCount() + PerLine() - 1) / PerLine();
  if (ChangeField(FTopLine, std::clamp(Value, 0, std::max(0, lines - LinesShown())))) Redraw();
}

// --------------------------------------------------------------- painting

void TCustomListView::PaintItem(TListItem* Item, const TRect& Cell) {
  TCanvas* canvas = GetCanvas();
  int32_t x = Cell.Left + kGap;
  if (FSmallImages) {
    if (Item->GetImageIndex() >= 0 && Item->GetImageIndex() < FSmallImages->GetCount())
      FSmallImages->Draw(canvas, x, Cell.Top + (Cell.Height() - FSmallImages->GetHeight()) / 2, Item->GetImageIndex(),
                         GetEnabled());
    x += FSmallImages->GetWidth() + kGap;
  }
  const TRect text =
      Rect(x, Cell.Top, std::min(Cell.Right, x + canvas->TextWidth(Item->GetCaption()) + 2 * kGap), Cell.Bottom);
  UseItemColors(Highlighted(Item));
  canvas->FillRect(text);
  canvas->TextRect(text, text.Left + kGap, text.Top + 1, Item->GetCaption());
  if (Item == FFocused && Focused() && !(Reporting() && FRowSelect)) canvas->DrawFocusRect(text);
}

bool TCustomListView::Highlighted(const TListItem* Item) { return Item->FSelected && (Focused() || !FHideSelection); }

void TCustomListView::UseItemColors(bool Highlight) {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(Highlight ? (Focused() ? clHighlight : clBtnFace) : GetColor());
  canvas->GetFont()->SetColor(Highlight && Focused() ? clHighlightText
                              : GetEnabled()         ? GetFont()->GetColor()
                                                     : clGrayText);
}

void TCustomListView::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(GetClientRect());
  const TRect area = ItemsArea();
  for (TListItem* item : FItems->FItems) {
    canvas->SetFont(GetFont());
    const TRect cell = ItemRect(item);
    if (cell.Right <= 0 || cell.Bottom <= area.Top || cell.Left >= area.Right || cell.Top >= area.Bottom) continue;
    if (Reporting())
      PaintReportItem(item, cell);
    else
      PaintItem(item, cell);
  }
  if (Reporting()) {
    if (FGridLines) PaintGridLines();
    PaintHeader();
  }
  DrawSingleBorder(canvas, FBorderStyle, GetWidth(), GetHeight());
}

// ------------------------------------------------------------------ input

void TCustomListView::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const auto alive = AliveFlag();
  if (Button == mbLeft && CanFocus()) SetFocus();
  if (!*alive) return;
  if (Button == mbLeft && (HeaderMouseDown(X, Y) || CheckBoxMouseDown(X, Y))) {
    if (*alive) inherited::MouseDown(Button, Shift, X, Y);
    return;
  }
  if (Button == mbLeft && !Shift.Contains(ssDouble)) {
    TListItem* item = GetItemAt(X, Y);
    if (item)
      UserSelect(item, Shift, true);
    else if (!Shift.Contains(ssCtrl))
      ClearSelection();
    if (!*alive) return;
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

// Up and Down move along a column in vsList and along the rows in
// vsSmallIcon; Left and Right move across.
void TCustomListView::KeyDown(uint16_t& Key, TShiftState Shift) {
  const auto alive = AliveFlag();
  inherited::KeyDown(Key, Shift);
  if (!*alive || Key == 0 || FItems->GetCount() == 0) return;
  if (Key == VK_SPACE && FCheckboxes && FFocused) {
    Key = 0;
    FFocused->SetChecked(!FFocused->GetChecked());
    return;
  }
  if (Reporting() && (Key == VK_LEFT || Key == VK_RIGHT)) return;
  const int32_t current = FFocused ? FFocused->GetIndex() : -1;
  const int32_t across = FlowsDown() ? PerLine() : 1, along = FlowsDown() ? 1 : PerLine();
  int32_t target = -2;
  if (Key == VK_LEFT || Key == VK_RIGHT)
    target = std::clamp(current + (Key == VK_LEFT ? -across : across), 0, FItems->GetCount() - 1);
  else if (Key == VK_UP || Key == VK_DOWN)
    target = std::clamp(current < 0 ? 0 : current + (Key == VK_UP ? -along : along), 0, FItems->GetCount() - 1);
  else
    target = NavigateIndex(Key, current, FItems->GetCount(), PerLine() * LinesShown());
  if (target < 0) return;
  Key = 0;
  UserSelect(FItems->FItems[target], Shift - TShiftState{ssCtrl}, false);
}

// What OnMouseWheel leaves scrolls the view a line a notch (up: back).
bool TCustomListView::DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos) {
  if (inherited::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  ScrollTo(FTopLine - WheelDelta / 120);
  return true;
}

void TCustomListView::DoEnter() {
  Invalidate();
  inherited::DoEnter();
}

void TCustomListView::DoExit() {
  Invalidate();
  inherited::DoExit();
}

}  // namespace host
