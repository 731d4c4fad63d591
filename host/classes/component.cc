#include "host/classes/component.h"

#include <algorithm>
#include "host/classes/typinfo.h"

#include "host/classes/actions.h"
#include "host/classes/classes_types.h"
#include "host/classes/filer.h"
#include "host/rtl/sysutils.h"

namespace host {

HOST_IMPL(TComponent, TPersistent)

namespace detail {

bool TComponentLinks::Contains(const TComponent* c) const {
  if (!FIndex.Empty()) return FIndex.Contains(c);
  return std::find(FItems.begin(), FItems.end(), c) != FItems.end();
}

void TComponentLinks::Add(TComponent* c) {
  if (Contains(c)) return;
  FItems.push_back(c);
  if (!FIndex.Empty())
    FIndex.At(c) = true;
  else if (FItems.size() >= kIndexFrom)
    for (const TComponent* item : FItems) FIndex.At(item) = true;
}

// Searched from the end: links are mostly cut last first.
void TComponentLinks::Remove(const TComponent* c) {
  if (!FIndex.Empty() && !FIndex.Erase(c)) return;
  auto it = std::find(FItems.rbegin(), FItems.rend(), c);
  if (it == FItems.rend()) return;
  FItems.erase(std::next(it).base());
  if (FItems.empty()) FIndex.Clear();
}

void TComponentLinks::Clear() {
  FItems.clear();
  FIndex.Clear();
}

}  // namespace detail

namespace {

// Whether a class between cls and TComponent (exclusive) declares Notification.
bool OverridesNotification(TClass cls) {
  for (; cls && cls != &TComponent::StaticMetaClass; cls = cls->Parent)
    if (const auto* traits = static_cast<const TComponentClassTraits*>(cls->Extra);
        !traits || traits->DeclaresNotification)
      return true;
  return false;
}

// Runs `apply` of Action on Target when the action handles that target.
bool ApplyAction(TBasicAction* Action, TComponent* Target, void (TBasicAction::*apply)(TObject*)) {
  if (!Action || !Action->HandlesTarget(Target)) return false;
  (Action->*apply)(Target);
  return true;
}

}  // namespace

std::string ComponentDisplayName(const TComponent* AComponent) {
  if (!AComponent) return "nil";
  return AComponent->GetName().empty() ? AComponent->ClassName() : AComponent->GetName();
}

namespace {

// The component whose Free is running: Free tells its observers just before
// it calls BeforeDestruction, which takes the note. BeforeDestruction called
// on its own (reflection can call it, as on any object of the classic
// library) finds no note and only starts the destroying state; the owner
// still frees the component later.
thread_local const TObject* t_freeing = nullptr;
void NoteFreeing(TObject* Object) {
  if (Object->InheritsFrom(&TComponent::StaticMetaClass)) t_freeing = Object;
}

}  // namespace

TComponent::TComponent(TComponent* AOwner) {
  static const bool observing = (AddFreeObserver(&NoteFreeing), true);
  (void)observing;
  if (AOwner) AOwner->InsertComponent(this);
}

// ------------------------------------------------------------- ownership

TComponent* TComponent::GetComponents(int Index) const {
  if (Index < 0 || Index >= GetComponentCount()) throw EListError(SListIndexError, {Index});
  return FComponents[static_cast<std::size_t>(Index)];
}

int TComponent::GetComponentIndex() const {
  if (!FOwner) return -1;
  const auto& list = FOwner->FComponents;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::SetComponentIndex(int Value) {
  if (!FOwner) return;
  auto& list = FOwner->FComponents;
  const int current = GetComponentIndex();
  const int target = std::clamp(Value, 0, static_cast<int>(list.size()) - 1);
  if (target == current) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + target, this);
  FOwner->FReceiversStale = true;
}

bool TComponent::OwnsDirectlyOrIndirectly(const TComponent* AComponent) const {
  for (const TComponent* p = AComponent->FOwner; p; p = p->FOwner)
    if (p == this) return true;
  return false;
}

void TComponent::CheckCanOwn(TComponent* AComponent) const {
  if (!AComponent) throw EComponentError("Cannot insert nil into %s", {ComponentDisplayName(this)});
  if (AComponent == this || AComponent->OwnsDirectlyOrIndirectly(this))
    throw EComponentError("Cannot insert %s into %s: a component cannot own itself or one of its owners",
                          {ComponentDisplayName(AComponent), ComponentDisplayName(this)});
}

void TComponent::InsertComponent(TComponent* AComponent) {
  CheckCanOwn(AComponent);
  if (AComponent->FOwner == this) return;
  AComponent->ValidateContainer(this);
  ValidateRename(AComponent, "", AComponent->FName);
  if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
  Insert(AComponent);
  if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->FOwner != this)
    throw EComponentError("%s is not owned by %s", {ComponentDisplayName(AComponent), ComponentDisplayName(this)});
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

// A component that is still being built counts as a receiver until
// AfterConstruction knows its class.
void TComponent::Insert(TComponent* AComponent) {
  const bool wasEmpty = FComponents.empty();
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
  IndexName(AComponent);
  AComponent->FIsReceiver = AComponent->HearsAllNotices();
  if (AComponent->FIsReceiver) FReceivers.push_back(AComponent);
  // Owning something makes a component a receiver of its owner.
  if (wasEmpty && FPartnerNoticesOnly && FOwner) FOwner->FReceiversStale = true;
}

// Searched from the end: owners free their components last first.
void TComponent::Remove(TComponent* AComponent) {
  auto it = std::find(FComponents.rbegin(), FComponents.rend(), AComponent);
  if (it == FComponents.rend()) return;
  FComponents.erase(std::next(it).base());
  UnindexName(AComponent);
  DropReceiver(AComponent);
  AComponent->FOwner = nullptr;
}

void TComponent::DropReceiver(TComponent* AComponent) {
  if (!AComponent->FIsReceiver) return;
  AComponent->FIsReceiver = false;
  if (!FReceivers.empty() && FReceivers.back() == AComponent)
    FReceivers.pop_back();
  else
    FReceiversStale = true;
}

const std::vector<TComponent*>& TComponent::Receivers() {
  if (FReceiversStale) {
    FReceivers.clear();
    for (TComponent* c : FComponents) {
      c->FIsReceiver = c->HearsAllNotices();
      if (c->FIsReceiver) FReceivers.push_back(c);
    }
    FReceiversStale = false;
  }
  return FReceivers;
}

void TComponent::AfterConstruction() {
  inherited::AfterConstruction();
  FPartnerNoticesOnly = !OverridesNotification(ClassType()) || NoticeScope() != nsAll;
  if (FOwner && !HearsAllNotices()) FOwner->DropReceiver(this);
}

void TComponent::IndexName(TComponent* AComponent) {
  if (!AComponent->FName.empty()) FNameIndex.emplace(std::string_view(AComponent->FName), AComponent);
}

void TComponent::UnindexName(TComponent* AComponent) {
  if (AComponent->FName.empty()) return;
  auto [first, last] = FNameIndex.equal_range(std::string_view(AComponent->FName));
  for (auto it = first; it != last; ++it)
    if (it->second == AComponent) {
      FNameIndex.erase(it);
      return;
    }
}

void TComponent::ChangeName(const std::string& NewName) {
  if (FOwner) FOwner->UnindexName(this);
  FName = NewName;
  if (FOwner) FOwner->IndexName(this);
}

// A component already being destroyed (it owns, through another tie such as
// a menu item's children, the one freeing it now) is only let go: Remove
// clears its owner, and its own destruction goes on where it started.
void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* instance = FComponents.back();
    Remove(instance);
    if (!instance->FFreeStarted) instance->Free();
  }
}

// A name can only occur twice when a derived class stored one unchecked;
// then the first in list order wins, as a plain scan would find it.
TComponent* TComponent::FindComponent(const std::string& AName) const {
  if (AName.empty()) return nullptr;
  auto [first, last] = FNameIndex.equal_range(std::string_view(AName));
  if (first == last) return nullptr;
  if (std::next(first) == last) return first->second;
  for (TComponent* c : FComponents)
    if (AnsiSameText(c->FName, AName)) return c;
  return nullptr;
}

void TComponent::ValidateInsert(TComponent*) {}

void TComponent::ValidateContainer(TComponent* AContainer) { AContainer->ValidateInsert(this); }

// ------------------------------------------------------------ properties

void TComponent::SetName(const std::string& NewName) {
  if (FName == NewName) return;
  if (!NewName.empty() && !IsValidIdent(NewName))
    throw EComponentError("'%s' is not a valid component name", {NewName});
  if (FOwner) FOwner->ValidateRename(this, FName, NewName);
  ChangeName(NewName);
}

void TComponent::ValidateRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName) {
  if (AComponent && !AnsiSameText(CurName, NewName) && FindComponent(NewName))
    throw EComponentError("A component named %s already exists", {NewName});
}

IUnknown* TComponent::GetComObject() const {
  if (!FVCLComObject) throw EComponentError("%s has not been registered as a COM class", {ClassName()});
  return static_cast<IUnknown*>(FVCLComObject);
}

// --------------------------------------------------------- notifications

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent)
    throw EComponentError("Cannot register a free notification of %s for nil", {ComponentDisplayName(this)});
  if (AComponent == this) return;
  AddNotification(AComponent);
  AComponent->AddNotification(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  RemoveNotification(AComponent);
  AComponent->RemoveNotification(this);
}

bool TComponent::KeepsLinksWhenMoved(TComponent*) const {
  return NoticeScope() == nsLinkedRemovals && !FComponentState.Contains(csDestroying);
}

void TComponent::AddNotification(TComponent* AComponent) {
  FFreeNotifies.Add(AComponent);
  FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveNotification(TComponent* AComponent) { FFreeNotifies.Remove(AComponent); }

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent && !AComponent->KeepsLinksWhenMoved(this)) RemoveFreeNotification(AComponent);
  NotifyOwned(AComponent, Operation);
}

// Last first; a receiver may change the list, so the position is clamped to
// the list after every call. Then, for a removal, the owned components that
// hear partner notices only and are linked with the removed component.
void TComponent::NotifyOwned(TComponent* AComponent, TOperation Operation) {
  // The same vector throughout: a stale receiver list is rebuilt in place.
  const std::vector<TComponent*>& list = Receivers();
  for (std::size_t i = list.size(); i > 0;) {
    --i;
    list[i]->Notification(AComponent, Operation);
    if (FReceiversStale) Receivers();
    i = std::min(i, list.size());
  }
  if (Operation == opRemove && AComponent) NotifyPartners(AComponent);
}

// The removed component's partners among the owned components that did not
// hear the notice above (each still linked when its turn comes).
void TComponent::NotifyPartners(TComponent* AComponent) {
  if (!HasLinkedPartner(AComponent)) return;
  const std::vector<TComponent*> linked = AComponent->FFreeNotifies.Items();
  for (auto it = linked.rbegin(); it != linked.rend(); ++it) {
    TComponent* partner = *it;
    if (partner->FOwner == this && !partner->HearsAllNotices() && AComponent->FFreeNotifies.Contains(partner))
      partner->Notification(AComponent, opRemove);
  }
}

// Whether a component owned here hears partner notices only and is linked
// with AComponent; scans the shorter of the two lists, so that a component
// linked with thousands of others (a form every connection targets) costs
// each of them nothing when it goes.
bool TComponent::HasLinkedPartner(TComponent* AComponent) const {
  const std::vector<TComponent*>& linked = AComponent->FFreeNotifies.Items();
  auto partner = [&](TComponent* c) { return c->FOwner == this && !c->HearsAllNotices(); };
  if (FComponents.size() < linked.size())
    return std::any_of(FComponents.begin(), FComponents.end(),
                       [&](TComponent* c) { return partner(c) && AComponent->FFreeNotifies.Contains(c); });
  return std::any_of(linked.begin(), linked.end(), partner);
}

// Each linked component that is still linked when its turn comes hears about
// this one's removal, last first. Its Notification normally drops the link
// (and may drop others); whatever links remain are cut by ClearFreeNotifies.
void TComponent::NotifyFreeNotifies() {
  const std::vector<TComponent*> linked = FFreeNotifies.Items();
  for (auto it = linked.rbegin(); it != linked.rend(); ++it)
    if (FFreeNotifies.Contains(*it)) (*it)->Notification(this, opRemove);
}

void TComponent::ClearFreeNotifies() {
  for (TComponent* other : FFreeNotifies.Items()) other->RemoveNotification(this);
  FFreeNotifies.Clear();
}

// ---------------------------------------------------- children, parents

void TComponent::GetChildren(TGetChildProc, TComponent*) {}

void TComponent::SetChildOrder(TComponent*, int) {}

void TComponent::SetParentComponent(TComponent*) {}

// ------------------------------------------------------------- streaming

void TComponent::ReadState(TReader* Reader) {
  if (TComponent* parent = Reader->GetParent()) SetParentComponent(parent);
  Reader->ReadComponentData(this);
}

void TComponent::WriteState(TWriter* Writer) { Writer->WriteComponentData(this); }

// --------------------------------------------------------------- actions

bool TComponent::ExecuteAction(TBasicAction* Action) { return ApplyAction(Action, this, &TBasicAction::ExecuteTarget); }

bool TComponent::UpdateAction(TBasicAction* Action) { return ApplyAction(Action, this, &TBasicAction::UpdateTarget); }

// ----------------------------------------------------------------- state

void TComponent::SetStateFlag(TComponentStateItem Flag, bool Value) {
  if (Value)
    FComponentState.Include(Flag);
  else
    FComponentState.Exclude(Flag);
}

void TComponent::SetStateFlagDeep(TComponentStateItem Flag, bool Value) {
  SetStateFlag(Flag, Value);
  for (TComponent* c : FComponents) c->SetStateFlagDeep(Flag, Value);
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::Loaded() { SetStateFlag(csLoading, false); }

void TComponent::Updating() { SetStateFlag(csUpdating, true); }

void TComponent::Updated() { SetStateFlag(csUpdating, false); }

void TComponent::SetDesigning(bool Value, bool SetChildren) {
  if (SetChildren)
    SetStateFlagDeep(csDesigning, Value);
  else
    SetStateFlag(csDesigning, Value);
}

void TComponent::SetAncestor(bool Value) { SetStateFlagDeep(csAncestor, Value); }

// ------------------------------------------------------------ streaming

void TComponent::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  const auto* ancestor = dynamic_cast<const TComponent*>(Filer->GetAncestor());
  const auto info = static_cast<uint32_t>(FDesignInfo);
  const auto inherited = static_cast<uint32_t>(ancestor ? ancestor->FDesignInfo : 0);
  // One half of the design position, as a signed 16-bit coordinate.
  auto define = [&](const char* Name, int Shift) {
    auto read = [this, Shift](TReader* Reader) {
      const auto value = static_cast<uint32_t>(static_cast<uint16_t>(Reader->ReadInteger()));
      const auto keep = static_cast<uint32_t>(FDesignInfo) & ~(0xFFFFu << Shift);
      FDesignInfo = static_cast<int32_t>(keep | (value << Shift));
    };
    auto write = [this, Shift](TWriter* Writer) {
      Writer->WriteInteger(static_cast<int16_t>((static_cast<uint32_t>(FDesignInfo) >> Shift) & 0xFFFFu));
    };
    Filer->DefineProperty(Name, read, write, ((info ^ inherited) >> Shift & 0xFFFFu) != 0);
  };
  define("Left", 0);
  define("Top", 16);
}

// ------------------------------------------------------------- teardown

void TComponent::BeforeDestruction() {
  inherited::BeforeDestruction();
  if (t_freeing == this) {
    FFreeStarted = true;
    t_freeing = nullptr;
  }
  Destroying();
}

void TComponent::Destroy() {
  Destroying();
  NotifyFreeNotifies();
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
  ClearFreeNotifies();
  inherited::Destroy();
}

// ------------------------------------------------------------ registration

void RegisterComponentClasses() {
  RegisterProperties(&TComponent::StaticMetaClass,
                     {
                         Prop<&TComponent::GetName, &TComponent::SetName>("Name").Stored(false),
                         Prop<&TComponent::GetTag, &TComponent::SetTag>("Tag").Default(0),
                     });
  RegisterClass(&TComponent::StaticMetaClass);
}

void UnregisterComponentClasses() {
  UnregisterProperties(&TComponent::StaticMetaClass);
  UnRegisterClass(&TComponent::StaticMetaClass);
  UnRegisterClass(&TPersistent::StaticMetaClass);
}

}  // namespace host
