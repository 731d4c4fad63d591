#include "host/classes/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/rtl/sysutils.h"
#include "tests/support/raises.h"

namespace host {
namespace {

// Records every notification it receives (as "receiver<-subject:op") and its
// own teardown, in a log shared by a test. (Like every component class it can
// also be made from an owner alone; it then records nothing.)
class TProbe : public TComponent {
  HOST_CLASS(TProbe, TComponent)
  explicit TProbe(TComponent* AOwner, std::string id = "", std::vector<std::string>* log = nullptr)
      : TComponent(AOwner), Id(std::move(id)), Log(log) {}

  void Notification(TComponent* AComponent, TOperation Operation) override {
    const auto* probe = dynamic_cast<TProbe*>(AComponent);
    const char* destroying = GetComponentState().Contains(csDestroying) ? "!" : "";
    if (Log)
      Log->push_back(Id + destroying + "<-" + (probe ? probe->Id : "?") + (Operation == opRemove ? ":rm" : ":ins"));
    inherited::Notification(AComponent, Operation);
  }

  std::string Id;
  std::vector<std::string>* Log;

 protected:
  void Destroy() override {
    if (Log) Log->push_back("destroy " + Id);
    inherited::Destroy();
  }
};
HOST_IMPL(TProbe, TComponent)

// Counts removal notices but never passes them on to the inherited handling,
// so it never drops a link itself.
class TDeaf : public TComponent {
  HOST_CLASS(TDeaf, TComponent)
  using TComponent::TComponent;
  void Notification(TComponent*, TOperation) override { ++Heard; }
  int Heard = 0;
};
HOST_IMPL(TDeaf, TComponent)

std::vector<std::string> Names(TComponent* owner) {
  std::vector<std::string> out;
  for (int i = 0; i < owner->GetComponentCount(); ++i) out.push_back(owner->GetComponents(i)->GetName());
  return out;
}

TEST(Component, OwnerFreesItsTreeAndOverridesRunDuringTeardown) {
  std::vector<std::string> log;
  auto* root = new TProbe(nullptr, "root", &log);
  auto* a = new TProbe(root, "a", &log);
  auto* b = new TProbe(root, "b", &log);
  auto* c = new TProbe(a, "c", &log);
  EXPECT_EQ(root->GetComponentCount(), 2);
  EXPECT_EQ(root->GetComponents(1), b);
  EXPECT_EQ(c->GetOwner(), a);
  EXPECT_EQ(testkit::RaisedMessage<EListError>([&] { root->GetComponents(2); }), "List index out of bounds (2)");
  EXPECT_EQ(testkit::RaisedMessage<EListError>([&] { root->GetComponents(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(root->GetComponentCount(), 2);

  // Freeing an inner component: its own subtree goes first, then the owner
  // tells itself and everything it owns -- including the dying component,
  // whose override is still reached and which already sees csDestroying.
  log.clear();
  a->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"destroy a", "destroy c", "root<-a:rm", "b<-a:rm", "a!<-a:rm"}));
  EXPECT_EQ(root->GetComponentCount(), 1);

  // A creatable class: the factory inserts into the owner.
  TObject* made = TComponent::StaticMetaClass.Create(root);
  EXPECT_EQ(made->ClassName(), "TComponent");
  EXPECT_EQ(root->GetComponents(1), made);

  log.clear();
  root->Free();  // frees b and `made` too; the sanitizer build would catch any leak
  EXPECT_EQ(log, (std::vector<std::string>{"destroy root", "destroy b"}));
}

// BeforeDestruction reached on its own (reflection can call it) only puts
// the component in its destroying state: its owner still frees it.
TEST(Component, BeforeDestructionAloneLeavesTheFreeToTheOwner) {
  std::vector<std::string> log;
  auto* root = new TProbe(nullptr, "root", &log);
  auto* a = new TProbe(root, "a", &log);
  a->BeforeDestruction();
  EXPECT_TRUE(a->GetComponentState().Contains(csDestroying));
  log.clear();
  root->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"destroy root", "destroy a"}));
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner) {
  TOwned<TComponent> owner(new TComponent(nullptr));
  auto* first = new TComponent(owner.get());
  auto* second = new TComponent(owner.get());
  first->SetName("Button1");
  EXPECT_EQ(first->GetNamePath(), "Button1");

  for (const char* bad : {"1abc", "a b", "x-y"}) {
    EXPECT_EQ(testkit::RaisedMessage<EComponentError>([&] { first->SetName(bad); }),
              std::string("'") + bad + "' is not a valid component name");
  }
  EXPECT_EQ(testkit::RaisedMessage<EComponentError>([&] { second->SetName("BUTTON1"); }),
            "A component named BUTTON1 already exists");
  EXPECT_EQ(first->GetName(), "Button1");
  EXPECT_EQ(second->GetName(), "");

  first->SetName("BUTTON1");  // a change of case only is no clash with itself
  EXPECT_EQ(first->GetName(), "BUTTON1");

  // A component without an owner may share a name; joining the owner may not.
  TOwned<TComponent> stranger(new TComponent(nullptr));
  stranger->SetName("button1");
  EXPECT_EQ(testkit::RaisedMessage<EComponentError>([&] { owner->InsertComponent(stranger.get()); }),
            "A component named button1 already exists");
  EXPECT_EQ(stranger->GetOwner(), nullptr);
  EXPECT_EQ(owner->GetComponentCount(), 2);
}

TEST(Component, InsertRemoveAndOwnershipCycles) {
  std::vector<std::string> log;
  TOwned<TProbe> left(new TProbe(nullptr, "L", &log));
  TOwned<TProbe> right(new TProbe(nullptr, "R", &log));
  auto* item = new TProbe(left.get(), "i", &log);
  auto* inner = new TProbe(item, "n", &log);

  log.clear();
  right->InsertComponent(item);  // moves: removal notices in the old tree, insertion notices in the new
  EXPECT_EQ(log, (std::vector<std::string>{"L<-i:rm", "i<-i:rm", "n<-i:rm", "R<-i:ins", "i<-i:ins", "n<-i:ins"}));
  EXPECT_EQ(left->GetComponentCount(), 0);
  EXPECT_EQ(item->GetOwner(), right.get());

  log.clear();
  const std::string cycle = "a component cannot own itself or one of its owners";
  EXPECT_NE(testkit::RaisedMessage<EComponentError>([&] { inner->InsertComponent(right.get()); }).find(cycle),
            std::string::npos);
  EXPECT_NE(testkit::RaisedMessage<EComponentError>([&] { item->InsertComponent(item); }).find(cycle),
            std::string::npos);
  EXPECT_EQ(testkit::RaisedMessage<EComponentError>([&] { right->InsertComponent(nullptr); }),
            "Cannot insert nil into TProbe");
  EXPECT_EQ(testkit::RaisedMessage<EComponentError>([&] { left->RemoveComponent(item); }),
            "TProbe is not owned by TProbe");
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(right->GetOwner(), nullptr);
  EXPECT_EQ(item->GetOwner(), right.get());
  EXPECT_EQ(inner->GetOwner(), item);

  right->RemoveComponent(item);
  EXPECT_EQ(item->GetOwner(), nullptr);
  EXPECT_EQ(right->GetComponentCount(), 0);
  item->Free();
}

TEST(Component, FreeNotificationLinksBothWays) {
  std::vector<std::string> log;
  auto* a = new TProbe(nullptr, "a", &log);
  auto* b = new TProbe(nullptr, "b", &log);
  auto* c = new TProbe(nullptr, "c", &log);
  EXPECT_FALSE(a->GetComponentState().Contains(csFreeNotification));
  a->FreeNotification(b);
  a->FreeNotification(b);  // no duplicate link
  b->FreeNotification(a);
  EXPECT_TRUE(a->GetComponentState().Contains(csFreeNotification));
  EXPECT_TRUE(b->GetComponentState().Contains(csFreeNotification));
  c->FreeNotification(a);
  c->RemoveFreeNotification(a);  // unlinked again: c hears nothing
  EXPECT_EQ(testkit::RaisedMessage<EComponentError>([&] { a->FreeNotification(nullptr); }),
            "Cannot register a free notification of TProbe for nil");

  log.clear();
  a->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"destroy a", "b<-a:rm"}));

  // The other direction, and the link is gone once used.
  a = new TProbe(nullptr, "a", &log);
  b->FreeNotification(a);
  log.clear();
  b->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"destroy b", "a<-b:rm"}));
  log.clear();
  a->Free();
  c->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"destroy a", "destroy c"}));

  // A handler that skips the inherited handling keeps no link to the dead
  // component: freeing it later must not reach the freed one.
  TOwned<TDeaf> deaf(new TDeaf(nullptr));
  auto* watched = new TComponent(nullptr);
  deaf->FreeNotification(watched);
  watched->Free();
  EXPECT_EQ(deaf->Heard, 1);
  deaf.reset();  // the sanitizer build reports a use after free here if a link was left
}

TEST(Component, ComponentIndexMovesWithinTheOwnerClamped) {
  TOwned<TComponent> owner(new TComponent(nullptr));
  for (const char* n : {"A", "B", "C"}) (new TComponent(owner.get()))->SetName(n);
  TComponent* a = owner->FindComponent("A");
  a->SetComponentIndex(-5);
  EXPECT_EQ(Names(owner.get()), (std::vector<std::string>{"A", "B", "C"}));
  a->SetComponentIndex(99);
  EXPECT_EQ(Names(owner.get()), (std::vector<std::string>{"B", "C", "A"}));
  EXPECT_EQ(a->GetComponentIndex(), 2);
  a->SetComponentIndex(1);
  EXPECT_EQ(Names(owner.get()), (std::vector<std::string>{"B", "A", "C"}));

  EXPECT_EQ(owner->GetComponentIndex(), -1);
  owner->SetComponentIndex(3);  // no owner: nothing to move
  EXPECT_EQ(owner->GetComponentIndex(), -1);
}

TEST(Component, StateFlagsAndStyle) {
  static_assert(sizeof(TComponentState) == 2 && sizeof(TComponentStyle) == 1);
  TOwned<TComponent> owner(new TComponent(nullptr));
  auto* child = new TComponent(owner.get());
  EXPECT_TRUE(owner->GetComponentState().Empty());

  owner->SetStateFlag(csLoading, true);
  owner->Updating();
  EXPECT_EQ(owner->GetComponentState(), (TComponentState{csLoading, csUpdating}));
  owner->Loaded();
  owner->Updated();
  EXPECT_TRUE(owner->GetComponentState().Empty());

  owner->SetDesigning(true);
  EXPECT_TRUE(child->GetComponentState().Contains(csDesigning));
  auto* late = new TComponent(owner.get());  // joins a designing owner
  EXPECT_TRUE(late->GetComponentState().Contains(csDesigning));
  owner->SetDesigning(false, false);
  EXPECT_FALSE(owner->GetComponentState().Contains(csDesigning));
  EXPECT_TRUE(child->GetComponentState().Contains(csDesigning));

  owner->SetAncestor(true);
  EXPECT_TRUE(late->GetComponentState().Contains(csAncestor));
  EXPECT_FALSE(child->GetComponentState().Contains(csDestroying));
  owner->Destroying();
  EXPECT_TRUE(child->GetComponentState().Contains(csDestroying));

  EXPECT_EQ(testkit::RaisedMessage<EComponentError>([&] { child->GetComObject(); }),
            "TComponent has not been registered as a COM class");
  TOwned<TInterfacedObject> com(new TInterfacedObject);
  IUnknown* unk = com.get();
  child->SetVCLComObject(unk);
  EXPECT_EQ(child->GetComObject(), unk);
}

}  // namespace
}  // namespace host
