// The root descriptors reached through the registry on live objects.
#include "descriptors/kelsystem.h"

#include <gtest/gtest.h>

#include "host/classes/lists.h"
#include "tests/descriptors/descriptor_test_support.h"

namespace kel::test {
namespace {

using host::Variant;

TEST(TObjectClassInfo, SelfIsTheOwnersAddress) {
  host::TOwned<host::TObject> obj = host::MakeOwned<host::TObject>();
  TkelClassInfo* d = TkelClassRegistry::GetInfo(obj.get());
  ASSERT_TRUE(host::Is<TObjectClassInfo>(d));
  TkelPropertyInfo* self = d->FindProperty("Self");
  ASSERT_NE(self, nullptr);
  EXPECT_EQ(d->GetProperty(self), host::Variant::FromPointer(obj.get()));
  EXPECT_EQ(d->FindProperty("self"), nullptr);
}

TEST(TObjectClassInfo, ClassMethodsTakeArgumentsAndStoreResults) {
  host::TOwned<host::TInterfacedObject> obj = host::MakeOwned<host::TInterfacedObject>();
  TkelClassInfo* d = TkelClassRegistry::GetInfo(obj.get());
  EXPECT_EQ(Invoke(d, "ClassType")->Result, Variant::FromPointer(&host::TInterfacedObject::StaticMetaClass));
  EXPECT_EQ(Invoke(d, "ClassParent")->Result, Variant::FromPointer(&host::TObject::StaticMetaClass));
  EXPECT_EQ(Invoke(d, "ClassInfo")->Result, Variant::FromPointer(&host::TInterfacedObject::StaticMetaClass));
  EXPECT_EQ(Invoke(d, "ClassName")->Result, Variant("TInterfacedObject"));
  EXPECT_EQ(Invoke(d, "ClassNameIs", {Variant("tinterfacedobject")})->Result, Variant(true));
  EXPECT_EQ(Invoke(d, "ClassNameIs", {Variant("TObject")})->Result, Variant(false));
  EXPECT_EQ(Invoke(d, "InheritsFrom", {Variant::FromPointer(&host::TObject::StaticMetaClass)})->Result, Variant(true));
  EXPECT_EQ(Invoke(d, "InheritsFrom", {Variant::FromPointer(&TkelClassInfo::StaticMetaClass)})->Result, Variant(false));
  EXPECT_EQ(Invoke(d, "InstanceSize")->Result, Variant(static_cast<int32_t>(sizeof(host::TInterfacedObject))));
  EXPECT_EQ(Invoke(d, "MethodAddress", {Variant("Foo")})->Result, Variant(int64_t{0}));
  EXPECT_EQ(Invoke(d, "FieldAddress", {Variant("Foo")})->Result, Variant(int64_t{0}));
  EXPECT_EQ(Invoke(d, "GetInterfaceTable")->Result,
            Variant::FromPointer(host::TInterfacedObject::StaticMetaClass.Interfaces.data()));
  host::TOwned<host::TObject> plain = host::MakeOwned<host::TObject>();
  EXPECT_EQ(Invoke(TkelClassRegistry::GetInfo(plain.get()), "GetInterfaceTable")->Result, Variant(int64_t{0}));
  // A name no class maps.
  TkelClassInfo* bare = host::New<TkelClassInfo>();
  bare->ReadKELMethods("ClassTypes::msFunction::0");
  EXPECT_EQ(MessageOf([&] { d->InvokeMethod(bare->FindMethod("ClassTypes")); }), "Method ClassTypes not found!");
  bare->Free();
}

TEST(TObjectClassInfo, InterfacesAndResultCodesTravelByAddress) {
  host::TOwned<host::TInterfacedObject> obj = host::MakeOwned<host::TInterfacedObject>();
  TkelClassInfo* d = TkelClassRegistry::GetInfo(obj.get());
  const TkelValue<host::TGUID> unknown(host::IUnknown::IID);
  TkelMethodInfo* get = Invoke(d, "GetInterface", {unknown.Address(), Variant(0)});
  EXPECT_EQ(get->Result, Variant(true));
  EXPECT_EQ(get->GetArgs(1)->Value.AsPointer(), static_cast<host::IUnknown*>(obj.get()));
  EXPECT_EQ(obj->RefCount(), 0);  // no reference added
  const TkelValue<host::TGUID> other(IkelObject::IID);
  get = Invoke(d, "GetInterface", {other.Address(), Variant(5)});
  EXPECT_EQ(get->Result, Variant(false));
  EXPECT_EQ(get->GetArgs(1)->Value, Variant(int64_t{0}));
  EXPECT_THROW(Invoke(d, "GetInterface", {Variant(0), Variant(0)}), host::Exception);
  EXPECT_NE(Invoke(d, "GetInterfaceEntry", {unknown.Address()})->Result, Variant(int64_t{0}));
  EXPECT_EQ(Invoke(d, "GetInterfaceEntry", {other.Address()})->Result, Variant(int64_t{0}));

  const Variant code = Invoke(d, "SafeCallException", {Variant(0), Variant(0)})->Result;
  EXPECT_EQ(*static_cast<const uint32_t*>(code.AsPointer()), static_cast<uint32_t>(host::E_UNEXPECTED));
  EXPECT_EQ(Invoke(d, "SafeCallException", {Variant(0), Variant(0)})->Result, code);  // same scratch
}

TEST(TObjectClassInfo, RawMemoryMethodsAreRefusedOrMadeSafe) {
  host::TOwned<host::TObject> obj = host::MakeOwned<host::TObject>();
  TkelClassInfo* d = TkelClassRegistry::GetInfo(obj.get());
  for (const char* name : {"InitInstance", "CleanupInstance", "FreeInstance"}) {
    TkelMethodInfo* m = d->FindMethod(name);
    if (m->GetArgCount() > 0) m->GetArgs(0)->Value = Variant::FromPointer(obj.get());
    EXPECT_EQ(MessageOf([&] { d->InvokeMethod(m); }),
              std::string(name) + " cannot be called through a class descriptor: it works on raw instance memory!");
    EXPECT_TRUE(m->Result.IsEmpty());
  }
  EXPECT_EQ(d->GetOwner(), obj.get());  // the owner is untouched and still described
  EXPECT_EQ(TkelClassRegistry::GetInfo(obj.get()), d);

  // NewInstance: a fresh, separate instance of the owner's class.
  auto* fresh = static_cast<host::TObject*>(Invoke(d, "NewInstance")->Result.AsPointer());
  ASSERT_NE(fresh, nullptr);
  EXPECT_NE(fresh, obj.get());
  EXPECT_EQ(fresh->ClassType(), obj->ClassType());
  fresh->Free();

  // Messages reach the host's handlers, which ignore them.
  Invoke(d, "Dispatch", {Variant(0x0112)});
  Invoke(d, "DefaultHandler", {Variant(1)});
  Invoke(d, "AfterConstruction");
  EXPECT_EQ(d->GetOwner(), obj.get());
}

TEST(TObjectClassInfo, FreeReleasesTheOwnerAndTheRegistryDropsTheDescriptor) {
  host::TObject* obj = host::New<host::TObject>();  // freed through the descriptor
  TkelClassInfo* d = TkelClassRegistry::GetInfo(obj);
  Invoke(d, "Free");  // the sanitizer reports a leak if the owner stays, a use after free if d is touched
  host::TOwned<host::TObject> next = host::MakeOwned<host::TObject>();
  TkelClassInfo* again = TkelClassRegistry::GetInfo(next.get());
  EXPECT_EQ(again->GetOwner(), next.get());
}

TEST(TInterfacedObjectClassInfo, RefCountIsTheLiveCount) {
  host::TOwned<host::TInterfacedObject> obj = host::MakeOwned<host::TInterfacedObject>();
  TkelClassInfo* d = TkelClassRegistry::GetInfo(obj.get());
  ASSERT_TRUE(host::Is<TInterfacedObjectClassInfo>(d));
  TkelPropertyInfo* refCount = d->FindProperty("RefCount");
  EXPECT_EQ(d->GetProperty(refCount), Variant(0));
  obj->_AddRef();
  EXPECT_EQ(d->GetProperty(refCount), Variant(1));
  EXPECT_EQ(d->GetProperties(0)->Name, "Self");  // the root's features come first
  EXPECT_EQ(d->GetProperty(d->GetProperties(0)), Variant::FromPointer(obj.get()));
  obj->_Release();  // back to 0: frees the object
  (void)obj.release();
}

}  // namespace
}  // namespace kel::test
