// Behaviour of the component descriptors of the class library: values by
// address, references as integers, the host's virtual setters, hooks and
// their restoring, and freeing through a descriptor.
#include "descriptors/kelclasses_components.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "host/classes/lists.h"
#include "tests/descriptors/descriptor_test_support.h"

namespace kel::test {

// A component that counts the calls of its virtual name setter.
class TNamedProbe : public host::TComponent {
  HOST_CLASS(TNamedProbe, host::TComponent)
  explicit TNamedProbe(host::TComponent* AOwner) : TComponent(AOwner) {}
  void SetName(const std::string& NewName) override {
    ++SetNameCalls;
    TComponent::SetName(NewName);
  }
  int SetNameCalls = 0;

 protected:
  ~TNamedProbe() override = default;
};
HOST_IMPL(TNamedProbe, host::TComponent)

// A link that counts how often its action tells it about a new OnExecute.
class TLinkProbe : public host::TBasicActionLink {
  HOST_CLASS(TLinkProbe, host::TBasicActionLink)
  explicit TLinkProbe(host::TObject* AClient = nullptr) : TBasicActionLink(AClient) {}
  int NewExecuteHandlers = 0;

 protected:
  ~TLinkProbe() override = default;
  void SetOnExecute(host::TNotifyEvent) override { ++NewExecuteHandlers; }
};
HOST_IMPL(TLinkProbe, host::TBasicActionLink)

namespace {

using host::TObject;
using host::Variant;

class ComponentDescriptors : public testing::Test {
 protected:
  void TearDown() override {
    for (TkelListener* l : FListeners) l->Free();
  }

  // A descriptor of class Info on `owner`, which may be of a descendant of
  // the described class; unhooked and freed with the test's TOwned.
  template <class Info>
  host::TOwned<Info> Describe(TObject* owner) {
    host::TOwned<Info> d(host::New<Info>());
    d->InitMetaData();
    d->SetOwner(owner);
    return d;
  }
  // Counts the notifications of `event` on `d`; `last` receives the records' values.
  int& Listen(TkelClassInfo& d, const std::string& event, std::vector<Variant>* last = nullptr) {
    int& count = FCounts.emplace_back(0);
    FListeners.push_back(test::Listen(&d, event, [&count, last](TObject*, TkelEventInfo* info) {
      ++count;
      if (!last) return;
      last->clear();
      for (int i = 0; i < info->GetArgCount(); ++i) last->push_back(info->GetArgs(i)->Value);
    }));
    return count;
  }

 private:
  std::vector<TkelListener*> FListeners;
  std::deque<int> FCounts;
};

// ------------------------------------------------------------ TComponent

TEST_F(ComponentDescriptors, ComponentStateAndStyleTravelByAddressThroughScratch) {
  host::TOwned<host::TComponent> c = host::MakeOwned<host::TComponent>(nullptr);
  TkelClassInfo* d = TkelClassRegistry::GetInfo(c.get());
  ASSERT_TRUE(host::Is<TComponentClassInfo>(d));
  const Variant first = Read(d, "ComponentState");
  const auto* state = static_cast<const host::TComponentState*>(first.AsPointer());
  ASSERT_NE(state, nullptr);
  EXPECT_EQ(*state, c->GetComponentState());
  EXPECT_FALSE(state->Contains(host::csDesigning));
  c->SetDesigning(true);
  EXPECT_FALSE(state->Contains(host::csDesigning));  // a copy, taken at the read
  EXPECT_EQ(Read(d, "ComponentState"), first);       // the same scratch address ...
  EXPECT_TRUE(state->Contains(host::csDesigning));   // ... holding the latest read
  const Variant style = Read(d, "ComponentStyle");
  EXPECT_NE(style, first);  // a scratch slot of its own
  EXPECT_EQ(*static_cast<const host::TComponentStyle*>(style.AsPointer()), c->GetComponentStyle());
}

TEST_F(ComponentDescriptors, NameGoesThroughTheVirtualSetterAndItsChecks) {
  host::TOwned<host::TComponent> owner = host::MakeOwned<host::TComponent>(nullptr);
  auto* probe = host::New<TNamedProbe>(owner.get());
  host::New<host::TComponent>(owner.get())->SetName("Taken");
  auto described = Describe<TComponentClassInfo>(probe);
  TkelClassInfo* d = described.get();
  Write(d, "Name", Variant("Fresh"));
  EXPECT_EQ(probe->GetName(), "Fresh");
  EXPECT_EQ(probe->SetNameCalls, 1);
  EXPECT_EQ(Read(d, "Name"), Variant("Fresh"));
  // The host refuses a name that is not an identifier or already used.
  EXPECT_THROW(Write(d, "Name", Variant("1bad")), host::EComponentError);
  EXPECT_THROW(Write(d, "Name", Variant("taken")), host::EComponentError);
  EXPECT_EQ(probe->GetName(), "Fresh");
  EXPECT_EQ(probe->SetNameCalls, 3);
  d->SetOwner(nullptr);
}

TEST_F(ComponentDescriptors, ReferencesAreIntegersAndFindComponentStoresItsResult) {
  host::TOwned<host::TComponent> owner = host::MakeOwned<host::TComponent>(nullptr);
  auto* child = host::New<host::TComponent>(owner.get());
  child->SetName("Child");
  TkelClassInfo* d = TkelClassRegistry::GetInfo(owner.get());
  EXPECT_EQ(Read(d, "Components", {Variant(0)}), Variant::FromPointer(child));
  EXPECT_EQ(Read(TkelClassRegistry::GetInfo(child), "Owner"), Variant::FromPointer(owner.get()));
  EXPECT_EQ(Read(d, "Owner"), Variant(int64_t{0}));
  EXPECT_EQ(MessageOf([&] { Read(d, "Components", {Variant(5)}); }), "List index out of bounds (5)");
  EXPECT_THROW(Read(d, "Components", {Variant("first")}), host::EVariantError);

  EXPECT_EQ(Invoke(d, "FindComponent", {Variant("child")})->Result, Variant::FromPointer(child));
  EXPECT_EQ(Invoke(d, "FindComponent", {Variant("Nobody")})->Result, Variant(int64_t{0}));
  EXPECT_EQ(Invoke(d, "GetParentComponent")->Result, Variant(int64_t{0}));
  EXPECT_EQ(Invoke(d, "HasParent")->Result, Variant(false));

  // An object of the wrong class given as a component is refused before the call.
  host::TOwned<host::TList> list = host::MakeOwned<host::TList>();
  EXPECT_THROW(Invoke(d, "RemoveComponent", {Variant::FromPointer(list.get())}), host::EInvalidCast);
  EXPECT_EQ(owner->GetComponentCount(), 1);
  Invoke(d, "RemoveComponent", {Variant::FromPointer(child)});
  EXPECT_EQ(owner->GetComponentCount(), 0);
  Invoke(d, "InsertComponent", {Variant::FromPointer(child)});
  EXPECT_EQ(child->GetOwner(), owner.get());
}

// The COM object is an interface: an object implementing it is accepted and
// comes back through ComObject; a number that is no such object is refused
// and nothing is stored that ComObject would call.
TEST_F(ComponentDescriptors, TheComObjectIsAnInterfaceOfALiveObject) {
  host::TOwned<host::TComponent> owner = host::MakeOwned<host::TComponent>(nullptr);
  TkelClassInfo* d = TkelClassRegistry::GetInfo(owner.get());
  host::TInterfacedObject* com = host::New<host::TInterfacedObject>();
  com->_AddRef();
  host::TOwned<host::TStringList> plain = host::MakeOwned<host::TStringList>();
  for (const Variant& bad : {Variant(int64_t{74006305}), Variant::FromPointer(plain.get())})
    EXPECT_THROW(Write(d, "VCLComObject", bad), host::EInvalidCast);
  EXPECT_EQ(owner->GetVCLComObject(), nullptr);
  Write(d, "VCLComObject", Variant::FromPointer(static_cast<host::TObject*>(com)));
  EXPECT_EQ(Read(d, "VCLComObject"), Variant::FromPointer(static_cast<host::TObject*>(com)));
  EXPECT_EQ(Read(d, "ComObject"), Variant::FromPointer(static_cast<host::TObject*>(com)));
  Write(d, "VCLComObject", Variant(0));
  com->_Release();
}

TEST_F(ComponentDescriptors, IntegerPropertiesConvertOrLeaveTheComponentUnchanged) {
  host::TOwned<host::TComponent> owner = host::MakeOwned<host::TComponent>(nullptr);
  auto* first = host::New<host::TComponent>(owner.get());
  auto* second = host::New<host::TComponent>(owner.get());
  TkelClassInfo* d = TkelClassRegistry::GetInfo(second);
  Write(d, "Tag", Variant("12"));
  EXPECT_EQ(second->GetTag(), 12);
  EXPECT_EQ(Read(d, "ComponentIndex"), Variant(1));
  Write(d, "ComponentIndex", Variant(0));
  EXPECT_EQ(owner->GetComponents(0), second);
  EXPECT_EQ(owner->GetComponents(1), first);
  EXPECT_EQ(owner->GetComponentCount(), 2);
}

TEST_F(ComponentDescriptors, FreeThroughTheDescriptorReleasesTheComponent) {
  host::TOwned<host::TComponent> owner = host::MakeOwned<host::TComponent>(nullptr);
  auto* doomed = host::New<host::TComponent>(owner.get());  // freed through its descriptor
  TkelClassInfo* d = TkelClassRegistry::GetInfo(doomed);
  Invoke(d, "Free");  // the sanitizer reports a use after free if d were touched again
  EXPECT_EQ(owner->GetComponentCount(), 0);
  auto* next = host::New<host::TComponent>(owner.get());
  EXPECT_EQ(TkelClassRegistry::GetInfo(next)->GetOwner(), next);
  // Constructors are listed only: invoking one changes nothing.
  TkelClassInfo* od = TkelClassRegistry::GetInfo(owner.get());
  od->InvokeConstructor(od->FindConstructor("Create"));
  EXPECT_EQ(owner->GetComponentCount(), 1);
}

// ------------------------------------------------------------ TThread

TEST_F(ComponentDescriptors, ThreadSystemValuesAndWaitForResultTravelByAddress) {
  host::TOwned<TSevenThread> t = host::MakeOwned<TSevenThread>();
  int previous = 0;
  t->OnTerminate = [&previous](TObject*) { ++previous; };  // in place before hooking
  auto described = Describe<TThreadClassInfo>(t.get());
  TkelClassInfo* d = described.get();
  const Variant handle = Read(d, "Handle");
  EXPECT_EQ(*static_cast<const uint32_t*>(handle.AsPointer()), t->GetHandle());
  EXPECT_EQ(Read(d, "Handle"), handle);  // same scratch
  const Variant id = Read(d, "ThreadID");
  EXPECT_NE(id, handle);
  EXPECT_EQ(*static_cast<const uint32_t*>(id.AsPointer()), t->GetThreadID());

  // Priority is the ordinal; an ordinal outside the enumeration is refused by the host.
  Write(d, "Priority", Variant(1));
  EXPECT_EQ(t->GetPriority(), host::tpLowest);
  EXPECT_THROW(Write(d, "Priority", Variant(99)), host::Exception);
  EXPECT_EQ(Read(d, "Priority"), Variant(1));
  EXPECT_EQ(Read(d, "Suspended"), Variant(true));

  std::vector<Variant> args;
  int& heard = Listen(*d, "OnTerminate", &args);
  Invoke(d, "Resume");
  const Variant result = Invoke(d, "WaitFor")->Result;
  EXPECT_EQ(*static_cast<const uint32_t*>(result.AsPointer()), 7u);
  EXPECT_EQ(previous, 1);
  EXPECT_EQ(heard, 1);
  EXPECT_EQ(args, std::vector<Variant>{Variant::FromPointer(t.get())});
  EXPECT_EQ(Read(d, "Terminated"), Variant(false));
  EXPECT_EQ(Read(d, "ReturnValue"), Variant(7));
  d->SetOwner(nullptr);
  t->OnTerminate(t.get());  // the saved handler is back
  EXPECT_EQ(previous, 2);
  EXPECT_EQ(heard, 1);
}

// ------------------------------------------------------ TBasicActionLink

TEST_F(ComponentDescriptors, LinkActionGoesThroughTheLinksSetterAndOnChangeIsRelayed) {
  host::TOwned<host::TComponent> owner = host::MakeOwned<host::TComponent>(nullptr);
  auto* action = host::New<host::TBasicAction>(owner.get());
  host::TOwned<host::TBasicActionLink> link = host::MakeOwned<host::TBasicActionLink>(nullptr);
  int previous = 0;
  link->OnChange = [&previous](TObject*) { ++previous; };
  TkelClassInfo* d = TkelClassRegistry::GetInfo(link.get());
  ASSERT_TRUE(host::Is<TBasicActionLinkClassInfo>(d));
  Write(d, "Action", Variant::FromPointer(action));
  EXPECT_EQ(action->GetClientCount(), 1);  // the setter registered the link
  EXPECT_EQ(Read(d, "Action"), Variant::FromPointer(action));
  EXPECT_THROW(Write(d, "Action", Variant::FromPointer(owner.get())), host::EInvalidCast);
  EXPECT_EQ(link->GetAction(), action);

  std::vector<Variant> args;
  int& heard = Listen(*d, "OnChange", &args);
  action->SetOnExecute([](TObject*) {});  // the action tells its links
  EXPECT_EQ(previous, 1);
  EXPECT_EQ(heard, 1);
  EXPECT_EQ(args, std::vector<Variant>{Variant::FromPointer(action)});
  EXPECT_EQ(Invoke(d, "Execute")->Result, Variant(true));
  EXPECT_EQ(Invoke(d, "Update")->Result, Variant(false));

  d->SetOwner(nullptr);
  action->SetOnExecute(nullptr);
  EXPECT_EQ(previous, 2);
  EXPECT_EQ(heard, 1);
  Write(TkelClassRegistry::GetInfo(link.get()), "Action", Variant(0));
  EXPECT_EQ(action->GetClientCount(), 0);
}

// ---------------------------------------------------------- TBasicAction

TEST_F(ComponentDescriptors, ActionOnExecuteIsInstalledAndRestoredThroughItsSetter) {
  host::TOwned<host::TComponent> owner = host::MakeOwned<host::TComponent>(nullptr);
  auto* action = host::New<host::TBasicAction>(owner.get());
  host::TOwned<TLinkProbe> link = host::MakeOwned<TLinkProbe>();
  action->RegisterChanges(link.get());
  int previous = 0;
  action->OnExecute = [&previous](TObject*) { ++previous; };  // a plain field write: links not told

  TkelClassInfo* d = TkelClassRegistry::GetInfo(action);
  ASSERT_TRUE(host::Is<TBasicActionClassInfo>(d));
  EXPECT_EQ(link->NewExecuteHandlers, 1);  // hooking went through SetOnExecute
  std::vector<Variant> args;
  int& heard = Listen(*d, "OnExecute", &args);
  int& updates = Listen(*d, "OnUpdate");
  EXPECT_EQ(Invoke(d, "Execute")->Result, Variant(true));
  EXPECT_EQ(previous, 1);
  EXPECT_EQ(heard, 1);
  EXPECT_EQ(args, std::vector<Variant>{Variant::FromPointer(action)});
  EXPECT_EQ(Invoke(d, "Update")->Result, Variant(true));  // the hook makes OnUpdate assigned
  EXPECT_EQ(updates, 1);

  d->SetOwner(nullptr);
  EXPECT_EQ(link->NewExecuteHandlers, 2);     // restored through SetOnExecute too
  EXPECT_FALSE(action->OnUpdate.Assigned());  // the saved, unassigned handler is back
  action->Execute();
  EXPECT_EQ(previous, 2);
  EXPECT_EQ(heard, 1);
  action->UnRegisterChanges(link.get());
}

TEST_F(ComponentDescriptors, ActionTargetsAndLinksAreReferences) {
  host::TOwned<host::TComponent> owner = host::MakeOwned<host::TComponent>(nullptr);
  auto* action = host::New<host::TBasicAction>(owner.get());
  host::TOwned<host::TBasicActionLink> link = host::MakeOwned<host::TBasicActionLink>(nullptr);
  TkelClassInfo* d = TkelClassRegistry::GetInfo(action);
  EXPECT_EQ(Invoke(d, "HandlesTarget", {Variant::FromPointer(owner.get())})->Result, Variant(false));
  Invoke(d, "RegisterChanges", {Variant::FromPointer(link.get())});
  EXPECT_EQ(link->GetAction(), action);
  // A list is no link: refused before the host runs.
  host::TOwned<host::TList> list = host::MakeOwned<host::TList>();
  EXPECT_THROW(Invoke(d, "UnRegisterChanges", {Variant::FromPointer(list.get())}), host::EInvalidCast);
  EXPECT_EQ(action->GetClientCount(), 1);
  Invoke(d, "UnRegisterChanges", {Variant::FromPointer(link.get())});
  EXPECT_EQ(action->GetClientCount(), 0);
  EXPECT_EQ(link->GetAction(), nullptr);
}

}  // namespace
}  // namespace kel::test
