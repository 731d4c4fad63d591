// A per-thread memory of the addresses a check has just accepted, so that a
// check made again and again on the same few addresses (a relay passing the
// same sender, a property link copying the same value) costs a load and a
// compare instead of a locked look-up. Anything withdrawn from the checked
// set forgets every remembered address on every thread at once (a shared
// generation number), so a remembered address is never stale.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace host {

// Tag tells the checked sets apart (one memory per set).
template <class Tag>
class TAcceptedAddresses {
 public:
  // The room (bytes usable from `address`) recorded when it was last
  // accepted, if nothing was withdrawn since; 0 when not remembered.
  static std::size_t Room(const void* address) noexcept {
    const TEntry& e = FEntries[Slot(address)];
    if (e.Address != address || e.Generation != FGeneration.load(std::memory_order_acquire)) return 0;
    return e.Room;
  }
  static void Remember(const void* address, std::size_t room) noexcept {
    FEntries[Slot(address)] = {address, room, FGeneration.load(std::memory_order_acquire)};
  }
  // Called after anything leaves the checked set.
  static void ForgetAll() noexcept { FGeneration.fetch_add(1, std::memory_order_acq_rel); }

 private:
  struct TEntry {
    const void* Address;
    std::size_t Room;
    uint64_t Generation;  // 0 never matches: the generation starts at 1
  };
  static constexpr std::size_t kSlots = 8;
  static std::size_t Slot(const void* address) noexcept {
    return (reinterpret_cast<std::uintptr_t>(address) >> 4) % kSlots;
  }
  static inline constinit std::atomic<uint64_t> FGeneration{1};
  static inline constinit thread_local TEntry FEntries[kSlots]{};
};

}  // namespace host
