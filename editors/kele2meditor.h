// The event-to-method editor ("E2MConnection editor"): the source component
// and its event, the target component and the method to call, for one
// event-to-method connection, edited live (every choice goes into the
// connection at once and the designer hears Modified; "Close" only closes).
//
// On every activation it reads the connection again: the component
// choosers, the source's public and published events (a protected event is
// not offered but is accepted when typed), the target's methods, and
// "Set parametes..." enabled exactly when the chosen method has parameters
// (it opens the parameter binding dialog, kelmpeditor.h). An event name
// typed that the source does not have (names match in exact case) is put
// back to the stored one. The placement is kept under "Parameters Editor"
// (Left and Top read; all four written).
#pragma once

#include "connections/kele2m.h"
#include "editors/keldialog.h"

namespace kel {

class TkelE2MForm : public TkelEditorDialog {
  HOST_CLASS(TkelE2MForm, TkelEditorDialog)
  using TCreateArg = host::TComponent;
  explicit TkelE2MForm(host::TComponent* AOwner) : TkelEditorDialog(AOwner) {}

  // The edited connection (not owned; forgotten when it is freed).
  TkelE2MConnection* GetConnection() const { return FConnection; }
  void SetConnection(TkelE2MConnection* Value);

 protected:
  ~TkelE2MForm() override = default;
  void BindControls() override;
  TPlacement Placement() const override { return {"Parameters Editor", kpPosition, kpAll}; }
  void WatchedFreed(host::TComponent* AComponent) override;
  void Activate() override;

 private:
  void UpdateSourceEvents();
  void UpdateTargetMethods();
  void UpdateSetParameters();
  void CommitSource();
  void CommitTarget();
  void CommitSourceEvent();
  void TargetMethodClick(host::TObject* Sender);
  void SetParametersClick(host::TObject* Sender);

  host::TComboBox* cbSource = nullptr;
  host::TComboBox* cbSourceEvent = nullptr;
  host::TComboBox* cbTarget = nullptr;
  host::TListBox* lbTargetMethod = nullptr;
  host::TButton* btSetParameters = nullptr;
  TkelE2MConnection* FConnection = nullptr;
};

// Opens the editor modally on Connection for Designer.
void kelShowE2MEditor(host::IDesigner* Designer, TkelE2MConnection* Connection);

namespace kele2meditor {
// Registers the dialog's class and layout.
void Initialize();
void Finalize();
}  // namespace kele2meditor

}  // namespace kel
