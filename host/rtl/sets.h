// Classic sets over an enumeration, stored in the classic sizes: up to 8
// members in 1 byte, up to 16 in 2, up to 32 in 4. Member i is bit i.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace host {

template <class E, int Members>
class TSet {
  static_assert(Members > 0 && Members <= 32);

 public:
  using Storage = std::conditional_t<(Members <= 8), uint8_t, std::conditional_t<(Members <= 16), uint16_t, uint32_t>>;

  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (E e : members) Include(e);
  }
  static constexpr TSet FromBits(Storage bits) {
    TSet s;
    s.FBits = bits;
    return s;
  }

  constexpr bool Contains(E e) const { return (FBits & Bit(e)) != 0; }
  constexpr TSet& Include(E e) {
    FBits = static_cast<Storage>(FBits | Bit(e));
    return *this;
  }
  constexpr TSet& Exclude(E e) {
    FBits = static_cast<Storage>(FBits & ~Bit(e));
    return *this;
  }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr Storage Bits() const { return FBits; }

  friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(static_cast<Storage>(a.FBits | b.FBits)); }
  friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(static_cast<Storage>(a.FBits & ~b.FBits)); }
  friend constexpr TSet operator*(TSet a, TSet b) { return FromBits(static_cast<Storage>(a.FBits & b.FBits)); }
  friend constexpr bool operator==(TSet a, TSet b) { return a.FBits == b.FBits; }

 private:
  static constexpr Storage Bit(E e) { return static_cast<Storage>(Storage(1) << static_cast<int>(e)); }
  Storage FBits = 0;
};

}  // namespace host
