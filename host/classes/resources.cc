#include "host/classes/resources.h"

#include <map>
#include <mutex>
#include <tuple>

#include "host/rtl/sysutils.h"

namespace host {

namespace {

// The main module's handle: any stable non-zero value serves.
constexpr HMODULE kMainModule = 1;

struct ResourceKey {
  HMODULE module;
  std::string name;  // upper-cased, so that lookups ignore case
  std::string type;
  friend bool operator<(const ResourceKey& a, const ResourceKey& b) {
    return std::tie(a.module, a.name, a.type) < std::tie(b.module, b.name, b.type);
  }
};

using ResourceBytes = std::shared_ptr<const std::vector<uint8_t>>;

// Resources may be looked up from worker threads, so the table is locked.
struct ResourceTable {
  std::mutex lock;
  std::map<ResourceKey, ResourceBytes> entries;
};

ResourceTable& Table() {
  static ResourceTable table;
  return table;
}

ResourceKey MakeKey(HMODULE module, std::string_view name, std::string_view type) {
  return {module == 0 ? kMainModule : module, AnsiUpperCase(name), AnsiUpperCase(type)};
}

}  // namespace

HMODULE HInstance() { return kMainModule; }

void RegisterResource(HMODULE module, std::string_view name, std::string_view type, std::span<const uint8_t> bytes) {
  if (name.empty() || type.empty())
    throw EInvalidOperation("A resource needs a name and a type (name \"%s\", type \"%s\")", {name, type});
  auto data = std::make_shared<const std::vector<uint8_t>>(bytes.begin(), bytes.end());
  ResourceTable& table = Table();
  std::lock_guard guard(table.lock);
  table.entries[MakeKey(module, name, type)] = std::move(data);
}

void RegisterResource(HMODULE module, std::string_view name, std::string_view type, std::string_view bytes) {
  RegisterResource(module, name, type,
                   std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

bool UnregisterResource(HMODULE module, std::string_view name, std::string_view type) {
  ResourceTable& table = Table();
  std::lock_guard guard(table.lock);
  return table.entries.erase(MakeKey(module, name, type)) != 0;
}

std::shared_ptr<const std::vector<uint8_t>> FindResourceData(HMODULE module, std::string_view name,
                                                             std::string_view type) {
  ResourceTable& table = Table();
  std::lock_guard guard(table.lock);
  auto it = table.entries.find(MakeKey(module, name, type));
  return it == table.entries.end() ? nullptr : it->second;
}

}  // namespace host
