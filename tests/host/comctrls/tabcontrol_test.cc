// The tab control as a user and a program meet it: a click on a tab asks
// OnChanging, children fill the display area wherever the tabs lie, the
// selected row of a multi-line control moves next to the display area, and
// bad indexes raise and change nothing.
#include "host/classes/strings.h"
#include "tests/host/comctrls/comctrls_test.h"
#include "tests/support/raises.h"

namespace host::comctrlstest {
namespace {

class TabControlTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    tabs = Add<TTabControl>(form.get(), "Tabs", Bounds(10, 10, 300, 200));
    for (const char* caption : {"Red", "Green", "Blue"}) tabs->GetTabs()->Add(caption);
  }
  TPoint Tab(int32_t Index) {
    const TRect r = tabs->TabRect(Index);
    return At(tabs, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  TTabControl* tabs = nullptr;
};

TEST_F(TabControlTest, ClickingATabAsksOnChangingAndARefusalKeepsTheTab) {
  EXPECT_EQ(tabs->GetTabIndex(), 0) << "the first tab added is selected";
  int refusals = 1;
  tabs->OnChanging = [&](TObject*, bool& Allow) {
    log.push_back("changing from " + std::to_string(tabs->GetTabIndex()));
    if (refusals > 0) {
      --refusals;
      Allow = false;
    }
  };
  tabs->OnChange = [&](TObject*) { log.push_back("change to " + std::to_string(tabs->GetTabIndex())); };
  Robot().Click(Tab(2));
  EXPECT_EQ(tabs->GetTabIndex(), 0) << "refused once";
  Robot().Click(Tab(2));
  EXPECT_EQ(tabs->GetTabIndex(), 2);
  Robot().Click(Tab(2));  // the selected tab: nothing to change
  Robot().Press(VK_LEFT);
  Robot().Press(VK_RIGHT);
  Robot().Press(VK_RIGHT);  // past the last tab: stays
  EXPECT_EQ(log, (std::vector<std::string>{"changing from 0", "changing from 0", "change to 2", "changing from 2",
                                           "change to 1", "changing from 1", "change to 2"}));
  tabs->SetTabIndex(0);
  EXPECT_EQ(log.size(), 7u) << "a change made by code fires nothing";
}

TEST_F(TabControlTest, ChildrenFillTheDisplayAreaOnWhicheverEdgeTheTabsLie) {
  auto* child = Add<THolder>(tabs, "Child", Bounds(0, 0, 10, 10));
  child->SetAlign(alClient);
  const int32_t row = tabs->TabRect(0).Bottom;
  EXPECT_EQ(tabs->GetDisplayRect(), Rect(4, row + 4, 296, 196));
  EXPECT_EQ(child->GetBoundsRect(), tabs->GetDisplayRect());

  tabs->SetTabPosition(tpBottom);
  EXPECT_EQ(tabs->GetDisplayRect(), Rect(4, 4, 296, 200 - row - 4));
  EXPECT_EQ(tabs->TabRect(0).Bottom, 200 - 2) << "the tabs along the bottom edge";
  EXPECT_EQ(child->GetBoundsRect(), tabs->GetDisplayRect()) << "realigned";
  Robot().Click(Tab(1));
  EXPECT_EQ(tabs->GetTabIndex(), 1);

  tabs->SetTabPosition(tpLeft);
  const TRect left = tabs->TabRect(0);
  EXPECT_LT(left.Right, 40);
  EXPECT_GT(left.Height(), left.Width()) << "tabs stand on their side";
  EXPECT_LT(tabs->TabRect(0).Bottom, tabs->TabRect(1).Top + 1) << "running down";
  EXPECT_EQ(child->GetLeft(), tabs->GetDisplayRect().Left);
  EXPECT_GT(child->GetLeft(), left.Right);
  Robot().Click(Tab(2));
  EXPECT_EQ(tabs->GetTabIndex(), 2);

  tabs->SetStyle(tsButtons);
  tabs->SetTabPosition(tpTop);
  EXPECT_EQ(tabs->GetDisplayRect().Left, 0) << "buttons: no frame";
}

TEST_F(TabControlTest, MultiLineWrapsAndKeepsTheSelectedRowNextToTheDisplay) {
  tabs->SetWidth(150);
  tabs->SetTabWidth(60);
  tabs->GetTabs()->Add("Alpha");
  // Two tabs a row: Red Green / Blue Alpha; without MultiLine one row.
  EXPECT_EQ(tabs->TabRect(3).Top, tabs->TabRect(0).Top);
  tabs->SetMultiLine(true);
  const int32_t oneRow = tabs->TabRect(0).Bottom;
  EXPECT_EQ(tabs->TabRect(0).Top, tabs->TabRect(1).Top);
  EXPECT_EQ(tabs->TabRect(2).Left, tabs->TabRect(0).Left);
  EXPECT_GT(tabs->TabRect(0).Bottom, tabs->TabRect(2).Bottom) << "the selected tab's row lies next to the display";
  EXPECT_GT(tabs->GetDisplayRect().Top, oneRow);
  Robot().Click(Tab(3));
  EXPECT_EQ(tabs->GetTabIndex(), 3);
  EXPECT_GT(tabs->TabRect(3).Bottom, tabs->TabRect(0).Bottom) << "its row moved down";
}

TEST_F(TabControlTest, BadIndexesAndValuesRaiseAndChangeNothing) {
  tabs->SetTabIndex(1);
  EXPECT_EQ(RaisedMessage<EListError>([&] { tabs->SetTabIndex(3); }), "List index out of bounds (3)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { tabs->SetTabIndex(-2); }), "List index out of bounds (-2)");
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([&] { tabs->SetTabHeight(-1); }),
            "Invalid property value (control 'Tabs')");
  EXPECT_NE(RaisedMessage<EInvalidOperation>([&] { tabs->SetTabPosition(static_cast<TTabPosition>(9)); }),
            "<nothing raised>");
  EXPECT_EQ(tabs->GetTabIndex(), 1);
  EXPECT_EQ(tabs->GetTabHeight(), 0);
  EXPECT_EQ(tabs->GetTabPosition(), tpTop);
  tabs->SetTabIndex(-1);  // none selected is allowed
  EXPECT_EQ(tabs->GetTabIndex(), -1);
  tabs->SetTabIndex(2);
  tabs->GetTabs()->Delete(2);
  EXPECT_EQ(tabs->GetTabIndex(), 1) << "falls back to the last tab";
  tabs->GetTabs()->Clear();
  EXPECT_EQ(tabs->GetTabIndex(), -1);
}

// The page control lays out its tabs with the same strip: along any edge,
// in rows, with the pages in the area left.
TEST_F(TabControlTest, PageControlTabsGoAlongAnyEdgeAndInRowsToo) {
  auto* pages = Add<TPageControl>(form.get(), "Pages", Bounds(10, 10, 160, 150));
  std::vector<TTabSheet*> sheets;
  for (const char* caption : {"General", "Events", "Advanced", "Other"}) {
    TTabSheet* sheet = New<TTabSheet>(form.get());
    sheet->SetName(caption);
    sheet->SetCaption(caption);
    sheet->SetPageControl(pages);
    sheets.push_back(sheet);
  }
  pages->SetTabPosition(tpBottom);
  const TRect bottom = pages->TabRect(2);
  EXPECT_GT(bottom.Top, 100) << "tabs along the bottom";
  EXPECT_LT(sheets[0]->GetBoundsRect().Bottom, bottom.Top) << "the page above them";
  Robot().Click(At(pages, {(bottom.Left + bottom.Right) / 2, (bottom.Top + bottom.Bottom) / 2}));
  EXPECT_EQ(pages->GetActivePage(), sheets[2]);

  const int32_t oneRowTop = sheets[2]->GetTop();
  pages->SetTabPosition(tpTop);
  pages->SetMultiLine(true);
  EXPECT_GT(sheets[2]->GetTop(), pages->TabRect(0).Bottom) << "the page under all rows";
  EXPECT_LT(pages->TabRect(0).Top, pages->TabRect(3).Top + 1);
  EXPECT_GT(pages->TabRect(2).Top, pages->TabRect(0).Top) << "the active page's row next to the page";
  EXPECT_NE(sheets[2]->GetTop(), oneRowTop);
  const int32_t twoRowsTop = sheets[2]->GetTop();
  for (int32_t i = 0; i < 3; ++i) sheets[i]->SetCaption(std::string(1, static_cast<char>('A' + i)));
  EXPECT_LT(sheets[2]->GetTop(), twoRowsTop) << "shorter captions fit one row: the page grows";
  EXPECT_EQ(pages->TabRect(3).Top, pages->TabRect(0).Top);
  EXPECT_NE(RaisedMessage<EInvalidOperation>([&] { pages->SetTabPosition(static_cast<TTabPosition>(4)); }),
            "<nothing raised>");
  EXPECT_EQ(pages->GetTabPosition(), tpTop);
  const std::string text = FormText(form.get());
  EXPECT_NE(text.find("MultiLine = True"), std::string::npos) << text;
  EXPECT_EQ(text.find("TabPosition"), std::string::npos) << "tpTop is the default";
}

}  // namespace
}  // namespace host::comctrlstest
