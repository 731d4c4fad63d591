#include "host/classes/typinfo.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "host/classes/component.h"
#include "host/rtl/nameindex.h"
#include "host/rtl/sysutils.h"

namespace host {

namespace {

// ------------------------------------------------------------ storage

// The tables the classes declare themselves, and the merged lists (own and
// inherited) built on first use.
struct TMergedProps {
  std::vector<const TPropInfo*> List;
  TFoldedNameIndex Index;  // by name, without regard to case
};
struct TPropRegistry {
  std::unordered_map<TClass, std::vector<TPropInfo>> own;
  std::unordered_map<TClass, TMergedProps> merged;
};

TPropRegistry& Props() {
  static TPropRegistry registry;
  return registry;
}

// Registered classes by name without regard to case; a key views the
// class's own (static) name.
using TClassesByName = std::unordered_map<std::string_view, TClass, TFoldedNameHash, TFoldedNameEqual>;
TClassesByName& Classes() {
  static TClassesByName classes;
  return classes;
}

void ForgetMergedLists() { Props().merged.clear(); }

// Adds the properties of Class (and, first, of its parents) to list; a
// redeclared name replaces the inherited entry in place.
void MergeProps(TClass Class, std::vector<const TPropInfo*>& list) {
  if (!Class) return;
  MergeProps(Class->Parent, list);
  auto own = Props().own.find(Class);
  if (own == Props().own.end()) return;
  for (const TPropInfo& p : own->second) {
    auto same =
        std::find_if(list.begin(), list.end(), [&](const TPropInfo* q) { return AnsiSameText(q->Name, p.Name); });
    if (same != list.end())
      *same = &p;
    else
      list.push_back(&p);
  }
}

}  // namespace

// ------------------------------------------------------- type information

namespace detail {

TTypeInfo ClassTypeInfo(TClass Class) {
  TTypeInfo info;
  info.Kind = tkClass;
  info.Name = Class->Name;
  info.ClassType = Class;
  return info;
}

TTypeInfo EnumInfo(std::string_view Name, std::span<const char* const> Names, std::size_t Size) {
  TTypeInfo info;
  info.Kind = tkEnumeration;
  info.Name = Name;
  info.OrdType = Size == 1 ? otUByte : Size == 2 ? otUWord : otULong;
  info.MinValue = 0;
  info.MaxValue = static_cast<int64_t>(Names.size()) - 1;
  info.Names = Names;
  return info;
}

TTypeInfo SetInfo(const TTypeInfo* Element, std::size_t Size) {
  TTypeInfo info;
  info.Kind = tkSet;
  info.Name = Element->Name;
  info.OrdType = Size == 1 ? otUByte : Size == 2 ? otUWord : otULong;
  info.MinValue = 0;
  info.MaxValue = (int64_t{1} << Element->Names.size()) - 1;
  info.Names = Element->Names;
  return info;
}

void RaiseReadOnly(std::string_view Name) { throw EPropertyError("Property %s is read-only", {Name}); }

void CheckOrdinal(const TTypeInfo* Info, int64_t Value) {
  switch (Info->Kind) {
    case tkInteger:
    case tkChar:
    case tkEnumeration:
      if (Value < Info->MinValue || Value > Info->MaxValue)
        throw EPropertyError("Invalid property value: %s is out of range %s..%s",
                             {IntToStr(Value), IntToStr(Info->MinValue), IntToStr(Info->MaxValue)});
      break;
    case tkSet:
      if ((Value & ~Info->MaxValue) != 0)
        throw EPropertyError("Invalid property value: %s has bits beyond the members of %s",
                             {IntToStr(Value), Info->Name});
      break;
    default:
      break;
  }
}

}  // namespace detail

std::string GetEnumName(const TTypeInfo* Info, int64_t Value) {
  detail::CheckOrdinal(Info, Value);
  return Info->Names[static_cast<std::size_t>(Value)];
}

int32_t GetEnumValue(const TTypeInfo* Info, std::string_view Name) {
  for (std::size_t i = 0; i < Info->Names.size(); ++i)
    if (AnsiSameText(Info->Names[i], Name)) return static_cast<int32_t>(i);
  return -1;
}

std::vector<std::string> SetToNames(const TTypeInfo* Info, int64_t Bits) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < Info->Names.size(); ++i)
    if (Bits & (int64_t{1} << i)) names.emplace_back(Info->Names[i]);
  return names;
}

int64_t NamesToSet(const TTypeInfo* Info, const std::vector<std::string>& Names) {
  int64_t bits = 0;
  for (const std::string& name : Names) {
    int32_t member = GetEnumValue(Info, name);
    if (member < 0) throw EPropertyError("Invalid property value: '%s' is not a member of %s", {name, Info->Name});
    bits |= int64_t{1} << member;
  }
  return bits;
}

// ------------------------------------------------------------- properties

bool TPropInfo::IsStored(TObject* Instance) const { return StoredProc ? StoredProc(Instance) : StoredFlag; }

bool TPropInfo::IsComponentRef() const {
  return Kind() == tkClass && PropType->ClassType->InheritsFrom(&TComponent::StaticMetaClass);
}

Variant GetPropValue(TObject* Instance, const TPropInfo& Prop) { return Prop.GetProc(Instance); }

void SetPropValue(TObject* Instance, const TPropInfo& Prop, const Variant& Value) {
  if (!Prop.SetProc) detail::RaiseReadOnly(Prop.Name);
  switch (Prop.Kind()) {
    case tkInteger:
    case tkChar:
    case tkEnumeration:
    case tkSet:
      detail::CheckOrdinal(Prop.PropType, Value.AsInt64());
      break;
    default:
      break;
  }
  Prop.SetProc(Instance, Value);
}

int64_t GetOrdProp(TObject* Instance, const TPropInfo& Prop) { return GetPropValue(Instance, Prop).AsInt64(); }

void SetOrdProp(TObject* Instance, const TPropInfo& Prop, int64_t Value) {
  SetPropValue(Instance, Prop, Variant(Value));
}

TObject* GetObjectProp(TObject* Instance, const TPropInfo& Prop) {
  if (Prop.Kind() != tkClass) throw EPropertyError("Property %s is not an object", {Prop.Name});
  return static_cast<TObject*>(GetPropValue(Instance, Prop).AsPointer());
}

void SetObjectProp(TObject* Instance, const TPropInfo& Prop, TObject* Value) {
  if (Prop.Kind() != tkClass) throw EPropertyError("Property %s is not an object", {Prop.Name});
  SetPropValue(Instance, Prop, Variant::FromPointer(Value));
}

bool IsDefaultPropValue(TObject* Instance, const TPropInfo& Prop) {
  Variant v = GetPropValue(Instance, Prop);
  switch (Prop.Kind()) {
    case tkInteger:
    case tkChar:
    case tkEnumeration:
    case tkSet:
    case tkInt64:
      return Prop.HasDefault && v.AsInt64() == Prop.DefaultValue;
    case tkFloat:
      return Prop.PropType->FloatType == ftCurr ? v.AsCurrency().Value == 0 : v.AsDouble() == 0;
    case tkLString:
      return v.AsString().empty();
    case tkWString:
      return v.AsWideString().empty();
    case tkVariant:
      return v.IsEmpty();
    case tkClass:
      return v.AsPointer() == nullptr;
    default:
      return false;
  }
}

void RegisterProperties(TClass Class, std::initializer_list<TPropInfo> List) {
  RegisterProperties(Class, std::vector<TPropInfo>(List));
}

void RegisterProperties(TClass Class, std::vector<TPropInfo> List) {
  Props().own[Class] = std::move(List);
  ForgetMergedLists();
}

void UnregisterProperties(TClass Class) {
  Props().own.erase(Class);
  ForgetMergedLists();
}

namespace {
const TMergedProps& MergedProps(TClass Class) {
  auto& merged = Props().merged;
  auto it = merged.find(Class);
  if (it != merged.end()) return it->second;
  TMergedProps props;
  MergeProps(Class, props.List);
  for (std::size_t i = 0; i < props.List.size(); ++i)
    props.Index.Add(static_cast<int>(i), props.List[i]->Name,
                    [&props](int k) -> std::string_view { return props.List[static_cast<std::size_t>(k)]->Name; });
  return merged.emplace(Class, std::move(props)).first->second;
}
}  // namespace

const std::vector<const TPropInfo*>& GetPropList(TClass Class) { return MergedProps(Class).List; }

const TPropInfo* GetPropInfo(TClass Class, std::string_view Name) {
  const TMergedProps& props = MergedProps(Class);
  const int i = props.Index.Find(
      Name, [&props](int k) -> std::string_view { return props.List[static_cast<std::size_t>(k)]->Name; });
  return i < 0 ? nullptr : props.List[static_cast<std::size_t>(i)];
}

// ---------------------------------------------------------- class registry

void RegisterClass(TClass AClass) {
  for (TClass c = AClass; c && c->InheritsFrom(&TPersistent::StaticMetaClass); c = c->Parent) {
    auto [it, added] = Classes().emplace(std::string_view(c->Name), c);
    if (!added && it->second != c) throw EFilerError("A class named %s already exists", {c->Name});
    if (c == &TPersistent::StaticMetaClass) break;
  }
}

void RegisterClasses(std::initializer_list<TClass> List) {
  for (TClass c : List) RegisterClass(c);
}

void UnRegisterClass(TClass AClass) {
  auto it = Classes().find(std::string_view(AClass->Name));
  if (it != Classes().end() && it->second == AClass) Classes().erase(it);
}

TClass GetClass(std::string_view ClassName) {
  auto it = Classes().find(ClassName);
  return it == Classes().end() ? nullptr : it->second;
}

TClass FindClass(std::string_view ClassName) {
  if (TClass c = GetClass(ClassName)) return c;
  throw EClassNotFound("Class %s not found", {ClassName});
}

// ------------------------------------------------------- integer constants

namespace {
std::unordered_map<const TTypeInfo*, std::pair<TIdentToInt, TIntToIdent>>& IntegerConsts() {
  static std::unordered_map<const TTypeInfo*, std::pair<TIdentToInt, TIntToIdent>> consts;
  return consts;
}
}  // namespace

void RegisterIntegerConsts(const TTypeInfo* IntegerType, TIdentToInt IdentToInt, TIntToIdent IntToIdent) {
  IntegerConsts()[IntegerType] = {IdentToInt, IntToIdent};
}

void UnregisterIntegerConsts(const TTypeInfo* IntegerType) { IntegerConsts().erase(IntegerType); }

TIdentToInt FindIdentToInt(const TTypeInfo* IntegerType) {
  auto it = IntegerConsts().find(IntegerType);
  return it == IntegerConsts().end() ? nullptr : it->second.first;
}

TIntToIdent FindIntToIdent(const TTypeInfo* IntegerType) {
  auto it = IntegerConsts().find(IntegerType);
  return it == IntegerConsts().end() ? nullptr : it->second.second;
}

}  // namespace host
