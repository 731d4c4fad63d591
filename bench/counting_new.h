// A global operator new that counts what the program allocates, for the
// benchmarks that report bytes and allocations. Include it in exactly one
// source file of a benchmark program (it replaces the global operators).
#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

namespace {
std::size_t g_bytes = 0;
std::size_t g_allocations = 0;
}  // namespace

// Not inlined, so that the compiler does not pair the malloc/free inside
// with the new/delete expressions of the callers.
[[gnu::noinline]] void* operator new(std::size_t size) {
  g_bytes += size;
  ++g_allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

#include <benchmark/benchmark.h>

#include "bench/compare.h"
#include "core/kelcommon.h"

namespace bench {

// A descriptor of class `info` made as the registry makes it (create, read
// the texts, hook the owner) and released again, against `plain`; reports
// the bytes and allocations of one creation.
template <class P>
void CompareDescriptorCreation(benchmark::State& state, host::TClass info, host::TObject* owner, P&& plain) {
  std::size_t bytes = 0;
  std::size_t allocations = 0;
  const auto create = [&] {
    const std::size_t b0 = g_bytes, a0 = g_allocations;
    auto* d = host::As<kel::TkelClassInfo>(info->Create(nullptr));
    d->InitMetaData();
    d->SetOwner(owner);
    bytes += g_bytes - b0;
    allocations += g_allocations - a0;
    d->SetOwner(nullptr);
    d->Free();
  };
  create();  // the first one parses the texts and builds the class's tables
  bytes = allocations = 0;
  Compare(state, create, plain);
  const double made = static_cast<double>(state.iterations());
  state.counters["bytes"] = static_cast<double>(bytes) / made;
  state.counters["allocations"] = static_cast<double>(allocations) / made;
}

}  // namespace bench
