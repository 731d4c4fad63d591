#include "registration/kelreg.h"

#include <string>

#include "connections/kelconlist.h"
#include "connections/kele2m.h"
#include "connections/kele2p.h"
#include "connections/kelp2p.h"
#include "connections/kelvar.h"
#include "editors/kelcompeditors.h"
#include "editors/kelpropeditors.h"
#include "host/classes/typinfo.h"
#include "host/designer/designreg.h"

namespace kel::kelreg {

namespace {

using host::detail::TypeInfoOf;

struct TkelEditorRegistration {
  const host::TTypeInfo* (*Type)();
  host::TClass Component;
  const char* Property;
  host::TClass Editor;
};

const host::TTypeInfo* ComponentType() { return TypeInfoOf<host::TComponent*>(); }
const host::TTypeInfo* StringType() { return TypeInfoOf<std::string>(); }
const host::TTypeInfo* VariantType() { return TypeInfoOf<host::Variant>(); }
const host::TTypeInfo* BindingsType() { return TypeInfoOf<TkelParameterConnections*>(); }

// In registration order.
const TkelEditorRegistration kPropertyEditors[] = {
    {ComponentType, &TkelConnection::StaticMetaClass, "", &TkelComponentProperty::StaticMetaClass},
    {StringType, &TkelP2PConnection::StaticMetaClass, "SourceProperty", &TkelPropertyInfoProperty::StaticMetaClass},
    {VariantType, &TkelP2PConnection::StaticMetaClass, "SourcePropertyIndex",
     &TkelPropertyIndexesProperty::StaticMetaClass},
    {StringType, &TkelP2PConnection::StaticMetaClass, "SourceEvent", &TkelEventInfoProperty::StaticMetaClass},
    {StringType, &TkelP2PConnection::StaticMetaClass, "TargetProperty", &TkelPropertyInfoProperty::StaticMetaClass},
    {VariantType, &TkelP2PConnection::StaticMetaClass, "TargetPropertyIndex",
     &TkelPropertyIndexesProperty::StaticMetaClass},
    {StringType, &TkelP2PConnection::StaticMetaClass, "TargetEvent", &TkelEventInfoProperty::StaticMetaClass},
    {StringType, &TkelE2PConnection::StaticMetaClass, "SourceEvent", &TkelEventInfoProperty::StaticMetaClass},
    {StringType, &TkelE2PConnection::StaticMetaClass, "TargetProperty", &TkelPropertyInfoProperty::StaticMetaClass},
    {VariantType, &TkelE2PConnection::StaticMetaClass, "TargetPropertyIndex",
     &TkelPropertyIndexesProperty::StaticMetaClass},
    {StringType, &TkelE2PConnection::StaticMetaClass, "ValueComponentProperty",
     &TkelPropertyInfoProperty::StaticMetaClass},
    {VariantType, &TkelE2PConnection::StaticMetaClass, "ValueComponentPropertyIndex",
     &TkelPropertyIndexesProperty::StaticMetaClass},
    {StringType, &TkelE2PConnection::StaticMetaClass, "ValueEventParameter", &TkelEventParamProperty::StaticMetaClass},
    {StringType, &TkelE2MConnection::StaticMetaClass, "SourceEvent", &TkelEventInfoProperty::StaticMetaClass},
    {StringType, &TkelE2MConnection::StaticMetaClass, "TargetMethod", &TkelMethodInfoProperty::StaticMetaClass},
    {BindingsType, &TkelE2MConnection::StaticMetaClass, "TargetMethodParameters",
     &TkelMethodParamsProperty::StaticMetaClass},
    {ComponentType, &TkelParameterConnection::StaticMetaClass, "Component", &TkelComponentProperty::StaticMetaClass},
    {StringType, &TkelParameterConnection::StaticMetaClass, "ParameterName", &TkelMethodParamProperty::StaticMetaClass},
    {StringType, &TkelParameterConnection::StaticMetaClass, "ComponentProperty",
     &TkelPropertyInfoProperty::StaticMetaClass},
    {VariantType, &TkelParameterConnection::StaticMetaClass, "ComponentPropertyIndex",
     &TkelPropertyIndexesProperty::StaticMetaClass},
    {StringType, &TkelParameterConnection::StaticMetaClass, "EventParameter", &TkelEventParamProperty::StaticMetaClass},
    {StringType, &TkelVariable::StaticMetaClass, "ClassTypeName", &TkelClassTypeNameProperty::StaticMetaClass},
};

}  // namespace

void Initialize() {
  host::RegisterClasses({&TkelConnectionList::StaticMetaClass, &TkelConnection::StaticMetaClass,
                         &TkelP2PConnection::StaticMetaClass, &TkelE2PConnection::StaticMetaClass,
                         &TkelE2MConnection::StaticMetaClass});
}

void Finalize() {}

void Register() {
  for (const TkelEditorRegistration& r : kPropertyEditors)
    host::RegisterPropertyEditor(r.Type(), r.Component, r.Property, r.Editor);
  host::RegisterComponentEditor(&TkelConnectionList::StaticMetaClass, &TkelConnectionListEditor::StaticMetaClass);
  host::RegisterComponentEditor(&TkelVariable::StaticMetaClass, &TkelVariableEditor::StaticMetaClass);
  host::RegisterNoIcon({&TkelP2PConnection::StaticMetaClass, &TkelE2PConnection::StaticMetaClass,
                        &TkelE2MConnection::StaticMetaClass});
  host::RegisterComponents("Corvane", {&TkelVariable::StaticMetaClass, &TkelConnectionList::StaticMetaClass});
}

}  // namespace kel::kelreg
