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

#include "bench/compare.h"
#include "bench/counting_new.h"
#include "bench/library.h"

namespace {

using bench::Compare;
using bench::TLibrary;

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
  bench::CompareDescriptorCreation(state, &kel::TStringListClassInfo::StaticMetaClass, list.get(),
                                   [] { host::New<host::TStringList>()->Free(); });
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
