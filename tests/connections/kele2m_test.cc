// Parameter bindings and the event-to-method connection.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/connections/conn_test_classes.h"

namespace conntest {
namespace {

using Bindings = ConnFixture;

std::string Bounds(const Variant& v) {
  if (!v.IsArray()) return "not an array";
  return std::to_string(VarArrayLowBound(v, 1)) + ".." + std::to_string(VarArrayHighBound(v, 1));
}

TEST_F(Bindings, ComponentPropertyValidationKeepsThePreviousName) {
  TkelE2MConnection* c = NewE2M("E2M1", Lamp1, "OnQuery", Lamp2, "Combine");
  TkelParameterConnection* b = Binding(c, "Value");
  EXPECT_EQ(b->GetOptions(), voConstant);
  EXPECT_TRUE(b->GetComponentPropertyIndex().IsEmpty());
  EXPECT_EQ(RaisedMessage<EkelInvalidFeature>([&] { b->SetComponentProperty("Caption"); }),
            "Invalid ComponentProperty value. Unknown Component component");
  EXPECT_EQ(b->GetComponentProperty(), "");
  b->SetComponent(Lamp3);
  EXPECT_EQ(RaisedMessage<EkelInvalidFeature>([&] { b->SetComponentProperty("Nope"); }),
            "Invalid ComponentProperty value. Unknown source property");
  EXPECT_EQ(b->GetComponentProperty(), "");
  EXPECT_TRUE(b->GetComponentPropertyIndex().IsEmpty());
  b->SetComponentProperty("Caption");
  EXPECT_EQ(Bounds(b->GetComponentPropertyIndex()), "0..-1");
  b->SetComponentProperty("Cells");
  EXPECT_EQ(Bounds(b->GetComponentPropertyIndex()), "0..1");
  // The same name again changes nothing (the array stays as assigned).
  b->SetComponentPropertyIndex(VarArrayOf({1, 2}));
  b->SetComponentProperty("Cells");
  EXPECT_EQ(b->GetComponentPropertyIndex(), VarArrayOf({1, 2}));
  // Clearing gives one element, not an empty array.
  b->SetComponentProperty("");
  EXPECT_EQ(Bounds(b->GetComponentPropertyIndex()), "0..0");
  // A new component clears the property name but not the array.
  b->SetComponentProperty("Cells");
  b->SetComponent(Lamp1);
  EXPECT_EQ(b->GetComponentProperty(), "");
  EXPECT_EQ(Bounds(b->GetComponentPropertyIndex()), "0..1");
  EXPECT_EQ(b->GetDisplayName(), "Value");
  b->SetParameterName("");
  EXPECT_EQ(b->GetDisplayName(), "TkelParameterConnection");
}

TEST_F(Bindings, IndexArrayValidationInOrder) {
  TkelE2MConnection* c = NewE2M("E2M1", Lamp1, "OnQuery", Lamp2, "Combine");
  TkelParameterConnection* b = Binding(c, "Value");
  const auto indexError = [&](const Variant& v) {
    return RaisedMessage<EkelInvalidFeature>([&] { b->SetComponentPropertyIndex(v); });
  };
  EXPECT_EQ(indexError(VarArrayOf({1})), "Invalid ComponentPropertyIndex value. Unknown Component component");
  b->SetComponent(Lamp3);
  EXPECT_EQ(indexError(VarArrayOf({1})), "Invalid ComponentPropertyIndex value. Unknown ComponentProperty");
  b->SetComponentProperty("Cells");
  const Variant before = b->GetComponentPropertyIndex();
  EXPECT_EQ(indexError(Variant(3)), "Invalid ComponentPropertyIndex value. Value is not array");
  EXPECT_EQ(indexError(VarArrayCreate({0, 1, 0, 1})), "Invalid ComponentPropertyIndex value. Invalid dimension count");
  EXPECT_EQ(indexError(VarArrayOf({1, 2, 3})), "Invalid ComponentPropertyIndex value. Invalid dimension size");
  EXPECT_EQ(b->GetComponentPropertyIndex(), before);
  b->SetComponentPropertyIndex(VarArrayOf({4, 5}));
  EXPECT_EQ(b->GetComponentPropertyIndex(), VarArrayOf({4, 5}));
  // Outside a connection's collection nothing is validated.
  TOwned<TCollection> standalone = MakeOwned<TCollection>(&TkelParameterConnection::StaticMetaClass);
  auto* item = As<TkelParameterConnection>(standalone->Add());
  item->SetComponentProperty("Whatever");
  item->SetComponentPropertyIndex(Variant(7));
  item->SetEventParameter("Anything");
  EXPECT_EQ(item->GetComponentProperty(), "Whatever");
  EXPECT_EQ(item->GetComponentPropertyIndex(), Variant(7));
  EXPECT_EQ(item->GetEventParameter(), "Anything");
  EXPECT_EQ(item->GetConnection(), nullptr);
}

TEST_F(Bindings, EventParameterValidationAndSourceEventReset) {
  TkelE2MConnection* c = NewE2M("E2M1", nullptr, "OnQuery", Lamp2, "Combine");
  TkelParameterConnection* b = Binding(c, "Value");
  const auto eventError = [&](const std::string& name) {
    return RaisedMessage<EkelInvalidFeature>([&] { b->SetEventParameter(name); });
  };
  EXPECT_EQ(eventError("Text"), "Invalid EventParameter value. Unknown source component");
  c->SetSource(Lamp1);
  c->SetSourceEvent("OnBogus");
  EXPECT_EQ(eventError("Text"), "Invalid EventParameter value. Unknown SourceEvent");
  c->SetSourceEvent("OnQuery");
  EXPECT_EQ(eventError("Nope"), "Invalid EventParameter value. Unknown event parameter name");
  EXPECT_EQ(b->GetEventParameter(), "");
  b->SetEventParameter("Text");
  EXPECT_EQ(b->GetEventParameter(), "Text");
  // Assigning the SourceEvent, even the same one, empties every binding's EventParameter.
  c->SetSourceEvent("OnQuery");
  EXPECT_EQ(b->GetEventParameter(), "");
  // An unknown TargetMethod leaves no bindings and no connection.
  c->SetTargetMethod("Nope");
  EXPECT_EQ(c->GetTargetMethodParameters()->GetCount(), 0);
  EXPECT_EQ(c->GetTargetMethodParameters()->MethodName, "");
  EXPECT_FALSE(c->Connect());
  c->SetTargetMethod("Clear");
  EXPECT_EQ(c->GetTargetMethodParameters()->GetCount(), 0);
  EXPECT_EQ(c->GetTargetMethodParameters()->MethodName, "Clear");
  EXPECT_EQ(c->GetTargetMethodParameters()->GetOwner(), c);
}

TEST_F(Bindings, IndexArraysTravelThroughTheFormAsStrings) {
  TkelE2MConnection* c = NewE2M("E2M1", Lamp1, "OnQuery", Lamp2, "Combine");
  TkelParameterConnection* prefix = Binding(c, "Prefix");  // never given a property: no entry
  TkelParameterConnection* value = Binding(c, "Value");
  TkelParameterConnection* sender = Binding(c, "Sender");
  value->SetComponent(Lamp3);
  value->SetComponentProperty("Cells");
  value->SetComponentPropertyIndex(VarArrayOf({3, Variant()}));
  sender->SetComponent(Lamp3);
  sender->SetComponentProperty("Caption");  // no index: an empty array
  TOwned<TConnForm> copy = RoundTrip(Form.get());
  auto* c2 = Find<TkelE2MConnection>(copy.get(), "E2M1");
  EXPECT_TRUE(Binding(c2, "Prefix")->GetComponentPropertyIndex().IsEmpty());
  EXPECT_TRUE(prefix->GetComponentPropertyIndex().IsEmpty());
  EXPECT_EQ(Binding(c2, "Value")->GetComponentPropertyIndex(), VarArrayOf({"3", ""}));
  EXPECT_EQ(Bounds(Binding(c2, "Sender")->GetComponentPropertyIndex()), "0..-1");
  EXPECT_EQ(Binding(c2, "Value")->GetComponent(), copy->FindComponent("Lamp3"));
  EXPECT_EQ(Binding(c2, "Value")->GetComponentProperty(), "Cells");
  // A cleared property writes one empty string and reads back as one element.
  sender->SetComponentProperty("");
  TOwned<TConnForm> again = RoundTrip(Form.get());
  EXPECT_EQ(Binding(Find<TkelE2MConnection>(again.get(), "E2M1"), "Sender")->GetComponentPropertyIndex(),
            VarArrayOf({""}));
}

using EventToMethod = ConnFixture;

// Builds the form of the road of one event:
//  * E2M1: Action1.OnExecute -> Lamp2.Combine(Prefix = "n=", Value =
//    Lamp1.Items[1], Sender = the event's Sender);
//  * E2M2: Lamp1.OnQuery -> Lamp2.Decorate(Text = the event's Text, by
//    reference, Level = Lamp2.Level, read and written back).
void BuildRoad(ConnFixture& f) {
  TkelE2MConnection* c1 = f.NewE2M("E2M1", f.Action, "OnExecute", f.Lamp2, "Combine");
  ConnFixture::Binding(c1, "Prefix")->SetConstant("n=");
  ConnFixture::BindProperty(c1, "Value", f.Lamp1, "Items", VarArrayOf({1}));
  ConnFixture::BindEvent(c1, "Sender", "Sender");
  TkelE2MConnection* c2 = f.NewE2M("E2M2", f.Lamp1, "OnQuery", f.Lamp2, "Decorate");
  ConnFixture::BindEvent(c2, "Text", "Text");
  ConnFixture::BindProperty(c2, "Level", f.Lamp2, "Level");
}

TEST_F(EventToMethod, TheRoadOfOneEventFromAFormFile) {
  BuildRoad(*this);
  Action->Execute();
  EXPECT_EQ(Lamp1->Query("x"), "x");  // built in code: nothing connected
  EXPECT_TRUE(Lamp2->Log.empty());

  TOwned<TConnForm> form = RoundTrip(Form.get());
  auto* lamp1 = Find<TLamp>(form.get(), "Lamp1");
  auto* lamp2 = Find<TLamp>(form.get(), "Lamp2");
  lamp1->FItems[1] = "beta!";
  Find<TBasicAction>(form.get(), "Action1")->Execute();
  EXPECT_EQ(lamp2->Log, std::vector<std::string>{"n=beta!@TBasicAction"});
  // The by-reference result reaches the event's caller; the component
  // property binding is read and written back.
  EXPECT_EQ(lamp1->Query("x"), "[x]");
  EXPECT_EQ(lamp2->GetLevel(), 1);
  EXPECT_EQ(lamp1->Query("y"), "[y]");
  EXPECT_EQ(lamp2->GetLevel(), 2);
  EXPECT_EQ(lamp2->Log.size(), 1u);
}

TEST_F(EventToMethod, ComponentPropertyIsWrittenBackEvenWhenUnchanged) {
  TkelE2MConnection* c = NewE2M("E2M1", Lamp1, "OnChange", Lamp2, "Combine");
  BindProperty(c, "Value", Lamp3, "Caption");
  BindEvent(c, "Sender", "Sender");
  Lamp3->SetCaption("12");
  ASSERT_TRUE(c->Connect());
  const int writes = Lamp3->CaptionWrites;
  Lamp1->Change();
  EXPECT_EQ(Lamp2->Log, std::vector<std::string>{"12@TLamp"});
  EXPECT_EQ(Lamp3->CaptionWrites, writes + 1);
  EXPECT_EQ(Lamp3->GetCaption(), "12");
  c->Unconnect();
  Lamp1->Change();
  EXPECT_EQ(Lamp3->CaptionWrites, writes + 1);
  EXPECT_EQ(Lamp2->Log.size(), 1u);
}

TEST_F(EventToMethod, IncompleteBindingsRaiseNamingConnectionAndBinding) {
  TkelE2MConnection* c = NewE2M("E2M1", Lamp1, "OnChange", Lamp2, "Combine");
  ASSERT_TRUE(c->Connect());
  const auto fire = [&] { return RaisedMessage([&] { Lamp1->Change(); }); };
  BindEvent(c, "Sender", "Sender");
  TkelParameterConnection* value = Binding(c, "Value");
  value->SetOptions(voComponentProperty);
  EXPECT_EQ(fire(), "Connection E2M1: parameter binding 'Value' has no component");
  value->SetComponent(Lamp3);
  EXPECT_EQ(fire(), "Connection E2M1: parameter binding 'Value' has no component property");
  value->SetOptions(voEventProperty);
  EXPECT_EQ(fire(), "Connection E2M1: parameter binding 'Value' has no event parameter");
  value->SetOptions(static_cast<TkelValueOptions>(7));
  EXPECT_EQ(fire(), "Internal error in TkelE2MConnection.OnSourceEvent");
  value->SetOptions(voConstant);
  value->SetParameterName("Bogus");
  EXPECT_EQ(fire(), "Connection E2M1: parameter binding 'Bogus' is not a parameter of method Combine");
  EXPECT_TRUE(Lamp2->Log.empty());
  value->SetParameterName("Value");
  EXPECT_EQ(fire(), "<nothing raised>");
  EXPECT_EQ(Lamp2->Log, std::vector<std::string>{"@TLamp"});
}

TEST_F(EventToMethod, TargetMethodAfterLoadingKeepsOrRebuildsBindings) {
  BuildRoad(*this);
  TOwned<TConnForm> form = RoundTrip(Form.get(), true);
  auto* c1 = Find<TkelE2MConnection>(form.get(), "E2M1");
  EXPECT_EQ(c1->GetTargetMethodParameters()->MethodName, "Combine");
  c1->SetTargetMethod("Combine");  // unchanged: the loaded bindings stay
  ASSERT_EQ(c1->GetTargetMethodParameters()->GetCount(), 3);
  EXPECT_EQ(Binding(c1, "Prefix")->GetConstant(), "n=");
  EXPECT_EQ(Binding(c1, "Value")->GetOptions(), voComponentProperty);
  c1->SetTargetMethod("Decorate");  // changed: rebuilt with defaults
  ASSERT_EQ(c1->GetTargetMethodParameters()->GetCount(), 2);
  EXPECT_EQ(Binding(c1, "Text")->GetOptions(), voConstant);
  EXPECT_EQ(Binding(c1, "Prefix"), nullptr);
}

TEST_F(EventToMethod, RemovedComponentsClearTheirBindingsAndNames) {
  BuildRoad(*this);
  auto* c1 = Find<TkelE2MConnection>(Form.get(), "E2M1");
  TkelParameterConnection* value = Binding(c1, "Value");
  Lamp1->Free();  // the component of E2M1's Value binding, E2M2's source
  EXPECT_EQ(value->GetComponent(), nullptr);
  EXPECT_EQ(value->GetComponentProperty(), "");
  EXPECT_EQ(Bounds(value->GetComponentPropertyIndex()), "0..0");
  EXPECT_EQ(value->GetOptions(), voComponentProperty);
  EXPECT_EQ(c1->GetSourceEvent(), "OnExecute");  // E2M1's own references are intact
  auto* c2 = Find<TkelE2MConnection>(Form.get(), "E2M2");
  EXPECT_EQ(c2->GetSourceEvent(), "");
  EXPECT_EQ(Binding(c2, "Text")->GetEventParameter(), "");
  EXPECT_EQ(c2->GetTargetMethod(), "Decorate");
  Lamp2->Free();  // target of both
  EXPECT_EQ(c1->GetTargetMethod(), "");
  EXPECT_EQ(c1->GetTargetMethodParameters()->GetCount(), 0);
}

TEST_F(EventToMethod, AMethodThatFreesItsOwnConnectionStopsTheHandler) {
  TkelE2MConnection* c = NewE2M("E2M1", Lamp1, "OnChange", Lamp3, "Vanish", false);
  Lamp3->InsertComponent(c);  // owned, and so freed, by its target
  ASSERT_TRUE(c->Connect());
  Lamp1->Change();  // Vanish frees Lamp3 and the connection with it
  EXPECT_EQ(Form->FindComponent("Lamp3"), nullptr);
  Lamp1->Change();  // no listener was left behind
  EXPECT_EQ(Form->GetComponentCount(), 4);
}

}  // namespace
}  // namespace conntest
