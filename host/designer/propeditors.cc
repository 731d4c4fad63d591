#include "host/designer/propeditors.h"

#include "host/rtl/sysutils.h"

namespace host {

HOST_IMPL(TOrdinalProperty, TPropertyEditor)
HOST_IMPL(TIntegerProperty, TOrdinalProperty)
HOST_IMPL(TCharProperty, TOrdinalProperty)
HOST_IMPL(TEnumProperty, TOrdinalProperty)
HOST_IMPL(TBoolProperty, TEnumProperty)
HOST_IMPL(TSetProperty, TOrdinalProperty)
HOST_IMPL(TSetElementProperty, TPropertyEditor)
HOST_IMPL(TFloatProperty, TPropertyEditor)
HOST_IMPL(TStringProperty, TPropertyEditor)
HOST_IMPL(TClassProperty, TPropertyEditor)
HOST_IMPL(TComponentProperty, TPropertyEditor)
HOST_IMPL(TVariantProperty, TPropertyEditor)

namespace {

[[noreturn]] void RaiseInvalid() { throw EPropertyError(SInvalidPropValue); }

// An ordinal typed for a property of type Info, checked against its range.
void CheckRange(const TTypeInfo* Info, int64_t Value) {
  if (Value < Info->MinValue || Value > Info->MaxValue)
    throw EPropertyError("Value must be between %d and %d", {Info->MinValue, Info->MaxValue});
}

}  // namespace

// ----------------------------------------------------------------- ordinals

bool TOrdinalProperty::AllEqual() {
  for (int i = 1; i < GetPropCount(); ++i)
    if (GetOrdValueAt(i) != GetOrdValue()) return false;
  return true;
}

std::string TIntegerProperty::GetValue() {
  const int64_t value = GetOrdValue();
  std::string ident;
  if (TIntToIdent toIdent = FindIntToIdent(GetPropType());
      toIdent && value >= INT32_MIN && value <= INT32_MAX && toIdent(static_cast<int32_t>(value), ident))
    return ident;
  return IntToStr(value);
}

void TIntegerProperty::SetValue(const std::string& Value) {
  int64_t value = 0;
  int32_t fromIdent = 0;
  TIdentToInt toInt = FindIdentToInt(GetPropType());
  if (toInt && toInt(Trim(Value), fromIdent))
    value = fromIdent;
  else if (!TryStrToInt64(Value, value))
    RaiseInvalid();
  CheckRange(GetPropType(), value);
  SetOrdValue(value);
}

std::string TCharProperty::GetValue() {
  const int64_t value = GetOrdValue();
  if (value > 32 && value < 127) return std::string(1, static_cast<char>(value));
  return "#" + IntToStr(value);
}

void TCharProperty::SetValue(const std::string& Value) {
  int64_t value = 0;
  if (Value.size() == 1)
    value = static_cast<unsigned char>(Value[0]);
  else if (Value.size() < 2 || Value[0] != '#' || !TryStrToInt64(Value.substr(1), value))
    RaiseInvalid();
  CheckRange(GetPropType(), value);
  SetOrdValue(value);
}

TPropertyAttributes TEnumProperty::GetAttributes() { return {paMultiSelect, paValueList, paSortList, paRevertable}; }

std::string TEnumProperty::GetValue() {
  const int64_t value = GetOrdValue();
  if (value < GetPropType()->MinValue || value > GetPropType()->MaxValue) return IntToStr(value);
  return GetEnumName(GetPropType(), value);
}

void TEnumProperty::SetValue(const std::string& Value) {
  const int32_t value = GetEnumValue(GetPropType(), Trim(Value));
  if (value < 0) RaiseInvalid();
  SetOrdValue(value);
}

void TEnumProperty::GetValues(TGetStrProc Proc) {
  for (const char* name : GetPropType()->Names) Proc(name);
}

TPropertyAttributes TBoolProperty::GetAttributes() { return {paMultiSelect, paValueList, paRevertable}; }

// --------------------------------------------------------------------- sets

TPropertyAttributes TSetProperty::GetAttributes() { return {paMultiSelect, paSubProperties, paRevertable}; }

std::string TSetProperty::GetValue() {
  std::string text = "[";
  for (const std::string& name : SetToNames(GetPropType(), GetOrdValue())) {
    if (text.size() > 1) text += ",";
    text += name;
  }
  return text + "]";
}

// "[a, b]": the brackets may be left out, blanks are ignored.
void TSetProperty::SetValue(const std::string& Value) {
  std::string text = Trim(Value);
  if (!text.empty() && text.front() == '[') {
    if (text.back() != ']') RaiseInvalid();
    text = text.substr(1, text.size() - 2);
  }
  std::vector<std::string> names;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string::npos) comma = text.size();
    const std::string name = Trim(std::string_view(text).substr(start, comma - start));
    if (!name.empty())
      names.push_back(name);
    else if (comma < text.size())
      RaiseInvalid();
    start = comma + 1;
  }
  SetOrdValue(NamesToSet(GetPropType(), names));
}

void TSetProperty::GetProperties(const TGetPropEditProc& Proc) {
  std::vector<TInstProp> entries;
  for (int i = 0; i < GetPropCount(); ++i) entries.push_back({GetComponent(i), GetPropInfo()});
  for (std::size_t element = 0; element < GetPropType()->Names.size(); ++element) {
    TOwned<TSetElementProperty> editor = MakeOwned<TSetElementProperty>();
    editor->Initialize(GetDesigner(), entries);
    editor->SetElement(static_cast<int>(element));
    Proc(TOwned<TPropertyEditor>(editor.release()));
  }
}

TPropertyAttributes TSetElementProperty::GetAttributes() { return {paMultiSelect, paValueList}; }
std::string TSetElementProperty::GetName() { return GetPropType()->Names[static_cast<std::size_t>(FElement)]; }
std::string TSetElementProperty::GetValue() { return BoolToStr(Has(GetOrdValue())); }

void TSetElementProperty::SetValue(const std::string& Value) {
  bool on = false;
  if (AnsiSameText(Trim(Value), "True"))
    on = true;
  else if (!AnsiSameText(Trim(Value), "False"))
    RaiseInvalid();
  const int64_t bit = int64_t{1} << FElement;
  SetOrdValue(on ? GetOrdValue() | bit : GetOrdValue() & ~bit);
}

void TSetElementProperty::GetValues(TGetStrProc Proc) {
  Proc("False");
  Proc("True");
}

bool TSetElementProperty::AllEqual() {
  for (int i = 1; i < GetPropCount(); ++i)
    if (Has(GetOrdValueAt(i)) != Has(GetOrdValue())) return false;
  return true;
}

// ------------------------------------------------------- floats and strings

std::string TFloatProperty::GetValue() { return FloatToStr(GetFloatValue()); }

void TFloatProperty::SetValue(const std::string& Value) {
  double value = 0;
  if (!TryStrToFloat(Trim(Value), value)) RaiseInvalid();
  SetFloatValue(value);
}

std::string TStringProperty::GetValue() { return GetStrValue(); }
void TStringProperty::SetValue(const std::string& Value) { SetStrValue(Value); }

// ------------------------------------------------------------------ objects

TPropertyAttributes TClassProperty::GetAttributes() { return {paMultiSelect, paSubProperties, paReadOnly}; }

std::string TClassProperty::GetValue() { return "(" + std::string(GetPropType()->Name) + ")"; }

void TClassProperty::GetProperties(const TGetPropEditProc& Proc) {
  std::vector<TPersistent*> held;
  for (int i = 0; i < GetPropCount(); ++i) {
    auto* object = dynamic_cast<TPersistent*>(static_cast<TObject*>(GetVarValueAt(i).AsPointer()));
    if (!object) return;
    held.push_back(object);
  }
  GetComponentProperties(GetDesigner(), held, Proc);
}

TPropertyAttributes TComponentProperty::GetAttributes() {
  return {paMultiSelect, paValueList, paSortList, paRevertable};
}

std::string TComponentProperty::GetValue() {
  auto* component = static_cast<TComponent*>(GetVarValue().AsPointer());
  if (!component) return {};
  return GetDesigner() ? GetDesigner()->GetComponentName(component) : component->GetName();
}

void TComponentProperty::SetValue(const std::string& Value) {
  if (Value.empty()) {
    SetVarValue(Variant::FromPointer(nullptr));
    return;
  }
  TComponent* component = GetDesigner() ? GetDesigner()->GetComponent(Value) : nullptr;
  if (!component || !component->InheritsFrom(GetPropType()->ClassType)) RaiseInvalid();
  SetVarValue(Variant::FromPointer(component));
}

void TComponentProperty::GetValues(TGetStrProc Proc) {
  if (GetDesigner()) GetDesigner()->GetComponentNames(GetPropType(), Proc);
}

std::string TVariantProperty::GetValue() {
  const Variant value = GetVarValue();
  if (value.IsEmpty()) return {};
  if (value.VarType() == varNull) return "Null";
  if (VarIsArray(value)) return "(Array)";
  return value.AsString();
}

void TVariantProperty::SetValue(const std::string& Value) { SetVarValue(Value.empty() ? Variant() : Variant(Value)); }

}  // namespace host
