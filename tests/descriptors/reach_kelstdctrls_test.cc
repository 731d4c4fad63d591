// Reachability of the stdctrls unit's descriptors: one table entry per class.
#include "descriptors/kelstdctrls.h"
#include "host/actnlist/actnlist.h"
#include "tests/descriptors/reach_walker.h"

namespace kel::test {
namespace {

using host::TObject;
using host::TWinControl;

// A control of the class C on a top-level windowed control, sized so that
// list items and scroll bar parts have room.
template <class C>
C* OnForm(TReachWorld& w) {
  auto* form = w.Owned<TWinControl>();
  form->SetBounds(10, 10, 300, 200);
  auto* c = w.Owned<C>();
  c->SetParent(form);
  c->SetBounds(5, 5, 120, 80);
  return c;
}

template <class C>
TReachClass Windowed() {
  return WinControlEntry([](TReachWorld& w) -> TWinControl* { return OnForm<C>(w); });
}

// A list control of the class C holding three items.
template <class C>
C* Filled(TReachWorld& w) {
  C* c = OnForm<C>(w);
  for (const char* s : {"one", "two", "three"}) c->GetItems()->Add(s);
  return c;
}

TReachEvent DrawItemOf() {
  return EventOf(&host::TCustomListControl::OnDrawItem, [](host::TCustomListControl& o) {
    return std::tuple<TWinControl*, int32_t, host::TRect, host::TOwnerDrawState>(
        &o, 1, host::TRect{0, 16, 100, 32}, host::TOwnerDrawState{host::odSelected});
  });
}

TReachEvent MeasureItemOf() {
  return EventOf(&host::TCustomListControl::OnMeasureItem,
                 [](host::TCustomListControl& o) { return std::tuple<TWinControl*, int32_t, int32_t>(&o, 2, 18); });
}

TReachClass EditEntry(TReachClass c) {
  c.Calls = c.Calls +
            Same({"SelectAll", "CopyToClipboard", "CutToClipboard", "PasteFromClipboard", "Undo", "ClearUndo",
                  "ClearSelection", "Clear"}) +
            std::vector<TReachCall>{{"GetSelTextBuf", Args({Variant(""), Variant(8)})},
                                    {"SetSelTextBuf", Args({Variant("typed")})}};
  c.Events.insert({"OnChange", NotifyOf(&host::TCustomEdit::OnChange)});
  return c;
}

TReachClass ComboEntry() {
  TReachClass c = WinControlEntry([](TReachWorld& w) -> TWinControl* { return Filled<host::TComboBox>(w); });
  c.Calls = c.Calls + Same({"SelectAll", "Clear"});
  using C = host::TCustomComboBox;
  c.Events.insert({{"OnChange", NotifyOf(&C::OnChange)},
                   {"OnDropDown", NotifyOf(&C::OnDropDown)},
                   {"OnDrawItem", DrawItemOf()},
                   {"OnMeasureItem", MeasureItemOf()}});
  return c;
}

TReachClass ListEntry() {
  TReachClass c = WinControlEntry([](TReachWorld& w) -> TWinControl* { return Filled<host::TListBox>(w); });
  c.Indexes["Selected"] = {Variant(1)};
  c.Calls = c.Calls +
            std::vector<TReachCall>{{"ItemAtPos",
                                     [](TReachWorld& w, TObject&) {
                                       return std::vector<Variant>{WorldValue(w, host::TPoint{4, 20}), Variant(true)};
                                     }},
                                    {"ItemRect", Args({Variant(1)})},
                                    {"Clear", kNone}};
  c.Events.insert({{"OnDrawItem", DrawItemOf()}, {"OnMeasureItem", MeasureItemOf()}});
  return c;
}

TReachClass ScrollEntry() {
  TReachClass c = Windowed<host::TScrollBar>();
  c.Calls = c.Calls + std::vector<TReachCall>{{"SetParams", Args({Variant(5), Variant(0), Variant(50)})}};
  using S = host::TScrollBar;
  c.Events.insert({{"OnChange", NotifyOf(&S::OnChange)}, {"OnScroll", EventOf(&S::OnScroll, [](S& o) {
                                                            return std::tuple<TObject*, host::TScrollCode, int32_t>(
                                                                &o, host::scLineDown, 3);
                                                          })}});
  return c;
}

}  // namespace

TReachTable StdCtrlsReach() {
  TReachTable t;
  t["TCustomGroupBox"] = Windowed<host::TGroupBox>();
  t["TGroupBox"] = Windowed<host::TGroupBox>();
  const auto label = [](TReachWorld& w) -> host::TControl* { return OnForm<host::TLabel>(w); };
  t["TCustomLabel"] = ControlEntry(label);
  t["TLabel"] = ControlEntry(label);
  t["TCustomEdit"] = EditEntry(Windowed<host::TEdit>());
  t["TEdit"] = EditEntry(Windowed<host::TEdit>());
  t["TCustomMemo"] = EditEntry(Windowed<host::TMemo>());
  t["TMemo"] = EditEntry(Windowed<host::TMemo>());
  t["TCustomComboBox"] = ComboEntry();
  t["TComboBox"] = ComboEntry();
  // The link a button makes when an action is assigned to it.
  t["TButtonActionLink"] = Entry([](TReachWorld& w) -> TObject* {
    auto* button = OnForm<host::TButton>(w);
    button->SetAction(w.Owned<host::TAction>());
    return button->GetActionLink();
  });
  t["TButtonActionLink"].Events = {{"OnChange", NotifyOf(&host::TBasicActionLink::OnChange)}};
  t["TButtonControl"] = Windowed<host::TCheckBox>();
  t["TButton"] = Windowed<host::TButton>();
  t["TCustomCheckBox"] = Windowed<host::TCheckBox>();
  t["TCheckBox"] = Windowed<host::TCheckBox>();
  t["TRadioButton"] = Windowed<host::TRadioButton>();
  t["TCustomListBox"] = ListEntry();
  t["TListBox"] = ListEntry();
  t["TScrollBar"] = ScrollEntry();
  t["TCustomStaticText"] = Windowed<host::TStaticText>();
  t["TStaticText"] = Windowed<host::TStaticText>();
  for (auto& [name, entry] : t) entry.Calls = RootCalls() + entry.Calls;
  return t;
}

namespace {

TEST(KelstdctrlsReach, EveryDescriptorOfTheUnitReachesEveryDeclaredFeature) {
  WalkUnit(StdCtrlsReach(), TkelStdCtrlsDescriptors{});
}

}  // namespace
}  // namespace kel::test
