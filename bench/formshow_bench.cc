// Reading a form (TForm) of N controls from its form file and showing it (every
// windowed control gets its window), then freeing it, against building the
// same controls directly in C++ and showing them. Reading and showing must
// stay linear: "scaling" is t(10000) / t(1000) measured in the same run and
// should be close to 10. "alloc_bytes_per_control" is what reading and
// showing allocate per control, temporaries included (the form freed at the
// end of the iteration gives it all back).
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "bench/counting_new.h"
#include "bench/formfile.h"
#include "bench/library.h"
#include "host/classes/filer.h"
#include "host/classes/formtext.h"
#include "host/classes/streams.h"
#include "host/controls/controls.h"
#include "host/forms/form.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/texts.h"

namespace {

using namespace host;

// A form of Count controls: buttons, edits and labels in turn, on a grid.
std::string FormText(int Count) {
  std::string text = "object Form: TForm\n  Left = 0\n  Top = 0\n  Width = 1000\n  Height = 800\n";
  static const char* const kClasses[] = {"TButton", "TEdit", "TLabel"};
  for (int i = 0; i < Count; ++i) {
    const std::string n = std::to_string(i);
    text += std::string("  object C") + n + ": " + kClasses[i % 3] + "\n    Left = " + std::to_string(i % 40 * 24) +
            "\n    Top = " + std::to_string(i / 40 % 32 * 24) + "\n    Width = 22\n    Height = 22\n" +
            (i % 3 == 1 ? "    Text = 'e" : "    Caption = 'c") + n + "'\n  end\n";
  }
  return text + "end\n";
}

using bench::BinaryForm;

// Reads the form, shows it and frees it; the bytes it held at its largest.
std::size_t ReadAndShow(const std::string& Form, int Count) {
  const std::size_t before = g_bytes;
  TOwned<TComponent> root = bench::ReadForm(Form);
  auto* form = static_cast<TWinControl*>(root.get());
  form->Show();
  if (form->GetControlCount() != Count || !form->HandleAllocated()) throw Exception("the form did not read whole");
  return g_bytes - before;
}

void BuildAndShow(int Count) {
  TOwned<TForm> form(New<TForm>(nullptr));
  form->SetBounds(0, 0, 1000, 800);
  for (int i = 0; i < Count; ++i) {
    TControl* c = nullptr;
    const std::string n = std::to_string(i);
    if (i % 3 == 1) {
      auto* edit = New<TEdit>(form.get());
      edit->SetText("e" + n);
      c = edit;
    } else {
      c = i % 3 == 0 ? static_cast<TControl*>(New<TButton>(form.get())) : New<TLabel>(form.get());
      c->SetCaption("c" + n);
    }
    c->SetName("C" + n);
    c->SetBounds(i % 40 * 24, i / 40 % 32 * 24, 22, 22);
    c->SetParent(form.get());
  }
  form->Show();
}

void BM_ReadAndShowForm(benchmark::State& state) {
  bench::TLibrary library;
  const int count = static_cast<int>(state.range(0));
  const std::string form = BinaryForm(FormText(count));
  std::size_t bytes = 0;
  for (auto _ : state) bytes = ReadAndShow(form, count);
  state.counters["per_control"] = benchmark::Counter(
      static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["alloc_bytes_per_control"] = static_cast<double>(bytes) / count;
}
BENCHMARK(BM_ReadAndShowForm)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_BuildAndShowDirect(benchmark::State& state) {
  bench::TLibrary library;
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) BuildAndShow(count);
  state.counters["per_control"] = benchmark::Counter(
      static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_BuildAndShowDirect)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Both sizes in one run: the ratio of their times.
void BM_ReadAndShowScaling(benchmark::State& state) {
  bench::TLibrary library;
  const std::string small = BinaryForm(FormText(1000)), large = BinaryForm(FormText(10000));
  double smallSeconds = 0, largeSeconds = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    ReadAndShow(small, 1000);
    const auto t1 = std::chrono::steady_clock::now();
    ReadAndShow(large, 10000);
    const auto t2 = std::chrono::steady_clock::now();
    smallSeconds += std::chrono::duration<double>(t1 - t0).count();
    largeSeconds += std::chrono::duration<double>(t2 - t1).count();
  }
  state.counters["scaling"] = largeSeconds / smallSeconds;
}
BENCHMARK(BM_ReadAndShowScaling)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
