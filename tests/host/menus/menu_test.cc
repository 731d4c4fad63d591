// Menus: short-cut keys, finding items, widgetset handles that follow the
// items, merging main menus, and pop-up menus worked by the headless robot.
#include <string>
#include <vector>

#include "tests/host/menus/menus_test.h"

namespace host::menustest {
namespace {

using Menus = MenusTest;

// A main menu: File (Open Ctrl+O, Save Ctrl+S, Export (Pdf F5)), Edit
// (Copy Ctrl+C, hidden Paste Ctrl+V), each click logged.
struct TMainSetup {
  TOwned<TComponent> owner{New<TComponent>(nullptr)};
  TMainMenu* menu = new TMainMenu(owner.get());
  std::vector<std::string> log;
  TMenuItem* Item(TMenuItem* Parent, const std::string& Caption, const char* ShortCut = "") {
    TMenuItem* item = NewItem(owner.get(), Parent ? Parent : menu->GetItems(), Caption);
    item->SetShortCut(TextToShortCut(ShortCut));
    item->OnClick = [this, item](TObject*) { log.push_back(item->GetCaption()); };
    return item;
  }
  TMenuItem* file = Item(nullptr, "&File");
  TMenuItem* open = Item(file, "&Open", "Ctrl+O");
  TMenuItem* save = Item(file, "&Save", "Ctrl+S");
  TMenuItem* exportItem = Item(file, "&Export");
  TMenuItem* pdf = Item(exportItem, "Pdf", "F5");
  TMenuItem* edit = Item(nullptr, "&Edit");
  TMenuItem* copy = Item(edit, "&Copy", "Ctrl+C");
  TMenuItem* paste = Item(edit, "&Paste", "Ctrl+V");
  bool Key(const char* ShortCut) {
    TWMKey key = KeyOf(TextToShortCut(ShortCut));
    return menu->IsShortCut(key);
  }
};

TEST_F(Menus, AShortCutClicksItsItemAfterItsParentsAsAUserWould) {
  TMainSetup m;
  m.paste->SetVisible(false);
  m.save->SetEnabled(false);
  EXPECT_TRUE(m.Key("Ctrl+O"));
  EXPECT_TRUE(m.Key("F5"));
  EXPECT_FALSE(m.Key("Ctrl+S"));  // disabled
  EXPECT_FALSE(m.Key("Ctrl+V"));  // hidden
  EXPECT_FALSE(m.Key("Ctrl+Q"));  // nobody's
  m.exportItem->SetEnabled(false);
  EXPECT_FALSE(m.Key("F5"));  // behind a disabled item
  EXPECT_EQ(m.log, (std::vector<std::string>{"&File", "&Open", "&File", "&Export", "Pdf"}));
  // The first reachable item with the key wins.
  m.log.clear();
  TMenuItem* second = m.Item(m.edit, "Copy &Too", "Ctrl+C");
  EXPECT_TRUE(m.Key("Ctrl+C"));
  m.copy->SetVisible(false);
  EXPECT_TRUE(m.Key("Ctrl+C"));
  EXPECT_EQ(m.log, (std::vector<std::string>{"&Edit", "&Copy", "&Edit", second->GetCaption()}));
}

// The root item is the menu's own: freeing the components the menu owns
// leaves it, and the menu works on (and frees it once) afterwards.
TEST_F(Menus, FreeingTheMenusComponentsKeepsItsRootItem) {
  TMainSetup m;
  auto* extra = new TComponent(m.menu);
  EXPECT_EQ(m.menu->GetComponentCount(), 1);
  m.menu->DestroyComponents();
  EXPECT_FALSE(IsLiveObject(extra));
  EXPECT_EQ(m.menu->GetItems()->GetCount(), 2);
  EXPECT_TRUE(m.Key("Ctrl+O"));
  EXPECT_EQ(m.log, (std::vector<std::string>{"&File", "&Open"}));
}

TEST_F(Menus, ItemsAreFoundByCommandShortCutAndHandle) {
  TMainSetup m;
  EXPECT_EQ(m.menu->FindItem(m.pdf->GetCommand(), fkCommand), m.pdf);
  EXPECT_EQ(m.menu->FindItem(TextToShortCut("Ctrl+S"), fkShortCut), m.save);
  EXPECT_EQ(m.menu->FindItem(0, fkCommand), nullptr);
  EXPECT_EQ(m.menu->FindItem(m.pdf->GetHandle(), fkHandle), nullptr);  // no handles yet
  const HMENU bar = m.menu->GetHandle();
  ASSERT_NE(bar, 0u);
  EXPECT_EQ(m.menu->FindItem(static_cast<int32_t>(m.pdf->GetHandle()), fkHandle), m.pdf);
  EXPECT_NE(m.open->GetCommand(), m.save->GetCommand());
  EXPECT_TRUE(m.menu->DispatchCommand(m.save->GetCommand()));
  EXPECT_FALSE(m.menu->DispatchCommand(0));
  EXPECT_EQ(m.log, (std::vector<std::string>{"&Save"}));
}

TEST_F(Menus, HandlesFollowTheItemsOnceTheyExist) {
  TMainSetup m;
  const HMENU bar = m.menu->GetHandle();
  EXPECT_EQ(Shown(bar), "&File,&Edit");
  EXPECT_EQ(Shown(m.file->GetHandle()), "&Open,&Save,&Export");
  TWSMenuItemInfo info;
  ASSERT_TRUE(Robot().GetMenuItemInfo(m.open->GetHandle(), info));
  EXPECT_EQ(info.ShortCutText, "Ctrl+O");
  EXPECT_EQ(info.Command, m.open->GetCommand());
  m.open->SetCaption("&Open...");
  m.open->SetChecked(true);
  m.save->SetEnabled(false);
  m.exportItem->SetVisible(false);
  NewItem(m.owner.get(), m.file, "&Close");
  EXPECT_EQ(Shown(m.file->GetHandle()), "&Open...,&Save,&Close");
  ASSERT_TRUE(Robot().GetMenuItemInfo(m.open->GetHandle(), info));
  EXPECT_TRUE(info.Checked);
  ASSERT_TRUE(Robot().GetMenuItemInfo(m.save->GetHandle(), info));
  EXPECT_FALSE(info.Enabled);
  m.file->SetShortCut(TextToShortCut("Alt+F"));
  ASSERT_TRUE(Robot().GetMenuItemInfo(m.file->GetHandle(), info));
  EXPECT_EQ(info.ShortCutText, "");  // a menu bar shows no short cuts
  m.edit->Free();
  EXPECT_EQ(Shown(bar), "&File");
  // The user opens File and chooses Open on the menu bar.
  EXPECT_TRUE(Robot().ChooseMenuItem(bar, "file|open..."));
  EXPECT_FALSE(Robot().ChooseMenuItem(bar, "File|Save"));  // disabled
  EXPECT_EQ(m.log, (std::vector<std::string>{"&File", "&Open...", "&File"}));
}

// Main (File 0, Edit 1, Window 5, Help 9) and Child (Edit 1, Format 3).
struct TMergeSetup {
  TOwned<TComponent> owner{New<TComponent>(nullptr)};
  TMainMenu* main = new TMainMenu(owner.get());
  TMainMenu* child = new TMainMenu(owner.get());
  TMenuItem* Top(TMainMenu* Menu, const std::string& Caption, uint8_t Group) {
    TMenuItem* item = NewItem(owner.get(), Menu->GetItems(), Caption);
    item->SetGroupIndex(Group);
    return item;
  }
  TMenuItem* file = Top(main, "File", 0);
  TMenuItem* edit = Top(main, "Edit", 1);
  TMenuItem* window = Top(main, "Window", 5);
  TMenuItem* help = Top(main, "Help", 9);
  TMenuItem* childEdit = Top(child, "Child Edit", 1);
  TMenuItem* format = Top(child, "Format", 3);
};

TEST_F(Menus, MergingReplacesGroupsAndInsertsTheOthersInGroupOrder) {
  TMergeSetup m;
  const HMENU bar = m.main->GetHandle();
  const HMENU childBar = m.child->GetHandle();
  m.main->Merge(m.child);
  EXPECT_EQ(m.main->GetMergedMenu(), m.child);
  EXPECT_EQ(Shown(bar), "File,Child Edit,Format,Window,Help");
  EXPECT_EQ(Captions(m.main->GetItems()), "File,Edit,Window,Help");  // its own items stay
  // The merged menu's items take short cuts and changes in the merged bar.
  NewItem(m.owner.get(), m.format, "Bold")->SetShortCut(TextToShortCut("Ctrl+B"));
  int bold = 0;
  m.format->GetItems(0)->OnClick = [&](TObject*) { ++bold; };
  TWMKey key = KeyOf(TextToShortCut("Ctrl+B"));
  EXPECT_TRUE(m.main->IsShortCut(key));
  EXPECT_EQ(bold, 1);
  NewItem(m.owner.get(), m.child->GetItems(), "Tools")->SetGroupIndex(7);
  EXPECT_EQ(Shown(bar), "File,Child Edit,Format,Window,Tools,Help");
  // Unmerging another menu does nothing; unmerging the child undoes it and
  // the child's own bar shows its items again.
  TOwned<TMainMenu> stranger(New<TMainMenu>(nullptr));
  m.main->Unmerge(stranger.get());
  EXPECT_EQ(Shown(bar), "File,Child Edit,Format,Window,Tools,Help");
  m.main->Unmerge(m.child);
  EXPECT_EQ(m.main->GetMergedMenu(), nullptr);
  EXPECT_EQ(Shown(bar), "File,Edit,Window,Help");
  EXPECT_EQ(Shown(childBar), "Child Edit,Format,Tools");
  EXPECT_FALSE(m.main->IsShortCut(key));
  // A merged menu that goes away ends the merge.
  m.main->Merge(m.child);
  m.child->Free();
  EXPECT_EQ(Shown(bar), "File,Edit,Window,Help");
  EXPECT_RAISES(m.main->Merge(m.main), EMenuError, "A menu cannot be merged into itself or into a menu merged into it");
  EXPECT_EQ(Shown(bar), "File,Edit,Window,Help");
}

// A pop-up menu: Cut, Paste (Special, Plain), and a disabled Delete.
struct TPopupSetup {
  TOwned<TComponent> owner{New<TComponent>(nullptr)};
  TPopupMenu* popup = new TPopupMenu(owner.get());
  std::vector<std::string> log;
  TMenuItem* Item(TMenuItem* Parent, const std::string& Caption) {
    TMenuItem* item = NewItem(owner.get(), Parent ? Parent : popup->GetItems(), Caption);
    item->OnClick = [this, item](TObject*) { log.push_back(item->GetCaption()); };
    return item;
  }
  TMenuItem* cut = Item(nullptr, "Cu&t");
  TMenuItem* paste = Item(nullptr, "&Paste");
  TMenuItem* special = Item(paste, "&Special");
  TMenuItem* plain = Item(paste, "Plain");
  TMenuItem* del = Item(nullptr, "&Delete");
};

TEST_F(Menus, APopupShowsAfterOnPopupAndTheRobotChoosesLikeAUser) {
  TPopupSetup p;
  p.del->SetEnabled(false);
  p.popup->OnPopup = [&](TObject* Sender) {
    p.log.push_back("popup");
    if (Sender == p.popup && !p.popup->GetItems()->Find("Undo")) p.Item(nullptr, "&Undo");
  };
  p.popup->SetAlignment(paRight);
  p.popup->Popup(100, 40);
  const auto* shown = Robot().OpenPopup();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->Point, Point(100, 40));
  EXPECT_EQ(shown->Flags, TPM_RIGHTALIGN | TPM_RIGHTBUTTON);
  EXPECT_EQ(p.popup->GetPopupPoint(), Point(100, 40));
  EXPECT_EQ(Shown(shown->Menu), "Cu&t,&Paste,&Delete,&Undo");  // the item OnPopup added shows
  EXPECT_FALSE(Robot().ChoosePopupItem("Delete"));             // disabled: nothing, still open
  ASSERT_NE(Robot().OpenPopup(), nullptr);
  EXPECT_RAISES(Robot().ChoosePopupItem("Paste|Fancy"), EInvalidOperation,
                "The menu has no visible item \"Fancy\" (path \"Paste|Fancy\")");
  EXPECT_RAISES(Robot().ChoosePopupItem("Cut|More"), EInvalidOperation,
                "Menu item \"Cut\" has no submenu (path \"Cut|More\")");
  EXPECT_TRUE(Robot().ChoosePopupItem("paste|SPECIAL"));
  EXPECT_EQ(Robot().OpenPopup(), nullptr);
  EXPECT_RAISES(Robot().ChoosePopupItem("Cut"), EInvalidOperation, "No pop-up menu is open to choose \"Cut\" from");
  // Opening the Paste submenu clicked Paste; then Special was chosen.
  EXPECT_EQ(p.log, (std::vector<std::string>{"popup", "&Paste", "&Paste", "&Special"}));
}

TEST_F(Menus, OpeningAPopupUpdatesTheActionsOfItsItems) {
  TPopupSetup p;
  auto* list = new TActionList(p.owner.get());
  auto* action = new TAction(p.owner.get());
  action->SetActionList(list);
  action->SetCaption("Act");
  int updates = 0;
  action->OnUpdate = [&](TObject*) {
    ++updates;
    action->SetEnabled(updates < 2);
  };
  p.cut->SetAction(action);
  p.popup->Popup(0, 0);
  EXPECT_EQ(updates, 1);
  p.popup->Popup(0, 0);
  EXPECT_EQ(updates, 2);
  EXPECT_FALSE(p.cut->GetEnabled());
  EXPECT_FALSE(Robot().ChoosePopupItem("Act"));
  // Whoever showed the menu is remembered until it goes.
  auto* button = new TComponent(p.owner.get());
  p.popup->SetPopupComponent(button);
  EXPECT_EQ(p.popup->GetPopupComponent(), button);
  button->Free();
  EXPECT_EQ(p.popup->GetPopupComponent(), nullptr);
  // Freeing the menu closes its pop-up and gives its handles back.
  p.popup->Free();
  EXPECT_EQ(Robot().OpenPopup(), nullptr);
}

}  // namespace
}  // namespace host::menustest
