// The string list's descriptor against the plain C++ way of doing the same
// thing. Every benchmark times its plain counterpart in the same run and
// reports `plain_ns` and `ratio` (descriptor time / plain time); creating the
// descriptor also reports the bytes and allocations it costs.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <new>
#include <string>

#include "core/kelcommon.h"
#include "descriptors/kelclasses_data.h"
#include "host/classes/strings.h"
#include "package/package.h"

#include "bench/compare.h"
#include "bench/counting_new.h"

namespace {

// The library started, the data descriptors registered (a second
// registration, when the package already made it, is ignored).
struct TLibrary {
  TLibrary() {
    kel::package::Initialize();
    kel::RegisterDataDescriptors();
  }
  ~TLibrary() { kel::package::Finalize(); }
  TLibrary(const TLibrary&) = delete;
  TLibrary& operator=(const TLibrary&) = delete;
};

using bench::Compare;

// A string list holding "x", sorted without duplicates: adding "x" again
// finds it and changes nothing, so the list does not grow while timed.
host::TOwned<host::TStringList> SteadyList() {
  host::TOwned<host::TStringList> list = host::MakeOwned<host::TStringList>();
  list->SetSorted(true);
  list->SetDuplicates(host::dupIgnore);
  list->Add("x");
  return list;
}

// The descriptor made as the registry makes it (create, read the texts,
// hook the owner) and released again, against creating and freeing the
// string list itself. Bytes and allocations are the descriptor's.
void BM_CreateStringListDescriptor(benchmark::State& state) {
  TLibrary library;
  host::TOwned<host::TStringList> list = SteadyList();
  std::size_t bytes = 0;
  std::size_t allocations = 0;
  const auto create = [&] {
    const std::size_t b0 = g_bytes, a0 = g_allocations;
    auto* info = host::As<kel::TkelClassInfo>(kel::TStringListClassInfo::StaticMetaClass.Create(nullptr));
    info->InitMetaData();
    info->SetOwner(list.get());
    bytes += g_bytes - b0;
    allocations += g_allocations - a0;
    info->SetOwner(nullptr);
    info->Free();
  };
  create();  // the first one builds the class's feature tables
  bytes = allocations = 0;
  Compare(state, create, [] { host::New<host::TStringList>()->Free(); });
  const double made = static_cast<double>(state.iterations());
  state.counters["bytes"] = static_cast<double>(bytes) / made;
  state.counters["allocations"] = static_cast<double>(allocations) / made;
}
BENCHMARK(BM_CreateStringListDescriptor);

void BM_GetPropertyCount(benchmark::State& state) {
  TLibrary library;
  host::TOwned<host::TStringList> list = SteadyList();
  kel::TkelClassInfo* info = kel::TkelClassRegistry::GetInfo(list.get());
  kel::TkelPropertyInfo* count = info->FindProperty("Count");
  host::TStringList* raw = list.get();
  Compare(
      state, [&] { benchmark::DoNotOptimize(info->GetProperty(count)); },
      [&] {
        benchmark::DoNotOptimize(raw);
        benchmark::DoNotOptimize(raw->GetCount());
      });
}
BENCHMARK(BM_GetPropertyCount);

void BM_InvokeAdd(benchmark::State& state) {
  TLibrary library;
  host::TOwned<host::TStringList> list = SteadyList();
  kel::TkelClassInfo* info = kel::TkelClassRegistry::GetInfo(list.get());
  kel::TkelMethodInfo* add = info->FindMethod("Add");
  add->GetArgs(0)->Value = host::Variant("x");
  host::TStringList* raw = list.get();
  const std::string x = "x";
  Compare(
      state, [&] { info->InvokeMethod(add); },
      [&] {
        benchmark::DoNotOptimize(raw);
        benchmark::DoNotOptimize(raw->Add(x));
      });
  if (list->GetCount() != 1) state.SkipWithError("the list grew: Add did not find its string");
}
BENCHMARK(BM_InvokeAdd);

}  // namespace

BENCHMARK_MAIN();
