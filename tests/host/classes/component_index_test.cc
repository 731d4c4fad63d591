// The name index of owners and the insertion notices of large owners.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/classes/component.h"
#include "host/rtl/sysutils.h"

namespace host {
namespace {

// Records every notice it hears as (subject, operation).
class TListener : public TComponent {
  HOST_CLASS(TListener, TComponent)
  using TComponent::TComponent;
  struct TNotice {
    TComponent* Subject;
    TOperation Operation;
  };
  std::vector<TNotice> Heard;
  int Count(TComponent* Subject, TOperation Operation) const {
    int n = 0;
    for (const TNotice& h : Heard) n += h.Subject == Subject && h.Operation == Operation;
    return n;
  }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    Heard.push_back({AComponent, Operation});
    inherited::Notification(AComponent, Operation);
  }
};
HOST_IMPL(TListener, TComponent)

// A listener whose class says it acts only on the removal of its partners.
class TRemovalListener : public TListener {
  HOST_CLASS(TRemovalListener, TListener)
  using TListener::TListener;
  TNoticeScope NoticeScope() const override { return nsLinkedRemovals; }
};
HOST_IMPL(TRemovalListener, TListener)

// Stores names unchecked, so two components of one owner can share a name.
class TRaw : public TComponent {
  HOST_CLASS(TRaw, TComponent)
  using TComponent::ChangeName;
  using TComponent::TComponent;
};
HOST_IMPL(TRaw, TComponent)

std::vector<TComponent*> AddPlain(TComponent* owner, int count) {
  std::vector<TComponent*> out;
  for (int i = 0; i < count; ++i) out.push_back(New<TComponent>(owner));
  return out;
}

TEST(ComponentObservers, OverridesAndNestedOwnersHearEveryNoticeOfALargeOwner) {
  TOwned<TComponent> owner = MakeOwned<TComponent>(nullptr);
  AddPlain(owner.get(), 200);
  auto* direct = New<TListener>(owner.get());
  auto* holder = New<TComponent>(owner.get());  // plain, but owns a listener
  auto* nested = New<TListener>(holder);
  std::vector<TComponent*> later = AddPlain(owner.get(), 200);
  // Every later insert reached both: the direct one and the one below holder.
  for (TComponent* c : later) {
    EXPECT_EQ(direct->Count(c, opInsert), 1);
    EXPECT_EQ(nested->Count(c, opInsert), 1);
  }
  owner->RemoveComponent(later[7]);
  EXPECT_EQ(direct->Count(later[7], opRemove), 1);
  EXPECT_EQ(nested->Count(later[7], opRemove), 1);
  TOwned<TComponent> removed(later[7]);  // kept: a freed address could come back as `extra`
  // Moving around in the list keeps them listening.
  direct->SetComponentIndex(0);
  holder->SetComponentIndex(owner->GetComponentCount() - 1);
  TComponent* extra = New<TComponent>(owner.get());
  EXPECT_EQ(direct->Count(extra, opInsert), 1);
  EXPECT_EQ(nested->Count(extra, opInsert), 1);
  // Once holder owns nothing the nested listener is out of the owner's tree
  // and hears nothing more; the direct one still does.
  holder->RemoveComponent(nested);
  TOwned<TListener> outside(nested);
  const std::size_t heardBefore = nested->Heard.size();
  TComponent* last = New<TComponent>(owner.get());
  EXPECT_EQ(nested->Heard.size(), heardBefore);
  EXPECT_EQ(direct->Count(last, opInsert), 1);
  EXPECT_EQ(owner->GetComponentCount(), 403);
}

TEST(ComponentObservers, ALinkedRemovalsClassHearsItsPartnersGoAndItsOwnedComponentsStillHearInserts) {
  TOwned<TComponent> owner = MakeOwned<TComponent>(nullptr);
  auto* removals = New<TRemovalListener>(owner.get());
  TComponent* first = New<TComponent>(owner.get());
  TComponent* stranger = New<TComponent>(owner.get());
  EXPECT_EQ(removals->Count(first, opInsert), 0);
  removals->FreeNotification(first);
  // Its partner's removal reaches it once (through the owner); a component
  // it is not linked with goes unheard.
  owner->RemoveComponent(first);
  TOwned<TComponent> removed(first);
  EXPECT_EQ(removals->Count(first, opRemove), 1);
  owner->RemoveComponent(stranger);
  TOwned<TComponent> removedStranger(stranger);
  EXPECT_EQ(removals->Count(stranger, opRemove), 0);
  // Destroyed, a partner is heard through the link itself.
  TComponent* partner = New<TComponent>(owner.get());
  removals->FreeNotification(partner);
  partner->Free();
  EXPECT_EQ(removals->Count(partner, opRemove), 1);
  // Once it owns a listener of its own, that one hears the owner's inserts
  // through it (its Notification passes them on).
  auto* below = New<TListener>(removals);
  TComponent* second = New<TComponent>(owner.get());
  EXPECT_EQ(below->Count(second, opInsert), 1);
}

TEST(ComponentObservers, ALinkedPlainComponentDropsItsLinkWhenThePartnerLeavesTheOwner) {
  TOwned<TComponent> owner = MakeOwned<TComponent>(nullptr);
  AddPlain(owner.get(), 100);
  TComponent* plain = New<TComponent>(owner.get());
  auto* partner = New<TListener>(owner.get());
  TComponent* plainTwin = New<TComponent>(owner.get());
  auto* partnerTwin = New<TListener>(owner.get());
  AddPlain(owner.get(), 100);
  plain->FreeNotification(partner);
  plainTwin->FreeNotification(partnerTwin);
  // The owner's removal notice for partner reaches plain, which drops the
  // link both ways: freeing plain later tells partner nothing.
  owner->RemoveComponent(partner);
  TOwned<TListener> keep(partner);
  plain->Free();
  EXPECT_EQ(partner->Count(plain, opRemove), 0);
  // The twin pair stays linked: the twin partner hears plainTwin go (through
  // the link and through the owner).
  plainTwin->Free();
  EXPECT_EQ(partnerTwin->Count(plainTwin, opRemove), 2);
}

// A listener that acts only on the removal of what it references.
class TReferenceHolder : public TListener {
  HOST_CLASS(TReferenceHolder, TListener)
  using TListener::TListener;
  TNoticeScope NoticeScope() const override { return nsLinkedRemovals; }
};
HOST_IMPL(TReferenceHolder, TListener)

// Moved to another owner, a component that acts on linked removals only
// keeps its links (they are what it references) and still hears its partner
// go; a plain one moved the same way does not.
TEST(ComponentObservers, AReferenceHolderMovedToAnotherOwnerKeepsItsLinks) {
  TOwned<TComponent> owner = MakeOwned<TComponent>(nullptr), other = MakeOwned<TComponent>(nullptr);
  TComponent* target = New<TComponent>(owner.get());
  auto* holder = New<TReferenceHolder>(owner.get());
  auto* plain = New<TListener>(owner.get());
  holder->FreeNotification(target);
  plain->FreeNotification(target);
  other->InsertComponent(holder);
  other->InsertComponent(plain);
  target->Free();
  EXPECT_EQ(holder->Count(target, opRemove), 1);
  EXPECT_EQ(plain->Count(target, opRemove), 0);
}

TEST(ComponentNameIndex, LookupFollowsRenamesMovesAndRemovals) {
  TOwned<TComponent> owner = MakeOwned<TComponent>(nullptr);
  std::vector<TComponent*> kids = AddPlain(owner.get(), 50);
  for (std::size_t i = 0; i < kids.size(); ++i) kids[i]->SetName("Kid" + std::to_string(i));
  EXPECT_EQ(owner->FindComponent("KID17"), kids[17]);
  EXPECT_EQ(owner->FindComponent("kid17x"), nullptr);
  EXPECT_EQ(owner->FindComponent(""), nullptr);
  kids[17]->SetName("kID17");  // case only: allowed, still found
  EXPECT_EQ(owner->FindComponent("Kid17"), kids[17]);
  kids[17]->SetName("Other");
  EXPECT_EQ(owner->FindComponent("Kid17"), nullptr);
  EXPECT_EQ(owner->FindComponent("other"), kids[17]);
  EXPECT_THROW(kids[3]->SetName("OTHER"), EComponentError);
  EXPECT_EQ(kids[3]->GetName(), "Kid3");
  EXPECT_EQ(owner->FindComponent("kid3"), kids[3]);
  kids[17]->SetName("");
  EXPECT_EQ(owner->FindComponent("Other"), nullptr);
  owner->RemoveComponent(kids[5]);
  TOwned<TComponent> removed(kids[5]);
  EXPECT_EQ(owner->FindComponent("Kid5"), nullptr);
  EXPECT_EQ(removed->GetName(), "Kid5");
  // A name stored unchecked twice: the first in list order wins.
  auto* first = New<TRaw>(owner.get());
  auto* second = New<TRaw>(owner.get());
  first->ChangeName("Dup");
  second->ChangeName("DUP");
  EXPECT_EQ(owner->FindComponent("dup"), first);
  second->SetComponentIndex(0);
  EXPECT_EQ(owner->FindComponent("dup"), second);
  EXPECT_EQ(second->GetComponentIndex(), 0);
  EXPECT_EQ(first->GetComponentIndex(), owner->GetComponentCount() - 1);
  second->Free();
  EXPECT_EQ(owner->FindComponent("Dup"), first);
}

}  // namespace
}  // namespace host
