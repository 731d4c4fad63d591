// A form file holding a page control with its sheets, a list view with its
// items and a tool bar with its buttons reads back into the same controls
// and writes back the same text; the unit's start-up is counted.
#include "tests/host/comctrls/comctrls_test.h"

namespace host::comctrlstest {
namespace {

using ComCtrlsStreaming = ComCtrlsTest;

// A form built the way the editor dialogs are: tool bar on top, a page
// control with a list view on its second page.
void BuildDialog(THolder* Form, std::vector<TTabSheet*>& Sheets) {
  auto place = [](TControl* Control, const std::string& Name, TWinControl* Parent) {
    Control->SetName(Name);
    Control->SetParent(Parent);
  };
  auto* images = New<TImageList>(Form);
  images->SetName("Icons");
  auto* menu = New<TPopupMenu>(Form);
  menu->SetName("RecentMenu");
  auto* bar = New<TToolBar>(Form);
  place(bar, "Bar", Form);
  bar->SetImages(images);
  bar->SetFlat(true);
  for (auto [name, style] : {std::pair{"NewButton", tbsButton}, {"Sep1", tbsSeparator}, {"Recent", tbsDropDown}}) {
    auto* button = New<TToolButton>(Form);
    place(button, name, bar);
    button->SetStyle(style);
  }
  auto* recent = dynamic_cast<TToolButton*>(Form->FindComponent("Recent"));
  recent->SetDropdownMenu(menu);
  recent->SetImageIndex(2);
  recent->SetHint("Open a recent form");
  auto* pages = New<TPageControl>(Form);
  place(pages, "Pages", Form);
  pages->SetBounds(0, 40, 300, 200);
  pages->SetStyle(tsButtons);
  for (const char* name : {"Methods", "Properties"}) {
    auto* sheet = New<TTabSheet>(Form);
    sheet->SetName(name);
    sheet->SetCaption(std::string("&") + name);
    sheet->SetPageControl(pages);
    Sheets.push_back(sheet);
  }
  auto* view = New<TListView>(Form);
  place(view, "View", Sheets[1]);
  view->SetViewStyle(vsList);
  view->SetSmallImages(images);
  view->SetMultiSelect(true);
  for (auto [caption, image] : {std::pair{"Caption", 0}, {"Color", -1}, {"Font 'bold'", 3}}) {
    TListItem* item = view->GetItems()->Add();
    item->SetCaption(caption);
    item->SetImageIndex(image);
  }
  pages->SetActivePage(Sheets[1]);
}

TEST_F(ComCtrlsStreaming, PagesListItemsAndToolButtonsGoThroughAFormFileAndBack) {
  std::vector<TTabSheet*> sheets;
  BuildDialog(form.get(), sheets);
  sheets[0]->SetTabVisible(false);
  const TFormRoundTrip file = RoundTrip(form.get());
  for (const char* expected :
       {"ActivePage = Properties", "Style = tsButtons", "object Methods: TTabSheet", "TabVisible = False",
        "object View: TListView", "ViewStyle = vsList", "SmallImages = Icons", "'Font '#39'bold'#39",
        "DropdownMenu = RecentMenu", "Style = tbsDropDown", "Images = Icons", "Flat = True"})
    EXPECT_NE(file.Text.find(expected), std::string::npos) << expected << "\n" << file.Text;
  EXPECT_EQ(file.Text.find("PageIndex"), std::string::npos) << "a page's place follows from the file's order";
  // The sheets are children of the page control, the list view of its sheet.
  EXPECT_LT(file.Text.find("object Pages"), file.Text.find("object Methods"));
  EXPECT_LT(file.Text.find("object Properties"), file.Text.find("object View"));

  TOwned<THolder> copy = ReadNewRoot<THolder>(file.Binary);
  auto* pages = dynamic_cast<TPageControl*>(copy->FindComponent("Pages"));
  auto* view = dynamic_cast<TListView*>(copy->FindComponent("View"));
  auto* bar = dynamic_cast<TToolBar*>(copy->FindComponent("Bar"));
  ASSERT_TRUE(pages && view && bar);
  ASSERT_EQ(pages->GetPageCount(), 2);
  EXPECT_EQ(pages->GetPage(0)->GetName(), "Methods");
  EXPECT_FALSE(pages->GetPage(0)->GetTabVisible());
  EXPECT_EQ(pages->GetActivePage(), pages->GetPage(1));
  EXPECT_TRUE(pages->GetPage(1)->GetVisible());
  EXPECT_FALSE(pages->GetPage(0)->GetVisible());
  EXPECT_EQ(pages->GetStyle(), tsButtons);
  EXPECT_EQ(view->GetParent(), pages->GetPage(1));
  ASSERT_EQ(view->GetItems()->GetCount(), 3);
  EXPECT_EQ(view->GetItems()->GetItem(2)->GetCaption(), "Font 'bold'");
  EXPECT_EQ(view->GetItems()->GetItem(2)->GetImageIndex(), 3);
  EXPECT_EQ(view->GetSmallImages(), copy->FindComponent("Icons"));
  EXPECT_TRUE(view->GetMultiSelect());
  ASSERT_EQ(bar->GetButtonCount(), 3);
  TToolButton* recent = bar->GetButton(2);
  EXPECT_EQ(recent->GetName(), "Recent");
  EXPECT_EQ(recent->GetDropdownMenu(), copy->FindComponent("RecentMenu"));
  EXPECT_EQ(recent->GetHint(), "Open a recent form");
  EXPECT_EQ(recent->GetLeft(), 23 + 8) << "laid out once read";
  EXPECT_EQ(bar->GetImages(), copy->FindComponent("Icons"));
  EXPECT_EQ(FormText(copy.get()), file.Text) << "written back the same";
}

using ComCtrlsUnit = TUnitsTest<kComCtrlsUnits>;

TEST_F(ComCtrlsUnit, StartsCountedAndListsItsClassesInOrder) {
  RegisterComCtrlsClasses();  // a second start-up
  UnregisterComCtrlsClasses();
  for (const char* name : {"TTabSheet", "TPageControl", "TListView", "TToolButton", "TToolBar"})
    EXPECT_NE(GetClass(name), nullptr) << name;
  const std::span<const TClass> classes = ComCtrlsClasses();
  ASSERT_EQ(classes.size(), 6u);
  EXPECT_TRUE(classes[0]->ClassNameIs("TTabSheet"));
  EXPECT_TRUE(classes[5]->ClassNameIs("TToolBar"));
}

}  // namespace
}  // namespace host::comctrlstest
