// What a menu does for its window: reading order, help contexts, menu
// characters, an embedded server's menu, and items given another action
// link.
#include "tests/host/menus/menus_test.h"

namespace host::menustest {
namespace {

using MenuWindow = MenusTest;

// A menu bar "&File" > "&Open", "Op&tions", "&Save" (disabled), "Print".
struct TFileMenu {
  TOwned<TComponent> owner{New<TComponent>(nullptr)};
  TMainMenu* menu = new TMainMenu(owner.get());
  TMenuItem* file = NewItem(owner.get(), menu->GetItems(), "&File");
  TMenuItem* open = NewItem(owner.get(), file, "&Open");
  TMenuItem* options = NewItem(owner.get(), file, "Op&tions");
  TMenuItem* save = NewItem(owner.get(), file, "&Save");
  TMenuItem* print = NewItem(owner.get(), file, "Print");
  TFileMenu() {
    save->SetEnabled(false);
    menu->GetHandle();
  }
  // The answer to the character typed in the file submenu.
  int64_t Typed(char User) {
    TWMMenuChar m;
    m.User = User;
    m.Menu = file->GetHandle();
    menu->Dispatch(&m);
    return m.Result;
  }
};

TEST_F(MenuWindow, TypedCharactersPickItemsByAcceleratorThenByInitialLetter) {
  TFileMenu m;
  EXPECT_EQ(m.Typed('o'), int64_t{MNC_EXECUTE} << 16 | 0);
  EXPECT_EQ(m.Typed('T'), int64_t{MNC_EXECUTE} << 16 | 1);  // the accelerator, not the initial letter
  EXPECT_EQ(m.Typed('p'), int64_t{MNC_EXECUTE} << 16 | 3);  // no accelerator: "Print" starts with it
  EXPECT_EQ(m.Typed('s'), int64_t{MNC_CLOSE} << 16);        // only a disabled item has it
  EXPECT_EQ(m.Typed('z'), MNC_IGNORE);
  m.options->SetCaption("&Other");  // now two items have 'o': the first is selected
  EXPECT_EQ(m.Typed('O'), int64_t{MNC_SELECT} << 16 | 0);
  m.open->SetVisible(false);  // hidden items do not count, positions are the visible ones
  EXPECT_EQ(m.Typed('o'), int64_t{MNC_EXECUTE} << 16 | 0);
  TWMMenuChar unknown;
  unknown.User = 'o';
  unknown.Menu = 0x7FFF;
  m.menu->ProcessMenuChar(unknown);
  EXPECT_EQ(unknown.Result, MNC_IGNORE);
}

TEST_F(MenuWindow, HelpContextsAreFoundUpTheItemTree) {
  TFileMenu m;
  m.file->SetHelpContext(3);
  m.open->SetHelpContext(7);
  EXPECT_EQ(m.menu->GetHelpContext(m.open->GetCommand(), true), 7);
  EXPECT_EQ(m.menu->GetHelpContext(m.print->GetCommand(), true), 3);  // its parent's
  EXPECT_EQ(m.menu->GetHelpContext(static_cast<int32_t>(m.file->GetHandle()), false), 3);
  EXPECT_EQ(m.menu->GetHelpContext(0x7FFF, true), 0);
}

TEST_F(MenuWindow, ReadingOrderFollowsTheParentUntilSetAndMirrorsPopups) {
  TOwned<TComponent> owner{New<TComponent>(nullptr)};
  auto* popup = new TPopupMenu(owner.get());
  NewItem(owner.get(), popup->GetItems(), "Cut");
  int changes = 0;
  popup->OnChange = [&changes](TObject*, TMenuItem*, bool) { ++changes; };
  EXPECT_TRUE(popup->GetParentBiDiMode());
  popup->ParentBiDiModeChanged(bdRightToLeft);
  EXPECT_EQ(popup->GetBiDiMode(), bdRightToLeft);
  EXPECT_TRUE(popup->IsRightToLeft());
  EXPECT_EQ(changes, 1);
  popup->Popup(10, 10);
  EXPECT_EQ(Robot().OpenPopup()->Flags & (TPM_RIGHTALIGN | TPM_CENTERALIGN), TPM_RIGHTALIGN);
  Robot().ClosePopup();
  popup->SetBiDiMode(bdLeftToRight);  // set: no longer the parent's
  EXPECT_FALSE(popup->GetParentBiDiMode());
  popup->ParentBiDiModeChanged(bdRightToLeftReadingOnly);
  EXPECT_EQ(popup->GetBiDiMode(), bdLeftToRight);
  popup->Popup(10, 10);
  EXPECT_EQ(Robot().OpenPopup()->Flags & (TPM_RIGHTALIGN | TPM_CENTERALIGN), TPM_LEFTALIGN);
  Robot().ClosePopup();
  popup->SetParentBiDiMode(true);  // takes the parent's again
  EXPECT_EQ(popup->GetBiDiMode(), bdRightToLeftReadingOnly);
  EXPECT_FALSE(popup->GetBiDiMode() == bdRightToLeft);
  EXPECT_EQ(changes, 3);
}

TEST_F(MenuWindow, AnEmbeddedServersMenuStandsInForTheBar) {
  TFileMenu m;
  const HMENU own = m.menu->GetHandle();
  int changes = 0;
  m.menu->OnChange = [&changes](TObject*, TMenuItem*, bool) { ++changes; };
  m.menu->SetOle2MenuHandle(4711);
  EXPECT_EQ(m.menu->GetHandle(), 4711u);
  m.menu->SetOle2MenuHandle(0);
  EXPECT_EQ(m.menu->GetHandle(), own);
  EXPECT_EQ(changes, 2);
  m.menu->SetWindowHandle(42);
  EXPECT_EQ(m.menu->GetWindowHandle(), 42u);
}

TEST_F(MenuWindow, AnItemTakesAnActionLinkMadeForIt) {
  TFileMenu m;
  auto* action = new TAction(m.owner.get());
  action->SetCaption("&Open...");
  auto* link = new TMenuActionLink(m.open);
  link->SetAction(action);
  m.open->SetActionLink(link);
  EXPECT_EQ(m.open->GetAction(), action);
  EXPECT_EQ(m.open->GetCaption(), "&Open...");
  action->SetCaption("Open &file");  // the item follows the action through the new link
  EXPECT_EQ(m.open->GetCaption(), "Open &file");
  // A link made for another item is refused; the item keeps its own.
  auto* foreign = new TMenuActionLink(m.save);
  EXPECT_RAISES(m.open->SetActionLink(foreign), EMenuError, "The action link of Open1 was made for another menu item");
  EXPECT_EQ(m.open->GetActionLink(), link);
  foreign->Free();
  m.open->SetActionLink(nullptr);  // frees the link
  EXPECT_EQ(m.open->GetAction(), nullptr);
  action->Free();  // the item no longer listens: nothing dangles
}

}  // namespace
}  // namespace host::menustest
