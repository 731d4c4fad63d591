// The shared reachability walk, and the registry-wide test that every
// registered class has a table entry and reaches every declared feature.
#include "tests/descriptors/reach_walker.h"

namespace kel::test {

// The root methods, safe on every object. NewInstance (a new object),
// BeforeDestruction (starts teardown) and Free are only probed; the three
// raw-memory methods refuse on purpose.
std::vector<TReachCall> RootCalls() {
  static const TkelValue<host::TGUID> unknown(host::IUnknown::IID);
  return Same({"ClassType", "ClassName", "ClassParent", "ClassInfo", "InstanceSize", "GetInterfaceTable",
               "AfterConstruction"}) +
         Same({"MethodAddress", "FieldAddress"}, Args({Variant("Foo")})) +
         std::vector<TReachCall>{{"ClassNameIs", Args({Variant("TObject")})},
                                 {"InheritsFrom", Args({Addr(&TObject::StaticMetaClass)})},
                                 {"MethodName", Args({Variant(0)})},
                                 {"GetInterface", Args({unknown.Address(), Variant(0)})},
                                 {"GetInterfaceEntry", Args({unknown.Address()})},
                                 {"SafeCallException", Args({Variant(0), Variant(0)})},
                                 {"Dispatch", Args({Variant(0x0112)})},
                                 {"DefaultHandler", Args({Variant(1)})},
                                 {"InitInstance", Arg([](TReachWorld&, TObject& o) { return Addr(&o); }), true},
                                 {"CleanupInstance", kNone, true},
                                 {"FreeInstance", kNone, true}};
}

TReachClass ComponentReach(std::function<host::TComponent*(TReachWorld&)> make) {
  TReachClass c;
  c.Make = [make](TReachWorld& w) -> TObject* {
    host::TComponent* walked = make(w);
    w.Child = host::New<host::TComponent>(walked);
    w.Child->SetName("Child");
    return walked;
  };
  c.Indexes = {{"Components", {Variant(0)}}};
  c.ReadRaises = {"ComObject"};
  return c;
}

// ------------------------------------------------------------------ walk

namespace {
std::string NotFound(const char* kind, const std::string& name) {
  return std::string(kind) + " " + name + " not found!";
}

// What MessageOf gives for a call that raises nothing.
const std::string kNothing = "<nothing raised>";

// Every name the entry mentions is declared by the descriptor (a stale entry fails).
void CheckEntryNames(const TReachClass& entry, const TkelClassInfo& d) {
  for (const auto& [name, v] : entry.Indexes) EXPECT_NE(d.FindProperty(name), nullptr) << name;
  for (const auto& [name, v] : entry.Writes) EXPECT_NE(d.FindProperty(name), nullptr) << name;
  for (const TReachCall& c : entry.Calls) EXPECT_NE(d.FindMethod(c.Name), nullptr) << c.Name;
  for (const auto& [name, e] : entry.Events) EXPECT_NE(d.FindEvent(name), nullptr) << name;
}

void CheckProperty(const TReachClass& entry, TReachWorld& w, TObject& obj, TkelClassInfo& d, TkelPropertyInfo& p) {
  SCOPED_TRACE("property " + p.Name);
  if (p.GetIndexCount() > 0) {
    auto it = entry.Indexes.find(p.Name);
    ASSERT_NE(it, entry.Indexes.end()) << "no index values for " << p.Name;
    ASSERT_EQ(static_cast<int>(it->second.size()), p.GetIndexCount());
    for (int k = 0; k < p.GetIndexCount(); ++k) p.GetIndexes(k)->Value = it->second[static_cast<std::size_t>(k)];
  }
  if (entry.ReadRaises.count(p.Name)) {
    const std::string message = MessageOf([&] { d.GetProperty(&p); });
    EXPECT_NE(message, kNothing);
    EXPECT_NE(message, NotFound("Property", p.Name));
    return;
  }
  Variant value;
  ASSERT_EQ(MessageOf([&] { value = d.GetProperty(&p); }), kNothing);
  if (!p.Style.Contains(psWritable)) {
    EXPECT_EQ(MessageOf([&] { d.SetProperty(&p, value); }), NotFound("Property", p.Name));
    EXPECT_EQ(d.GetProperty(&p), value);  // unchanged
    return;
  }
  const auto write = entry.Writes.find(p.Name);
  const Variant written = write == entry.Writes.end() ? value : write->second(w, obj).at(0);
  const std::string message = MessageOf([&] { d.SetProperty(&p, written); });
  if (entry.WriteRaises.count(p.Name)) {
    EXPECT_NE(message, kNothing);
    EXPECT_NE(message, NotFound("Property", p.Name));
    EXPECT_EQ(d.GetProperty(&p), value);  // unchanged
  } else {
    EXPECT_EQ(message, kNothing);
    if (write == entry.Writes.end()) {
      EXPECT_EQ(d.GetProperty(&p), written);
    }
  }
}

// Calls the entry's methods in its order on the live object.
void RunCalls(const TReachClass& entry, TReachWorld& w, TObject& obj, TkelClassInfo& d) {
  for (const TReachCall& call : entry.Calls) {
    SCOPED_TRACE("method " + call.Name);
    TkelMethodInfo* m = d.FindMethod(call.Name);
    ASSERT_NE(m, nullptr);
    const std::vector<Variant> args = call.Args(w, obj);
    ASSERT_EQ(static_cast<int>(args.size()), m->GetArgCount());
    for (int i = 0; i < m->GetArgCount(); ++i) m->GetArgs(i)->Value = args[static_cast<std::size_t>(i)];
    m->Result = Variant();
    const std::string message = MessageOf([&] { d.InvokeMethod(m); });
    if (call.Raises) {
      EXPECT_NE(message, kNothing);
      EXPECT_NE(message, NotFound("Method", call.Name));
    } else {
      EXPECT_EQ(message, kNothing);
      if (m->Style == msFunction) {
        EXPECT_FALSE(m->Result.IsEmpty());
      }
    }
  }
}

// The methods the entry does not call: an owner-less descriptor of the
// class reaches their mapping, which then stops at the missing owner.
void ProbeOthers(const TReachClass& entry, host::TClass infoClass) {
  TkelClassInfo* probe = MakeDescriptor(infoClass);
  for (int i = 0; i < probe->GetMethodCount(); ++i) {
    TkelMethodInfo* m = probe->GetMethods(i);
    bool called = false;
    for (const TReachCall& c : entry.Calls) called = called || c.Name == m->Name;
    if (called) continue;
    const std::string message = MessageOf([&] { probe->InvokeMethod(m); });
    EXPECT_NE(message, NotFound("Method", m->Name)) << "method " << m->Name;
    const auto refused = entry.ProbeRaises.find(m->Name);
    if (refused != entry.ProbeRaises.end()) {
      EXPECT_EQ(message, refused->second);
    } else {
      EXPECT_NE(message.find("has no owner"), std::string::npos) << "method " << m->Name << ": " << message;
    }
  }
  probe->Free();
}

// Hooked: the listener hears the event with its arguments and the previous
// handler still runs; unhooked: only the previous handler runs.
void CheckEvent(const TReachClass& entry, TObject& obj, TkelClassInfo& d, TkelEventInfo& ev, int& previous) {
  SCOPED_TRACE("event " + ev.Name);
  const auto it = entry.Events.find(ev.Name);
  ASSERT_NE(it, entry.Events.end()) << "no way to raise " << ev.Name;
  int heard = 0;
  TRecordCheck check;
  TkelListener* listener = Listen(&d, ev.Name, [&](TObject* sender, TkelEventInfo* info) {
    ++heard;
    EXPECT_EQ(sender, &obj);
    if (check) check(*info);
  });
  const int before = previous;
  it->second.Raise(obj, check);
  EXPECT_EQ(heard, 1);
  EXPECT_EQ(previous, before + 1);
  d.SetOwner(nullptr);  // restoring through a host setter may itself raise events
  const int unhooked = previous;
  it->second.Raise(obj, check);
  EXPECT_EQ(heard, 1);                // unhooked: the listener hears nothing
  EXPECT_EQ(previous, unhooked + 1);  // the previous handler is back
  d.SetOwner(&obj);
  Unlisten(&d, {listener});
}

}  // namespace

void WalkClass(const TReachTable& table, const std::string& name) {
  SCOPED_TRACE("class " + name);
  const auto entry = table.find(name);
  ASSERT_NE(entry, table.end()) << "no factory for " << name << ": add it to the reachability table";
  const host::TClass infoClass = TkelClassRegistry::FindClass(name);
  ASSERT_NE(infoClass, nullptr);
  std::map<std::string, int> previous;  // outlives the objects, whose teardown may fire events
  TReachWorld world;
  TObject* obj = entry->second.Make(world);
  bool ofClass = false;  // the object is of the class or a descendant
  for (host::TClass c = obj->ClassType(); c; c = c->Parent) ofClass = ofClass || c->ClassNameIs(name);
  ASSERT_TRUE(ofClass) << obj->ClassName();
  for (const auto& [event, e] : entry->second.Events) e.SetPrevious(*obj, previous[event]);
  TkelClassInfo* d = MakeDescriptor(infoClass, obj);
  CheckEntryNames(entry->second, *d);
  for (int i = 0; i < d->GetEventCount(); ++i)
    CheckEvent(entry->second, *obj, *d, *d->GetEvents(i), previous[d->GetEvents(i)->Name]);
  for (int i = 0; i < d->GetPropertyCount(); ++i) CheckProperty(entry->second, world, *obj, *d, *d->GetProperties(i));
  RunCalls(entry->second, world, *obj, *d);
  ProbeOthers(entry->second, infoClass);
  d->SetOwner(nullptr);
  d->Free();
}

namespace {

// Every unit's table, for the registry-wide walk.
TReachTable AllTables() {
  TReachTable all;
  for (TReachTable t : {SystemReach(), ClassesReach(), PatternReach(), ImgListReach(), ActnListReach(), GraphicsReach(),
                        MenusReach(), ControlsReach(), StdCtrlsReach(), ExtCtrlsAReach(),
                        ExtCtrlsBReach(), FormsReach()})
    all.merge(t);
  return all;
}

TEST(Reach, EveryRegisteredDescriptorReachesEveryDeclaredFeature) {
  // The package registered every descriptor unit (kel::package::Initialize).
  std::vector<std::string> names;
  TkelClassRegistry::Iterate(host::TEvent<const std::string&>([&](const std::string& n) { names.push_back(n); }));
  for (const char* expected : {"TObject", "TInterfacedObject", "TStringList", "TComponent", "TBasicAction"})
    EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end()) << expected;
  // The variable's descriptor is not made by the registry: each variable
  // supplies its own, whose features follow the class it holds (its own
  // tests walk it).
  const TReachTable all = AllTables();
  for (const std::string& name : names)
    if (name != "TkelVariable") WalkClass(all, name);
}

TEST(Reach, AClassWithoutATableEntryFailsTheWalk) {
  EXPECT_FATAL_FAILURE(WalkClass(AllTables(), "TNoSuchClass"), "no factory for TNoSuchClass");
}

}  // namespace
}  // namespace kel::test
