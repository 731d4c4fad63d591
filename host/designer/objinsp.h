// TObjectInspectorModel: what an object inspector grid shows for the
// designer's current selection, without the grid.
//
// One row per published property that every selected object has, sorted by
// name, each with the property editor the registration chooses for it
// (see designreg.h), the text it shows (empty when the selected objects
// differ), its attributes, its drop-down list (sorted when the editor asks
// for it) and whether it can be typed. A row with sub-properties (an
// object, a set) can be expanded: its sub-rows follow it, named
// "Parent.Child" and sorted the same way.
//
// The model listens to the designer: a new selection rebuilds the rows, a
// change (Modified) refreshes their texts and lists; OnChange tells after
// either. SetValue and Edit go through the row's editor; an error (a text
// that does not fit, a setter's exception) leaves the old value and goes
// on to the caller. While an editor works, the designer's news waits, so
// an editor is never freed in the middle of its own work.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "host/designer/formdesigner.h"
#include "host/designer/propedit.h"
#include "host/rtl/sysutils.h"

namespace host {

struct TInspectorRow {
  std::string Name;  // "Font.Size" for a sub-property
  int Level = 0;     // 0 for a property, 1 for a sub-property, ...
  std::string Value;
  TPropertyAttributes Attributes;
  bool ReadOnly = false;
  bool Expanded = false;
  std::vector<std::string> Values;
  TPropertyEditor* Editor = nullptr;  // owned by the model
};

class TObjectInspectorModel : public TObject, public TDesignerListener {
  HOST_CLASS(TObjectInspectorModel, TObject)

  // Shows Designer's selection and follows it; the designer is borrowed (the
  // model lets go of it when the designer is freed first).
  explicit TObjectInspectorModel(TFormDesigner* Designer);

  int GetRowCount() const { return static_cast<int>(FRows.size()); }
  // Raises EListError "List index out of bounds (%d)" for a bad index.
  const TInspectorRow& GetRow(int Index) const;
  // The row of that name (case-insensitive), or null.
  const TInspectorRow* FindRow(const std::string& Name) const;
  // The names of the rows in order.
  std::vector<std::string> RowNames() const;

  // Types Value into row Name. Raises EPropertyError "Property X does not
  // exist" for no such row, "Property X is read-only" for a read-only one;
  // the editor's and the setter's errors pass through.
  void SetValue(const std::string& Name, const std::string& Value);
  // The row's "..." button; raises EPropertyError for a row without a
  // dialog (paDialog).
  void Edit(const std::string& Name);
  // Shows or hides the sub-rows of a row with sub-properties; raises
  // EPropertyError for a row without any.
  void Expand(const std::string& Name, bool Expanded = true);

  // Builds the rows from the selection anew.
  void Refresh();

  // Told after the rows were rebuilt or refreshed.
  TNotifyEvent OnChange;

  void DesignerModified() override;
  void SelectionChanged() override;
  void DesignerDestroying() override;

 protected:
  ~TObjectInspectorModel() override = default;
  void Destroy() override;

 private:
  struct TEntry {
    TInspectorRow Row;
    TOwned<TPropertyEditor> Editor;
  };
  TEntry& Entry(const std::string& Name);
  void AddRows(std::vector<TOwned<TPropertyEditor>> Editors, const std::string& Prefix, int Level);
  static void Describe(TInspectorRow& Row, TPropertyEditor* Editor);
  void RefreshValues();
  void Changed();
  // Runs an editor's work with the designer's news held back until after.
  template <class F>
  void Working(F&& Work);

  TFormDesigner* FDesigner;
  std::vector<TEntry> FRows;
  struct TNameLess {
    bool operator()(const std::string& a, const std::string& b) const { return AnsiCompareText(a, b) < 0; }
  };
  std::set<std::string, TNameLess> FExpanded;
  int FBusy = 0;
  bool FRebuildPending = false;
  bool FRefreshPending = false;
};

}  // namespace host
