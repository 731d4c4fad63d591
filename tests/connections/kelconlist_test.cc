// The connection base and the connection list.
#include <string>
#include <vector>

#include "tests/connections/conn_test_classes.h"

namespace conntest {
namespace {

// Counts Unconnect calls.
class TCountingE2M : public TkelE2MConnection {
  HOST_CLASS(TCountingE2M, TkelE2MConnection)
  explicit TCountingE2M(TComponent* AOwner) : TkelE2MConnection(AOwner) {}
  void Unconnect() override {
    ++Unconnects;
    inherited::Unconnect();
  }
  int Unconnects = 0;

 protected:
  ~TCountingE2M() override = default;
};
HOST_IMPL(TCountingE2M, TkelE2MConnection)

// Binds Combine's parameters: Prefix the constant, Value "v", Sender from
// the event; each firing logs "<prefix>v@<sender class>" on the target.
void BindCombine(TkelE2MConnection* c, const std::string& prefix) {
  ConnFixture::Binding(c, "Prefix")->SetConstant(prefix);
  ConnFixture::Binding(c, "Value")->SetConstant("v");
  ConnFixture::BindEvent(c, "Sender", "Sender");
}

using ConnectionBase = ConnFixture;

TEST_F(ConnectionBase, AcceptanceCheckRefusesUnregisteredClassesAndKeepsTheReference) {
  TkelE2MConnection* c = NewE2M("E2M1", Lamp1, "OnChange", Lamp2, "Combine");
  auto* child = New<TLampChild>(Form.get());
  const TE2MState before = StateOf(c);
  EXPECT_EQ(RaisedMessage([&] { c->SetSource(child); }), "This is a not Corvane component!");
  EXPECT_EQ(RaisedMessage([&] { c->SetTarget(Form.get()); }), "This is a not Corvane component!");
  EXPECT_EQ(RaisedMessage<EkelInvalidFeature>([&] { c->SetTarget(child); }),
            "<other exception: This is a not Corvane component!>");
  EXPECT_EQ(StateOf(c), before);  // nothing was reset
  TkelParameterConnection* b = Binding(c, "Value");
  b->SetComponent(Lamp3);
  EXPECT_EQ(RaisedMessage([&] { b->SetComponent(child); }), "This is a not Corvane component!");
  EXPECT_EQ(b->GetComponent(), Lamp3);
  // The registered exact class and the empty reference pass.
  c->SetSource(nullptr);
  EXPECT_EQ(c->GetSource(), nullptr);
  c->SetSource(Action);
  EXPECT_EQ(c->GetSource(), Action);
  EXPECT_EQ(c->GetSourceInfo()->GetOwner(), Action);
}

TEST_F(ConnectionBase, ReplacingAReferenceResetsTheNamesThatDependOnIt) {
  TkelE2MConnection* c = NewE2M("E2M1", Lamp1, "OnQuery", Lamp2, "Combine");
  Binding(c, "Value")->SetEventParameter("Text");
  // Another component of the same class still clears the source names.
  c->SetSource(Lamp3);
  EXPECT_EQ(c->GetSourceEvent(), "");
  EXPECT_EQ(Binding(c, "Value")->GetEventParameter(), "");
  EXPECT_EQ(c->GetTargetMethod(), "Combine");
  EXPECT_EQ(c->GetTargetMethodParameters()->GetCount(), 3);
  // Setting a reference that was empty clears nothing.
  TkelE2MConnection* fresh = NewE2M("E2M2", nullptr, "OnQuery", nullptr, "Combine");
  fresh->SetSource(Lamp1);
  EXPECT_EQ(fresh->GetSourceEvent(), "OnQuery");
  // A new Target empties TargetMethod and the bindings.
  c->SetTarget(Lamp3);
  EXPECT_EQ(c->GetTargetMethod(), "");
  EXPECT_EQ(c->GetTargetMethodParameters()->GetCount(), 0);
  EXPECT_EQ(c->GetTargetInfo()->GetOwner(), Lamp3);
}

TEST_F(ConnectionBase, AReplacedSourceKeepsNoListenerAndNothingReconnects) {
  TkelE2MConnection* c = NewE2M("E2M1", Lamp1, "OnChange", Lamp2, "Combine");
  BindCombine(c, "a");
  ASSERT_TRUE(c->Connect());
  Lamp1->Change();
  EXPECT_EQ(Lamp2->Log, std::vector<std::string>{"av@TLamp"});
  c->SetSource(Lamp3);
  c->SetSourceEvent("OnChange");
  Lamp1->Change();
  Lamp3->Change();
  EXPECT_EQ(Lamp2->Log.size(), 1u);  // detached from Lamp1, not attached to Lamp3
  EXPECT_TRUE(c->Connect());
  // The new source emptied the event-parameter binding: the firing says so.
  EXPECT_EQ(RaisedMessage([&] { Lamp3->Change(); }),
            "Connection E2M1: parameter binding 'Sender' has no event parameter");
  EXPECT_EQ(Lamp2->Log.size(), 1u);
  Binding(c, "Sender")->SetEventParameter("Sender");
  Lamp3->Change();
  EXPECT_EQ(Lamp2->Log.size(), 2u);
}

TEST_F(ConnectionBase, IndexMovesWithinTheListAndClamps) {
  TkelE2MConnection* a = NewE2M("A", nullptr, "", nullptr, "");
  TkelE2MConnection* b = NewE2M("B", nullptr, "", nullptr, "");
  TkelE2MConnection* c = NewE2M("C", nullptr, "", nullptr, "");
  TkelE2MConnection* loose = NewE2M("Loose", nullptr, "", nullptr, "", false);
  EXPECT_EQ(c->GetIndex(), 2);
  c->SetIndex(-5);
  EXPECT_EQ(List->GetConnection(0), c);
  EXPECT_EQ(a->GetIndex(), 1);
  c->SetIndex(99);
  EXPECT_EQ(c->GetIndex(), 2);
  EXPECT_EQ(b->GetIndex(), 1);
  List->SetChildOrder(a, 2);
  EXPECT_EQ(List->GetConnection(2), a);
  List->SetChildOrder(loose, 0);  // not in the list: nothing moves
  EXPECT_EQ(List->GetConnection(0), b);
  EXPECT_EQ(loose->GetIndex(), -1);
  loose->SetIndex(0);
  EXPECT_EQ(loose->GetIndex(), -1);
  EXPECT_EQ(List->GetConnectionCount(), 3);
  // Moving between lists keeps a connection in exactly one list.
  auto* other = New<TkelConnectionList>(Form.get());
  b->SetConnectionList(other);
  EXPECT_EQ(List->GetConnectionCount(), 2);
  EXPECT_EQ(other->GetConnection(0), b);
  EXPECT_TRUE(b->HasParent());
  EXPECT_EQ(b->GetParentComponent(), other);
  EXPECT_FALSE(loose->HasParent());
  EXPECT_EQ(RaisedMessage<EListError>([&] { List->GetConnection(2); }), "List index out of bounds (2)");
}

TEST_F(ConnectionBase, RemovalNotificationsClearReferences) {
  auto* c = New<TCountingE2M>(Form.get());
  c->SetSource(Lamp1);
  c->SetSourceEvent("OnChange");
  c->SetTarget(Lamp1);
  c->SetTargetMethod("Combine");
  ASSERT_TRUE(c->Connect());
  Lamp3->Free();  // unrelated: nothing happens
  EXPECT_EQ(c->Unconnects, 0);
  EXPECT_EQ(c->GetTargetMethodParameters()->GetCount(), 3);
  Lamp1->Free();  // both Source and Target
  EXPECT_EQ(c->Unconnects, 2);
  EXPECT_EQ(c->GetSource(), nullptr);
  EXPECT_EQ(c->GetTarget(), nullptr);
  EXPECT_EQ(c->GetSourceEvent(), "");
  EXPECT_EQ(c->GetTargetMethod(), "");
  EXPECT_EQ(c->GetTargetMethodParameters()->GetCount(), 0);
  EXPECT_EQ(c->GetSourceInfo(), nullptr);
}

TEST_F(ConnectionBase, ListAndConnectionsFreeEachOtherCleanly) {
  TkelE2MConnection* a = NewE2M("A", Lamp1, "OnChange", Lamp2, "Combine");
  NewE2M("B", Lamp1, "OnChange", Lamp2, "Clear");
  BindCombine(a, "a");
  a->Connect();
  const int components = Form->GetComponentCount();
  a->Free();
  EXPECT_EQ(List->GetConnectionCount(), 1);
  Lamp1->Change();  // the freed connection's listener is gone
  EXPECT_TRUE(Lamp2->Log.empty());
  List->Free();  // frees B as well
  EXPECT_EQ(Form->GetComponentCount(), components - 3);
  EXPECT_EQ(Form->FindComponent("B"), nullptr);
}

TEST_F(ConnectionBase, GetChildrenListsOnlyConnectionsOwnedByRoot) {
  NewE2M("A", nullptr, "", nullptr, "");
  TOwned<TConnForm> otherRoot = MakeOwned<TConnForm>(nullptr);
  auto* foreign = New<TkelE2MConnection>(otherRoot.get());
  foreign->SetConnectionList(List);
  std::vector<TComponent*> seen;
  List->GetChildren(TGetChildProc([&](TComponent* c) { seen.push_back(c); }), Form.get());
  EXPECT_EQ(seen, std::vector<TComponent*>{Form->FindComponent("A")});
  seen.clear();
  List->GetChildren(TGetChildProc([&](TComponent* c) { seen.push_back(c); }), otherRoot.get());
  EXPECT_EQ(seen, std::vector<TComponent*>{foreign});
  foreign->Free();
}

TEST_F(ConnectionBase, LoadedConnectsInListOrderAtRunTimeOnly) {
  BindCombine(NewE2M("First", Action, "OnExecute", Lamp2, "Combine"), "1:");
  BindCombine(NewE2M("Second", Action, "OnExecute", Lamp2, "Combine"), "2:");
  NewE2M("Broken", Action, "OnExecute", Lamp2, "NoSuchMethod");  // loads quietly, stays unconnected
  Find<TkelE2MConnection>(Form.get(), "Second")->SetIndex(0);
  Action->Execute();
  EXPECT_TRUE(Lamp2->Log.empty());  // built in code: never connected

  TOwned<TConnForm> running = RoundTrip(Form.get());
  auto* list = Find<TkelConnectionList>(running.get(), "List1");
  ASSERT_EQ(list->GetConnectionCount(), 3);
  EXPECT_EQ(list->GetConnection(0)->GetName(), "Second");
  Find<TBasicAction>(running.get(), "Action1")->Execute();
  EXPECT_EQ(Find<TLamp>(running.get(), "Lamp2")->Log,
            (std::vector<std::string>{"2:v@TBasicAction", "1:v@TBasicAction"}));
  EXPECT_EQ(list->GetConnection(2)->Connect(), false);

  TOwned<TConnForm> designed = RoundTrip(Form.get(), true);
  Find<TBasicAction>(designed.get(), "Action1")->Execute();
  EXPECT_TRUE(Find<TLamp>(designed.get(), "Lamp2")->Log.empty());
  // In the designer Connect reports success without attaching.
  EXPECT_TRUE(Find<TkelE2MConnection>(designed.get(), "First")->Connect());
  Find<TBasicAction>(designed.get(), "Action1")->Execute();
  EXPECT_TRUE(Find<TLamp>(designed.get(), "Lamp2")->Log.empty());
}

}  // namespace
}  // namespace conntest
