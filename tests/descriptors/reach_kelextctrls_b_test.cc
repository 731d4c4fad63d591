// Reachability of the extctrls unit's page and bar descriptors: one table
// entry per class.
#include "descriptors/kelextctrls.h"
#include "tests/descriptors/reach_walker.h"

namespace kel::test {
namespace {

using host::TObject;
using host::TWinControl;

// A control of the class C on a top-level windowed control.
template <class C>
C* OnForm(TReachWorld& w, host::TAlign Align = host::alNone) {
  auto* form = w.Owned<TWinControl>();
  form->SetBounds(10, 10, 300, 200);
  auto* c = w.Owned<C>();
  c->SetParent(form);
  c->SetBounds(5, 5, 120, 80);
  c->SetAlign(Align);
  return c;
}

TReachClass NotebookEntry() {
  TReachClass c = WinControlEntry([](TReachWorld& w) -> TWinControl* {
    auto* book = OnForm<host::TNotebook>(w);
    book->GetPages()->Add("Second");
    return book;
  });
  c.Events.insert({"OnPageChanged", NotifyOf(&host::TNotebook::OnPageChanged)});
  return c;
}

TReachClass HeaderEntry() {
  TReachClass c = WinControlEntry([](TReachWorld& w) -> TWinControl* {
    auto* header = OnForm<host::THeader>(w);
    header->GetSections()->SetCommaText("Name,Size");
    return header;
  });
  c.Indexes["SectionWidth"] = {Variant(1)};
  using H = host::THeader;
  auto section = [](H& o) { return std::tuple<TObject*, int32_t, int32_t>(&o, 1, 70); };
  c.Events.insert({{"OnSizing", EventOf(&H::OnSizing, section)}, {"OnSized", EventOf(&H::OnSized, section)}});
  return c;
}

// The splitter's OnCanResize is found by its name: its three values sit in
// the first three places of the control's OnCanResize record.
TReachEvent SplitterCanResize() {
  using S = host::TSplitter;
  TReachEvent e;
  e.SetPrevious = [](TObject& o, int& calls) {
    AsHost<S>(o).OnCanResize = host::TSplitterCanResizeEvent([&calls](TObject*, int32_t&, bool&) { ++calls; });
  };
  e.Raise = [](TObject& o, TRecordCheck& check) {
    S& s = AsHost<S>(o);
    check = [&s](TkelEventInfo& event) {
      ASSERT_GE(event.GetArgCount(), 3);
      EXPECT_EQ(event.GetArgs(0)->Value, ToVariant(static_cast<TObject*>(&s)));
      EXPECT_EQ(event.GetArgs(1)->Value, Variant(45));
      EXPECT_EQ(event.GetArgs(2)->Value, Variant(true));
    };
    int32_t size = 45;
    bool accept = true;
    s.OnCanResize(&s, size, accept);
  };
  return e;
}

TReachClass SplitterEntry() {
  TReachClass c =
      ControlEntry([](TReachWorld& w) -> host::TControl* { return OnForm<host::TSplitter>(w, host::alLeft); });
  using S = host::TSplitter;
  c.Events["OnCanResize"] = SplitterCanResize();
  c.Events.insert({{"OnMoved", NotifyOf(&S::OnMoved)}, {"OnPaint", NotifyOf(&S::OnPaint)}});
  return c;
}

TReachClass ControlBarEntry() {
  TReachClass c = WinControlEntry([](TReachWorld& w) -> TWinControl* {
    auto* bar = OnForm<host::TControlBar>(w);
    auto* band = w.Owned<TWinControl>("Band");
    band->SetBounds(20, 2, 40, 22);
    band->SetParent(bar);
    return bar;
  });
  c.Calls = c.Calls + std::vector<TReachCall>{{"StickControls", kNone}};
  using C = host::TCustomControlBar;
  auto band = [](C& o) { return o.GetControls(o.GetControlCount() - 1); };
  c.Events.insert(
      {{"OnBandDrag", EventOf(&C::OnBandDrag,
                              [band](C& o) { return std::tuple<TObject*, host::TControl*, bool>(&o, band(o), true); })},
       {"OnBandInfo", EventOf(&C::OnBandInfo,
                              [band](C& o) {
                                return std::tuple<TObject*, host::TControl*, host::TRect, int32_t, int32_t>(
                                    &o, band(o), host::DefaultBandInsets, 73, 1);
                              })},
       {"OnBandMove",
        EventOf(&C::OnBandMove,
                [band](C& o) {
                  return std::tuple<TObject*, host::TControl*, host::TRect>(&o, band(o), host::TRect{9, 0, 62, 26});
                })},
       {"OnBandPaint",
        EventOf(&C::OnBandPaint,
                [band](C& o) {
                  return std::tuple<TObject*, host::TControl*, host::TCanvas*, host::TRect, host::TBandPaintOptions>(
                      &o, band(o), o.GetCanvas(), host::TRect{9, 0, 62, 26},
                      host::TBandPaintOptions{host::bpoGrabber, host::bpoFrame});
                })},
       {"OnPaint", NotifyOf(&C::OnPaint)}});
  return c;
}

}  // namespace

TReachTable ExtCtrlsBReach() {
  TReachTable t;
  t["TPage"] = WinControlEntry([](TReachWorld& w) -> TWinControl* { return OnForm<host::TNotebook>(w)->GetPage(0); });
  t["TNotebook"] = NotebookEntry();
  t["THeader"] = HeaderEntry();
  t["TSplitter"] = SplitterEntry();
  t["TCustomControlBar"] = ControlBarEntry();
  t["TControlBar"] = ControlBarEntry();
  for (auto& [name, entry] : t) entry.Calls = RootCalls() + entry.Calls;
  return t;
}

namespace {

TEST(KelextctrlsBReach, EveryDescriptorOfTheGroupReachesEveryDeclaredFeature) {
  WalkUnit(ExtCtrlsBReach(), TkelExtCtrlsPagesBarsDescriptors{});
}

}  // namespace
}  // namespace kel::test
