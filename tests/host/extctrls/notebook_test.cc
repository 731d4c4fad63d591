// The notebook as a user and a program meet it: clicks reach the controls
// of the shown page only, Pages adds, renames and frees pages, a bad page
// index or caption changes nothing, and the pages with their controls go
// through a form file.
#include "tests/host/extctrls/pagesbars_test.h"

namespace host::pagesbarstest {
namespace {

class NotebookTest : public PagesBarsTest {
 protected:
  void SetUp() override {
    PagesBarsTest::SetUp();
    book = Add<TNotebook>(form.get(), "Book", Bounds(10, 10, 200, 150));
    book->OnPageChanged = [this](TObject*) { log.push_back("changed to " + book->GetActivePage()); };
  }
  TNotebook* book = nullptr;
};

TEST_F(NotebookTest, AClickReachesOnlyTheControlsOfTheShownPage) {
  ASSERT_EQ(book->GetPages()->GetCount(), 1);
  EXPECT_EQ(book->GetActivePage(), "Default");
  book->GetPages()->SetStrings(0, "One");
  book->GetPages()->Add("Two");
  EXPECT_EQ(book->GetPageIndex(), 1) << "an added page is shown";
  book->SetPageIndex(0);
  TPage* one = book->GetPage(0);
  TPage* two = book->GetPage(1);
  EXPECT_EQ(one->GetParent(), book);
  EXPECT_EQ(one->GetBoundsRect(), book->GetClientRect()) << "a page fills the notebook";
  auto* next = Add<THolder>(one, "Next", Bounds(20, 20, 50, 30));
  auto* back = Add<THolder>(two, "Back", Bounds(20, 20, 50, 30));
  next->OnClick = [this](TObject*) {
    log.push_back("next");
    book->SetPageIndex(1);
  };
  back->OnClick = [this](TObject*) {
    log.push_back("back");
    book->SetActivePage("One");
  };
  Show();
  Robot().Click(Center(next));
  EXPECT_TRUE(two->GetVisible());
  EXPECT_FALSE(one->GetVisible());
  Robot().Click(Center(back));
  Robot().Click(Center(next));
  // A focused control on a page that goes out of sight leaves the focus to
  // the notebook.
  back->SetFocus();
  book->SetPageIndex(0);
  EXPECT_TRUE(book->Focused());
  EXPECT_EQ(log, (std::vector<std::string>{"changed to Two", "changed to One", "next", "changed to Two", "back",
                                           "changed to One", "next", "changed to Two", "changed to One"}));
}

TEST_F(NotebookTest, BadIndexesAndCaptionsChangeNothingAndDeletingAPageFreesItsControls) {
  book->GetPages()->Add("Two");
  book->GetPages()->Add("Three");
  book->SetPageIndex(1);
  log.clear();
  book->SetPageIndex(3);
  book->SetPageIndex(-1);
  EXPECT_EQ(book->GetPageIndex(), 1) << "a page index outside the pages is ignored";
  EXPECT_RAISES(book->SetActivePage("Four"), EListError, "Notebook 'Book' has no page 'Four'");
  EXPECT_RAISES(book->GetPage(3), EListError, "List index out of bounds (3)");
  EXPECT_RAISES(book->GetPages()->Delete(5), EStringListError, "List index out of bounds (5)");
  EXPECT_EQ(book->GetActivePage(), "Two");
  EXPECT_TRUE(log.empty());

  // Deleting the shown page frees it with its controls and shows the next.
  auto* box = Add<THolder>(book->GetPage(1), "OnTwo", Bounds(0, 0, 10, 10));
  const std::shared_ptr<const bool> alive = box->AliveFlag();
  book->GetPages()->Delete(1);
  EXPECT_FALSE(*alive);
  EXPECT_EQ(form->FindComponent("OnTwo"), nullptr);
  EXPECT_EQ(book->GetActivePage(), "Three");
  EXPECT_TRUE(book->GetPage(1)->GetVisible());
  // Moving pages keeps the shown one; assigning replaces them all.
  book->GetPages()->Move(1, 0);
  EXPECT_EQ(book->GetPageIndex(), 0);
  EXPECT_EQ(book->GetActivePage(), "Three");
  TOwned<TStringList> captions = MakeOwned<TStringList>();
  captions->SetCommaText("A,B");
  book->SetPages(captions.get());
  EXPECT_EQ(book->GetPages()->GetCommaText(), "A,B");
  EXPECT_EQ(book->GetActivePage(), "B");
  book->GetPages()->Clear();
  EXPECT_EQ(book->GetPageIndex(), -1);
  EXPECT_EQ(book->GetActivePage(), "");
}

TEST_F(NotebookTest, PagesAndTheirControlsGoThroughAFormFile) {
  book->GetPages()->SetStrings(0, "First");
  book->GetPages()->Add("Second");
  auto* hdr = Add<THeader>(book->GetPage(1), "Hdr", Bounds(5, 5, 100, 20));
  hdr->GetSections()->Add("Name");
  hdr->SetSectionWidth(0, 90);
  const TFormRoundTrip file = RoundTrip(form.get());
  EXPECT_NE(file.Text.find("PageIndex = 1"), std::string::npos) << file.Text;
  EXPECT_NE(file.Text.find("Caption = 'Second'"), std::string::npos) << file.Text;
  EXPECT_EQ(file.Text.find("ActivePage"), std::string::npos) << "ActivePage is not stored";

  TOwned<THolder> copy(New<THolder>(nullptr));
  ReadForm(file.Binary, copy.get());
  auto* book2 = dynamic_cast<TNotebook*>(copy->FindComponent("Book"));
  ASSERT_NE(book2, nullptr);
  EXPECT_EQ(book2->GetPages()->GetCommaText(), "First,Second") << "the pages read replace the default one";
  EXPECT_EQ(book2->GetPageIndex(), 1);
  EXPECT_TRUE(book2->GetPage(1)->GetVisible());
  EXPECT_FALSE(book2->GetPage(0)->GetVisible());
  auto* hdr2 = dynamic_cast<THeader*>(copy->FindComponent("Hdr"));
  ASSERT_NE(hdr2, nullptr);
  EXPECT_EQ(hdr2->GetParent(), book2->GetPage(1));
  EXPECT_EQ(hdr2->GetSectionWidth(0), 90);
}

}  // namespace
}  // namespace host::pagesbarstest
