// TListItemStrings: the items of list boxes and combo boxes with their
// selection flags and current item, kept in step with every insertion,
// deletion and reordering; TCustomListControl, the control both are; and
// the navigation and drawing both share.
#include <algorithm>
#include <numeric>
#include <utility>

#include "host/classes/keptprops.h"
#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/lists.h"
#include "host/widgetset/wskeys.h"

namespace host {

HOST_IMPL(TListItemStrings, TStringList)
HOST_IMPL(TCustomListControl, TCustomControl)

namespace {

// One update batch around a change made of several steps: the owner hears
// of it once, when every flag is in step with the items (also when a step
// raised).
class TBatch {
 public:
  explicit TBatch(TStrings& Strings) : FStrings(Strings) { FStrings.BeginUpdate(); }
  ~TBatch() { FStrings.EndUpdate(); }
  TBatch(const TBatch&) = delete;
  TBatch& operator=(const TBatch&) = delete;

 private:
  TStrings& FStrings;
};

// Where an index goes when the item at Removed goes: -1 for that item.
int32_t AfterDelete(int32_t Value, int32_t Removed) {
  if (Value == Removed) return -1;
  return Value > Removed ? Value - 1 : Value;
}

std::vector<int32_t> Identity(int32_t Count) {
  std::vector<int32_t> order(static_cast<std::size_t>(Count));
  std::iota(order.begin(), order.end(), 0);
  return order;
}

}  // namespace

// ------------------------------------------------------------- selection

bool TListItemStrings::SetItemIndex(int32_t Index, bool SelectIt) {
  if (Index < -1 || Index >= GetCount()) return false;
  FItemIndex = Index;
  if (SelectIt) {
    std::fill(FSelected.begin(), FSelected.end(), 0);
    if (Index >= 0) FSelected[static_cast<std::size_t>(Index)] = 1;
  }
  return true;
}

void TListItemStrings::CheckSelIndex(int32_t Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError(SListIndexError, {Index});
}

bool TListItemStrings::GetSelected(int32_t Index) const {
  CheckSelIndex(Index);
  return FSelected[static_cast<std::size_t>(Index)] != 0;
}

void TListItemStrings::SetSelected(int32_t Index, bool Value) {
  CheckSelIndex(Index);
  FSelected[static_cast<std::size_t>(Index)] = Value ? 1 : 0;
}

int32_t TListItemStrings::GetSelCount() const {
  return static_cast<int32_t>(std::count(FSelected.begin(), FSelected.end(), 1));
}

void TListItemStrings::ClearSelection() { std::fill(FSelected.begin(), FSelected.end(), 0); }

void TListItemStrings::SelectAll() { std::fill(FSelected.begin(), FSelected.end(), 1); }

void TListItemStrings::SelectRange(int32_t From, int32_t To) {
  CheckSelIndex(From);
  CheckSelIndex(To);
  ClearSelection();
  const auto first = static_cast<std::size_t>(std::min(From, To));
  const auto last = static_cast<std::size_t>(std::max(From, To));
  std::fill(FSelected.begin() + static_cast<std::ptrdiff_t>(first),
            FSelected.begin() + static_cast<std::ptrdiff_t>(last + 1), 1);
}

int32_t TListItemStrings::FindPrefix(std::string_view Prefix, int32_t After) const {
  const int32_t count = GetCount();
  for (int32_t step = 1; step <= count; ++step) {
    const int32_t i = ((After + step) % count + count) % count;
    const std::string text = Get(i);
    if (text.size() >= Prefix.size() && AnsiCompareText(std::string_view(text).substr(0, Prefix.size()), Prefix) == 0)
      return i;
  }
  return -1;
}

std::vector<int32_t> TListItemStrings::SelectionState() const {
  std::vector<int32_t> state(FSelected.begin(), FSelected.end());
  state.push_back(FItemIndex);
  return state;
}

// ----------------------------------------------------- changes of the items

void TListItemStrings::Inserted(int32_t Index) {
  FSelected.insert(FSelected.begin() + Index, 0);
  if (FItemIndex >= Index) ++FItemIndex;
  if (FAnchor >= Index) ++FAnchor;
}

int32_t TListItemStrings::AddObject(const std::string& S, TObject* AObject) {
  TBatch batch(*this);
  const int32_t before = GetCount();
  const int32_t index = inherited::AddObject(S, AObject);
  if (GetCount() > before) Inserted(index);
  return index;
}

void TListItemStrings::InsertObject(int32_t Index, const std::string& S, TObject* AObject) {
  TBatch batch(*this);
  inherited::InsertObject(Index, S, AObject);
  Inserted(Index);
}

void TListItemStrings::Clear() {
  TBatch batch(*this);
  inherited::Clear();
  FSelected.clear();
  FItemIndex = FAnchor = -1;
}

void TListItemStrings::Delete(int32_t Index) {
  TBatch batch(*this);
  inherited::Delete(Index);
  FSelected.erase(FSelected.begin() + Index);
  FItemIndex = AfterDelete(FItemIndex, Index);
  FAnchor = AfterDelete(FAnchor, Index);
}

void TListItemStrings::Reorder(const std::vector<int32_t>& Order) {
  std::vector<uint8_t> selected(FSelected.size());
  int32_t itemIndex = -1, anchor = -1;
  for (std::size_t i = 0; i < Order.size(); ++i) {
    const int32_t old = Order[i];
    selected[i] = FSelected[static_cast<std::size_t>(old)];
    if (old == FItemIndex) itemIndex = static_cast<int32_t>(i);
    if (old == FAnchor) anchor = static_cast<int32_t>(i);
  }
  FSelected = std::move(selected);
  FItemIndex = itemIndex;
  FAnchor = anchor;
}

void TListItemStrings::Exchange(int32_t Index1, int32_t Index2) {
  TBatch batch(*this);
  inherited::Exchange(Index1, Index2);
  std::vector<int32_t> order = Identity(GetCount());
  std::swap(order[static_cast<std::size_t>(Index1)], order[static_cast<std::size_t>(Index2)]);
  Reorder(order);
}

void TListItemStrings::Move(int32_t CurIndex, int32_t NewIndex) {
  TBatch batch(*this);
  inherited::Move(CurIndex, NewIndex);
  std::vector<int32_t> order = Identity(GetCount());
  const int32_t moved = order[static_cast<std::size_t>(CurIndex)];
  order.erase(order.begin() + CurIndex);
  order.insert(order.begin() + NewIndex, moved);
  Reorder(order);
}

// The order is worked out first, so a compare function that raises leaves
// items and selection as they were.
void TListItemStrings::CustomSort(TStringListSortCompare Compare) {
  if (!Compare || GetSorted() || GetCount() < 2) {
    inherited::CustomSort(Compare);
    return;
  }
  std::vector<int32_t> order = Identity(GetCount());
  std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) { return Compare(this, a, b) < 0; });
  const std::vector<TStringItem> items = Snapshot();
  std::vector<TStringItem> sorted;
  sorted.reserve(items.size());
  for (int32_t old : order) sorted.push_back(items[static_cast<std::size_t>(old)]);
  TBatch batch(*this);
  inherited::Restore(std::move(sorted));
  Reorder(order);
}

// Contents put back after a change that failed half way: the selection
// cannot follow, so it is forgotten.
void TListItemStrings::Restore(std::vector<TStringItem>&& Items) {
  inherited::Restore(std::move(Items));
  FSelected.assign(static_cast<std::size_t>(GetCount()), 0);
  FItemIndex = FAnchor = -1;
}

void TListItemStrings::Changed() {
  inherited::Changed();
  if (GetUpdateCount() == 0 && FOwner) FOwner->ItemsChanged();
}

// -------------------------------------------------------- TCustomListControl

TCustomListControl::TCustomListControl(TComponent* AOwner) : TCustomControl(AOwner) {
  FItems = New<TListItemStrings>();
  FItems->SetOwner(this);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

void TCustomListControl::Destroy() {
  FItems->SetOwner(nullptr);
  inherited::Destroy();
  FreeAndNil(FItems);
}

void TCustomListControl::SetStreamedItemIndex(int32_t Value) {
  if (GetComponentState().Contains(csLoading))
    FStreamedItemIndex = Value;
  else
    SetItemIndex(Value);
}

void TCustomListControl::Loaded() {
  inherited::Loaded();
  if (FStreamedItemIndex < 0) return;
  SetItemIndex(std::exchange(FStreamedItemIndex, -1));
}

bool TCustomListControl::IsItemHeightStored() const {
  return IsOwnerDraw() || WasPropertyRead(this, "ItemHeight").value_or(false);
}

void TCustomListControl::SetItemHeight(int32_t Value) {
  if (Value < 1) return;
  FItemHeight = Value;
  ItemsChanged();
}

void TCustomListControl::DrawItem(int32_t Index, const TRect& Rect, TOwnerDrawState State) {
  if (IsOwnerDraw() && OnDrawItem)
    OnDrawItem(this, Index, Rect, State);
  else
    DrawStandardItem(GetCanvas(), Rect, FItems->GetStrings(Index), State, GetColor());
}

void TCustomListControl::MeasureItem(int32_t Index, int32_t& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

// ------------------------------------------------------------ shared helpers

int32_t NavigateIndex(uint16_t Key, int32_t Current, int32_t Count, int32_t PageSize) {
  const int32_t page = std::max(1, PageSize);
  int32_t target = 0;  // Home
  if (Key == VK_UP || Key == VK_DOWN)
    target = Key == VK_UP ? Current - 1 : Current + 1;
  else if (Key == VK_PRIOR || Key == VK_NEXT)
    target = Key == VK_PRIOR ? Current - page : Current + page;
  else if (Key == VK_END)
    target = Count - 1;
  else if (Key != VK_HOME)
    return -2;
  if (Count == 0) return -1;
  return std::clamp(target, 0, Count - 1);
}

void DrawStandardItem(TCanvas* Canvas, const TRect& Rect, const std::string& Text, TOwnerDrawState State,
                      TColor Color) {
  const bool selected = State.Contains(odSelected);
  Canvas->GetBrush()->SetColor(selected ? clHighlight : Color);
  Canvas->GetFont()->SetColor(selected ? clHighlightText : clWindowText);
  Canvas->FillRect(Rect);
  // One pixel below the top: clear of the list box's single border.
  Canvas->TextRect(Rect, Rect.Left + 2, Rect.Top + 1, Text);
}

}  // namespace host
