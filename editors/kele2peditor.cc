#include "editors/kele2peditor.h"

#include "editors/kellayouts.h"

namespace kel {

HOST_IMPL(TkelE2PForm, TkelEditorDialog)

using host::TComponent;

namespace {

constexpr TkelValueNames kConnectionValue{"ValueOptions",
                                          "ValueConstant",
                                          "ValueComponent",
                                          "ValueComponentProperty",
                                          "ValueComponentPropertyIndex",
                                          "ValueEventParameter",
                                          "Internal Error. Unknown value of E2PConnection.ValueOptions"};

}  // namespace

void TkelE2PForm::BindControls() {
  cbSource = Find<host::TComboBox>("cbSource");
  cbSourceEvent = Find<host::TComboBox>("cbSourceEvent");
  cbTarget = Find<host::TComboBox>("cbTarget");
  lbTargetProperty = Find<host::TListBox>("lbTargetProperty");
  edTargetPropertyIndex = Find<host::TEdit>("edTargetPropertyIndex");
  btTargetPropertyIndex = Find<host::TButton>("btTargetPropertyIndex");
  btExplore = Find<host::TButton>("btExplore");
  HookCommit(cbSource, [this] { CommitSource(); });
  HookCommit(cbSourceEvent, [this] { CommitSourceEvent(); });
  HookCommit(cbTarget, [this] { CommitTarget(); });
  lbTargetProperty->OnClick = [this](host::TObject*) { TargetPropertyClick(); };
  btTargetPropertyIndex->OnClick = [this](host::TObject*) { TargetIndexClick(); };
  btExplore->OnClick = [this](host::TObject*) { ExploreClick(); };
  FValue = std::make_unique<TkelValuePage>(*this, kConnectionValue, [this]() -> TkelEventInfo* {
    return FConnection ? FConnection->GetSourceEventInfo() : nullptr;
  });
}

// Opens collapsed, whatever width was stored.
void TkelE2PForm::DoCreate() {
  inherited::DoCreate();
  SetWidth(kCollapsedWidth);
}

void TkelE2PForm::SetConnection(TkelE2PConnection* Value) {
  Unwatch(FConnection);
  FConnection = Value;
  Watch(FConnection);
  FValue->SetSubject(FConnection);
}

void TkelE2PForm::WatchedFreed(TComponent* AComponent) {
  FConnection = nullptr;
  FValue->SetSubject(nullptr);
  inherited::WatchedFreed(AComponent);
}

void TkelE2PForm::Activate() {
  if (FConnection) {
    FillChooser(cbSource, FConnection->GetSource());
    FillChooser(cbTarget, FConnection->GetTarget());
    UpdateSourceEvents();
    UpdateTargetProperties();
    UpdateTargetIndex();
    FValue->Show();
  }
  inherited::Activate();
}

void TkelE2PForm::UpdateSourceEvents() {
  kelFillList(cbSourceEvent, kelEventNames(FConnection->GetSourceInfo()), FConnection->GetSourceEvent());
}

void TkelE2PForm::UpdateTargetProperties() {
  kelFillList(lbTargetProperty, kelPropertyNames(FConnection->GetTargetInfo(), psWritable),
              FConnection->GetTargetProperty());
}

void TkelE2PForm::UpdateTargetIndex() {
  TkelPropertyInfo* property = FConnection->GetTargetInfo() ? FConnection->GetTargetPropertyInfo() : nullptr;
  edTargetPropertyIndex->SetText(kelIndexDisplay(property));
  btTargetPropertyIndex->SetEnabled(property && property->GetIndexCount() > 0);
}

void TkelE2PForm::CommitSource() {
  if (FConnection &&
      CommitChooser(cbSource, FConnection->GetSource(), [this](TComponent* c) { FConnection->SetSource(c); })) {
    UpdateSourceEvents();
    FValue->UpdateEventParameter();
    Modified();
  }
}

void TkelE2PForm::CommitTarget() {
  if (FConnection &&
      CommitChooser(cbTarget, FConnection->GetTarget(), [this](TComponent* c) { FConnection->SetTarget(c); })) {
    UpdateTargetProperties();
    UpdateTargetIndex();
    Modified();
  }
}

void TkelE2PForm::CommitSourceEvent() {
  if (!FConnection) return;
  if (CommitEvent(cbSourceEvent, FConnection->GetSourceInfo(), FConnection->GetSourceEvent(),
                  [this](const std::string& Event) { FConnection->SetSourceEvent(Event); }))
    FValue->UpdateEventParameter();
  Modified();
}

void TkelE2PForm::TargetPropertyClick() {
  const std::string name = kelChosenItem(lbTargetProperty);
  if (!FConnection || name.empty()) return;
  FConnection->SetTargetProperty(name);
  Modified();
  UpdateTargetIndex();
}

void TkelE2PForm::TargetIndexClick() {
  TkelPropertyInfo* property = FConnection ? FConnection->GetTargetPropertyInfo() : nullptr;
  if (!property) return;
  kelEditIndex(*this, FConnection, property, FConnection->GetTargetPropertyIndex(), [this](const host::Variant& Index) {
    if (!FConnection) return false;
    FConnection->SetTargetPropertyIndex(Index);
    return true;
  });
}

void TkelE2PForm::ExploreClick() {
  const bool collapse = GetWidth() != kCollapsedWidth;
  btExplore->SetCaption(collapse ? "Set value as >>" : "<< Set value as");
  SetWidth(collapse ? kCollapsedWidth : kExpandedWidth);
}

void kelShowE2PEditor(host::IDesigner* Designer, TkelE2PConnection* Connection) {
  kelShowConnectionDialog<TkelE2PForm>(Designer, Connection);
}

namespace kele2peditor {

void Initialize() { kelRegisterLayout(&TkelE2PForm::StaticMetaClass, "kele2peditor.dfm"); }
void Finalize() { host::UnregisterFormLayout(&TkelE2PForm::StaticMetaClass); }

}  // namespace kele2peditor

}  // namespace kel
