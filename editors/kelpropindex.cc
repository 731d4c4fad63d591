#include "editors/kelpropindex.h"

#include "connections/kele2m.h"
#include "editors/kellayouts.h"
#include "host/extctrls/panels.h"
#include "host/forms/application.h"
#include "host/grids/grids.h"

namespace kel {

HOST_IMPL(TkelPropertyIndexEditor, TkelEditorDialog)

void TkelPropertyIndexEditor::BindControls() {
  sgIndexes = Find<host::TStringGrid>("sgIndexes");
  Panel1 = Find<host::TPanel>("Panel1");
  btClose = Find<host::TButton>("btClose");
  sgIndexes->OnSetEditText = host::TSetEditEvent(this, &TkelPropertyIndexEditor::SetEditText);
  OnResize = host::TNotifyEvent(this, &TkelPropertyIndexEditor::FormResize);
  Panel1->OnResize = host::TNotifyEvent(this, &TkelPropertyIndexEditor::PanelResize);
}

void TkelPropertyIndexEditor::SetInstance(host::TObject* Value) {
  Unwatch(FWatched);
  FInstance = Value;
  FWatched = dynamic_cast<host::TComponent*>(Value);
  if (auto* binding = dynamic_cast<TkelParameterConnection*>(Value)) FWatched = binding->GetConnection();
  Watch(FWatched);
}

void TkelPropertyIndexEditor::WatchedFreed(host::TComponent* AComponent) {
  FInstance = nullptr;
  FWatched = nullptr;
  inherited::WatchedFreed(AComponent);
}

void TkelPropertyIndexEditor::Activate() {
  FillGrid();
  inherited::Activate();
}

void TkelPropertyIndexEditor::FillGrid() {
  TkelPropertyInfo* property = FPropertyInfo.Get();
  if (!property) return;
  sgIndexes->SetRowCount(property->GetIndexCount());
  for (int i = 0; i < property->GetIndexCount(); ++i) {
    TkelParameterInfo* index = property->GetIndexes(i);
    sgIndexes->SetCells(0, i, index->Name);
    const host::Variant element = host::VarArrayGet(FValue, {i});
    sgIndexes->SetCells(1, i, host::VarToStr(element));
    index->Value = element;
  }
}

void TkelPropertyIndexEditor::SetEditText(host::TObject* /*Sender*/, int32_t /*ACol*/, int32_t ARow,
                                          const std::string& Value) {
  TkelPropertyInfo* property = FPropertyInfo.Get();
  if (property && ARow >= 0 && ARow < property->GetIndexCount()) property->GetIndexes(ARow)->Value = host::Variant(Value);
}

void TkelPropertyIndexEditor::FormResize(host::TObject* /*Sender*/) {
  sgIndexes->SetColWidths(1, sgIndexes->GetClientWidth());
}

void TkelPropertyIndexEditor::PanelResize(host::TObject* /*Sender*/) { btClose->SetWidth(Panel1->GetClientWidth()); }

void kelShowPropertyIndexEditor(host::IDesigner* Designer, host::TObject* Instance, const host::Variant& Value,
                                TkelPropertyInfo* PropertyInfo) {
  auto* dialog = host::New<TkelPropertyIndexEditor>(host::Application);
  TkelEditorDialog::Execute(dialog, [&] {
    dialog->SetDesigner(Designer);
    dialog->SetInstance(Instance);
    dialog->SetValue(Value);
    dialog->SetPropertyInfo(PropertyInfo);
  });
}

void kelTakeIndexValues(host::Variant& Index, TkelPropertyInfo* Property) {
  for (int i = 0; i < Property->GetIndexCount(); ++i) host::VarArrayPut(Index, Property->GetIndexes(i)->Value, {i});
}

host::Variant kelEditIndexValues(host::IDesigner* Designer, host::TObject* Instance, const host::Variant& Current,
                                 TkelPropertyInfo* Property) {
  TkelRecordRef<TkelPropertyInfo> held(Property);
  host::Variant index = Current;
  kelShowPropertyIndexEditor(Designer, Instance, Current, Property);
  kelTakeIndexValues(index, Property);
  return index;
}

namespace kelpropindex {

void Initialize() { kelRegisterLayout(&TkelPropertyIndexEditor::StaticMetaClass, "kelpropindex.dfm"); }
void Finalize() { host::UnregisterFormLayout(&TkelPropertyIndexEditor::StaticMetaClass); }

}  // namespace kelpropindex

}  // namespace kel
