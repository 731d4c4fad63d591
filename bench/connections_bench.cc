// The event-to-property and property-to-property connections against a plain
// C++ handler doing the same work. Each benchmark fires a source event once
// per iteration: through the descriptor and the connection on the library
// side, through a directly assigned handler on the plain side; `ratio` is
// library time / plain time.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/compare.h"
#include "bench/library.h"
#include "connections/kele2p.h"
#include "connections/kelp2p.h"
#include "descriptors/kelclasses_components.h"
#include "descriptors/kelpattern.h"

namespace {

// A component with one integer property and one change event.
class TBenchDial : public host::TComponent {
  HOST_CLASS(TBenchDial, host::TComponent)
  explicit TBenchDial(host::TComponent* AOwner) : TComponent(AOwner) {}
  int32_t GetValue() const { return FValue; }
  void SetValue(int32_t v) { FValue = v; }
  void Change() {
    if (OnChange) OnChange(this);
  }
  host::TNotifyEvent OnChange;

 protected:
  ~TBenchDial() override = default;

 private:
  int32_t FValue = 0;
};
HOST_IMPL(TBenchDial, host::TComponent)

class TBenchDialClassInfo : public kel::TkelDescriptor<TBenchDialClassInfo, kel::TComponentClassInfo, TBenchDial> {
  KEL_DESCRIPTOR(TBenchDialClassInfo)
  static constexpr kel::TkelTexts Texts{
      .Properties = "Define::Value::psReadable..psWritable::pvPublished::0",
      .Events = "Define::OnChange::pvPublished::1::Sender",
  };
  static void MapFeatures(Map& m) {
    m.Prop("Value", &TBenchDial::GetValue, &TBenchDial::SetValue).Event("OnChange", &TBenchDial::OnChange);
  }

 protected:
  ~TBenchDialClassInfo() override = default;
};
KEL_DESCRIPTOR_IMPL(TBenchDialClassInfo)

// The library started, the bench dial described, and a form owning a source
// and a target dial for the library side and another pair for the plain side.
// The form is a member, so it goes before the library stops.
struct TWiring : bench::TLibrary {
  TWiring() {
    kel::kelRegisterDescriptors<TBenchDialClassInfo>();
    for (TBenchDial*& dial : dials) dial = host::New<TBenchDial>(form.get());
  }

  host::TOwned<host::TComponent> form = host::MakeOwned<host::TComponent>(nullptr);
  TBenchDial* dials[4] = {};
};

// Source.OnChange copies Source.Value to Target.Value, against a handler
// that copies the property directly.
void BM_PropertyLinkCopy(benchmark::State& state) {
  TWiring w;
  auto* link = host::New<kel::TkelP2PConnection>(w.form.get());
  link->SetSource(w.dials[0]);
  link->SetSourceProperty("Value");
  link->SetSourceEvent("OnChange");
  link->SetTarget(w.dials[1]);
  link->SetTargetProperty("Value");
  if (!link->Connect()) state.SkipWithError("the property link does not connect");
  w.dials[3]->OnChange = host::TNotifyEvent([&](host::TObject*) { w.dials[2]->SetValue(w.dials[3]->GetValue()); });
  int32_t n = 0;
  bench::Compare(
      state,
      [&] {
        w.dials[0]->SetValue(++n);
        w.dials[0]->Change();
      },
      [&] {
        w.dials[3]->SetValue(++n);
        w.dials[3]->Change();
      });
  benchmark::DoNotOptimize(w.dials[1]->GetValue() + w.dials[2]->GetValue());
}
BENCHMARK(BM_PropertyLinkCopy);

// Source.OnChange sets Target.Value to the constant text 7, against a
// handler that sets the property directly.
void BM_EventSetsProperty(benchmark::State& state) {
  TWiring w;
  auto* assign = host::New<kel::TkelE2PConnection>(w.form.get());
  assign->SetSource(w.dials[0]);
  assign->SetSourceEvent("OnChange");
  assign->SetTarget(w.dials[1]);
  assign->SetTargetProperty("Value");
  assign->SetValueConstant("7");
  if (!assign->Connect()) state.SkipWithError("the assignment does not connect");
  w.dials[3]->OnChange = host::TNotifyEvent([&](host::TObject*) { w.dials[2]->SetValue(7); });
  bench::Compare(
      state, [&] { w.dials[0]->Change(); }, [&] { w.dials[3]->Change(); });
  benchmark::DoNotOptimize(w.dials[1]->GetValue() + w.dials[2]->GetValue());
}
BENCHMARK(BM_EventSetsProperty);

}  // namespace

BENCHMARK_MAIN();
