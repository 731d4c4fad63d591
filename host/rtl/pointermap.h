// A map keyed by addresses, kept in one flat array (open addressing with
// linear probing and backward-shift deletion): finding, adding and dropping
// an entry touches a cache line or two even with tens of thousands of
// entries, and entries cost no allocation of their own. Values are small
// trivially copyable things (pointers, flags); the null address is not a key.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace host {

template <class V>
class TPointerMap {
 public:
  // The value of `key`; null when absent.
  const V* Find(const void* key) const {
    if (FSlots.empty()) return nullptr;
    for (std::size_t i = Home(key);; i = Next(i)) {
      if (!FSlots[i].Key) return nullptr;
      if (FSlots[i].Key == key) return &FSlots[i].Value;
    }
  }
  V* Find(const void* key) { return const_cast<V*>(static_cast<const TPointerMap&>(*this).Find(key)); }
  bool Contains(const void* key) const { return Find(key) != nullptr; }
  // The value of `key`, made (value-initialised) when absent. The reference
  // stays valid until the next At or Erase.
  V& At(const void* key) {
    if (2 * (FCount + 1) > FSlots.size()) Grow();
    std::size_t i = Home(key);
    for (; FSlots[i].Key; i = Next(i))
      if (FSlots[i].Key == key) return FSlots[i].Value;
    FSlots[i] = {key, V{}};
    ++FCount;
    return FSlots[i].Value;
  }
  // Drops `key`; false when it was absent.
  bool Erase(const void* key) {
    if (FSlots.empty()) return false;
    std::size_t i = Home(key);
    for (; FSlots[i].Key != key; i = Next(i))
      if (!FSlots[i].Key) return false;
    // Shift later entries of the probe run back into the gap: an entry may
    // move to the gap unless its home lies cyclically in (gap, entry].
    for (std::size_t j = Next(i); FSlots[j].Key; j = Next(j)) {
      const std::size_t home = Home(FSlots[j].Key);
      const bool stays = i <= j ? (home > i && home <= j) : (home > i || home <= j);
      if (stays) continue;
      FSlots[i] = FSlots[j];
      i = j;
    }
    FSlots[i] = {};
    --FCount;
    return true;
  }
  std::size_t Size() const { return FCount; }
  bool Empty() const { return FCount == 0; }
  void Clear() {
    FSlots.clear();
    FCount = 0;
  }

 private:
  struct TSlot {
    const void* Key = nullptr;
    V Value{};
  };
  // Objects made one after another sit close together in memory; keeping
  // their slots close together too makes a run over them (a form freed
  // component by component) walk the table instead of jumping around it.
  // The higher bits are folded in so that addresses a table size apart do
  // not collide.
  std::size_t Home(const void* key) const {
    const auto h = static_cast<uint64_t>(reinterpret_cast<std::uintptr_t>(key)) >> 4;
    return static_cast<std::size_t>(h ^ (h >> 15) ^ (h >> 30)) & (FSlots.size() - 1);
  }
  std::size_t Next(std::size_t i) const { return (i + 1) & (FSlots.size() - 1); }
  void Grow() {
    std::vector<TSlot> old(FSlots.empty() ? 16 : 2 * FSlots.size());
    old.swap(FSlots);
    for (const TSlot& slot : old) {
      if (!slot.Key) continue;
      std::size_t i = Home(slot.Key);
      while (FSlots[i].Key) i = Next(i);
      FSlots[i] = slot;
    }
  }

  std::vector<TSlot> FSlots;
  std::size_t FCount = 0;
};

}  // namespace host
