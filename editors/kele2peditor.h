// The event-to-property editor ("E2PConnection editor"): the source
// component and its event, the target component and the writable property
// to set (with its index values), and on the value page (kelvaluepage.h)
// where the value comes from. Edited live, like the other connection
// dialogs.
//
// The value page is the window's right-hand third: the dialog opens
// collapsed at width 400 ("Set value as >>"), whatever width was stored,
// and btExplore toggles to 690 ("<< Set value as") and back; any width
// but 400 counts as expanded. The placement is kept under "E2PConnection
// Editor" (Left and Top read; all four written).
#pragma once

#include <memory>

#include "connections/kele2p.h"
#include "editors/keldialog.h"
#include "editors/kelvaluepage.h"

namespace kel {

class TkelE2PForm : public TkelEditorDialog {
  HOST_CLASS(TkelE2PForm, TkelEditorDialog)
  using TCreateArg = host::TComponent;
  explicit TkelE2PForm(host::TComponent* AOwner) : TkelEditorDialog(AOwner) {}

  static constexpr int32_t kCollapsedWidth = 400;
  static constexpr int32_t kExpandedWidth = 690;

  TkelE2PConnection* GetConnection() const { return FConnection; }
  void SetConnection(TkelE2PConnection* Value);

 protected:
  ~TkelE2PForm() override = default;
  void BindControls() override;
  TPlacement Placement() const override { return {"E2PConnection Editor", kpPosition, kpAll}; }
  void DoCreate() override;
  void WatchedFreed(host::TComponent* AComponent) override;
  void Activate() override;

 private:
  void UpdateSourceEvents();
  void UpdateTargetProperties();
  void UpdateTargetIndex();
  void CommitSource();
  void CommitTarget();
  void CommitSourceEvent();
  void TargetPropertyClick();
  void TargetIndexClick();
  void ExploreClick();

  host::TComboBox* cbSource = nullptr;
  host::TComboBox* cbSourceEvent = nullptr;
  host::TComboBox* cbTarget = nullptr;
  host::TListBox* lbTargetProperty = nullptr;
  host::TEdit* edTargetPropertyIndex = nullptr;
  host::TButton* btTargetPropertyIndex = nullptr;
  host::TButton* btExplore = nullptr;
  std::unique_ptr<TkelValuePage> FValue;
  TkelE2PConnection* FConnection = nullptr;
};

void kelShowE2PEditor(host::IDesigner* Designer, TkelE2PConnection* Connection);

namespace kele2peditor {
void Initialize();
void Finalize();
}  // namespace kele2peditor

}  // namespace kel
