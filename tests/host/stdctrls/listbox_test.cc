// List boxes as a user meets them: the robot clicks items (with Shift and
// Ctrl in an extended selection), presses navigation keys and types
// letters; the list box answers with its selection, OnClick, scrolling and
// owner drawing; its items can change under it.
#include "host/widgetset/widgetset.h"
#include "host/widgetset/wskeys.h"
#include "tests/host/stdctrls/buttons_test.h"
#include "tests/host/stdctrls/lists_test.h"

namespace host::liststest {
namespace {

class ListBox : public ListsTest {
 protected:
  TListBox* NewList(TRect Bounds, int32_t Count) {
    TListBox* list = Place<TListBox>("List", Bounds);
    for (int32_t i = 0; i < Count; ++i) list->GetItems()->Add("Item" + std::to_string(i));
    list->OnClick = [this](TObject*) { log.push_back("click"); };
    return list;
  }
};

// The frame of a bsSingle list box shows along its edges, over the items;
// bsNone shows none.
TEST_F(ListBox, ASingleBorderFramesTheList) {
  TListBox* list = NewList(Bounds(10, 10, 120, 100), 3);
  Show();
  const TRect leftEdge = Rect(0, 20, 1, 80);
  EXPECT_EQ(stdctrlstest::PixelsShown(list, leftEdge, clWindowFrame), 60);
  list->SetBorderStyle(bsNone);
  EXPECT_EQ(stdctrlstest::PixelsShown(list, leftEdge, clWindowFrame), 0);
}

TEST_F(ListBox, AClickSelectsTheItemUnderTheMouseAndCodeSetsItemIndexSilently) {
  TListBox* list = NewList(Bounds(10, 10, 120, 200), 10);
  list->OnDblClick = [this](TObject*) { log.push_back("dblclick"); };
  Show();
  Robot().Click(AtItem(list, 2));
  EXPECT_EQ(list->GetItemIndex(), 2);
  EXPECT_TRUE(list->GetSelected(2));
  EXPECT_TRUE(list->Focused());
  // Below the last item: nothing new is selected, the click still counts.
  Robot().Click(list->ClientToScreen({5, 190}));
  EXPECT_EQ(list->GetItemIndex(), 2);
  Robot().DoubleClick(AtItem(list, 4));
  EXPECT_EQ(list->GetItemIndex(), 4);
  EXPECT_EQ(log, (std::vector<std::string>{"click", "click", "click", "dblclick"}));

  // Code: no OnClick; an index outside -1..Count-1 is ignored.
  log.clear();
  list->SetItemIndex(5);
  EXPECT_EQ(SelectedOf(list), std::vector<int32_t>{5});
  list->SetItemIndex(10);
  list->SetItemIndex(-2);
  EXPECT_EQ(list->GetItemIndex(), 5);
  EXPECT_EQ(SelectedOf(list), std::vector<int32_t>{5});
  list->SetItemIndex(-1);
  EXPECT_EQ(list->GetItemIndex(), -1);
  EXPECT_TRUE(SelectedOf(list).empty());
  EXPECT_TRUE(log.empty());
}

TEST_F(ListBox, ShiftAndCtrlClicksExtendAndToggleTheSelectionAndIndexesAreChecked) {
  TListBox* list = NewList(Bounds(10, 10, 120, 200), 10);
  list->SetMultiSelect(true);
  Show();
  Robot().Click(AtItem(list, 1));
  Robot().Click(AtItem(list, 4), headless::TMouseButtonKind::Left, {ssShift});
  EXPECT_EQ(SelectedOf(list), (std::vector<int32_t>{1, 2, 3, 4}));
  EXPECT_EQ(list->GetSelCount(), 4);
  Robot().Click(AtItem(list, 2), headless::TMouseButtonKind::Left, {ssCtrl});
  EXPECT_EQ(SelectedOf(list), (std::vector<int32_t>{1, 3, 4}));
  EXPECT_EQ(list->GetItemIndex(), 2);  // the focused item, not selected
  // Shift-click ranges from the last Ctrl-click.
  Robot().Click(AtItem(list, 0), headless::TMouseButtonKind::Left, {ssShift});
  EXPECT_EQ(SelectedOf(list), (std::vector<int32_t>{0, 1, 2}));
  Robot().Click(AtItem(list, 6));
  EXPECT_EQ(SelectedOf(list), std::vector<int32_t>{6});
  EXPECT_EQ(log.size(), 5u);

  // Without ExtendedSelect every click toggles; so does Space.
  list->SetExtendedSelect(false);
  Robot().Click(AtItem(list, 8));
  Robot().Click(AtItem(list, 6));
  EXPECT_EQ(SelectedOf(list), std::vector<int32_t>{8});
  Robot().Press(VK_DOWN);
  Robot().Press(VK_SPACE);
  EXPECT_EQ(SelectedOf(list), (std::vector<int32_t>{7, 8}));

  // Selected[] by code, and out of range for reading and writing.
  list->SetSelected(0, true);
  EXPECT_EQ(list->GetSelCount(), 3);
  EXPECT_RAISES(list->GetSelected(10), EListError, "List index out of bounds (10)");
  EXPECT_RAISES(list->SetSelected(-1, true), EListError, "List index out of bounds (-1)");
  EXPECT_EQ(SelectedOf(list), (std::vector<int32_t>{0, 7, 8}));
  list->SelectAll();
  EXPECT_EQ(list->GetSelCount(), 10);
  list->ClearSelection();
  EXPECT_EQ(list->GetSelCount(), 0);

  // A single-selection list box: one item at most, SelCount -1 as classic.
  list->SetItemIndex(3);
  list->SetSelected(5, true);
  list->SetMultiSelect(false);
  EXPECT_EQ(SelectedOf(list), std::vector<int32_t>{3});
  list->SetSelected(6, true);
  EXPECT_EQ(list->GetItemIndex(), 6);
  EXPECT_EQ(SelectedOf(list), std::vector<int32_t>{6});
  EXPECT_EQ(list->GetSelCount(), -1);
  list->SelectAll();
  EXPECT_EQ(SelectedOf(list), std::vector<int32_t>{6});
  list->SetSelected(6, false);
  EXPECT_EQ(list->GetItemIndex(), -1);
}

TEST_F(ListBox, NavigationKeysMoveAndScrollAndATypedLetterFindsTheNextItemWithIt) {
  // 100 pixels show six items of 16; a page is five.
  TListBox* list = NewList(Bounds(10, 10, 120, 100), 20);
  Show();
  list->SetFocus();
  Robot().Press(VK_DOWN);
  EXPECT_EQ(list->GetItemIndex(), 0);
  Robot().Press(VK_NEXT);
  EXPECT_EQ(list->GetItemIndex(), 5);
  EXPECT_EQ(list->GetTopIndex(), 0);
  Robot().Press(VK_DOWN);
  EXPECT_EQ(list->GetItemIndex(), 6);
  EXPECT_EQ(list->GetTopIndex(), 1);
  Robot().Press(VK_END);
  EXPECT_EQ(list->GetItemIndex(), 19);
  EXPECT_EQ(list->GetTopIndex(), 14);
  Robot().Press(VK_DOWN);  // already last: no change, no click
  Robot().Press(VK_PRIOR);
  EXPECT_EQ(list->GetItemIndex(), 14);
  Robot().Press(VK_HOME);
  EXPECT_EQ(list->GetItemIndex(), 0);
  EXPECT_EQ(list->GetTopIndex(), 0);
  Robot().Press(VK_UP);
  EXPECT_EQ(log.size(), 6u);

  list->GetItems()->SetCommaText("apple,banana,blueberry,cherry,avocado");
  list->SetItemIndex(0);
  log.clear();
  Robot().Type("b");
  EXPECT_EQ(list->GetItemIndex(), 1);
  Robot().Type("B");
  EXPECT_EQ(list->GetItemIndex(), 2);
  Robot().Type("b");  // wraps round
  EXPECT_EQ(list->GetItemIndex(), 1);
  Robot().Type("a");
  EXPECT_EQ(list->GetItemIndex(), 4);
  Robot().Type("z");
  EXPECT_EQ(list->GetItemIndex(), 4);
  EXPECT_EQ(log.size(), 4u);

  // OnKeyDown that swallows the key leaves the list alone.
  list->OnKeyDown = [](TObject*, uint16_t& key, TShiftState) { key = 0; };
  Robot().Press(VK_HOME);
  EXPECT_EQ(list->GetItemIndex(), 4);
}

TEST_F(ListBox, ItemsFlowIntoColumnsFromTopIndexAndItemAtPosFindsThem) {
  TListBox* list = NewList(Bounds(10, 10, 200, 100), 20);
  list->SetColumns(2);  // six rows, columns 100 wide
  Show();
  EXPECT_EQ(list->ItemRect(7), Rect(100, 16, 200, 32));
  EXPECT_EQ(list->ItemAtPos({150, 20}, true), 7);
  Robot().Click(AtItem(list, 8));
  EXPECT_EQ(list->GetItemIndex(), 8);
  // TopIndex goes to the first item of its column.
  list->SetTopIndex(7);
  EXPECT_EQ(list->GetTopIndex(), 6);
  EXPECT_EQ(list->ItemRect(7), Rect(0, 16, 100, 32));
  EXPECT_EQ(list->ItemRect(0), Rect(-100, 0, 0, 16));
  EXPECT_EQ(list->ItemAtPos({150, 20}, true), 13);
  Robot().Click(AtItem(list, 13));
  EXPECT_EQ(list->GetItemIndex(), 13);
  list->SetTopIndex(20);
  list->SetTopIndex(-1);
  EXPECT_EQ(list->GetTopIndex(), 6);
  list->SetColumns(-1);
  EXPECT_EQ(list->GetColumns(), 2);

  // One column: TopIndex scrolls the items up; past the items and outside.
  list->SetColumns(0);
  list->SetTopIndex(3);
  list->GetItems()->Clear();
  EXPECT_EQ(list->GetTopIndex(), 0);  // past the items now: back to the top
  list->GetItems()->SetCommaText("a,b,c,d,e");
  list->SetTopIndex(3);
  EXPECT_EQ(list->ItemRect(2), Rect(0, -16, 200, 0));
  EXPECT_EQ(list->ItemRect(5), Rect(0, 32, 200, 48));  // where a next item goes
  EXPECT_EQ(list->ItemRect(6), TRect{});
  EXPECT_EQ(list->ItemRect(-1), TRect{});
  EXPECT_EQ(list->ItemAtPos({5, 20}, true), 4);
  EXPECT_EQ(list->ItemAtPos({5, 60}, true), -1);
  EXPECT_EQ(list->ItemAtPos({5, 60}, false), 5);
  EXPECT_EQ(list->ItemAtPos({5, 160}, false), -1);
  list->SetItemHeight(0);
  EXPECT_EQ(list->GetItemHeight(), 16);
  // Items far below the client area are placed at the largest coordinate.
  list->SetItemHeight(1 << 30);
  EXPECT_EQ(list->ItemRect(5), Rect(0, INT32_MAX, 200, INT32_MAX));
  list->SetColumns(3);
  EXPECT_EQ(list->ItemRect(4).Top, 0);
}

TEST_F(ListBox, OwnerDrawnItemsAreMeasuredAndDrawnInTheirRectangles) {
  TListBox* list = NewList(Bounds(10, 10, 120, 100), 4);
  list->SetStyle(lbOwnerDrawVariable);
  list->OnMeasureItem = [](TWinControl*, int32_t index, int32_t& height) { height = 10 + 5 * index; };
  struct TDrawn {
    int32_t Index;
    TRect Rect;
    bool Selected, Focused;
  };
  std::vector<TDrawn> drawn;
  list->OnDrawItem = [&](TWinControl* control, int32_t index, TRect rect, TOwnerDrawState state) {
    EXPECT_EQ(control, list);
    static_cast<TListBox*>(control)->GetCanvas()->FillRect(rect);
    drawn.push_back({index, rect, state.Contains(odSelected), state.Contains(odFocused)});
  };
  Show();
  Robot().Click(list->ClientToScreen({5, 30}));  // item 2 spans 25..45
  EXPECT_EQ(list->GetItemIndex(), 2);
  drawn.clear();
  list->Repaint();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[0].Rect, Rect(0, 0, 120, 10));
  EXPECT_EQ(drawn[1].Rect, Rect(0, 10, 120, 25));
  EXPECT_EQ(drawn[2].Rect, Rect(0, 25, 120, 45));
  EXPECT_EQ(drawn[3].Rect, Rect(0, 45, 120, 70));
  EXPECT_TRUE(drawn[2].Selected && drawn[2].Focused);
  EXPECT_FALSE(drawn[1].Selected || drawn[1].Focused);

  // Fixed owner draw: ItemHeight for every item; standard: no OnDrawItem.
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(20);
  drawn.clear();
  list->Repaint();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[3].Rect, Rect(0, 60, 120, 80));
  list->SetStyle(lbStandard);
  drawn.clear();
  list->Repaint();
  EXPECT_TRUE(drawn.empty());
}

TEST_F(ListBox, ASelectedItemIsPaintedInTheHighlightColour) {
  TListBox* list = NewList(Bounds(10, 10, 120, 100), 3);
  Show();
  list->SetItemIndex(1);
  list->Repaint();
  auto shown = [&](TPoint at) {
    const HBITMAP image = WidgetSet().Windows().CaptureWindow(list->GetHandle());
    TBitmapBits bits;
    EXPECT_TRUE(WidgetSet().GetBitmapBits(image, bits));
    const COLORREF color = PixelToColorRef(bits.Row(at.Y)[at.X]);
    WidgetSet().DeleteObject(image);
    return color;
  };
  EXPECT_EQ(shown({115, 20}), static_cast<COLORREF>(ColorToRGB(clHighlight)));
  EXPECT_EQ(shown({115, 5}), static_cast<COLORREF>(ColorToRGB(clWindow)));
}

TEST_F(ListBox, ItemIndexAndSelectionFollowTheItemsAsTheyChangeAndSort) {
  TListBox* list = NewList(Bounds(10, 10, 120, 100), 0);
  TStrings* items = list->GetItems();
  items->SetCommaText("d,b,e,a,c");
  list->SetItemIndex(3);  // "a"
  items->Delete(1);
  EXPECT_EQ(list->GetItemIndex(), 2);
  items->Insert(0, "f");
  EXPECT_EQ(list->GetItemIndex(), 3);
  EXPECT_EQ(items->GetStrings(list->GetItemIndex()), "a");
  items->Delete(3);  // the selected item goes: nothing is selected
  EXPECT_EQ(list->GetItemIndex(), -1);
  EXPECT_TRUE(SelectedOf(list).empty());

  list->SetMultiSelect(true);
  items->SetCommaText("d,b,e,a,c");
  list->SetSelected(1, true);
  list->SetSelected(3, true);
  list->SetItemIndex(4);
  items->Exchange(0, 1);
  items->Move(4, 2);
  EXPECT_EQ(items->GetCommaText(), "b,d,c,e,a");
  EXPECT_EQ(SelectedOf(list), (std::vector<int32_t>{0, 4}));
  EXPECT_EQ(list->GetItemIndex(), 2);
  // Sorting keeps the same items selected and current.
  list->SetSorted(true);
  EXPECT_EQ(items->GetCommaText(), "a,b,c,d,e");
  EXPECT_EQ(SelectedOf(list), (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(list->GetItemIndex(), 2);
  items->Add("bb");
  EXPECT_EQ(items->GetCommaText(), "a,b,bb,c,d,e");
  EXPECT_EQ(SelectedOf(list), (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(list->GetItemIndex(), 3);

  // Refused changes leave items and selection as they were.
  EXPECT_RAISES(items->Insert(0, "z"), EStringListError, "Operation not allowed on sorted string list");
  EXPECT_RAISES(items->GetStrings(6), EStringListError, "List index out of bounds (6)");
  EXPECT_RAISES(items->Delete(-1), EStringListError, "List index out of bounds (-1)");
  EXPECT_EQ(items->GetCommaText(), "a,b,bb,c,d,e");
  EXPECT_EQ(SelectedOf(list), (std::vector<int32_t>{0, 1}));

  TOwned<TStringList> other = MakeOwned<TStringList>();
  other->SetCommaText("x,y");
  list->SetItems(other.get());
  EXPECT_EQ(items->GetCommaText(), "x,y");
  EXPECT_TRUE(SelectedOf(list).empty());
  list->Clear();
  EXPECT_EQ(items->GetCount(), 0);
  EXPECT_EQ(list->GetItemIndex(), -1);
}

}  // namespace
}  // namespace host::liststest
