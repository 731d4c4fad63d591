// Reachability of every registered class descriptor: for each class in the
// registry, on a live object of that class, every declared property is read
// (and written back where writable), every declared method is dispatched
// (called where that is safe on the object, otherwise shown to be mapped by an
// owner-less descriptor of the class, which reaches the mapping and stops at
// the missing owner), and every declared event is hooked, relayed to a
// listener with its arguments in the records, and unhooked. No declared name
// may fall through to "... not found!".
//
// The table below has one entry per host class that can be registered in this
// program; a registered class without an entry fails the walk, so a new
// descriptor must bring its entry here.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/kelcommon.h"
#include "descriptors/kelclasses.h"
#include "descriptors/kelconvert.h"
#include "host/classes/actions.h"
#include "host/classes/collections.h"
#include "host/classes/component.h"
#include "host/classes/filer.h"
#include "host/classes/lists.h"
#include "host/classes/resources.h"
#include "host/classes/streams.h"
#include "host/classes/strings.h"
#include "host/classes/thread.h"
#include "tests/descriptors/descriptor_test_support.h"
#include "tests/descriptors/test_widget.h"

namespace kel::test {
namespace {

using host::TObject;
using host::Variant;

// ------------------------------------------------------------------ world

// The objects one class walk uses besides the object walked; freed in
// reverse order of creation when the walk ends.
class TReachWorld {
  std::vector<std::function<void()>> cleanups_;  // first: Root's construction adds to it

 public:
  TReachWorld() : Root(Keep(host::New<host::TComponent>(nullptr))) { Root->SetName("Root"); }
  ~TReachWorld() {
    for (auto it = cleanups_.rbegin(); it != cleanups_.rend(); ++it) (*it)();
  }
  TReachWorld(const TReachWorld&) = delete;
  TReachWorld& operator=(const TReachWorld&) = delete;

  template <class T>
  T* Keep(T* obj) {
    cleanups_.push_back([obj] { obj->Free(); });
    return obj;
  }
  template <class T, class... A>
  T* Make(A&&... args) {
    return Keep(host::New<T>(std::forward<A>(args)...));
  }
  // A component owned by Root (freed with it); unnamed for an empty name.
  template <class T = host::TComponent>
  T* Owned(const std::string& name = "") {
    T* c = host::New<T>(Root);
    if (!name.empty()) c->SetName(name);
    return c;
  }
  // An interface whose last reference the world holds.
  host::IUnknown* Interface() {
    auto* obj = host::New<host::TInterfacedObject>();
    obj->_AddRef();
    cleanups_.push_back([obj] { obj->_Release(); });
    return obj;
  }
  // A file path removed when the walk ends.
  std::string TempFile(const std::string& name) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / ("kelreach_" + name);
    cleanups_.push_back([path] { std::filesystem::remove(path); });
    return path.string();
  }
  void OnEnd(std::function<void()> f) { cleanups_.push_back(std::move(f)); }

  host::TComponent* const Root;
  host::TComponent* Child = nullptr;  // the walked component's child
  int Items[2] = {1, 2};              // addresses used as list items
};

// ------------------------------------------------------------------ table

using TArgs = std::function<std::vector<Variant>(TReachWorld&, TObject&)>;
using TRecordCheck = std::function<void(TkelEventInfo&)>;

struct TReachEvent {
  // Installs a handler counting its calls in `calls` (the previous handler).
  std::function<void(TObject&, int& calls)> SetPrevious;
  // Raises the host event on the object; sets `check` first to a test of the
  // records against the arguments.
  std::function<void(TObject&, TRecordCheck& check)> Raise;
};

struct TReachCall {
  std::string Name;
  TArgs Args;
  bool Raises = false;  // the host member refuses these arguments on purpose
};

struct TReachClass {
  std::function<TObject*(TReachWorld&)> Make;
  std::map<std::string, std::vector<Variant>> Indexes;  // index values of array properties
  std::map<std::string, TArgs> Writes;                  // a value to write instead of the one read
  std::set<std::string> ReadRaises, WriteRaises;        // accessors that refuse on this object
  std::vector<TReachCall> Calls;                        // run in this order; other methods are probed
  std::map<std::string, std::string> ProbeRaises;       // probed methods refused before the owner is needed
  std::map<std::string, TReachEvent> Events;
};

TReachClass Entry(std::function<TObject*(TReachWorld&)> make, std::vector<TReachCall> calls = {}) {
  TReachClass c;
  c.Make = std::move(make);
  c.Calls = std::move(calls);
  return c;
}

TArgs Args(std::vector<Variant> values) {
  return [values](TReachWorld&, TObject&) { return values; };
}
const TArgs kNone = Args({});
// The arguments `f(world, object)`: one value.
template <class F>
TArgs Arg(F f) {
  return [f](TReachWorld& w, TObject& o) { return std::vector<Variant>{f(w, o)}; };
}
// Every name of `names` called with the same arguments.
std::vector<TReachCall> Same(std::initializer_list<const char*> names, const TArgs& args = kNone) {
  std::vector<TReachCall> calls;
  for (const char* n : names) calls.push_back({n, args});
  return calls;
}
std::vector<TReachCall> operator+(std::vector<TReachCall> a, const std::vector<TReachCall>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

template <class H>
H& AsHost(TObject& o) {
  return *host::As<H>(&o);
}

// One record checked against the argument the hook received.
template <class A>
void CheckRecord(TkelEventInfo& event, int i, const A& value) {
  const Variant& v = event.GetArgs(i)->Value;
  if constexpr (kelByAddress<A>) {
    ASSERT_NE(v.AsPointer(), nullptr) << event.Name << " argument " << i;
    EXPECT_EQ(std::memcmp(v.AsPointer(), &value, sizeof(A)), 0) << event.Name << " argument " << i;
  } else {
    EXPECT_EQ(v, ToVariant(value)) << event.Name << " argument " << i;
  }
}

// The event held in the host field `field`; `make(host)` gives the arguments
// it is raised with (the values behind by-reference parameters).
template <class H, class... A, class MakeArgs>
TReachEvent EventOf(host::TEvent<A...> H::*field, MakeArgs make) {
  TReachEvent e;
  e.SetPrevious = [field](TObject& o, int& calls) {
    AsHost<H>(o).*field = host::TEvent<A...>([&calls](A...) { ++calls; });
  };
  e.Raise = [field, make](TObject& o, TRecordCheck& check) {
    H& h = AsHost<H>(o);
    std::tuple<std::remove_cvref_t<A>...> args = make(h);
    check = [args](TkelEventInfo& event) {
      ASSERT_EQ(event.GetArgCount(), static_cast<int>(sizeof...(A))) << event.Name;
      [&]<std::size_t... K>(std::index_sequence<K...>) {
        (CheckRecord(event, static_cast<int>(K), std::get<K>(args)), ...);
      }(std::index_sequence_for<A...>{});
    };
    std::apply([&](auto&... a) { (h.*field)(a...); }, args);
  };
  return e;
}
// A notify event: the object itself is the sender.
template <class H>
TReachEvent NotifyOf(host::TNotifyEvent H::*field) {
  return EventOf(field, [](H& h) { return std::tuple<TObject*>(&h); });
}

// The root methods, safe on every object. NewInstance (a new object),
// BeforeDestruction (starts teardown) and Free are only probed; the three
// raw-memory methods refuse on purpose.
std::vector<TReachCall> RootCalls() {
  static const host::TGUID unknown = host::IUnknown::IID;
  return Same({"ClassType", "ClassName", "ClassParent", "ClassInfo", "InstanceSize", "GetInterfaceTable",
               "AfterConstruction"}) +
         Same({"MethodAddress", "FieldAddress"}, Args({Variant("Foo")})) +
         std::vector<TReachCall>{{"ClassNameIs", Args({Variant("TObject")})},
                                 {"InheritsFrom", Args({Addr(&TObject::StaticMetaClass)})},
                                 {"MethodName", Args({Variant(0)})},
                                 {"GetInterface", Args({Addr(&unknown), Variant(0)})},
                                 {"GetInterfaceEntry", Args({Addr(&unknown)})},
                                 {"SafeCallException", Args({Variant(0), Variant(0)})},
                                 {"Dispatch", Args({Variant(0x0112)})},
                                 {"DefaultHandler", Args({Variant(1)})},
                                 {"InitInstance", Arg([](TReachWorld&, TObject& o) { return Addr(&o); }), true},
                                 {"CleanupInstance", kNone, true},
                                 {"FreeInstance", kNone, true}};
}

// ---- data classes

TReachClass ListEntry() {
  TReachClass c;
  c.Make = [](TReachWorld& w) {
    auto* list = w.Make<host::TList>();
    list->Add(&w.Items[0]);
    list->Add(&w.Items[1]);
    return list;
  };
  c.Indexes = {{"Items", {Variant(0)}}};
  const TArgs item = Arg([](TReachWorld& w, TObject&) { return Addr(&w.Items[0]); });
  auto at0 = [](TReachWorld& w, TObject&) { return std::vector<Variant>{Variant(0), Addr(&w.Items[1])}; };
  c.Calls = std::vector<TReachCall>{{"Add", item}, {"Insert", at0}, {"IndexOf", item}} +
            Same({"Exchange", "Move"}, Args({Variant(0), Variant(1)})) + Same({"First", "Last", "Expand"}) +
            std::vector<TReachCall>{{"Remove", item}, {"Delete", Args({Variant(0)})}, {"Pack", kNone},
                                    {"Error", Args({Variant("Bad %d"), Variant(3)}), true}, {"Clear", kNone}};
  return c;
}

TReachClass ThreadListEntry() {
  const TArgs item = Arg([](TReachWorld& w, TObject&) { return Addr(&w.Items[0]); });
  return Entry([](TReachWorld& w) { return w.Make<host::TThreadList>(); },
               {{"Add", item}, {"LockList", kNone}, {"UnlockList", kNone}, {"Remove", item}, {"Clear", kNone}});
}

TReachClass InterfaceListEntry() {
  TReachClass c;
  c.Make = [](TReachWorld& w) {
    auto* list = w.Make<host::TInterfaceList>();
    host::IUnknown* i = w.Interface();
    list->Add(i);
    list->Add(i);
    return list;
  };
  c.Indexes = {{"Items", {Variant(0)}}};
  // The list's own first item (the world's interface).
  const TArgs item = Arg([](TReachWorld&, TObject& o) { return Addr(AsHost<host::TInterfaceList>(o).Get(0)); });
  auto at0 = [](TReachWorld&, TObject& o) {
    return std::vector<Variant>{Variant(0), Addr(AsHost<host::TInterfaceList>(o).Get(0))};
  };
  c.Calls = std::vector<TReachCall>{{"Add", item}, {"Insert", at0}, {"IndexOf", item},
                                    {"Exchange", Args({Variant(0), Variant(1)})}} +
            Same({"First", "Last", "Expand", "Lock", "Unlock"}) +
            std::vector<TReachCall>{{"Remove", item}, {"Delete", Args({Variant(0)})}, {"Clear", kNone}};
  return c;
}

TReachClass BitsEntry() {
  TReachClass c;
  c.Make = [](TReachWorld& w) {
    auto* bits = w.Make<host::TBits>();
    bits->SetSize(8);
    bits->SetBits(3, true);
    return bits;
  };
  c.Indexes = {{"Bits", {Variant(3)}}};
  c.Calls = {{"OpenBit", kNone}};
  return c;
}

// TPersistent's own methods on an object whose class can assign a copy of
// itself (`assignable`); others refuse Assign.
std::vector<TReachCall> PersistentCalls(TArgs source, bool assignable) {
  return {{"GetNamePath", kNone}, {"Assign", std::move(source), !assignable}};
}


host::TCollection* TwoItems(host::TCollection* collection) {
  collection->Add();
  collection->Add();
  return collection;
}

TReachClass CollectionEntry(bool owned) {
  TReachClass c;
  c.Make = [owned](TReachWorld& w) -> TObject* {
    if (owned) return TwoItems(w.Make<host::TOwnedCollection>(w.Root, &host::TCollectionItem::StaticMetaClass));
    return TwoItems(w.Make<host::TCollection>(&host::TCollectionItem::StaticMetaClass));
  };
  c.Indexes = {{"Items", {Variant(0)}}};
  c.WriteRaises = {"Items"};  // an item cannot be assigned to itself
  // Empty: plain TCollectionItems cannot be assigned, so their collections copy only when empty.
  const TArgs source =
      Arg([](TReachWorld& w, TObject&) { return Addr(w.Make<host::TCollection>(&host::TCollectionItem::StaticMetaClass)); });
  c.Calls = PersistentCalls(source, true) + Same({"Insert", "FindItemID"}, Args({Variant(0)})) +
            Same({"Add", "BeginUpdate", "EndUpdate", "Clear"});
  return c;
}

// The path of one temporary file, the same on every call of the entry.
TArgs FileArg(const std::string& name) {
  auto file = std::make_shared<std::string>();
  return Arg([file, name](TReachWorld& w, TObject&) {
    if (file->empty()) *file = w.TempFile(name);
    return Variant(*file);
  });
}

TReachClass StringsEntry(bool stringList) {
  TReachClass c;
  c.Make = [](TReachWorld& w) {
    auto* list = w.Make<host::TStringList>();
    list->SetCommaText("a=1,b=2");
    return list;
  };
  c.Indexes = {{"Names", {Variant(0)}}, {"Objects", {Variant(0)}}, {"Values", {Variant("a")}}, {"Strings", {Variant(0)}}};
  static const char kText[] = "x\ny";
  const TArgs other = Arg([](TReachWorld& w, TObject&) {
    auto* s = w.Make<host::TStringList>();
    s->Add("o");
    return Addr(s);
  });
  const TArgs stream = Arg([](TReachWorld& w, TObject&) { return Addr(w.Make<host::TMemoryStream>()); });
  c.Calls = PersistentCalls(other, true) +
            std::vector<TReachCall>{{"Add", Args({Variant("c")})},
                                    {"AddObject", Args({Variant("d"), Variant(0)})},
                                    {"Append", Args({Variant("e")})},
                                    {"AddStrings", other},
                                    {"BeginUpdate", kNone},
                                    {"EndUpdate", kNone},
                                    {"Equals", other},
                                    {"GetText", kNone},
                                    {"IndexOfObject", Args({Variant(0)})},
                                    {"Insert", Args({Variant(0), Variant("z")})},
                                    {"InsertObject", Args({Variant(0), Variant("y"), Variant(0)})}} +
            Same({"Exchange", "Move"}, Args({Variant(0), Variant(1)})) +
            Same({"IndexOf", "IndexOfName"}, Args({Variant("a")})) + Same({"SaveToStream", "LoadFromStream"}, stream) +
            Same({"SaveToFile", "LoadFromFile"}, FileArg("strings.txt")) +
            std::vector<TReachCall>{{"SetText", Args({Addr(kText)})}, {"Delete", Args({Variant(0)})}, {"Clear", kNone}};
  if (stringList) {
    c.Calls = c.Calls + std::vector<TReachCall>{{"Add", Args({Variant("b")})},
                                                {"Find", Args({Variant("b"), Variant(0)})},
                                                {"Sort", kNone}};
    c.Events = {{"OnChange", NotifyOf(&host::TStringList::OnChange)},
                {"OnChanging", NotifyOf(&host::TStringList::OnChanging)}};
  }
  return c;
}

// ---- streams

host::TMemoryStream* HelloStream(TReachWorld& w) {
  auto* s = w.Make<host::TMemoryStream>();
  s->WriteBuffer("hello", 5);
  s->SetPosition(0);
  return s;
}

// The stream's methods; the write methods only on a writable stream.
std::vector<TReachCall> StreamCalls(bool writable) {
  auto source = [](TReachWorld& w, TObject&) { return std::vector<Variant>{Addr(HelloStream(w)), Variant(2)}; };
  const TArgs rewind = Args({Variant(0), Variant(0)});
  std::vector<TReachCall> calls = {{"Seek", rewind}, {"Read", Args({Variant("xxx"), Variant(3)})},
                                   {"Seek", rewind}, {"ReadBuffer", Args({Variant("xx"), Variant(2)})}};
  if (!writable) return calls;
  return calls + std::vector<TReachCall>{
                     {"Write", Args({Variant("abc"), Variant(3)})},
                     {"WriteBuffer", Args({Variant("zz"), Variant(2)})},
                     {"CopyFrom", source},
                     {"WriteComponent", Arg([](TReachWorld& w, TObject&) { return Addr(w.Owned("Streamed")); })}};
}

TReachClass StreamEntry(std::function<TObject*(TReachWorld&)> make, bool writable = true) {
  TReachClass c;
  c.Make = std::move(make);
  c.Calls = StreamCalls(writable);
  return c;
}

TObject* FileStream(TReachWorld& w) {
  auto* s = w.Make<host::TFileStream>(w.TempFile("stream.bin"), host::fmCreate);
  s->WriteBuffer("hello", 5);
  s->SetPosition(0);
  return s;
}

TObject* ResourceStream(TReachWorld& w) {
  host::RegisterResource(host::HInstance(), "KELREACH", host::RT_RCDATA, std::string_view("hello"));
  w.OnEnd([] { host::UnregisterResource(host::HInstance(), "KELREACH", host::RT_RCDATA); });
  return w.Make<host::TResourceStream>(host::HInstance(), "KELREACH", host::RT_RCDATA);
}

TReachClass CustomMemoryStreamEntry(bool memoryStream) {
  TReachClass c = StreamEntry(HelloStream);
  const TArgs file = FileArg("memory.bin"), stream = Arg([](TReachWorld& w, TObject&) { return Addr(HelloStream(w)); });
  c.Calls = c.Calls + std::vector<TReachCall>{{"SaveToStream", stream}, {"SaveToFile", file}};
  if (memoryStream)
    c.Calls = c.Calls + std::vector<TReachCall>{{"LoadFromStream", stream}, {"LoadFromFile", file}, {"Clear", kNone}};
  return c;
}

TReachClass StringStreamEntry() {
  TReachClass c = StreamEntry([](TReachWorld& w) { return w.Make<host::TStringStream>("hello"); });
  c.Calls.insert(c.Calls.end(), {{"ReadString", Args({Variant(2)})}, {"WriteString", Args({Variant("ab")})}});
  return c;
}

// ---- filers

TObject* Writer(TReachWorld& w) { return w.Make<host::TWriter>(w.Make<host::TMemoryStream>(), 64); }

TReachClass FilerEntry() { return Entry(Writer, {{"FlushBuffer", kNone}}); }

TReachClass WriterEntry() {
  TReachClass c = FilerEntry();
  c.Calls = std::vector<TReachCall>{{"WriteSignature", kNone},        {"WriteInteger", Args({Variant(1)})},
                                    {"WriteBoolean", Args({Variant(true)})}, {"WriteFloat", Args({Variant(1.5)})},
                                    {"WriteSingle", Args({Variant(2.5)})},   {"WriteCurrency", Args({Variant(3)})},
                                    {"WriteDate", Args({Variant(4.0)})},     {"WriteIdent", Args({Variant("Foo")})},
                                    {"WriteStr", Args({Variant("s")})},      {"WriteString", Args({Variant("t")})},
                                    {"WriteWideString", Args({Variant("w")})}, {"WriteChar", Args({Variant("c")})},
                                    {"WriteListBegin", kNone},               {"WriteListEnd", kNone},
                                    {"Write", Args({Variant("ab"), Variant(2)})}} +
            c.Calls;
  return c;
}

// A reader over one value of each kind its read methods take, in the order
// of the calls below.
TObject* Reader(TReachWorld& w) {
  auto* stream = w.Make<host::TMemoryStream>();
  {
    host::TOwned<host::TWriter> writer = host::MakeOwned<host::TWriter>(stream, 64);
    writer->WriteSignature();
    writer->WriteInteger(7);
    writer->WriteBoolean(true);
    writer->WriteString("abc");
    writer->WriteIdent("Foo");
    writer->WriteFloat(1.5);
    writer->WriteSingle(2.5f);
    writer->WriteCurrency(host::Currency(3));
    writer->WriteDate(4.0);
    writer->WriteWideString(u"w");
    writer->WriteChar('c');
    writer->WriteListBegin();
    writer->WriteListEnd();
    writer->WriteStr("s");
    writer->Write("xy", 2);
  }
  stream->SetPosition(0);
  return w.Make<host::TReader>(stream, 64);
}

TReachClass ReaderEntry() {
  TReachClass c;
  c.Make = Reader;
  c.Calls = Same({"ReadSignature", "ReadInteger", "ReadBoolean", "ReadString", "ReadIdent", "ReadFloat", "ReadSingle",
                  "ReadCurrency", "ReadDate", "ReadWideString", "ReadChar", "NextValue", "ReadListBegin", "EndOfList",
                  "ReadListEnd", "ReadStr"}) +
            std::vector<TReachCall>{{"Read", Args({Variant("..."), Variant(2)})}} +
            Same({"BeginReferences", "FixupReferences", "EndReferences", "FlushBuffer"});
  using host::TReader;
  c.Events = {
      {"OnError", EventOf(&TReader::OnError, [](TReader& r) { return std::tuple(&r, std::string("bad"), false); })},
      {"OnFindMethod", EventOf(&TReader::OnFindMethod,
                               [](TReader& r) { return std::tuple(&r, std::string("Click"), static_cast<void*>(&r), true); })},
      {"OnSetName", EventOf(&TReader::OnSetName,
                            [](TReader& r) { return std::tuple(&r, static_cast<host::TComponent*>(nullptr), std::string("N")); })},
      {"OnReferenceName", EventOf(&TReader::OnReferenceName, [](TReader& r) { return std::tuple(&r, std::string("R")); })},
      {"OnAncestorNotFound",
       EventOf(&TReader::OnAncestorNotFound, [](TReader& r) {
         return std::tuple(&r, std::string("A"), host::TClass(&host::TComponent::StaticMetaClass),
                           static_cast<host::TComponent*>(nullptr));
       })},
  };
  return c;
}

// ---- components

TReachClass ThreadEntry() {
  TReachClass c;
  c.Make = [](TReachWorld& w) { return w.Make<TSevenThread>(); };
  c.Calls = {{"Terminate", kNone}, {"Resume", kNone}, {"WaitFor", kNone}};  // Suspend only probed
  c.Events = {{"OnTerminate", NotifyOf(&host::TThread::OnTerminate)}};
  return c;
}

std::vector<TReachCall> ComponentCalls() {
  const TArgs other = Arg([](TReachWorld& w, TObject&) { return Addr(w.Owned()); });
  const TArgs action = Arg([](TReachWorld& w, TObject&) { return Addr(w.Owned<host::TBasicAction>()); });
  // The child leaves the walked component and joins it again (DestroyComponents then frees it).
  const TArgs child = Arg([](TReachWorld& w, TObject&) { return Addr(w.Child); });
  return std::vector<TReachCall>{{"FindComponent", Args({Variant("Child")})}, {"FreeNotification", other}} +
         Same({"FreeOnRelease", "GetParentComponent", "HasParent"}) + Same({"ExecuteAction", "UpdateAction"}, action) +
         Same({"RemoveComponent", "InsertComponent"}, child) + Same({"DestroyComponents", "Destroying"});
}

template <class T>
TObject* ComponentWithChild(TReachWorld& w) {
  auto* c = w.Owned<T>("Walked");
  w.Child = host::New<host::TComponent>(c);
  w.Child->SetName("Child");
  return c;
}

TReachClass ComponentEntry() {
  TReachClass c;
  c.Make = ComponentWithChild<host::TComponent>;
  c.Indexes = {{"Components", {Variant(0)}}};
  c.ReadRaises = {"ComObject"};  // no COM server here
  c.Calls = ComponentCalls();
  return c;
}

TReachClass ActionLinkEntry() {
  TReachClass c;
  c.Make = [](TReachWorld& w) {
    auto* link = w.Make<host::TBasicActionLink>(nullptr);
    link->SetAction(w.Owned<host::TBasicAction>("Linked"));
    return link;
  };
  c.Calls = {{"Execute", kNone}, {"Update", kNone}};
  c.Events = {{"OnChange", NotifyOf(&host::TBasicActionLink::OnChange)}};
  return c;
}

TReachClass ActionEntry() {
  TReachClass c = ComponentEntry();
  c.Make = ComponentWithChild<host::TBasicAction>;
  auto made = std::make_shared<host::TBasicActionLink*>(nullptr);
  const TArgs link = Arg([made](TReachWorld& w, TObject&) {
    if (!*made) *made = w.Make<host::TBasicActionLink>(nullptr);
    return Addr(*made);
  });
  c.Calls = Same({"HandlesTarget", "UpdateTarget", "ExecuteTarget"},
                 Arg([](TReachWorld& w, TObject&) { return Addr(w.Root); })) +
            Same({"Execute", "Update"}) + Same({"RegisterChanges", "UnRegisterChanges"}, link) + c.Calls;
  using host::TBasicAction;
  c.Events = {{"OnChange", NotifyOf(&TBasicAction::OnChange)},
              {"OnExecute", NotifyOf(&TBasicAction::OnExecute)},
              {"OnUpdate", NotifyOf(&TBasicAction::OnUpdate)}};
  return c;
}

// ---- the test widget of the pattern tests (registered by them)

TReachClass WidgetEntry() {
  TReachClass c;
  c.Make = [](TReachWorld& w) {
    auto* widget = w.Make<TTestWidget>();
    widget->Add("one");
    return widget;
  };
  c.Indexes = {{"Items", {Variant(0)}}};
  static const TTestRect bounds{1, 2, 3, 4};
  c.Writes = {{"Bounds", Args({Addr(&bounds)})}};
  c.Calls = {{"Add", Args({Variant("two")})},
             {"Find", Args({Variant("two"), Variant(0)})},
             {"Inflate", Args({Addr(&bounds), Variant(1)})},
             {"Sum", Args({Variant(1), Variant(2)})},
             {"SumProc", Args({Variant(1), Variant(2)})}};
  // Broken is mapped with a different arity than its text declares: the probe sees the mapping refuse.
  c.ProbeRaises = {{"Broken", "Method Broken needs 2 arguments, but its record has 1!"}};
  c.Events = {{"OnChange", NotifyOf(&TTestWidget::OnChange)},
              {"OnKey", EventOf(&TTestWidget::OnKey,
                                [](TTestWidget& h) { return std::tuple(static_cast<TObject*>(&h), uint16_t{13}, TTestOptions{toBold}); })},
              {"OnAct", NotifyOf(&TTestWidget::OnAct)}};
  return c;
}

const std::map<std::string, TReachClass>& Table() {
  static const std::map<std::string, TReachClass> table = [] {
    std::map<std::string, TReachClass> t;
    t["TObject"].Make = [](TReachWorld& w) { return w.Make<TObject>(); };
    t["TInterfacedObject"].Make = [](TReachWorld& w) { return w.Make<host::TInterfacedObject>(); };
    t["TList"] = ListEntry();
    t["TThreadList"] = ThreadListEntry();
    t["TInterfaceList"] = InterfaceListEntry();
    t["TBits"] = BitsEntry();
    t["TPersistent"] =
        Entry([](TReachWorld& w) { return w.Make<host::TPersistent>(); }, PersistentCalls(Args({Variant(0)}), false));
    t["TCollectionItem"] = Entry(
        [](TReachWorld& w) {
          return TwoItems(w.Make<host::TCollection>(&host::TCollectionItem::StaticMetaClass))->GetItem(0);
        },
        PersistentCalls(Args({Variant(0)}), false));
    t["TCollection"] = CollectionEntry(false);
    t["TOwnedCollection"] = CollectionEntry(true);
    t["TStrings"] = StringsEntry(false);
    t["TStringList"] = StringsEntry(true);
    t["TStream"] = StreamEntry(HelloStream);
    t["THandleStream"] = StreamEntry(FileStream);
    t["TFileStream"] = StreamEntry(FileStream);
    t["TCustomMemoryStream"] = CustomMemoryStreamEntry(false);
    t["TMemoryStream"] = CustomMemoryStreamEntry(true);
    t["TStringStream"] = StringStreamEntry();
    t["TResourceStream"] = StreamEntry(ResourceStream, false);
    t["TFiler"] = FilerEntry();
    t["TReader"] = ReaderEntry();
    t["TWriter"] = WriterEntry();
    t["TThread"] = ThreadEntry();
    t["TComponent"] = ComponentEntry();
    t["TBasicActionLink"] = ActionLinkEntry();
    t["TBasicAction"] = ActionEntry();
    t["TTestWidget"] = WidgetEntry();
    for (auto& [name, entry] : t) entry.Calls = RootCalls() + entry.Calls;
    return t;
  }();
  return table;
}

// ------------------------------------------------------------------ walk

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
  EXPECT_EQ(heard, 1);                  // unhooked: the listener hears nothing
  EXPECT_EQ(previous, unhooked + 1);    // the previous handler is back
  d.SetOwner(&obj);
  Unlisten(&d, {listener});
}

void WalkClass(const std::string& name) {
  SCOPED_TRACE("class " + name);
  const auto entry = Table().find(name);
  ASSERT_NE(entry, Table().end()) << "no factory for " << name << ": add it to the reachability table";
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
  for (int i = 0; i < d->GetEventCount(); ++i) CheckEvent(entry->second, *obj, *d, *d->GetEvents(i), previous[d->GetEvents(i)->Name]);
  for (int i = 0; i < d->GetPropertyCount(); ++i) CheckProperty(entry->second, world, *obj, *d, *d->GetProperties(i));
  RunCalls(entry->second, world, *obj, *d);
  ProbeOthers(entry->second, infoClass);
  d->SetOwner(nullptr);
  d->Free();
}

TEST(ClassLibraryReach, EveryRegisteredDescriptorReachesEveryDeclaredFeature) {
  // The package registered every descriptor unit (kel::package::Initialize).
  std::vector<std::string> names;
  TkelClassRegistry::Iterate(host::TEvent<const std::string&>([&](const std::string& n) { names.push_back(n); }));
  for (const char* expected : {"TObject", "TInterfacedObject", "TStringList", "TComponent", "TBasicAction"})
    EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end()) << expected;
  // The variable's descriptor is not made by the registry: each variable
  // supplies its own, whose features follow the class it holds (its own
  // tests walk it).
  for (const std::string& name : names)
    if (name != "TkelVariable") WalkClass(name);
}

TEST(ClassLibraryReach, AClassWithoutAFactoryEntryFailsTheWalk) {
  EXPECT_FATAL_FAILURE(WalkClass("TNoSuchClass"), "no factory for TNoSuchClass");
}

}  // namespace
}  // namespace kel::test
