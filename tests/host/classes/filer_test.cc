#include "host/classes/filer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "host/classes/streams.h"
#include "tests/host/classes/filer_test_classes.h"

namespace filertest {
namespace {

class FilerTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterTestClasses(); }
  static void TearDownTestSuite() { UnregisterTestClasses(); }
  void SetUp() override { LoadedLog().clear(); }
};

// The bytes a writer produces.
std::string Written(const std::function<void(TWriter&)>& write) {
  TOwned<TStringStream> data = MakeOwned<TStringStream>();
  {
    TOwned<TWriter> writer = MakeOwned<TWriter>(data.get(), 16);  // small: exercises the buffer
    write(*writer);
  }
  return data->GetDataString();
}

// Runs `read` on a reader over `bytes`.
template <class F>
void ReadFrom(const std::string& bytes, F&& read) {
  TOwned<TStringStream> data = MakeOwned<TStringStream>(bytes);
  TOwned<TReader> reader = MakeOwned<TReader>(data.get(), 16);
  read(*reader);
}

std::string FormBytes(TComponent* root) {
  TOwned<TStringStream> data = MakeOwned<TStringStream>();
  data->WriteComponent(root);
  return data->GetDataString();
}

// Reads a form; a null root is created from the stream.
TComponent* ReadForm(const std::string& bytes, TComponent* root = nullptr,
                     const std::function<void(TReader&)>& setup = nullptr) {
  TOwned<TStringStream> data = MakeOwned<TStringStream>(bytes);
  TOwned<TReader> reader = MakeOwned<TReader>(data.get(), 64);
  if (setup) setup(*reader);
  return reader->ReadRootComponent(root);
}

template <class T>
T* Find(TComponent* root, const char* name) {
  return dynamic_cast<T*>(root->FindComponent(name));
}

// Form1: TTestForm holding G1, G2 (TGadget).
TOwned<TTestForm> MakeForm() {
  TOwned<TTestForm> form(New<TTestForm>(nullptr));
  form->SetName("Form1");
  New<TGadget>(form.get())->SetName("G1");
  New<TGadget>(form.get())->SetName("G2");
  return form;
}

// A form stream written value by value, for input a writer would never make.
std::string HandMadeForm(const std::function<void(TWriter&)>& gadgetProps, const char* gadgetClass = "TGadget",
                         const char* gadgetName = "G1") {
  return Written([&](TWriter& w) {
    w.WriteSignature();
    w.WriteStr("TTestForm");
    w.WriteStr("Form1");
    w.WriteListEnd();
    w.WriteStr(gadgetClass);
    w.WriteStr(gadgetName);
    gadgetProps(w);
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
  });
}

// ------------------------------------------------------------ primitives

TEST_F(FilerTest, ValuePrimitivesRoundTripWithTheirClassicTags) {
  const std::string bytes = Written([](TWriter& w) {
    w.WriteInteger(-128);
    w.WriteInteger(128);
    w.WriteInteger(-32769);
    w.WriteInt64(int64_t{1} << 40);
    w.WriteInt64(7);
    w.WriteBoolean(true);
    w.WriteFloat(1.0);
    w.WriteFloat(-2.5e-300);
    w.WriteSingle(0.25f);
    w.WriteCurrency(Currency::FromRaw(123456));
    w.WriteDate(45000.5);
    w.WriteString("plain");
    w.WriteString(std::string(300, 'x'));
    w.WriteString("caf\xC3\xA9");
    w.WriteWideString(u"wide\u00e9");
    w.WriteChar('Q');
    w.WriteIdent("alClient");
    w.WriteIdent("nil");
    w.WriteIdent("TRUE");
    w.WriteSet({"a", "b"});
    w.WriteBinary("\x01\x02\x03", 3);
    w.WriteListBegin();
    w.WriteListEnd();
  });
  // 1.0 as a 10-byte extended: mantissa 8000000000000000, exponent 3FFF.
  const std::string one("\x05\x00\x00\x00\x00\x00\x00\x00\x80\xFF\x3F", 11);
  EXPECT_NE(bytes.find(one), std::string::npos);

  ReadFrom(bytes, [](TReader& r) {
    EXPECT_EQ(r.NextValue(), vaInt8);
    EXPECT_EQ(r.ReadInteger(), -128);
    EXPECT_EQ(r.NextValue(), vaInt16);
    EXPECT_EQ(r.ReadInteger(), 128);
    EXPECT_EQ(r.NextValue(), vaInt32);
    EXPECT_EQ(r.ReadInteger(), -32769);
    EXPECT_EQ(r.NextValue(), vaInt64);
    EXPECT_EQ(r.ReadInt64(), int64_t{1} << 40);
    EXPECT_EQ(r.ReadInt64(), 7);
    EXPECT_TRUE(r.ReadBoolean());
    EXPECT_EQ(r.ReadFloat(), 1.0);
    EXPECT_EQ(r.ReadFloat(), -2.5e-300);
    EXPECT_EQ(r.ReadSingle(), 0.25f);
    EXPECT_EQ(r.ReadCurrency(), Currency::FromRaw(123456));
    EXPECT_EQ(r.ReadDate(), 45000.5);
    EXPECT_EQ(r.NextValue(), vaString);
    EXPECT_EQ(r.ReadString(), "plain");
    EXPECT_EQ(r.NextValue(), vaLString);
    EXPECT_EQ(r.ReadString(), std::string(300, 'x'));
    EXPECT_EQ(r.NextValue(), vaUTF8String);
    EXPECT_EQ(r.ReadString(), "caf\xC3\xA9");
    EXPECT_EQ(r.NextValue(), vaWString);
    EXPECT_EQ(r.ReadString(), "wide\xC3\xA9");  // wide text reads as UTF-8 too
    EXPECT_EQ(r.ReadChar(), 'Q');
    EXPECT_EQ(r.ReadIdent(), "alClient");
    EXPECT_EQ(r.NextValue(), vaNil);
    EXPECT_EQ(r.ReadIdent(), "nil");
    EXPECT_EQ(r.NextValue(), vaTrue);
    EXPECT_EQ(r.ReadIdent(), "True");
    EXPECT_EQ(r.ReadSet(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(r.ReadBinary(), (std::vector<uint8_t>{1, 2, 3}));
    r.ReadListBegin();
    EXPECT_TRUE(r.EndOfList());
    r.ReadListEnd();
    EXPECT_RAISES(r.ReadValue(), EReadError, "Stream read error at position " + std::to_string(r.GetPosition()));
  });
}

TEST_F(FilerTest, AReadOfTheWrongKindRaisesAndLeavesThePosition) {
  const std::string bytes = Written([](TWriter& w) {
    w.WriteString("abc");
    w.WriteInteger(5);
  });
  ReadFrom(bytes, [](TReader& r) {
    EXPECT_RAISES(r.ReadInteger(), EReadError,
                  "Invalid property value: expected an integer, found vaString at position 0");
    EXPECT_EQ(r.GetPosition(), 0);
    EXPECT_RAISES(r.ReadChar(), EReadError,
                  "Invalid property value: expected one character, found 'abc' at position 0");
    EXPECT_EQ(r.GetPosition(), 0);
    EXPECT_EQ(r.ReadString(), "abc");
    EXPECT_THROW(r.ReadString(), EReadError);
    EXPECT_THROW(r.ReadBoolean(), EReadError);
    EXPECT_THROW(r.ReadListEnd(), EReadError);
    EXPECT_EQ(r.ReadInteger(), 5);
  });
  ReadFrom(std::string("\x63", 1), [](TReader& r) {
    EXPECT_RAISES(r.NextValue(), EReadError, "Invalid stream format: unknown value type 99 at position 0");
  });
  ReadFrom("TPF1", [](TReader& r) { EXPECT_RAISES(r.ReadSignature(), EReadError, "Invalid stream format"); });
  ReadFrom("TP", [](TReader& r) { EXPECT_RAISES(r.ReadSignature(), EReadError, "Invalid stream format"); });
  ReadFrom("TPF0", [](TReader& r) { EXPECT_NO_THROW(r.ReadSignature()); });
}

TEST_F(FilerTest, PrefixCarriesFlagsAndChildPosition) {
  const std::string bytes = Written([](TWriter& w) {
    w.WritePrefix(TFilerFlags{ffInherited, ffChildPos}, 300);
    w.WritePrefix(TFilerFlags{}, 5);  // no flags: nothing written
    w.WriteStr("X");
  });
  ReadFrom(bytes, [](TReader& r) {
    TFilerFlags flags;
    int32_t pos = -1;
    r.ReadPrefix(flags, pos);
    EXPECT_EQ(flags, (TFilerFlags{ffInherited, ffChildPos}));
    EXPECT_EQ(pos, 300);
    r.ReadPrefix(flags, pos);
    EXPECT_TRUE(flags.Empty());
    EXPECT_EQ(r.ReadStr(), "X");
  });
}

TEST_F(FilerTest, CopyValueAndSkipValueWalkWholeValues) {
  auto writeValue = [](TWriter& w) {
    w.WriteListBegin();
    w.WriteInteger(1);
    w.WriteListBegin();
    w.WriteString(std::string(400, 'y'));
    w.WriteWideString(u"zz");
    w.WriteListEnd();
    w.WriteSet({"p", "q"});
    w.WriteBinary("abcd", 4);
    w.WriteFloat(3.5);
    w.WriteValue(vaCollection);
    w.WriteInteger(0);
    w.WriteListBegin();
    w.WriteStr("Text");
    w.WriteString("t");
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
  };
  const std::string original = Written([&](TWriter& w) {
    writeValue(w);
    w.WriteInteger(42);
  });
  const std::string copied = Written([&](TWriter& w) { ReadFrom(original, [&](TReader& r) { r.CopyValue(&w); }); });
  EXPECT_EQ(copied + std::string("\x02\x2A", 2), original);
  ReadFrom(original, [](TReader& r) {
    r.SkipValue();
    EXPECT_EQ(r.ReadInteger(), 42);
  });
  // A value cut short cannot be skipped.
  ReadFrom(original.substr(0, original.size() - 4), [](TReader& r) { EXPECT_THROW(r.SkipValue(), EReadError); });
}

TEST_F(FilerTest, VariantsKeepTheirKind) {
  Variant array = VarArrayOf({Variant(1), Variant("two")});
  const std::string bytes = Written([&](TWriter& w) {
    for (const Variant& v :
         {Variant(), Variant::Null(), Variant(int32_t{70000}), Variant(int64_t{1} << 33), Variant(true), Variant(2.5),
          Variant(Currency::FromRaw(5)), Variant("s"), Variant(u"w"), array})
      w.WriteVariant(v);
  });
  ReadFrom(bytes, [&](TReader& r) {
    EXPECT_TRUE(r.ReadVariant().IsEmpty());
    EXPECT_TRUE(r.ReadVariant().IsNull());
    EXPECT_EQ(r.ReadVariant(), Variant(int32_t{70000}));
    EXPECT_EQ(r.ReadVariant().VarType(), varInt64);
    EXPECT_EQ(r.ReadVariant().VarType(), varBoolean);
    EXPECT_EQ(r.ReadVariant().AsDouble(), 2.5);
    EXPECT_EQ(r.ReadVariant().VarType(), varCurrency);
    EXPECT_EQ(r.ReadVariant().VarType(), varString);
    EXPECT_EQ(r.ReadVariant().VarType(), varOleStr);
    Variant back = r.ReadVariant();
    ASSERT_TRUE(back.IsArray());
    EXPECT_EQ(VarArrayHighBound(back, 1), 1);
    EXPECT_EQ(VarArrayGet(back, {1}).AsString(), "two");
  });
  EXPECT_THROW(Written([](TWriter& w) { w.WriteVariant(VarArrayCreate({0, 1, 0, 1})); }), EWriteError);
}

// ----------------------------------------------------------------- forms

TEST_F(FilerTest, EveryPropertyKindRoundTrips) {
  TOwned<TTestForm> form = MakeForm();
  TGadget* g1 = Find<TGadget>(form.get(), "G1");
  g1->SetTag(-3);
  g1->FSmall = -7;
  g1->FByte = 200;
  g1->FShort = -30000;
  g1->FWord = 60000;
  g1->FCount = 0;  // not the default 5: stored
  g1->FBig = -(int64_t{1} << 50);
  g1->FShade = shGrey;
  g1->FEnabled = false;
  g1->FShades = TShades{shGreen, shBlue};
  g1->FCaption = "Caption \xE2\x82\xAC";
  g1->FWide = u"\u00fcber";
  g1->FRatio = 0.1;
  g1->FSingle = 1.5f;
  g1->FPrice = Currency::FromRaw(-99999);
  g1->FLetter = 'Z';
  g1->FExtra = Variant("extra");
  g1->GetLines()->Add("one");
  g1->GetLines()->Add("");
  g1->GetFont()->SetSize(12);
  g1->GetFont()->SetFace("Mono");
  auto* line = static_cast<TLine*>(g1->GetItems()->Add());
  line->FText = "first";
  line->FWidth = 4;
  g1->GetItems()->Add();
  g1->FIndexes = VarArrayOf({Variant(3), Variant("a")});

  TOwned<TComponent> read(ReadForm(FormBytes(form.get())));
  auto* form2 = dynamic_cast<TTestForm*>(read.get());
  ASSERT_NE(form2, nullptr);
  EXPECT_EQ(form2->GetName(), "Form1");
  ASSERT_EQ(form2->GetComponentCount(), 2);
  TGadget* r1 = Find<TGadget>(form2, "G1");
  ASSERT_NE(r1, nullptr);
  for (const TPropInfo* p : GetPropList(&TGadget::StaticMetaClass))  // every plain value came back
    EXPECT_TRUE(p->Kind() == tkClass || GetPropValue(r1, *p) == GetPropValue(g1, *p)) << p->Name;
  EXPECT_EQ(r1->FWide, u"\u00fcber");  // spot checks that the values are the ones set
  EXPECT_EQ(r1->FPrice, Currency::FromRaw(-99999));
  EXPECT_EQ(r1->GetLines()->GetTextStr(), "one\n\n");
  EXPECT_EQ(r1->GetFont()->GetSize(), 12);
  EXPECT_EQ(r1->GetFont()->GetFace(), "Mono");
  ASSERT_EQ(r1->GetItems()->GetCount(), 2);
  EXPECT_EQ(static_cast<TLine*>(r1->GetItems()->GetItem(0))->FText, "first");
  EXPECT_EQ(static_cast<TLine*>(r1->GetItems()->GetItem(0))->FWidth, 4);
  EXPECT_EQ(static_cast<TLine*>(r1->GetItems()->GetItem(1))->FText, "");
  ASSERT_TRUE(r1->FIndexes.IsArray());
  EXPECT_EQ(VarArrayHighBound(r1->FIndexes, 1), 1);
  EXPECT_EQ(VarArrayGet(r1->FIndexes, {0}), Variant("3"));  // indexes come back as text

  // A gadget left at its defaults writes none of them.
  TOwned<TTestForm> lone(New<TTestForm>(nullptr));
  New<TGadget>(lone.get())->SetName("G2");
  const std::string loneBytes = FormBytes(lone.get());
  for (const char* name : {"Count", "Shade", "Enabled", "Caption", "Lines", "Items", "Font", "Indexes", "Tag"})
    EXPECT_EQ(loneBytes.find(name), std::string::npos) << name;
  EXPECT_EQ(FormBytes(form2), FormBytes(form.get()));  // writing again gives the same bytes
}

TEST_F(FilerTest, CustomListPropertyWithNoStringsGivesAnEmptyArray) {
  TOwned<TTestForm> form = MakeForm();
  Find<TGadget>(form.get(), "G1")->FIndexes = VarArrayCreate({0, -1});
  TOwned<TComponent> read(ReadForm(FormBytes(form.get())));
  const Variant& indexes = Find<TGadget>(read.get(), "G1")->FIndexes;
  ASSERT_TRUE(indexes.IsArray());
  EXPECT_EQ(VarArrayHighBound(indexes, 1), -1);
  EXPECT_FALSE(Find<TGadget>(read.get(), "G2")->FIndexes.IsArray());
}

TEST_F(FilerTest, NestedChildrenLinkBackToTheirParent) {
  TOwned<TTestForm> form(New<TTestForm>(nullptr));
  form->SetName("Form1");
  auto* box = New<TBox>(form.get());
  box->SetName("Box1");
  for (const char* name : {"I1", "I2"}) {
    auto* item = New<TBoxItem>(form.get());
    item->SetName(name);
    item->SetBox(box);
  }
  auto* loose = New<TBoxItem>(form.get());
  loose->SetName("Loose");
  const std::string bytes = FormBytes(form.get());

  TOwned<TComponent> read(ReadForm(bytes));
  auto* box2 = Find<TBox>(read.get(), "Box1");
  ASSERT_NE(box2, nullptr);
  ASSERT_EQ(box2->FItems.size(), 2u);
  EXPECT_EQ(box2->FItems[0]->GetName(), "I1");
  EXPECT_EQ(box2->FItems[1]->GetName(), "I2");
  EXPECT_EQ(box2->FItems[0]->GetOwner(), read.get());  // owned by the root, parented by the box
  EXPECT_EQ(box2->FItems[0]->FParentSeenWhileReading, box2);
  auto* loose2 = Find<TBoxItem>(read.get(), "Loose");
  EXPECT_EQ(loose2->FBox, nullptr);
  EXPECT_EQ(loose2->FParentSeenWhileReading, nullptr);
  EXPECT_EQ(read->GetComponentCount(), 4);
  // Loaded runs once per component, in creation order, after all were read.
  EXPECT_EQ(LoadedLog(), (std::vector<std::string>{"Form1", "Box1", "I1", "I2", "Loose"}));
  EXPECT_EQ(dynamic_cast<TTestForm*>(read.get())->FLoadedState, 1);
  for (int i = 0; i < read->GetComponentCount(); ++i) {
    EXPECT_FALSE(read->GetComponents(i)->GetComponentState().Contains(csLoading));
    EXPECT_FALSE(read->GetComponents(i)->GetComponentState().Contains(csReading));
  }
  EXPECT_EQ(FormBytes(read.get()), bytes);

  // A reader that ignores children skips them whole and reads the root alone.
  TOwned<TComponent> bare(ReadForm(bytes, nullptr, [](TReader& r) { r.SetIgnoreChildren(true); }));
  EXPECT_EQ(bare->GetName(), "Form1");
  EXPECT_EQ(bare->GetComponentCount(), 0);
}

// A data module that logs its OnCreate and OnDestroy with its component count.
class TLoggedModule : public TDataModule {
  HOST_CLASS(TLoggedModule, TDataModule)
  explicit TLoggedModule(TComponent* AOwner, std::vector<std::string>* log = nullptr) : TDataModule(AOwner) {
    if (!log) return;
    OnCreate = [this, log](TObject*) { log->push_back("create " + IntToStr(GetComponentCount())); };
    OnDestroy = [this, log](TObject*) { log->push_back("destroy " + IntToStr(GetComponentCount())); };
  }

 protected:
  ~TLoggedModule() override = default;
};
HOST_IMPL(TLoggedModule, TDataModule)

// OnCreate runs once the module is built, OnDestroy when its destruction
// begins (it still owns its components then); OldCreateOrder streams.
TEST_F(FilerTest, DataModuleEventsAndOldCreateOrder) {
  std::vector<std::string> log;
  auto* module = New<TLoggedModule>(nullptr, &log);
  New<TGadget>(module);
  EXPECT_EQ(log, (std::vector<std::string>{"create 0"}));
  module->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"create 0", "destroy 1"}));

  TOwned<TTestForm> form = MakeForm();
  form->SetOldCreateOrder(true);
  TOwned<TComponent> read(ReadForm(FormBytes(form.get())));
  EXPECT_TRUE(As<TDataModule>(read.get())->GetOldCreateOrder());
  EXPECT_EQ(read->GetComponentCount(), 2);
}

TEST_F(FilerTest, ReferencesResolveAfterTheWholeForm) {
  TOwned<TTestForm> form = MakeForm();
  TGadget* g1 = Find<TGadget>(form.get(), "G1");
  TGadget* g2 = Find<TGadget>(form.get(), "G2");
  g1->SetBuddy(g2);          // forward: G2 is read after G1
  g2->SetBuddy(form.get());  // the root itself
  static_cast<TLine*>(g1->GetItems()->Add())->SetTarget(g2);
  TOwned<TComponent> read(ReadForm(FormBytes(form.get())));
  TGadget* r1 = Find<TGadget>(read.get(), "G1");
  TGadget* r2 = Find<TGadget>(read.get(), "G2");
  EXPECT_EQ(r1->FBuddy, r2);
  EXPECT_EQ(r2->FBuddy, read.get());
  EXPECT_EQ(static_cast<TLine*>(r1->GetItems()->GetItem(0))->GetTarget(), r2);

  // A collection read twice drops the pending references of its old items.
  auto items = [](TWriter& w, const char* prop, const std::function<void()>& value) {
    w.WriteStr("Items"), w.WriteValue(vaCollection), w.WriteListBegin(), w.WriteStr(prop);
    value();
    w.WriteListEnd(), w.WriteListEnd();
  };
  TOwned<TComponent> twice(ReadForm(HandMadeForm([&](TWriter& w) {
    items(w, "Target", [&] { w.WriteIdent("G1"); });
    items(w, "Text", [&] { w.WriteString("b"); });
  })));
  TCollection* lines = Find<TGadget>(twice.get(), "G1")->GetItems();
  ASSERT_EQ(lines->GetCount(), 1);
  EXPECT_EQ(static_cast<TLine*>(lines->GetItem(0))->GetTarget(), nullptr);
  EXPECT_EQ(static_cast<TLine*>(lines->GetItem(0))->FText, "b");

  // A component without a name cannot be referred to: nothing is written.
  TOwned<TGadget> anonymous(New<TGadget>(nullptr));
  g1->SetBuddy(anonymous.get());
  TOwned<TComponent> again(ReadForm(FormBytes(form.get())));
  EXPECT_EQ(Find<TGadget>(again.get(), "G1")->FBuddy, nullptr);
  g1->SetBuddy(nullptr);
}

TEST_F(FilerTest, ReadingIntoAnExistingRootAndBackOutOfTheStream) {
  TOwned<TTestForm> form = MakeForm();
  Find<TGadget>(form.get(), "G1")->FCaption = "hi";
  TOwned<TMemoryStream> data = MakeOwned<TMemoryStream>();
  data->WriteComponent(form.get());
  const int64_t formSize = data->GetSize();
  data->WriteBuffer("tail", 4);
  data->SetPosition(0);
  TOwned<TTestForm> target(New<TTestForm>(nullptr));
  EXPECT_EQ(data->ReadComponent(target.get()), target.get());
  EXPECT_EQ(data->GetPosition(), formSize);  // the reader gave back what it buffered
  EXPECT_EQ(Find<TGadget>(target.get(), "G1")->FCaption, "hi");
  EXPECT_EQ(target->GetName(), "Form1");

  // The resource wrapping reads back the same way and checks its header.
  TOwned<TMemoryStream> res = MakeOwned<TMemoryStream>();
  res->WriteComponentRes("Form1", form.get());
  const std::string header(
      "\xFF\x0A\x00"
      "FORM1\x00\x30\x10",
      11);
  EXPECT_EQ(std::string(static_cast<char*>(res->GetMemory()), 11), header);
  res->SetPosition(0);
  TOwned<TComponent> fromRes(res->ReadComponentRes(nullptr));
  EXPECT_EQ(Find<TGadget>(fromRes.get(), "G1")->FCaption, "hi");
  EXPECT_EQ(res->GetPosition(), res->GetSize());
  data->SetPosition(0);
  EXPECT_RAISES(data->ReadComponentRes(nullptr), EInvalidImage, "Invalid stream format");
  EXPECT_EQ(data->GetPosition(), 1);  // only the first byte was looked at
}

TEST_F(FilerTest, DescendentFormsStoreOnlyWhatDiffers) {
  TOwned<TTestForm> ancestor = MakeForm();
  Find<TGadget>(ancestor.get(), "G1")->FCount = 7;
  Find<TGadget>(ancestor.get(), "G1")->GetLines()->Add("same");
  TOwned<TTestForm> descendant = MakeForm();
  Find<TGadget>(descendant.get(), "G1")->FCount = 7;
  Find<TGadget>(descendant.get(), "G1")->GetLines()->Add("same");
  Find<TGadget>(descendant.get(), "G2")->FCaption = "changed";
  New<TGadget>(descendant.get())->SetName("G3");

  TOwned<TStringStream> data = MakeOwned<TStringStream>();
  data->WriteDescendent(descendant.get(), ancestor.get());
  const std::string bytes = data->GetDataString();
  EXPECT_EQ(bytes.find("Count"), std::string::npos);
  EXPECT_EQ(bytes.find("Lines"), std::string::npos);
  EXPECT_NE(bytes.find("changed"), std::string::npos);

  // Read over a copy of the ancestor: inherited components are found by name.
  TOwned<TTestForm> target = MakeForm();
  Find<TGadget>(target.get(), "G1")->FCount = 7;
  data->SetPosition(0);
  data->ReadComponent(target.get());
  EXPECT_EQ(target->GetComponentCount(), 3);
  EXPECT_EQ(Find<TGadget>(target.get(), "G1")->FCount, 7);
  EXPECT_EQ(Find<TGadget>(target.get(), "G2")->FCaption, "changed");

  // A missing inherited component: asked of OnAncestorNotFound, else an error.
  TOwned<TTestForm> empty(New<TTestForm>(nullptr));
  EXPECT_RAISES(ReadForm(bytes, empty.get()), EReadError, "Ancestor for 'G1' not found");
  EXPECT_EQ(empty->GetComponentCount(), 0);
  std::vector<std::string> asked;
  ReadForm(bytes, empty.get(), [&](TReader& r) {
    r.OnAncestorNotFound = [&](TReader*, const std::string& name, TClass cls, TComponent*& component) {
      asked.push_back(name + ":" + cls->Name);
      component = New<TGadget>(empty.get());
      component->SetName(name);
    };
  });
  EXPECT_EQ(asked, (std::vector<std::string>{"G1:TGadget", "G2:TGadget"}));
  EXPECT_EQ(empty->GetComponentCount(), 3);
}

// -------------------------------------------------------------- bad input

TEST_F(FilerTest, BadPropertiesNameTheComponentAndProperty) {
  struct Case {
    std::function<void(TWriter&)> props;
    const char* message;
  };
  const Case cases[] = {
      {[](TWriter& w) { w.WriteStr("Foo"), w.WriteInteger(1); },
       "Error reading Form1.G1.Foo: Property Foo does not exist"},
      {[](TWriter& w) { w.WriteStr("Font.Foo"), w.WriteInteger(1); },
       "Error reading Form1.G1.Font.Foo: Property Font.Foo does not exist"},
      {[](TWriter& w) { w.WriteStr("Caption.Foo"), w.WriteInteger(1); },
       "Error reading Form1.G1.Caption.Foo: Property Caption.Foo does not exist"},
      {[](TWriter& w) { w.WriteStr("Shade"), w.WriteIdent("shPink"); },
       "Error reading Form1.G1.Shade: Invalid property value: 'shPink' is not a value of TShade"},
      {[](TWriter& w) {
         w.WriteStr("Shades"), w.WriteSet({"shRed", "shPink"});
       },
       "Error reading Form1.G1.Shades: Invalid property value: 'shPink' is not a member of TShade"},
      {[](TWriter& w) { w.WriteStr("Small"), w.WriteInteger(1000); },
       "Error reading Form1.G1.Small: Invalid property value: 1000 is out of range -128..127"},
      {[](TWriter& w) { w.WriteStr("Count"), w.WriteString("x"); },
       "Error reading Form1.G1.Count: Invalid property value: expected an integer, found vaString at position 38"},
      {[](TWriter& w) { w.WriteStr("ReadOnlyFlag"), w.WriteBoolean(true); },
       "Error reading Form1.G1.ReadOnlyFlag: Property ReadOnlyFlag is read-only"},
      {[](TWriter& w) { w.WriteStr("Buddy"), w.WriteIdent("Nobody"); },
       "Error reading Form1.G1.Buddy: Component Nobody not found"},
      {[](TWriter& w) {
         w.WriteStr("Items"), w.WriteValue(vaCollection), w.WriteListBegin(), w.WriteStr("Bad"), w.WriteInteger(0);
         w.WriteListEnd(), w.WriteListEnd();
       },
       "Error reading Form1.G1.Items[0].Bad: Property Bad does not exist"},
  };
  for (const Case& c : cases) {
    const std::string bytes = HandMadeForm(c.props);
    EXPECT_RAISES(ReadForm(bytes), EReadError, c.message);
    TOwned<TTestForm> root(New<TTestForm>(nullptr));
    EXPECT_THROW(ReadForm(bytes, root.get()), EReadError);
    EXPECT_EQ(root->GetComponentCount(), 0) << c.message;  // the half-read G1 is gone
    EXPECT_FALSE(root->GetComponentState().Contains(csLoading));
    EXPECT_EQ(root->GetName(), "");  // the name read for it is taken back
  }
  // The same entries are fine when the names and values fit.
  TOwned<TComponent> ok(ReadForm(HandMadeForm([](TWriter& w) {
    w.WriteStr("Shade"), w.WriteIdent("SHBLUE");
    w.WriteStr("Font.Size"), w.WriteInteger(20);
  })));
  EXPECT_EQ(Find<TGadget>(ok.get(), "G1")->FShade, shBlue);
  EXPECT_EQ(Find<TGadget>(ok.get(), "G1")->GetFont()->GetSize(), 20);
}

TEST_F(FilerTest, BadComponentsAndReferences) {
  const std::string noProps = HandMadeForm([](TWriter&) {}, "TFoo");
  EXPECT_RAISES(ReadForm(noProps), EClassNotFound, "Class TFoo not found");
  TOwned<TTestForm> owner(New<TTestForm>(nullptr));
  EXPECT_THROW(ReadForm(noProps, owner.get()), EClassNotFound);
  EXPECT_EQ(owner->GetComponentCount(), 0);
  EXPECT_RAISES(ReadForm(HandMadeForm([](TWriter&) {}, "TLine")), EReadError,
                "Error reading Form1.G1: TLine is not a component class");

  TOwned<TTestForm> root(New<TTestForm>(nullptr));
  New<TGadget>(root.get())->SetName("G1");
  EXPECT_RAISES(ReadForm(HandMadeForm([](TWriter&) {}), root.get()), EReadError,
                "Error reading Form1.G1: A component named G1 already exists");
  EXPECT_EQ(root->GetComponentCount(), 1);

  // A setter that refuses a resolved reference; the reader's events rename
  // components and references so that it accepts.
  const std::string picky = HandMadeForm([](TWriter& w) { w.WriteStr("Buddy"), w.WriteIdent("Form1"); }, "TPicky");
  EXPECT_RAISES(ReadForm(picky), EReadError, "Error reading Form1.G1.Buddy: Buddy Form1 refused");
  std::vector<std::string> named;
  TOwned<TComponent> accepted(ReadForm(picky, nullptr, [&](TReader& r) {
    r.OnReferenceName = [](TReader*, std::string& name) { name = "Good"; };
    r.OnSetName = [&](TReader*, TComponent* c, std::string& name) {
      named.push_back(c->ClassName() + ":" + name);
      if (name == "G1") name = "Good";
    };
  }));
  EXPECT_EQ(named, (std::vector<std::string>{"TTestForm:Form1", "TPicky:G1"}));
  EXPECT_EQ(Find<TPicky>(accepted.get(), "G1"), nullptr);
  auto* good = Find<TPicky>(accepted.get(), "Good");
  EXPECT_EQ(good->FBuddy, good);
  EXPECT_TRUE(good->FLoadingAtSet);  // references resolve before Loaded
  EXPECT_FALSE(good->GetComponentState().Contains(csLoading));
}

TEST_F(FilerTest, OnErrorCanSkipABadProperty) {
  const std::string bytes = HandMadeForm([](TWriter& w) {
    w.WriteStr("Foo");
    w.WriteListBegin();
    w.WriteString("ignored");
    w.WriteListEnd();
    w.WriteStr("Buddy");
    w.WriteIdent("Nobody");
    w.WriteStr("Count");
    w.WriteInteger(9);
  });
  std::vector<std::string> messages;
  TOwned<TComponent> read(ReadForm(bytes, nullptr, [&](TReader& r) {
    r.OnError = [&](TReader*, const std::string& message, bool& handled) {
      messages.push_back(message);
      handled = true;
    };
  }));
  EXPECT_EQ(messages, (std::vector<std::string>{"Error reading Form1.G1.Foo: Property Foo does not exist",
                                                "Error reading Form1.G1.Buddy: Component Nobody not found"}));
  EXPECT_EQ(Find<TGadget>(read.get(), "G1")->FCount, 9);
  // An error inside a collection item is offered once; an error inside custom
  // data is never offered (it cannot be skipped) and ends the read.
  messages.clear();
  auto askOnly = [&](TReader& r) {
    r.OnError = [&](TReader*, const std::string& message, bool&) { messages.push_back(message); };
  };
  const std::string inItem = HandMadeForm([](TWriter& w) {
    w.WriteStr("Items"), w.WriteValue(vaCollection), w.WriteListBegin(), w.WriteStr("Bad"), w.WriteInteger(0);
    w.WriteListEnd(), w.WriteListEnd();
  });
  EXPECT_THROW(ReadForm(inItem, nullptr, askOnly), EReadError);
  EXPECT_EQ(messages, (std::vector<std::string>{"Error reading Form1.G1.Items[0].Bad: Property Bad does not exist"}));
  messages.clear();
  const std::string badCustom = HandMadeForm([](TWriter& w) { w.WriteStr("Indexes"), w.WriteInteger(1); });
  EXPECT_RAISES(ReadForm(badCustom, nullptr, askOnly), EReadError,
                "Error reading Form1.G1.Indexes: Invalid property value: expected vaList, found vaInt8 at position 40");
  EXPECT_TRUE(messages.empty());

  // Not handled: the error goes on.
  EXPECT_THROW(ReadForm(bytes, nullptr, [](TReader& r) { r.OnError = [](TReader*, const std::string&, bool&) {}; }),
               EReadError);
}

TEST_F(FilerTest, TruncatedFormsFailCleanlyAtEveryLength) {
  TOwned<TTestForm> form = MakeForm();
  TGadget* g1 = Find<TGadget>(form.get(), "G1");
  g1->FCaption = "text";
  g1->GetLines()->Add("line");
  g1->GetItems()->Add();
  g1->SetBuddy(Find<TGadget>(form.get(), "G2"));
  auto* box = New<TBox>(form.get());
  box->SetName("Box1");
  auto* item = New<TBoxItem>(form.get());
  item->SetName("I1");
  item->SetBox(box);
  const std::string bytes = FormBytes(form.get());
  for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
    TOwned<TTestForm> root(New<TTestForm>(nullptr));
    EXPECT_THROW(ReadForm(bytes.substr(0, cut), root.get()), EReadError) << cut;
    EXPECT_EQ(root->GetComponentCount(), 0) << cut;
    EXPECT_THROW(ReadForm(bytes.substr(0, cut)), EReadError) << cut;
  }
  EXPECT_TRUE(LoadedLog().empty());
}

TEST_F(FilerTest, AbsurdDepthsAndLengthsAreRefused) {
  const std::string deep = HandMadeForm([](TWriter& w) {
    w.WriteStr("Extra");
    for (int i = 0; i < 1000; ++i) w.WriteListBegin();
  });
  const std::string depthMessage = testkit::RaisedMessage<EReadError>([&] { ReadForm(deep); });
  EXPECT_NE(depthMessage.find("Form nests more than 128 levels deep"), std::string::npos) << depthMessage;

  const std::string huge = HandMadeForm([](TWriter& w) {
    w.WriteStr("Caption");
    w.WriteValue(vaLString);
    const uint8_t length[4] = {0xFF, 0xFF, 0xFF, 0x7F};
    w.Write(length, 4);
  });
  EXPECT_RAISES(ReadForm(huge), EReadError, "Error reading Form1.G1.Caption: Invalid length 2147483647 at position 41");

  // Components nested inside components as deep as the limit allows.
  std::string nested = Written([](TWriter& w) {
    w.WriteSignature();
    for (int i = 0; i < 200; ++i) {
      w.WriteStr("TBox");
      w.WriteStr("B" + std::to_string(i));
      w.WriteListEnd();
    }
  });
  const std::string nestMessage = testkit::RaisedMessage<EReadError>([&] { ReadForm(nested); });
  EXPECT_NE(nestMessage.find("Form nests more than 128 levels deep"), std::string::npos) << nestMessage;
}

}  // namespace
}  // namespace filertest
