// A hashed index from names to positions in a list where the first position
// of a name wins, for the name lookups of registries and property tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "host/rtl/sysutils.h"

namespace host {

// The names themselves stay in the list: every operation takes
// `nameAt(position)`, so the index holds nothing but positions. Hash and
// Equal decide which names are the same.
template <class Hash, class Equal>
class TNameIndex {
 public:
  // The first position holding `name`; -1 if none.
  template <class NameAt>
  int Find(std::string_view name, NameAt nameAt) const {
    if (FSlots.empty()) return -1;
    const std::size_t mask = FSlots.size() - 1;
    for (std::size_t i = Hash{}(name)&mask;; i = (i + 1) & mask) {
      const int32_t position = FSlots[i] - 1;
      if (position < 0) return -1;
      if (Equal{}(nameAt(position), name)) return position;
    }
  }
  // Records `position` for `name` unless the name is already indexed.
  template <class NameAt>
  void Add(int position, std::string_view name, NameAt nameAt) {
    if (Find(name, nameAt) >= 0) return;
    if (2 * (FCount + 1) > FSlots.size()) Grow(nameAt);
    Place(position, name);
    ++FCount;
  }
  void Clear() {
    FSlots.clear();
    FCount = 0;
  }

 private:
  void Place(int position, std::string_view name) {
    const std::size_t mask = FSlots.size() - 1;
    std::size_t i = Hash{}(name)&mask;
    while (FSlots[i] != 0) i = (i + 1) & mask;
    FSlots[i] = position + 1;
  }
  template <class NameAt>
  void Grow(NameAt nameAt) {
    std::vector<int32_t> old(FSlots.empty() ? 16 : 2 * FSlots.size(), 0);
    old.swap(FSlots);
    for (int32_t entry : old)
      if (entry != 0) Place(entry - 1, nameAt(entry - 1));
  }

  std::vector<int32_t> FSlots;  // position + 1; 0 is an empty slot
  std::size_t FCount = 0;
};

// Names compared as AnsiCompareText compares them (without regard to case).
struct TFoldedNameHash {
  std::size_t operator()(std::string_view s) const { return AnsiTextHash(s); }
};
struct TFoldedNameEqual {
  bool operator()(std::string_view a, std::string_view b) const { return AnsiCompareText(a, b) == 0; }
};
using TFoldedNameIndex = TNameIndex<TFoldedNameHash, TFoldedNameEqual>;

}  // namespace host
