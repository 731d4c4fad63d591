// The out-of-line parts of the conversion rules: their errors, the scratch
// blocks and the value areas by-address values are read from.
#include "descriptors/kelconvert.h"

#include <cstdint>
#include <map>
#include <mutex>

#include "host/rtl/addresscache.h"

namespace kel {

namespace {

struct TArea {
  std::size_t Size;
  const TkelScratchLayout* Layout;  // for a scratch block
  const host::TTypeInfo* Type;      // for a single value
};

// The value areas by start address. Never destroyed: descriptors may outlive
// the program's static destructors.
class TValueAreas {
 public:
  void Add(const void* start, TArea area) {
    std::lock_guard<std::mutex> guard(FLock);
    FAreas[Key(start)] = area;
  }
  void Remove(const void* start) noexcept {
    std::lock_guard<std::mutex> guard(FLock);
    FAreas.erase(Key(start));
  }
  // The area holding the `size` bytes at `address`, with its start; false
  // when none does.
  bool Find(const void* address, std::size_t size, uintptr_t& start, TArea& area) noexcept {
    std::lock_guard<std::mutex> guard(FLock);
    auto it = FAreas.upper_bound(Key(address));
    if (it == FAreas.begin()) return false;
    --it;
    if (Key(address) - it->first + size > it->second.Size) return false;
    start = it->first;
    area = it->second;
    return true;
  }

 private:
  static uintptr_t Key(const void* p) { return reinterpret_cast<uintptr_t>(p); }
  std::mutex FLock;
  std::map<uintptr_t, TArea> FAreas;
};

TValueAreas& ValueAreas() {
  static auto* const areas = new TValueAreas;
  return *areas;
}

// The addresses each thread last found inside a value area, with the room
// left there.
using TAcceptedValues = host::TAcceptedAddresses<detail::TAreaTag>;

}  // namespace

void kelAddValueArea(const void* start, std::size_t size, const TkelScratchLayout* layout,
                     const host::TTypeInfo* type) {
  ValueAreas().Add(start, {size, layout, type});
}

void kelRemoveValueArea(const void* start) noexcept {
  ValueAreas().Remove(start);
  TAcceptedValues::ForgetAll();
}

void detail::CheckValueAddressLookUp(const void* address, std::size_t size) {
  if (!address) RaiseNilAddress();
  uintptr_t start;
  TArea area;
  if (!ValueAreas().Find(address, size, start, area))
    throw host::EInvalidCast(
        "Invalid typecast: %s is not the address of a set, record or system value handed out by the library",
        {host::IntToStr(static_cast<int64_t>(reinterpret_cast<uintptr_t>(address)))});
  TAcceptedValues::Remember(address, start + area.Size - reinterpret_cast<uintptr_t>(address));
}

bool kelIsValueAddress(const void* address, std::size_t size) noexcept {
  uintptr_t start;
  TArea area;
  return address && ValueAreas().Find(address, size, start, area);
}

void kelCheckWritableAddress(const void* address, std::size_t size, std::size_t align) {
  kelCheckValueAddress(address, size);
  uintptr_t start;
  TArea area;
  const bool found = ValueAreas().Find(address, size, start, area);
  const std::size_t offset = reinterpret_cast<uintptr_t>(address) - start;
  const bool aligned = reinterpret_cast<uintptr_t>(address) % align == 0;
  if (found && aligned && (area.Layout ? area.Layout->PlainAt(offset, size) : offset == 0)) return;
  throw host::EInvalidCast("Invalid typecast: %s is not the address of a value the host may change in place",
                           {host::IntToStr(static_cast<int64_t>(reinterpret_cast<uintptr_t>(address)))});
}

TkelText TextOf(const host::Variant& v) {
  switch (v.VarType()) {
    case host::varEmpty:
    case host::varNull:
      return {{}, true};
    case host::varSmallint:
    case host::varInteger:
    case host::varByte:
    case host::varInt64:
      if (v.AsInt64() == 0) return {{}, true};  // the nil text
      break;
    default:
      break;
  }
  return {v.AsString(), false};  // any other number is its own text
}

const host::TTypeInfo* kelValueTypeAt(const void* address) noexcept {
  uintptr_t start;
  TArea area;
  if (!address || !ValueAreas().Find(address, 1, start, area)) return nullptr;
  const std::size_t offset = reinterpret_cast<uintptr_t>(address) - start;
  if (area.Layout) return area.Layout->TypeAt(offset);
  return offset == 0 ? area.Type : nullptr;
}

void RaiseNilAddress() {
  throw host::Exception("A set, record or system value is passed by its address, and 0 is not a valid address!");
}

void RaiseNoCharacter() { throw host::EConvertError("An empty string holds no character to pass!"); }

std::byte* TkelScratchLayout::Make() const {
  auto* block = static_cast<std::byte*>(::operator new(FSize ? FSize : 1));
  std::size_t made = 0;
  try {
    for (; made < FSlots.size(); ++made) FSlots[made].Construct(block + FSlots[made].Offset);
    kelAddValueArea(block, FSize, this, nullptr);
  } catch (...) {
    while (made-- > 0) FSlots[made].Destruct(block + FSlots[made].Offset);
    ::operator delete(block);
    throw;
  }
  return block;
}

void TkelScratchLayout::Free(std::byte* block) const {
  kelRemoveValueArea(block);
  for (const TSlot& slot : FSlots) slot.Destruct(block + slot.Offset);
  ::operator delete(block);
}

bool TkelScratchLayout::PlainAt(std::size_t offset, std::size_t size) const {
  for (const TSlot& slot : FSlots)
    if (slot.Offset == offset && slot.Plain && slot.Size >= size) return true;
  return false;
}

const host::TTypeInfo* TkelScratchLayout::TypeAt(std::size_t offset) const {
  for (const TSlot& slot : FSlots)
    if (slot.Offset == offset) return slot.Type;
  return nullptr;
}

}  // namespace kel
