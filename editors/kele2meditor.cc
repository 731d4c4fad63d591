#include "editors/kele2meditor.h"

#include "editors/kellayouts.h"
#include "editors/kelmpeditor.h"

namespace kel {

HOST_IMPL(TkelE2MForm, TkelEditorDialog)

using host::TComponent;

void TkelE2MForm::SetConnection(TkelE2MConnection* Value) {
  Unwatch(FConnection);
  FConnection = Value;
  Watch(FConnection);
}

void TkelE2MForm::BindControls() {
  cbSource = Find<host::TComboBox>("cbSource");
  cbSourceEvent = Find<host::TComboBox>("cbSourceEvent");
  cbTarget = Find<host::TComboBox>("cbTarget");
  lbTargetMethod = Find<host::TListBox>("lbTargetMethod");
  btSetParameters = Find<host::TButton>("btSetParameters");
  HookCommit(cbSource, [this] { CommitSource(); });
  HookCommit(cbSourceEvent, [this] { CommitSourceEvent(); });
  HookCommit(cbTarget, [this] { CommitTarget(); });
  lbTargetMethod->OnClick = host::TNotifyEvent(this, &TkelE2MForm::TargetMethodClick);
  btSetParameters->OnClick = host::TNotifyEvent(this, &TkelE2MForm::SetParametersClick);
}

void TkelE2MForm::WatchedFreed(TComponent* AComponent) {
  FConnection = nullptr;  // the only object the dialog watches
  inherited::WatchedFreed(AComponent);
}

void TkelE2MForm::Activate() {
  if (FConnection) {
    FillChooser(cbSource, FConnection->GetSource());
    FillChooser(cbTarget, FConnection->GetTarget());
    UpdateSourceEvents();
    UpdateTargetMethods();
  }
  inherited::Activate();
}

void TkelE2MForm::UpdateSourceEvents() {
  kelFillList(cbSourceEvent, kelEventNames(FConnection->GetSourceInfo()), FConnection->GetSourceEvent());
}

void TkelE2MForm::UpdateTargetMethods() {
  kelFillList(lbTargetMethod, kelMethodNames(FConnection->GetTargetInfo()), FConnection->GetTargetMethod());
  UpdateSetParameters();
}

void TkelE2MForm::UpdateSetParameters() {
  btSetParameters->SetEnabled(FConnection->GetTargetMethodParameters()->GetCount() > 0);
}

void TkelE2MForm::CommitSource() {
  if (FConnection &&
      CommitChooser(cbSource, FConnection->GetSource(), [this](TComponent* c) { FConnection->SetSource(c); })) {
    UpdateSourceEvents();
    Modified();
  }
}

void TkelE2MForm::CommitTarget() {
  if (FConnection &&
      CommitChooser(cbTarget, FConnection->GetTarget(), [this](TComponent* c) { FConnection->SetTarget(c); })) {
    UpdateTargetMethods();
    Modified();
  }
}

void TkelE2MForm::CommitSourceEvent() {
  if (!FConnection) return;
  CommitEvent(cbSourceEvent, FConnection->GetSourceInfo(), FConnection->GetSourceEvent(),
              [this](const std::string& Event) { FConnection->SetSourceEvent(Event); });
  Modified();
}

void TkelE2MForm::TargetMethodClick(host::TObject* /*Sender*/) {
  const std::string method = kelChosenItem(lbTargetMethod);
  if (!FConnection || method.empty()) return;
  FConnection->SetTargetMethod(method);
  UpdateSetParameters();
  Modified();
}

void TkelE2MForm::SetParametersClick(host::TObject* /*Sender*/) {
  if (FConnection) kelShowMPEditor(FDesigner, FConnection);
}

void kelShowE2MEditor(host::IDesigner* Designer, TkelE2MConnection* Connection) {
  kelShowConnectionDialog<TkelE2MForm>(Designer, Connection);
}

namespace kele2meditor {

void Initialize() { kelRegisterLayout(&TkelE2MForm::StaticMetaClass, "kele2meditor.dfm"); }
void Finalize() { host::UnregisterFormLayout(&TkelE2MForm::StaticMetaClass); }

}  // namespace kele2meditor

}  // namespace kel
