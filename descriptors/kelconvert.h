// How host values travel in Variants: the one set of conversion rules every
// class descriptor uses, and the per-descriptor scratch storage for values
// that travel by address.
//
//   host type                                   to Variant              from Variant
//   ------------------------------------------  ----------------------  ------------------------------
//   bool                                        Boolean                 AsBoolean
//   char                                        1-character String      first character of AsString
//   enumeration (fixed underlying type)         ordinal as Integer      Integer taken as the ordinal
//   other integer types up to 32 bits, except   Integer                 AsInteger, narrowed to the type
//     uint32_t
//   int64_t                                     Int64                   AsInt64 (64-bit values are
//                                                                         never narrowed to 32 bits)
//   float, double / Currency                    Double / Currency       AsDouble / AsCurrency
//   std::string, std::string_view               String                  AsString (a string_view
//                                                                         parameter -- the classic short
//                                                                         string -- views a held copy)
//   std::u16string, std::u16string_view         WideString              AsWideString
//   host::Variant                               itself                  itself
//   const char* (zero-terminated texts)         String (a copy)       the text, held for the call (0
//                                                                         or Unassigned: no text)
//   pointers: objects, class references (TClass),  Int64 address (0 =   any integer kind taken as the
//     interfaces, untyped pointers                 null; an interface    address; an object reference is
//                                                  as the address of     checked to be of the expected
//                                                  the object that       class, an interface to belong
//                                                  implements it)        to a live object (EInvalidCast
//                                                                         otherwise)
//   uint32_t (system values), sets, records     Int64 address of a      integer taken as the address of
//     (TSet, TRect, TPoint, TGUID, ...)           copy in scratch         a value of the type
//
// Any other type (unsigned 64-bit values, function pointers, ...) does not
// compile: map such a member with a lambda that converts it explicitly.
//
// Addresses that arrive as numbers are checked before anything is read
// through them, so that no integer from a form file, a script or another
// property is ever taken for memory: an object reference must be a live
// object of the expected class, a class reference a host class (EInvalidCast
// naming the address otherwise), an interface the interface of a live
// object that implements it. A by-address value is read only from a
// value area (see below): a descriptor's scratch block, the arguments of an
// event being fired, or a TkelValue made by C++ code; 0 and any other
// address raise. Texts travel as text, never as addresses. Untyped pointers
// are passed on as they are: the host never reads through them.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "host/classes/typinfo.h"
#include "host/rtl/object.h"
#include "host/rtl/sysutils.h"
#include "host/rtl/variants.h"

namespace kel {

namespace detail {
template <class T>
inline constexpr bool kelAlwaysFalse = false;

template <class T>
concept TkelFixedEnum = std::is_enum_v<T> && requires {
  T{std::underlying_type_t<T>{}};
};
}  // namespace detail

// Types that travel as the address of a copy: unsigned 32-bit system values,
// and plain value types (sets, records) other than the ones converted directly.
template <class T>
inline constexpr bool kelByAddress = std::is_same_v<T, uint32_t> ||
                                     (std::is_class_v<T> && std::is_trivially_copyable_v<T> &&
                                      !std::is_same_v<T, host::Currency> && !std::is_same_v<T, std::string_view> &&
                                      !std::is_same_v<T, std::u16string_view>);

// Integer types carried as a 32-bit Integer.
template <class T>
inline constexpr bool kelAsInteger = std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char> &&
                                     sizeof(T) <= 4 && !std::is_same_v<T, uint32_t>;

// The type a converted value is kept in until it is used: the decayed type,
// except that views keep the text they view.
template <class T>
struct TkelHolderOf {
  using Type = std::remove_cvref_t<T>;
};
template <>
struct TkelHolderOf<std::string_view> {
  using Type = std::string;
};
template <>
struct TkelHolderOf<std::u16string_view> {
  using Type = std::u16string;
};
// A zero-terminated text handed to the host for the call: the Variant's
// text, held here; the integer 0 (or an empty Variant) is no text at all.
struct TkelText {
  std::string Text;
  bool Null = false;
  operator const char*() const { return Null ? nullptr : Text.c_str(); }
};
template <>
struct TkelHolderOf<const char*> {
  using Type = TkelText;
};
template <class T>
using TkelHolder = typename TkelHolderOf<std::remove_cvref_t<T>>::Type;

// ------------------------------------------------------------ value areas

class TkelScratchLayout;

// The memory by-address values are read from: each area is a block of
// `size` bytes at `start`, either a descriptor's scratch block (`layout`
// tells the slots and their types) or one value of the type `type` (null
// when the value has no type information). Thread-safe.
void kelAddValueArea(const void* start, std::size_t size, const TkelScratchLayout* layout, const host::TTypeInfo* type);
void kelRemoveValueArea(const void* start) noexcept;
// Raises for 0, and EInvalidCast naming the address unless the `size` bytes
// at `address` lie inside one value area. What the calling thread accepted
// last is answered inline, the rest by a look-up.
namespace detail {
struct TAreaTag;
void CheckValueAddressLookUp(const void* address, std::size_t size);
}  // namespace detail
inline void kelCheckValueAddress(const void* address, std::size_t size) {
  if (address && host::TAcceptedAddresses<detail::TAreaTag>::Room(address) >= size) return;
  detail::CheckValueAddressLookUp(address, size);
}
// Whether the `size` bytes at `address` lie inside one value area (no error).
bool kelIsValueAddress(const void* address, std::size_t size) noexcept;
// The same for a value the host is to change in place: the `size` bytes at
// `address` must also be one value that may be overwritten — a single value
// area, or a scratch slot of a plain value type that starts there (never
// part of a saved handler or of a slot of another kind), aligned to `align`.
// EInvalidCast otherwise.
void kelCheckWritableAddress(const void* address, std::size_t size, std::size_t align);
// The type information of the value that starts at `address` in a value
// area; null when unknown (or when no area holds the address).
const host::TTypeInfo* kelValueTypeAt(const void* address) noexcept;

// The type information a by-address value of type T can be printed with:
// that of a set of an enumeration with named members; null for the rest.
template <class T>
const host::TTypeInfo* kelValueType() {
  if constexpr (host::detail::IsSet<T>::value) {
    using E = typename host::detail::IsSet<T>::Element;
    if constexpr (requires(E * e) { HostTypeInfo(e); }) return host::detail::TypeInfoOf<T>();
  }
  return nullptr;
}

// One value of type T in a value area of its own, for as long as this lives.
class TkelValueArea {
 public:
  TkelValueArea(const void* start, std::size_t size, const host::TTypeInfo* type) : FStart(start) {
    kelAddValueArea(start, size, nullptr, type);
  }
  TkelValueArea(const TkelValueArea&) = delete;
  TkelValueArea& operator=(const TkelValueArea&) = delete;
  ~TkelValueArea() { kelRemoveValueArea(FStart); }

 private:
  const void* FStart;
};

// A value that C++ code passes to a descriptor by address (a record
// argument, a set to assign): it lives in a value area of its own, so the
// descriptors accept its address.
template <class T>
class TkelValue {
  static_assert(kelByAddress<T>, "a TkelValue holds a value that travels by address");

 public:
  explicit TkelValue(const T& value = T{}) : FValue(value), FArea(&FValue, sizeof(T), kelValueType<T>()) {}
  T& Value() { return FValue; }
  const T& Value() const { return FValue; }
  // The address, as descriptors take by-address values.
  host::Variant Address() const { return host::Variant::FromPointer(&FValue); }

 private:
  T FValue;
  TkelValueArea FArea;
};

// An ordinal written to an enumeration: anything outside first..last is
// refused before the host sees it (a narrowing cast would otherwise turn 256
// into the first value, and the host indexes tables by some of them).
template <class E>
E CheckedOrdinal(int32_t ordinal, E last, const char* property) {
  if (ordinal < 0 || ordinal > static_cast<int32_t>(last))
    throw host::ERangeError("%d is not a valid value of " + std::string(property) + " (0..%d)",
                            {ordinal, static_cast<int32_t>(last)});
  return static_cast<E>(ordinal);
}
// A property setter of the host class H for the enumeration E that checks
// the ordinal first (see CheckedOrdinal).
template <class H, class E>
auto OrdinalSetter(void (H::*set)(E), E last, const char* property) {
  return [set, last, property](H& h, int32_t ordinal) { (h.*set)(CheckedOrdinal(ordinal, last, property)); };
}

// Raised for by-address inputs given the address 0.
[[noreturn]] void RaiseNilAddress();
// Raised for a character input whose text is empty.
[[noreturn]] void RaiseNoCharacter();

// The object at `address` as a T (a TObject descendant): null for 0; an
// address where no object lives, or an object of another class, raises
// EInvalidCast.
template <class T>
T* ObjectAt(void* address) {
  return host::As<T>(host::LiveObjectAt(address));
}

// A text for a `const char*` parameter (see TkelText): never an address, so
// no number is ever read as memory.
TkelText TextOf(const host::Variant& v);

// A pointer to a host interface (not to an object).
template <class D>
inline constexpr bool kelInterfacePointer =
    std::is_pointer_v<D>&& std::is_base_of_v<host::IUnknown, std::remove_cv_t<std::remove_pointer_t<D>>> &&
    !std::is_base_of_v<host::TObject, std::remove_cv_t<std::remove_pointer_t<D>>>;

// The interface I of the live object at `address` (null for 0): an
// interface travels as the address of the object that implements it, so
// that nothing but a live object is ever called through it. EInvalidCast
// when the address is no live object or the object lacks the interface.
template <class I>
I* InterfaceAt(void* address) {
  if (!address) return nullptr;
  host::TObject* object = host::LiveObjectAt(address);
  if (I* found = dynamic_cast<I*>(object)) return found;
  throw host::EInvalidCast("Invalid typecast: %s does not implement the interface expected here",
                           {object->ClassName()});
}

// A host value read from a Variant by the rules above.
template <class T>
TkelHolder<T> FromVariant(const host::Variant& v) {
  using D = std::remove_cvref_t<T>;
  if constexpr (std::is_same_v<D, host::Variant>) {
    return v;
  } else if constexpr (std::is_same_v<D, bool>) {
    return v.AsBoolean();
  } else if constexpr (std::is_same_v<D, char>) {
    const std::string s = v.AsString();
    if (s.empty()) RaiseNoCharacter();
    return s[0];
  } else if constexpr (std::is_enum_v<D>) {
    static_assert(detail::TkelFixedEnum<D>, "an enumeration needs a fixed underlying type to take any ordinal");
    return static_cast<D>(static_cast<std::underlying_type_t<D>>(v.AsInteger()));
  } else if constexpr (kelAsInteger<D>) {
    return static_cast<D>(v.AsInteger());
  } else if constexpr (std::is_same_v<D, int64_t> || std::is_same_v<D, long long>) {
    return static_cast<D>(v.AsInt64());
  } else if constexpr (std::is_floating_point_v<D>) {
    return static_cast<D>(v.AsDouble());
  } else if constexpr (std::is_same_v<D, host::Currency>) {
    return v.AsCurrency();
  } else if constexpr (std::is_same_v<D, std::string> || std::is_same_v<D, std::string_view>) {
    if (const std::string* text = v.StringData()) return *text;
    return v.AsString();
  } else if constexpr (std::is_same_v<D, std::u16string> || std::is_same_v<D, std::u16string_view>) {
    return v.AsWideString();
  } else if constexpr (std::is_pointer_v<D> &&
                       std::is_base_of_v<host::TObject, std::remove_cv_t<std::remove_pointer_t<D>>>) {
    return ObjectAt<std::remove_cv_t<std::remove_pointer_t<D>>>(v.AsPointer());
  } else if constexpr (std::is_same_v<D, host::TClass>) {
    return host::ClassAt(v.AsPointer());
  } else if constexpr (kelInterfacePointer<D>) {
    return InterfaceAt<std::remove_cv_t<std::remove_pointer_t<D>>>(v.AsPointer());
  } else if constexpr (std::is_same_v<D, const char*>) {
    return TextOf(v);
  } else if constexpr (std::is_same_v<D, char*>) {
    static_assert(detail::kelAlwaysFalse<D>, "a text the host writes into: map it with a lambda that owns the buffer");
  } else if constexpr (std::is_pointer_v<D> && !std::is_function_v<std::remove_pointer_t<D>>) {
    return static_cast<D>(v.AsPointer());
  } else if constexpr (kelByAddress<D>) {
    const void* address = v.AsPointer();
    kelCheckValueAddress(address, sizeof(D));
    return *static_cast<const D*>(address);
  } else {
    static_assert(detail::kelAlwaysFalse<D>, "no Variant conversion for this host type: map the member with a lambda");
  }
}

// A host value as a Variant by the rules above; not for by-address types
// (see ToVariantAt).
template <class T>
host::Variant ToVariant(const T& value) {
  using D = std::remove_cvref_t<T>;
  static_assert(!kelByAddress<D>, "a set, record or system value needs scratch storage: use ToVariantAt");
  if constexpr (std::is_same_v<D, char>) {
    return host::Variant(std::string(1, value));
  } else if constexpr (std::is_enum_v<D>) {
    return host::Variant(static_cast<int32_t>(value));
  } else if constexpr (kelAsInteger<D>) {
    return host::Variant(static_cast<int32_t>(value));
  } else if constexpr (std::is_same_v<D, long long>) {
    return host::Variant(static_cast<int64_t>(value));
  } else if constexpr (std::is_pointer_v<D> &&
                       std::is_base_of_v<host::TObject, std::remove_cv_t<std::remove_pointer_t<D>>>) {
    return host::Variant::FromPointer(static_cast<const host::TObject*>(value));
  } else if constexpr (kelInterfacePointer<D>) {
    // The implementing object's address (see InterfaceAt); an interface no
    // host object implements travels as its own address and is refused on
    // the way back.
    if (const auto* object = dynamic_cast<const host::TObject*>(value)) return host::Variant::FromPointer(object);
    return host::Variant::FromPointer(value);
  } else if constexpr (std::is_same_v<D, const char*> || std::is_same_v<D, char*>) {
    return host::Variant(std::string(value ? value : ""));
  } else if constexpr (std::is_pointer_v<D> && !std::is_function_v<std::remove_pointer_t<D>>) {
    return host::Variant::FromPointer(value);
  } else if constexpr (std::is_same_v<D, std::string_view> || std::is_same_v<D, std::u16string_view> ||
                       std::is_same_v<D, bool> || std::is_same_v<D, int64_t> || std::is_floating_point_v<D> ||
                       std::is_same_v<D, host::Currency> || std::is_same_v<D, std::string> ||
                       std::is_same_v<D, std::u16string> || std::is_same_v<D, host::Variant>) {
    return host::Variant(value);
  } else {
    static_assert(detail::kelAlwaysFalse<D>, "no Variant conversion for this host type: map the member with a lambda");
  }
}

// A by-address value: copied into `storage`, the Variant holds the copy's address.
template <class T>
host::Variant ToVariantAt(const T& value, T& storage) {
  if (&storage != &value) storage = value;
  return host::Variant::FromPointer(&storage);
}

// ------------------------------------------------------------ scratch storage

// The scratch slots of one descriptor class: values that travel by address
// and saved event handlers, one slot per use site, laid out when the class's
// feature map is built.
class TkelScratchLayout {
 public:
  static constexpr std::size_t kNoSlot = static_cast<std::size_t>(-1);

  // A new slot holding a T (value-initialised when the block is made).
  template <class T>
  std::size_t Add() {
    static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__, "a scratch value needs no extended alignment");
    const std::size_t offset = (FSize + alignof(T) - 1) / alignof(T) * alignof(T);
    FSlots.push_back({offset, sizeof(T), std::is_trivially_copyable_v<T>, kelValueType<T>(),
                      [](void* p) { new (p) T{}; }, [](void* p) { static_cast<T*>(p)->~T(); }});
    FSize = offset + sizeof(T);
    return FSlots.size() - 1;
  }
  std::size_t Offset(std::size_t slot) const { return FSlots[slot].Offset; }
  bool Empty() const { return FSlots.empty(); }

  // One block holding every slot, each value-initialised, and a value area
  // while it lives; and its release.
  std::byte* Make() const;
  void Free(std::byte* block) const;
  // The type information of the value in the slot at `offset` (see
  // kelValueType); null when no slot starts there.
  const host::TTypeInfo* TypeAt(std::size_t offset) const;
  // Whether a plain value slot of at least `size` bytes starts at `offset`.
  bool PlainAt(std::size_t offset, std::size_t size) const;

 private:
  struct TSlot {
    std::size_t Offset;
    std::size_t Size;
    bool Plain;  // trivially copyable: may be overwritten in place
    const host::TTypeInfo* Type;
    void (*Construct)(void*);
    void (*Destruct)(void*);
  };
  std::vector<TSlot> FSlots;
  std::size_t FSize = 0;
};

// One descriptor's scratch slots: made together on first use, they keep
// their addresses for the descriptor's whole life, so an address handed out
// stays valid until the same site is used again through the same
// descriptor. Every site always uses its slot with the type it was laid out
// with.
class TkelScratch {
 public:
  explicit TkelScratch(const TkelScratchLayout& layout) : FLayout(layout) {}
  TkelScratch(const TkelScratch&) = delete;
  TkelScratch& operator=(const TkelScratch&) = delete;
  ~TkelScratch() {
    if (FBlock) FLayout.Free(FBlock);
  }

  template <class T>
  T& Slot(std::size_t index) {
    if (!FBlock) FBlock = FLayout.Make();
    return *std::launder(reinterpret_cast<T*>(FBlock + FLayout.Offset(index)));
  }
  // The slot if the slots were made, else null (does not make them).
  template <class T>
  T* Existing(std::size_t index) {
    return FBlock ? &Slot<T>(index) : nullptr;
  }

 private:
  const TkelScratchLayout& FLayout;
  std::byte* FBlock = nullptr;
};

// A host value as a Variant, using the scratch slot `index` when the type
// travels by address.
template <class T>
host::Variant ToVariantVia(const T& value, TkelScratch& scratch, std::size_t index) {
  using D = std::remove_cvref_t<T>;
  if constexpr (kelByAddress<D>)
    return ToVariantAt<D>(value, scratch.Slot<D>(index));
  else
    return ToVariant(value);
}

}  // namespace kel
