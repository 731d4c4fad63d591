// Menu items: the item tree, bad input, group indexes, checking, radio
// items, default items and clicking.
#include "tests/host/menus/menus_test.h"

namespace host::menustest {
namespace {

using MenuItems = MenusTest;

// Owner with a File item holding &Open..., a line and E&xit.
struct TFileMenu {
  TOwned<TComponent> owner{New<TComponent>(nullptr)};
  TMenuItem* file = NewItem(owner.get(), nullptr, "&File");
  TMenuItem* open = NewItem(owner.get(), file, "&Open...");
  TMenuItem* line = NewItem(owner.get(), file, "-");
  TMenuItem* exit = NewItem(owner.get(), file, "E&xit");
};

TEST_F(MenuItems, ItemsFormATreeFoundByIndexAndCaption) {
  TFileMenu m;
  EXPECT_EQ(Captions(m.file), "&Open...,-,E&xit");
  EXPECT_EQ(m.file->GetItems(2), m.exit);
  EXPECT_EQ(m.exit->GetParent(), m.file);
  EXPECT_EQ(m.exit->GetMenuIndex(), 2);
  EXPECT_EQ(m.file->GetMenuIndex(), -1);
  EXPECT_EQ(m.file->IndexOf(m.line), 1);
  EXPECT_TRUE(m.line->IsLine());
  EXPECT_FALSE(m.open->IsLine());
  EXPECT_EQ(m.file->Find("open..."), m.open);
  EXPECT_EQ(m.file->Find("E&xit"), m.exit);
  EXPECT_EQ(m.file->Find("Exit"), m.exit);
  EXPECT_EQ(m.file->Find("Close"), nullptr);
  m.exit->SetMenuIndex(0);
  EXPECT_EQ(Captions(m.file), "E&xit,&Open...,-");
  m.exit->SetMenuIndex(99);  // clamped to the last place
  EXPECT_EQ(Captions(m.file), "&Open...,-,E&xit");
  // Delete and Remove take an item out without freeing it; Clear frees.
  m.file->Delete(1);
  m.file->Remove(m.exit);
  EXPECT_EQ(Captions(m.file), "&Open...");
  EXPECT_EQ(m.exit->GetParent(), nullptr);
  m.file->Insert(0, m.exit);
  const int32_t owned = m.owner->GetComponentCount();
  m.file->Clear();
  EXPECT_EQ(m.file->GetCount(), 0);
  EXPECT_EQ(m.owner->GetComponentCount(), owned - 2);
  // A freed item leaves its parent.
  m.file->Add(m.line);
  m.line->Free();
  EXPECT_EQ(m.file->GetCount(), 0);
}

TEST_F(MenuItems, BadIndexesAndBadInsertionsRaiseAndChangeNothing) {
  TFileMenu m;
  TMenuItem* loose = NewItem(m.owner.get(), nullptr, "Loose");
  EXPECT_RAISES(m.file->GetItems(3), EMenuError, "Menu index out of range (3)");
  EXPECT_RAISES(m.file->GetItems(-1), EMenuError, "Menu index out of range (-1)");
  EXPECT_RAISES(m.file->Delete(3), EMenuError, "Menu index out of range (3)");
  EXPECT_RAISES(m.file->Insert(4, loose), EMenuError, "Menu index out of range (4)");
  EXPECT_RAISES(m.file->Insert(0, m.open), EMenuError, "Menu inserted twice");
  EXPECT_RAISES(m.open->Add(m.file), EMenuError, "A menu item cannot be inserted into itself or one of its items");
  EXPECT_RAISES(loose->Add(loose), EMenuError, "A menu item cannot be inserted into itself or one of its items");
  EXPECT_RAISES(m.file->Remove(loose), EMenuError, "Sub-menu is not in menu");
  EXPECT_RAISES(m.file->Add(nullptr), EMenuError, "Cannot insert nil into menu item File1");
  TOwned<TMainMenu> menu(New<TMainMenu>(nullptr));
  EXPECT_RAISES(m.file->Add(menu->GetItems()), EMenuError, "Menu inserted twice");
  EXPECT_EQ(Captions(m.file), "&Open...,-,E&xit");
  EXPECT_EQ(loose->GetParent(), nullptr);
  EXPECT_EQ(loose->GetCount(), 0);
}

// An item owned by one of its own sub-items: freeing it frees the sub-item,
// which lets go of the item being freed instead of freeing it again.
TEST_F(MenuItems, AnItemOwnedByItsOwnSubItemIsFreedOnce) {
  TFileMenu m;
  m.open->InsertComponent(m.file);
  EXPECT_EQ(m.file->GetOwner(), m.open);
  m.file->Free();
  for (TMenuItem* gone : {m.open, m.line, m.exit}) EXPECT_FALSE(IsLiveObject(gone));
  EXPECT_FALSE(IsLiveObject(m.file));
}

TEST_F(MenuItems, GroupIndexesRiseAlongTheItems) {
  TFileMenu m;
  m.line->SetGroupIndex(2);  // the items after it rise with it
  EXPECT_EQ(m.open->GetGroupIndex(), 0);
  EXPECT_EQ(m.exit->GetGroupIndex(), 2);
  EXPECT_RAISES(m.exit->SetGroupIndex(1), EMenuError,
                "GroupIndex cannot be less than a previous menu item's GroupIndex");
  EXPECT_EQ(m.exit->GetGroupIndex(), 2);
  // An item inserted after a higher group takes that group.
  TMenuItem* late = NewItem(m.owner.get(), nullptr, "Late");
  m.file->Insert(2, late);
  EXPECT_EQ(late->GetGroupIndex(), 2);
}

TEST_F(MenuItems, RadioItemsOfAGroupCheckOneAtATime) {
  TOwned<TComponent> owner(New<TComponent>(nullptr));
  TMenuItem* view = NewItem(owner.get(), nullptr, "View");
  TMenuItem* small = NewItem(owner.get(), view, "Small");
  TMenuItem* large = NewItem(owner.get(), view, "Large");
  TMenuItem* grid = NewItem(owner.get(), view, "Grid");
  TMenuItem* list = NewItem(owner.get(), view, "List");
  for (TMenuItem* item : {small, large, grid, list}) item->SetRadioItem(true);
  grid->SetGroupIndex(1);
  small->SetChecked(true);
  grid->SetChecked(true);
  large->SetChecked(true);
  EXPECT_FALSE(small->GetChecked());
  EXPECT_TRUE(large->GetChecked());
  EXPECT_TRUE(grid->GetChecked());  // another group
  list->SetChecked(true);
  EXPECT_FALSE(grid->GetChecked());
  // An item that becomes a radio item while checked turns its group off.
  TMenuItem* plain = NewItem(owner.get(), view, "Plain");
  plain->SetGroupIndex(1);
  plain->SetChecked(true);
  EXPECT_TRUE(list->GetChecked());
  plain->SetRadioItem(true);
  EXPECT_FALSE(list->GetChecked());
  // One default item per parent.
  small->SetDefault(true);
  large->SetDefault(true);
  EXPECT_FALSE(small->GetDefault());
  EXPECT_TRUE(large->GetDefault());
}

TEST_F(MenuItems, ClickingRunsOnClickOnlyWhenEnabledAndAutoChecks) {
  TFileMenu m;
  int clicks = 0;
  m.open->OnClick = [&](TObject* Sender) { clicks += Sender == m.open ? 1 : 100; };
  m.open->Click();
  m.open->SetEnabled(false);
  m.open->Click();
  EXPECT_EQ(clicks, 1);
  m.exit->SetAutoCheck(true);
  m.exit->Click();
  EXPECT_TRUE(m.exit->GetChecked());
  m.exit->Click();
  EXPECT_FALSE(m.exit->GetChecked());
  m.exit->SetRadioItem(true);  // a radio item only checks
  m.exit->Click();
  m.exit->Click();
  EXPECT_TRUE(m.exit->GetChecked());
}

}  // namespace
}  // namespace host::menustest
