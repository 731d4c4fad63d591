#include "editors/kelmpeditor.h"

#include "editors/kellayouts.h"
#include "editors/kelpropindex.h"
#include "host/comctrls/pagecontrol.h"

namespace kel {

HOST_IMPL(TkelMPForm, TkelEditorDialog)

using host::TComponent;

void TkelMPForm::BindControls() {
  lbParameters = Find<host::TListBox>("lbParameters");
  pcValue = Find<host::TPageControl>("pcValue");
  edConstant = Find<host::TEdit>("edConstant");
  cbComponent = Find<host::TComboBox>("cbComponent");
  lbComponentProperty = Find<host::TListBox>("lbComponentProperty");
  edComponentPropertyIndex = Find<host::TEdit>("edComponentPropertyIndex");
  btComponentPropertyIndex = Find<host::TButton>("btComponentPropertyIndex");
  lbEventParameter = Find<host::TListBox>("lbEventParameter");
  lbParameters->OnClick = host::TNotifyEvent(this, &TkelMPForm::ParametersClick);
  pcValue->OnChange = host::TNotifyEvent(this, &TkelMPForm::ValueChange);
  edConstant->OnChange = host::TNotifyEvent(this, &TkelMPForm::ConstantChange);
  HookCommit(cbComponent);
  lbComponentProperty->OnClick = host::TNotifyEvent(this, &TkelMPForm::ComponentPropertyClick);
  btComponentPropertyIndex->OnClick = host::TNotifyEvent(this, &TkelMPForm::ComponentPropertyIndexClick);
  lbEventParameter->OnClick = host::TNotifyEvent(this, &TkelMPForm::EventParameterClick);
}

void TkelMPForm::SetConnection(TkelE2MConnection* Value) {
  Unwatch(FConnection);
  FConnection = Value;
  Watch(FConnection);
  FillParameters();
  if (lbParameters->GetItems()->GetCount() > 0) {
    lbParameters->SetItemIndex(0);
    SelectParameter();
  }
}

void TkelMPForm::WatchedFreed(TComponent* AComponent) {
  if (AComponent == FConnection) FConnection = nullptr;
  inherited::WatchedFreed(AComponent);
}

TkelParameterConnection* TkelMPForm::Selected() const {
  if (!FConnection) return nullptr;
  TkelParameterConnections* bindings = FConnection->GetTargetMethodParameters();
  const int32_t index = lbParameters->GetItemIndex();
  return index >= 0 && index < bindings->GetCount() ? bindings->GetItem(index) : nullptr;
}

void TkelMPForm::FillParameters() {
  std::vector<std::string> names;
  TkelParameterConnections* bindings = FConnection ? FConnection->GetTargetMethodParameters() : nullptr;
  for (int i = 0; bindings && i < bindings->GetCount(); ++i) names.push_back(bindings->GetItem(i)->GetParameterName());
  kelFillList(lbParameters, names, "");
}

void TkelMPForm::SelectParameter() {
  TkelParameterConnection* binding = Selected();
  if (!binding) return;
  const TkelValueOptions options = binding->GetOptions();
  if (options > voEventProperty) throw host::Exception("Internal Error. Unknown value of E2MConnection.ValueOptions");
  pcValue->SetActivePageIndex(static_cast<int32_t>(options));
  edConstant->SetText(binding->GetConstant());
  FillChooser(cbComponent, binding->GetComponent());
  UpdateComponent();
  UpdateComponentIndex();
  UpdateEventParameter();
}

void TkelMPForm::UpdateComponent() {
  TkelParameterConnection* binding = Selected();
  kelFillList(lbComponentProperty, kelPropertyNames(binding ? binding->GetComponentInfo() : nullptr, psReadable),
              binding ? binding->GetComponentProperty() : std::string());
}

void TkelMPForm::UpdateComponentIndex() {
  TkelParameterConnection* binding = Selected();
  TkelPropertyInfo* property = binding && binding->GetComponentInfo() ? binding->GetComponentPropertyInfo() : nullptr;
  edComponentPropertyIndex->SetText(kelIndexDisplay(property));
  btComponentPropertyIndex->SetEnabled(property && property->GetIndexCount() > 0);
}

void TkelMPForm::UpdateEventParameter() {
  TkelParameterConnection* binding = Selected();
  TkelEventInfo* event = FConnection ? FConnection->GetSourceEventInfo() : nullptr;
  std::vector<std::string> names;
  for (int i = 0; event && i < event->GetArgCount(); ++i) names.push_back(event->GetArgs(i)->Name);
  kelFillList(lbEventParameter, names, binding ? binding->GetEventParameter() : std::string());
}

void TkelMPForm::ParametersClick(host::TObject* /*Sender*/) { SelectParameter(); }

void TkelMPForm::ValueChange(host::TObject* /*Sender*/) {
  TkelParameterConnection* binding = Selected();
  if (!binding) return;
  const int32_t page = pcValue->GetActivePageIndex();
  if (page < 0 || page > voEventProperty)
    throw host::Exception("Internal Error. Unknown value of pcValue.ActivePageIndex");
  binding->SetOptions(static_cast<TkelValueOptions>(page));
  Modified();
}

void TkelMPForm::ConstantChange(host::TObject* /*Sender*/) {
  TkelParameterConnection* binding = Selected();
  if (!binding) return;
  binding->SetConstant(edConstant->GetText());
  Modified();
}

void TkelMPForm::Commit(host::TObject* Combo) {
  TkelParameterConnection* binding = Selected();
  if (Combo != cbComponent || !binding) return;
  if (CommitChooser(cbComponent, binding->GetComponent(), [binding](TComponent* c) { binding->SetComponent(c); })) {
    UpdateComponent();
    UpdateComponentIndex();
    Modified();
  }
}

void TkelMPForm::ComponentPropertyClick(host::TObject* /*Sender*/) {
  TkelParameterConnection* binding = Selected();
  const std::string name = kelChosenItem(lbComponentProperty);
  if (!binding || name.empty()) return;
  binding->SetComponentProperty(name);
  Modified();
  UpdateComponentIndex();
}

void TkelMPForm::ComponentPropertyIndexClick(host::TObject* /*Sender*/) {
  TkelParameterConnection* binding = Selected();
  TkelPropertyInfo* property = binding ? binding->GetComponentPropertyInfo() : nullptr;
  if (!property) return;
  // The record stays readable while the dialog runs, even when the
  // component (and its descriptor) goes meanwhile.
  TkelRecordRef<TkelPropertyInfo> held(property);
  host::Variant index = binding->GetComponentPropertyIndex();
  kelShowPropertyIndexEditor(FDesigner, binding, index, property);
  // The dialog ends at once when the connection was freed meanwhile: the
  // binding went with it.
  if (!Selected()) return;
  kelTakeIndexValues(index, property);
  binding->SetComponentPropertyIndex(index);
  Modified();
}

void TkelMPForm::EventParameterClick(host::TObject* /*Sender*/) {
  TkelParameterConnection* binding = Selected();
  const std::string name = kelChosenItem(lbEventParameter);
  if (!binding || name.empty()) return;
  binding->SetEventParameter(name);
  Modified();
}

void kelShowMPEditor(host::IDesigner* Designer, TkelE2MConnection* Connection) {
  kelShowConnectionDialog<TkelMPForm>(Designer, Connection);
}

namespace kelmpeditor {

void Initialize() { kelRegisterLayout(&TkelMPForm::StaticMetaClass, "kelmpeditor.dfm"); }
void Finalize() { host::UnregisterFormLayout(&TkelMPForm::StaticMetaClass); }

}  // namespace kelmpeditor

}  // namespace kel
