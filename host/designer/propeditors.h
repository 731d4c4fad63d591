// The standard property editors, one per kind of property type; editors of
// particular properties derive from them.
//
//   TOrdinalProperty   integers, characters, enumerations and sets
//   TIntegerProperty   decimal text (or the identifier of a value, for a
//                      type with identifiers such as TColor); checks the
//                      type's range
//   TCharProperty      the character, or #n for an unprintable one
//   TEnumProperty      the member's name; the members as a sorted list
//   TBoolProperty      False / True
//   TSetProperty       "[a,b]"; typed back the same way; one Boolean
//                      sub-property per member (TSetElementProperty)
//   TFloatProperty     the number, '.' as decimal separator
//   TStringProperty    the text, stored through the property's setter
//   TClassProperty     "(TClassName)", read-only; the held object's
//                      published properties as sub-properties
//   TComponentProperty the referenced component's name; the designed
//                      form's components of the property's class as a
//                      sorted list; a typed name is looked up on the form
//   TVariantProperty   the value as text ("Null" for Null); a typed text
//                      is stored as a string, an empty one as Unassigned
#pragma once

#include <string>

#include "host/designer/propedit.h"

namespace host {

// In the body of a property editor class: its class record, the public
// constructor taking nothing that the registration creates it with, and the
// hidden destructor of host objects.
#define HOST_PROPERTY_EDITOR(Self, Parent) \
  HOST_CLASS(Self, Parent)                 \
  Self() = default;                        \
                                           \
 protected:                                \
  ~Self() override = default;              \
                                           \
 public:

class TOrdinalProperty : public TPropertyEditor {
  HOST_PROPERTY_EDITOR(TOrdinalProperty, TPropertyEditor)
  bool AllEqual() override;
};

class TIntegerProperty : public TOrdinalProperty {
  HOST_PROPERTY_EDITOR(TIntegerProperty, TOrdinalProperty)
  std::string GetValue() override;
  void SetValue(const std::string& Value) override;
};

class TCharProperty : public TOrdinalProperty {
  HOST_PROPERTY_EDITOR(TCharProperty, TOrdinalProperty)
  std::string GetValue() override;
  void SetValue(const std::string& Value) override;
};

class TEnumProperty : public TOrdinalProperty {
  HOST_PROPERTY_EDITOR(TEnumProperty, TOrdinalProperty)
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void SetValue(const std::string& Value) override;
  void GetValues(TGetStrProc Proc) override;
};

class TBoolProperty : public TEnumProperty {
  HOST_PROPERTY_EDITOR(TBoolProperty, TEnumProperty)
  // The list keeps the order False, True.
  TPropertyAttributes GetAttributes() override;
};

class TSetProperty : public TOrdinalProperty {
  HOST_PROPERTY_EDITOR(TSetProperty, TOrdinalProperty)
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void SetValue(const std::string& Value) override;
  void GetProperties(const TGetPropEditProc& Proc) override;
};

// One member of a set, as a Boolean sub-property of TSetProperty.
class TSetElementProperty : public TPropertyEditor {
  HOST_PROPERTY_EDITOR(TSetElementProperty, TPropertyEditor)
  void SetElement(int Element) { FElement = Element; }
  TPropertyAttributes GetAttributes() override;
  std::string GetName() override;
  std::string GetValue() override;
  void SetValue(const std::string& Value) override;
  void GetValues(TGetStrProc Proc) override;
  bool AllEqual() override;

 private:
  bool Has(int64_t Bits) const { return (Bits >> FElement) & 1; }
  int FElement = 0;
};

class TFloatProperty : public TPropertyEditor {
  HOST_PROPERTY_EDITOR(TFloatProperty, TPropertyEditor)
  std::string GetValue() override;
  void SetValue(const std::string& Value) override;
};

class TStringProperty : public TPropertyEditor {
  HOST_PROPERTY_EDITOR(TStringProperty, TPropertyEditor)
  std::string GetValue() override;
  void SetValue(const std::string& Value) override;
};

class TClassProperty : public TPropertyEditor {
  HOST_PROPERTY_EDITOR(TClassProperty, TPropertyEditor)
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  void GetProperties(const TGetPropEditProc& Proc) override;
};

class TComponentProperty : public TPropertyEditor {
  HOST_PROPERTY_EDITOR(TComponentProperty, TPropertyEditor)
  TPropertyAttributes GetAttributes() override;
  std::string GetValue() override;
  // Empty text clears the reference; another text must name a component of
  // the designed form of the property's class.
  void SetValue(const std::string& Value) override;
  void GetValues(TGetStrProc Proc) override;
};

class TVariantProperty : public TPropertyEditor {
  HOST_PROPERTY_EDITOR(TVariantProperty, TPropertyEditor)
  std::string GetValue() override;
  void SetValue(const std::string& Value) override;
};

}  // namespace host
