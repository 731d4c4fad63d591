// The page control as a user and a program meet it: a click on a tab asks
// OnChanging and changes the page, only the active page shows, hidden tabs
// take no clicks, button-style tabs draw pressed, and bad pages or indexes
// raise and change nothing.
#include "tests/host/comctrls/comctrls_test.h"

namespace host::comctrlstest {
namespace {

class PageControlTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    pages = Add<TPageControl>(form.get(), "Pages", Bounds(10, 10, 300, 200));
    for (const char* caption : {"General", "Events", "Advanced"}) {
      TTabSheet* sheet = New<TTabSheet>(form.get());
      sheet->SetCaption(caption);
      sheet->SetPageControl(pages);
      sheets.push_back(sheet);
    }
    pages->OnChanging = [this](TObject*, bool& Allow) {
      log.push_back("changing from " + pages->GetActivePage()->GetCaption());
      Allow = allow;
    };
    pages->OnChange = [this](TObject*) { log.push_back("change to " + pages->GetActivePage()->GetCaption()); };
  }
  // The screen point in the middle of the shown tab Index.
  TPoint Tab(int32_t Index) {
    const TRect r = pages->TabRect(Index);
    return At(pages, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  std::vector<bool> Shown() const {
    std::vector<bool> shown;
    for (TTabSheet* sheet : sheets) shown.push_back(sheet->GetVisible());
    return shown;
  }
  TPageControl* pages = nullptr;
  std::vector<TTabSheet*> sheets;
  bool allow = true;
};

TEST_F(PageControlTest, ClickingATabAsksOnChangingThenShowsItsPageAlone) {
  ASSERT_EQ(pages->GetPageCount(), 3);
  EXPECT_EQ(pages->GetActivePage(), sheets[0]) << "the first page added becomes active";
  EXPECT_EQ(Shown(), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(sheets[1]->GetParent(), pages);
  // A page fills the framed area under the tabs.
  EXPECT_EQ(sheets[0]->GetBoundsRect(), Rect(4, pages->TabRect(0).Bottom + 4, 296, 196));
  EXPECT_LT(pages->TabRect(0).Right, pages->TabRect(1).Left + 1) << "tabs lie left to right";

  Robot().Click(Tab(2));
  EXPECT_EQ(pages->GetActivePage(), sheets[2]);
  EXPECT_EQ(pages->GetActivePageIndex(), 2);
  EXPECT_EQ(Shown(), (std::vector<bool>{false, false, true}));
  Robot().Click(Tab(2));  // the active tab: nothing to change
  allow = false;
  Robot().Click(Tab(0));
  EXPECT_EQ(pages->GetActivePage(), sheets[2]) << "OnChanging refused";
  allow = true;
  // The keys move between tabs of the focused page control, wrapping round.
  ASSERT_TRUE(pages->Focused());
  Robot().Press(VK_RIGHT);
  EXPECT_EQ(pages->GetActivePage(), sheets[0]);
  // A change made by code fires no event.
  pages->SetActivePageIndex(1);
  EXPECT_EQ(Shown(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(log, (std::vector<std::string>{"changing from General", "change to Advanced", "changing from Advanced",
                                           "changing from Advanced", "change to General"}));

  // A hidden tab is gone from the row; the tabs after it move left.
  log.clear();
  const TPoint thirdTab = Tab(2);
  sheets[1]->SetTabVisible(false);
  EXPECT_EQ(pages->ShownTabs(), (std::vector<TTabSheet*>{sheets[0], sheets[2]}));
  EXPECT_EQ(sheets[2]->GetTabIndex(), 1);
  EXPECT_EQ(sheets[1]->GetTabIndex(), -1);
  Robot().Click(Tab(1));
  EXPECT_EQ(pages->GetActivePage(), sheets[2]);
  Robot().Click(thirdTab);  // where the third tab was: no tab now
  EXPECT_EQ(pages->GetActivePage(), sheets[2]);
  Robot().Press(VK_LEFT);
  EXPECT_EQ(pages->GetActivePage(), sheets[0]) << "Left skips the hidden tab";
  EXPECT_EQ(log, (std::vector<std::string>{"changing from Events", "change to Advanced", "changing from Advanced",
                                           "change to General"}));
}

TEST_F(PageControlTest, ButtonStyleTabsDrawTheActiveOnePressedAndStillChangePages) {
  const TRect tabTop = pages->TabRect(0);
  pages->SetStyle(tsButtons);
  EXPECT_EQ(pages->GetClientRect().Left, 0) << "button-style pages have no frame";
  const TRect first = pages->TabRect(0), second = pages->TabRect(1);
  EXPECT_EQ(first.Top, 0);
  EXPECT_NE(first, tabTop);
  EXPECT_GE(second.Left, first.Right + 1) << "a gap between buttons";
  // The active button's top-left edge is the shadow (pressed), the other's
  // the highlight (raised).
  EXPECT_EQ(Pixel(pages, first.Left, first.Top + 5), Drawn(clBtnShadow));
  EXPECT_EQ(Pixel(pages, second.Left, second.Top + 5), Drawn(clBtnHighlight));
  Robot().Click(Tab(1));
  EXPECT_EQ(pages->GetActivePage(), sheets[1]);
  EXPECT_EQ(Pixel(pages, first.Left, first.Top + 5), Drawn(clBtnHighlight));
  EXPECT_EQ(Pixel(pages, second.Left, second.Top + 5), Drawn(clBtnShadow));
  EXPECT_EQ(log, (std::vector<std::string>{"changing from General", "change to Events"}));
  EXPECT_RAISES(pages->SetStyle(static_cast<TTabStyle>(7)), EInvalidOperation,
                "Invalid property value (control 'Pages')");
  EXPECT_EQ(pages->GetStyle(), tsButtons);

  // A page's image of Images stands before its caption and widens its tab;
  // the pages move down when the images are higher than the text.
  const int32_t width = pages->TabRect(1).Width();
  pages->SetImages(NewImages("Icons", {clRed, clLime}));
  sheets[1]->SetImageIndex(1);
  const TRect withImage = pages->TabRect(1);
  EXPECT_EQ(withImage.Width(), width + 16 + 3);
  EXPECT_EQ(Pixel(pages, withImage.Left + 6 + 8, withImage.Top + withImage.Height() / 2), Drawn(clLime));
  EXPECT_EQ(sheets[1]->GetTop(), 16 + 6 + 3);
  EXPECT_EQ(pages->TabRect(0).Width(), first.Width()) << "a page without an image keeps its tab";
}

TEST_F(PageControlTest, BadPagesAndIndexesRaiseAndChangeNothing) {
  pages->SetActivePage(sheets[1]);
  auto* other = Add<TPageControl>(form.get(), "Other", Bounds(10, 220, 200, 60));
  TTabSheet* stranger = New<TTabSheet>(form.get());
  stranger->SetName("Stranger");
  stranger->SetPageControl(other);
  EXPECT_RAISES(pages->SetActivePage(stranger), EInvalidOperation, "Tab sheet 'Stranger' is not a page of 'Pages'");
  EXPECT_RAISES(pages->GetPage(3), EListError, "List index out of bounds (3)");
  EXPECT_RAISES(pages->SetActivePageIndex(3), EListError, "List index out of bounds (3)");
  EXPECT_RAISES(pages->SetActivePageIndex(-2), EListError, "List index out of bounds (-2)");
  EXPECT_RAISES(sheets[0]->SetPageIndex(5), EListError, "List index out of bounds (5)");
  EXPECT_EQ(pages->GetActivePage(), sheets[1]);
  EXPECT_EQ(sheets[0]->GetPageIndex(), 0);
  EXPECT_EQ(other->GetActivePage(), stranger);
  EXPECT_TRUE(log.empty());

  // PageIndex moves a page; its tab moves with it.
  sheets[2]->SetPageIndex(0);
  EXPECT_EQ(pages->GetPage(0), sheets[2]);
  EXPECT_EQ(pages->GetPage(1), sheets[0]);
  EXPECT_EQ(pages->GetActivePageIndex(), 2);
  // A page given to another page control leaves this one; the next page
  // becomes active when the active one goes.
  sheets[1]->SetPageControl(other);
  EXPECT_EQ(pages->GetPageCount(), 2);
  EXPECT_EQ(other->GetPage(1), sheets[1]);
  EXPECT_EQ(pages->GetActivePage(), sheets[2]) << "wrapped round to the first page";
  EXPECT_TRUE(sheets[2]->GetVisible());
  EXPECT_FALSE(sheets[1]->GetVisible()) << "not the active page of its new control";
  // Freeing a page takes it out with the controls on it.
  auto* probe = Add<THolder>(sheets[2], "OnSheet", Bounds(5, 5, 20, 20));
  const std::shared_ptr<const bool> alive = probe->AliveFlag();
  sheets[2]->Free();
  EXPECT_FALSE(*alive);
  EXPECT_EQ(pages->GetPageCount(), 1);
  EXPECT_EQ(pages->GetActivePage(), sheets[0]);
  pages->SetActivePageIndex(-1);
  EXPECT_EQ(pages->GetActivePage(), nullptr);
  EXPECT_FALSE(sheets[0]->GetVisible());
}

}  // namespace
}  // namespace host::comctrlstest
