// The property editors of the connections: in the object inspector every
// name-valued property of a connection or a parameter binding becomes a
// drop-down list of the features that the chosen component really has
// (from its descriptor), a typed name is checked against it, the index
// properties show their index names and edit the values behind "...", and
// the parameter bindings open the method parameter list.
//
// Which descriptor a name editor asks goes by the edited property's name:
// SourceProperty, SourceEvent → the source's; TargetProperty, TargetEvent,
// TargetMethod → the target's; ValueComponentProperty → the value
// component's of an event-to-property connection; ComponentProperty → the
// component's of a parameter binding. Another name raises EPropertyError
// "Unknown property!". A typed name the descriptor lacks (names match in
// exact case) raises EPropertyError "Unknown property name!" and the old
// value stays; an empty text, or no descriptor to ask, stores empty.
#pragma once

#include "core/kelcommon.h"
#include "host/designer/propeditors.h"

namespace kel {

// The class name of a variable: any text; the list holds every described
// class.
class TkelClassTypeNameProperty : public host::TStringProperty {
  HOST_PROPERTY_EDITOR(TkelClassTypeNameProperty, host::TStringProperty)
  host::TPropertyAttributes GetAttributes() override;
  void GetValues(host::TGetStrProc Proc) override;
};

// Component references: the form's components whose classes are described.
class TkelComponentProperty : public host::TComponentProperty {
  HOST_PROPERTY_EDITOR(TkelComponentProperty, host::TComponentProperty)
  void GetValues(host::TGetStrProc Proc) override;
};

// What the three name editors share: the list, the check and the store.
class TkelFeatureNameProperty : public host::TStringProperty {
  HOST_PROPERTY_EDITOR(TkelFeatureNameProperty, host::TStringProperty)
  host::TPropertyAttributes GetAttributes() override;
  void GetValues(host::TGetStrProc Proc) override;
  void SetValue(const std::string& Value) override;

 protected:
  // The names offered, and whether a typed name is one (both null-safe:
  // false and nothing without a descriptor or record).
  virtual std::vector<std::string> Names() = 0;
  virtual bool Knows(const std::string& Name) = 0;
  // Whether there is anything to check a name against.
  virtual bool CanCheck() = 0;
};

class TkelPropertyInfoProperty : public TkelFeatureNameProperty {
  HOST_PROPERTY_EDITOR(TkelPropertyInfoProperty, TkelFeatureNameProperty)

 protected:
  std::vector<std::string> Names() override;
  bool Knows(const std::string& Name) override;
  bool CanCheck() override;
};

class TkelEventInfoProperty : public TkelFeatureNameProperty {
  HOST_PROPERTY_EDITOR(TkelEventInfoProperty, TkelFeatureNameProperty)

 protected:
  std::vector<std::string> Names() override;
  bool Knows(const std::string& Name) override;
  bool CanCheck() override;
};

class TkelMethodInfoProperty : public TkelFeatureNameProperty {
  HOST_PROPERTY_EDITOR(TkelMethodInfoProperty, TkelFeatureNameProperty)
  void SetValue(const std::string& Value) override;

 protected:
  std::vector<std::string> Names() override;
  bool Knows(const std::string& Name) override;
  bool CanCheck() override;
};

// The event parameter of an event-to-property connection or a binding: the
// source event's parameters in declaration order (not sorted).
class TkelEventParamProperty : public TkelFeatureNameProperty {
  HOST_PROPERTY_EDITOR(TkelEventParamProperty, TkelFeatureNameProperty)
  host::TPropertyAttributes GetAttributes() override;

 protected:
  std::vector<std::string> Names() override;
  bool Knows(const std::string& Name) override;
  bool CanCheck() override;
};

// Index arrays: "[A, B]" of the indexed property's index names ("(None)"),
// read-only; "..." edits the values in the property index editor.
class TkelPropertyIndexesProperty : public host::TPropertyEditor {
  HOST_PROPERTY_EDITOR(TkelPropertyIndexesProperty, host::TPropertyEditor)
  host::TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void Edit() override;

 private:
  TkelPropertyInfo* Record();
};

// A binding's parameter name: shown, not edited.
class TkelMethodParamProperty : public host::TStringProperty {
  HOST_PROPERTY_EDITOR(TkelMethodParamProperty, host::TStringProperty)
  host::TPropertyAttributes GetAttributes() override;
};

// The bindings of an event-to-method connection: "..." opens their list.
class TkelMethodParamsProperty : public host::TClassProperty {
  HOST_PROPERTY_EDITOR(TkelMethodParamsProperty, host::TClassProperty)
  host::TPropertyAttributes GetAttributes() override;
  void Edit() override;
};

}  // namespace kel
