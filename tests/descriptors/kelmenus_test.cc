// Behaviour of the menu descriptors: items as references, clicks reaching
// listeners as a user makes them, measured sizes handed back, messages and
// handles by address, and a connection read from a form.
#include "descriptors/kelmenus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/widgetset/headless/headlessmenus.h"
#include "host/widgetset/widgetset.h"
#include "tests/descriptors/descriptor_test_support.h"
#include "tests/support/formtest.h"

namespace kel::test {
namespace {

using host::TMainMenu;
using host::TMenuItem;
using host::TObject;
using host::TPopupMenu;
using host::Variant;

host::headless::THeadlessMenus& Robot() {
  return dynamic_cast<host::headless::THeadlessMenus&>(host::WidgetSet().Menus());
}

TMenuItem* NewItem(host::TComponent* owner, TMenuItem* parent, const std::string& caption) {
  auto* item = host::New<TMenuItem>(owner);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

// A form with a menu bar "&File" > "&Open" (Ctrl+O, help context 7),
// "&Save" (disabled), and a pop-up menu "First", "Second".
struct TMenuForm {
  TMenuForm() {
    open->SetShortCut(host::ShortCut('O', host::TShiftState{host::ssCtrl}));
    open->SetHelpContext(7);
    save->SetEnabled(false);
  }
  ~TMenuForm() {
    if (Robot().OpenPopup()) Robot().ClosePopup();
  }
  host::TOwned<host::TComponent> form = host::MakeOwned<host::TComponent>(nullptr);
  TMainMenu* bar = host::New<TMainMenu>(form.get());
  TMenuItem* file = NewItem(form.get(), bar->GetItems(), "&File");
  TMenuItem* open = NewItem(form.get(), file, "&Open");
  TMenuItem* save = NewItem(form.get(), file, "&Save");
  TPopupMenu* popup = host::New<TPopupMenu>(form.get());
  TMenuItem* first = NewItem(form.get(), popup->GetItems(), "First");
  TMenuItem* second = NewItem(form.get(), popup->GetItems(), "Second");
};

TEST(MenuDescriptors, ItemsParentsAndFoundItemsAreReferences) {
  TMenuForm f;
  TkelClassInfo* d = Describe(f.file);
  EXPECT_EQ(Read(d, "Items", {Variant(0)}), Addr(f.open));
  EXPECT_EQ(Read(d, "Count"), Variant(2));
  EXPECT_EQ(Read(Describe(f.open), "Parent"), Addr(f.file));
  EXPECT_EQ(Invoke(Describe(f.save), "GetParentMenu")->Result, Addr(f.bar));
  TkelClassInfo* menu = Describe(f.bar);
  EXPECT_EQ(Read(menu, "Items"), Addr(f.bar->GetItems()));
  EXPECT_EQ(Invoke(menu, "FindItem", {Variant(f.open->GetCommand()), Variant(int32_t{host::fkCommand})})->Result,
            Addr(f.open));
  EXPECT_EQ(Invoke(menu, "FindItem", {Variant(0xFFFF), Variant(int32_t{host::fkCommand})})->Result, Addr(nullptr));
  // The save item's own help context is 0: the nearest parent's answers (none here), the open item's is 7.
  EXPECT_EQ(Invoke(menu, "GetHelpContext", {Variant(f.open->GetCommand()), Variant(true)})->Result, Variant(7));

  // Bad indexes, foreign items and objects of other classes change nothing.
  EXPECT_EQ(MessageOf([&] { Read(d, "Items", {Variant(9)}); }), "Menu index out of range (9)");
  EXPECT_EQ(MessageOf([&] { Invoke(d, "Delete", {Variant(2)}); }), "Menu index out of range (2)");
  EXPECT_EQ(MessageOf([&] { Invoke(d, "Remove", {Addr(f.first)}); }), "Sub-menu is not in menu");
  EXPECT_THROW(Invoke(d, "Add", {Addr(f.popup)}), host::EInvalidCast);
  EXPECT_EQ(f.file->GetCount(), 2);
  EXPECT_EQ(f.first->GetParent(), f.popup->GetItems());
  // The positive twin: an item taken out of the pop-up moves in.
  Invoke(Describe(f.popup->GetItems()), "Remove", {Addr(f.second)});
  Invoke(d, "Insert", {Variant(0), Addr(f.second)});
  EXPECT_EQ(f.file->GetItems(0), f.second);
  EXPECT_EQ(f.popup->GetItems()->GetCount(), 1);
}

TEST(MenuDescriptors, ClicksAUserMakesReachTheListeners) {
  TMenuForm f;
  int saved = 0;
  f.open->OnClick = [&saved](TObject*) { ++saved; };
  TkelClassInfo* d = Describe(f.open);
  TTestListeners listeners;
  std::vector<Variant> senders;
  listeners.On(d, "OnClick", [&](TkelEventInfo& e) { senders.push_back(e.GetArgs(0)->Value); });
  EXPECT_TRUE(Robot().ChooseMenuItem(f.bar->GetHandle(), "File|Open"));
  EXPECT_FALSE(Robot().ChooseMenuItem(f.bar->GetHandle(), "File|Save"));  // disabled
  EXPECT_EQ(senders, std::vector<Variant>{Addr(f.open)});
  EXPECT_EQ(saved, 1);

  // Ctrl+O through the menu's descriptor: the key message at its address.
  TkelValue<host::TWMKey> key;
  key.Value().CharCode = 'O';
  key.Value().ShiftState = host::TShiftState{host::ssCtrl};
  TkelMethodInfo* m = Invoke(Describe(f.bar), "IsShortCut", {key.Address()});
  EXPECT_EQ(m->Result, Variant(true));
  EXPECT_EQ(m->GetArgs(0)->Value, key.Address());
  EXPECT_EQ(senders.size(), 2u);
  key.Value().CharCode = 'Q';
  EXPECT_EQ(Invoke(Describe(f.bar), "IsShortCut", {key.Address()})->Result, Variant(false));
  EXPECT_EQ(senders.size(), 2u);
}

TEST(MenuDescriptors, MeasuredSizesComeBackAndDrawnRectanglesAreCopies) {
  TMenuForm f;
  f.popup->SetOwnerDraw(true);
  TkelClassInfo* d = Describe(f.first);
  TTestListeners listeners;
  listeners.On(d, "OnMeasureItem", [](TkelEventInfo& e) { e.GetArgs(3)->Value = Variant(30); });
  std::vector<host::TRect> drawn;
  listeners.On(d, "OnDrawItem", [&](TkelEventInfo& e) {
    auto* r = static_cast<host::TRect*>(e.GetArgs(2)->Value.AsPointer());
    drawn.push_back(*r);
    *r = host::TRect{};  // a copy: the host's rectangle stays
    EXPECT_EQ(e.GetArgs(3)->Value, Variant(false));
  });
  f.popup->Popup(5, 5);
  ASSERT_NE(Robot().OpenPopup(), nullptr);
  const std::vector<host::TRect> rects = Robot().OpenPopup()->ItemRects;
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0].Height(), 30);
  EXPECT_EQ(rects[1].Top, 30);
  EXPECT_EQ(drawn, std::vector<host::TRect>{rects[0]});
}

TEST(MenuDescriptors, MenuCharactersAreAnsweredInTheMessageAtItsAddress) {
  TMenuForm f;
  TkelClassInfo* d = Describe(f.bar);
  TkelValue<host::TWMMenuChar> message;
  f.bar->GetHandle();  // the items get their handles with the menu's
  message.Value().Menu = f.file->GetHandle();
  const auto answer = [&](char typed) {
    message.Value().User = typed;
    TkelMethodInfo* m = Invoke(d, "ProcessMenuChar", {message.Address()});
    EXPECT_EQ(m->GetArgs(0)->Value, message.Address());
    return message.Value().Result;
  };
  EXPECT_EQ(answer('o'), int64_t{host::MNC_EXECUTE} << 16 | 0);
  EXPECT_EQ(answer('S'), int64_t{host::MNC_CLOSE} << 16);  // the only match is disabled
  EXPECT_EQ(answer('x'), host::MNC_IGNORE);
  // An address the library did not hand out is refused, the record untouched.
  host::TWMMenuChar loose = message.Value();
  loose.User = 'o';
  EXPECT_THROW(Invoke(d, "ProcessMenuChar", {Addr(&loose)}), host::EInvalidCast);
  EXPECT_EQ(loose.Result, host::MNC_IGNORE);
}

TEST(MenuDescriptors, MessagesSentByNumberReachTheMenuWithAnEmptyRecord) {
  TMenuForm f;
  f.popup->SetOwnerDraw(true);
  int clicks = 0;
  f.open->OnClick = [&clicks](TObject*) { ++clicks; };
  for (TkelClassInfo* d : {Describe(f.bar), Describe(f.popup)})
    for (uint32_t message :
         {host::WM_COMMAND, host::WM_INITMENUPOPUP, host::WM_MEASUREITEM, host::WM_DRAWITEM, host::WM_MENUCHAR})
      EXPECT_NO_THROW(Invoke(d, "Dispatch", {Variant(static_cast<int32_t>(message))})) << message;
  EXPECT_EQ(clicks, 0);  // no command, no item
}

TEST(MenuDescriptors, HandlesTravelByAddress) {
  TMenuForm f;
  TkelClassInfo* d = Describe(f.bar);
  const Variant handle = Read(d, "Handle");
  EXPECT_EQ(*static_cast<const host::HMENU*>(handle.AsPointer()), f.bar->GetHandle());
  const Variant item = Read(Describe(f.file), "Handle");
  EXPECT_EQ(*static_cast<const host::HMENU*>(item.AsPointer()), f.file->GetHandle());

  const TkelValue<host::THandle> window(0x1234);
  Write(d, "WindowHandle", window.Address());
  EXPECT_EQ(f.bar->GetWindowHandle(), 0x1234u);
  host::THandle loose = 99;
  EXPECT_THROW(Write(d, "WindowHandle", Addr(&loose)), host::EInvalidCast);
  EXPECT_THROW(Write(d, "WindowHandle", Variant(0)), host::Exception);
  EXPECT_EQ(f.bar->GetWindowHandle(), 0x1234u);

  // A submenu opening, named by its handle: the item it belongs to is clicked.
  int clicks = 0;
  f.file->OnClick = [&clicks](TObject*) { ++clicks; };
  const TkelValue<host::HMENU> submenu(f.file->GetHandle());
  EXPECT_EQ(Invoke(d, "DispatchPopup", {submenu.Address()})->Result, Variant(true));
  EXPECT_EQ(clicks, 1);

  // An embedded server's menu takes the bar's place while it is set.
  const TkelValue<host::HMENU> server(4711), none(0);
  Invoke(d, "SetOle2MenuHandle", {server.Address()});
  EXPECT_EQ(*static_cast<const host::HMENU*>(Read(d, "Handle").AsPointer()), 4711u);
  Invoke(d, "SetOle2MenuHandle", {none.Address()});
  EXPECT_EQ(*static_cast<const host::HMENU*>(Read(d, "Handle").AsPointer()), f.bar->GetHandle());
}

TEST(MenuDescriptors, EnumerationsOutsideTheirRangeAreRefused) {
  TMenuForm f;
  TkelClassInfo* d = Describe(f.popup);
  Write(d, "Alignment", Variant(int32_t{host::paRight}));
  EXPECT_EQ(MessageOf([&] { Write(d, "Alignment", Variant(7)); }), "7 is not a valid value of Alignment (0..2)");
  EXPECT_EQ(f.popup->GetAlignment(), host::paRight);
  EXPECT_THROW(Write(Describe(f.open), "Break", Variant(-1)), host::ERangeError);
  EXPECT_EQ(f.open->GetBreak(), host::mbNone);
  // Right to left, the pop-up opens to the other side.
  Write(d, "BiDiMode", Variant(int32_t{host::bdRightToLeft}));
  EXPECT_EQ(Read(d, "ParentBiDiMode"), Variant(false));
  EXPECT_EQ(Invoke(d, "IsRightToLeft")->Result, Variant(true));
  Invoke(d, "Popup", {Variant(40), Variant(50)});
  ASSERT_NE(Robot().OpenPopup(), nullptr);
  EXPECT_EQ(Robot().OpenPopup()->Flags & (host::TPM_LEFTALIGN | host::TPM_RIGHTALIGN | host::TPM_CENTERALIGN),
            host::TPM_LEFTALIGN);
}

// A form read from its text: choosing the menu item runs the action through
// an event-to-method connection.
TEST(MenuDescriptors, AConnectionFromAFormRunsAnActionWhenTheItemIsChosen) {
  const char* text = R"(object Form: TDataModule
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object Open1: TMenuItem
        Caption = '&Open'
      end
    end
  end
  object Actions: TActionList
    object OpenAction: TAction
      Caption = 'Open a file'
    end
  end
  object Wiring: TkelConnectionList
    object OpenOnClick: TkelE2MConnection
      Source = Open1
      Target = OpenAction
      SourceEvent = 'OnClick'
      TargetMethod = 'Execute'
    end
  end
end
)";
  host::TOwned<host::TDataModule> form =
      host::testkit::ReadNewRoot<host::TDataModule>(host::testkit::TextToBinary(text));
  auto* action = host::As<host::TAction>(form->FindComponent("OpenAction"));
  int runs = 0;
  action->OnExecute = [&runs](TObject*) { ++runs; };
  auto* bar = host::As<TMainMenu>(form->FindComponent("MainMenu1"));
  EXPECT_TRUE(Robot().ChooseMenuItem(bar->GetHandle(), "File|Open"));
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(Robot().ChooseMenuItem(bar->GetHandle(), "File|Open"));
  EXPECT_EQ(runs, 2);
}

}  // namespace
}  // namespace kel::test
