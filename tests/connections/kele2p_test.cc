// The event-to-property connection.
#include <string>
#include <tuple>
#include <vector>

#include "tests/connections/conn_test_classes.h"

namespace conntest {
namespace {

using EventToProperty = ConnFixture;

auto StateOf(TkelE2PConnection* c) {
  return std::make_tuple(c->GetSource(), c->GetTarget(), c->GetValueComponent(), c->GetSourceEvent(),
                         c->GetTargetProperty(), c->GetTargetPropertyIndex(), c->GetValueComponentProperty(),
                         c->GetValueComponentPropertyIndex(), c->GetValueEventParameter());
}

TEST_F(EventToProperty, SettersRejectWithTheExactMessageAndKeepThePreviousValue) {
  TkelE2PConnection* c = NewE2P("E2P1", nullptr, "", nullptr, "");
  const auto state = [c] { return StateOf(c); };
  const auto all = [c](const std::string& name, const Variant& index) {
    return std::vector<TRejected>{
        {[=] { c->SetSourceEvent(name); }, "Invalid SourceEvent value. "},
        {[=] { c->SetTargetProperty(name); }, "Invalid TargetProperty value. "},
        {[=] { c->SetTargetPropertyIndex(index); }, "Invalid TargetPropertyIndex value. "},
        {[=] { c->SetValueComponentProperty(name); }, "Invalid ValueComponentProperty value. "},
        {[=] { c->SetValueComponentPropertyIndex(index); }, "Invalid ValueComponentPropertyIndex value. "},
        {[=] { c->SetValueEventParameter(name); }, "Invalid ValueEventParameter value. "}};
  };
  const auto withProblems = [](std::vector<TRejected> rows, const std::vector<std::string>& problems) {
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].Message += problems[i];
    return rows;
  };
  ExpectRejected(
      withProblems(all("Bogus", VarArrayOf({1})), {"Unknown Source component", "Unknown Target component",
                                                   "Unknown Target component", "Unknown ValueComponent component",
                                                   "Unknown ValueComponent component", "Unknown source component"}),
      state);
  c->SetSource(Lamp1);
  c->SetTarget(Lamp2);
  c->SetValueComponent(Lamp3);
  ExpectRejected(withProblems(all("Bogus", VarArrayOf({1})),
                              {"Unknown source event", "Unknown target property", "Unknown TargetProperty",
                               "Unknown source property", "Unknown ValueComponentProperty", "Unknown SourceEvent"}),
                 state);
  c->SetSourceEvent("OnQuery");
  c->SetTargetProperty("Items");
  c->SetValueComponentProperty("Cells");
  EXPECT_EQ(c->GetTargetPropertyIndex(), VarArrayOf({Variant()}));
  EXPECT_EQ(VarArrayHighBound(c->GetValueComponentPropertyIndex(), 1), 1);
  ExpectRejected(
      {{[c] { c->SetValueEventParameter("Nope"); }, "Invalid ValueEventParameter value. Unknown event parameter name"},
       {[c] { c->SetTargetPropertyIndex(Variant(3)); }, "Invalid TargetPropertyIndex value. Value is not array"},
       {[c] {
          c->SetTargetPropertyIndex(VarArrayCreate({0, 1, 0, 1}));
        },
        "Invalid TargetPropertyIndex value. Invalid dimension count"},
       {[c] {
          c->SetValueComponentPropertyIndex(VarArrayOf({1, 2, 3}));
        },
        "Invalid ValueComponentPropertyIndex value. Invalid dimension size"}},
      state);
  // The positive twins: each change is taken.
  c->SetValueEventParameter("Text");
  c->SetValueComponentPropertyIndex(VarArrayOf({4, 5}));
  EXPECT_EQ(c->GetValueEventParameter(), "Text");
  EXPECT_EQ(c->GetValueComponentPropertyIndex(), VarArrayOf({4, 5}));
  // Another SourceEvent empties the event parameter, even when rejected.
  EXPECT_EQ(RaisedMessage<EkelInvalidFeature>([c] { c->SetSourceEvent("OnBogus"); }),
            "Invalid SourceEvent value. Unknown source event");
  EXPECT_EQ(c->GetSourceEvent(), "OnQuery");
  EXPECT_EQ(c->GetValueEventParameter(), "");
  // While loading nothing is checked.
  c->SetStateFlag(csLoading, true);
  c->SetTargetProperty("Bogus");
  c->SetTargetPropertyIndex(Variant(1));
  EXPECT_EQ(c->GetTargetProperty(), "Bogus");
  EXPECT_EQ(c->GetTargetPropertyIndex(), Variant(1));
  c->SetStateFlag(csLoading, false);
}

TEST_F(EventToProperty, IndexArraysAreStreamedOnlyWhenSet) {
  TkelE2PConnection* c = NewE2P("E2P1", Lamp1, "OnChange", Lamp2, "");
  EXPECT_TRUE(c->GetTargetPropertyIndex().IsEmpty());
  std::string text = FormText(Form.get());
  EXPECT_EQ(text.find("PropertyIndexes"), std::string::npos);
  c->SetTargetProperty("Items");
  c->SetTargetPropertyIndex(VarArrayOf({2}));
  c->SetValueComponent(Lamp3);
  c->SetValueComponentProperty("Cells");
  c->SetValueComponentPropertyIndex(VarArrayOf({1, Variant()}));
  text = FormText(Form.get());
  EXPECT_NE(text.find("TargetPropertyIndexes"), std::string::npos);
  TOwned<TConnForm> copy = RoundTrip(Form.get());
  auto* c2 = Find<TkelE2PConnection>(copy.get(), "E2P1");
  EXPECT_EQ(c2->GetTargetPropertyIndex(), VarArrayOf({"2"}));
  EXPECT_EQ(c2->GetValueComponentPropertyIndex(), VarArrayOf({"1", ""}));
  EXPECT_EQ(c2->GetValueComponent(), copy->FindComponent("Lamp3"));
  c->SetTargetProperty("");  // cleared: one empty element
  copy = RoundTrip(Form.get());
  EXPECT_EQ(Find<TkelE2PConnection>(copy.get(), "E2P1")->GetTargetPropertyIndex(), VarArrayOf({""}));
}

// Lamp1.OnChange sets Lamp2.Items[2] to a constant, Lamp2.Items[1] to
// Lamp3.Items[0] and Lamp2.Level to Lamp3.Cells[2, 3]; Lamp1.OnQuery sets
// Lamp2.Caption to the event's Text.
void BuildValues(ConnFixture& f) {
  TkelE2PConnection* constant = f.NewE2P("Constant", f.Lamp1, "OnChange", f.Lamp2, "Items");
  constant->SetTargetPropertyIndex(VarArrayOf({2}));
  constant->SetValueConstant("const");
  const auto fromLamp3 = [&](const char* name, const char* target, const char* property, const Variant& indexes) {
    TkelE2PConnection* c = f.NewE2P(name, f.Lamp1, "OnChange", f.Lamp2, target);
    c->SetValueOptions(voComponentProperty);
    c->SetValueComponent(f.Lamp3);
    c->SetValueComponentProperty(property);
    c->SetValueComponentPropertyIndex(indexes);
    return c;
  };
  fromLamp3("Item", "Items", "Items", VarArrayOf({0}))->SetTargetPropertyIndex(VarArrayOf({1}));
  fromLamp3("Cell", "Level", "Cells", VarArrayOf({2, 3}));
  TkelE2PConnection* event = f.NewE2P("Event", f.Lamp1, "OnQuery", f.Lamp2, "Caption");
  event->SetValueOptions(voEventProperty);
  event->SetValueEventParameter("Text");
}

TEST_F(EventToProperty, EveryValueOptionWorksFromAFormFile) {
  BuildValues(*this);
  Lamp1->Change();  // built in code: nothing connected
  EXPECT_EQ(Lamp2->FItems, (std::vector<std::string>{"alpha", "beta", "gamma"}));
  TOwned<TConnForm> form = RoundTrip(Form.get());
  auto* lamp2 = Find<TLamp>(form.get(), "Lamp2");
  Find<TLamp>(form.get(), "Lamp3")->FItems[0] = "now";
  Find<TLamp>(form.get(), "Lamp1")->Change();
  EXPECT_EQ(lamp2->FItems, (std::vector<std::string>{"alpha", "now", "const"}));
  EXPECT_EQ(lamp2->GetLevel(), 23);
  EXPECT_EQ(lamp2->GetCaption(), "");
  Find<TLamp>(form.get(), "Lamp1")->Query("hello");
  EXPECT_EQ(lamp2->GetCaption(), "hello");
  // A component-property value needs its component; a constant does not.
  auto* item = Find<TkelE2PConnection>(form.get(), "Item");
  item->SetValueComponent(nullptr);
  EXPECT_FALSE(item->Connect());
  EXPECT_TRUE(Find<TkelE2PConnection>(form.get(), "Constant")->Connect());
}

TEST_F(EventToProperty, RemovingTheValueComponentDetachesAndClears) {
  BuildValues(*this);
  auto* item = Find<TkelE2PConnection>(Form.get(), "Item");
  ASSERT_TRUE(item->Connect());
  Lamp3->FItems[0] = "lit";
  Lamp1->Change();
  EXPECT_EQ(Lamp2->FItems[1], "lit");
  Lamp2->FItems[1] = "reset";
  Lamp3->Free();
  EXPECT_EQ(item->GetValueComponent(), nullptr);
  EXPECT_EQ(item->GetValueComponentProperty(), "");
  EXPECT_EQ(item->GetValueComponentPropertyIndex(), VarArrayOf({Variant()}));
  EXPECT_EQ(item->GetValueOptions(), voComponentProperty);
  EXPECT_EQ(item->GetTargetProperty(), "Items");  // the other names stay
  Lamp1->Change();
  EXPECT_EQ(Lamp2->FItems[1], "reset");
}

TEST_F(EventToProperty, DiagnoseAndTrace) {
  TkelE2PConnection* c = NewE2P("E2P1", Lamp1, "OnQuery", nullptr, "");
  c->SetValueOptions(voComponentProperty);
  EXPECT_EQ(c->Diagnose(), (std::vector<std::string>{"Target is not set", "ValueComponent is not set"}));
  c->SetValueOptions(voEventProperty);
  c->SetStateFlag(csLoading, true);
  c->SetValueEventParameter("Nope");
  c->SetStateFlag(csLoading, false);
  c->SetTarget(Lamp2);
  EXPECT_EQ(c->Diagnose(), (std::vector<std::string>{"TargetProperty is not set",
                                                     "ValueEventParameter 'Nope' is not a parameter of event "
                                                     "OnQuery of Lamp1"}));
  c->SetTargetProperty("Caption");
  c->SetValueEventParameter("Text");
  EXPECT_TRUE(c->Diagnose().empty());
  ASSERT_TRUE(c->Connect());
  std::vector<TkelTraceEntry> entries;
  TkelTraceProc previous = kelSetTraceProc([&](const TkelTraceEntry& e) { entries.push_back(e); });
  Lamp1->Query("hi");
  kelSetTraceProc(previous);
  // The hook handing the event over comes first, with the event's arguments.
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Kind, tkHook);
  EXPECT_EQ(entries[0].Source, Lamp1);
  EXPECT_EQ(entries[0].Event, "OnQuery");
  ASSERT_EQ(entries[0].Names.size(), entries[0].Values.size());
  ASSERT_GE(entries[0].Names.size(), 2u);
  EXPECT_EQ(entries[0].Names[1], "Text");
  EXPECT_EQ(entries[0].Values[1], Variant("hi"));
  EXPECT_EQ(entries[1].Kind, tkConnection);
  EXPECT_EQ(entries[1].Connection, c);
  EXPECT_EQ(entries[1].Source, Lamp1);
  EXPECT_EQ(entries[1].Event, "OnQuery");
  EXPECT_EQ(entries[1].Target, Lamp2);
  EXPECT_EQ(entries[1].Feature, "Caption");
  EXPECT_EQ(entries[1].Values, std::vector<Variant>{Variant("hi")});
  Lamp1->Query("untraced");
  EXPECT_EQ(entries.size(), 2u);
  EXPECT_EQ(Lamp2->GetCaption(), "untraced");
  // A parameter emptied after connecting is reported when the event fires.
  c->SetValueEventParameter("");
  EXPECT_EQ(RaisedMessage([&] { Lamp1->Query("x"); }), "Connection E2P1: ValueEventParameter is not set");
  c->SetValueOptions(static_cast<TkelValueOptions>(7));
  EXPECT_EQ(RaisedMessage([&] { Lamp1->Query("x"); }), "Internal error in TkelE2PConnection.OnSourceEvent");
  EXPECT_EQ(c->Diagnose(), std::vector<std::string>{"ValueOptions has the unknown value 7"});
  EXPECT_EQ(Lamp2->GetCaption(), "untraced");
}

}  // namespace
}  // namespace conntest
