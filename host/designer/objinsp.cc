#include "host/designer/objinsp.h"

#include <algorithm>

namespace host {

HOST_IMPL(TObjectInspectorModel, TObject)

namespace {

bool NameLess(const std::string& a, const std::string& b) { return AnsiCompareText(a, b) < 0; }

}  // namespace

TObjectInspectorModel::TObjectInspectorModel(TFormDesigner* Designer) : FDesigner(Designer) {
  if (!Designer) throw EInvalidOperation("An object inspector needs a form designer");
  FDesigner->AddListener(this);
  Refresh();
}

void TObjectInspectorModel::Destroy() {
  if (FDesigner) FDesigner->RemoveListener(this);
  FRows.clear();
  inherited::Destroy();
}

// -------------------------------------------------------------------- rows

const TInspectorRow& TObjectInspectorModel::GetRow(int Index) const {
  if (Index < 0 || Index >= GetRowCount()) throw EListError("List index out of bounds (%d)", {Index});
  return FRows[static_cast<std::size_t>(Index)].Row;
}

const TInspectorRow* TObjectInspectorModel::FindRow(const std::string& Name) const {
  for (const TEntry& e : FRows)
    if (AnsiSameText(e.Row.Name, Name)) return &e.Row;
  return nullptr;
}

std::vector<std::string> TObjectInspectorModel::RowNames() const {
  std::vector<std::string> names;
  for (const TEntry& e : FRows) names.push_back(e.Row.Name);
  return names;
}

TObjectInspectorModel::TEntry& TObjectInspectorModel::Entry(const std::string& Name) {
  for (TEntry& e : FRows)
    if (AnsiSameText(e.Row.Name, Name)) return e;
  throw EPropertyError("Property %s does not exist", {Name});
}

void TObjectInspectorModel::Describe(TInspectorRow& Row, TPropertyEditor* Editor) {
  Row.Attributes = Editor->GetAttributes();
  Row.ReadOnly = Row.Attributes.Contains(paReadOnly);
  Row.Value = Editor->AllEqual() ? Editor->GetValue() : std::string();
  Row.Values.clear();
  if (!Row.Attributes.Contains(paValueList)) return;
  Editor->GetValues([&Row](const std::string& v) { Row.Values.push_back(v); });
  if (Row.Attributes.Contains(paSortList)) std::stable_sort(Row.Values.begin(), Row.Values.end(), NameLess);
}

void TObjectInspectorModel::AddRows(std::vector<TOwned<TPropertyEditor>> Editors, const std::string& Prefix,
                                    int Level) {
  std::stable_sort(Editors.begin(), Editors.end(),
                   [](const auto& a, const auto& b) { return NameLess(a->GetName(), b->GetName()); });
  for (TOwned<TPropertyEditor>& editor : Editors) {
    TEntry entry;
    entry.Row.Name = Prefix + editor->GetName();
    entry.Row.Level = Level;
    Describe(entry.Row, editor.get());
    entry.Row.Expanded = entry.Row.Attributes.Contains(paSubProperties) && FExpanded.count(entry.Row.Name) > 0;
    entry.Row.Editor = editor.get();
    std::vector<TOwned<TPropertyEditor>> subs;
    if (entry.Row.Expanded) editor->GetProperties([&subs](TOwned<TPropertyEditor> e) { subs.push_back(std::move(e)); });
    entry.Editor = std::move(editor);
    const std::string prefix = entry.Row.Name + ".";
    FRows.push_back(std::move(entry));
    AddRows(std::move(subs), prefix, Level + 1);
  }
}

void TObjectInspectorModel::Refresh() {
  if (FBusy > 0) {
    FRebuildPending = true;
    return;
  }
  FRows.clear();
  if (FDesigner && !FDesigner->Selection().empty()) {
    std::vector<TOwned<TPropertyEditor>> editors;
    GetComponentProperties(FDesigner, FDesigner->Selection(),
                           [&editors](TOwned<TPropertyEditor> e) { editors.push_back(std::move(e)); });
    AddRows(std::move(editors), "", 0);
  }
  Changed();
}

void TObjectInspectorModel::RefreshValues() {
  if (FBusy > 0) {
    FRefreshPending = true;
    return;
  }
  for (TEntry& e : FRows) Describe(e.Row, e.Editor.get());
  Changed();
}

void TObjectInspectorModel::Changed() {
  if (OnChange) OnChange(this);
}

// ----------------------------------------------------------------- editing

template <class F>
void TObjectInspectorModel::Working(F&& Work) {
  const auto flush = [this] {
    if (--FBusy > 0) return;
    const bool rebuild = std::exchange(FRebuildPending, false), refresh = std::exchange(FRefreshPending, false);
    if (rebuild)
      Refresh();
    else if (refresh)
      RefreshValues();
  };
  ++FBusy;
  try {
    Work();
  } catch (...) {
    flush();
    throw;
  }
  flush();
}

void TObjectInspectorModel::SetValue(const std::string& Name, const std::string& Value) {
  TEntry& entry = Entry(Name);
  if (entry.Row.ReadOnly) throw EPropertyError("Property %s is read-only", {entry.Row.Name});
  Working([&] { entry.Editor->SetValue(Value); });
}

void TObjectInspectorModel::Edit(const std::string& Name) {
  TEntry& entry = Entry(Name);
  if (!entry.Row.Attributes.Contains(paDialog)) throw EPropertyError("Property %s has no dialog", {entry.Row.Name});
  Working([&] { entry.Editor->Edit(); });
}

void TObjectInspectorModel::Expand(const std::string& Name, bool Expanded) {
  TEntry& entry = Entry(Name);
  if (!entry.Row.Attributes.Contains(paSubProperties))
    throw EPropertyError("Property %s has no sub-properties", {entry.Row.Name});
  if (Expanded)
    FExpanded.insert(entry.Row.Name);
  else
    FExpanded.erase(entry.Row.Name);
  Refresh();
}

// -------------------------------------------------------- designer's news

void TObjectInspectorModel::DesignerModified() { RefreshValues(); }
void TObjectInspectorModel::SelectionChanged() { Refresh(); }

void TObjectInspectorModel::DesignerDestroying() {
  FDesigner = nullptr;
  FRows.clear();
  Changed();
}

}  // namespace host
