// What descriptors cost as programs use them by the thousand:
//  * creating and dropping the descriptor of a class with 250 features
//    (a bench-only control-sized class), with its bytes and allocations;
//  * memory over a long run of {create a component, get its descriptor, add
//    and remove a listener, free the component} (resident growth);
//  * a cached lookup with 1 and with 10 000 descriptors alive;
//  * freeing a form of 1 000 and of 10 000 described components (and, for
//    comparison, of as many plain ones).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/kelcommon.h"
#include "descriptors/kelclasses_components.h"
#include "descriptors/kelpattern.h"
#include "host/classes/component.h"

#include "bench/compare.h"
#include "bench/counting_new.h"
#include "bench/library.h"

namespace {

using bench::TLibrary;
using host::TComponent;
using host::TNotifyEvent;

// ------------------------------------------------ a control-sized class

constexpr int kProperties = 150;
constexpr int kMethods = 70;
constexpr int kEvents = 30;

#define BENCH_EVENTS(X)                                                                                                \
  X(0)                                                                                                                 \
  X(1) X(2) X(3) X(4) X(5) X(6) X(7) X(8) X(9) X(10) X(11) X(12) X(13) X(14) X(15) X(16) X(17) X(18) X(19) X(20) X(21) \
      X(22) X(23) X(24) X(25) X(26) X(27) X(28) X(29)

// A component with 150 integer properties, 70 methods and 30 events, as
// large as the richest controls.
class TBenchControl : public TComponent {
  HOST_CLASS(TBenchControl, TComponent)
  explicit TBenchControl(TComponent* AOwner) : TComponent(AOwner) {}
  int32_t Values[kProperties] = {};
#define BENCH_EVENT_FIELD(n) TNotifyEvent OnE##n;
  BENCH_EVENTS(BENCH_EVENT_FIELD)
#undef BENCH_EVENT_FIELD

 protected:
  ~TBenchControl() override = default;
};
HOST_IMPL(TBenchControl, TComponent)

std::string PropertyText() {
  std::string t;
  for (int i = 0; i < kProperties; ++i)
    t += "Define::P" + std::to_string(i) + "::psReadable..psWritable::pvPublished::0::";
  return t;
}
std::string MethodText() {
  std::string t;
  for (int i = 0; i < kMethods; ++i) t += "M" + std::to_string(i) + "::msProcedure::1::Value::";
  return t;
}
std::string EventText() {
  std::string t;
  for (int i = 0; i < kEvents; ++i) t += "Define::OnE" + std::to_string(i) + "::pvPublished::1::Sender::";
  return t;
}
const std::string g_properties = PropertyText();
const std::string g_methods = MethodText();
const std::string g_events = EventText();

class TBenchControlClassInfo
    : public kel::TkelDescriptor<TBenchControlClassInfo, kel::TComponentClassInfo, TBenchControl> {
  KEL_DESCRIPTOR(TBenchControlClassInfo)
  static inline const kel::TkelTexts Texts{.Properties = g_properties, .Methods = g_methods, .Events = g_events};
  static void MapFeatures(Map& m) {
    for (int i = 0; i < kProperties; ++i)
      m.Prop(
          "P" + std::to_string(i), [i](TBenchControl& c) { return c.Values[i]; },
          [i](TBenchControl& c, int32_t v) { c.Values[i] = v; });
    for (int i = 0; i < kMethods; ++i)
      m.Method("M" + std::to_string(i), [i](TBenchControl& c, int32_t v) { c.Values[i] += v; });
#define BENCH_EVENT_MAP(n) m.Event("OnE" #n, &TBenchControl::OnE##n);
    BENCH_EVENTS(BENCH_EVENT_MAP)
#undef BENCH_EVENT_MAP
  }

 protected:
  ~TBenchControlClassInfo() override = default;
};
KEL_DESCRIPTOR_IMPL(TBenchControlClassInfo)

// The library with the bench class registered.
struct TBenchLibrary : TLibrary {
  TBenchLibrary() { kel::kelRegisterDescriptors<TBenchControlClassInfo>(); }
};

// The descriptor made as the registry makes it (create, read the texts, hook
// the 30 events) and dropped again, against creating and freeing the control
// itself. Bytes and allocations are the descriptor's, beyond the class data
// shared by every instance (read by the first one).
void BM_CreateControlDescriptor(benchmark::State& state) {
  TBenchLibrary library;
  host::TOwned<TBenchControl> control(new TBenchControl(nullptr));
  bench::CompareDescriptorCreation(state, &TBenchControlClassInfo::StaticMetaClass, control.get(),
                                   [] { host::New<TBenchControl>(nullptr)->Free(); });
  state.counters["features"] = kProperties + kMethods + kEvents + 0.0;
}
BENCHMARK(BM_CreateControlDescriptor);

// The same, then one property read, one method call and one event fired
// through it: what a descriptor costs once it is used.
void BM_UseControlDescriptor(benchmark::State& state) {
  TBenchLibrary library;
  std::size_t bytes = 0, allocations = 0;
  for (auto _ : state) {
    const std::size_t b0 = g_bytes, a0 = g_allocations;
    TBenchControl* control = host::New<TBenchControl>(nullptr);
    kel::TkelClassInfo* info = kel::TkelClassRegistry::GetInfo(control);
    benchmark::DoNotOptimize(info->GetProperty(info->FindProperty("P7")));
    kel::TkelMethodInfo* m = info->FindMethod("M3");
    m->GetArgs(0)->Value = host::Variant(1);
    info->InvokeMethod(m);
    control->OnE5(control);
    bytes += g_bytes - b0;
    allocations += g_allocations - a0;
    control->Free();
  }
  state.counters["bytes"] = static_cast<double>(bytes) / static_cast<double>(state.iterations());
  state.counters["allocations"] = static_cast<double>(allocations) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_UseControlDescriptor);

// ------------------------------------------------------------ memory

// Resident set size in kilobytes, from /proc.
long ResidentKb() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * 4;
}

// Iterations of {create a component, get its descriptor, add and remove a
// listener, free the component}; `rss_growth_kb` is what the process grew.
void BM_DescriptorChurn(benchmark::State& state) {
  TLibrary library;
  kel::TkelListener* listener = host::New<kel::TkelListener>();
  listener->EventName = "OnChange";
  const long before = ResidentKb();
  for (auto _ : state) {
    for (int64_t i = 0; i < state.range(0); ++i) {
      TComponent* component = host::New<TComponent>(nullptr);
      kel::TkelClassInfo* info = kel::TkelClassRegistry::GetInfo(component);
      info->AddListener(listener);
      info->RemoveListener(listener);
      component->Free();
    }
  }
  state.counters["rss_growth_kb"] = static_cast<double>(ResidentKb() - before);
  state.counters["ns_per_round"] = benchmark::Counter(static_cast<double>(state.range(0)) * state.iterations(),
                                                      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  listener->Free();
}
BENCHMARK(BM_DescriptorChurn)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

// ------------------------------------------------------------ scaling

// Components owned by one root, each described when `described`.
host::TOwned<TComponent> Form(int count, bool described = true) {
  host::TOwned<TComponent> root(host::New<TComponent>(nullptr));
  for (int i = 0; i < count; ++i) {
    TComponent* c = host::New<TComponent>(root.get());
    if (described) kel::TkelClassRegistry::GetInfo(c);
  }
  return root;
}

// The cached lookup of one component's descriptor while `count` described
// components are alive; `ratio` compares it with one alive.
void BM_CachedLookup(benchmark::State& state) {
  TLibrary library;
  const auto lookupNs = [](TComponent* wanted, int rounds) {
    const auto start = bench::Clock::now();
    for (int i = 0; i < rounds; ++i) benchmark::DoNotOptimize(kel::TkelClassRegistry::GetInfo(wanted));
    return std::chrono::duration<double, std::nano>(bench::Clock::now() - start).count() / rounds;
  };
  host::TOwned<TComponent> one = Form(1);
  const double single = lookupNs(one->GetComponents(0), 1'000'000);
  host::TOwned<TComponent> many = Form(static_cast<int>(state.range(0)));
  TComponent* wanted = many->GetComponents(many->GetComponentCount() / 2);
  for (auto _ : state) benchmark::DoNotOptimize(kel::TkelClassRegistry::GetInfo(wanted));
  const double manyNs = lookupNs(wanted, 1'000'000);
  state.counters["single_ns"] = single;
  state.counters["ratio"] = manyNs / single;
}
BENCHMARK(BM_CachedLookup)->Arg(10'000);

// Freeing a root with `count` components, described or not (their
// descriptors go with them); `ns_per_component` should not grow with the
// count, and the plain forms show what the host alone costs.
void FreeForm(benchmark::State& state, bool described) {
  TLibrary library;
  const int count = static_cast<int>(state.range(0));
  double ns = 0;
  for (auto _ : state) {
    state.PauseTiming();
    host::TOwned<TComponent> root = Form(count, described);
    state.ResumeTiming();
    const auto start = bench::Clock::now();
    root.reset();
    ns += std::chrono::duration<double, std::nano>(bench::Clock::now() - start).count();
  }
  state.counters["ns_per_component"] = ns / static_cast<double>(state.iterations()) / count;
}
void BM_FreeDescribedForm(benchmark::State& state) { FreeForm(state, true); }
void BM_FreePlainForm(benchmark::State& state) { FreeForm(state, false); }
BENCHMARK(BM_FreeDescribedForm)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FreePlainForm)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
