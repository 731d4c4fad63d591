#include "editors/kelmpeditor.h"

#include "editors/kellayouts.h"

namespace kel {

HOST_IMPL(TkelMPForm, TkelEditorDialog)

namespace {

constexpr TkelValueNames kBindingValue{"Options",
                                       "Constant",
                                       "Component",
                                       "ComponentProperty",
                                       "ComponentPropertyIndex",
                                       "EventParameter",
                                       "Internal Error. Unknown value of E2MConnection.ValueOptions"};

}  // namespace

void TkelMPForm::BindControls() {
  lbParameters = Find<host::TListBox>("lbParameters");
  lbParameters->OnClick = [this](host::TObject*) { SelectParameter(); };
  FValue = std::make_unique<TkelValuePage>(*this, kBindingValue, [this]() -> TkelEventInfo* {
    return FConnection ? FConnection->GetSourceEventInfo() : nullptr;
  });
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

void TkelMPForm::WatchedFreed(host::TComponent* AComponent) {
  FConnection = nullptr;
  FValue->SetSubject(nullptr);  // the bindings went with their connection
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
  FValue->SetSubject(binding);
  FValue->Show();
}

void kelShowMPEditor(host::IDesigner* Designer, TkelE2MConnection* Connection) {
  kelShowConnectionDialog<TkelMPForm>(Designer, Connection);
}

namespace kelmpeditor {

void Initialize() { kelRegisterLayout(&TkelMPForm::StaticMetaClass, "kelmpeditor.dfm"); }
void Finalize() { host::UnregisterFormLayout(&TkelMPForm::StaticMetaClass); }

}  // namespace kelmpeditor

}  // namespace kel
