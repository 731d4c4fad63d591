// The road of one click: the headless robot clicks a control whose OnClick
// a connection relays (the descriptor's hook, the listener, the connection,
// SetProperty or InvokeMethod on the target), against the same robot click
// on a control whose OnClick is a plain C++ handler making the same change.
// Both sides pay for the input messages; the difference is the relay.
//
//   BM_RobotClickRelay   an event-to-property connection sets the form's Tag
//   BM_RoadOfOneEvent    the road example: a TButton's OnClick calls Clear
//                        of a TListBox through an event-to-method connection
#include <benchmark/benchmark.h>

#include <string>

#include "host/classes/filer.h"
#include "host/classes/formtext.h"
#include "host/classes/streams.h"
#include "host/controls/controls.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/lists.h"
#include "host/widgetset/headless/headless.h"
#include "host/widgetset/widgetset.h"

#include "bench/compare.h"
#include "bench/formfile.h"
#include "bench/library.h"

namespace {

using namespace host;

constexpr char kForm[] =
    "object Form: TWinControl\n  Left = 100\n  Top = 100\n  Width = 300\n  Height = 200\n"
    "  object Button: TWinControl\n    Left = 10\n    Top = 10\n    Width = 80\n    Height = 25\n  end\n"
    "  object Wiring: TkelConnectionList\n    object ClickMarks: TkelE2PConnection\n      Source = Button\n"
    "      Target = Form\n      SourceEvent = 'OnClick'\n      TargetProperty = 'Tag'\n      ValueConstant = '7'\n"
    "    end\n  end\nend\n";

using bench::ReadTextForm;

TPoint Middle(TControl* c) { return c->ClientToScreen({c->GetWidth() / 2, c->GetHeight() / 2}); }

// The road form, as in examples/road.dfm.
constexpr char kRoadForm[] =
    "object Form: TWinControl\n  Left = 100\n  Top = 100\n  Width = 260\n  Height = 180\n"
    "  object ClearButton: TButton\n    Left = 8\n    Top = 8\n    Width = 75\n    Height = 25\n  end\n"
    "  object Names: TListBox\n    Left = 8\n    Top = 40\n    Width = 160\n    Height = 120\n  end\n"
    "  object Wiring: TkelConnectionList\n    object ClearOnClick: TkelE2MConnection\n      Source = ClearButton\n"
    "      SourceEvent = 'OnClick'\n      Target = Names\n      TargetMethod = 'Clear'\n    end\n  end\nend\n";

// A shown form at (500, 100) with a control of class B at (10, 10); the
// caller gives the control its plain OnClick.
template <class B>
B* PlainForm(TOwned<TWinControl>& Form) {
  Form.reset(New<TWinControl>(nullptr));
  Form->SetBounds(500, 100, 300, 200);
  auto* button = New<B>(Form.get());
  button->SetBounds(10, 10, 80, 25);
  button->SetParent(Form.get());
  Form->Show();
  return button;
}

// Times robot clicks on the wired control against clicks on the plain one.
void CompareClicks(benchmark::State& state, TControl* Wired, TControl* Plain) {
  auto& robot = static_cast<headless::THeadlessWidgetSet&>(WidgetSet()).Robot();
  const TPoint wiredAt = Middle(Wired), plainAt = Middle(Plain);
  bench::Compare(
      state, [&] { robot.Click(wiredAt); }, [&] { robot.Click(plainAt); }, 200000);
  state.counters["overhead_ns"] = state.counters["plain_ns"] * (state.counters["ratio"] - 1);
}

TOwned<TComponent> ShownForm(const char* Text) {
  TOwned<TComponent> form = ReadTextForm(Text);
  static_cast<TWinControl*>(form.get())->Show();
  return form;
}

void BM_RobotClickRelay(benchmark::State& state) {
  bench::TLibrary library;
  TOwned<TComponent> wired = ShownForm(kForm);
  TOwned<TWinControl> plainForm;
  auto* plainButton = PlainForm<TWinControl>(plainForm);
  plainButton->OnClick = [&](TObject*) { plainForm->SetTag(7); };
  CompareClicks(state, static_cast<TControl*>(wired->FindComponent("Button")), plainButton);
  if (wired->GetTag() != 7 || plainForm->GetTag() != 7) state.SkipWithError("a click did not arrive");
}
BENCHMARK(BM_RobotClickRelay);

// Both list boxes hold an item before the run and are empty after it; the
// clicks in between clear an empty list, the same work on both sides.
void BM_RoadOfOneEvent(benchmark::State& state) {
  bench::TLibrary library;
  TOwned<TComponent> wired = ShownForm(kRoadForm);
  auto* wiredList = static_cast<TListBox*>(wired->FindComponent("Names"));
  TOwned<TWinControl> plainForm;
  auto* plainButton = PlainForm<TButton>(plainForm);
  auto* plainList = New<TListBox>(plainForm.get());
  plainList->SetBounds(8, 40, 160, 120);
  plainList->SetParent(plainForm.get());
  plainButton->OnClick = [&](TObject*) { plainList->Clear(); };
  wiredList->GetItems()->Add("Ada");
  plainList->GetItems()->Add("Ada");
  CompareClicks(state, static_cast<TControl*>(wired->FindComponent("ClearButton")), plainButton);
  if (wiredList->GetItems()->GetCount() != 0 || plainList->GetItems()->GetCount() != 0)
    state.SkipWithError("a click did not clear its list");
}
BENCHMARK(BM_RoadOfOneEvent);

}  // namespace

BENCHMARK_MAIN();
