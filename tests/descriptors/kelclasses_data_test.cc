// The data-class descriptors of the class library on live host objects:
// lists, bits, persistent objects, collections and string lists.
#include "descriptors/kelclasses_data.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/descriptors/descriptor_test_support.h"

namespace kel::test::data_descriptors {
namespace {

using host::Variant;

TEST(TListClassInfo, ItemsAndResultsTravelAsAddresses) {
  host::TOwned<host::TList> list = host::MakeOwned<host::TList>();
  TkelClassInfo* d = Describe(list.get());
  int a = 0, b = 0;
  EXPECT_EQ(Invoke(d, "Add", {Addr(&a)})->Result, Variant(0));
  Invoke(d, "Insert", {Variant(0), Addr(&b)});  // b a
  EXPECT_EQ(Read(d, "Items", {Variant(1)}), Addr(&a));
  Write(d, "Items", Addr(&b), {Variant(1)});  // b b
  EXPECT_EQ(list->Get(1), &b);
  EXPECT_EQ(Invoke(d, "Last")->Result, Addr(&b));
  EXPECT_EQ(Invoke(d, "Expand")->Result, Addr(list.get()));
  EXPECT_EQ(Read(d, "List"), Addr(list->GetList()));

  // Negative twin: a bad index leaves the list as it was.
  EXPECT_EQ(MessageOf<host::EListError>([&] { Write(d, "Items", Addr(&a), {Variant(2)}); }),
            "List index out of bounds (2)");
  EXPECT_EQ(list->GetCount(), 2);
  EXPECT_EQ(list->Get(1), &b);
  // Error is the host's class-level raise, formatted with Data.
  EXPECT_EQ(MessageOf<host::EListError>([&] {
              Invoke(d, "Error", {Variant("Bad item %d"), Variant(7)});
            }),
            "Bad item 7");
}

TEST(TThreadListClassInfo, LockListHandsOutTheInnerList) {
  host::TOwned<host::TThreadList> list = host::MakeOwned<host::TThreadList>();
  TkelClassInfo* d = Describe(list.get());
  int a = 0;
  Invoke(d, "Add", {Addr(&a)});
  auto* inner = static_cast<host::TList*>(Invoke(d, "LockList")->Result.AsPointer());
  ASSERT_EQ(inner, list->LockList());
  list->UnlockList();
  EXPECT_EQ(inner->Get(0), &a);
  Invoke(d, "UnlockList");
  // Negative twin: releasing a lock that is not held raises.
  EXPECT_THROW(Invoke(d, "UnlockList"), host::EListError);
}

// An interface travels as the address of the object that implements it.
TEST(TInterfaceListClassInfo, ItemsAreObjectsHoldingInterfaceReferences) {
  host::TOwned<host::TInterfaceList> list = host::MakeOwned<host::TInterfaceList>();
  TkelClassInfo* d = Describe(list.get());
  host::TInterfacedObject* item = host::New<host::TInterfacedObject>();
  item->_AddRef();  // the test's own reference
  const host::TObject* object = item;
  EXPECT_EQ(Invoke(d, "Add", {Addr(object)})->Result, Variant(0));
  Invoke(d, "Insert", {Variant(0), Variant(0)});  // a null item first
  EXPECT_EQ(Read(d, "Items", {Variant(1)}), Addr(object));
  EXPECT_EQ(list->Get(1), static_cast<host::IUnknown*>(item));
  EXPECT_EQ(Invoke(d, "First")->Result, Variant(int64_t{0}));
  Write(d, "Items", Addr(object), {Variant(0)});
  EXPECT_EQ(item->RefCount(), 3);
  EXPECT_EQ(Read(d, "RefCount"), Variant(0));  // the list's own count, from the parent descriptor

  // Negative twins: a bad index, the interface's own address, an object
  // without the interface and a stray number change neither the list nor
  // the references.
  EXPECT_THROW(Write(d, "Items", Variant(0), {Variant(2)}), host::EListError);
  const host::IUnknown* unknown = item;
  ASSERT_NE(static_cast<const void*>(unknown), static_cast<const void*>(object));
  host::TOwned<host::TStringList> plain = host::MakeOwned<host::TStringList>();
  for (const Variant& bad : {Addr(unknown), Addr(plain.get()), Variant(int64_t{4096})})
    EXPECT_THROW(Invoke(d, "Add", {bad}), host::EInvalidCast);
  EXPECT_EQ(list->GetCount(), 2);
  EXPECT_EQ(item->RefCount(), 3);
  Invoke(d, "Clear");
  EXPECT_EQ(item->RefCount(), 1);
  item->_Release();  // frees the item
}

TEST(TBitsClassInfo, BitsAreBooleansAtAnIntegerIndex) {
  host::TOwned<host::TBits> bits = host::MakeOwned<host::TBits>();
  TkelClassInfo* d = Describe(bits.get());
  Write(d, "Bits", Variant(true), {Variant(3)});  // grows to 4
  EXPECT_EQ(Read(d, "Size"), Variant(4));
  EXPECT_EQ(Read(d, "Bits", {Variant(3)}), Variant(true));
  EXPECT_EQ(Read(d, "Bits", {Variant("2")}), Variant(false));  // the index converts from text
  EXPECT_EQ(Invoke(d, "OpenBit")->Result, Variant(0));

  // Negative twins: out-of-range indexes and sizes, unconvertible values.
  EXPECT_THROW(Read(d, "Bits", {Variant(4)}), host::EBitsError);
  EXPECT_THROW(Write(d, "Size", Variant(-5)), host::EBitsError);
  EXPECT_THROW(Write(d, "Bits", Variant("maybe"), {Variant(1)}), host::EVariantError);
  EXPECT_EQ(bits->GetSize(), 4);
  EXPECT_FALSE(bits->GetBits(1));
}

// ------------------------------------------------------- persistent objects

TEST(TCollectionClassInfo, ItemsAreReferencesAndItemClassIsAClassReference) {
  host::TOwned<host::TCollection> coll = host::MakeOwned<host::TCollection>(&host::TCollectionItem::StaticMetaClass);
  TkelClassInfo* d = Describe(coll.get());
  auto* first = static_cast<host::TObject*>(Invoke(d, "Add")->Result.AsPointer());
  EXPECT_EQ(first, coll->GetItem(0));
  const Variant inserted = Invoke(d, "Insert", {Variant(0)})->Result;
  EXPECT_EQ(inserted, Addr(coll->GetItem(0)));
  EXPECT_EQ(Read(d, "Items", {Variant(1)}), Addr(first));
  EXPECT_EQ(Read(d, "ItemClass"), Addr(&host::TCollectionItem::StaticMetaClass));
  EXPECT_EQ(Invoke(d, "FindItemID", {Variant(coll->GetItem(1)->GetID())})->Result, Addr(first));
  EXPECT_EQ(Invoke(d, "FindItemID", {Variant(99)})->Result, Variant(int64_t{0}));

  // Negative twins: a bad position creates nothing; the base item refuses
  // to be assigned; non-persistent inputs are refused.
  EXPECT_EQ(MessageOf<host::EListError>([&] { Invoke(d, "Insert", {Variant(3)}); }), "List index out of bounds (3)");
  EXPECT_EQ(MessageOf<host::EConvertError>([&] { Write(d, "Items", Addr(first), {Variant(0)}); }),
            "Cannot assign a TCollectionItem to a TCollectionItem");
  host::TOwned<host::TObject> plain = host::MakeOwned<host::TObject>();
  EXPECT_THROW(Invoke(d, "Assign", {Addr(plain.get())}), host::EInvalidCast);
  EXPECT_EQ(coll->GetCount(), 2);
  EXPECT_EQ(coll->GetItem(1), first);
}

TEST(TCollectionItemClassInfo, CollectionIsAReferenceCheckedForItsClass) {
  host::TOwned<host::TCollection> coll = host::MakeOwned<host::TCollection>(&host::TCollectionItem::StaticMetaClass);
  host::TOwned<host::TCollection> other = host::MakeOwned<host::TCollection>(&host::TCollectionItem::StaticMetaClass);
  host::TCollectionItem* item = coll->Add();
  TkelClassInfo* d = Describe(item);
  EXPECT_EQ(Read(d, "Collection"), Addr(coll.get()));
  // Negative twin first: an object that is not a collection.
  host::TOwned<host::TStringList> notACollection = host::MakeOwned<host::TStringList>();
  EXPECT_THROW(Write(d, "Collection", Addr(notACollection.get())), host::EInvalidCast);
  EXPECT_EQ(item->GetCollection(), coll.get());
  Write(d, "Collection", Addr(other.get()));
  EXPECT_EQ(other->GetItem(0), item);
  EXPECT_EQ(coll->GetCount(), 0);
}

// ------------------------------------------------------------ string lists

TEST(TStringsClassInfo, IndexedPropertiesTakeNamesOrIntegers) {
  host::TOwned<host::TStringList> list = host::MakeOwned<host::TStringList>();
  TkelClassInfo* d = Describe(list.get());
  Write(d, "Text", Variant("5=five\nname=value"));
  // Values: the index record's value is a name, so the integer 5 looks up "5".
  EXPECT_EQ(Read(d, "Values", {Variant(5)}), Variant("five"));
  EXPECT_EQ(Read(d, "Values", {Variant(6)}), Variant(""));
  Write(d, "Values", Variant("seven"), {Variant(7)});
  EXPECT_EQ(Read(d, "Strings", {Variant(2)}), Variant("7=seven"));
  EXPECT_EQ(Read(d, "Names", {Variant(1)}), Variant("name"));
  host::TOwned<host::TObject> tag = host::MakeOwned<host::TObject>();
  Write(d, "Objects", Addr(tag.get()), {Variant(1)});
  EXPECT_EQ(Read(d, "Objects", {Variant(1)}), Addr(tag.get()));

  // Negative twins: a bad index, an index that is no number.
  EXPECT_EQ(MessageOf<host::EStringListError>([&] { Write(d, "Strings", Variant("x"), {Variant(3)}); }),
            "List index out of bounds (3)");
  EXPECT_THROW(Write(d, "Objects", Variant(0), {Variant("first")}), host::EVariantError);
  EXPECT_EQ(list->GetCommaText(), "5=five,name=value,7=seven");
  EXPECT_EQ(list->GetObjects(1), tag.get());
}

// GetText and SetText take and give the text itself, never an address, so a
// number is never read as memory.
TEST(TStringsClassInfo, TextTravelsAsTextThroughGetTextAndSetText) {
  host::TOwned<host::TStringList> list = host::MakeOwned<host::TStringList>();
  host::TOwned<host::TStringList> other = host::MakeOwned<host::TStringList>();
  TkelClassInfo* d = Describe(list.get());
  Invoke(d, "SetText", {Variant("x\ny")});
  EXPECT_EQ(Read(d, "Text"), Variant("x\ny\n"));
  EXPECT_EQ(Invoke(d, "GetText")->Result, Variant("x\ny\n"));
  other->SetTextStr("x\ny");
  EXPECT_EQ(Invoke(d, "Equals", {Addr(other.get())})->Result, Variant(true));
  Invoke(d, "AddStrings", {Addr(other.get())});
  EXPECT_EQ(list->GetCount(), 4);

  // Negative twins: objects of the wrong class leave the list as it was.
  host::TOwned<host::TObject> plain = host::MakeOwned<host::TObject>();
  EXPECT_THROW(Invoke(d, "AddStrings", {Addr(plain.get())}), host::EInvalidCast);
  EXPECT_THROW(Invoke(d, "LoadFromStream", {Addr(other.get())}), host::EInvalidCast);
  EXPECT_EQ(list->GetCommaText(), "x,y,x,y");
  // A number is its own text; 0 is no text and clears the list.
  const char lines[] = "p\nq";
  Invoke(d, "SetText", {Addr(lines)});
  EXPECT_EQ(list->GetCount(), 1);
  EXPECT_EQ(list->GetStrings(0), host::IntToStr(static_cast<int64_t>(reinterpret_cast<uintptr_t>(lines))));
  Invoke(d, "SetText", {Variant(0)});
  EXPECT_EQ(list->GetCount(), 0);
}

TEST(TStringListClassInfo, FindWritesTheIndexBackThroughScratch) {
  host::TOwned<host::TStringList> list = host::MakeOwned<host::TStringList>();
  TkelClassInfo* d = Describe(list.get());
  Write(d, "Sorted", Variant(true));
  for (const char* s : {"d", "b", "f"}) Invoke(d, "Add", {Variant(s)});
  TkelMethodInfo* find = Invoke(d, "Find", {Variant("D"), Variant(99)});
  EXPECT_EQ(find->Result, Variant(true));
  EXPECT_EQ(find->GetArgs(1)->Value, Variant(1));  // its position
  Invoke(d, "Find", {Variant("c"), Variant(99)});
  EXPECT_EQ(find->Result, Variant(false));
  EXPECT_EQ(find->GetArgs(1)->Value, Variant(1));  // where it belongs
  Invoke(d, "Find", {Variant("z"), Variant(0)});
  EXPECT_EQ(find->GetArgs(1)->Value, Variant(3));
  EXPECT_EQ(find->GetArgs(0)->Value, Variant("z"));  // by value: not written back

  // Negative twin: an Index that does not convert raises before the search
  // and leaves the arguments and the result as they were.
  find->GetArgs(1)->Value = Variant("somewhere");
  EXPECT_THROW(d->InvokeMethod(find), host::EVariantError);
  EXPECT_EQ(find->GetArgs(1)->Value, Variant("somewhere"));
  EXPECT_EQ(find->Result, Variant(false));
}

TEST(TStringListClassInfo, DuplicatesIsACheckedOrdinal) {
  host::TOwned<host::TStringList> list = host::MakeOwned<host::TStringList>();
  TkelClassInfo* d = Describe(list.get());
  Write(d, "Duplicates", Variant(static_cast<int32_t>(host::dupError)));
  EXPECT_EQ(list->GetDuplicates(), host::dupError);
  EXPECT_EQ(Read(d, "Duplicates"), Variant(2));
  // Negative twins: ordinals outside the enumeration (also ones a narrowing
  // cast would wrap into it) are refused and the value stays.
  EXPECT_EQ(MessageOf<host::ERangeError>([&] { Write(d, "Duplicates", Variant(3)); }),
            "3 is not a valid value of Duplicates (0..2)");
  EXPECT_THROW(Write(d, "Duplicates", Variant(256)), host::ERangeError);
  EXPECT_THROW(Write(d, "Duplicates", Variant(-1)), host::ERangeError);
  EXPECT_EQ(list->GetDuplicates(), host::dupError);
}

TEST(TStringListClassInfo, ChangeEventsAreRelayedAfterTheSavedHandlerAndRestored) {
  host::TOwned<host::TStringList> list = host::MakeOwned<host::TStringList>();
  std::vector<std::string> log;
  list->OnChange = host::TNotifyEvent([&](host::TObject* sender) {
    log.push_back(sender == list.get() ? "previous" : "previous with a wrong sender");
  });
  TkelClassInfo* d = MakeDescriptor(&TStringListClassInfo::StaticMetaClass, list.get());
  const auto logged = [&](host::TObject* sender, TkelEventInfo* e) {
    const bool senderOk = sender == list.get() && e->GetArgs(0)->Value == Addr(list.get());
    log.push_back(e->Name + (senderOk ? "" : " with a wrong sender"));
  };
  TkelListener* changing = Listen(d, "OnChanging", logged);
  TkelListener* change = Listen(d, "OnChange", logged);
  list->Add("x");
  EXPECT_EQ(log, (std::vector<std::string>{"OnChanging", "previous", "OnChange"}));

  // Unhooked: the saved handlers come back exactly (also the unassigned one).
  log.clear();
  d->SetOwner(nullptr);
  EXPECT_FALSE(static_cast<bool>(list->OnChanging));
  list->Add("y");
  EXPECT_EQ(log, (std::vector<std::string>{"previous"}));
  Unlisten(d, {changing, change});
  d->Free();
}

}  // namespace
}  // namespace kel::test::data_descriptors
