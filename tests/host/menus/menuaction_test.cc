// Menu items with actions: the item shows the action's properties, follows
// its changes, and clicking the item executes the action.
#include "tests/host/menus/menus_test.h"

namespace host::menustest {
namespace {

using MenuActions = MenusTest;

struct TActionSetup {
  TOwned<TComponent> owner{New<TComponent>(nullptr)};
  TActionList* list = new TActionList(owner.get());
  TAction* action = new TAction(owner.get());
  TMainMenu* menu = new TMainMenu(owner.get());
  TMenuItem* file = NewItem(owner.get(), menu->GetItems(), "&File");
  TMenuItem* item = NewItem(owner.get(), file, "");
  std::vector<std::string> log;
  TActionSetup() {
    action->SetName("SaveAction");
    action->SetActionList(list);
    action->SetCaption("&Save");
    action->SetHint("Saves the file");
    action->SetImageIndex(4);
    action->SetShortCut(TextToShortCut("Ctrl+S"));
    action->SetOnExecute([this](TObject*) { log.push_back("execute"); });
    list->OnExecute = [this](TBasicAction*, bool&) { log.push_back("list"); };
  }
};

TEST_F(MenuActions, TheItemShowsItsActionAndClickingExecutesIt) {
  TActionSetup s;
  s.item->SetAction(s.action);
  EXPECT_EQ(s.item->GetAction(), s.action);
  EXPECT_EQ(s.item->GetCaption(), "&Save");
  EXPECT_EQ(s.item->GetHint(), "Saves the file");
  EXPECT_EQ(s.item->GetImageIndex(), 4);
  EXPECT_EQ(s.item->GetShortCut(), TextToShortCut("Ctrl+S"));
  s.item->Click();
  TWMKey key = KeyOf(TextToShortCut("Ctrl+S"));
  EXPECT_TRUE(s.menu->IsShortCut(key));
  EXPECT_EQ(s.log, (std::vector<std::string>{"list", "execute", "list", "execute"}));
  // An OnClick of the item's own goes first and alone.
  s.log.clear();
  s.item->OnClick = [&](TObject*) { s.log.push_back("own"); };
  s.item->Click();
  EXPECT_EQ(s.log, (std::vector<std::string>{"own"}));
}

TEST_F(MenuActions, TheItemFollowsEveryChangeOfItsAction) {
  TActionSetup s;
  s.item->SetAction(s.action);
  const HMENU bar = s.menu->GetHandle();
  s.action->SetCaption("Save &As...");
  s.action->SetEnabled(false);
  s.action->SetVisible(false);
  EXPECT_EQ(s.item->GetCaption(), "Save &As...");
  EXPECT_FALSE(s.item->GetEnabled());
  EXPECT_EQ(Shown(s.file->GetHandle()), "");  // and so does its handle
  s.action->SetVisible(true);
  EXPECT_EQ(Shown(s.file->GetHandle()), "Save &As...");
  EXPECT_FALSE(Robot().ChooseMenuItem(bar, "File|Save As..."));
  // An item changed on its own is brought back in line by the next change.
  s.item->SetCaption("Mine");
  s.action->SetHint("Another hint");
  EXPECT_EQ(s.item->GetCaption(), "Save &As...");
  // AutoCheck of the action: clicking the item toggles the action, and the
  // action's Checked reaches the item.
  s.action->SetEnabled(true);
  s.action->SetAutoCheck(true);
  EXPECT_TRUE(s.item->GetAutoCheck());
  s.item->Click();
  EXPECT_TRUE(s.action->GetChecked());
  EXPECT_TRUE(s.item->GetChecked());
  // A freed action leaves the item as it was.
  s.action->Free();
  EXPECT_EQ(s.item->GetAction(), nullptr);
  EXPECT_EQ(s.item->GetCaption(), "Save &As...");
  s.item->Click();
  EXPECT_EQ(s.log, (std::vector<std::string>{"list", "execute"}));
}

TEST_F(MenuActions, ALinkNeedsAMenuItemAndUnlinkedPropertiesStayTheItemsOwn) {
  TOwned<TComponent> other(New<TComponent>(nullptr));
  EXPECT_RAISES(New<TMenuActionLink>(other.get()), EMenuError, "A menu action link needs a menu item as its client");
  TActionSetup s;
  s.item->SetAction(s.action);
  EXPECT_FALSE(s.item->IsCaptionStored());
  EXPECT_FALSE(s.item->IsShortCutStored());
  // Through the link the item only takes values it still shares with the
  // action; the next change of the action syncs it whole again.
  s.item->SetAction(nullptr);
  s.item->SetCaption("Mine");
  EXPECT_TRUE(s.item->IsCaptionStored());
  EXPECT_EQ(s.action->GetClientCount(), 0);
}

}  // namespace
}  // namespace host::menustest
