// Published properties and the class registry.
//
// Every class that streams registers one table of its published properties
// (RegisterProperties); a property is built from its accessor pair, which
// gives its kind and type information:
//
//   RegisterProperties(&TFoo::StaticMetaClass, {
//       Prop<&TFoo::GetCount, &TFoo::SetCount>("Count").Default(0),
//       Prop<&TFoo::GetAlign, &TFoo::SetAlign>("Align").Default(alNone),
//       Prop<&TFoo::GetItems>("Items"),            // nested object, read in place
//   });
//
// Enumerations (and sets of them) name their members once with
// HOST_ENUM_INFO next to the enumeration. GetPropList walks the class
// parents and lists the inherited properties first, in declaration order; a
// class that registers a property of an inherited name replaces it in place
// (the classic redeclaration, e.g. to change the default).
//
// The class registry maps class names to class references for the reader
// (RegisterClass, FindClass, GetClass). Registration is explicit:
// Each unit registers the tables and classes it owns (see
// host/classes/hostclasses.h RegisterHostClasses for the class library).
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "host/rtl/object.h"
#include "host/rtl/sets.h"
#include "host/rtl/variants.h"

namespace host {

class TComponent;

enum TTypeKind : uint8_t {
  tkUnknown,
  tkInteger,
  tkChar,
  tkEnumeration,
  tkFloat,
  tkString,
  tkSet,
  tkClass,
  tkMethod,
  tkWChar,
  tkLString,
  tkWString,
  tkVariant,
  tkArray,
  tkRecord,
  tkInterface,
  tkInt64,
  tkDynArray
};
enum TOrdType : uint8_t { otSByte, otUByte, otSWord, otUWord, otSLong, otULong };
enum TFloatType : uint8_t { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };

// Type information of a property's type.
struct TTypeInfo {
  TTypeKind Kind = tkUnknown;
  std::string_view Name;
  TOrdType OrdType = otSLong;       // integers, chars, enumerations, sets
  TFloatType FloatType = ftDouble;  // floats
  int64_t MinValue = 0;             // ordinal range; for a set its bit mask
  int64_t MaxValue = 0;
  // Member names of an enumeration, or the element names of a set.
  std::span<const char* const> Names;
  TClass ClassType = nullptr;  // class-typed properties
};

// The name of an enumeration member; raises EPropertyError when out of range.
std::string GetEnumName(const TTypeInfo* Info, int64_t Value);
// The ordinal of an enumeration member (case-insensitive); -1 when unknown.
int32_t GetEnumValue(const TTypeInfo* Info, std::string_view Name);
// The member names of a set value, in element order.
std::vector<std::string> SetToNames(const TTypeInfo* Info, int64_t Bits);
// The bits of a set given by member names; raises EPropertyError naming the
// first unknown member.
int64_t NamesToSet(const TTypeInfo* Info, const std::vector<std::string>& Names);

// ------------------------------------------------------------- properties

// One published property. Values travel as Variants: ordinals (integers,
// chars, enumerations, booleans as 0/1, sets as their bits) as integers,
// floats as double or Currency, strings as strings, objects as their address.
struct TPropInfo {
  std::string_view Name;
  const TTypeInfo* PropType = nullptr;
  Variant (*GetProc)(TObject* Instance) = nullptr;
  void (*SetProc)(TObject* Instance, const Variant& Value) = nullptr;  // null: read-only
  bool (*StoredProc)(TObject* Instance) = nullptr;
  bool StoredFlag = true;
  bool HasDefault = false;
  int64_t DefaultValue = 0;

  // Builders used in registration blocks.
  template <class T>
  TPropInfo Default(T Value) const {
    TPropInfo p = *this;
    p.HasDefault = true;
    if constexpr (requires { Value.Bits(); })
      p.DefaultValue = static_cast<int64_t>(Value.Bits());
    else
      p.DefaultValue = static_cast<int64_t>(Value);
    return p;
  }
  TPropInfo Stored(bool Value) const {
    TPropInfo p = *this;
    p.StoredFlag = Value;
    return p;
  }
  template <auto StoredFn>
  TPropInfo StoredBy() const;

  TTypeKind Kind() const { return PropType->Kind; }
  bool IsStored(TObject* Instance) const;
  // Class-typed property holding a reference to a component (streamed by
  // name); other class-typed properties hold nested objects (streamed in place).
  bool IsComponentRef() const;
  bool IsNestedObject() const { return Kind() == tkClass && !IsComponentRef(); }
  bool IsWritable() const { return SetProc != nullptr; }
};

// Reads / writes a property. A value that does not fit (an ordinal out of
// range, an object of another class) raises EPropertyError (EInvalidCast for
// the object) and leaves the instance unchanged; writing a read-only property
// raises EPropertyError.
Variant GetPropValue(TObject* Instance, const TPropInfo& Prop);
void SetPropValue(TObject* Instance, const TPropInfo& Prop, const Variant& Value);
int64_t GetOrdProp(TObject* Instance, const TPropInfo& Prop);
void SetOrdProp(TObject* Instance, const TPropInfo& Prop, int64_t Value);
TObject* GetObjectProp(TObject* Instance, const TPropInfo& Prop);
void SetObjectProp(TObject* Instance, const TPropInfo& Prop, TObject* Value);
// True when the property holds its default: the declared default of an
// ordinal, an empty string or Variant, zero, no object.
bool IsDefaultPropValue(TObject* Instance, const TPropInfo& Prop);

// Registers (or replaces) the published properties a class declares itself.
void RegisterProperties(TClass Class, std::initializer_list<TPropInfo> Props);
void RegisterProperties(TClass Class, std::vector<TPropInfo> Props);
void UnregisterProperties(TClass Class);
// Every published property of Class, inherited ones first. The list stays
// valid until the next (un)registration.
const std::vector<const TPropInfo*>& GetPropList(TClass Class);
// Case-insensitive lookup; null when the class has no such property.
const TPropInfo* GetPropInfo(TClass Class, std::string_view Name);

// ---------------------------------------------------------- class registry

// Registers a persistent class (and its persistent ancestors) under its name.
// Registering the same class again does nothing; another class of the same
// name raises EFilerError "A class named TFoo already exists".
void RegisterClass(TClass AClass);
void RegisterClasses(std::initializer_list<TClass> Classes);
void UnRegisterClass(TClass AClass);
// Case-insensitive. FindClass raises EClassNotFound "Class TFoo not found";
// GetClass returns null.
TClass FindClass(std::string_view ClassName);
TClass GetClass(std::string_view ClassName);

// Identifiers for the values of one integer type (the classic
// RegisterIntegerConsts): the filer writes a value that has an identifier as
// that identifier (Color = clRed) and reads identifiers back through
// IdentToInt. Registering a type again replaces its pair.
using TIdentToInt = bool (*)(std::string_view Ident, int32_t& Int);
using TIntToIdent = bool (*)(int32_t Int, std::string& Ident);
void RegisterIntegerConsts(const TTypeInfo* IntegerType, TIdentToInt IdentToInt, TIntToIdent IntToIdent);
void UnregisterIntegerConsts(const TTypeInfo* IntegerType);
// Null when the type has no identifiers.
TIdentToInt FindIdentToInt(const TTypeInfo* IntegerType);
TIntToIdent FindIntToIdent(const TTypeInfo* IntegerType);

// ----------------------------------------------------- type information

// Defines the type information of an enumeration, next to the enumeration:
//   HOST_ENUM_INFO(TAlign, "alNone", "alTop", ...)
#define HOST_ENUM_INFO(E, ...)                                                            \
  inline const ::host::TTypeInfo* HostTypeInfo(E*) {                                      \
    static constexpr const char* names[] = {__VA_ARGS__};                                 \
    static const ::host::TTypeInfo info = ::host::detail::EnumInfo(#E, names, sizeof(E)); \
    return &info;                                                                         \
  }

namespace detail {

TTypeInfo EnumInfo(std::string_view Name, std::span<const char* const> Names, std::size_t Size);
TTypeInfo SetInfo(const TTypeInfo* Element, std::size_t Size);
[[noreturn]] void RaiseReadOnly(std::string_view Name);
void CheckOrdinal(const TTypeInfo* Info, int64_t Value);

template <class T>
struct IsSet : std::false_type {};
template <class E, int N>
struct IsSet<TSet<E, N>> : std::true_type {
  using Element = E;
};

template <class T>
concept ObjectPointer = std::is_pointer_v<T> && std::is_base_of_v<TObject, std::remove_cv_t<std::remove_pointer_t<T>>>;

template <class T>
constexpr TOrdType OrdTypeOf() {
  if constexpr (sizeof(T) == 1)
    return std::is_signed_v<T> ? otSByte : otUByte;
  else if constexpr (sizeof(T) == 2)
    return std::is_signed_v<T> ? otSWord : otUWord;
  else
    return std::is_signed_v<T> ? otSLong : otULong;
}

inline constexpr const char* BooleanNames[] = {"False", "True"};

// The type information of a class type (not inline: see TypeInfoOf).
TTypeInfo ClassTypeInfo(TClass Class);

// The type information of a C++ property type.
template <class T>
const TTypeInfo* TypeInfoOf() {
  if constexpr (std::is_same_v<T, bool>) {
    static const TTypeInfo info = EnumInfo("Boolean", BooleanNames, 1);
    return &info;
  } else if constexpr (std::is_same_v<T, char>) {
    static constexpr TTypeInfo info{tkChar, "Char", otUByte, ftDouble, 0, 255, {}, nullptr};
    return &info;
  } else if constexpr (std::is_enum_v<T>) {
    return HostTypeInfo(static_cast<T*>(nullptr));
  } else if constexpr (IsSet<T>::value) {
    static const TTypeInfo info = SetInfo(TypeInfoOf<typename IsSet<T>::Element>(), sizeof(T));
    return &info;
  } else if constexpr (std::is_integral_v<T> && sizeof(T) == 8) {
    static constexpr TTypeInfo info{tkInt64, "Int64", otSLong, ftDouble, INT64_MIN, INT64_MAX, {}, nullptr};
    return &info;
  } else if constexpr (std::is_integral_v<T>) {
    static constexpr TTypeInfo info{tkInteger,
                                    "Integer",
                                    OrdTypeOf<T>(),
                                    ftDouble,
                                    static_cast<int64_t>(std::numeric_limits<T>::min()),
                                    static_cast<int64_t>(std::numeric_limits<T>::max()),
                                    {},
                                    nullptr};
    return &info;
  } else if constexpr (std::is_same_v<T, float> || std::is_same_v<T, double> || std::is_same_v<T, Currency>) {
    static constexpr TTypeInfo info{
        tkFloat, std::is_same_v<T, float> ? "Single" : std::is_same_v<T, double> ? "Double" : "Currency",
        otSLong, std::is_same_v<T, float> ? ftSingle : std::is_same_v<T, double> ? ftDouble : ftCurr,
        0,       0,
        {},      nullptr};
    return &info;
  } else if constexpr (std::is_same_v<T, std::string>) {
    static constexpr TTypeInfo info{tkLString, "string", otSLong, ftDouble, 0, 0, {}, nullptr};
    return &info;
  } else if constexpr (std::is_same_v<T, std::u16string>) {
    static constexpr TTypeInfo info{tkWString, "WideString", otSLong, ftDouble, 0, 0, {}, nullptr};
    return &info;
  } else if constexpr (std::is_same_v<T, Variant>) {
    static constexpr TTypeInfo info{tkVariant, "Variant", otSLong, ftDouble, 0, 0, {}, nullptr};
    return &info;
  } else {
    static_assert(ObjectPointer<T>, "unsupported published property type");
    using C = std::remove_cv_t<std::remove_pointer_t<T>>;
    // Made at run time in every file: where C's class record is visible a
    // compiler could otherwise fill it in at compile time and elsewhere not,
    // and the one copy the linker keeps might then never be filled.
    static const TTypeInfo info = ClassTypeInfo(&C::StaticMetaClass);
    return &info;
  }
}

// C++ value <-> Variant for each kind of property type.
template <class T>
Variant ToVariant(const T& v) {
  if constexpr (std::is_same_v<T, bool>)
    return Variant(static_cast<int32_t>(v ? 1 : 0));
  else if constexpr (std::is_same_v<T, char>)
    return Variant(static_cast<int32_t>(static_cast<unsigned char>(v)));
  else if constexpr (std::is_enum_v<T>)
    return Variant(static_cast<int32_t>(v));
  else if constexpr (IsSet<T>::value)
    return Variant(static_cast<int64_t>(v.Bits()));
  else if constexpr (std::is_integral_v<T> && sizeof(T) == 8)
    return Variant(static_cast<int64_t>(v));
  else if constexpr (std::is_integral_v<T>)
    return Variant(static_cast<int64_t>(v));
  else if constexpr (ObjectPointer<T>)
    return Variant::FromPointer(static_cast<const TObject*>(v));
  else
    return Variant(v);
}

template <class T>
T FromVariant(const Variant& v) {
  if constexpr (std::is_same_v<T, bool>)
    return v.AsInt64() != 0;
  else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>)
    return static_cast<T>(v.AsInt64());
  else if constexpr (IsSet<T>::value)
    return T::FromBits(static_cast<typename T::Storage>(v.AsInt64()));
  else if constexpr (std::is_same_v<T, float>)
    return static_cast<float>(v.AsDouble());
  else if constexpr (std::is_same_v<T, double>)
    return v.AsDouble();
  else if constexpr (std::is_same_v<T, Currency>)
    return v.AsCurrency();
  else if constexpr (std::is_same_v<T, std::string>)
    return v.AsString();
  else if constexpr (std::is_same_v<T, std::u16string>)
    return v.AsWideString();
  else if constexpr (std::is_same_v<T, Variant>)
    return v;
  else
    return As<std::remove_cv_t<std::remove_pointer_t<T>>>(static_cast<TObject*>(v.AsPointer()));
}

template <class M>
struct MemberOf;
template <class C, class R>
struct MemberOf<R C::*> {
  using Class = C;
};

// The instance as the accessor's class; raises EInvalidCast for another class.
template <class C>
C* Self(TObject* Instance) {
  C* self = dynamic_cast<C*>(Instance);
  if (!self) RaiseInvalidCast();
  return self;
}

template <auto Get>
using ValueOf = std::remove_cvref_t<std::invoke_result_t<decltype(Get), typename MemberOf<decltype(Get)>::Class&>>;

template <auto Get>
Variant Getter(TObject* Instance) {
  using C = typename MemberOf<decltype(Get)>::Class;
  return ToVariant<ValueOf<Get>>(std::invoke(Get, *Self<C>(Instance)));
}

template <auto Get, auto Set>
void Setter(TObject* Instance, const Variant& Value) {
  using C = typename MemberOf<decltype(Set)>::Class;
  using T = ValueOf<Get>;
  C* self = Self<C>(Instance);
  T v = FromVariant<T>(Value);
  if constexpr (std::is_member_object_pointer_v<decltype(Set)>)
    self->*Set = std::move(v);
  else
    std::invoke(Set, *self, std::move(v));
}

}  // namespace detail

// A published property from its getter and (optionally) its setter: member
// functions or data members.
template <auto Get, auto Set = nullptr>
TPropInfo Prop(std::string_view Name) {
  TPropInfo p;
  p.Name = Name;
  p.PropType = detail::TypeInfoOf<detail::ValueOf<Get>>();
  p.GetProc = &detail::Getter<Get>;
  if constexpr (!std::is_null_pointer_v<decltype(Set)>) p.SetProc = &detail::Setter<Get, Set>;
  return p;
}

template <auto StoredFn>
TPropInfo TPropInfo::StoredBy() const {
  TPropInfo p = *this;
  p.StoredProc = [](TObject* Instance) -> bool {
    using C = typename detail::MemberOf<decltype(StoredFn)>::Class;
    return std::invoke(StoredFn, *detail::Self<C>(Instance));
  };
  return p;
}

}  // namespace host
