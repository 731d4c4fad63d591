// Reachability of the first extctrls group's descriptors: one table entry
// per class.
#include <string>

#include "descriptors/kelextctrls.h"
#include "tests/descriptors/reach_walker.h"

namespace kel::test {
namespace {

using host::TObject;
using host::TWinControl;

// Control placed at 160 x 100 on a new top-level windowed control of the world.
void PlaceOnForm(TReachWorld& w, host::TControl* control) {
  auto* form = w.Owned<TWinControl>();
  form->SetBounds(10, 10, 300, 200);
  control->SetParent(form);
  control->SetBounds(5, 5, 160, 100);
}

template <class C>
C* OnForm(TReachWorld& w) {
  C* control = w.Owned<C>();
  PlaceOnForm(w, control);
  return control;
}

// The entry of a graphic (windowed) control class: a C on a form.
template <class C>
TReachClass Graphic() {
  return ControlEntry(OnForm<C>);
}
template <class C>
TReachClass Windowed() {
  return WinControlEntry(OnForm<C>);
}

TReachClass ShapeEntry() {
  TReachClass c = Graphic<host::TShape>();
  c.Calls = c.Calls + std::vector<TReachCall>{{"StyleChanged", Arg([](TReachWorld&, TObject& o) { return Addr(&o); })}};
  return c;
}

TReachClass ImageEntry() {
  TReachClass c = Graphic<host::TImage>();
  using I = host::TImage;
  c.Events.insert({"OnProgress", EventOf(&I::OnProgress, [](I& o) {
                     return std::tuple<TObject*, host::TProgressStage, uint8_t, bool, host::TRect, std::string>(
                         &o, host::psRunning, 40, false, host::TRect{0, 0, 10, 10}, "loading");
                   })});
  return c;
}

// A radio group with three lines, the second checked.
TReachClass RadioGroupEntry() {
  return WinControlEntry([](TReachWorld& w) -> TWinControl* {
    auto* group = OnForm<host::TRadioGroup>(w);
    for (const char* s : {"one", "two", "three"}) group->GetItems()->Add(s);
    group->SetItemIndex(1);
    return group;
  });
}

}  // namespace

TReachTable ExtCtrlsAReach() {
  TReachTable t;
  t["TShape"] = ShapeEntry();
  t["TPaintBox"] = Graphic<host::TPaintBox>();
  t["TPaintBox"].Events.insert({"OnPaint", NotifyOf(&host::TPaintBox::OnPaint)});
  t["TImage"] = ImageEntry();
  t["TBevel"] = Graphic<host::TBevel>();
  t["TTimer"] = ComponentReach([](TReachWorld& w) { return w.Owned<host::TTimer>(); });
  t["TTimer"].Events.insert({"OnTimer", NotifyOf(&host::TTimer::OnTimer)});
  t["TCustomPanel"] = Windowed<host::TPanel>();
  t["TPanel"] = Windowed<host::TPanel>();
  t["TCustomRadioGroup"] = RadioGroupEntry();
  t["TRadioGroup"] = RadioGroupEntry();
  for (auto& [name, entry] : t) entry.Calls = RootCalls() + entry.Calls;
  return t;
}

namespace {

TEST(KelextctrlsAReach, EveryDescriptorOfTheGroupReachesEveryDeclaredFeature) {
  WalkUnit(ExtCtrlsAReach(), TkelExtCtrlsShapesPanelsDescriptors{});
}

}  // namespace
}  // namespace kel::test
