// What checking the addresses that arrive as numbers costs: every object
// reference, class reference and by-address value a descriptor reads from a
// Variant is looked up first (live objects, host classes, value areas). Each
// benchmark times a whole operation that makes the check once, and the check
// alone in the same run, and reports `check_ns` and `share` (check time /
// operation time).
#include <benchmark/benchmark.h>

#include <string>

#include "connections/kele2m.h"
#include "core/kelcommon.h"
#include "descriptors/kelconvert.h"
#include "host/classes/actions.h"
#include "host/classes/filer.h"
#include "host/classes/formtext.h"
#include "host/classes/streams.h"
#include "host/classes/strings.h"

#include "bench/compare.h"
#include "bench/formfile.h"
#include "bench/library.h"

namespace {

using namespace host;

using bench::TLibrary;

// Runs the timed loop of `operation` and reports the share `check` takes.
template <class O, class C>
void ReportShare(benchmark::State& state, O&& operation, C&& check) {
  const auto start = bench::Clock::now();
  for (auto _ : state) operation();
  const double operationNs = std::chrono::duration<double, std::nano>(bench::Clock::now() - start).count() /
                             static_cast<double>(state.iterations());
  const double checkNs = bench::PlainNs(check);
  state.counters["check_ns"] = checkNs;
  state.counters["share"] = checkNs / operationNs;
}

// Objects[0] := an object, through the string list's descriptor.
void BM_SetObjectProperty(benchmark::State& state) {
  TLibrary library;
  TOwned<TStringList> list = MakeOwned<TStringList>();
  list->Add("x");
  kel::TkelClassInfo* info = kel::TkelClassRegistry::GetInfo(list.get());
  kel::TkelPropertyInfo* objects = info->FindProperty("Objects");
  objects->GetIndexes(0)->Value = Variant(0);
  const Variant value = Variant::FromPointer(list.get());
  ReportShare(
      state, [&] { info->SetProperty(objects, value); },
      [&] { benchmark::DoNotOptimize(LiveObjectAt(value.AsPointer())); });
}
BENCHMARK(BM_SetObjectProperty);

// InheritsFrom(a class), through the root descriptor.
void BM_CallWithClassArgument(benchmark::State& state) {
  TLibrary library;
  TOwned<TStringList> list = MakeOwned<TStringList>();
  kel::TkelClassInfo* info = kel::TkelClassRegistry::GetInfo(list.get());
  kel::TkelMethodInfo* inherits = info->FindMethod("InheritsFrom");
  const Variant value = Variant::FromPointer(&TStrings::StaticMetaClass);
  ReportShare(
      state,
      [&] {
        inherits->GetArgs(0)->Value = value;
        info->InvokeMethod(inherits);
      },
      [&] { benchmark::DoNotOptimize(ClassAt(value.AsPointer())); });
}
BENCHMARK(BM_CallWithClassArgument);

// Reading a set property (handed out by address) and reading it back from
// that address, as a property link copying it does.
void BM_GetAndReadBackASet(benchmark::State& state) {
  TLibrary library;
  TOwned<TComponent> component = MakeOwned<TComponent>(nullptr);
  kel::TkelClassInfo* info = kel::TkelClassRegistry::GetInfo(component.get());
  kel::TkelPropertyInfo* style = info->FindProperty("ComponentStyle");
  const Variant at = info->GetProperty(style);
  ReportShare(
      state, [&] { benchmark::DoNotOptimize(kel::FromVariant<TComponentStyle>(info->GetProperty(style))); },
      [&] { kel::kelCheckValueAddress(at.AsPointer(), sizeof(TComponentStyle)); });
}
BENCHMARK(BM_GetAndReadBackASet);

// One relay whose bound argument is an object: an action's OnExecute calls
// the root's FreeNotification with the event's Sender.
void BM_RelayWithObjectArgument(benchmark::State& state) {
  TLibrary library;
  const std::string text =
      "object Root: TComponent\n  object A0: TBasicAction\n  end\n  object Wiring: TkelConnectionList\n"
      "    object C0: TkelE2MConnection\n      Source = A0\n      Target = Root\n"
      "      SourceEvent = 'OnExecute'\n      TargetMethod = 'FreeNotification'\n"
      "      TargetMethodParameters = <\n        item\n          ParameterName = 'AComponent'\n"
      "          EventParameter = 'Sender'\n          Options = voEventProperty\n        end>\n    end\n  end\nend\n";
  TOwned<TComponent> form = bench::ReadTextForm(text);
  auto* action = As<TBasicAction>(form->FindComponent("A0"));
  ReportShare(
      state, [&] { action->Execute(); }, [&] { benchmark::DoNotOptimize(LiveObjectAt(action)); });
}
BENCHMARK(BM_RelayWithObjectArgument);

}  // namespace

BENCHMARK_MAIN();
