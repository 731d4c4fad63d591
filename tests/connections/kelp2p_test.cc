// The property-to-property connection.
#include <string>
#include <tuple>
#include <vector>

#include "tests/connections/conn_test_classes.h"

namespace conntest {
namespace {

using PropertyToProperty = ConnFixture;

auto StateOf(TkelP2PConnection* c) {
  return std::make_tuple(c->GetSource(), c->GetTarget(), c->GetSourceProperty(), c->GetSourcePropertyIndex(),
                         c->GetSourceEvent(), c->GetTargetProperty(), c->GetTargetPropertyIndex(), c->GetTargetEvent());
}

TDial* NewDial(ConnFixture& f, const char* Name) {
  auto* dial = New<TDial>(f.Form.get());
  dial->SetName(Name);
  return dial;
}

TEST_F(PropertyToProperty, SettersRejectWithTheExactMessageAndKeepThePreviousValue) {
  using C = TkelP2PConnection;
  TkelP2PConnection* c = NewP2P("P2P1", nullptr, "", nullptr, "");
  EXPECT_EQ(c->GetSourcePropertyIndex(), VarArrayOf({Variant()}));
  EXPECT_EQ(c->GetTargetPropertyIndex(), VarArrayOf({Variant()}));
  // Per side: its name setters and index setter, and the problems each
  // reports without a component, then with a component but unknown names.
  const struct {
    std::string Role, Lower;
    void (C::*Property)(const std::string&);
    void (C::*Event)(const std::string&);
    void (C::*Index)(const Variant&);
  } sides[] = {{"Source", "source", &C::SetSourceProperty, &C::SetSourceEvent, &C::SetSourcePropertyIndex},
               {"Target", "target", &C::SetTargetProperty, &C::SetTargetEvent, &C::SetTargetPropertyIndex}};
  const auto rows = [&](bool linked) {
    std::vector<TRejected> result;
    for (const auto& s : sides) {
      const std::string unknown = "Unknown " + s.Role + " component";
      result.push_back(
          {[=] { (c->*s.Property)("Bogus"); },
           "Invalid " + s.Role + "Property value. " + (linked ? "Unknown " + s.Lower + " property" : unknown)});
      result.push_back({[=] { (c->*s.Event)("Bogus"); },
                        "Invalid " + s.Role + "Event value. " + (linked ? "Unknown " + s.Lower + " event" : unknown)});
      result.push_back(
          {[=] { (c->*s.Index)(VarArrayOf({1})); },
           "Invalid " + s.Role + "PropertyIndex value. " + (linked ? "Unknown " + s.Role + "Property" : unknown)});
    }
    return result;
  };
  const auto state = [c] { return StateOf(c); };
  ExpectRejected(rows(false), state);
  c->SetSource(Lamp1);
  c->SetTarget(Lamp2);
  ExpectRejected(rows(true), state);
  c->SetSourceProperty("Cells");
  c->SetTargetProperty("Items");
  ExpectRejected(
      {{[c] { c->SetSourcePropertyIndex(Variant(3)); }, "Invalid SourcePropertyIndex value. Value is not array"},
       {[c] {
          c->SetSourcePropertyIndex(VarArrayCreate({0, 1, 0, 1}));
        },
        "Invalid SourcePropertyIndex value. Invalid dimension count"},
       {[c] {
          c->SetTargetPropertyIndex(VarArrayOf({1, 2}));
        },
        "Invalid TargetPropertyIndex value. Invalid dimension size"}},
      state);
  c->SetSourceEvent("OnChange");
  c->SetTargetEvent("OnQuery");
  c->SetTargetPropertyIndex(VarArrayOf({2}));
  EXPECT_EQ(StateOf(c), std::make_tuple(static_cast<TComponent*>(Lamp1), static_cast<TComponent*>(Lamp2),
                                        std::string("Cells"), VarArrayCreate({0, 1}), std::string("OnChange"),
                                        std::string("Items"), VarArrayOf({2}), std::string("OnQuery")));
  c->SetTarget(Lamp3);  // a new Target empties the target names only
  EXPECT_EQ(c->GetTargetProperty() + c->GetTargetEvent(), "");
  EXPECT_EQ(c->GetSourceProperty(), "Cells");
}

TEST_F(PropertyToProperty, IndexArraysAreStreamedAsListsOfStrings) {
  TkelP2PConnection* c = NewP2P("P2P1", Lamp1, "", Lamp2, "");
  const std::string text = FormText(Form.get());
  EXPECT_NE(text.find("SourcePropertyIndexes"), std::string::npos);
  EXPECT_NE(text.find("TargetPropertyIndexes"), std::string::npos);
  TOwned<TConnForm> copy = RoundTrip(Form.get());
  EXPECT_EQ(Find<TkelP2PConnection>(copy.get(), "P2P1")->GetSourcePropertyIndex(), VarArrayOf({""}));
  c->SetSourceProperty("Caption");
  c->SetTargetProperty("Items");
  c->SetTargetPropertyIndex(VarArrayOf({2}));
  copy = RoundTrip(Form.get());
  auto* c2 = Find<TkelP2PConnection>(copy.get(), "P2P1");
  EXPECT_EQ(VarArrayHighBound(c2->GetSourcePropertyIndex(), 1), -1);
  EXPECT_EQ(c2->GetTargetPropertyIndex(), VarArrayOf({"2"}));
  EXPECT_EQ(c2->GetTargetProperty(), "Items");
}

TEST_F(PropertyToProperty, CopiesOnceOneWayAndBothWaysWithoutEcho) {
  NewDial(*this, "Dial1")->SetValue(7);
  NewDial(*this, "Dial2");
  Lamp1->SetCaption("first");
  NewP2P("Once", Lamp1, "Caption", Lamp2, "Caption");
  NewP2P("OneWay", Lamp1, "Level", Lamp3, "Level")->SetSourceEvent("OnChange");
  TkelP2PConnection* both =
      NewP2P("BothWays", Find<TDial>(Form.get(), "Dial1"), "Value", Find<TDial>(Form.get(), "Dial2"), "Value");
  both->SetSourceEvent("OnChange");
  both->SetTargetEvent("OnChange");
  EXPECT_EQ(Lamp2->GetCaption(), "");  // built in code: never connected
  TOwned<TConnForm> form = RoundTrip(Form.get());
  auto* lamp1 = Find<TLamp>(form.get(), "Lamp1");
  auto* dial1 = Find<TDial>(form.get(), "Dial1");
  auto* dial2 = Find<TDial>(form.get(), "Dial2");
  EXPECT_EQ(Find<TLamp>(form.get(), "Lamp2")->GetCaption(), "first");
  EXPECT_EQ(dial2->GetValue(), 7);
  lamp1->SetCaption("second");
  lamp1->SetLevel(5);
  lamp1->Change();
  EXPECT_EQ(Find<TLamp>(form.get(), "Lamp2")->GetCaption(), "first");
  EXPECT_EQ(Find<TLamp>(form.get(), "Lamp3")->GetLevel(), 5);
  Find<TLamp>(form.get(), "Lamp3")->SetLevel(9);
  Find<TLamp>(form.get(), "Lamp3")->Change();
  EXPECT_EQ(lamp1->GetLevel(), 5);
  const int writes1 = dial1->Writes, writes2 = dial2->Writes;
  dial1->SetValue(8);
  EXPECT_EQ(dial2->GetValue(), 8);
  dial2->SetValue(3);
  EXPECT_EQ(dial1->GetValue(), 3);
  EXPECT_EQ(dial1->Writes, writes1 + 2);  // its own and the copy, no echo
  EXPECT_EQ(dial2->Writes, writes2 + 2);
  EXPECT_FALSE(Find<TkelP2PConnection>(form.get(), "BothWays")->GetUpdating());
}

TEST_F(PropertyToProperty, AFailingCopyIsWrappedAndTheNextEventCopiesAgain) {
  TDial* dial = NewDial(*this, "Dial1");
  TkelP2PConnection* c = NewP2P("P2P1", Lamp1, "Level", dial, "Value");
  c->SetSourceEvent("OnChange");
  c->SetTargetEvent("OnChange");
  Lamp1->SetLevel(-3);
  EXPECT_EQ(RaisedMessage([c] { c->Connect(); }),
            "Exception \"Dial value -3 is below zero\" occured in connection P2P1");
  EXPECT_FALSE(c->GetUpdating());
  EXPECT_EQ(RaisedMessage([&] { Lamp1->Change(); }),
            "Exception \"Dial value -3 is below zero\" occured in connection P2P1");
  Lamp1->SetLevel(6);
  Lamp1->Change();
  EXPECT_EQ(dial->GetValue(), 6);
  // Firings from another object than the described one are ignored.
  Lamp1->SetLevel(2);
  c->SourcePropertyChange(Lamp2, nullptr);
  c->TargetPropertyChange(Lamp1, nullptr);
  EXPECT_EQ(dial->GetValue(), 6);
  EXPECT_EQ(Lamp1->GetLevel(), 2);
  c->TargetPropertyChange(dial, nullptr);
  EXPECT_EQ(Lamp1->GetLevel(), 6);
  // In the designer nothing is copied.
  c->SetDesigning(true);
  Lamp1->SetLevel(1);
  c->SourcePropertyChange(Lamp1, nullptr);
  EXPECT_TRUE(c->Connect());
  EXPECT_EQ(dial->GetValue(), 6);
}

TEST_F(PropertyToProperty, DiagnoseAndTrace) {
  TDial* dial = NewDial(*this, "Dial1");
  TkelP2PConnection* c = NewP2P("P2P1", Lamp1, "", nullptr, "");
  c->SetStateFlag(csLoading, true);
  c->SetSourceProperty("Bogus");
  c->SetSourceEvent("OnBogus");
  c->SetStateFlag(csLoading, false);
  EXPECT_EQ(c->Diagnose(),
            (std::vector<std::string>{"Target is not set", "SourceProperty 'Bogus' is not a property of Lamp1",
                                      "SourceEvent 'OnBogus' is not an event of Lamp1"}));
  EXPECT_FALSE(c->Connect());
  c->SetSourceProperty("Level");
  c->SetSourceEvent("OnChange");
  c->SetTarget(dial);
  c->SetTargetProperty("Value");
  c->SetTargetEvent("OnChange");
  EXPECT_TRUE(c->Diagnose().empty());
  Lamp1->SetLevel(2);
  std::vector<std::tuple<TObject*, std::string, TObject*, std::string, Variant>> entries;
  TkelTraceProc previous = kelSetTraceProc(
      [&](const TkelTraceEntry& e) {
        if (e.Kind == tkConnection) entries.emplace_back(e.Source, e.Event, e.Target, e.Feature, e.Values.at(0));
      });
  ASSERT_TRUE(c->Connect());
  Lamp1->SetLevel(3);
  Lamp1->Change();
  dial->SetValue(4);
  kelSetTraceProc(previous);
  using E = decltype(entries)::value_type;
  EXPECT_EQ(entries, (decltype(entries){E{Lamp1, "Connect", dial, "Value", Variant(2)},
                                        E{Lamp1, "OnChange", dial, "Value", Variant(3)},
                                        E{dial, "OnChange", Lamp1, "Level", Variant(4)}}));
  dial->SetValue(5);
  EXPECT_EQ(entries.size(), 3u);
  EXPECT_EQ(Lamp1->GetLevel(), 5);
}

}  // namespace
}  // namespace conntest
