#include "editors/kelpropeditors.h"

#include "connections/kele2m.h"
#include "connections/kele2p.h"
#include "connections/kelp2p.h"
#include "editors/keldialog.h"
#include "editors/kellinksedit.h"
#include "editors/kelpropindex.h"
#include "host/classes/typinfo.h"

namespace kel {

HOST_IMPL(TkelClassTypeNameProperty, host::TStringProperty)
HOST_IMPL(TkelComponentProperty, host::TComponentProperty)
HOST_IMPL(TkelFeatureNameProperty, host::TStringProperty)
HOST_IMPL(TkelPropertyInfoProperty, TkelFeatureNameProperty)
HOST_IMPL(TkelEventInfoProperty, TkelFeatureNameProperty)
HOST_IMPL(TkelMethodInfoProperty, TkelFeatureNameProperty)
HOST_IMPL(TkelEventParamProperty, TkelFeatureNameProperty)
HOST_IMPL(TkelPropertyIndexesProperty, host::TPropertyEditor)
HOST_IMPL(TkelMethodParamProperty, host::TStringProperty)
HOST_IMPL(TkelMethodParamsProperty, host::TClassProperty)

using host::EPropertyError;
using host::TPersistent;
using host::TPropertyAttributes;

namespace {

constexpr char SUnknownProperty[] = "Unknown property!";
constexpr char SUnknownPropertyName[] = "Unknown property name!";

constexpr TPropertyAttributes kNameList{host::paValueList, host::paSortList, host::paRevertable};

TkelClassInfo* SourceInfo(TPersistent* Object) {
  auto* connection = dynamic_cast<TkelConnection*>(Object);
  return connection ? connection->GetSourceInfo() : nullptr;
}
TkelClassInfo* TargetInfo(TPersistent* Object) {
  auto* connection = dynamic_cast<TkelConnection*>(Object);
  return connection ? connection->GetTargetInfo() : nullptr;
}
TkelClassInfo* ValueComponentInfo(TPersistent* Object) {
  auto* e2p = dynamic_cast<TkelE2PConnection*>(Object);
  return e2p ? e2p->GetValueComponentInfo() : nullptr;
}
TkelClassInfo* BindingComponentInfo(TPersistent* Object) {
  auto* binding = dynamic_cast<TkelParameterConnection*>(Object);
  return binding ? binding->GetComponentInfo() : nullptr;
}

// Which descriptor a property of that name refers to.
struct TkelDescriptorRoute {
  const char* Property;
  TkelClassInfo* (*Info)(TPersistent*);
  TkelPropertyStyleElement Access;  // for property names: what they must allow
};

constexpr TkelDescriptorRoute kPropertyRoutes[] = {{"SourceProperty", SourceInfo, psReadable},
                                                   {"TargetProperty", TargetInfo, psWritable},
                                                   {"ValueComponentProperty", ValueComponentInfo, psReadable},
                                                   {"ComponentProperty", BindingComponentInfo, psReadable}};
constexpr TkelDescriptorRoute kEventRoutes[] = {{"SourceEvent", SourceInfo, psReadable},
                                                {"TargetEvent", TargetInfo, psReadable}};
constexpr TkelDescriptorRoute kMethodRoutes[] = {{"TargetMethod", TargetInfo, psReadable}};

template <std::size_t N>
const TkelDescriptorRoute& RouteOf(const TkelDescriptorRoute (&Routes)[N], const std::string& Name) {
  for (const TkelDescriptorRoute& route : Routes)
    if (Name == route.Property) return route;
  throw EPropertyError(SUnknownProperty);
}

template <std::size_t N>
TkelClassInfo* InfoOf(host::TPropertyEditor& Editor, const TkelDescriptorRoute (&Routes)[N]) {
  return RouteOf(Routes, Editor.GetName()).Info(Editor.GetComponent(0));
}

// The source event of an event-to-property connection or of a binding's
// connection.
TkelEventInfo* SourceEventOf(TPersistent* Object) {
  if (auto* e2p = dynamic_cast<TkelE2PConnection*>(Object)) return e2p->GetSourceEventInfo();
  if (auto* binding = dynamic_cast<TkelParameterConnection*>(Object)) {
    TkelE2MConnection* connection = binding->GetConnection();
    return connection ? connection->GetSourceEventInfo() : nullptr;
  }
  throw EPropertyError(SUnknownProperty);
}

}  // namespace

// ----------------------------------------------------------- class names

TPropertyAttributes TkelClassTypeNameProperty::GetAttributes() { return kNameList; }

void TkelClassTypeNameProperty::GetValues(host::TGetStrProc Proc) {
  TkelClassRegistry::Iterate([&](const std::string& ClassName) { Proc(ClassName); });
}

// ------------------------------------------------------------- components

void TkelComponentProperty::GetValues(host::TGetStrProc Proc) {
  host::IFormDesigner* designer = GetDesigner();
  inherited::GetValues([&](const std::string& Name) {
    host::TComponent* component = designer ? designer->GetComponent(Name) : nullptr;
    if (component && TkelClassRegistry::FindClass(component->ClassName())) Proc(Name);
  });
}

// ------------------------------------------------------------ feature names

TPropertyAttributes TkelFeatureNameProperty::GetAttributes() { return kNameList; }

void TkelFeatureNameProperty::GetValues(host::TGetStrProc Proc) {
  for (const std::string& name : Names()) Proc(name);
}

void TkelFeatureNameProperty::SetValue(const std::string& Value) {
  if (Value.empty() || !CanCheck()) return inherited::SetValue("");
  if (!Knows(Value)) throw EPropertyError(SUnknownPropertyName);
  inherited::SetValue(Value);
}

std::vector<std::string> TkelPropertyInfoProperty::Names() {
  const TkelDescriptorRoute& route = RouteOf(kPropertyRoutes, GetName());
  return kelPropertyNames(route.Info(GetComponent(0)), route.Access);
}
bool TkelPropertyInfoProperty::Knows(const std::string& Name) {
  return InfoOf(*this, kPropertyRoutes)->FindProperty(Name) != nullptr;
}
bool TkelPropertyInfoProperty::CanCheck() { return InfoOf(*this, kPropertyRoutes) != nullptr; }

std::vector<std::string> TkelEventInfoProperty::Names() { return kelEventNames(InfoOf(*this, kEventRoutes)); }
bool TkelEventInfoProperty::Knows(const std::string& Name) {
  return InfoOf(*this, kEventRoutes)->FindEvent(Name) != nullptr;
}
bool TkelEventInfoProperty::CanCheck() { return InfoOf(*this, kEventRoutes) != nullptr; }

void TkelMethodInfoProperty::SetValue(const std::string& Value) {
  RouteOf(kMethodRoutes, GetName());
  inherited::SetValue(Value);
}
std::vector<std::string> TkelMethodInfoProperty::Names() { return kelMethodNames(InfoOf(*this, kMethodRoutes)); }
bool TkelMethodInfoProperty::Knows(const std::string& Name) {
  return InfoOf(*this, kMethodRoutes)->FindMethod(Name) != nullptr;
}
bool TkelMethodInfoProperty::CanCheck() { return InfoOf(*this, kMethodRoutes) != nullptr; }

TPropertyAttributes TkelEventParamProperty::GetAttributes() { return {host::paValueList, host::paRevertable}; }
std::vector<std::string> TkelEventParamProperty::Names() {
  std::vector<std::string> names;
  TkelEventInfo* event = SourceEventOf(GetComponent(0));
  for (int i = 0; event && i < event->GetArgCount(); ++i) names.push_back(event->GetArgs(i)->Name);
  return names;
}
bool TkelEventParamProperty::Knows(const std::string& Name) { return SourceEventOf(GetComponent(0))->Find(Name); }
bool TkelEventParamProperty::CanCheck() { return SourceEventOf(GetComponent(0)) != nullptr; }

// ----------------------------------------------------------------- indexes

TkelPropertyInfo* TkelPropertyIndexesProperty::Record() {
  TPersistent* object = GetComponent(0);
  const std::string name = GetName();
  auto* p2p = dynamic_cast<TkelP2PConnection*>(object);
  auto* e2p = dynamic_cast<TkelE2PConnection*>(object);
  if (name == "SourcePropertyIndex" && p2p) return p2p->GetSourcePropertyInfo();
  if (name == "TargetPropertyIndex" && p2p) return p2p->GetTargetPropertyInfo();
  if (name == "TargetPropertyIndex" && e2p) return e2p->GetTargetPropertyInfo();
  if (name == "ValueComponentPropertyIndex" && e2p) return e2p->GetValueComponentPropertyInfo();
  if (auto* binding = dynamic_cast<TkelParameterConnection*>(object); binding && name == "ComponentPropertyIndex")
    return binding->GetComponentInfo() ? binding->GetComponentPropertyInfo() : nullptr;
  throw EPropertyError(SUnknownProperty);
}

TPropertyAttributes TkelPropertyIndexesProperty::GetAttributes() {
  TkelPropertyInfo* record = Record();
  TPropertyAttributes attributes{host::paReadOnly};
  if (record && record->GetIndexCount() > 0) attributes.Include(host::paDialog);
  return attributes;
}

std::string TkelPropertyIndexesProperty::GetValue() { return kelIndexDisplay(Record()); }

void TkelPropertyIndexesProperty::Edit() {
  TkelPropertyInfo* record = Record();
  if (!record || record->GetIndexCount() == 0) return;
  SetVarValue(kelEditIndexValues(GetDesigner(), GetComponent(0), GetVarValue(), record));
  Modified();
}

// --------------------------------------------------------------- bindings

TPropertyAttributes TkelMethodParamProperty::GetAttributes() { return {host::paReadOnly}; }

TPropertyAttributes TkelMethodParamsProperty::GetAttributes() { return {host::paReadOnly, host::paDialog}; }

void TkelMethodParamsProperty::Edit() {
  auto* bindings = dynamic_cast<TkelParameterConnections*>(host::GetObjectProp(GetComponent(0), *GetPropInfo()));
  if (bindings && bindings->GetOwnerConnection())
    kelShowMethodParameterEditor(GetDesigner(), bindings->GetOwnerConnection());
}

}  // namespace kel
