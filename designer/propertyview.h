// TPropertyView: the object inspector of the designer window.
//
// A drop-down of the designed form's components above a grid of the
// selection's published properties (the inspector model's rows: name and
// value, sorted by name, sub-properties indented under a row marked "+"
// or "-" that a click on its name opens or closes). The current row's
// value is edited in place by the control that fits its editor:
//   - a check box for a Boolean,
//   - a drop-down list for a property with a list of values (one that can
//     also be typed in when the editor allows it),
//   - an edit with a "..." button for a property with a dialog,
//   - an edit for the rest;
// read-only rows show their value greyed and take no editor. A value is
// set when the user presses Enter, leaves the editor, picks from the list
// or clicks the check box; Escape puts the shown value back. A value that
// does not fit shows the error in a message box and keeps the old value.
#pragma once

#include <string>

#include "host/designer/objinsp.h"
#include "host/grids/grids.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/lists.h"
#include "host/stdctrls/texts.h"

namespace corvane::designer {

class TPropertyView : public host::TObject, public host::TDesignerListener {
  HOST_CLASS(TPropertyView, host::TObject)

  // Builds the inspector's controls on Parent (owned by Parent's owner,
  // named "Components", "Properties", "ValueEdit", "ValueList",
  // "ValueCheck" and "ValueDialog") for Designer's selection.
  TPropertyView(host::TWinControl* Parent, host::TFormDesigner* Designer);

  // Shows Designer's selection from now on.
  void SetDesigner(host::TFormDesigner* Designer);
  host::TObjectInspectorModel* Model() const { return FModel.get(); }
  host::TStringGrid* Grid() const { return FGrid; }
  // Selects the row of property Name and shows its editor; false when the
  // selection has no such property.
  bool SelectProperty(const std::string& Name);
  // The property of the current row (empty for none).
  std::string CurrentProperty() const;

  void DesignerModified() override { FillComponents(); }
  void SelectionChanged() override { FillComponents(); }
  void DesignerDestroying() override { FDesigner = nullptr; }

 protected:
  ~TPropertyView() override = default;
  void Destroy() override;

 private:
  void ModelChanged(host::TObject* Sender);
  void Rebuild();
  void FillComponents();
  void ComponentChosen(host::TObject* Sender);
  void GridClicked(host::TObject* Sender);
  void DrawCell(host::TObject* Sender, int32_t ACol, int32_t ARow, host::TRect Rect, host::TGridDrawState State);
  // Shows the editor fitting the current row over its value cell.
  void ShowEditor();
  void HideEditors();
  void EditKey(host::TObject* Sender, char& Key);
  void EditExit(host::TObject* Sender);
  void ListChosen(host::TObject* Sender);
  void CheckClicked(host::TObject* Sender);
  void DialogClicked(host::TObject* Sender);
  // Sets the current row's property to Text; an error is shown and the
  // row's value shown again.
  void Commit(const std::string& Text);
  const host::TInspectorRow* CurrentRow() const;

  host::TFormDesigner* FDesigner;
  host::TOwned<host::TObjectInspectorModel> FModel;
  host::TComboBox* FComponents = nullptr;
  host::TStringGrid* FGrid = nullptr;
  host::TEdit* FEdit = nullptr;
  host::TComboBox* FList = nullptr;
  host::TCheckBox* FCheck = nullptr;
  host::TButton* FDialog = nullptr;
  int FCommitting = 0;  // a commit (and the rebuild it causes) is running
  bool FShowing = false;  // the editors are being placed: their events are not the user's
};

}  // namespace corvane::designer
