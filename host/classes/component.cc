#include "host/classes/component.h"

#include <algorithm>

#include "host/classes/actions.h"
#include "host/classes/classes_types.h"
#include "host/classes/filer.h"
#include "host/rtl/sysutils.h"

namespace host {

HOST_IMPL(TComponent, TPersistent)

namespace {

bool Contains(const std::vector<TComponent*>& list, const TComponent* item) {
  return std::find(list.begin(), list.end(), item) != list.end();
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

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

// ------------------------------------------------------------- ownership

TComponent* TComponent::GetComponents(int Index) const {
  if (Index < 0 || Index >= GetComponentCount()) throw EListError(SListIndexError, {Index});
  return FComponents[static_cast<std::size_t>(Index)];
}

void TComponent::SetComponentIndex(int Value) {
  if (!FOwner) return;
  auto& list = FOwner->FComponents;
  const auto current = static_cast<std::ptrdiff_t>(FIndex);
  const auto target = static_cast<std::ptrdiff_t>(std::clamp(Value, 0, static_cast<int>(list.size()) - 1));
  if (target == current) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + target, this);
  FOwner->Renumber(static_cast<std::size_t>(std::min(current, target)), static_cast<std::size_t>(std::max(current, target)) + 1);
  for (auto& observers : FOwner->FObservers)
    std::sort(observers.begin(), observers.end(),
              [](const TComponent* a, const TComponent* b) { return a->FIndex < b->FIndex; });
}

void TComponent::Renumber(std::size_t From, std::size_t To) {
  for (std::size_t i = From; i < To; ++i) FComponents[i]->FIndex = i;
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

void TComponent::Insert(TComponent* AComponent) {
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
  AComponent->FIndex = FComponents.size() - 1;
  IndexName(AComponent);
  AComponent->UpdateObserving();
  UpdateObserving();
}

void TComponent::Remove(TComponent* AComponent) {
  if (AComponent->FOwner != this) return;
  AComponent->SetObserving(opInsert, false);
  AComponent->SetObserving(opRemove, false);
  UnindexName(AComponent);
  FComponents.erase(FComponents.begin() + static_cast<std::ptrdiff_t>(AComponent->FIndex));
  Renumber(AComponent->FIndex, FComponents.size());
  AComponent->FOwner = nullptr;
  UpdateObserving();
}

void TComponent::IndexName(TComponent* AComponent) {
  if (!AComponent->FName.empty()) FNameIndex.emplace(AnsiUpperCase(AComponent->FName), AComponent);
}

void TComponent::UnindexName(TComponent* AComponent) {
  if (AComponent->FName.empty()) return;
  auto [first, last] = FNameIndex.equal_range(AnsiUpperCase(AComponent->FName));
  for (auto it = first; it != last; ++it)
    if (it->second == AComponent) {
      FNameIndex.erase(it);
      return;
    }
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* instance = FComponents.back();
    Remove(instance);
    instance->Free();
  }
}

// The first match in list order (names can only repeat when a derived class
// stored one unchecked).
TComponent* TComponent::FindComponent(const std::string& AName) const {
  if (AName.empty()) return nullptr;
  auto [first, last] = FNameIndex.equal_range(AnsiUpperCase(AName));
  TComponent* found = nullptr;
  for (auto it = first; it != last; ++it)
    if (!found || it->second->FIndex < found->FIndex) found = it->second;
  return found;
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

void TComponent::ChangeName(const std::string& NewName) {
  if (FOwner) FOwner->UnindexName(this);
  FName = NewName;
  if (FOwner) FOwner->IndexName(this);
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
  if (!AComponent) throw EComponentError("Cannot register a free notification of %s for nil", {ComponentDisplayName(this)});
  if (AComponent == this) return;
  AddNotification(AComponent);
  AComponent->AddNotification(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  RemoveNotification(AComponent);
  AComponent->RemoveNotification(this);
}

void TComponent::AddNotification(TComponent* AComponent) {
  if (!Contains(FFreeNotifies, AComponent)) FFreeNotifies.push_back(AComponent);
  FComponentState.Include(csFreeNotification);
  UpdateObserving();
}

void TComponent::RemoveNotification(TComponent* AComponent) {
  std::erase(FFreeNotifies, AComponent);
  UpdateObserving();
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  NotifyOwned(AComponent, Operation);
}

// Last first; a receiver may change the list, so the position is clamped to
// the list after every call. Only observers are called: for any other owned
// component the call would do nothing.
void TComponent::NotifyOwned(TComponent* AComponent, TOperation Operation) {
  for (std::size_t i = FComponents.size();;) {
    auto next = FirstObserverFrom(Operation, i);
    if (next == FObservers[Operation].begin()) return;
    TComponent* receiver = *--next;
    i = receiver->FIndex;
    receiver->Notification(AComponent, Operation);
    i = std::min(i, FComponents.size());
  }
}

std::vector<TComponent*>::iterator TComponent::FirstObserverFrom(TOperation Operation, std::size_t Index) {
  return std::lower_bound(FObservers[Operation].begin(), FObservers[Operation].end(), Index,
                          [](const TComponent* c, std::size_t i) { return c->FIndex < i; });
}

void TComponent::UpdateObserving() {
  for (TOperation op : {opInsert, opRemove}) SetObserving(op, FOwner && CanObserve(op));
}

void TComponent::SetObserving(TOperation Operation, bool Value) {
  if (Value == FObserving[Operation]) return;
  FObserving[Operation] = Value;
  auto& list = FOwner->FObservers[Operation];
  auto at = FOwner->FirstObserverFrom(Operation, FIndex);
  if (Value)
    list.insert(at, this);
  else
    list.erase(at);
}

void TComponent::ClassEntered(TClass cls, bool declaresNotification) {
  // The base class's own entry comes before its members are built.
  if (cls == &StaticMetaClass || !declaresNotification) return;
  FClassObserves = true;
  UpdateObserving();
}

// Each linked component that is still linked when its turn comes hears about
// this one's removal, last first. Its Notification normally drops the link
// (and may drop others); whatever links remain are cut by ClearFreeNotifies.
void TComponent::NotifyFreeNotifies() {
  const std::vector<TComponent*> linked = FFreeNotifies;
  for (auto it = linked.rbegin(); it != linked.rend(); ++it)
    if (Contains(FFreeNotifies, *it)) (*it)->Notification(this, opRemove);
}

void TComponent::ClearFreeNotifies() {
  for (TComponent* other : FFreeNotifies) other->RemoveNotification(this);
  FFreeNotifies.clear();
  UpdateObserving();
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

// ------------------------------------------------------------- teardown

void TComponent::BeforeDestruction() {
  inherited::BeforeDestruction();
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

}  // namespace host
