// Reachability of the test widget's descriptor (registered by the pattern
// tests, so the registry-wide walk meets it).
#include "tests/descriptors/reach_walker.h"
#include "tests/descriptors/test_widget.h"

namespace kel::test {
namespace {

// ---- the test widget of the pattern tests (registered by them)

TReachClass WidgetEntry() {
  TReachClass c;
  c.Make = [](TReachWorld& w) {
    auto* widget = w.Make<TTestWidget>();
    widget->Add("one");
    return widget;
  };
  c.Indexes = {{"Items", {Variant(0)}}};
  static const TTestRect bounds{1, 2, 3, 4};
  c.Writes = {{"Bounds", Args({Addr(&bounds)})}};
  c.Calls = {{"Add", Args({Variant("two")})},
             {"Find", Args({Variant("two"), Variant(0)})},
             {"Inflate", Args({Addr(&bounds), Variant(1)})},
             {"Sum", Args({Variant(1), Variant(2)})},
             {"SumProc", Args({Variant(1), Variant(2)})}};
  // Broken is mapped with a different arity than its text declares: the probe sees the mapping refuse.
  c.ProbeRaises = {{"Broken", "Method Broken needs 2 arguments, but its record has 1!"}};
  c.Events = {{"OnChange", NotifyOf(&TTestWidget::OnChange)},
              {"OnKey", EventOf(&TTestWidget::OnKey,
                                [](TTestWidget& h) {
                                  return std::tuple(static_cast<TObject*>(&h), uint16_t{13}, TTestOptions{toBold});
                                })},
              {"OnAct", NotifyOf(&TTestWidget::OnAct)}};
  return c;
}

}  // namespace

TReachTable PatternReach() {
  TReachTable t;
  t["TTestWidget"] = WidgetEntry();
  for (auto& [name, entry] : t) entry.Calls = RootCalls() + entry.Calls;
  return t;
}

}  // namespace kel::test
