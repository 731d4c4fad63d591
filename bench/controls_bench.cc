// Controls: aligning N top-aligned children of one shown parent after the
// parent is resized (every child moves its headless window), against the
// plain C++ way of computing the same rows into an array; the time for N
// children should grow linearly with N.
#include <benchmark/benchmark.h>

#include <vector>

#include "host/actnlist/actnlist.h"
#include "host/classes/hostclasses.h"
#include "host/controls/controls.h"
#include "host/graphics/graphics.h"
#include "host/imglist/imglist.h"
#include "host/menus/menus.h"
#include "host/widgetset/headless/headless.h"
#include "host/widgetset/widgetset.h"

#include "bench/compare.h"

namespace {

using namespace host;

struct THostUnits {
  THostUnits() {
    RegisterHostClasses();
    RegisterHeadlessWidgetSet();
    InitializeWidgetSet("headless");
    RegisterGraphicsClasses();
    RegisterImgListClasses();
    RegisterActnListClasses();
    RegisterMenusClasses();
    RegisterControlsClasses();
  }
  ~THostUnits() {
    UnregisterControlsClasses();
    UnregisterMenusClasses();
    UnregisterActnListClasses();
    UnregisterImgListClasses();
    UnregisterGraphicsClasses();
    FinalizeWidgetSet();
    UnregisterHostClasses();
  }
};

void BM_RealignChildren(benchmark::State& state) {
  THostUnits units;
  const int count = static_cast<int>(state.range(0));
  TOwned<TWinControl> parent(New<TWinControl>(nullptr));
  parent->SetBounds(0, 0, 800, 600);
  parent->HandleNeeded();
  parent->DisableAlign();
  for (int i = 0; i < count; ++i) {
    auto* child = New<TWinControl>(parent.get());
    child->SetBounds(0, 2 * i, 10, 2);
    child->SetParent(parent.get());
    child->SetAlign(alTop);
  }
  parent->EnableAlign();
  int width = 800;
  std::vector<TRect> rows(static_cast<std::size_t>(count));
  int plainWidth = 800;
  bench::Compare(
      state,
      [&] {
        width = width == 800 ? 801 : 800;
        parent->SetWidth(width);
      },
      [&] {
        plainWidth = plainWidth == 800 ? 801 : 800;
        int top = 0;
        for (TRect& r : rows) {
          r = Bounds(0, top, plainWidth, 2);
          top += 2;
        }
        benchmark::DoNotOptimize(rows.data());
      },
      200);
  state.counters["ns_per_child"] = state.counters["plain_ns"] * state.counters["ratio"] / count;
}
BENCHMARK(BM_RealignChildren)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
