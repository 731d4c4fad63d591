#include "editors/kelp2peditor.h"

#include "editors/kellayouts.h"
#include "editors/kelvaluepage.h"

namespace kel {

HOST_IMPL(TkelP2PForm, TkelEditorDialog)

using host::TComponent;
using C = TkelP2PConnection;

struct TkelP2PForm::TSideAccess {
  const char* ComponentControl;
  const char* PropertyControl;
  const char* IndexControl;
  const char* IndexButtonControl;
  const char* EventControl;
  TkelPropertyStyleElement Style;  // what the side's properties must allow
  TComponent* (TkelConnection::*GetComponent)() const;
  void (TkelConnection::*SetComponent)(TComponent*);
  TkelClassInfo* (TkelConnection::*Info)();
  const std::string& (C::*GetProperty)() const;
  void (C::*SetProperty)(const std::string&);
  TkelPropertyInfo* (C::*PropertyInfo)();
  const host::Variant& (C::*GetIndex)() const;
  void (C::*SetIndex)(const host::Variant&);
  const std::string& (C::*GetEvent)() const;
  void (C::*SetEvent)(const std::string&);
};

namespace {

constexpr TkelP2PForm::TSideAccess kSource{
    "cbSource",           "lbSourceProperty",         "edSourcePropertyIndex",  "btSourcePropertyIndex",
    "cbSourceEvent",      psReadable,                 &TkelConnection::GetSource, &TkelConnection::SetSource,
    &TkelConnection::GetSourceInfo, &C::GetSourceProperty, &C::SetSourceProperty, &C::GetSourcePropertyInfo,
    &C::GetSourcePropertyIndex, &C::SetSourcePropertyIndex, &C::GetSourceEvent, &C::SetSourceEvent};
constexpr TkelP2PForm::TSideAccess kTarget{
    "cbTarget",           "lbTargetProperty",         "edTargetPropertyIndex",  "btTargetPropertyIndex",
    "cbTargetEvent",      psWritable,                 &TkelConnection::GetTarget, &TkelConnection::SetTarget,
    &TkelConnection::GetTargetInfo, &C::GetTargetProperty, &C::SetTargetProperty, &C::GetTargetPropertyInfo,
    &C::GetTargetPropertyIndex, &C::SetTargetPropertyIndex, &C::GetTargetEvent, &C::SetTargetEvent};

}  // namespace

void TkelP2PForm::BindControls() {
  BindSide(FSides[0], kSource);
  BindSide(FSides[1], kTarget);
}

void TkelP2PForm::BindSide(TSide& Side, const TSideAccess& Access) {
  Side.Access = &Access;
  Side.Component = Find<host::TComboBox>(Access.ComponentControl);
  Side.Property = Find<host::TListBox>(Access.PropertyControl);
  Side.Index = Find<host::TEdit>(Access.IndexControl);
  Side.IndexButton = Find<host::TButton>(Access.IndexButtonControl);
  Side.Event = Find<host::TComboBox>(Access.EventControl);
  HookCommit(Side.Component, [this, &Side] { CommitComponent(Side); });
  HookCommit(Side.Event, [this, &Side] { CommitEvent(Side); });
  Side.Property->OnClick = [this, &Side](host::TObject*) { PropertyClick(Side); };
  Side.IndexButton->OnClick = [this, &Side](host::TObject*) { IndexClick(Side); };
}

void TkelP2PForm::SetConnection(TkelP2PConnection* Value) {
  Unwatch(FConnection);
  FConnection = Value;
  Watch(FConnection);
}

void TkelP2PForm::WatchedFreed(TComponent* AComponent) {
  FConnection = nullptr;
  inherited::WatchedFreed(AComponent);
}

void TkelP2PForm::Activate() {
  if (FConnection) {
    for (TSide& side : FSides) FillChooser(side.Component, (FConnection->*side.Access->GetComponent)());
    for (TSide& side : FSides) {
      UpdateLists(side);
      UpdateIndex(side);
    }
  }
  inherited::Activate();
}

// The side's properties and events, each list showing the current choice.
void TkelP2PForm::UpdateLists(TSide& Side) {
  const TSideAccess& a = *Side.Access;
  TkelClassInfo* info = (FConnection->*a.Info)();
  kelFillList(Side.Property, kelPropertyNames(info, a.Style), (FConnection->*a.GetProperty)());
  kelFillList(Side.Event, kelEventNames(info), (FConnection->*a.GetEvent)());
}

void TkelP2PForm::UpdateIndex(TSide& Side) {
  const TSideAccess& a = *Side.Access;
  TkelPropertyInfo* property = (FConnection->*a.Info)() ? (FConnection->*a.PropertyInfo)() : nullptr;
  Side.Index->SetText(kelIndexDisplay(property));
  Side.IndexButton->SetEnabled(property && property->GetIndexCount() > 0);
}

void TkelP2PForm::CommitComponent(TSide& Side) {
  const TSideAccess& a = *Side.Access;
  if (FConnection && CommitChooser(Side.Component, (FConnection->*a.GetComponent)(),
                                   [&](TComponent* c) { (FConnection->*a.SetComponent)(c); })) {
    UpdateLists(Side);
    UpdateIndex(Side);
    Modified();
  }
}

void TkelP2PForm::CommitEvent(TSide& Side) {
  const TSideAccess& a = *Side.Access;
  if (!FConnection) return;
  TkelEditorDialog::CommitEvent(Side.Event, (FConnection->*a.Info)(), (FConnection->*a.GetEvent)(),
                                [&](const std::string& Event) { (FConnection->*a.SetEvent)(Event); });
  Modified();
}

void TkelP2PForm::PropertyClick(TSide& Side) {
  const std::string name = kelChosenItem(Side.Property);
  if (!FConnection || name.empty()) return;
  (FConnection->*Side.Access->SetProperty)(name);
  Modified();
  UpdateIndex(Side);
}

void TkelP2PForm::IndexClick(TSide& Side) {
  const TSideAccess& a = *Side.Access;
  TkelPropertyInfo* property = FConnection ? (FConnection->*a.PropertyInfo)() : nullptr;
  if (!property) return;
  kelEditIndex(*this, FConnection, property, (FConnection->*a.GetIndex)(), [&](const host::Variant& Index) {
    if (!FConnection) return false;
    (FConnection->*a.SetIndex)(Index);
    return true;
  });
}

void kelShowP2PEditor(host::IDesigner* Designer, TkelP2PConnection* Connection) {
  kelShowConnectionDialog<TkelP2PForm>(Designer, Connection);
}

namespace kelp2peditor {

void Initialize() { kelRegisterLayout(&TkelP2PForm::StaticMetaClass, "kelp2peditor.dfm"); }
void Finalize() { host::UnregisterFormLayout(&TkelP2PForm::StaticMetaClass); }

}  // namespace kelp2peditor

}  // namespace kel
