// The variable component and its descriptor.
#include <algorithm>
#include <array>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "connections/kelvar.h"
#include "descriptors/kelsystem.h"
#include "host/classes/formtext.h"
#include "host/classes/strings.h"
#include "tests/connections/conn_test_classes.h"

namespace conntest {
namespace {

// Records every firing of one event on one descriptor: the Sender and the
// first argument's value.
struct TProbe {
  TOwned<TkelListener> Listener = MakeOwned<TkelListener>();
  std::vector<std::pair<TObject*, Variant>> Calls;
};

class Variables : public ConnFixture {
 public:
  // The form goes before the probes that its descriptors borrow.
  void TearDown() override { Form.reset(); }

  TkelVariable* NewVar(const std::string& ClassName) {
    auto* v = New<TkelVariable>(Form.get());
    if (ClassName != "TObject") v->SetClassTypeName(ClassName);
    return v;
  }
  static void SetSelf(TkelVariable* v, TObject* o) {
    Info(v)->SetProperty(Info(v)->FindProperty("Self"), Variant::FromPointer(o));
  }
  static TObject* Held(TkelVariable* v) {
    return static_cast<TObject*>(Info(v)->GetProperty(Info(v)->FindProperty("Self")).AsPointer());
  }
  static TkelVariableClassInfo* Info(TkelVariable* v) { return v->GetVariableInfo(); }
  static std::string Read(TkelVariable* v, const char* Name) {
    return RaisedMessage([&] { Info(v)->GetProperty(Info(v)->FindProperty(Name)); });
  }
  TProbe& Probe(TkelClassInfo* info, const std::string& event) {
    TProbe& p = FProbes.emplace_back();
    p.Listener->EventName = event;
    p.Listener->OnEvent = TNotifyKELEvent([&p](TObject* s, TkelEventInfo* e) {
      p.Calls.emplace_back(s, e->GetArgCount() ? e->GetArgs(0)->Value : Variant());
    });
    info->AddListener(p.Listener.get());
    return p;
  }
  // Reads a text form into a new root.
  static TOwned<TConnForm> Load(const std::string& text) {
    TOwned<TStringStream> in = MakeOwned<TStringStream>(text), bin = MakeOwned<TStringStream>();
    ObjectTextToBinary(in.get(), bin.get());
    bin->SetPosition(0);
    TOwned<TConnForm> form = MakeOwned<TConnForm>(nullptr);
    MakeOwned<TReader>(bin.get(), 4096)->ReadRootComponent(form.get());
    return form;
  }

 private:
  std::deque<TProbe> FProbes;
};

constexpr char kNoObject[] = "Property Caption of TLamp cannot be reached: the variable holds no object!";

TEST_F(Variables, NewVariableListsTheFeaturesOfTObjectWithSelfAndOnInstanceChange) {
  TkelVariable* v = NewVar("TObject");
  TkelVariableClassInfo* info = Info(v);
  EXPECT_EQ(TkelClassRegistry::GetInfo(v), info);
  EXPECT_EQ(info->GetOwner(), nullptr);
  TOwned<TObjectClassInfo> plain = MakeOwned<TObjectClassInfo>();
  plain->InitMetaData();
  ASSERT_EQ(info->GetMethodCount(), plain->GetMethodCount());
  for (int i = 0; i < info->GetMethodCount(); ++i) EXPECT_EQ(info->GetMethods(i)->Name, plain->GetMethods(i)->Name);
  EXPECT_EQ(info->GetConstructorCount(), 0);
  EXPECT_EQ(plain->GetConstructorCount(), 1);
  ASSERT_EQ(info->GetPropertyCount(), 1);
  TkelPropertyInfo* self = info->FindProperty("Self");
  EXPECT_EQ(self, info->GetInstanceInfo()->FindProperty("Self"));  // shared, not copied
  EXPECT_EQ(self->Style, TkelPropertyStyle({psReadable, psWritable}));
  EXPECT_EQ(plain->FindProperty("Self")->Style, TkelPropertyStyle({psReadable}));  // only the shared record changed
  ASSERT_EQ(info->GetEventCount(), 1);
  TkelEventInfo* change = info->GetEvents(0);
  EXPECT_EQ(change->Name, "OnInstanceChange");
  ASSERT_EQ(change->GetArgCount(), 1);
  EXPECT_EQ(change->GetArgs(0)->Name, "Instance");
  EXPECT_EQ(info->GetInstanceInfo()->FindEvent("OnInstanceChange"), nullptr);
  EXPECT_EQ(info->GetProperty(self), Variant(int64_t{0}));
}

TEST_F(Variables, WritingSelfRebindsAndFiresEveryTimeAndRefusesBadValues) {
  TkelVariable* v = NewVar("TLamp");
  TProbe& changes = Probe(Info(v), "OnInstanceChange");
  SetSelf(v, Lamp1);
  SetSelf(v, Lamp1);
  const std::vector<std::pair<TObject*, Variant>> twice{{nullptr, Variant::FromPointer(Lamp1)},
                                                        {nullptr, Variant::FromPointer(Lamp1)}};
  EXPECT_EQ(changes.Calls, twice);
  EXPECT_EQ(Held(v), Lamp1);
  EXPECT_EQ(Info(v)->GetInstanceInfo()->GetOwner(), Lamp1);
  TkelPropertyInfo* self = Info(v)->FindProperty("Self");
  EXPECT_NE(RaisedMessage([&] { Info(v)->SetProperty(self, Variant("Lamp2")); }), "<nothing raised>");
  EXPECT_EQ(RaisedMessage([&] { SetSelf(v, Action); }), "A TBasicAction cannot be held by a variable of class TLamp!");
  // A number where no object lives is refused, not held.
  EXPECT_EQ(RaisedMessage([&] { Info(v)->SetProperty(self, Variant(4242)); }),
            "Invalid class typecast: 4242 is not the address of an object");
  EXPECT_EQ(changes.Calls, twice);
  EXPECT_EQ(Held(v), Lamp1);
  EXPECT_EQ(Info(v)->GetInstanceInfo()->GetOwner(), Lamp1);
  auto* child = New<TLampChild>(Form.get());  // a descendant of the class fits
  SetSelf(v, child);
  EXPECT_EQ(Held(v), child);
  SetSelf(v, nullptr);
  EXPECT_EQ(changes.Calls.back().second, Variant(int64_t{0}));
  EXPECT_EQ(Info(v)->GetInstanceInfo()->GetOwner(), nullptr);
}

TEST_F(Variables, ClassTypeNameIsCheckedAndRebuildsTheDescriptors) {
  TkelVariable* v = NewVar("TLamp");
  TkelClassInfo* inner = Info(v)->GetInstanceInfo();
  const int count = Info(v)->GetPropertyCount();
  EXPECT_EQ(RaisedMessage([&] { v->SetClassTypeName("TNoSuch"); }), "Unknown class!");
  EXPECT_EQ(RaisedMessage([&] { v->SetClassTypeName("TkelVariable"); }),
            "A variable cannot hold objects of class TkelVariable: a variable supplies its own descriptor!");
  EXPECT_EQ(v->GetClassTypeName(), "TLamp");
  EXPECT_EQ(Info(v)->GetInstanceInfo(), inner);
  EXPECT_EQ(Info(v)->GetPropertyCount(), count);
  v->SetClassTypeName("TLamp");  // the same name: nothing happens
  EXPECT_EQ(Info(v)->GetInstanceInfo(), inner);
  SetSelf(v, Lamp1);
  v->SetClassTypeName("tlamp");  // letter case only: accepted, rebuilt without an object
  EXPECT_EQ(v->GetClassTypeName(), "tlamp");
  EXPECT_NE(Info(v)->GetInstanceInfo(), inner);
  EXPECT_EQ(Info(v)->GetInstanceInfo()->GetOwner(), nullptr);
  EXPECT_EQ(Info(v)->GetPropertyCount(), count);
  EXPECT_EQ(Held(v), Lamp1);  // Instance keeps its value
  EXPECT_EQ(Read(v, "Caption"), "Property Caption of tlamp cannot be reached: the variable holds no object!");
}

TEST_F(Variables, ClassTypeNameIsCheckedWhileLoading) {
  const std::string form =
      "object Form1: TConnForm\n  object Var1: TkelVariable\n    ClassTypeName = '%s'\n  end\nend\n";
  TOwned<TConnForm> good = Load(Format(form, {"TLamp"}));
  auto* v = As<TkelVariable>(good->FindComponent("Var1"));
  EXPECT_EQ(v->GetClassTypeName(), "TLamp");
  EXPECT_NE(Info(v)->FindProperty("Caption"), nullptr);
  const std::string failure = RaisedMessage([&] { Load(Format(form, {"TNoSuch"})); });
  EXPECT_NE(failure.find("Unknown class!"), std::string::npos) << failure;
}

TEST_F(Variables, FeaturesForwardToTheHeldObjectAndRaiseWithoutOne) {
  TkelVariable* v = NewVar("TLamp");
  TkelVariableClassInfo* info = Info(v);
  EXPECT_EQ(Read(v, "Caption"), kNoObject);
  EXPECT_EQ(RaisedMessage([&] { info->SetProperty(info->FindProperty("Caption"), Variant("on")); }), kNoObject);
  EXPECT_EQ(RaisedMessage([&] { info->InvokeMethod(info->FindMethod("Clear")); }),
            "Method Clear of TLamp cannot be called: the variable holds no object!");
  EXPECT_EQ(Lamp1->GetCaption(), "");
  SetSelf(v, Lamp1);
  info->SetProperty(info->FindProperty("Caption"), Variant("on"));
  EXPECT_EQ(Lamp1->GetCaption(), "on");
  EXPECT_EQ(Lamp2->GetCaption(), "");
  TkelMethodInfo* combine = info->FindMethod("Combine");
  combine->GetArgs(0)->Value = Variant("p");
  combine->GetArgs(1)->Value = Variant("v");
  combine->GetArgs(2)->Value = Variant::FromPointer(nullptr);
  info->InvokeMethod(combine);
  EXPECT_EQ(Lamp1->Log, std::vector<std::string>{"pv@nil"});
  EXPECT_TRUE(Lamp2->Log.empty());
  SetSelf(v, Lamp2);
  EXPECT_EQ(info->GetProperty(info->FindProperty("Caption")), Variant(""));
}

TEST_F(Variables, EventsOfTheHeldObjectReachConnectionsOnTheVariable) {
  TkelVariable* v = NewVar("TLamp");
  int own = 0;
  Lamp1->OnChange = TNotifyEvent([&](TObject*) { ++own; });
  TkelE2MConnection* c = NewE2M("E2M1", v, "OnChange", Lamp3, "Clear");
  ASSERT_TRUE(c->Connect());
  const auto fires = [&](TLamp* lamp) {
    Lamp3->Log = {"x"};
    lamp->Change();
    return Lamp3->Log.empty();
  };
  EXPECT_FALSE(fires(Lamp1));
  SetSelf(v, Lamp1);
  EXPECT_TRUE(fires(Lamp1));
  SetSelf(v, Lamp2);
  EXPECT_FALSE(fires(Lamp1));
  EXPECT_TRUE(fires(Lamp2));
  EXPECT_EQ(own, 3);                                                     // the lamp's own handler ran every time
  v->SetClassTypeName("TComponent");                                     // no OnChange there; Lamp2 is let go
  EXPECT_EQ(Lamp2->OnChange.Data(), TkelClassRegistry::GetInfo(Lamp2));  // the registry's hook is on top again
  EXPECT_FALSE(fires(Lamp2));
  v->SetClassTypeName("TLamp");
  SetSelf(v, Lamp2);
  EXPECT_TRUE(fires(Lamp2));  // the connection's listener survived both changes
  c->Free();
  EXPECT_FALSE(fires(Lamp2));
}

TEST_F(Variables, HooksOfSeveralHoldersUnwindInAnyOrder) {
  TkelVariable* v1 = NewVar("TLamp");
  TkelVariable* v2 = NewVar("TLamp");
  SetSelf(v1, Lamp1);
  SetSelf(v2, Lamp1);
  TProbe& direct = Probe(TkelClassRegistry::GetInfo(Lamp1), "OnChange");
  TProbe& p1 = Probe(Info(v1), "OnChange");
  TProbe& p2 = Probe(Info(v2), "OnChange");
  const auto counts = [&] { return std::array<std::size_t, 3>{direct.Calls.size(), p1.Calls.size(), p2.Calls.size()}; };
  Lamp1->Change();
  EXPECT_EQ(counts(), (std::array<std::size_t, 3>{1, 1, 1}));
  SetSelf(v1, nullptr);  // the lower hook goes first
  Lamp1->Change();
  EXPECT_EQ(counts(), (std::array<std::size_t, 3>{2, 1, 2}));
  SetSelf(v1, Lamp1);
  v2->Free();  // now v2 is the lower one
  Lamp1->Change();
  EXPECT_EQ(counts(), (std::array<std::size_t, 3>{3, 2, 2}));
  EXPECT_EQ(p2.Calls.size(), 2u);
  v1->Free();
  Lamp1->Change();
  EXPECT_EQ(counts(), (std::array<std::size_t, 3>{4, 2, 2}));
}

TEST_F(Variables, FilledByOneConnectionAndUsedByAnother) {
  TkelVariable* v = NewVar("TLamp");
  TkelE2MConnection* use = NewE2M("Use", Lamp2, "OnChange", v, "Clear");
  TkelE2MConnection* tell = NewE2M("Tell", v, "OnInstanceChange", Lamp3, "Combine");
  Binding(tell, "Prefix")->SetConstant("held");
  BindEvent(tell, "Sender", "Instance");
  ASSERT_TRUE(use->Connect() && tell->Connect());
  Lamp1->Log = {"a"};
  EXPECT_EQ(RaisedMessage([&] { Lamp2->Change(); }),
            "Method Clear of TLamp cannot be called: the variable holds no object!");
  EXPECT_EQ(Lamp1->Log, std::vector<std::string>{"a"});
  SetSelf(v, Lamp1);
  EXPECT_EQ(Lamp3->Log, std::vector<std::string>{"held@TLamp"});
  Lamp2->Change();
  EXPECT_TRUE(Lamp1->Log.empty());
  Lamp1->Free();  // a held component that goes is dropped: Instance 0, OnInstanceChange
  EXPECT_EQ(Held(v), nullptr);
  EXPECT_EQ(Lamp3->Log, (std::vector<std::string>{"held@TLamp", "held@nil"}));
}

TEST_F(Variables, HeldObjectsLeaveCleanly) {
  TkelVariable* v = NewVar("TLamp");
  SetSelf(v, Lamp2);
  Form->RemoveComponent(Lamp2);  // taken from its owner, not destroyed: still held
  EXPECT_EQ(Held(v), Lamp2);
  Lamp2->Free();
  EXPECT_EQ(Held(v), nullptr);
  ASSERT_NE(TkelClassRegistry::FindClass("TStringList"), nullptr);
  v->SetClassTypeName("TStringList");
  TStringList* list = New<TStringList>();
  SetSelf(v, list);
  TkelMethodInfo* free = Info(v)->FindMethod("Free");
  Info(v)->InvokeMethod(free);  // lets go of the list, then frees it
  EXPECT_EQ(Held(v), nullptr);
  EXPECT_EQ(RaisedMessage([&] { Info(v)->InvokeMethod(free); }),
            "Method Free of TStringList cannot be called: the variable holds no object!");
}

TEST_F(Variables, RoundTripKeepsTheClassAndConnectsThroughTheVariable) {
  TkelVariable* v = NewVar("TLamp");
  v->SetName("Var1");
  SetSelf(v, Lamp1);
  NewE2M("E2M1", v, "OnChange", Lamp3, "Clear");
  TOwned<TConnForm> copy = RoundTrip(Form.get());
  auto* loaded = Find<TkelVariable>(copy.get(), "Var1");
  EXPECT_EQ(loaded->GetClassTypeName(), "TLamp");
  EXPECT_EQ(Held(loaded), nullptr);  // Instance is never stored
  SetSelf(loaded, Find<TLamp>(copy.get(), "Lamp1"));
  Find<TLamp>(copy.get(), "Lamp3")->Log = {"x"};
  Find<TLamp>(copy.get(), "Lamp1")->Change();
  EXPECT_TRUE(Find<TLamp>(copy.get(), "Lamp3")->Log.empty());
  EXPECT_EQ(Lamp3->Log, std::vector<std::string>{});  // the original is untouched
}

TEST_F(Variables, DestructionInEveryOrderLeavesNoListenerBehind) {
  std::array<int, 4> order{0, 1, 2, 3};
  do {
    TkelVariable* v = NewVar("TLamp");
    auto* held = New<TLamp>(Form.get());
    SetSelf(v, held);
    TkelE2MConnection* from = NewE2M("", v, "OnChange", Lamp3, "Clear");
    TkelE2MConnection* to = NewE2M("", Lamp2, "OnChange", v, "Clear");
    ASSERT_TRUE(from->Connect() && to->Connect());
    std::array<TComponent*, 4> parts{v, held, from, to};
    for (int i : order) {
      parts[static_cast<std::size_t>(i)]->Free();
      parts[static_cast<std::size_t>(i)] = nullptr;
      if (parts[1]) static_cast<TLamp*>(parts[1])->Change();
      RaisedMessage([&] { Lamp2->Change(); });  // may find the variable empty
    }
  } while (std::next_permutation(order.begin(), order.end()));
  EXPECT_EQ(Form->GetComponentCount(), 5);  // the fixture's components only
}

}  // namespace
}  // namespace conntest
