// TPropertyEditor: how the object inspector shows and edits one published
// property of the selected objects.
//
// An editor is made for one property of one or several objects (the
// selection): Initialize gives it the designer and, for every object, the
// object and its property. GetValue/SetValue show and take the property's
// text; GetValues lists the choices of a drop-down list; Edit is the "..."
// button (or a double-click); GetAttributes says how the inspector offers
// the property. The typed accessors (GetOrdValue, SetStrValue, ...) read the
// first object and write all of them, then tell the designer (Modified).
//
// A write that fails leaves every object as it was: the objects already
// written get their old value back before the error goes on. A text that
// does not fit the property raises EPropertyError ("Invalid property
// value"; "Value must be between 1 and 10" for a number out of range).
//
// Editor classes are host classes (HOST_CLASS / HOST_IMPL) with a public
// constructor taking nothing, so the registration can make them from their
// class reference (see designreg.h).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/designer/designintf.h"

namespace host {

enum TPropertyAttribute : uint8_t {
  paValueList,      // offers a drop-down list (GetValues)
  paSubProperties,  // has properties of its own (GetProperties)
  paDialog,         // Edit opens a dialog (the "..." button)
  paMultiSelect,    // can edit the property of several objects at once
  paAutoUpdate,     // SetValue on every change of the text
  paSortList,       // the drop-down list is shown sorted
  paReadOnly,       // the text cannot be typed
  paRevertable      // the property can be set back to its inherited value
};
HOST_ENUM_INFO(TPropertyAttribute, "paValueList", "paSubProperties", "paDialog", "paMultiSelect", "paAutoUpdate",
               "paSortList", "paReadOnly", "paRevertable")
using TPropertyAttributes = TSet<TPropertyAttribute, 8>;

inline constexpr char SInvalidPropValue[] = "Invalid property value";

class TPropertyEditor;
// Receives a new editor, which it then owns.
using TGetPropEditProc = std::function<void(TOwned<TPropertyEditor>)>;

// One edited object and its property.
struct TInstProp {
  TPersistent* Instance = nullptr;
  const TPropInfo* PropInfo = nullptr;
};

class TPropertyEditor : public TObject {
  HOST_CLASS(TPropertyEditor, TObject)
  TPropertyEditor() = default;

  // Sets the designer and the edited objects with their property (at least
  // one). Raises EPropertyError "Property X does not exist" when an object
  // has no such published property.
  void Initialize(IFormDesigner* Designer, std::vector<TInstProp> Entries);

  // ------------------------------------------------------------- about it
  virtual TPropertyAttributes GetAttributes();
  // The edited property's name.
  virtual std::string GetName();
  // The Index-th edited object; raises EListError for a bad index.
  TPersistent* GetComponent(int Index) const;
  int GetPropCount() const { return static_cast<int>(FEntries.size()); }
  IFormDesigner* GetDesigner() const { return FDesigner; }
  const TPropInfo* GetPropInfo() const { return FEntries.front().PropInfo; }
  const TTypeInfo* GetPropType() const { return GetPropInfo()->PropType; }
  // Whether every edited object holds the first one's value.
  virtual bool AllEqual();

  // ---------------------------------------------------------------- text
  // The text the inspector shows; "(unknown)" here.
  virtual std::string GetValue();
  // Takes a typed text; the base takes nothing.
  virtual void SetValue(const std::string& Value);
  // One call per choice of the drop-down list; the base has none.
  virtual void GetValues(TGetStrProc Proc);
  // The "..." button or a double-click. The base steps a property with a
  // value list to the choice after the current one (the first after the
  // last).
  virtual void Edit();
  // The editors of the property's own properties; the base has none.
  virtual void GetProperties(const TGetPropEditProc& Proc);

  // -------------------------------------------------------------- values
  Variant GetVarValue() const { return GetVarValueAt(0); }
  Variant GetVarValueAt(int Index) const;
  void SetVarValue(const Variant& Value);
  int64_t GetOrdValue() const { return GetOrdValueAt(0); }
  int64_t GetOrdValueAt(int Index) const;
  void SetOrdValue(int64_t Value);
  std::string GetStrValue() const { return GetStrValueAt(0); }
  std::string GetStrValueAt(int Index) const;
  void SetStrValue(const std::string& Value);
  double GetFloatValue() const { return GetFloatValueAt(0); }
  double GetFloatValueAt(int Index) const;
  void SetFloatValue(double Value);
  // Tells the designer that the form changed.
  void Modified();

 protected:
  ~TPropertyEditor() override = default;

 private:
  IFormDesigner* FDesigner = nullptr;
  std::vector<TInstProp> FEntries;
};

// The editors of the published properties that all Instances have (same
// name and type), in declaration order, each made by the registration's
// choice for the first object (see GetPropertyEditorClass). With several
// objects, only properties whose editor allows paMultiSelect are given.
void GetComponentProperties(IFormDesigner* Designer, const std::vector<TPersistent*>& Instances,
                            const TGetPropEditProc& Proc);
// The editor of property PropName (case-insensitive) of Instances. Raises
// EPropertyError "Property X does not exist" when one of them lacks it.
TOwned<TPropertyEditor> CreatePropertyEditor(IFormDesigner* Designer, const std::vector<TPersistent*>& Instances,
                                             const std::string& PropName);

}  // namespace host
