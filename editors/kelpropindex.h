// The property index editor ("Property Index"): a grid of the index values
// of an indexed property that a connection or a parameter binding refers
// to, one row per index named by its index parameter, the value column
// editable. It does not give the values back: every edited cell text is
// left (as a text value) in the Value of that index's parameter record of
// the property, and the caller builds its index array from there
// (kelTakeIndexValues) and stores it through its own setter, which checks
// it. When the grid is filled the records are seeded with the values shown,
// so a cell left alone keeps its value.
//
// The instance whose index is edited is watched: when it goes (for a
// parameter binding: when its connection goes) the dialog forgets it and
// closes. The placement is kept under "Property Index Editor" (all four).
#pragma once

#include "core/kelcommon.h"
#include "editors/keldialog.h"

namespace host {
class TStringGrid;
class TPanel;
}  // namespace host

namespace kel {

class TkelPropertyIndexEditor : public TkelEditorDialog {
  HOST_CLASS(TkelPropertyIndexEditor, TkelEditorDialog)
  using TCreateArg = host::TComponent;
  explicit TkelPropertyIndexEditor(host::TComponent* AOwner) : TkelEditorDialog(AOwner) {}

  // The object whose index is edited (a connection or a binding; not
  // owned), null once it went.
  host::TObject* GetInstance() const { return FInstance; }
  void SetInstance(host::TObject* Value);
  // A copy of the index array shown.
  const host::Variant& GetValue() const { return FValue; }
  void SetValue(const host::Variant& Value) { FValue = Value; }
  TkelPropertyInfo* GetPropertyInfo() const { return FPropertyInfo.Get(); }
  void SetPropertyInfo(TkelPropertyInfo* Value) { FPropertyInfo.Reset(Value); }

 protected:
  ~TkelPropertyIndexEditor() override = default;
  void BindControls() override;
  TPlacement Placement() const override { return {"Property Index Editor", kpAll, kpAll}; }
  void WatchedFreed(host::TComponent* AComponent) override;
  void Activate() override;

 private:
  void FillGrid();
  void SetEditText(host::TObject* Sender, int32_t ACol, int32_t ARow, const std::string& Value);
  void FormResize(host::TObject* Sender);
  void PanelResize(host::TObject* Sender);

  host::TStringGrid* sgIndexes = nullptr;
  host::TPanel* Panel1 = nullptr;
  host::TButton* btClose = nullptr;
  host::TObject* FInstance = nullptr;
  host::TComponent* FWatched = nullptr;  // what tells of FInstance going
  host::Variant FValue;
  TkelRecordRef<TkelPropertyInfo> FPropertyInfo;
};

// Opens the editor modally for Designer on the index Value (an array with
// an element per index) of PropertyInfo, a property of Instance.
void kelShowPropertyIndexEditor(host::IDesigner* Designer, host::TObject* Instance, const host::Variant& Value,
                                TkelPropertyInfo* PropertyInfo);
// Puts the Value of each index record of Property into the element of
// Index of the same position (what callers do after the editor closed).
void kelTakeIndexValues(host::Variant& Index, TkelPropertyInfo* Property);
// What every "..." of an index does: shows the editor on Current and
// answers the array built from what was typed (for the caller's checking
// setter). The record stays readable meanwhile, even when its component
// (and with it the descriptor) goes.
host::Variant kelEditIndexValues(host::IDesigner* Designer, host::TObject* Instance, const host::Variant& Current,
                                 TkelPropertyInfo* Property);

namespace kelpropindex {
void Initialize();
void Finalize();
}  // namespace kelpropindex

}  // namespace kel
