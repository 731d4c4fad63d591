// Menu items: the item tree, properties, clicking, actions and streaming.
// Handles are in menuitemhandle.cc, drawing in menudraw.cc.
#include "host/menus/menuitem.h"

#include <algorithm>

#include "host/classes/filer.h"
#include "host/graphics/bitmap.h"
#include "host/menus/menu.h"

namespace host {

HOST_IMPL(TMenuItem, TComponent)
HOST_IMPL(TMenuActionLink, TActionLink)

namespace {

// Command identifiers in use; 0 means "no command". A program with every
// identifier taken gets items without one (never chosen by WM_COMMAND).
class TCommandPool {
 public:
  uint16_t Take() {
    for (std::size_t tries = 0; tries < FUsed.size(); ++tries) {
      FNext = FNext == 0xFFFF ? 1 : FNext + 1;
      if (!FUsed[FNext]) {
        FUsed[FNext] = true;
        return static_cast<uint16_t>(FNext);
      }
    }
    return 0;
  }
  void Give(uint16_t Command) { FUsed[Command] = false; }

 private:
  std::vector<bool> FUsed = std::vector<bool>(0x10000, false);
  uint32_t FNext = 0;
};

TCommandPool& Commands() {
  static TCommandPool pool;
  return pool;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(Commands().Take()) {}

void TMenuItem::Destroy() {
  if (FParent) FParent->Remove(this);
  while (!FItems.empty()) FItems.front()->Free();
  if (FMergedWith) FMergedWith->MergeWith(nullptr);
  MergeWith(nullptr);
  FreeAndNil(FActionLink);
  DestroyHandle();
  FreeAndNil(FBitmap);
  if (FCommand) Commands().Give(FCommand);
  inherited::Destroy();
}

// -------------------------------------------------------------------- tree

TMenuItem* TMenuItem::GetItems(int32_t Index) const {
  if (Index < 0 || Index >= GetCount()) throw EMenuError(SMenuIndexError, {Index});
  return FItems[static_cast<std::size_t>(Index)];
}

void TMenuItem::Add(TMenuItem* Item) { Insert(GetCount(), Item); }

void TMenuItem::CheckInsert(int32_t Index, TMenuItem* Item) const {
  if (!Item) throw EMenuError("Cannot insert nil into menu item %s", {ComponentDisplayName(this)});
  if (Item->FParent || Item->FMenu) throw EMenuError(SMenuReinserted);
  for (const TMenuItem* p = this; p; p = p->FParent)
    if (p == Item) throw EMenuError(SMenuInsertedIntoItself);
  if (Index < 0 || Index > GetCount()) throw EMenuError(SMenuIndexError, {Index});
}

void TMenuItem::Insert(int32_t Index, TMenuItem* Item) {
  CheckInsert(Index, Item);
  uint8_t group = Item->FGroupIndex;
  if (Index > 0) group = std::max(group, FItems[static_cast<std::size_t>(Index - 1)]->FGroupIndex);
  VerifyGroupIndex(Index, group);
  Item->FGroupIndex = group;
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
  if (FHandle || FMergedWith) RebuildHandle();
  MenuChanged(GetCount() == 1);
}

void TMenuItem::Delete(int32_t Index) {
  if (Index < 0 || Index >= GetCount()) throw EMenuError(SMenuIndexError, {Index});
  TMenuItem* item = FItems[static_cast<std::size_t>(Index)];
  FItems.erase(FItems.begin() + Index);
  item->FParent = nullptr;
  if (FHandle || FMergedWith) RebuildHandle();
  MenuChanged(GetCount() == 0);
}

void TMenuItem::Remove(TMenuItem* Item) {
  const int32_t index = IndexOf(Item);
  if (index < 0) throw EMenuError(SMenuNotFound);
  Delete(index);
}

void TMenuItem::Clear() {
  while (!FItems.empty()) FItems.back()->Free();
}

int32_t TMenuItem::IndexOf(const TMenuItem* Item) const {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : static_cast<int32_t>(it - FItems.begin());
}

TMenuItem* TMenuItem::Find(const std::string& ACaption) const {
  const std::string caption = StripHotkey(ACaption);
  for (TMenuItem* item : FItems)
    if (AnsiSameText(StripHotkey(item->FCaption), caption)) return item;
  return nullptr;
}

int32_t TMenuItem::GetMenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

void TMenuItem::SetMenuIndex(int32_t Value) {
  if (!FParent) return;
  TMenuItem* parent = FParent;
  Value = std::clamp(Value, 0, parent->GetCount() - 1);
  if (Value == GetMenuIndex()) return;
  parent->Remove(this);
  parent->Insert(Value, this);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->FParent) item = item->FParent;
  return item->FMenu;
}

bool TMenuItem::IsTopLevel() const { return FParent && !FParent->FParent && Is<TMainMenu>(FParent->FMenu); }

// Items of one GroupIndex follow each other in ascending order (the order
// menus merge in).
void TMenuItem::VerifyGroupIndex(int32_t Position, uint8_t Value) {
  for (int32_t i = 0; i < Position && i < GetCount(); ++i)
    if (FItems[static_cast<std::size_t>(i)]->FGroupIndex > Value) throw EMenuError(SGroupIndexTooLow);
  for (std::size_t i = static_cast<std::size_t>(std::max(Position, 0)); i < FItems.size(); ++i)
    FItems[i]->FGroupIndex = std::max(FItems[i]->FGroupIndex, Value);
}

// The items of a merged view: walking both lists in GroupIndex order, a
// group the merged menu has replaces the same group of this one.
std::vector<TMenuItem*> TMenuItem::GetMergedItems() const {
  static const std::vector<TMenuItem*> none;
  const std::vector<TMenuItem*>& theirs = FMerged ? FMerged->FItems : none;
  const std::vector<TMenuItem*>& ours = FItems;
  std::vector<TMenuItem*> result;
  std::size_t i = 0, j = 0;
  while (i < theirs.size() || j < ours.size()) {
    const int their = i < theirs.size() ? theirs[i]->FGroupIndex : 0x100;
    const int our = j < ours.size() ? ours[j]->FGroupIndex : 0x100;
    const int group = std::min(their, our);
    const std::vector<TMenuItem*>& from = their <= our ? theirs : ours;
    for (std::size_t k = their <= our ? i : j; k < from.size() && from[k]->FGroupIndex <= group; ++k)
      result.push_back(from[k]);
    while (i < theirs.size() && theirs[i]->FGroupIndex <= group) ++i;
    while (j < ours.size() && ours[j]->FGroupIndex <= group) ++j;
  }
  return result;
}

// --------------------------------------------------------------- changes

void TMenuItem::MenuChanged(bool Rebuild) {
  if (FParent)
    FParent->SubItemChanged(this, Rebuild);
  else if (FMenu)
    FMenu->MenuChanged(FMenu, nullptr, Rebuild);
}

void TMenuItem::SubItemChanged(TMenuItem* Source, bool Rebuild) {
  if (Rebuild && (FHandle || FMergedWith)) RebuildHandle();
  if (FParent)
    FParent->SubItemChanged(Source, false);
  else if (FMenu)
    FMenu->MenuChanged(FMenu, Source, false);
}

template <class T>
void TMenuItem::ChangeProperty(T& Field, const T& Value) {
  if (Field == Value) return;
  Field = Value;
  UpdateHandle();
  MenuChanged(false);
}

void TMenuItem::SetAutoCheck(bool Value) { FAutoCheck = Value; }
void TMenuItem::SetBreak(TMenuBreak Value) { ChangeProperty(FBreak, Value); }
void TMenuItem::SetCaption(const std::string& Value) { ChangeProperty(FCaption, Value); }
void TMenuItem::SetEnabled(bool Value) { ChangeProperty(FEnabled, Value); }
void TMenuItem::SetHelpContext(int32_t Value) { FHelpContext = Value; }
void TMenuItem::SetHint(const std::string& Value) { FHint = Value; }
void TMenuItem::SetImageIndex(TImageIndex Value) { ChangeProperty(FImageIndex, Value); }
void TMenuItem::SetShortCut(TShortCut Value) { ChangeProperty(FShortCut, Value); }
void TMenuItem::SetVisible(bool Value) { ChangeProperty(FVisible, Value); }

void TMenuItem::TurnSiblingsOff() {
  for (std::size_t i = 0; FParent && i < FParent->FItems.size(); ++i) {
    TMenuItem* item = FParent->FItems[i];
    if (item != this && item->FRadioItem && item->FGroupIndex == FGroupIndex) item->SetChecked(false);
  }
}

void TMenuItem::SetChecked(bool Value) {
  if (Value == FChecked) return;
  ChangeProperty(FChecked, Value);
  if (Value && FRadioItem) TurnSiblingsOff();
}

void TMenuItem::SetRadioItem(bool Value) {
  if (Value == FRadioItem) return;
  ChangeProperty(FRadioItem, Value);
  if (FChecked && FRadioItem) TurnSiblingsOff();
}

void TMenuItem::SetGroupIndex(uint8_t Value) {
  if (Value == FGroupIndex) return;
  if (FParent) FParent->VerifyGroupIndex(FParent->IndexOf(this), Value);
  FGroupIndex = Value;
  if (FChecked && FRadioItem) TurnSiblingsOff();
  if (FParent && (FParent->FHandle || FParent->FMergedWith)) FParent->RebuildHandle();
}

void TMenuItem::SetDefault(bool Value) {
  if (Value == FDefault) return;
  if (Value && FParent)
    for (TMenuItem* item : FParent->FItems) item->ChangeProperty(item->FDefault, false);
  ChangeProperty(FDefault, Value);
}

TBitmap* TMenuItem::GetBitmap() {
  if (!FBitmap) {
    FBitmap = New<TBitmap>();
    FBitmap->SetTransparent(true);
  }
  return FBitmap;
}

void TMenuItem::SetBitmap(TBitmap* Value) {
  GetBitmap()->Assign(Value);
  UpdateHandle();
  MenuChanged(false);
}

bool TMenuItem::HasBitmap() const { return FBitmap && !FBitmap->GetEmpty(); }

// -------------------------------------------------------------- behaviour

void TMenuItem::Click() {
  if (!FEnabled) return;
  const bool autoCheck = FAutoCheck && (!FActionLink || !FActionLink->IsAutoCheckLinked());
  if (autoCheck) SetChecked(FRadioItem ? true : !FChecked);
  if (OnClick)
    OnClick(this);
  else if (FActionLink && !GetComponentState().Contains(csDesigning))
    FActionLink->Execute(this);
}

void TMenuItem::InitiateAction() {
  if (FActionLink) FActionLink->Update();
}

void TMenuItem::InitiateActions() {
  for (std::size_t i = 0; i < FItems.size(); ++i) FItems[i]->InitiateAction();
}

// ----------------------------------------------------------------- actions

TBasicAction* TMenuItem::GetAction() const { return FActionLink ? FActionLink->GetAction() : nullptr; }

void TMenuItem::SetAction(TBasicAction* Value) {
  if (!Value) {
    if (TBasicAction* old = GetAction()) old->RemoveFreeNotification(this);
    FreeAndNil(FActionLink);
    return;
  }
  if (!FActionLink) {
    FActionLink = New<TMenuActionLink>(this);
    FActionLink->OnChange = TNotifyEvent(this, &TMenuItem::DoActionChange);
  }
  if (TBasicAction* old = GetAction(); old && old != Value) old->RemoveFreeNotification(this);
  FActionLink->SetAction(Value);
  ActionChange(Value, Value->GetComponentState().Contains(csLoading));
  Value->FreeNotification(this);
}

void TMenuItem::SetActionLink(TMenuActionLink* Value) {
  if (Value == FActionLink) return;
  if (Value && Value->GetClient() != this)
    throw EMenuError("The action link of %s was made for another menu item", {ComponentDisplayName(this)});
  TBasicAction* old = GetAction();
  TBasicAction* action = Value ? Value->GetAction() : nullptr;
  if (old && old != action) old->RemoveFreeNotification(this);
  FreeAndNil(FActionLink);
  FActionLink = Value;
  if (!Value) return;
  Value->OnChange = TNotifyEvent(this, &TMenuItem::DoActionChange);
  if (!action) return;
  ActionChange(action, false);
  action->FreeNotification(this);
}

void TMenuItem::DoActionChange(TObject* Sender) {
  if (Sender == GetAction()) ActionChange(Sender, false);
}

void TMenuItem::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* a = dynamic_cast<TCustomAction*>(Sender);
  if (!a) return;
  if (!CheckDefaults || !FAutoCheck) SetAutoCheck(a->GetAutoCheck());
  if (!CheckDefaults || FCaption.empty()) SetCaption(a->GetCaption());
  if (!CheckDefaults || !FChecked) SetChecked(a->GetChecked());
  if (!CheckDefaults || FEnabled) SetEnabled(a->GetEnabled());
  if (!CheckDefaults || FHelpContext == 0) SetHelpContext(a->GetHelpContext());
  if (!CheckDefaults || FHint.empty()) SetHint(a->GetHint());
  if (FRadioItem && (!CheckDefaults || FGroupIndex == 0)) SetGroupIndex(static_cast<uint8_t>(a->GetGroupIndex()));
  if (!CheckDefaults || FImageIndex == -1) SetImageIndex(a->GetImageIndex());
  if (!CheckDefaults || FShortCut == scNone) SetShortCut(a->GetShortCut());
  if (!CheckDefaults || FVisible) SetVisible(a->GetVisible());
}

bool TMenuItem::IsCaptionStored() const { return !FActionLink || !FActionLink->IsCaptionLinked(); }
bool TMenuItem::IsCheckedStored() const { return !FActionLink || !FActionLink->IsCheckedLinked(); }
bool TMenuItem::IsEnabledStored() const { return !FActionLink || !FActionLink->IsEnabledLinked(); }
bool TMenuItem::IsHelpContextStored() const { return !FActionLink || !FActionLink->IsHelpContextLinked(); }
bool TMenuItem::IsHintStored() const { return !FActionLink || !FActionLink->IsHintLinked(); }
bool TMenuItem::IsImageIndexStored() const { return !FActionLink || !FActionLink->IsImageIndexLinked(); }
bool TMenuItem::IsShortCutStored() const { return !FActionLink || !FActionLink->IsShortCutLinked(); }
bool TMenuItem::IsVisibleStored() const { return !FActionLink || !FActionLink->IsVisibleLinked(); }

void TMenuItem::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent && AComponent == GetAction()) SetAction(nullptr);
}

// --------------------------------------------------------------- streaming

void TMenuItem::GetChildren(TGetChildProc Proc, TComponent*) {
  for (TMenuItem* item : std::vector<TMenuItem*>(FItems)) Proc(item);
}

void TMenuItem::SetChildOrder(TComponent* Child, int Order) {
  auto* item = dynamic_cast<TMenuItem*>(Child);
  if (item && item->FParent == this) item->SetMenuIndex(Order);
}

TComponent* TMenuItem::GetParentComponent() {
  if (FParent && FParent->FMenu) return FParent->FMenu;
  return FParent;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
  if (FParent) FParent->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(Value))
    menu->GetItems()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(Value))
    item->Add(this);
}

void TMenuItem::Loaded() {
  inherited::Loaded();
  if (TBasicAction* action = GetAction()) ActionChange(action, true);
  if (FStreamedRebuild) {
    FStreamedRebuild = false;
    RebuildHandle();
  }
}

// --------------------------------------------------------- TMenuActionLink

TMenuActionLink::TMenuActionLink(TObject* AClient) : TActionLink(AClient), FClient(dynamic_cast<TMenuItem*>(AClient)) {
  if (!FClient) throw EMenuError("A menu action link needs a menu item as its client");
}

template <class T>
bool TMenuActionLink::Follows(T (TMenuItem::*ItemValue)() const, T (TCustomAction::*ActionValue)() const) {
  TCustomAction* action = GetCustomAction();
  return action && (FClient->*ItemValue)() == (action->*ActionValue)();
}

bool TMenuActionLink::IsAutoCheckLinked() { return Follows(&TMenuItem::GetAutoCheck, &TCustomAction::GetAutoCheck); }
bool TMenuActionLink::IsCaptionLinked() { return Follows(&TMenuItem::GetCaption, &TCustomAction::GetCaption); }
bool TMenuActionLink::IsCheckedLinked() { return Follows(&TMenuItem::GetChecked, &TCustomAction::GetChecked); }
bool TMenuActionLink::IsEnabledLinked() { return Follows(&TMenuItem::GetEnabled, &TCustomAction::GetEnabled); }
bool TMenuActionLink::IsHelpContextLinked() {
  return Follows(&TMenuItem::GetHelpContext, &TCustomAction::GetHelpContext);
}
bool TMenuActionLink::IsHintLinked() { return Follows(&TMenuItem::GetHint, &TCustomAction::GetHint); }
bool TMenuActionLink::IsImageIndexLinked() { return Follows(&TMenuItem::GetImageIndex, &TCustomAction::GetImageIndex); }
bool TMenuActionLink::IsShortCutLinked() { return Follows(&TMenuItem::GetShortCut, &TCustomAction::GetShortCut); }
bool TMenuActionLink::IsVisibleLinked() { return Follows(&TMenuItem::GetVisible, &TCustomAction::GetVisible); }

bool TMenuActionLink::IsGroupIndexLinked() {
  TCustomAction* action = GetCustomAction();
  return action && FClient->GetRadioItem() && FClient->GetGroupIndex() == action->GetGroupIndex();
}

void TMenuActionLink::SetAutoCheck(bool Value) {
  if (IsAutoCheckLinked()) FClient->SetAutoCheck(Value);
}
void TMenuActionLink::SetCaption(const std::string& Value) {
  if (IsCaptionLinked()) FClient->SetCaption(Value);
}
void TMenuActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked()) FClient->SetChecked(Value);
}
void TMenuActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) FClient->SetEnabled(Value);
}
void TMenuActionLink::SetGroupIndex(int32_t Value) {
  if (IsGroupIndexLinked()) FClient->SetGroupIndex(static_cast<uint8_t>(Value));
}
void TMenuActionLink::SetHelpContext(THelpContext Value) {
  if (IsHelpContextLinked()) FClient->SetHelpContext(Value);
}
void TMenuActionLink::SetHint(const std::string& Value) {
  if (IsHintLinked()) FClient->SetHint(Value);
}
void TMenuActionLink::SetImageIndex(TImageIndex Value) {
  if (IsImageIndexLinked()) FClient->SetImageIndex(Value);
}
void TMenuActionLink::SetShortCut(TShortCut Value) {
  if (IsShortCutLinked()) FClient->SetShortCut(Value);
}
void TMenuActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) FClient->SetVisible(Value);
}

}  // namespace host
