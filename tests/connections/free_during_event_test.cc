// Freeing while an event is being relayed: a connection's action may free
// the form it belongs to, its own list, or its own source; whatever is still
// running stops touching what went away (the sanitizers check that), and
// what is left keeps working.
#include "tests/connections/conn_test_classes.h"

namespace conntest {
namespace {

using FreeDuringEvent = ConnFixture;

TEST_F(FreeDuringEvent, AConnectionMayFreeTheFormItBelongsTo) {
  // A plain component as the form (a described class), owning an action,
  // a lamp, a list and two connections of the action's event.
  TComponent* form = New<TComponent>(nullptr);
  auto* action = New<TBasicAction>(form);
  auto* lamp = New<TLamp>(form);
  auto* list = New<TkelConnectionList>(form);
  for (auto [target, method] : {std::pair<TComponent*, const char*>{form, "Free"}, {lamp, "Clear"}}) {
    auto* c = New<TkelE2MConnection>(form);
    c->SetConnectionList(list);
    c->SetSource(action);
    c->SetSourceEvent("OnExecute");
    c->SetTarget(target);
    c->SetTargetMethod(method);
    ASSERT_TRUE(c->Connect());
  }
  // The first frees everything; the second is never reached.
  lamp->Log = {"kept"};
  EXPECT_TRUE(action->Execute());
  EXPECT_FALSE(IsLiveObject(form));
  EXPECT_FALSE(IsLiveObject(action));
}

TEST_F(FreeDuringEvent, AHandlerMayFreeTheListWhileTheListenersAreCalled) {
  // The lamp's own handler runs before the listeners and frees the list:
  // the connections it held go, and none of them acts afterwards.
  ASSERT_TRUE(NewE2M("One", Lamp1, "OnChange", Lamp2, "Clear")->Connect());
  ASSERT_TRUE(NewE2M("Two", Lamp1, "OnChange", Lamp3, "Clear")->Connect());
  Lamp1->OnChange = TNotifyEvent([this](TObject*) { List->Free(); });
  Lamp2->Log = Lamp3->Log = {"kept"};
  Lamp1->Change();
  EXPECT_EQ(Form->FindComponent("One"), nullptr);
  EXPECT_EQ(Lamp2->Log, std::vector<std::string>{"kept"});
  EXPECT_EQ(Lamp3->Log, std::vector<std::string>{"kept"});
}

TEST_F(FreeDuringEvent, AConnectionMayFreeItsSource) {
  // A lamp whose own method frees it, called by a connection of its event.
  ASSERT_TRUE(NewE2M("Vanish", Lamp3, "OnChange", Lamp3, "Vanish")->Connect());
  ASSERT_TRUE(NewE2M("After", Lamp3, "OnChange", Lamp2, "Clear")->Connect());
  Lamp3->Change();
  EXPECT_EQ(Form->FindComponent("Lamp3"), nullptr);
  EXPECT_EQ(Form->FindComponent("Vanish")->ClassName(), "TkelE2MConnection");  // unhooked, still there
  EXPECT_EQ(As<TkelE2MConnection>(Form->FindComponent("Vanish"))->GetSource(), nullptr);
}

// A connection moved into another component's ownership still learns when
// its source goes (the move does not cut its links), so freeing the form
// afterwards touches nothing that is gone.
TEST_F(FreeDuringEvent, AConnectionMovedToAnotherOwnerStillHearsItsSourceGo) {
  TkelE2MConnection* moved = NewE2M("Moved", Lamp1, "OnChange", Lamp2, "Clear");
  ASSERT_TRUE(moved->Connect());
  Action->InsertComponent(moved);
  Lamp2->Log = {"x"};
  Lamp1->Change();  // still connected after the move
  EXPECT_TRUE(Lamp2->Log.empty());
  Lamp1->Free();
  EXPECT_EQ(moved->GetSource(), nullptr);
  Form.reset();  // frees the action, and the connection with it
}

}  // namespace
}  // namespace conntest
