// Behaviour of the action descriptors: Handled and the hint travel back to
// the host through the hooks, short-cut messages by address, actions as
// references.
#include "descriptors/kelactnlist.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/descriptors/descriptor_test_support.h"

namespace kel::test {
namespace {

using host::TAction;
using host::TActionList;
using host::TBasicAction;
using host::TObject;
using host::Variant;

// A form owning an action list with two actions, "A1" (Ctrl+A) and "A2";
// A1 counts the runs of its own OnExecute handler.
struct TActionForm {
  TActionForm() {
    for (TAction* a : {first, second}) a->SetActionList(list);
    first->SetName("A1");
    second->SetName("A2");
    first->SetShortCut(host::ShortCut('A', host::TShiftState{host::ssCtrl}));
    first->OnExecute = [this](TObject*) { ++ownRuns; };
  }
  host::TOwned<host::TComponent> form = host::MakeOwned<host::TComponent>(nullptr);
  TActionList* list = host::New<TActionList>(form.get());
  TAction* first = host::New<TAction>(form.get());
  TAction* second = host::New<TAction>(form.get());
  int ownRuns = 0;
};

TEST(ActionDescriptors, ListenersDecideWhetherTheListHandlesAnAction) {
  TActionForm f;
  int savedRuns = 0;
  // Installed before hooking; what it sets in Handled is replaced by what the listeners leave.
  f.list->OnExecute = [&savedRuns](TBasicAction*, bool& handled) {
    ++savedRuns;
    handled = true;
  };
  TkelClassInfo* d = Describe(f.list);
  TTestListeners listeners;
  bool claim = false;
  std::vector<Variant> seen;
  listeners.On(d, "OnExecute", [&](TkelEventInfo& e) {
    seen = {e.GetArgs(0)->Value, e.GetArgs(1)->Value};
    e.GetArgs(1)->Value = Variant(claim);
  });
  EXPECT_TRUE(f.first->Execute());
  EXPECT_EQ(savedRuns, 1);
  EXPECT_EQ(f.ownRuns, 1);  // the list did not handle it: the action's own handler ran
  EXPECT_EQ(seen, (std::vector<Variant>{Addr(f.first), Variant(false)}));

  claim = true;
  EXPECT_TRUE(f.first->Execute());
  EXPECT_EQ(savedRuns, 2);
  EXPECT_EQ(f.ownRuns, 1);  // handled by the list's listener
  EXPECT_TRUE(f.list->ExecuteAction(f.second));
}

TEST(ActionDescriptors, AHintListenerHandsItsStringAndVerdictBack) {
  TActionForm f;
  f.first->OnHint = [](std::string& hint, bool&) { hint = "from the saved handler"; };
  TkelClassInfo* d = Describe(f.first);
  TTestListeners listeners;
  Variant heard;
  listeners.On(d, "OnHint", [&](TkelEventInfo& e) {
    heard = e.GetArgs(0)->Value;
    if (heard == Variant("keep")) return;
    e.GetArgs(0)->Value = Variant("from the listener");
    e.GetArgs(1)->Value = Variant(false);
  });
  std::string hint = "original";
  EXPECT_FALSE(f.first->DoHint(hint));
  EXPECT_EQ(heard, Variant("original"));  // stored before the saved handler ran
  EXPECT_EQ(hint, "from the listener");

  // Through the descriptor: the string comes back in the argument, the verdict in Result.
  TkelMethodInfo* m = Invoke(d, "DoHint", {Variant("asked")});
  EXPECT_EQ(m->GetArgs(0)->Value, Variant("from the listener"));
  EXPECT_EQ(m->Result, Variant(false));
  // A listener that leaves the records: the saved handler's change is replaced by the string as it came.
  m = Invoke(d, "DoHint", {Variant("keep")});
  EXPECT_EQ(m->GetArgs(0)->Value, Variant("keep"));
  EXPECT_EQ(m->Result, Variant(true));
}

TEST(ActionDescriptors, IsShortCutWorksOnTheKeyMessageAtItsAddress) {
  TActionForm f;
  TkelClassInfo* d = Describe(f.list);
  TkelValue<host::TWMKey> key;
  key.Value().CharCode = 'A';
  key.Value().ShiftState = host::TShiftState{host::ssCtrl};
  TkelMethodInfo* m = Invoke(d, "IsShortCut", {key.Address()});
  EXPECT_EQ(m->Result, Variant(true));
  EXPECT_EQ(m->GetArgs(0)->Value, key.Address());  // the same record
  EXPECT_EQ(f.ownRuns, 1);
  key.Value().CharCode = 'B';
  EXPECT_EQ(Invoke(d, "IsShortCut", {key.Address()})->Result, Variant(false));

  // A record the library did not hand out, one too small for a key message
  // and no address at all are refused before the list looks at a key.
  host::TWMKey loose = key.Value();
  loose.CharCode = 'A';
  const TkelValue<host::TPoint> small;
  EXPECT_THROW(Invoke(d, "IsShortCut", {Addr(&loose)}), host::EInvalidCast);
  EXPECT_THROW(Invoke(d, "IsShortCut", {small.Address()}), host::EInvalidCast);
  EXPECT_THROW(Invoke(d, "IsShortCut", {Variant(0)}), host::Exception);
  EXPECT_EQ(f.ownRuns, 1);
}

TEST(ActionDescriptors, ActionsAreReferencesAndAWrongIndexOrObjectChangesNothing) {
  TActionForm f;
  f.second->SetCaption("Second");
  TkelClassInfo* d = Describe(f.list);
  EXPECT_EQ(Read(d, "Actions", {Variant(1)}), Addr(f.second));
  EXPECT_EQ(Read(d, "ActionCount"), Variant(2));
  EXPECT_EQ(MessageOf([&] { Read(d, "Actions", {Variant(2)}); }), "List index out of bounds (2)");
  // Writing an action assigns its properties to the one at the index.
  Write(d, "Actions", Addr(f.second), {Variant(0)});
  EXPECT_EQ(f.first->GetCaption(), "Second");
  f.second->SetCaption("Later");
  EXPECT_THROW(Write(d, "Actions", Addr(f.list), {Variant(0)}), host::EInvalidCast);  // not an action
  EXPECT_EQ(MessageOf([&] { Write(d, "Actions", Addr(f.second), {Variant(5)}); }), "List index out of bounds (5)");
  EXPECT_EQ(f.first->GetCaption(), "Second");
  EXPECT_EQ(f.list->GetActionCount(), 2);
}

TEST(ActionDescriptors, AnActionMovesWithinAndBetweenListsThroughItsDescriptor) {
  TActionForm f;
  auto* other = host::New<TActionList>(f.form.get());
  TkelClassInfo* d = Describe(f.second);
  Write(d, "Index", Variant(0));
  EXPECT_EQ(f.list->GetActions(0), f.second);
  Write(d, "ActionList", Addr(other));
  EXPECT_EQ(f.list->GetActionCount(), 1);
  EXPECT_EQ(other->GetActions(0), f.second);
  EXPECT_EQ(Read(d, "ActionList"), Addr(other));
  // A component that is no action list is refused; the action stays where it is.
  EXPECT_THROW(Write(d, "ActionList", Addr(f.form.get())), host::EInvalidCast);
  EXPECT_EQ(f.second->GetActionList(), other);
  Write(d, "Caption", Variant("&Save"));
  Write(d, "ShortCut", Variant(host::ShortCut('S', host::TShiftState{host::ssCtrl})));
  EXPECT_EQ(f.second->GetCaption(), "&Save");
  EXPECT_EQ(Read(d, "ShortCut"), Variant(int32_t{host::ShortCut('S', host::TShiftState{host::ssCtrl})}));
}

}  // namespace
}  // namespace kel::test
