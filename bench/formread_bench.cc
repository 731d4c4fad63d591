// Reading a generated binary form of N components (a root owning N named
// children with a Tag each) against creating the same components directly.
// The counter "per_component" is the time per component; reading must stay
// linear, so t(10000)/t(1000) should be close to 10.
#include <benchmark/benchmark.h>

#include <string>

#include "host/classes/component.h"
#include "host/classes/filer.h"
#include "host/classes/hostclasses.h"
#include "host/classes/streams.h"
#include "host/classes/typinfo.h"

namespace {

using namespace host;

// The binary form: root "Root" and children C0..C(n-1) with Tag = index.
std::string GeneratedForm(int count) {
  TOwned<TStringStream> out = MakeOwned<TStringStream>();
  {
    TOwned<TWriter> w = MakeOwned<TWriter>(out.get(), 4096);
    w->WriteSignature();
    w->WriteStr("TComponent");
    w->WriteStr("Root");
    w->WriteListEnd();  // no properties
    for (int i = 0; i < count; ++i) {
      w->WriteStr("TComponent");
      w->WriteStr("C" + std::to_string(i));
      w->WriteStr("Tag");
      w->WriteInteger(i);
      w->WriteListEnd();  // properties
      w->WriteListEnd();  // children
    }
    w->WriteListEnd();  // children of the root
    w->FlushBuffer();
  }
  return out->GetDataString();
}

void PerComponent(benchmark::State& state) {
  state.counters["per_component"] = benchmark::Counter(
      static_cast<double>(state.range(0)), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ReadForm(benchmark::State& state) {
  RegisterHostClasses();
  const int count = static_cast<int>(state.range(0));
  const std::string form = GeneratedForm(count);
  for (auto _ : state) {
    TOwned<TStringStream> in = MakeOwned<TStringStream>(form);
    TOwned<TReader> reader = MakeOwned<TReader>(in.get(), 4096);
    TOwned<TComponent> root(reader->ReadRootComponent(nullptr));
    if (root->GetComponentCount() != count) state.SkipWithError("wrong component count");
  }
  PerComponent(state);
  UnregisterHostClasses();
}

// The plain C++ way: create, name and tag the same components.
void BM_CreateDirect(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    TOwned<TComponent> root = MakeOwned<TComponent>(nullptr);
    root->SetName("Root");
    for (int i = 0; i < count; ++i) {
      TComponent* c = New<TComponent>(root.get());
      c->SetName("C" + std::to_string(i));
      c->SetTag(i);
    }
    benchmark::DoNotOptimize(root->GetComponentCount());
  }
  PerComponent(state);
}

BENCHMARK(BM_ReadForm)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CreateDirect)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
