// The parameter binding dialog ("Method parameters editor"): for each
// parameter of an event-to-method connection's target method, where its
// value comes from: a constant, a property of a component (with its index
// values, through the property index editor) or a parameter of the source
// event (the value page, kelvaluepage.h). Turning to a page makes it the
// selected binding's source at once. Edited live, like the event-to-method
// editor; it keeps no placement.
#pragma once

#include <memory>

#include "connections/kele2m.h"
#include "editors/keldialog.h"
#include "editors/kelvaluepage.h"

namespace kel {

class TkelMPForm : public TkelEditorDialog {
  HOST_CLASS(TkelMPForm, TkelEditorDialog)
  using TCreateArg = host::TComponent;
  explicit TkelMPForm(host::TComponent* AOwner) : TkelEditorDialog(AOwner) {}

  TkelE2MConnection* GetConnection() const { return FConnection; }
  // Takes Value and lists its bindings; the first one is selected.
  void SetConnection(TkelE2MConnection* Value);
  // The binding selected in lbParameters; null for none.
  TkelParameterConnection* Selected() const;

 protected:
  ~TkelMPForm() override = default;
  void BindControls() override;
  void WatchedFreed(host::TComponent* AComponent) override;

 private:
  void FillParameters();
  void SelectParameter();

  host::TListBox* lbParameters = nullptr;
  std::unique_ptr<TkelValuePage> FValue;
  TkelE2MConnection* FConnection = nullptr;
};

// Opens the dialog modally on Connection's bindings for Designer.
void kelShowMPEditor(host::IDesigner* Designer, TkelE2MConnection* Connection);

namespace kelmpeditor {
void Initialize();
void Finalize();
}  // namespace kelmpeditor

}  // namespace kel
