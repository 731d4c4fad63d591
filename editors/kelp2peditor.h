// The property-to-property editor ("P2PConnection editor"): two symmetric
// sides, each a component, one of its properties (readable for the source,
// writable for the target) with its index values, and the event of that
// component on which the value is copied. Edited live, like the other
// connection dialogs; the placement is kept under "P2PConnection Editor"
// (Left and Top, both ways).
#pragma once

#include "connections/kelp2p.h"
#include "editors/keldialog.h"

namespace kel {

class TkelP2PForm : public TkelEditorDialog {
  HOST_CLASS(TkelP2PForm, TkelEditorDialog)
  using TCreateArg = host::TComponent;
  explicit TkelP2PForm(host::TComponent* AOwner) : TkelEditorDialog(AOwner) {}

  TkelP2PConnection* GetConnection() const { return FConnection; }
  void SetConnection(TkelP2PConnection* Value);

  // How one side reaches the connection (the source and the target side).
  struct TSideAccess;

 protected:
  ~TkelP2PForm() override = default;
  void BindControls() override;
  TPlacement Placement() const override { return {"P2PConnection Editor", kpPosition, kpPosition}; }
  void WatchedFreed(host::TComponent* AComponent) override;
  void Activate() override;

 private:
  // The controls of a side.
  struct TSide {
    const TSideAccess* Access = nullptr;
    host::TComboBox* Component = nullptr;
    host::TListBox* Property = nullptr;
    host::TEdit* Index = nullptr;
    host::TButton* IndexButton = nullptr;
    host::TComboBox* Event = nullptr;
  };
  void BindSide(TSide& Side, const TSideAccess& Access);
  void UpdateLists(TSide& Side);
  void UpdateIndex(TSide& Side);
  void CommitComponent(TSide& Side);
  void CommitEvent(TSide& Side);
  void PropertyClick(TSide& Side);
  void IndexClick(TSide& Side);

  TSide FSides[2];
  TkelP2PConnection* FConnection = nullptr;
};

void kelShowP2PEditor(host::IDesigner* Designer, TkelP2PConnection* Connection);

namespace kelp2peditor {
void Initialize();
void Finalize();
}  // namespace kelp2peditor

}  // namespace kel
