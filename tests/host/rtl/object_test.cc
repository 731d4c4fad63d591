#include "host/rtl/object.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/rtl/sysutils.h"
#include "tests/support/raises.h"

namespace host {
namespace {

class TAnimal : public TObject {
  HOST_CLASS(TAnimal, TObject)
};
HOST_IMPL(TAnimal, TObject)

using testkit::RaisedMessage;

TEST(ObjectModel, ClassReferencesWalkTheParentChainAndCreate) {
  TOwned<TAnimal> p(new TAnimal);
  EXPECT_EQ(p->ClassName(), "TAnimal");
  EXPECT_EQ(p->ClassParent(), &TObject::StaticMetaClass);
  EXPECT_TRUE(p->InheritsFrom(&TObject::StaticMetaClass));
  EXPECT_FALSE(p->InheritsFrom(&TInterfacedObject::StaticMetaClass));
  EXPECT_FALSE(TObject::StaticMetaClass.InheritsFrom(&TAnimal::StaticMetaClass));
  EXPECT_TRUE(p->ClassNameIs("tanimal"));
  EXPECT_EQ(p->InstanceSize(), sizeof(TAnimal));
  TObject* made = TAnimal::StaticMetaClass.Create();
  EXPECT_EQ(made->ClassType(), &TAnimal::StaticMetaClass);
  made->Free();
}

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

// A base whose teardown calls a virtual that a derived class overrides.
class TTeardownBase : public TObject {
  HOST_CLASS(TTeardownBase, TObject)
  void BeforeDestruction() override { Log().push_back("BeforeDestruction"); }
  virtual void Notify() { Log().push_back("TTeardownBase.Notify"); }

 protected:
  void Destroy() override {
    Notify();
    Log().push_back("TTeardownBase.Destroy");
    inherited::Destroy();
  }
};
HOST_IMPL(TTeardownBase, TObject)

class TTeardownDerived : public TTeardownBase {
  HOST_CLASS(TTeardownDerived, TTeardownBase)
  void Notify() override { Log().push_back("TTeardownDerived.Notify"); }

 protected:
  void Destroy() override {
    Log().push_back("TTeardownDerived.Destroy");
    inherited::Destroy();
  }
};
HOST_IMPL(TTeardownDerived, TTeardownBase)

TEST(ObjectModel, FreeRunsTheWholeTeardownChain) {
  Log().clear();
  TObject* obj = new TTeardownDerived;
  obj->Free();
  EXPECT_EQ(Log(), (std::vector<std::string>{"BeforeDestruction", "TTeardownDerived.Destroy", "TTeardownDerived.Notify",
                                             "TTeardownBase.Destroy"}));

  Log().clear();
  TTeardownBase* base = new TTeardownBase;
  FreeAndNil(base);
  EXPECT_EQ(base, nullptr);
  EXPECT_EQ(Log(), (std::vector<std::string>{"BeforeDestruction", "TTeardownBase.Notify", "TTeardownBase.Destroy"}));

  Log().clear();
  FreeObject(nullptr);  // freeing nothing is allowed and does nothing
  FreeAndNil(base);
  EXPECT_TRUE(Log().empty());
}

// What the free observers heard, as "<observer><class> ".
std::string g_heard;
void FirstObserver(TObject* obj) { g_heard += "1" + obj->ClassName() + " "; }
void LeavingObserver(TObject* obj) {
  g_heard += "2" + obj->ClassName() + " ";
  RemoveFreeObserver(&LeavingObserver);  // a second removal does nothing
  RemoveFreeObserver(&LeavingObserver);
}
void LastObserver(TObject* obj) { g_heard += "3" + obj->ClassName() + " "; }

TEST(ObjectModel, FreeObserversAreToldInOrderAndMayLeaveWhileTold) {
  AddFreeObserver(&FirstObserver);
  AddFreeObserver(&LeavingObserver);
  AddFreeObserver(&FirstObserver);  // registered once only
  AddFreeObserver(&LastObserver);
  g_heard.clear();
  New<TObject>()->Free();
  New<TInterfacedObject>()->Free();
  EXPECT_EQ(g_heard, "1TObject 2TObject 3TObject 1TInterfacedObject 3TInterfacedObject ");
  RemoveFreeObserver(&FirstObserver);
  RemoveFreeObserver(&LastObserver);
  g_heard.clear();
  New<TObject>()->Free();
  EXPECT_EQ(g_heard, "");
}

TEST(ObjectModel, CheckedCasts) {
  TOwned<TTeardownDerived> derived(new TTeardownDerived);
  TOwned<TAnimal> animal(new TAnimal);
  TObject* asObject = derived.get();
  EXPECT_EQ(As<TTeardownBase>(asObject), derived.get());
  EXPECT_EQ(As<TTeardownDerived>(asObject), derived.get());
  EXPECT_EQ(As<TTeardownBase>(static_cast<TObject*>(nullptr)), nullptr);
  EXPECT_EQ(RaisedMessage<EInvalidCast>([&] { As<TTeardownBase>(static_cast<TObject*>(animal.get())); }),
            "Invalid class typecast");
  const TObject* constObject = animal.get();
  EXPECT_THROW(As<TTeardownDerived>(constObject), EInvalidCast);
  EXPECT_TRUE(Is<TTeardownBase>(asObject));
  EXPECT_FALSE(Is<TTeardownBase>(animal.get()));
  EXPECT_FALSE(Is<TObject>(nullptr));
  EXPECT_TRUE(asObject->InheritsFrom(&TObject::StaticMetaClass));  // two levels up
}

class IGreeter : public IUnknown {
 public:
  static constexpr TGUID IID{0x6F1B2C3D, 0x1234, 0x4ABC, {0x80, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07}};
  virtual std::string Greet() = 0;

 protected:
  ~IGreeter() = default;
};

class ICounter : public IUnknown {
 public:
  static constexpr TGUID IID{0x6F1B2C3D, 0x1234, 0x4ABC, {0x80, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x08}};

 protected:
  ~ICounter() = default;
};

class TGreeter : public TInterfacedObject, public IGreeter {
  HOST_CLASS(TGreeter, TInterfacedObject)
  HOST_INTERFACED_FORWARDS
  std::string Greet() override { return "hello"; }

 protected:
  void Destroy() override {
    Log().push_back("TGreeter.Destroy");
    inherited::Destroy();
  }
};
HOST_IMPL_INTF(TGreeter, TInterfacedObject, IGreeter)

TEST(ObjectModel, InterfacesAreFoundByIdentifier) {
  Log().clear();
  TOwned<TGreeter> greeter(new TGreeter);
  IGreeter* found = greeter->FindInterface<IGreeter>();
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->Greet(), "hello");
  EXPECT_EQ(greeter->RefCount(), 0);  // FindInterface adds no reference
  EXPECT_EQ(greeter->FindInterface<ICounter>(), nullptr);
  EXPECT_NE(greeter->FindInterface<IUnknown>(), nullptr);  // inherited from TInterfacedObject

  void* raw = reinterpret_cast<void*>(1);
  EXPECT_FALSE(greeter->GetInterface(ICounter::IID, &raw));
  EXPECT_EQ(raw, nullptr);
  EXPECT_EQ(greeter->RefCount(), 0);
  EXPECT_TRUE(greeter->GetInterface(IGreeter::IID, &raw));
  EXPECT_EQ(static_cast<IUnknown*>(raw), static_cast<IUnknown*>(found));
  EXPECT_EQ(greeter->RefCount(), 1);
  EXPECT_EQ(found->_Release(), 0);  // back to zero: frees the object
  EXPECT_EQ(Log(), std::vector<std::string>{"TGreeter.Destroy"});
  (void)greeter.release();  // already freed by the last release

  EXPECT_EQ(TGreeter::StaticMetaClass.GetInterfaceEntry(IGreeter::IID)->IID, IGreeter::IID);
  EXPECT_EQ(TAnimal::StaticMetaClass.GetInterfaceEntry(IGreeter::IID), nullptr);
  TOwned<TAnimal> animal(new TAnimal);
  EXPECT_EQ(animal->FindInterface<IUnknown>(), nullptr);
}

TEST(ObjectModel, InterfacedObjectsCountReferences) {
  Log().clear();
  TGreeter* greeter = new TGreeter;
  IUnknown* unk = nullptr;
  EXPECT_EQ(greeter->QueryInterface(IGreeter::IID, reinterpret_cast<void**>(&unk)), S_OK);
  EXPECT_EQ(greeter->QueryInterface(ICounter::IID, nullptr), E_NOINTERFACE);
  EXPECT_EQ(greeter->RefCount(), 1);
  EXPECT_EQ(unk->_AddRef(), 2);
  EXPECT_EQ(unk->_Release(), 1);
  EXPECT_TRUE(Log().empty());  // still alive
  EXPECT_EQ(unk->_Release(), 0);
  EXPECT_EQ(Log(), std::vector<std::string>{"TGreeter.Destroy"});
}

TEST(ObjectModel, GuidTextRoundTrip) {
  const std::string text = "{6F1B2C3D-1234-4ABC-8001-020304050607}";
  TGUID g = TGUID::FromString(text);
  EXPECT_EQ(g, IGreeter::IID);
  EXPECT_NE(g, ICounter::IID);
  EXPECT_EQ(g.ToString(), text);
  EXPECT_EQ(TGUID::FromString("{6f1b2c3d-1234-4abc-8001-020304050607}"), g);
  EXPECT_EQ(IUnknown::IID.ToString(), "{00000000-0000-0000-C000-000000000046}");

  EXPECT_EQ(RaisedMessage<EConvertError>([] { TGUID::FromString("nonsense"); }),
            "'nonsense' is not a valid GUID value");
  for (const char* bad : {"", "{6F1B2C3D-1234-4ABC-8001-02030405060}", "{6F1B2C3D-1234-4ABC-8001-0203040506077}",
                          "{6F1B2C3D-1234-4ABC-8001-02030405060G}", "{6F1B2C3D+1234-4ABC-8001-020304050607}",
                          "(6F1B2C3D-1234-4ABC-8001-020304050607)", "6F1B2C3D-1234-4ABC-8001-020304050607"})
    EXPECT_THROW(TGUID::FromString(bad), EConvertError) << bad;
}

}  // namespace
}  // namespace host
