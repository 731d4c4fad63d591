// The event-to-method connection against the plain C++ way: relaying one
// event to a method with a bound argument, against a handler that makes the
// same call (and, when Qt 6 is installed, against a Qt signal delivered to a
// slot making that call); and reading a form whose 1000 actions are wired by
// 1000 connections, against reading the same actions unwired.
#include <benchmark/benchmark.h>

#include <string>

#include "connections/kele2m.h"
#include "host/classes/actions.h"
#include "host/classes/filer.h"
#include "host/classes/formtext.h"
#include "host/classes/streams.h"

#include "bench/compare.h"
#include "bench/formfile.h"
#include "bench/library.h"

#ifdef CORVANE_BENCH_QT
#include <QObject>
#endif

namespace {

using namespace host;

using bench::TLibrary;

// How far FormText wires its actions: not at all; connections stored but
// without a source (read, never connected); or fully wired.
enum class TWiring { None, Sourceless, Wired };

// A form of `actions` actions A0.., each wired (unless TWiring::None) to the
// root's FindComponent with its own name as a constant argument.
std::string FormText(int actions, TWiring wiring) {
  std::string text = "object Root: TComponent\n";
  for (int i = 0; i < actions; ++i) text += "  object A" + std::to_string(i) + ": TBasicAction\n  end\n";
  if (wiring != TWiring::None) {
    text += "  object Wiring: TkelConnectionList\n";
    for (int i = 0; i < actions; ++i)
      text += "    object C" + std::to_string(i) + ": TkelE2MConnection\n" +
              (wiring == TWiring::Wired ? "      Source = A" + std::to_string(i) + "\n" : std::string()) +
              "      Target = Root\n      SourceEvent = 'OnExecute'\n      TargetMethod = 'FindComponent'\n"
              "      TargetMethodParameters = <\n        item\n          ParameterName = 'AName'\n"
              "          Constant = 'A" +
              std::to_string(i) + "'\n        end>\n    end\n";
    text += "  end\n";
  }
  return text + "end\n";
}

using bench::BinaryForm;
using bench::ReadForm;

// One Execute of a wired action: the descriptor's hook, the listener, the
// argument phase, FindComponent through the root's descriptor, the
// write-back phase. Plain: a handler calling FindComponent.
void BM_E2MRelay(benchmark::State& state) {
  TLibrary library;
  TOwned<TComponent> form = ReadForm(BinaryForm(FormText(1, TWiring::Wired)));
  auto* wired = As<TBasicAction>(form->FindComponent("A0"));
  TOwned<TComponent> plainRoot = MakeOwned<TComponent>(nullptr);
  auto* plain = New<TBasicAction>(plainRoot.get());
  plain->SetName("A0");
  struct THandler {
    TComponent* Root;
    void Execute(TObject*) { benchmark::DoNotOptimize(Root->FindComponent("A0")); }
  } handler{plainRoot.get()};
  plain->SetOnExecute(TNotifyEvent(&handler, &THandler::Execute));
  bench::Compare(
      state, [&] { wired->Execute(); }, [&] { plain->Execute(); });
}
BENCHMARK(BM_E2MRelay);

#ifdef CORVANE_BENCH_QT
// The same call made by a Qt slot connected (directly) to a signal: what a
// toolkit's own event relay costs on this machine.
class TQtSender : public QObject {
  Q_OBJECT
 public:
  void Execute() { emit Executed(); }
 signals:
  void Executed();
};

class TQtReceiver : public QObject {
  Q_OBJECT
 public:
  TComponent* Root = nullptr;
 public slots:
  void Execute() { benchmark::DoNotOptimize(Root->FindComponent("A0")); }
};

void BM_QtSignalRelay(benchmark::State& state) {
  TOwned<TComponent> root = MakeOwned<TComponent>(nullptr);
  New<TBasicAction>(root.get())->SetName("A0");
  TQtSender sender;
  TQtReceiver receiver;
  receiver.Root = root.get();
  QObject::connect(&sender, &TQtSender::Executed, &receiver, &TQtReceiver::Execute);
  struct THandler {
    TComponent* Root;
    void Execute() { benchmark::DoNotOptimize(Root->FindComponent("A0")); }
  } handler{root.get()};
  bench::Compare(
      state, [&] { sender.Execute(); }, [&] { handler.Execute(); });
}
BENCHMARK(BM_QtSignalRelay);
#endif

// Reading the wired form (the list connects every connection on Loaded)
// against reading the same actions without connections; `per_connection`
// is the extra time one connection costs.
void BM_ReadWiredForm(benchmark::State& state) {
  TLibrary library;
  const int count = static_cast<int>(state.range(0));
  const std::string wired = BinaryForm(FormText(count, TWiring::Wired));
  const std::string unwired = BinaryForm(FormText(count, TWiring::None));
  bench::Compare(
      state, [&] { benchmark::DoNotOptimize(ReadForm(wired)); }, [&] { benchmark::DoNotOptimize(ReadForm(unwired)); }, 20);
  const double plainNs = state.counters["plain_ns"];
  state.counters["per_connection_ns"] = (state.counters["ratio"] - 1) * plainNs / count;
}
BENCHMARK(BM_ReadWiredForm)->Arg(100)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

// The floor under that ratio: reading the same connections without their
// sources, so that none of them describes an object or hooks an event,
// against the unwired form. What remains is reading three more objects per
// action (the connection, its parameter collection, the parameter item) with
// their properties and references, and freeing them.
void BM_ReadSourcelessForm(benchmark::State& state) {
  TLibrary library;
  const int count = static_cast<int>(state.range(0));
  const std::string sourceless = BinaryForm(FormText(count, TWiring::Sourceless));
  const std::string unwired = BinaryForm(FormText(count, TWiring::None));
  bench::Compare(
      state, [&] { benchmark::DoNotOptimize(ReadForm(sourceless)); },
      [&] { benchmark::DoNotOptimize(ReadForm(unwired)); }, 20);
}
BENCHMARK(BM_ReadSourcelessForm)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

#ifdef CORVANE_BENCH_QT
#include "e2m_bench.moc"
#endif
