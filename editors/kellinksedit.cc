#include "editors/kellinksedit.h"

#include "editors/kellayouts.h"
#include "host/comctrls/listview.h"
#include "host/forms/application.h"

namespace kel {

HOST_IMPL(TkelMethodParameterEditor, TkelEditorDialog)

namespace {

TkelOpenWindows<TkelMethodParameterEditor> OpenMethodParameterEditors;

}  // namespace

const std::vector<TkelMethodParameterEditor*>& kelOpenMethodParameterEditors() {
  return OpenMethodParameterEditors.Items();
}

void TkelMethodParameterEditor::BindControls() {
  lvParameters = Find<host::TListView>("lvParameters");
  lvParameters->OnSelectItem = host::TLVSelectItemEvent(this, &TkelMethodParameterEditor::SelectItem);
}

void TkelMethodParameterEditor::DoCreate() {
  OpenMethodParameterEditors.Add(this);
  inherited::DoCreate();
}

void TkelMethodParameterEditor::DoDestroy() {
  OpenMethodParameterEditors.Remove(this);
  inherited::DoDestroy();
}

void TkelMethodParameterEditor::DoClose(host::TCloseAction& Action) {
  if (FConnection && FDesigner) FDesigner->SelectComponent(FConnection);
  inherited::DoClose(Action);
}

void TkelMethodParameterEditor::SetConnection(TkelE2MConnection* Value) {
  Unwatch(FConnection);
  FConnection = Value;
  Watch(FConnection);
  FillList();
}

void TkelMethodParameterEditor::WatchedFreed(host::TComponent* AComponent) {
  FConnection = nullptr;  // the only object the window watches
  inherited::WatchedFreed(AComponent);
}

void TkelMethodParameterEditor::Activate() {
  FillList();
  inherited::Activate();
}

void TkelMethodParameterEditor::FillList() {
  host::TListItems* items = lvParameters->GetItems();
  items->BeginUpdate();
  items->Clear();
  TkelParameterConnections* bindings = FConnection ? FConnection->GetTargetMethodParameters() : nullptr;
  for (int i = 0; bindings && i < bindings->GetCount(); ++i) {
    host::TListItem* item = items->Add();
    item->SetCaption(bindings->GetItem(i)->GetParameterName());
    item->SetData(bindings->GetItem(i));
  }
  items->EndUpdate();
}

void TkelMethodParameterEditor::SelectItem(host::TObject* /*Sender*/, host::TListItem* Item, bool Selected) {
  if (!Selected || !Item || !FDesigner) return;
  host::TOwned<host::TDesignerSelectionList> list = host::CreateSelectionList();
  list->Add(host::MakeIPersistent(static_cast<TkelParameterConnection*>(Item->GetData())).get());
  FDesigner->SetSelections(list.get());
}

void kelShowMethodParameterEditor(host::IDesigner* Designer, TkelE2MConnection* Connection) {
  OpenMethodParameterEditors.Show(Designer, Connection, &TkelMethodParameterEditor::GetConnection,
                                  &TkelMethodParameterEditor::SetConnection);
}

namespace kellinksedit {

void Initialize() { kelRegisterLayout(&TkelMethodParameterEditor::StaticMetaClass, "kellinksedit.dfm"); }

void Finalize() {
  OpenMethodParameterEditors.FreeAll();
  host::UnregisterFormLayout(&TkelMethodParameterEditor::StaticMetaClass);
}

}  // namespace kellinksedit

}  // namespace kel
