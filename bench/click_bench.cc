// The road of one click: the headless robot clicks a control whose OnClick
// an event-to-property connection relays (the descriptor's hook, the
// listener, the connection, SetProperty on the target), against the same
// robot click on a control whose OnClick is a plain C++ handler making the
// same change. Both sides pay for the input messages; the difference is
// the relay.
#include <benchmark/benchmark.h>

#include <string>

#include "host/classes/filer.h"
#include "host/classes/formtext.h"
#include "host/classes/streams.h"
#include "host/controls/controls.h"
#include "host/widgetset/headless/headless.h"
#include "host/widgetset/widgetset.h"

#include "bench/compare.h"
#include "bench/library.h"

namespace {

using namespace host;

constexpr char kForm[] =
    "object Form: TWinControl\n  Left = 100\n  Top = 100\n  Width = 300\n  Height = 200\n"
    "  object Button: TWinControl\n    Left = 10\n    Top = 10\n    Width = 80\n    Height = 25\n  end\n"
    "  object Wiring: TkelConnectionList\n    object ClickMarks: TkelE2PConnection\n      Source = Button\n"
    "      Target = Form\n      SourceEvent = 'OnClick'\n      TargetProperty = 'Tag'\n      ValueConstant = '7'\n"
    "    end\n  end\nend\n";

TOwned<TComponent> ReadText(const std::string& text) {
  TOwned<TStringStream> in = MakeOwned<TStringStream>(text);
  TOwned<TStringStream> binary = MakeOwned<TStringStream>();
  ObjectTextToBinary(in.get(), binary.get());
  binary->SetPosition(0);
  TOwned<TReader> reader = MakeOwned<TReader>(binary.get(), 4096);
  return TOwned<TComponent>(reader->ReadRootComponent(nullptr));
}

TPoint Middle(TControl* c) { return c->ClientToScreen({c->GetWidth() / 2, c->GetHeight() / 2}); }

void BM_RobotClickRelay(benchmark::State& state) {
  bench::TLibrary library;
  auto& robot = static_cast<headless::THeadlessWidgetSet&>(WidgetSet()).Robot();
  TOwned<TComponent> wired = ReadText(kForm);
  auto* wiredForm = static_cast<TWinControl*>(wired.get());
  wiredForm->Show();
  auto* wiredButton = static_cast<TControl*>(wired->FindComponent("Button"));

  TOwned<TWinControl> plainForm(New<TWinControl>(nullptr));
  plainForm->SetBounds(500, 100, 300, 200);
  auto* plainButton = New<TWinControl>(plainForm.get());
  plainButton->SetBounds(10, 10, 80, 25);
  plainButton->SetParent(plainForm.get());
  plainButton->OnClick = [&](TObject*) { plainForm->SetTag(7); };
  plainForm->Show();

  const TPoint wiredAt = Middle(wiredButton), plainAt = Middle(plainButton);
  bench::Compare(
      state, [&] { robot.Click(wiredAt); }, [&] { robot.Click(plainAt); }, 200000);
  state.counters["overhead_ns"] = state.counters["plain_ns"] * (state.counters["ratio"] - 1);
  if (wired->GetTag() != 7 || plainForm->GetTag() != 7) state.SkipWithError("a click did not arrive");
}
BENCHMARK(BM_RobotClickRelay);

}  // namespace

BENCHMARK_MAIN();
