#include "host/actnlist/actnlist.h"

#include <algorithm>

#include "host/actnlist/action.h"
#include "host/classes/classes_types.h"
#include "host/classes/filer.h"

namespace host {

HOST_IMPL(TContainedAction, TBasicAction)
HOST_IMPL(TCustomActionList, TComponent)
HOST_IMPL(TActionList, TCustomActionList)

// ------------------------------------------------------------ TContainedAction

void TContainedAction::Destroy() {
  if (FActionList) FActionList->RemoveAction(this);
  inherited::Destroy();
}

bool TContainedAction::Execute() {
  if (FActionList && FActionList->ExecuteAction(this)) return true;
  return inherited::Execute();
}

bool TContainedAction::Update() {
  if (FActionList && FActionList->UpdateAction(this)) return true;
  return inherited::Update();
}

void TContainedAction::SetActionList(TCustomActionList* Value) {
  if (Value == FActionList) return;
  if (FActionList) FActionList->RemoveAction(this);
  if (Value) Value->AddAction(this);
}

void TContainedAction::SetCategory(const std::string& Value) {
  if (Value == FCategory) return;
  FCategory = Value;
  if (FActionList) FActionList->Change();
}

int32_t TContainedAction::GetIndex() const {
  if (!FActionList) return -1;
  const auto& actions = FActionList->FActions;
  return static_cast<int32_t>(std::find(actions.begin(), actions.end(), this) - actions.begin());
}

void TContainedAction::SetIndex(int32_t Value) {
  if (FActionList) FActionList->MoveAction(this, Value);
}

bool TContainedAction::HasParent() { return FActionList != nullptr || inherited::HasParent(); }

TComponent* TContainedAction::GetParentComponent() {
  return FActionList ? FActionList : inherited::GetParentComponent();
}

// While it is read the action joins its list in ReadState.
void TContainedAction::SetParentComponent(TComponent* Value) {
  if (GetComponentState().Contains(csLoading)) return;
  if (auto* list = dynamic_cast<TCustomActionList*>(Value)) SetActionList(list);
}

void TContainedAction::ReadState(TReader* Reader) {
  inherited::ReadState(Reader);
  if (auto* list = dynamic_cast<TCustomActionList*>(Reader->GetParent())) SetActionList(list);
}

// ----------------------------------------------------------- TCustomActionList

TCustomActionList::TCustomActionList(TComponent* AOwner) : TComponent(AOwner), FImageChangeLink(New<TChangeLink>()) {
  FImageChangeLink->OnChange = TNotifyEvent(this, &TCustomActionList::ImageListChange);
}

void TCustomActionList::Destroy() {
  FreeAndNil(FImageChangeLink);
  while (!FActions.empty()) FActions.back()->Free();
  inherited::Destroy();
}

TContainedAction* TCustomActionList::GetActions(int32_t Index) const {
  if (Index < 0 || Index >= GetActionCount()) throw EListError(SListIndexError, {Index});
  return FActions[static_cast<std::size_t>(Index)];
}

void TCustomActionList::SetActions(int32_t Index, TContainedAction* Value) { GetActions(Index)->Assign(Value); }

void TCustomActionList::AddAction(TContainedAction* Action) {
  FActions.push_back(Action);
  Action->FActionList = this;
  Action->FreeNotification(this);
}

void TCustomActionList::RemoveAction(TContainedAction* Action) {
  auto it = std::find(FActions.begin(), FActions.end(), Action);
  if (it == FActions.end()) return;
  FActions.erase(it);
  Action->FActionList = nullptr;
  Action->RemoveFreeNotification(this);
}

void TCustomActionList::MoveAction(TContainedAction* Action, int32_t Index) {
  const int32_t current = Action->GetIndex();
  const int32_t target = std::clamp(Index, 0, GetActionCount() - 1);
  if (current < 0 || current == target) return;
  FActions.erase(FActions.begin() + current);
  FActions.insert(FActions.begin() + target, Action);
}

void TCustomActionList::Change() {
  if (OnChange) OnChange(this);
}

bool TCustomActionList::ExecuteAction(TBasicAction* Action) {
  bool handled = false;
  if (OnExecute) OnExecute(Action, handled);
  return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* Action) {
  bool handled = false;
  if (OnUpdate) OnUpdate(Action, handled);
  return handled;
}

bool TCustomActionList::IsShortCut(TWMKey& Message) {
  const TShortCut shortCut = ShortCut(Message.CharCode, Message.ShiftState);
  if (shortCut == scNone) return false;
  for (TContainedAction* action : FActions) {
    auto* custom = dynamic_cast<TCustomAction*>(action);
    if (!custom) continue;
    const bool secondary = custom->FSecondaryShortCuts && custom->FSecondaryShortCuts->IndexOfShortCut(shortCut) >= 0;
    if (custom->GetShortCut() == shortCut || secondary) return custom->HandleShortCut();
  }
  return false;
}

void TCustomActionList::SetImages(TCustomImageList* Value) {
  if (LinkImageList(this, FImageChangeLink, FImages, Value)) Change();
}

void TCustomActionList::ImageListChange(TObject* Sender) {
  if (Sender == FImages) Change();
}

void TCustomActionList::SetState(TActionListState Value) {
  if (Value == FState) return;
  const TActionListState old = FState;
  FState = Value;
  for (TContainedAction* action : FActions)
    if (auto* custom = dynamic_cast<TCustomAction*>(action)) {
      if (old == asSuspendedEnabled) custom->SuspendEnabled(false);
      if (Value == asSuspendedEnabled) custom->SuspendEnabled(true);
    }
  if (OnStateChange) OnStateChange(this);
}

void TCustomActionList::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TContainedAction* action : std::vector<TContainedAction*>(FActions))
    if (action->GetOwner() == Root) Proc(action);
}

void TCustomActionList::SetChildOrder(TComponent* Child, int Order) {
  auto* action = dynamic_cast<TContainedAction*>(Child);
  if (action && action->FActionList == this) MoveAction(action, Order);
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) SetImages(nullptr);
  if (auto* action = dynamic_cast<TContainedAction*>(AComponent); action && action->FActionList == this)
    RemoveAction(action);
}

}  // namespace host
