// Reachability of the menu descriptors: one table entry per class.
#include "descriptors/kelmenus.h"
#include "host/widgetset/headless/headlessmenus.h"
#include "host/widgetset/widgetset.h"
#include "tests/descriptors/reach_walker.h"

namespace kel::test {
namespace {

using host::TMainMenu;
using host::TMenu;
using host::TMenuItem;
using host::TPopupMenu;

TMenuItem* NewItem(TReachWorld& w, TMenuItem* parent, const std::string& caption) {
  auto* item = w.Owned<TMenuItem>();
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

// A menu of the kind M owned by the world's root: "&File" with "&Open"
// (Ctrl+O, help context 7) and "&Save".
template <class M>
M* FileMenu(TReachWorld& w) {
  auto* menu = w.Owned<M>("Menu");
  TMenuItem* file = NewItem(w, menu->GetItems(), "&File");
  TMenuItem* open = NewItem(w, file, "&Open");
  open->SetShortCut(host::ShortCut('O', host::TShiftState{host::ssCtrl}));
  open->SetHelpContext(7);
  NewItem(w, file, "&Save");
  menu->GetHandle();
  return menu;
}

TMenuItem* OpenItem(TObject& o) { return host::As<TMenu>(&o)->GetItems()->GetItems(0)->GetItems(0); }

TReachClass MenuEntry(std::function<TMenu*(TReachWorld&)> make) {
  TReachClass c = ComponentReach([make](TReachWorld& w) { return make(w); });
  static TkelValue<host::TWMKey> key;
  key.Value().CharCode = 'O';
  key.Value().ShiftState = host::TShiftState{host::ssCtrl};
  static TkelValue<host::TWMMenuChar> menuChar;
  static TkelValue<host::HMENU> handle;
  const TArgs command = [](TReachWorld&, TObject& o) {
    return std::vector<Variant>{Variant(OpenItem(o)->GetCommand())};
  };
  c.Calls = std::vector<TReachCall>{
      {"DispatchCommand", command},
      {"DispatchPopup",
       [](TReachWorld&, TObject& o) {
         handle.Value() = OpenItem(o)->GetParent()->GetHandle();
         return std::vector<Variant>{handle.Address()};
       }},
      {"FindItem",
       [](TReachWorld&, TObject& o) {
         return std::vector<Variant>{Variant(OpenItem(o)->GetCommand()), Variant(0)};
       }},
      {"GetHelpContext",
       [](TReachWorld&, TObject& o) {
         return std::vector<Variant>{Variant(OpenItem(o)->GetCommand()), Variant(true)};
       }},
      {"IsRightToLeft", kNone},
      {"IsShortCut", Args({key.Address()})},
      {"ProcessMenuChar",
       [](TReachWorld&, TObject& o) {
         menuChar.Value().User = 's';
         menuChar.Value().Menu = OpenItem(o)->GetParent()->GetHandle();
         return std::vector<Variant>{menuChar.Address()};
       }},
  };
  c.Events = {{"OnChange", EventOf(&TMenu::OnChange, [](TMenu& m) {
                 return std::tuple<TObject*, TMenuItem*, bool>(&m, m.GetItems(), true);
               })}};
  return c;
}

TReachClass MainMenuEntry() {
  TReachClass c = MenuEntry(FileMenu<TMainMenu>);
  static TkelValue<host::HMENU> none;  // 0: the menu's own handle stays
  const TArgs other = Arg([](TReachWorld& w, TObject&) { return Addr(w.Owned<TMainMenu>()); });
  c.Calls = c.Calls + std::vector<TReachCall>{
                          {"Merge", other}, {"Unmerge", other}, {"SetOle2MenuHandle", Args({none.Address()})}};
  return c;
}

host::headless::THeadlessMenus& Robot() {
  return dynamic_cast<host::headless::THeadlessMenus&>(host::WidgetSet().Menus());
}

TReachClass PopupMenuEntry() {
  TReachClass c = MenuEntry([](TReachWorld& w) -> TMenu* {
    w.OnEnd([] {
      if (Robot().OpenPopup()) Robot().ClosePopup();  // the pop-up Popup showed
    });
    return FileMenu<TPopupMenu>(w);
  });
  c.Calls.push_back({"Popup", Args({Variant(10), Variant(20)})});
  c.Events["OnPopup"] = NotifyOf(&TPopupMenu::OnPopup);
  return c;
}

TReachClass MenuItemEntry() {
  TReachClass c = ComponentReach([](TReachWorld& w) -> host::TComponent* {
    TMenuItem* file = FileMenu<TMainMenu>(w)->GetItems()->GetItems(0);
    file->SetAction(w.Owned<host::TAction>("FileAction"));
    return file;
  });
  c.Indexes["Items"] = {Variant(0)};
  auto spare = std::make_shared<TMenuItem*>(nullptr);
  const TArgs item = Arg([spare](TReachWorld& w, TObject&) {
    if (!*spare) *spare = w.Owned<TMenuItem>();
    return Addr(*spare);
  });
  const TArgs at0 = [item](TReachWorld& w, TObject& o) { return std::vector<Variant>{Variant(0), item(w, o).at(0)}; };
  c.Calls =
      std::vector<TReachCall>{
          {"Add", item}, {"IndexOf", item}, {"Remove", item}, {"Insert", at0}, {"Delete", Args({Variant(0)})}} +
      Same({"InitiateAction", "Click", "GetParentMenu"});
  using I = TMenuItem;
  c.Events = {{"OnClick", NotifyOf(&I::OnClick)},
              {"OnDrawItem", EventOf(&I::OnDrawItem,
                                     [](I& i) {
                                       return std::tuple<TObject*, host::TCanvas*, host::TRect, bool>(
                                           &i, nullptr, host::TRect{1, 2, 30, 40}, true);
                                     })},
              {"OnMeasureItem", EventOf(&I::OnMeasureItem, [](I& i) {
                 return std::tuple<TObject*, host::TCanvas*, int32_t, int32_t>(&i, nullptr, 80, 20);
               })}};
  return c;
}

}  // namespace

TReachTable MenusReach() {
  TReachTable t;
  t["TMenuActionLink"] = Entry([](TReachWorld& w) -> TObject* {
    auto* item = w.Owned<TMenuItem>();
    item->SetAction(w.Owned<host::TAction>("Linked"));
    return item->GetActionLink();
  });
  t["TMenuActionLink"].Events = {{"OnChange", NotifyOf(&host::TBasicActionLink::OnChange)}};
  t["TMenuItem"] = MenuItemEntry();
  t["TMenu"] = MenuEntry(FileMenu<TMenu>);
  t["TMainMenu"] = MainMenuEntry();
  t["TPopupMenu"] = PopupMenuEntry();
  for (auto& [name, entry] : t) entry.Calls = RootCalls() + entry.Calls;
  return t;
}

namespace {

TEST(KelmenusReach, EveryDescriptorOfTheUnitReachesEveryDeclaredFeature) {
  WalkUnit(MenusReach(), TkelMenusDescriptors{});
  EXPECT_EQ(Robot().OpenPopup(), nullptr);
}

}  // namespace
}  // namespace kel::test
