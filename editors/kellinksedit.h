// The method parameter list editor ("Parameters"): a modeless list of the
// parameter bindings of one event-to-method connection, one line per
// binding in parameter order, named by its ParameterName. Selecting a line
// hands the binding to the designer's inspector (SetSelections), where its
// properties are edited; closing the window gives the inspector back the
// connection. Every activation lists the bindings again (they change with
// the target method).
//
// One window per designer and connection: opening it again brings the open
// one to the front. It closes when its connection is freed. The placement
// is kept under "Method Parameter Editor" (all four).
#pragma once

#include <vector>

#include "connections/kele2m.h"
#include "editors/keldialog.h"

namespace host {
class TListView;
class TListItem;
}  // namespace host

namespace kel {

class TkelMethodParameterEditor : public TkelEditorDialog {
  HOST_CLASS(TkelMethodParameterEditor, TkelEditorDialog)
  using TCreateArg = host::TComponent;
  explicit TkelMethodParameterEditor(host::TComponent* AOwner) : TkelEditorDialog(AOwner) {}

  TkelE2MConnection* GetConnection() const { return FConnection; }
  void SetConnection(TkelE2MConnection* Value);

 protected:
  ~TkelMethodParameterEditor() override = default;
  void BindControls() override;
  TPlacement Placement() const override { return {"Method Parameter Editor", kpAll, kpAll}; }
  void WatchedFreed(host::TComponent* AComponent) override;
  void Activate() override;
  void DoCreate() override;
  void DoClose(host::TCloseAction& Action) override;
  void DoDestroy() override;

 private:
  void FillList();
  void SelectItem(host::TObject* Sender, host::TListItem* Item, bool Selected);

  host::TListView* lvParameters = nullptr;
  TkelE2MConnection* FConnection = nullptr;
};

// Shows the editor of Connection for Designer: the open one when there is
// one, else a new one.
void kelShowMethodParameterEditor(host::IDesigner* Designer, TkelE2MConnection* Connection);
// The editors open now (OpenMethodParameterEditors), in opening order.
const std::vector<TkelMethodParameterEditor*>& kelOpenMethodParameterEditors();

namespace kellinksedit {
void Initialize();
// Frees the editors still open.
void Finalize();
}  // namespace kellinksedit

}  // namespace kel
