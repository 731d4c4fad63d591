#include "host/classes/actions.h"

#include <algorithm>
#include "host/classes/typinfo.h"

#include "host/rtl/sysutils.h"

namespace host {

HOST_IMPL(TBasicActionLink, TObject)
HOST_IMPL(TBasicAction, TComponent)

namespace {

// Fires a notify event and says whether one was assigned.
bool FireIfAssigned(const TNotifyEvent& event, TObject* sender) {
  if (!event) return false;
  event(sender);
  return true;
}

}  // namespace

// ----------------------------------------------------------- TBasicActionLink

TBasicActionLink::TBasicActionLink(TObject*) {}

void TBasicActionLink::SetAction(TBasicAction* Value) {
  if (Value == FAction) return;
  if (FAction) FAction->UnRegisterChanges(this);
  if (Value) Value->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* AComponent) {
  if (!FAction) return false;
  // The action may be unregistered (or freed) by its own handler, so the
  // ActionComponent is reset only on the action still linked afterwards.
  struct ResetActionComponent {
    TBasicActionLink* link;
    ~ResetActionComponent() {
      if (link->FAction) link->FAction->SetActionComponent(nullptr);
    }
  };
  FAction->SetActionComponent(AComponent);
  ResetActionComponent reset{this};
  return FAction->Execute();
}

bool TBasicActionLink::Update() { return FAction && FAction->Update(); }

void TBasicActionLink::Change() {
  if (OnChange) OnChange(FAction);
}

void TBasicActionLink::SetOnExecute(TNotifyEvent) {}

void TBasicActionLink::Destroy() {
  if (FAction) FAction->UnRegisterChanges(this);
  inherited::Destroy();
}

// --------------------------------------------------------------- TBasicAction

bool TBasicAction::HandlesTarget(TObject*) { return false; }

void TBasicAction::UpdateTarget(TObject*) {}

void TBasicAction::ExecuteTarget(TObject*) {}

bool TBasicAction::Execute() { return FireIfAssigned(OnExecute, this); }

bool TBasicAction::Update() { return FireIfAssigned(OnUpdate, this); }

void TBasicAction::RegisterChanges(TBasicActionLink* Value) {
  if (!Value) throw EComponentError("Cannot register a nil action link with %s", {ComponentDisplayName(this)});
  if (Value->FAction == this) return;
  if (Value->FAction) Value->FAction->UnRegisterChanges(Value);
  Value->FAction = this;
  FClients.push_back(Value);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Value) {
  auto it = std::find(FClients.begin(), FClients.end(), Value);
  if (it == FClients.end()) return;
  FClients.erase(it);
  Value->FAction = nullptr;
}

void TBasicAction::SetActionComponent(TComponent* Value) {
  if (Value == FActionComponent) return;
  if (FActionComponent) FActionComponent->RemoveFreeNotification(this);
  FActionComponent = Value;
  if (Value) Value->FreeNotification(this);
}

void TBasicAction::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FActionComponent) FActionComponent = nullptr;
}

// Last first; a link may unregister itself (or others) while it is told, so
// the position is clamped to the list after every call.
template <class F>
void TBasicAction::ForEachClient(F&& f) {
  for (std::size_t i = FClients.size(); i > 0;) {
    --i;
    f(FClients[i]);
    i = std::min(i, FClients.size());
  }
}

void TBasicAction::SetOnExecute(TNotifyEvent Value) {
  const TNotifyEvent& handler = Value;  // copies of a const event stay plain copies
  ForEachClient([&](TBasicActionLink* link) { link->SetOnExecute(handler); });
  OnExecute = std::move(Value);
  Change();
}

void TBasicAction::Change() {
  if (OnChange) OnChange(this);
  ForEachClient([](TBasicActionLink* link) { link->Change(); });
}

void TBasicAction::Destroy() {
  while (!FClients.empty()) UnRegisterChanges(FClients.back());
  inherited::Destroy();
}

void RegisterActionClasses() { RegisterClass(&TBasicAction::StaticMetaClass); }

void UnregisterActionClasses() { UnRegisterClass(&TBasicAction::StaticMetaClass); }

}  // namespace host
