#include "editors/kelvaluepage.h"

#include "connections/kelconlist.h"
#include "editors/kelpropindex.h"
#include "host/classes/typinfo.h"
#include "host/comctrls/pagecontrol.h"

namespace kel {

using host::TComponent;

namespace {

const host::TPropInfo& PropOf(host::TPersistent* Subject, const char* Name) {
  const host::TPropInfo* prop = host::GetPropInfo(Subject->ClassType(), Name);
  if (!prop) throw host::EPropertyError("%s has no property %s", {Subject->ClassName(), std::string(Name)});
  return *prop;
}

}  // namespace

TkelValuePage::TkelValuePage(TkelEditorDialog& Dialog, const TkelValueNames& Names,
                             std::function<TkelEventInfo*()> Event)
    : FDialog(Dialog),
      FNames(Names),
      FEvent(std::move(Event)),
      pcValue(Dialog.Find<host::TPageControl>("pcValue")),
      edConstant(Dialog.Find<host::TEdit>("edConstant")),
      cbComponent(Dialog.Find<host::TComboBox>("cbComponent")),
      lbComponentProperty(Dialog.Find<host::TListBox>("lbComponentProperty")),
      edComponentPropertyIndex(Dialog.Find<host::TEdit>("edComponentPropertyIndex")),
      btComponentPropertyIndex(Dialog.Find<host::TButton>("btComponentPropertyIndex")),
      lbEventParameter(Dialog.Find<host::TListBox>("lbEventParameter")) {
  pcValue->OnChange = [this](host::TObject*) { PageChange(); };
  edConstant->OnChange = [this](host::TObject*) { ConstantChange(); };
  Dialog.HookCommit(cbComponent, [this] { ComponentCommit(); });
  lbComponentProperty->OnClick = [this](host::TObject*) { PropertyClick(); };
  btComponentPropertyIndex->OnClick = [this](host::TObject*) { IndexClick(); };
  lbEventParameter->OnClick = [this](host::TObject*) { EventParameterClick(); };
}

// ------------------------------------------------------------ the subject

std::string TkelValuePage::Text(const char* Name) const {
  return host::VarToStr(host::GetPropValue(FSubject, PropOf(FSubject, Name)));
}

void TkelValuePage::SetText(const char* Name, const std::string& Value) {
  host::SetPropValue(FSubject, PropOf(FSubject, Name), host::Variant(Value));
}

TComponent* TkelValuePage::Component() const {
  return FSubject ? dynamic_cast<TComponent*>(host::GetObjectProp(FSubject, PropOf(FSubject, FNames.Component)))
                  : nullptr;
}

TkelClassInfo* TkelValuePage::ComponentInfo() const {
  TComponent* component = Component();
  return component && TkelClassRegistry::FindClass(component->ClassName()) ? TkelClassRegistry::GetInfo(component)
                                                                           : nullptr;
}

TkelPropertyInfo* TkelValuePage::PropertyInfo() const {
  TkelClassInfo* info = ComponentInfo();
  return info ? info->FindProperty(Text(FNames.Property)) : nullptr;
}

// ---------------------------------------------------------------- showing

void TkelValuePage::Show() {
  if (!FSubject) return;
  const int64_t options = host::GetOrdProp(FSubject, PropOf(FSubject, FNames.Options));
  if (options < voConstant || options > voEventProperty) throw host::Exception(FNames.OptionsError);
  pcValue->SetActivePageIndex(static_cast<int32_t>(options));
  edConstant->SetText(Text(FNames.Constant));
  FDialog.FillChooser(cbComponent, Component());
  UpdateComponent();
  UpdateComponentIndex();
  UpdateEventParameter();
}

void TkelValuePage::UpdateComponent() {
  kelFillList(lbComponentProperty, kelPropertyNames(FSubject ? ComponentInfo() : nullptr, psReadable),
              FSubject ? Text(FNames.Property) : std::string());
}

void TkelValuePage::UpdateComponentIndex() {
  TkelPropertyInfo* property = FSubject ? PropertyInfo() : nullptr;
  edComponentPropertyIndex->SetText(kelIndexDisplay(property));
  btComponentPropertyIndex->SetEnabled(property && property->GetIndexCount() > 0);
}

void TkelValuePage::UpdateEventParameter() {
  TkelEventInfo* event = FSubject ? FEvent() : nullptr;
  std::vector<std::string> names;
  for (int i = 0; event && i < event->GetArgCount(); ++i) names.push_back(event->GetArgs(i)->Name);
  kelFillList(lbEventParameter, names, FSubject ? Text(FNames.EventParameter) : std::string());
}

// --------------------------------------------------------------- commands

void TkelValuePage::PageChange() {
  if (!FSubject) return;
  const int32_t page = pcValue->GetActivePageIndex();
  if (page < voConstant || page > voEventProperty)
    throw host::Exception("Internal Error. Unknown value of pcValue.ActivePageIndex");
  host::SetOrdProp(FSubject, PropOf(FSubject, FNames.Options), page);
  FDialog.Modified();
}

void TkelValuePage::ConstantChange() {
  if (!FSubject) return;
  SetText(FNames.Constant, edConstant->GetText());
  FDialog.Modified();
}

void TkelValuePage::ComponentCommit() {
  if (!FSubject) return;
  const host::TPropInfo& prop = PropOf(FSubject, FNames.Component);
  if (FDialog.CommitChooser(cbComponent, Component(),
                            [&](TComponent* c) { host::SetObjectProp(FSubject, prop, c); })) {
    UpdateComponent();
    UpdateComponentIndex();
    FDialog.Modified();
  }
}

void TkelValuePage::PropertyClick() {
  const std::string name = kelChosenItem(lbComponentProperty);
  if (!FSubject || name.empty()) return;
  SetText(FNames.Property, name);
  FDialog.Modified();
  UpdateComponentIndex();
}

void TkelValuePage::IndexClick() {
  TkelPropertyInfo* property = FSubject ? PropertyInfo() : nullptr;
  if (!property) return;
  const host::TPropInfo& prop = PropOf(FSubject, FNames.PropertyIndex);
  kelEditIndex(FDialog, FSubject, property, host::GetPropValue(FSubject, prop), [&](const host::Variant& Index) {
    if (!FSubject) return false;
    host::SetPropValue(FSubject, prop, Index);
    return true;
  });
}

void TkelValuePage::EventParameterClick() {
  const std::string name = kelChosenItem(lbEventParameter);
  if (!FSubject || name.empty()) return;
  SetText(FNames.EventParameter, name);
  FDialog.Modified();
}

// ------------------------------------------------------------------ index

void kelEditIndex(TkelEditorDialog& Dialog, host::TObject* Instance, TkelPropertyInfo* Property,
                  const host::Variant& Current, const std::function<bool(const host::Variant&)>& Store) {
  if (Store(kelEditIndexValues(Dialog.GetFormDesigner(), Instance, Current, Property))) Dialog.Modified();
}

}  // namespace kel
