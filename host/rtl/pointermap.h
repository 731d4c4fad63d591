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
    if (slots_.empty()) return nullptr;
    for (std::size_t i = Home(key);; i = Next(i)) {
      if (!slots_[i].Key) return nullptr;
      if (slots_[i].Key == key) return &slots_[i].Value;
    }
  }
  V* Find(const void* key) { return const_cast<V*>(static_cast<const TPointerMap&>(*this).Find(key)); }
  bool Contains(const void* key) const { return Find(key) != nullptr; }
  // The value of `key`, made (value-initialised) when absent. The reference
  // stays valid until the next At or Erase.
  V& At(const void* key) {
    if (2 * (count_ + 1) > slots_.size()) Grow();
    std::size_t i = Home(key);
    for (; slots_[i].Key; i = Next(i))
      if (slots_[i].Key == key) return slots_[i].Value;
    slots_[i] = {key, V{}};
    ++count_;
    return slots_[i].Value;
  }
  // Drops `key`; false when it was absent.
  bool Erase(const void* key) {
    if (slots_.empty()) return false;
    std::size_t i = Home(key);
    for (; slots_[i].Key != key; i = Next(i))
      if (!slots_[i].Key) return false;
    // Shift later entries of the probe run back into the gap: an entry may
    // move to the gap unless its home lies cyclically in (gap, entry].
    for (std::size_t j = Next(i); slots_[j].Key; j = Next(j)) {
      const std::size_t home = Home(slots_[j].Key);
      const bool stays = i <= j ? (home > i && home <= j) : (home > i || home <= j);
      if (stays) continue;
      slots_[i] = slots_[j];
      i = j;
    }
    slots_[i] = {};
    --count_;
    return true;
  }
  std::size_t Size() const { return count_; }
  bool Empty() const { return count_ == 0; }
  void Clear() {
    slots_.clear();
    count_ = 0;
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
    return static_cast<std::size_t>(h ^ (h >> 15) ^ (h >> 30)) & (slots_.size() - 1);
  }
  std::size_t Next(std::size_t i) const { return (i + 1) & (slots_.size() - 1); }
  void Grow() {
    std::vector<TSlot> old(slots_.empty() ? 16 : 2 * slots_.size());
    old.swap(slots_);
    for (const TSlot& slot : old) {
      if (!slot.Key) continue;
      std::size_t i = Home(slot.Key);
      while (slots_[i].Key) i = Next(i);
      slots_[i] = slot;
    }
  }

  std::vector<TSlot> slots_;
  std::size_t count_ = 0;
};

}  // namespace host
