// Reachability of the action descriptors: one table entry per class.
#include "descriptors/kelactnlist.h"
#include "tests/descriptors/reach_walker.h"

namespace kel::test {
namespace {

using host::TAction;
using host::TBasicAction;
using host::TCustomAction;
using host::TCustomActionList;

// A list owned by the world's root holding two actions (A1 with Ctrl+A).
TCustomActionList* ListOfTwo(TReachWorld& w, bool published) {
  TCustomActionList* list = published ? w.Owned<host::TActionList>("Actions") : w.Owned<TCustomActionList>("Actions");
  for (const char* name : {"A1", "A2"}) w.Owned<TAction>(name)->SetActionList(list);
  host::As<TCustomAction>(list->GetActions(0))->SetShortCut(host::ShortCut('A', host::TShiftState{host::ssCtrl}));
  return list;
}

// The events every action inherits.
std::map<std::string, TReachEvent> BasicActionEvents() {
  return {{"OnChange", NotifyOf(&TBasicAction::OnChange)},
          {"OnExecute", NotifyOf(&TBasicAction::OnExecute)},
          {"OnUpdate", NotifyOf(&TBasicAction::OnUpdate)}};
}

// An action of a list: `make` gives it, given the list.
TReachClass ActionEntry(std::function<host::TComponent*(TReachWorld&, TCustomActionList*)> make) {
  TReachClass c = ComponentReach([make](TReachWorld& w) { return make(w, ListOfTwo(w, true)); });
  c.Events = BasicActionEvents();
  return c;
}

TReachClass CustomActionEntry(bool published) {
  TReachClass c = ActionEntry([published](TReachWorld& w, TCustomActionList* list) -> host::TComponent* {
    TCustomAction* a = published ? w.Owned<TAction>("Walked") : w.Owned<TCustomAction>("Walked");
    a->SetActionList(list);
    return a;
  });
  c.Calls = {{"DoHint", Args({Variant("a hint")})}};
  c.Events["OnHint"] =
      EventOf(&TCustomAction::OnHint, [](TCustomAction&) { return std::tuple(std::string("hint"), true); });
  return c;
}

TReachClass ActionListEntry(bool published) {
  TReachClass c = ComponentReach([published](TReachWorld& w) { return ListOfTwo(w, published); });
  c.Indexes["Actions"] = {Variant(0)};
  static TkelValue<host::TWMKey> key;
  key.Value().CharCode = 'A';
  key.Value().ShiftState = host::TShiftState{host::ssCtrl};
  c.Calls = {{"IsShortCut", Args({key.Address()})}};
  using L = TCustomActionList;
  auto withAction = [](L& l) { return std::tuple<TBasicAction*, bool>(l.GetActions(1), false); };
  c.Events = {{"OnChange", NotifyOf(&L::OnChange)},
              {"OnExecute", EventOf(&L::OnExecute, withAction)},
              {"OnUpdate", EventOf(&L::OnUpdate, withAction)}};
  return c;
}

TReachClass ActionLinkEntry() {
  TReachClass c;
  c.Make = [](TReachWorld& w) {
    auto* link = w.Make<host::TActionLink>(nullptr);
    link->SetAction(ListOfTwo(w, true)->GetActions(0));
    return link;
  };
  c.Events = {{"OnChange", NotifyOf(&host::TBasicActionLink::OnChange)}};
  return c;
}

}  // namespace

TReachTable ActnListReach() {
  TReachTable t;
  t["TContainedAction"] = ActionEntry([](TReachWorld& w, TCustomActionList* list) -> host::TComponent* {
    auto* a = w.Owned<host::TContainedAction>("Walked");
    a->SetActionList(list);
    return a;
  });
  t["TCustomActionList"] = ActionListEntry(false);
  t["TActionList"] = ActionListEntry(true);
  t["TCustomAction"] = CustomActionEntry(false);
  t["TAction"] = CustomActionEntry(true);
  t["TActionLink"] = ActionLinkEntry();
  for (auto& [name, entry] : t) entry.Calls = RootCalls() + entry.Calls;
  return t;
}

namespace {

TEST(KelactnlistReach, EveryDescriptorOfTheUnitReachesEveryDeclaredFeature) {
  WalkUnit(ActnListReach(), TkelActnListDescriptors{});
}

}  // namespace
}  // namespace kel::test
