#include "host/widgetset/headless/handletable.h"

#include <algorithm>
#include <atomic>

namespace host::headless {

namespace {
// Shared by every table the process creates: handles never repeat.
std::atomic<THandle> g_nextHandle{1};
}  // namespace

THandle THandleTable::Add(uint32_t Type, TObjectData Data, bool Stock) {
  THandle handle = g_nextHandle++;
  if (handle == 0) handle = g_nextHandle++;  // after wrapping round, skip "no object"
  FEntries.emplace(handle, TObjectEntry{Type, Stock, 0, std::move(Data)});
  return handle;
}

TObjectEntry* THandleTable::Find(THandle Handle) {
  if (Handle == 0) return nullptr;
  auto it = FEntries.find(Handle);
  return it == FEntries.end() ? nullptr : &it->second;
}

bool THandleTable::Remove(THandle Handle) { return FEntries.erase(Handle) != 0; }

std::size_t THandleTable::Count() const {
  return static_cast<std::size_t>(
      std::count_if(FEntries.begin(), FEntries.end(), [](const auto& e) { return !e.second.Stock; }));
}

}  // namespace host::headless
