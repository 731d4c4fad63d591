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
