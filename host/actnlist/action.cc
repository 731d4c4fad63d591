#include "host/actnlist/action.h"

#include <algorithm>
#include <iterator>

namespace host {

HOST_IMPL(TShortCutList, TStringList)
HOST_IMPL(TCustomAction, TContainedAction)
HOST_IMPL(TAction, TCustomAction)
HOST_IMPL(TActionLink, TBasicActionLink)

// ------------------------------------------------------------ TShortCutList

TShortCut TShortCutList::GetShortCuts(int32_t Index) const { return TextToShortCut(GetStrings(Index)); }

int32_t TShortCutList::IndexOfShortCut(TShortCut ShortCut) const {
  if (ShortCut == scNone) return -1;
  for (int32_t i = 0; i < GetCount(); ++i)
    if (GetShortCuts(i) == ShortCut) return i;
  return -1;
}

// ------------------------------------------------------------ TCustomAction

TCustomAction::TCustomAction(TComponent* AOwner) : TContainedAction(AOwner) {}

void TCustomAction::Destroy() {
  FreeAndNil(FSecondaryShortCuts);
  inherited::Destroy();
}

// A link may leave (and others with it) while it is told, so after each
// one the walk goes on after that link or, when it left, with the link that
// took its place.
template <class F>
void TCustomAction::TellLinks(F&& Tell) {
  const std::vector<TBasicActionLink*>& clients = GetClients();
  for (std::ptrdiff_t i = 0; i < std::ssize(clients); ++i) {
    TBasicActionLink* link = clients[static_cast<std::size_t>(i)];
    if (auto* actionLink = dynamic_cast<TActionLink*>(link)) Tell(actionLink);
    const auto it = std::find(clients.begin(), clients.end(), link);
    i = it != clients.end() ? it - clients.begin() : std::min(i, std::ssize(clients)) - 1;
  }
}

template <class T, class F>
void TCustomAction::ChangeProperty(T& Field, const T& Value, F&& Tell) {
  if (Field == Value) return;
  const T value = Value;
  TellLinks([&](TActionLink* link) { Tell(link, value); });
  Field = value;
  Change();
}

namespace {
// The link setter as a callable for ChangeProperty.
template <class S>
auto Setter(void (TActionLink::*Set)(S)) {
  return [Set](TActionLink* link, const auto& value) { (link->*Set)(value); };
}
}  // namespace

void TCustomAction::SetAutoCheck(bool Value) { ChangeProperty(FAutoCheck, Value, Setter(&TActionLink::SetAutoCheck)); }
void TCustomAction::SetCaption(const std::string& Value) {
  ChangeProperty(FCaption, Value, Setter(&TActionLink::SetCaption));
}
void TCustomAction::SetHelpContext(THelpContext Value) {
  ChangeProperty(FHelpContext, Value, Setter(&TActionLink::SetHelpContext));
}
void TCustomAction::SetHelpKeyword(const std::string& Value) {
  ChangeProperty(FHelpKeyword, Value, Setter(&TActionLink::SetHelpKeyword));
}
void TCustomAction::SetHelpType(THelpType Value) {
  ChangeProperty(FHelpType, Value, Setter(&TActionLink::SetHelpType));
}
void TCustomAction::SetHint(const std::string& Value) { ChangeProperty(FHint, Value, Setter(&TActionLink::SetHint)); }
void TCustomAction::SetImageIndex(TImageIndex Value) {
  ChangeProperty(FImageIndex, Value, Setter(&TActionLink::SetImageIndex));
}
void TCustomAction::SetShortCut(TShortCut Value) {
  ChangeProperty(FShortCut, Value, Setter(&TActionLink::SetShortCut));
}
void TCustomAction::SetVisible(bool Value) { ChangeProperty(FVisible, Value, Setter(&TActionLink::SetVisible)); }

// While the list shows every action enabled, the value is kept for later.
void TCustomAction::SetEnabled(bool Value) {
  FDisabledForNoHandler = false;
  if (GetActionList() && GetActionList()->GetState() == asSuspendedEnabled) {
    FSavedEnabled = Value;
    return;
  }
  ChangeProperty(FEnabled, Value, Setter(&TActionLink::SetEnabled));
}

void TCustomAction::SuspendEnabled(bool Suspend) {
  if (Suspend) FSavedEnabled = FEnabled;
  ChangeProperty(FEnabled, Suspend ? true : FSavedEnabled, Setter(&TActionLink::SetEnabled));
}

void TCustomAction::SetChecked(bool Value) {
  if (FChecking || Value == FChecked) return;
  FChecking = true;
  struct TDone {
    bool& checking;
    ~TDone() { checking = false; }
  } done{FChecking};
  TellLinks([&](TActionLink* link) { link->SetChecked(Value); });
  FChecked = Value;
  if (FChecked && FGroupIndex > 0) UncheckGroup();
  Change();
}

// The other checked actions of the group in the same list.
void TCustomAction::UncheckGroup() {
  TCustomActionList* list = GetActionList();
  if (!list) return;
  for (int32_t i = 0; i < list->GetActionCount(); ++i) {
    auto* other = dynamic_cast<TCustomAction*>(list->GetActions(i));
    if (other && other != this && other->FGroupIndex == FGroupIndex) other->SetChecked(false);
  }
}

void TCustomAction::SetGroupIndex(int32_t Value) {
  if (Value == FGroupIndex) return;
  FGroupIndex = Value;
  if (FChecked && Value > 0) UncheckGroup();
  TellLinks([&](TActionLink* link) { link->SetGroupIndex(Value); });
  Change();
}

TShortCutList* TCustomAction::GetSecondaryShortCuts() {
  if (!FSecondaryShortCuts) FSecondaryShortCuts = New<TShortCutList>();
  return FSecondaryShortCuts;
}

void TCustomAction::SetSecondaryShortCuts(TShortCutList* Value) {
  if (!Value) {
    if (FSecondaryShortCuts) FSecondaryShortCuts->Clear();
    return;
  }
  GetSecondaryShortCuts()->Assign(Value);
}

TCustomImageList* TCustomAction::GetImages() const { return GetActionList() ? GetActionList()->GetImages() : nullptr; }

bool TCustomAction::Suspended() const { return GetActionList() && GetActionList()->GetState() != asNormal; }

bool TCustomAction::Update() {
  if (inherited::Update()) return true;
  if (!FDisableIfNoHandler || Suspended()) return false;
  const bool handler = OnExecute.Assigned() || (GetActionList() && GetActionList()->OnExecute.Assigned());
  if (!handler && FEnabled) {
    SetEnabled(false);
    FDisabledForNoHandler = true;
  } else if (handler && FDisabledForNoHandler) {
    SetEnabled(true);
  }
  return false;
}

bool TCustomAction::Execute() {
  if (Suspended()) return false;
  Update();
  if (FEnabled && FAutoCheck && (!FChecked || FGroupIndex == 0)) SetChecked(!FChecked);
  return FEnabled && inherited::Execute();
}

bool TCustomAction::HandleShortCut() { return Execute(); }

bool TCustomAction::DoHint(std::string& HintStr) {
  bool canShow = true;
  if (OnHint) OnHint(HintStr, canShow);
  return canShow;
}

void TCustomAction::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCustomAction*>(Source);
  if (!source) return inherited::Assign(Source);
  if (source == this) return;
  SetAutoCheck(source->FAutoCheck);
  SetCaption(source->FCaption);
  SetChecked(source->FChecked);
  SetEnabled(source->FEnabled);
  SetGroupIndex(source->FGroupIndex);
  SetHelpContext(source->FHelpContext);
  SetHelpKeyword(source->FHelpKeyword);
  SetHelpType(source->FHelpType);
  SetHint(source->FHint);
  SetImageIndex(source->FImageIndex);
  SetShortCut(source->FShortCut);
  SetVisible(source->FVisible);
  SetSecondaryShortCuts(source->FSecondaryShortCuts);
  SetOnExecute(source->OnExecute);
  OnHint = source->OnHint;
  OnUpdate = source->OnUpdate;
  OnChange = source->OnChange;
}

// -------------------------------------------------------------- TActionLink

TCustomAction* TActionLink::GetCustomAction() const { return dynamic_cast<TCustomAction*>(GetAction()); }

bool TActionLink::IsAutoCheckLinked() { return GetCustomAction() != nullptr; }
bool TActionLink::IsCaptionLinked() { return GetCustomAction() != nullptr; }
bool TActionLink::IsCheckedLinked() { return GetCustomAction() != nullptr; }
bool TActionLink::IsEnabledLinked() { return GetCustomAction() != nullptr; }
bool TActionLink::IsGroupIndexLinked() { return GetCustomAction() != nullptr; }
bool TActionLink::IsHelpContextLinked() { return GetCustomAction() != nullptr; }
bool TActionLink::IsHelpLinked() { return GetCustomAction() != nullptr; }
bool TActionLink::IsHintLinked() { return GetCustomAction() != nullptr; }
bool TActionLink::IsImageIndexLinked() { return GetCustomAction() != nullptr; }
bool TActionLink::IsShortCutLinked() { return GetCustomAction() != nullptr; }
bool TActionLink::IsVisibleLinked() { return GetCustomAction() != nullptr; }

}  // namespace host
