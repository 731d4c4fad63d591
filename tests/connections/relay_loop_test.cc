// Connections that trigger each other without end: the relay stops with an
// error naming the connection and the event, the stack survives, and the
// form works afterwards.
#include "tests/connections/conn_test_classes.h"

namespace conntest {
namespace {

using RelayLoop = ConnFixture;

std::string LoopMessage(const char* connection, const char* event) {
  return "Connection " + std::string(connection) + ": relaying " + event +
         " nests connections more than 64 deep; do connections trigger each other without end?";
}

TEST_F(RelayLoop, AnEventCallingItsOwnTriggerEndsInAnError) {
  TkelE2MConnection* self = NewE2M("Again", Action, "OnExecute", Action, "Execute");
  ASSERT_TRUE(self->Connect());
  EXPECT_EQ(RaisedMessage<EkelRelayLoop>([&] { Action->Execute(); }), LoopMessage("Again", "Action1.OnExecute"));
  // The form is still usable: a relay that ends works.
  self->Free();
  TkelE2MConnection* log = NewE2M("Log", Action, "OnExecute", Lamp1, "Clear");
  ASSERT_TRUE(log->Connect());
  Lamp1->Log = {"x"};
  EXPECT_TRUE(Action->Execute());
  EXPECT_TRUE(Lamp1->Log.empty());
}

TEST_F(RelayLoop, TwoConnectionsCallingEachOtherEndInAnError) {
  auto* other = New<TBasicAction>(Form.get());
  other->SetName("Action2");
  ASSERT_TRUE(NewE2M("There", Action, "OnExecute", other, "Execute")->Connect());
  ASSERT_TRUE(NewE2M("Back", other, "OnExecute", Action, "Execute")->Connect());
  // The first relay counts as the first level: the 65th is refused.
  EXPECT_EQ(RaisedMessage<EkelRelayLoop>([&] { Action->Execute(); }), LoopMessage("There", "Action1.OnExecute"));
  EXPECT_EQ(RaisedMessage<EkelRelayLoop>([&] { other->Execute(); }), LoopMessage("Back", "Action2.OnExecute"));
}

// The check before run time: a relay whose target method fires, through a
// chain of connected relays, its own source event again.
TEST_F(RelayLoop, DiagnoseFollowsTheChainOfRelays) {
  auto* second = New<TBasicAction>(Form.get());
  second->SetName("Action2");
  auto* third = New<TBasicAction>(Form.get());
  third->SetName("Action3");
  TkelE2MConnection* there = NewE2M("There", Action, "OnExecute", second, "Execute");
  TkelE2MConnection* aside = NewE2M("Aside", second, "OnExecute", Lamp1, "Clear");
  TkelE2MConnection* on = NewE2M("On", second, "OnExecute", third, "Execute");
  TkelE2MConnection* back = NewE2M("Back", third, "OnExecute", Action, "Execute");
  EXPECT_EQ(
      there->Diagnose(),
      std::vector<std::string>{"TargetMethod 'Execute' fires Action2.OnExecute, which On relays to Action3.Execute, "
                               "which Back relays to Action1.Execute, which fires SourceEvent 'OnExecute' again, so "
                               "the relay would never end"});
  EXPECT_EQ(back->Diagnose().size(), 1u);
  EXPECT_TRUE(aside->Diagnose().empty());
  // A link outside every connection list never relays, so it breaks no loop
  // into being; nor does the chain count for a connection outside a list.
  on->SetConnectionList(nullptr);
  EXPECT_TRUE(there->Diagnose().empty());
  EXPECT_TRUE(on->Diagnose().empty());
  on->SetConnectionList(List);
  EXPECT_EQ(on->Diagnose().size(), 1u);
}

TEST_F(RelayLoop, APropertyAssignmentThatFiresItsOwnEventEndsInAnError) {
  auto* dial = New<TDial>(Form.get());
  dial->SetName("Dial1");
  // The dial's setter fires OnChange, which sets the dial again.
  TkelE2PConnection* echo = NewE2P("Echo", dial, "OnChange", dial, "Value");
  echo->SetValueConstant("7");
  ASSERT_TRUE(echo->Connect());
  EXPECT_EQ(RaisedMessage<EkelRelayLoop>([&] { dial->SetValue(1); }), LoopMessage("Echo", "Dial1.OnChange"));
  EXPECT_EQ(dial->Writes, 65);  // the first write, then one per relay that ran
  // Nothing is left counting: the next change relays normally.
  echo->Free();
  auto* mirror = New<TDial>(Form.get());
  mirror->SetName("Dial2");
  TkelP2PConnection* link = NewP2P("Link", dial, "Value", mirror, "Value");
  link->SetSourceEvent("OnChange");
  ASSERT_TRUE(link->Connect());
  dial->SetValue(5);
  EXPECT_EQ(mirror->GetValue(), 5);
  // A loop started by the link's copy reaches the caller as the loop error,
  // not wrapped in the link's copy failure.
  TkelE2PConnection* spin = NewE2P("Spin", mirror, "OnChange", mirror, "Value");
  spin->SetValueConstant("8");
  ASSERT_TRUE(spin->Connect());
  EXPECT_EQ(RaisedMessage<EkelRelayLoop>([&] { dial->SetValue(6); }), LoopMessage("Spin", "Dial2.OnChange"));
  spin->Free();
  dial->SetValue(9);  // the link was left ready to copy again
  EXPECT_EQ(mirror->GetValue(), 9);
}

}  // namespace
}  // namespace conntest
