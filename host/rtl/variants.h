// The host Variant: a 16-byte tagged value that carries every generic read,
// write, argument and result, with the classic conversion rules and
// multi-dimensional Variant arrays.
//
// Kinds a Variant holds (VarType() code in brackets):
//   Unassigned [varEmpty], Null [varNull], Integer [varInteger, int32_t],
//   Int64 [varInt64], Boolean [varBoolean], Double [varDouble],
//   Currency [varCurrency, fixed point scaled by 10000],
//   String [varString, std::string holding UTF-8 bytes],
//   WideString [varOleStr, std::u16string] and Array [varArray | element type].
// The classic codes varSmallint, varSingle, varByte and varDate are known by
// name (VarTypeAsText) and accepted by VarAsType/VarArrayCreate, but values
// of those types are held as Integer (Smallint, Byte) and Double (Single);
// varDate is not supported (no date arithmetic or formatting in the host) and
// raises "Invalid variant type" where a type code is expected.
//
// Conversion rules (the classic ones):
//   * Unassigned converts to 0, False, "" and a null pointer.
//   * Null raises EVariantTypeCastError on every conversion to a number, a
//     boolean or a string ("Could not convert variant of type (Null) into type
//     (Integer)"); VarToStr is the exception and gives "".
//   * A Boolean converts to a number as -1 (True) or 0 (False), to text as
//     "True"/"False". Numbers convert to Boolean as "nonzero is True".
//   * Text converts to a number when it is integer text (decimal, $hex) or
//     floating-point text ('.' decimal separator); to Boolean when it is
//     "True"/"False" (any case) or numeric text. Text that is neither raises
//     EVariantTypeCastError "Could not convert variant of type (String) into
//     type (Integer)" -- every failed conversion of a Variant raises an
//     EVariantError subclass, never EConvertError.
//   * Floating-point values convert to integers by rounding half to even
//     (2.5 -> 2, 3.5 -> 4), to Currency by rounding to four decimals.
//   * A value outside the target's range (Int64 or Double to Integer, huge
//     Double to Int64 or Currency, NaN to any integer) raises
//     EVariantOverflowError "Overflow while converting variant of type
//     (Int64) into type (Integer)".
//   * Numbers convert to text with IntToStr / FloatToStr; Currency with up to
//     four decimals ("1.5"). String and WideString convert to each other
//     through UTF-8 <-> UTF-16.
//   * An Array converts to nothing but itself (EVariantTypeCastError).
#pragma once

#include <atomic>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

#include "host/rtl/sysutils.h"

namespace host {

// The classic variant type codes.
enum TVarType : uint16_t {
  varEmpty = 0x0000,
  varNull = 0x0001,
  varSmallint = 0x0002,
  varInteger = 0x0003,
  varSingle = 0x0004,
  varDouble = 0x0005,
  varCurrency = 0x0006,
  varDate = 0x0007,
  varOleStr = 0x0008,
  varBoolean = 0x000B,
  varVariant = 0x000C,
  varByte = 0x0011,
  varInt64 = 0x0014,
  varString = 0x0100,
  varTypeMask = 0x0FFF,
  varArray = 0x2000,
};

// The variant error family. All derive from EVariantError.
HOST_EXCEPTION(EVariantTypeCastError, EVariantError)  // "Could not convert variant of type (A) into type (B)"
HOST_EXCEPTION(EVariantOverflowError, EVariantError)  // "Overflow while converting variant of type (A) into type (B)"
HOST_EXCEPTION(EVariantBadIndexError, EVariantError)  // "Variant or safe array index out of bounds"
HOST_EXCEPTION(EVariantArrayCreateError, EVariantError)  // "Error creating variant or safe array"
HOST_EXCEPTION(EVariantBadVarTypeError, EVariantError)   // "Invalid variant type"
HOST_EXCEPTION(EVariantNotAnArrayError, EVariantError)   // "Variant is not an array"

// Fixed-point money value: Value is the amount times 10000.
struct Currency {
  int64_t Value = 0;

  static constexpr int64_t Scale = 10000;
  // Rounds to four decimals (half to even); raises EVariantOverflowError
  // when the amount does not fit.
  static Currency FromDouble(double amount);
  static constexpr Currency FromRaw(int64_t raw) { return Currency{raw}; }
  double ToDouble() const { return static_cast<double>(Value) / Scale; }
  // Exact text with up to four decimals: "-12.5", "3".
  std::string ToString() const;
  friend constexpr bool operator==(Currency a, Currency b) { return a.Value == b.Value; }
  friend constexpr auto operator<=>(Currency a, Currency b) { return a.Value <=> b.Value; }
};

namespace detail {
// Shared, immutable text: copies of a Variant share one block.
template <class S>
struct VarTextRep {
  explicit VarTextRep(S t) : text(std::move(t)) {}
  std::atomic<int32_t> refs{1};
  const S text;
};
struct VarStringRep : VarTextRep<std::string> {
  using VarTextRep::VarTextRep;
};
struct VarWideRep : VarTextRep<std::u16string> {
  using VarTextRep::VarTextRep;
};
struct VarArrayRep;
struct VarAccess;

// Integer types narrower than 32 bits (not characters or bool): stored as Integer.
template <class T>
concept VarSmallInt = std::same_as<T, signed char> || std::same_as<T, short> || std::same_as<T, unsigned char> ||
    std::same_as<T, unsigned short>;
// A signed 64-bit type that is not int64_t itself (long long where int64_t is long).
template <class T>
concept VarOtherInt64 = std::signed_integral<T> && sizeof(T) == 8 && !std::same_as<T, int64_t> &&
                        !std::same_as<T, char>;
}  // namespace detail

class Variant {
 public:
  // ------------------------------------------------------------ construction
  Variant() noexcept : FType(varEmpty), FI64(0) {}
  Variant(int32_t v) noexcept : FType(varInteger), FI64(0) { FI32 = v; }
  Variant(int64_t v) noexcept : FType(varInt64), FI64(v) {}
  Variant(bool v) noexcept : FType(varBoolean), FI64(0) { FB = v; }
  Variant(double v) noexcept : FType(varDouble), FD(v) {}
  Variant(float v) noexcept : Variant(static_cast<double>(v)) {}
  Variant(Currency v) noexcept : FType(varCurrency), FI64(v.Value) {}
  Variant(std::string v);
  Variant(std::string_view v) : Variant(std::string(v)) {}
  Variant(const char* v) : Variant(std::string(v ? v : "")) {}
  Variant(std::u16string v);
  Variant(std::u16string_view v) : Variant(std::u16string(v)) {}
  Variant(const char16_t* v) : Variant(std::u16string(v ? v : u"")) {}
  template <detail::VarSmallInt T>
  Variant(T v) noexcept : Variant(static_cast<int32_t>(v)) {}
  template <detail::VarOtherInt64 T>
  Variant(T v) noexcept : Variant(static_cast<int64_t>(v)) {}
  // Everything else would convert silently and surprise: pointers (use
  // FromPointer), characters (use a string), unsigned 32/64-bit values and
  // size_t (cast to int32_t or int64_t), enumerations (cast to the ordinal),
  // nullptr, long double.
  template <class T>
  Variant(T) = delete;

  static Variant Null() noexcept {
    Variant v;
    v.FType = varNull;
    return v;
  }
  // An Int64 holding the address (a null pointer gives 0).
  static Variant FromPointer(const void* p) noexcept {
    return Variant(static_cast<int64_t>(reinterpret_cast<uintptr_t>(p)));
  }

  // Copying copies the value (an array with all its elements); strings are
  // shared between copies, which is invisible because a Variant's text never
  // changes in place.
  Variant(const Variant& other) : FType(other.FType), FI64(other.FI64) {
    if (OwnsHeap()) CopyHeap(other);
  }
  Variant(Variant&& other) noexcept : FType(other.FType), FI64(other.FI64) { other.FType = varEmpty; }
  Variant& operator=(const Variant& other) {
    // The same shared text again (a constant passed on every call): nothing to do.
    if (FType == other.FType && FI64 == other.FI64 && FType != kArrayTag) return *this;
    if (OwnsHeap() || other.OwnsHeap()) return AssignSlow(other);
    FType = other.FType;
    FI64 = other.FI64;
    return *this;
  }
  [[gnu::always_inline]] Variant& operator=(Variant&& other) noexcept {
    // Take the new value first: other may live inside the array this holds.
    const uint16_t type = other.FType;
    const int64_t bits = other.FI64;
    other.FType = varEmpty;
    if (OwnsHeap() && this != &other) [[unlikely]]
      Release();
    FType = type;
    FI64 = bits;
    return *this;
  }
  ~Variant() {
    if (OwnsHeap()) Release();
  }
  // Makes this Unassigned.
  void Clear() noexcept;

  // ------------------------------------------------------------ inspection
  // The type code: one of the held kinds, or varArray | element type.
  TVarType VarType() const noexcept;
  bool IsEmpty() const noexcept { return FType == varEmpty; }
  bool IsNull() const noexcept { return FType == varNull; }
  bool IsArray() const noexcept { return FType == kArrayTag; }

  // ------------------------------------------------------------ conversions
  // See the rules at the top of this file. The exact kind is read inline.
  int32_t AsInteger() const { return FType == varInteger ? FI32 : ToInteger(); }
  int64_t AsInt64() const { return FType == varInt64 ? FI64 : ToInt64(); }
  bool AsBoolean() const { return FType == varBoolean ? FB : ToBoolean(); }
  double AsDouble() const { return FType == varDouble ? FD : ToDouble(); }
  Currency AsCurrency() const;
  std::string AsString() const;
  // The text of a String Variant, without a copy (valid while this Variant
  // holds it); null for any other kind.
  const std::string* StringData() const noexcept { return FType == varString ? &FStr->text : nullptr; }
  std::u16string AsWideString() const;
  // Integer and Int64 give the address they hold, Unassigned gives null;
  // anything else raises EVariantTypeCastError.
  void* AsPointer() const {
    return FType == varInt64 ? reinterpret_cast<void*>(static_cast<uintptr_t>(FI64)) : ToPointer();
  }

  // Same kind and same value. Values of different kinds are never equal
  // (Variant(1) != Variant(int64_t(1)), Variant(1) != Variant("1")); two Nulls
  // are equal, as are two Unassigned; Doubles compare with == (NaN is unequal
  // to itself); arrays are equal when bounds, element type and every element
  // are equal.
  friend bool operator==(const Variant& a, const Variant& b);

 private:
  friend struct detail::VarAccess;

  // Internal tag for an array (the element type is kept in the array).
  static constexpr uint16_t kArrayTag = 0xFFFF;

  bool OwnsHeap() const noexcept { return FType == varString || FType == varOleStr || FType == kArrayTag; }
  void Release() noexcept;
  // Shares the text or copies the array of `other` (whose bits are already copied).
  void CopyHeap(const Variant& other);
  Variant& AssignSlow(const Variant& other);
  int32_t ToInteger() const;
  int64_t ToInt64() const;
  bool ToBoolean() const;
  double ToDouble() const;
  void* ToPointer() const;

  uint16_t FType;
  union {
    int32_t FI32;
    int64_t FI64;
    bool FB;
    double FD;
    detail::VarStringRep* FStr;
    detail::VarWideRep* FWide;
    detail::VarArrayRep* FArr;
  };
};

static_assert(sizeof(Variant) == 16, "Variant is a 16-byte value");

// ------------------------------------------------------------ free functions

inline TVarType VarType(const Variant& v) { return v.VarType(); }
inline bool VarIsEmpty(const Variant& v) { return v.IsEmpty(); }
inline bool VarIsNull(const Variant& v) { return v.IsNull(); }
inline bool VarIsArray(const Variant& v) { return v.IsArray(); }
// AsString, except that Null gives "".
std::string VarToStr(const Variant& v);
// Converts to the kind of the type code (varSmallint and varByte to a
// range-checked Integer, varSingle to Double, varEmpty/varNull to those
// values). An array converts only to its own type. Unknown codes and varDate
// raise EVariantBadVarTypeError "Invalid variant type".
Variant VarAsType(const Variant& v, TVarType type);
// "Empty", "Null", "Integer", "Int64", "Boolean", "Double", "Currency",
// "OleStr", "String", "Array of Variant", ...; unknown codes as "$XXXX".
std::string VarTypeAsText(TVarType type);

// ------------------------------------------------------------ arrays

// Creates an array from pairs of bounds (low, high) per dimension; elements
// are Unassigned for varVariant, or the zero value of elemType, to which every
// stored value is then converted. An odd or empty bounds list, more than 64
// dimensions, a high bound below low - 1 or an element count beyond 2^28
// raise EVariantArrayCreateError "Error creating variant or safe array"; an
// element type that cannot be held raises EVariantBadVarTypeError. An empty
// dimension is written low..low-1 (0..-1).
Variant VarArrayCreate(std::initializer_list<int32_t> bounds, TVarType elemType = varVariant);
// Number of dimensions; 0 for a value that is not an array.
int VarArrayDimCount(const Variant& v);
// Bounds of dimension `dim` (1-based). A value that is not an array raises
// EVariantNotAnArrayError "Variant is not an array"; a bad dim raises
// EVariantBadIndexError "Variant or safe array index out of bounds".
int32_t VarArrayLowBound(const Variant& v, int dim);
int32_t VarArrayHighBound(const Variant& v, int dim);
// Element access, one index per dimension. A wrong index count or an index
// outside the bounds raises EVariantBadIndexError "Variant or safe array index
// out of bounds"; a failed conversion to the element type raises as usual. A
// failing put leaves the array unchanged.
Variant VarArrayGet(const Variant& v, std::initializer_list<int32_t> indices);
void VarArrayPut(Variant& v, const Variant& value, std::initializer_list<int32_t> indices);
// A one-dimensional array 0..n-1 of Variants holding the values in order.
Variant VarArrayOf(std::initializer_list<Variant> values);
// Changes the high bound of the last dimension, keeping the elements that
// remain inside the bounds; new elements are the element type's zero value.
// A high bound below low - 1 raises EVariantArrayCreateError and changes
// nothing.
void VarArrayRedim(Variant& v, int32_t highBound);

}  // namespace host
