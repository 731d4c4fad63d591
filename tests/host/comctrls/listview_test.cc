// The list view as a user and a program meet it: clicks and keys select
// and focus items (Ctrl and Shift with MultiSelect), every selection change
// fires OnChange and OnSelectItem, the view scrolls so that keys and
// MakeVisible bring items into sight, images are drawn before captions, and
// bad indexes and items of another view raise and change nothing.
#include "tests/host/comctrls/comctrls_test.h"

namespace host::comctrlstest {
namespace {

class ListViewTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    view = Add<TListView>(form.get(), "View", Bounds(10, 10, 200, 100));
    view->SetViewStyle(vsList);
    for (const char* caption : {"Alpha", "Beta", "Gamma", "Delta"}) view->GetItems()->Add()->SetCaption(caption);
    view->OnSelectItem = [this](TObject*, TListItem* Item, bool Selected) {
      log.push_back((Selected ? "+" : "-") + Item->GetCaption());
    };
    view->OnDblClick = [this](TObject*) { log.push_back("dblclick " + view->GetItemFocused()->GetCaption()); };
  }
  TListItem* Item(int32_t Index) const { return view->GetItems()->GetItem(Index); }
  TPoint On(int32_t Index) {
    const TRect r = view->ItemRect(Item(Index));
    return At(view, {r.Left + 5, (r.Top + r.Bottom) / 2});
  }
  std::string Selection() const {
    std::string s;
    for (int32_t i = 0; i < view->GetItems()->GetCount(); ++i)
      if (Item(i)->GetSelected()) s += (s.empty() ? "" : ",") + Item(i)->GetCaption();
    return s;
  }
  TListView* view = nullptr;
};

TEST_F(ListViewTest, ClicksAndKeysSelectAndFocusItemsFiringTheirEvents) {
  int32_t payload = 42;
  Item(1)->SetData(&payload);
  Robot().Click(On(1));
  EXPECT_TRUE(view->Focused());
  EXPECT_EQ(view->GetSelected(), Item(1));
  EXPECT_EQ(view->GetItemFocused(), Item(1));
  EXPECT_EQ(*static_cast<int32_t*>(view->GetSelected()->GetData()), 42);
  Robot().Click(On(3));
  Robot().Press(VK_UP);
  Robot().Press(VK_HOME);
  Robot().Press(VK_END);
  EXPECT_EQ(view->GetItemFocused(), Item(3));
  EXPECT_EQ(Selection(), "Delta");
  Robot().Click(At(view, {190, 90}));  // beside the items
  EXPECT_EQ(view->GetSelected(), nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"+Beta", "-Beta", "+Delta", "-Delta", "+Gamma", "-Gamma", "+Alpha", "-Alpha",
                                           "+Delta", "-Delta"}));
  log.clear();
  Robot().DoubleClick(On(2));
  EXPECT_EQ(log, (std::vector<std::string>{"+Gamma", "dblclick Gamma"}));

  // Ctrl in a single-selection view does not add to the selection.
  Robot().Click(On(0), headless::TMouseButtonKind::Left, {ssCtrl});
  EXPECT_EQ(Selection(), "Alpha");
  // With MultiSelect: Ctrl-click toggles, Shift-click and Shift+arrow select
  // a range from the last item clicked, a plain click selects one again.
  view->SetMultiSelect(true);
  Robot().Click(On(2), headless::TMouseButtonKind::Left, {ssCtrl});
  EXPECT_EQ(Selection(), "Alpha,Gamma");
  Robot().Click(On(0), headless::TMouseButtonKind::Left, {ssCtrl});
  EXPECT_EQ(Selection(), "Gamma");
  Robot().Click(On(1));
  Robot().Click(On(3), headless::TMouseButtonKind::Left, {ssShift});
  EXPECT_EQ(Selection(), "Beta,Gamma,Delta");
  EXPECT_EQ(view->GetSelCount(), 3);
  Robot().Press(VK_UP, {ssShift});
  EXPECT_EQ(Selection(), "Beta,Gamma");
  EXPECT_EQ(view->GetItemFocused(), Item(2));
  // Turning MultiSelect off keeps the focused item alone.
  view->SetMultiSelect(false);
  EXPECT_EQ(Selection(), "Gamma");
}

TEST_F(ListViewTest, TheViewScrollsSoThatKeysAndMakeVisibleBringItemsIntoSight) {
  view->GetItems()->BeginUpdate();
  for (int32_t i = 0; i < 60; ++i) view->GetItems()->Add()->SetCaption("Item " + std::to_string(i));
  view->GetItems()->EndUpdate();
  ASSERT_EQ(view->GetItems()->GetCount(), 64);
  // vsList fills a column top to bottom, then the next one.
  const TRect first = view->ItemRect(Item(0)), second = view->ItemRect(Item(1));
  EXPECT_EQ(second.Left, first.Left);
  EXPECT_EQ(second.Top, first.Bottom);
  EXPECT_GE(first.Width(), view->GetCanvas()->TextWidth("Item 59")) << "cells fit the widest caption";
  TListItem* last = Item(63);
  EXPECT_GE(view->ItemRect(last).Left, view->GetClientWidth());
  last->MakeVisible(false);
  EXPECT_GT(view->GetTopLine(), 0);
  const TRect shown = view->ItemRect(last);
  EXPECT_LE(shown.Right, view->GetClientWidth());
  EXPECT_EQ(view->GetItemAt(shown.Left + 3, shown.Top + 3), last);
  Robot().Click(At(view, {shown.Left + 3, shown.Top + 3}));
  EXPECT_EQ(view->GetSelected(), last);
  Robot().Press(VK_HOME);
  EXPECT_EQ(view->GetTopLine(), 0) << "Home scrolls back to the first item";
  // The wheel scrolls a column a notch, never past the last one.
  Robot().Wheel(-120, Center(view));
  EXPECT_EQ(view->GetTopLine(), 1);
  const int32_t perColumn = (view->GetClientHeight() - 4) / first.Height();
  EXPECT_EQ(view->GetItemAt(first.Left + 3, first.Top + 3), Item(perColumn)) << "the second column now comes first";
  for (int32_t notch = 0; notch < 30; ++notch) Robot().Wheel(-120, Center(view));
  EXPECT_LE(view->ItemRect(last).Right, view->GetClientWidth()) << "the last column stays in sight";
  EXPECT_GT(view->ItemRect(last).Left, view->GetClientWidth() / 2);
  Robot().Wheel(120 * 40, Center(view));
  EXPECT_EQ(view->GetTopLine(), 0);
  EXPECT_EQ(view->GetItemAt(first.Left + 3, first.Top + 3), Item(0));

  // vsSmallIcon fills a row left to right; Down moves a whole row.
  view->SetViewStyle(vsSmallIcon);
  const TRect a = view->ItemRect(Item(0)), b = view->ItemRect(Item(1));
  EXPECT_EQ(b.Top, a.Top);
  EXPECT_EQ(b.Left, a.Right);
  const int32_t perRow = (view->GetClientWidth() - 4) / a.Width();
  Robot().Press(VK_DOWN);
  EXPECT_EQ(view->GetItemFocused(), Item(perRow));
  Robot().Press(VK_END);
  EXPECT_LE(view->ItemRect(last).Bottom, view->GetClientHeight());
  EXPECT_GT(view->GetTopLine(), 0);
}

TEST_F(ListViewTest, ImagesComeBeforeCaptionsAndTheSelectionIsHighlightedWhileFocused) {
  view->SetSmallImages(NewImages("Icons", {clRed, clLime}));
  Item(0)->SetImageIndex(1);
  Item(1)->SetImageIndex(0);
  const TRect cell = view->ItemRect(Item(1));
  EXPECT_EQ(Pixel(view, cell.Left + 8, cell.Top + 8), Drawn(clRed));
  EXPECT_EQ(Pixel(view, view->ItemRect(Item(0)).Left + 8, cell.Top - cell.Height() + 8), Drawn(clLime));
  const int32_t textX = cell.Left + 2 + 16 + 3;  // just after the image
  EXPECT_EQ(Pixel(view, textX, cell.Top + 1), Drawn(clWindow));
  Robot().Click(On(1));
  EXPECT_EQ(Pixel(view, textX, cell.Top + 1), Drawn(clHighlight));
  // HideSelection: no highlight once the focus goes; without it, a grey one.
  auto* other = Add<TListView>(form.get(), "Other", Bounds(10, 150, 100, 50));
  other->SetFocus();
  EXPECT_EQ(Pixel(view, textX, cell.Top + 1), Drawn(clWindow));
  view->SetHideSelection(false);
  EXPECT_EQ(Pixel(view, textX, cell.Top + 1), Drawn(clBtnFace));
  // A freed image list leaves the view without images.
  view->GetSmallImages()->Free();
  EXPECT_EQ(view->GetSmallImages(), nullptr);
  EXPECT_EQ(Pixel(view, cell.Left + 8, cell.Top + 8), Drawn(clWindow));
}

TEST_F(ListViewTest, BadIndexesAndForeignItemsRaiseAndChangeNothing) {
  Item(2)->SetSelected(true);
  Item(2)->SetFocused(true);
  auto* other = Add<TListView>(form.get(), "Other", Bounds(10, 150, 100, 50));
  TListItem* foreign = other->GetItems()->Add();
  foreign->SetCaption("Elsewhere");
  log.clear();
  TListItems* items = view->GetItems();
  EXPECT_RAISES(items->GetItem(4), EListError, "List index out of bounds (4)");
  EXPECT_RAISES(items->Insert(5), EListError, "List index out of bounds (5)");
  EXPECT_RAISES(items->Delete(-1), EListError, "List index out of bounds (-1)");
  EXPECT_RAISES(view->SetSelected(foreign), EInvalidOperation, "List item 'Elsewhere' is not an item of 'View'");
  EXPECT_RAISES(view->SetItemFocused(foreign), EInvalidOperation, "List item 'Elsewhere' is not an item of 'View'");
  EXPECT_RAISES(view->SetViewStyle(static_cast<TViewStyle>(9)), EInvalidOperation,
                "Invalid property value (control 'View')");
  EXPECT_EQ(items->GetCount(), 4);
  EXPECT_EQ(Selection(), "Gamma");
  EXPECT_EQ(view->GetItemFocused(), Item(2));
  EXPECT_EQ(view->GetViewStyle(), vsList);
  EXPECT_FALSE(foreign->GetSelected());
  EXPECT_TRUE(log.empty());
  // Selecting by code in a single-selection view deselects the item before.
  Item(0)->SetSelected(true);
  EXPECT_EQ(Selection(), "Alpha");
  view->SetSelected(Item(2));
  EXPECT_EQ(log, (std::vector<std::string>{"-Gamma", "+Alpha", "-Alpha", "+Gamma"}));
  log.clear();

  // Insert, Delete and Index keep the items in order; deleting the focused
  // item leaves none focused.
  TListItem* inserted = items->Insert(1);
  inserted->SetCaption("New");
  EXPECT_EQ(inserted->GetIndex(), 1);
  EXPECT_EQ(Item(3)->GetCaption(), "Gamma");
  Item(3)->Delete();
  EXPECT_EQ(view->GetItemFocused(), nullptr);
  EXPECT_EQ(view->GetSelected(), nullptr);
  items->Clear();
  EXPECT_EQ(items->GetCount(), 0);
  Robot().Click(At(view, {20, 10}));
  Robot().Press(VK_DOWN);
  EXPECT_TRUE(log.empty()) << "an empty view takes clicks and keys quietly";

  // Every change of an item reaches OnChange, a selection change OnSelectItem after it.
  view->OnChange = [this](TObject*, TListItem* Changed, TItemChange What) {
    log.push_back(Changed->GetCaption() + (What == ctText ? ":text" : What == ctImage ? ":image" : ":state"));
  };
  TListItem* fresh = items->Add();
  fresh->SetCaption("Fresh");
  fresh->SetImageIndex(2);
  fresh->SetSelected(true);
  fresh->SetSelected(true);  // no change, no event
  EXPECT_EQ(log, (std::vector<std::string>{"Fresh:text", "Fresh:image", "Fresh:state", "+Fresh"}));
}

}  // namespace
}  // namespace host::comctrlstest
