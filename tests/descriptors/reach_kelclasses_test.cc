// Reachability of the class library's descriptors (lists, bits, persistent
// objects, collections, strings, streams, filers, threads, components,
// actions): one table entry per class.
#include "tests/descriptors/reach_walker.h"

namespace kel::test {
namespace {

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
            std::vector<TReachCall>{{"Remove", item},
                                    {"Delete", Args({Variant(0)})},
                                    {"Pack", kNone},
                                    {"Error", Args({Variant("Bad %d"), Variant(3)}), true},
                                    {"Clear", kNone}};
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
  const TArgs item = Arg(
      [](TReachWorld&, TObject& o) { return Addr(dynamic_cast<TObject*>(AsHost<host::TInterfaceList>(o).Get(0))); });
  auto at0 = [](TReachWorld&, TObject& o) {
    return std::vector<Variant>{Variant(0), Addr(dynamic_cast<TObject*>(AsHost<host::TInterfaceList>(o).Get(0)))};
  };
  c.Calls =
      std::vector<TReachCall>{
          {"Add", item}, {"Insert", at0}, {"IndexOf", item}, {"Exchange", Args({Variant(0), Variant(1)})}} +
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
  const TArgs source = Arg([](TReachWorld& w, TObject&) {
    return Addr(w.Make<host::TCollection>(&host::TCollectionItem::StaticMetaClass));
  });
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
  c.Indexes = {
      {"Names", {Variant(0)}}, {"Objects", {Variant(0)}}, {"Values", {Variant("a")}}, {"Strings", {Variant(0)}}};
  static const char kText[] = "x\ny";
  const TArgs other = Arg([](TReachWorld& w, TObject&) {
    auto* s = w.Make<host::TStringList>();
    s->Add("o");
    return Addr(s);
  });
  const TArgs stream = Arg([](TReachWorld& w, TObject&) { return Addr(w.Make<host::TMemoryStream>()); });
  c.Calls =
      PersistentCalls(other, true) +
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
      std::vector<TReachCall>{{"SetText", Args({Variant(kText)})}, {"Delete", Args({Variant(0)})}, {"Clear", kNone}};
  if (stringList) {
    c.Calls = c.Calls + std::vector<TReachCall>{
                            {"Add", Args({Variant("b")})}, {"Find", Args({Variant("b"), Variant(0)})}, {"Sort", kNone}};
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
  std::vector<TReachCall> calls = {{"Seek", rewind},
                                   {"Read", Args({Variant("xxx"), Variant(3)})},
                                   {"Seek", rewind},
                                   {"ReadBuffer", Args({Variant("xx"), Variant(2)})}};
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
  const TArgs file = FileArg("memory.bin"), stream = Arg([](TReachWorld&w, TObject&) { return Addr(HelloStream(w)); });
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
  c.Calls = std::vector<TReachCall>{{"WriteSignature", kNone},
                                    {"WriteInteger", Args({Variant(1)})},
                                    {"WriteBoolean", Args({Variant(true)})},
                                    {"WriteFloat", Args({Variant(1.5)})},
                                    {"WriteSingle", Args({Variant(2.5)})},
                                    {"WriteCurrency", Args({Variant(3)})},
                                    {"WriteDate", Args({Variant(4.0)})},
                                    {"WriteIdent", Args({Variant("Foo")})},
                                    {"WriteStr", Args({Variant("s")})},
                                    {"WriteString", Args({Variant("t")})},
                                    {"WriteWideString", Args({Variant("w")})},
                                    {"WriteChar", Args({Variant("c")})},
                                    {"WriteListBegin", kNone},
                                    {"WriteListEnd", kNone},
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
    writer->WriteCurrency(host::Currency{3});
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
      {"OnFindMethod",
       EventOf(&TReader::OnFindMethod,
               [](TReader& r) { return std::tuple(&r, std::string("Click"), static_cast<void*>(&r), true); })},
      {"OnSetName",
       EventOf(&TReader::OnSetName,
               [](TReader& r) { return std::tuple(&r, static_cast<host::TComponent*>(nullptr), std::string("N")); })},
      {"OnReferenceName",
       EventOf(&TReader::OnReferenceName, [](TReader& r) { return std::tuple(&r, std::string("R")); })},
      {"OnAncestorNotFound", EventOf(&TReader::OnAncestorNotFound,
                                     [](TReader& r) {
                                       return std::tuple(&r, std::string("A"),
                                                         host::TClass(&host::TComponent::StaticMetaClass),
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

}  // namespace

TReachTable ClassesReach() {
  TReachTable t;
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
  for (auto& [name, entry] : t) entry.Calls = RootCalls() + entry.Calls;
  return t;
}

namespace {

TEST(KelclassesReach, EveryDescriptorOfTheUnitReachesEveryDeclaredFeature) {
  const TReachTable table = ClassesReach();
  WalkUnit(table, TkelDataDescriptors{});
  WalkUnit(table, TkelStreamDescriptors{});
  WalkUnit(table, TkelComponentDescriptors{});
}

}  // namespace
}  // namespace kel::test
