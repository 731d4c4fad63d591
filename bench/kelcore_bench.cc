// The reflection core and the descriptor pattern against the plain C++ way
// of doing the same thing. Every benchmark times its plain counterpart in
// the same run and reports `plain_ns` and `ratio` (kel time / plain time);
// descriptor creation also reports the bytes and allocations it costs.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "core/kelcommon.h"
#include "descriptors/kelsystem.h"
#include "host/classes/strings.h"

#include "bench/compare.h"
#include "bench/counting_new.h"
#include "bench/library.h"

namespace {

using bench::Compare;
using bench::TLibrary;

void BM_GetInfoCached(benchmark::State& state) {
  TLibrary library;
  host::TOwned<host::TStringList> list = host::MakeOwned<host::TStringList>();
  kel::TkelClassRegistry::GetInfo(list.get());
  host::TObject* obj = list.get();
  Compare(
      state, [&] { benchmark::DoNotOptimize(kel::TkelClassRegistry::GetInfo(obj)); },
      [&] {  // plain: the class record through the virtual ClassType
        benchmark::DoNotOptimize(obj);
        benchmark::DoNotOptimize(obj->ClassType());
      });
}
BENCHMARK(BM_GetInfoCached);

// Lookup by name against one direct comparison of the name.
template <class Find>
void LookupBench(benchmark::State& state, const char* name, Find find) {
  TLibrary library;
  host::TOwned<host::TStringList> list = host::MakeOwned<host::TStringList>();
  kel::TkelClassInfo* info = kel::TkelClassRegistry::GetInfo(list.get());
  const std::string wanted = name;
  const std::string stored = name;
  Compare(
      state, [&] { benchmark::DoNotOptimize(find(info, wanted)); },
      [&] {
        benchmark::DoNotOptimize(stored.data());
        benchmark::DoNotOptimize(stored == wanted);
      });
}
void BM_FindProperty(benchmark::State& state) {
  LookupBench(state, "Sorted", [](kel::TkelClassInfo* d, const std::string& n) { return d->FindProperty(n); });
}
void BM_FindMethod(benchmark::State& state) {  // the last of 25 methods
  LookupBench(state, "Sort", [](kel::TkelClassInfo* d, const std::string& n) { return d->FindMethod(n); });
}
void BM_FindEvent(benchmark::State& state) {
  LookupBench(state, "OnChanging", [](kel::TkelClassInfo* d, const std::string& n) { return d->FindEvent(n); });
}
BENCHMARK(BM_FindProperty);
BENCHMARK(BM_FindMethod);
BENCHMARK(BM_FindEvent);

void BM_GetPropertySelf(benchmark::State& state) {
  TLibrary library;
  host::TOwned<host::TObject> obj = host::MakeOwned<host::TObject>();
  kel::TkelClassInfo* info = kel::TkelClassRegistry::GetInfo(obj.get());
  kel::TkelPropertyInfo* self = info->FindProperty("Self");
  host::TObject* raw = obj.get();
  Compare(
      state, [&] { benchmark::DoNotOptimize(info->GetProperty(self)); },
      [&] {
        benchmark::DoNotOptimize(raw);
        benchmark::DoNotOptimize(host::Variant::FromPointer(raw));
      });
}
BENCHMARK(BM_GetPropertySelf);

void BM_InvokeClassType(benchmark::State& state) {
  TLibrary library;
  host::TOwned<host::TObject> obj = host::MakeOwned<host::TObject>();
  kel::TkelClassInfo* info = kel::TkelClassRegistry::GetInfo(obj.get());
  kel::TkelMethodInfo* classType = info->FindMethod("ClassType");
  host::TObject* raw = obj.get();
  Compare(
      state, [&] { info->InvokeMethod(classType); },
      [&] {
        benchmark::DoNotOptimize(raw);
        benchmark::DoNotOptimize(raw->ClassType());
      });
}
BENCHMARK(BM_InvokeClassType);

// FireEvent to n listeners against calling n plain closures.
void BM_FireEvent(benchmark::State& state) {
  TLibrary library;
  const int n = static_cast<int>(state.range(0));
  host::TOwned<host::TStringList> list = host::MakeOwned<host::TStringList>();
  kel::TkelClassInfo* info = kel::TkelClassRegistry::GetInfo(list.get());
  kel::TkelEventInfo* event = info->FindEvent("OnChange");
  int calls = 0;
  std::vector<kel::TkelListener*> listeners;
  std::vector<host::TNotifyEvent> plain;
  for (int i = 0; i < n; ++i) {
    listeners.push_back(host::New<kel::TkelListener>());
    listeners.back()->EventName = "OnChange";
    listeners.back()->OnEvent = kel::TNotifyKELEvent([&calls](host::TObject*, kel::TkelEventInfo*) { ++calls; });
    info->AddListener(listeners.back());
    plain.emplace_back([&calls](host::TObject*) { ++calls; });
  }
  Compare(
      state, [&] { info->FireEvent(event); },
      [&] {
        for (const host::TNotifyEvent& e : plain) e(list.get());
      });
  benchmark::DoNotOptimize(calls);
  for (kel::TkelListener* l : listeners) {
    info->RemoveListener(l);
    l->Free();
  }
}
BENCHMARK(BM_FireEvent)->Arg(1)->Arg(10);

// The root descriptor made as the registry makes it, against creating a
// plain host object.
void BM_CreateDescriptor(benchmark::State& state) {
  TLibrary library;
  host::TOwned<host::TObject> obj = host::MakeOwned<host::TObject>();
  bench::CompareDescriptorCreation(state, &kel::TObjectClassInfo::StaticMetaClass, obj.get(),
                                   [] { host::New<host::TObject>()->Free(); });
}
BENCHMARK(BM_CreateDescriptor);

}  // namespace

BENCHMARK_MAIN();
