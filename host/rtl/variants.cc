#include "host/rtl/variants.h"

#include <algorithm>
#include <atomic>
#include <cfloat>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace host {

// ------------------------------------------------------------ representations

namespace detail {

struct VarBound {
  int32_t low;
  int32_t count;
  friend bool operator==(const VarBound&, const VarBound&) = default;
};

struct VarArrayRep {
  TVarType elemType;
  std::vector<VarBound> bounds;
  std::vector<Variant> elems;  // row-major: the last index varies fastest
};

// The private side of Variant used by the functions of this file.
struct VarAccess {
  static uint16_t Tag(const Variant& v) { return v.FType; }
  static int32_t I32(const Variant& v) { return v.FI32; }
  static int64_t I64(const Variant& v) { return v.FI64; }
  static bool Bool(const Variant& v) { return v.FB; }
  static double Dbl(const Variant& v) { return v.FD; }
  static const std::string& Str(const Variant& v) { return v.FStr->text; }
  static const std::u16string& Wide(const Variant& v) { return v.FWide->text; }
  static VarArrayRep& Arr(const Variant& v) { return *v.FArr; }
  static Variant FromArray(VarArrayRep* rep) {
    Variant v;
    v.FType = Variant::kArrayTag;
    v.FArr = rep;
    return v;
  }
};

}  // namespace detail

using detail::VarAccess;
using detail::VarArrayRep;

namespace {

// ------------------------------------------------------------ errors

struct TypeName {
  uint16_t code;
  const char* name;
};
constexpr TypeName kTypeNames[] = {
    {varEmpty, "Empty"},     {varNull, "Null"},     {varSmallint, "Smallint"}, {varInteger, "Integer"},
    {varSingle, "Single"},   {varDouble, "Double"}, {varCurrency, "Currency"}, {varDate, "Date"},
    {varOleStr, "OleStr"},   {0x0009, "Dispatch"},  {0x000A, "Error"},         {varBoolean, "Boolean"},
    {varVariant, "Variant"}, {0x000D, "Unknown"},   {0x000E, "Decimal"},       {0x0010, "ShortInt"},
    {varByte, "Byte"},       {0x0012, "Word"},      {0x0013, "LongWord"},      {varInt64, "Int64"},
    {0x0015, "UInt64"},      {varString, "String"},
};

[[noreturn]] void CastError(const Variant& v, std::string_view to) {
  throw EVariantTypeCastError("Could not convert variant of type (%s) into type (%s)",
                              {VarTypeAsText(v.VarType()), to});
}
[[noreturn]] void CastError(const Variant& v, TVarType to) { CastError(v, VarTypeAsText(to)); }
[[noreturn]] void OverflowError(const Variant& v, TVarType to) {
  throw EVariantOverflowError("Overflow while converting variant of type (%s) into type (%s)",
                              {VarTypeAsText(v.VarType()), VarTypeAsText(to)});
}
[[noreturn]] void BadIndexError() { throw EVariantBadIndexError("Variant or safe array index out of bounds"); }
[[noreturn]] void BadVarTypeError() { throw EVariantBadVarTypeError("Invalid variant type"); }

// ------------------------------------------------------------ numbers

// Rounds half to even, independent of the floating-point rounding mode.
double RoundHalfEven(double x) {
  double r = std::round(x);  // half away from zero
  if (std::fabs(x - std::trunc(x)) == 0.5 && std::fmod(r, 2.0) != 0) r -= std::copysign(1.0, x);
  return r;
}

bool DoubleToInt64(double x, int64_t& out) {
  double r = RoundHalfEven(x);
  // 2^63 is exact as a double; NaN fails both comparisons.
  if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0)) return false;
  out = static_cast<int64_t>(r);
  return true;
}

// Divides a currency amount by its scale, rounding half to even.
int64_t CurrencyToInt64(int64_t raw) {
  int64_t q = raw / Currency::Scale, rem = raw % Currency::Scale;
  int64_t half = Currency::Scale / 2, sign = raw < 0 ? -1 : 1;
  int64_t absRem = rem < 0 ? -rem : rem;
  if (absRem > half || (absRem == half && q % 2 != 0)) q += sign;
  return q;
}

bool Int64ToCurrency(int64_t v, int64_t& raw) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max() / Currency::Scale;
  if (v > kMax || v < -kMax) return false;
  raw = v * Currency::Scale;
  return true;
}

bool DoubleToCurrency(double x, int64_t& raw) { return DoubleToInt64(x * Currency::Scale, raw); }

// A numeric reading of a Variant: an integer, a floating-point number or a
// currency amount (scaled).
struct Numeric {
  enum Kind { Int, Float, Curr } kind;
  int64_t i = 0;
  double d = 0;
};

// Reads text as integer text first, then as floating-point text.
bool TextToNumeric(const std::string& text, Numeric& n) {
  if (TryStrToInt64(text, n.i)) {
    n.kind = Numeric::Int;
    return true;
  }
  if (TryStrToFloat(text, n.d)) {
    n.kind = Numeric::Float;
    return true;
  }
  return false;
}

// The numeric reading of v for a conversion to `to`; raises when v has none.
Numeric NumericOf(const Variant& v, TVarType to) {
  switch (v.VarType()) {
    case varEmpty:
      return {Numeric::Int, 0};
    case varInteger:
      return {Numeric::Int, VarAccess::I32(v)};
    case varInt64:
      return {Numeric::Int, VarAccess::I64(v)};
    case varBoolean:
      return {Numeric::Int, VarAccess::Bool(v) ? -1 : 0};
    case varDouble:
      return {Numeric::Float, 0, VarAccess::Dbl(v)};
    case varCurrency:
      return {Numeric::Curr, VarAccess::I64(v)};
    case varString:
    case varOleStr: {
      Numeric n{Numeric::Int};
      if (TextToNumeric(v.AsString(), n)) return n;
      break;
    }
    default:
      break;
  }
  CastError(v, to);
}

int64_t IntegerValue(const Variant& v, TVarType to) {
  Numeric n = NumericOf(v, to);
  if (n.kind == Numeric::Curr) return CurrencyToInt64(n.i);
  if (n.kind == Numeric::Float && !DoubleToInt64(n.d, n.i)) OverflowError(v, to);
  return n.i;
}

int32_t NarrowInteger(const Variant& v, int64_t value, int64_t lo, int64_t hi, TVarType to) {
  if (value < lo || value > hi) OverflowError(v, to);
  return static_cast<int32_t>(value);
}

// ------------------------------------------------------------ arrays

VarArrayRep& ArrayOf(const Variant& v) {
  if (!v.IsArray()) throw EVariantNotAnArrayError("Variant is not an array");
  return VarAccess::Arr(v);
}

const detail::VarBound& BoundOf(const Variant& v, int dim) {
  VarArrayRep& a = ArrayOf(v);
  if (dim < 1 || dim > static_cast<int>(a.bounds.size())) BadIndexError();
  return a.bounds[static_cast<std::size_t>(dim - 1)];
}

std::size_t FlatIndex(const VarArrayRep& a, std::initializer_list<int32_t> indices) {
  if (indices.size() != a.bounds.size()) BadIndexError();
  std::size_t flat = 0;
  const int32_t* idx = indices.begin();
  for (const detail::VarBound& b : a.bounds) {
    int64_t offset = int64_t(*idx++) - b.low;
    if (offset < 0 || offset >= b.count) BadIndexError();
    flat = flat * static_cast<std::size_t>(b.count) + static_cast<std::size_t>(offset);
  }
  return flat;
}

constexpr std::size_t kMaxArrayElems = std::size_t(1) << 28;

[[noreturn]] void ArrayCreateError() { throw EVariantArrayCreateError("Error creating variant or safe array"); }

// The value a new element of an array of `elemType` starts with.
Variant ZeroOf(TVarType elemType) { return elemType == varVariant ? Variant() : VarAsType(Variant(), elemType); }

bool IsArrayElementType(TVarType t) {
  switch (t) {
    case varVariant:
    case varSmallint:
    case varInteger:
    case varSingle:
    case varDouble:
    case varCurrency:
    case varOleStr:
    case varBoolean:
    case varByte:
    case varInt64:
    case varString:
      return true;
    default:
      return false;
  }
}

template <class Rep>
void AddRef(Rep* rep) {
  rep->refs.fetch_add(1, std::memory_order_relaxed);
}
template <class Rep>
void DropRef(Rep* rep) {
  if (rep->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) delete rep;
}

}  // namespace

// ------------------------------------------------------------ Currency

Currency Currency::FromDouble(double amount) {
  Currency c;
  if (!DoubleToCurrency(amount, c.Value))
    throw EVariantOverflowError("Overflow while converting variant of type (Double) into type (Currency)");
  return c;
}

std::string Currency::ToString() const {
  uint64_t mag = Value < 0 ? 0 - static_cast<uint64_t>(Value) : static_cast<uint64_t>(Value);
  std::string text = (Value < 0 ? "-" : "") + std::to_string(mag / Scale);
  uint64_t frac = mag % Scale;
  if (frac == 0) return text;
  std::string digits = std::to_string(frac + Scale).substr(1);  // four digits with leading zeros
  digits.erase(digits.find_last_not_of('0') + 1);
  return text + "." + digits;
}

// ------------------------------------------------------------ Variant

Variant::Variant(std::string v) : FType(varString) { FStr = new detail::VarStringRep(std::move(v)); }

Variant::Variant(std::u16string v) : FType(varOleStr) { FWide = new detail::VarWideRep(std::move(v)); }

void Variant::CopyHeap(const Variant& other) {
  if (FType == varString) {
    AddRef(FStr);
  } else if (FType == varOleStr) {
    AddRef(FWide);
  } else {
    FArr = new VarArrayRep(*other.FArr);
  }
}

Variant& Variant::AssignSlow(const Variant& other) {
  // Copy first: other may live inside the array this holds.
  if (this != &other) *this = Variant(other);
  return *this;
}

void Variant::Clear() noexcept {
  if (OwnsHeap()) Release();
  FType = varEmpty;
  FI64 = 0;
}

void Variant::Release() noexcept {
  if (FType == varString)
    DropRef(FStr);
  else if (FType == varOleStr)
    DropRef(FWide);
  else
    delete FArr;
}

TVarType Variant::VarType() const noexcept {
  return FType == kArrayTag ? static_cast<TVarType>(varArray | FArr->elemType) : static_cast<TVarType>(FType);
}

int32_t Variant::ToInteger() const {
  if (FType == varString || FType == varOleStr) {
    int32_t v;
    if (TryStrToInt(AsString(), v)) return v;  // accepts $FFFFFFFF as -1, like StrToInt
  }
  return NarrowInteger(*this, IntegerValue(*this, varInteger), std::numeric_limits<int32_t>::min(),
                       std::numeric_limits<int32_t>::max(), varInteger);
}

int64_t Variant::ToInt64() const { return IntegerValue(*this, varInt64); }

bool Variant::ToBoolean() const {
  if (FType == varString || FType == varOleStr) {
    std::string text = Trim(AsString());
    if (SameText(text, "True")) return true;
    if (SameText(text, "False")) return false;
  }
  Numeric n = NumericOf(*this, varBoolean);
  return n.kind == Numeric::Float ? n.d != 0 : n.i != 0;
}

double Variant::ToDouble() const {
  Numeric n = NumericOf(*this, varDouble);
  switch (n.kind) {
    case Numeric::Int:
      return static_cast<double>(n.i);
    case Numeric::Curr:
      return Currency{n.i}.ToDouble();
    default:
      return n.d;
  }
}

Currency Variant::AsCurrency() const {
  Numeric n = NumericOf(*this, varCurrency);
  Currency c{n.i};
  bool ok = n.kind == Numeric::Curr ||
            (n.kind == Numeric::Int ? Int64ToCurrency(n.i, c.Value) : DoubleToCurrency(n.d, c.Value));
  if (!ok) OverflowError(*this, varCurrency);
  return c;
}

std::string Variant::AsString() const {
  switch (FType) {
    case varEmpty:
      return {};
    case varInteger:
      return IntToStr(FI32);
    case varInt64:
      return IntToStr(FI64);
    case varBoolean:
      return BoolToStr(FB);
    case varDouble:
      return FloatToStr(FD);
    case varCurrency:
      return Currency{FI64}.ToString();
    case varString:
      return FStr->text;
    case varOleStr:
      return Utf16ToUtf8(FWide->text);
    default:
      CastError(*this, varString);
  }
}

std::u16string Variant::AsWideString() const {
  if (FType == varOleStr) return FWide->text;
  try {
    return Utf8ToUtf16(AsString());
  } catch (const EVariantTypeCastError&) {
    CastError(*this, varOleStr);
  }
}

void* Variant::ToPointer() const {
  switch (FType) {
    case varEmpty:
      return nullptr;
    case varInteger:
      return reinterpret_cast<void*>(static_cast<uintptr_t>(static_cast<int64_t>(FI32)));
    case varInt64:
      return reinterpret_cast<void*>(static_cast<uintptr_t>(FI64));
    default:
      CastError(*this, "Pointer");
  }
}

bool operator==(const Variant& a, const Variant& b) {
  if (a.FType != b.FType) return false;
  switch (a.FType) {
    case varEmpty:
    case varNull:
      return true;
    case varInteger:
      return a.FI32 == b.FI32;
    case varBoolean:
      return a.FB == b.FB;
    case varDouble:
      return a.FD == b.FD;
    case varString:
      return a.FStr->text == b.FStr->text;
    case varOleStr:
      return a.FWide->text == b.FWide->text;
    case Variant::kArrayTag:
      return a.FArr->elemType == b.FArr->elemType && a.FArr->bounds == b.FArr->bounds && a.FArr->elems == b.FArr->elems;
    default:  // Int64, Currency
      return a.FI64 == b.FI64;
  }
}

// ------------------------------------------------------------ free functions

std::string VarToStr(const Variant& v) { return v.IsNull() ? std::string() : v.AsString(); }

std::string VarTypeAsText(TVarType type) {
  if (type & varArray) return "Array of " + VarTypeAsText(static_cast<TVarType>(type & varTypeMask));
  for (const TypeName& entry : kTypeNames)
    if (entry.code == type) return entry.name;
  return "$" + IntToHex(type, 4);
}

Variant VarAsType(const Variant& v, TVarType type) {
  if (type == varVariant) return v;
  if (v.IsArray() || (type & varArray)) {
    if (v.VarType() != type) CastError(v, type);
    return v;
  }
  switch (type) {
    case varEmpty:
      return Variant();
    case varNull:
      return Variant::Null();
    case varSmallint:
      return NarrowInteger(v, IntegerValue(v, type), std::numeric_limits<int16_t>::min(),
                           std::numeric_limits<int16_t>::max(), type);
    case varByte:
      return NarrowInteger(v, IntegerValue(v, type), 0, 255, type);
    case varInteger:
      return v.AsInteger();
    case varInt64:
      return v.AsInt64();
    case varBoolean:
      return v.AsBoolean();
    case varDouble:
      return v.AsDouble();
    case varSingle: {
      double d = v.AsDouble();
      if (std::isfinite(d) && std::fabs(d) > FLT_MAX) OverflowError(v, type);
      return static_cast<double>(static_cast<float>(d));
    }
    case varCurrency:
      return v.AsCurrency();
    case varString:
      return v.AsString();
    case varOleStr:
      return v.AsWideString();
    default:
      BadVarTypeError();
  }
}

// ------------------------------------------------------------ arrays

Variant VarArrayCreate(std::initializer_list<int32_t> bounds, TVarType elemType) {
  constexpr std::size_t kMaxDims = 64;
  if (bounds.size() == 0 || bounds.size() % 2 != 0 || bounds.size() > 2 * kMaxDims) ArrayCreateError();
  if (!IsArrayElementType(elemType)) BadVarTypeError();
  auto* rep = new VarArrayRep{elemType, {}, {}};
  Variant result = VarAccess::FromArray(rep);  // owns rep from here on
  std::size_t total = 1;
  for (const int32_t* p = bounds.begin(); p != bounds.end(); p += 2) {
    int64_t count = int64_t(p[1]) - p[0] + 1;
    if (count < 0 || (count > 0 && total > kMaxArrayElems / static_cast<std::size_t>(count))) ArrayCreateError();
    total *= static_cast<std::size_t>(count);
    rep->bounds.push_back({p[0], static_cast<int32_t>(count)});
  }
  rep->elems.assign(total, ZeroOf(elemType));
  return result;
}

Variant VarArrayOf(std::initializer_list<Variant> values) {
  Variant result = VarArrayCreate({0, static_cast<int32_t>(values.size()) - 1});
  VarAccess::Arr(result).elems.assign(values.begin(), values.end());
  return result;
}

void VarArrayRedim(Variant& v, int32_t highBound) {
  VarArrayRep& a = ArrayOf(v);
  detail::VarBound& last = a.bounds.back();
  int64_t count = int64_t(highBound) - last.low + 1;
  std::size_t outer = 1;
  for (std::size_t d = 0; d + 1 < a.bounds.size(); ++d) outer *= static_cast<std::size_t>(a.bounds[d].count);
  if (count < 0 || (count > 0 && outer > kMaxArrayElems / static_cast<std::size_t>(count))) ArrayCreateError();
  // Rows of the last dimension are contiguous: copy each row's common part.
  std::size_t oldCount = static_cast<std::size_t>(last.count), newCount = static_cast<std::size_t>(count);
  std::vector<Variant> elems(outer * newCount, ZeroOf(a.elemType));
  for (std::size_t row = 0; row < outer; ++row)
    for (std::size_t k = 0; k < std::min(oldCount, newCount); ++k)
      elems[row * newCount + k] = std::move(a.elems[row * oldCount + k]);
  a.elems = std::move(elems);
  last.count = static_cast<int32_t>(count);
}

int VarArrayDimCount(const Variant& v) { return v.IsArray() ? static_cast<int>(VarAccess::Arr(v).bounds.size()) : 0; }

int32_t VarArrayLowBound(const Variant& v, int dim) { return BoundOf(v, dim).low; }

int32_t VarArrayHighBound(const Variant& v, int dim) {
  const detail::VarBound& b = BoundOf(v, dim);
  return static_cast<int32_t>(int64_t(b.low) + b.count - 1);
}

Variant VarArrayGet(const Variant& v, std::initializer_list<int32_t> indices) {
  const VarArrayRep& a = ArrayOf(v);
  return a.elems[FlatIndex(a, indices)];
}

void VarArrayPut(Variant& v, const Variant& value, std::initializer_list<int32_t> indices) {
  VarArrayRep& a = ArrayOf(v);
  std::size_t flat = FlatIndex(a, indices);
  // Convert (and copy) before storing: value may be the array itself.
  Variant stored = a.elemType == varVariant ? value : VarAsType(value, a.elemType);
  a.elems[flat] = std::move(stored);
}

}  // namespace host
