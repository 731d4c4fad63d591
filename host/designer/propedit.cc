#include "host/designer/propedit.h"

#include "host/designer/designreg.h"
#include "host/rtl/sysutils.h"

namespace host {

HOST_IMPL(TPropertyEditor, TObject)

namespace {

[[noreturn]] void RaiseNoProperty(const std::string& Name) {
  throw EPropertyError("Property %s does not exist", {Name});
}

// The published property Name of Instance, or null.
const TPropInfo* PropertyOf(TPersistent* Instance, std::string_view Name) {
  return Instance ? host::GetPropInfo(Instance->ClassType(), Name) : nullptr;
}

}  // namespace

void TPropertyEditor::Initialize(IFormDesigner* Designer, std::vector<TInstProp> Entries) {
  if (Entries.empty()) throw EPropertyError("A property editor needs at least one object");
  for (const TInstProp& e : Entries) {
    if (!e.PropInfo) RaiseNoProperty("(none)");
    if (PropertyOf(e.Instance, e.PropInfo->Name) != e.PropInfo) RaiseNoProperty(std::string(e.PropInfo->Name));
  }
  FDesigner = Designer;
  FEntries = std::move(Entries);
}

TPropertyAttributes TPropertyEditor::GetAttributes() { return {paMultiSelect, paRevertable}; }

std::string TPropertyEditor::GetName() { return std::string(GetPropInfo()->Name); }

TPersistent* TPropertyEditor::GetComponent(int Index) const {
  if (Index < 0 || Index >= GetPropCount()) throw EListError("List index out of bounds (%d)", {Index});
  return FEntries[static_cast<std::size_t>(Index)].Instance;
}

bool TPropertyEditor::AllEqual() {
  const Variant first = GetVarValue();
  for (int i = 1; i < GetPropCount(); ++i)
    if (!(GetVarValueAt(i) == first)) return false;
  return true;
}

std::string TPropertyEditor::GetValue() { return "(unknown)"; }
void TPropertyEditor::SetValue(const std::string&) {}
void TPropertyEditor::GetValues(TGetStrProc) {}
void TPropertyEditor::GetProperties(const TGetPropEditProc&) {}

void TPropertyEditor::Edit() {
  if (!GetAttributes().Contains(paValueList)) return;
  std::vector<std::string> values;
  GetValues([&](const std::string& v) { values.push_back(v); });
  if (values.empty()) return;
  const std::string current = GetValue();
  std::size_t next = 0;
  for (std::size_t i = 0; i < values.size(); ++i)
    if (AnsiSameText(values[i], current)) next = (i + 1) % values.size();
  SetValue(values[next]);
}

// ------------------------------------------------------------------- values

Variant TPropertyEditor::GetVarValueAt(int Index) const {
  const TInstProp& e = FEntries.at(static_cast<std::size_t>(Index));
  return GetPropValue(e.Instance, *e.PropInfo);
}

int64_t TPropertyEditor::GetOrdValueAt(int Index) const { return GetVarValueAt(Index).AsInt64(); }
std::string TPropertyEditor::GetStrValueAt(int Index) const { return GetVarValueAt(Index).AsString(); }
double TPropertyEditor::GetFloatValueAt(int Index) const { return GetVarValueAt(Index).AsDouble(); }

// Writes every object; when one write fails, the objects written before get
// their old values back and the error goes on.
void TPropertyEditor::SetVarValue(const Variant& Value) {
  std::vector<Variant> old;
  for (int i = 0; i < GetPropCount(); ++i) old.push_back(GetVarValueAt(i));
  std::size_t written = 0;
  try {
    for (; written < FEntries.size(); ++written)
      SetPropValue(FEntries[written].Instance, *FEntries[written].PropInfo, Value);
  } catch (...) {
    for (std::size_t i = 0; i < written; ++i) SetPropValue(FEntries[i].Instance, *FEntries[i].PropInfo, old[i]);
    throw;
  }
  Modified();
}

void TPropertyEditor::SetOrdValue(int64_t Value) { SetVarValue(Variant(Value)); }
void TPropertyEditor::SetStrValue(const std::string& Value) { SetVarValue(Variant(Value)); }
void TPropertyEditor::SetFloatValue(double Value) { SetVarValue(Variant(Value)); }

void TPropertyEditor::Modified() {
  if (FDesigner) FDesigner->Modified();
}

// ------------------------------------------------------------ making editors

namespace {

// The editor of Prop for the objects, each of which has a property of that
// name and type; null when the registration gives an editor that cannot
// serve several objects at once.
TOwned<TPropertyEditor> MakeEditor(IFormDesigner* Designer, const std::vector<TPersistent*>& Instances,
                                   const TPropInfo* Prop) {
  std::vector<TInstProp> entries;
  for (TPersistent* instance : Instances) {
    const TPropInfo* own = PropertyOf(instance, Prop->Name);
    if (!own) RaiseNoProperty(std::string(Prop->Name));
    if (own->PropType != Prop->PropType) return nullptr;
    entries.push_back({instance, own});
  }
  TClass editorClass = GetPropertyEditorClass(Prop, Instances.front());
  TOwned<TPropertyEditor> editor(static_cast<TPropertyEditor*>(editorClass->Create()));
  editor->Initialize(Designer, std::move(entries));
  if (Instances.size() > 1 && !editor->GetAttributes().Contains(paMultiSelect)) return nullptr;
  return editor;
}

}  // namespace

void GetComponentProperties(IFormDesigner* Designer, const std::vector<TPersistent*>& Instances,
                            const TGetPropEditProc& Proc) {
  if (Instances.empty()) return;
  for (const TPropInfo* prop : host::GetPropList(Instances.front()->ClassType())) {
    bool common = true;
    for (TPersistent* instance : Instances) common = common && PropertyOf(instance, prop->Name) != nullptr;
    if (!common) continue;
    if (TOwned<TPropertyEditor> editor = MakeEditor(Designer, Instances, prop)) Proc(std::move(editor));
  }
}

TOwned<TPropertyEditor> CreatePropertyEditor(IFormDesigner* Designer, const std::vector<TPersistent*>& Instances,
                                             const std::string& PropName) {
  if (Instances.empty()) throw EPropertyError("No object is selected");
  const TPropInfo* prop = PropertyOf(Instances.front(), PropName);
  if (!prop) RaiseNoProperty(PropName);
  TOwned<TPropertyEditor> editor = MakeEditor(Designer, Instances, prop);
  if (!editor) throw EPropertyError("Property %s cannot be edited for these objects together", {PropName});
  return editor;
}

}  // namespace host
