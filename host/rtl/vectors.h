// Small helpers for the vectors the host keeps its lists in.
#pragma once

#include <algorithm>
#include <vector>

namespace host {

// Removes the last element equal to Value; false when there is none. Lists
// of children are emptied last first, so the search from the back makes
// emptying a list of n elements cost O(n), not O(n^2).
template <class T, class V>
bool EraseLast(std::vector<T>& List, const V& Value) {
  const auto it = std::find(List.rbegin(), List.rend(), Value);
  if (it == List.rend()) return false;
  List.erase(std::next(it).base());
  return true;
}

}  // namespace host
