// Reachability of the controls unit's descriptors: one table entry per class.
#include "descriptors/kelcontrols.h"
#include "host/actnlist/actnlist.h"
#include "host/classes/lists.h"
#include "tests/descriptors/reach_walker.h"
#include "tests/support/bitmaps.h"

namespace kel::test {
namespace {

using host::TControl;
using host::TDragObject;
using host::TPoint;
using host::TRect;
using host::TShiftState;
using host::TWinControl;

// The address of a by-address value of the world, as an argument.
template <class T>
TArgs Value(const T& value) {
  return Arg([value](TReachWorld& w, TObject&) { return WorldValue(w, value); });
}

// A top-level windowed control (300 x 200) owned by the world's root.
TWinControl* Form(TReachWorld& w) {
  auto* form = w.Owned<TWinControl>();
  form->SetBounds(10, 10, 300, 200);
  return form;
}
// A control of the class C placed on `parent`.
template <class C>
C* Placed(TReachWorld& w, TWinControl* parent, const std::string& name) {
  auto* c = w.Owned<C>(name);
  c->SetParent(parent);
  c->SetBounds(5, 5, 40, 20);
  return c;
}

}  // namespace

// ---- controls

TReachClass ControlEntry(std::function<TControl*(TReachWorld&)> make) {
  TReachClass c = ComponentReach([make](TReachWorld& w) { return make(w); });
  c.Calls = Same({"BringToFront", "SendToBack", "Dragging", "DrawTextBiDiModeFlagsReadingOnly", "GetControlsAlignment",
                  "GetTextLen", "Hide", "Show", "InitiateAction", "Invalidate", "IsRightToLeft", "Refresh", "Repaint",
                  "Update", "UseRightToLeftAlignment", "UseRightToLeftReading", "UseRightToLeftScrollBar"}) +
            Same({"ClientToScreen", "ScreenToClient"}, Value(TPoint{3, 4})) +
            std::vector<TReachCall>{{"DrawTextBiDiModeFlags", Args({Variant(0)})},
                                    {"GetTextBuf", Args({Variant(""), Variant(8)})},
                                    {"SetTextBuf", Args({Variant("Text")})},
                                    {"Perform", Args({Variant(0), Variant(0), Variant(0)})},
                                    {"SetBounds", Args({Variant(6), Variant(7), Variant(50), Variant(30)})},
                                    {"ManualDock", Args({Variant(0), Variant(0), Variant(7)}), true}};
  using C = TControl;
  c.Events = {
      {"OnCanResize",
       EventOf(&C::OnCanResize, [](C& o) { return std::tuple<TObject*, int32_t, int32_t, bool>(&o, 10, 20, true); })},
      {"OnConstrainedResize",
       EventOf(&C::OnConstrainedResize,
               [](C& o) { return std::tuple<TObject*, int32_t, int32_t, int32_t, int32_t>(&o, 1, 2, 300, 400); })},
      {"OnClick", NotifyOf(&C::OnClick)},
      {"OnDblClick", NotifyOf(&C::OnDblClick)},
      {"OnDragDrop",
       EventOf(&C::OnDragDrop, [](C& o) { return std::tuple<TObject*, TObject*, int32_t, int32_t>(&o, &o, 3, 4); })},
      {"OnDragOver", EventOf(&C::OnDragOver,
                             [](C& o) {
                               return std::tuple<TObject*, TObject*, int32_t, int32_t, host::TDragState, bool>(
                                   &o, &o, 3, 4, host::dsDragMove, false);
                             })},
      {"OnEndDock", EventOf(&C::OnEndDock,
                            [](C& o) { return std::tuple<TObject*, TObject*, int32_t, int32_t>(&o, nullptr, 1, 2); })},
      {"OnEndDrag",
       EventOf(&C::OnEndDrag, [](C& o) { return std::tuple<TObject*, TObject*, int32_t, int32_t>(&o, &o, 1, 2); })},
      {"OnMouseDown", EventOf(&C::OnMouseDown,
                              [](C& o) {
                                return std::tuple<TObject*, host::TMouseButton, TShiftState, int32_t, int32_t>(
                                    &o, host::mbRight, TShiftState{host::ssShift}, 5, 6);
                              })},
      {"OnMouseMove", EventOf(&C::OnMouseMove,
                              [](C& o) {
                                return std::tuple<TObject*, TShiftState, int32_t, int32_t>(
                                    &o, TShiftState{host::ssCtrl}, 5, 6);
                              })},
      {"OnMouseUp", EventOf(&C::OnMouseUp,
                            [](C& o) {
                              return std::tuple<TObject*, host::TMouseButton, TShiftState, int32_t, int32_t>(
                                  &o, host::mbLeft, TShiftState{}, 7, 8);
                            })},
      {"OnResize", NotifyOf(&C::OnResize)},
      {"OnStartDock",
       EventOf(&C::OnStartDock, [](C& o) { return std::tuple<TObject*, host::TDragDockObject*>(&o, nullptr); })},
      {"OnStartDrag", EventOf(&C::OnStartDrag, [](C& o) { return std::tuple<TObject*, TDragObject*>(&o, nullptr); })},
  };
  return c;
}

TReachClass WinControlEntry(std::function<TWinControl*(TReachWorld&)> make) {
  TReachClass c = ControlEntry([make](TReachWorld& w) -> TControl* {
    TWinControl* walked = make(w);
    Placed<TControl>(w, walked, "Kid");
    Placed<TControl>(w, Form(w), "")->SetHostDockSite(walked);
    return walked;
  });
  c.Indexes["Controls"] = {Variant(0)};
  c.Indexes["DockClients"] = {Variant(0)};
  const TArgs kid = Arg([](TReachWorld&, TObject& o) { return Addr(AsHost<TWinControl>(o).FindChildControl("Kid")); });
  const TArgs stranger = Arg([](TReachWorld& w, TObject&) { return Addr(w.Owned<TControl>()); });
  c.Calls = c.Calls +
            Same({"CanFocus", "DisableAlign", "EnableAlign", "Focused", "HandleAllocated", "HandleNeeded", "Realign",
                  "UpdateControlState"}) +
            std::vector<TReachCall>{
                {"Broadcast", Value(host::TMessage{host::CM_COLORCHANGED, 0})},
                {"ContainsControl", kid},
                {"ControlAtPos",
                 [](TReachWorld& w, TObject&) {
                   return std::vector<Variant>{WorldValue(w, TPoint{9, 9}), Variant(true)};
                 }},
                {"FindChildControl", Args({Variant("kid")})},
                {"FlipChildren", Args({Variant(false)})},
                {"GetTabOrderList", Arg([](TReachWorld& w, TObject&) { return Addr(w.Make<host::TList>()); })},
                {"InsertControl", stranger},
                {"RemoveControl", kid},
                {"MouseWheelHandler", Value(host::TWMMouseWheel{})},
                {"PaintTo",
                 [](TReachWorld& w, TObject&) {
                   return std::vector<Variant>{WorldValue(w, host::HDC{0}), Variant(0), Variant(0)};
                 }},
                {"ScaleBy", Args({Variant(1), Variant(1)})},
                {"ScrollBy", Args({Variant(0), Variant(0)})},
                {"DockDrop", Args({Variant(0), Variant(0), Variant(0)})},
            };
  using W = TWinControl;
  const auto key = [](W& o) { return std::tuple<TObject*, uint16_t, TShiftState>(&o, 65, TShiftState{host::ssShift}); };
  const auto wheel = [](W& o) {
    return std::tuple<TObject*, TShiftState, TPoint, bool>(&o, TShiftState{}, TPoint{1, 2}, false);
  };
  c.Events.insert({
      {"OnDockDrop",
       EventOf(&W::OnDockDrop,
               [](W& o) { return std::tuple<TObject*, host::TDragDockObject*, int32_t, int32_t>(&o, nullptr, 1, 2); })},
      {"OnDockOver",
       EventOf(&W::OnDockOver,
               [](W& o) {
                 return std::tuple<TObject*, host::TDragDockObject*, int32_t, int32_t, host::TDragState, bool>(
                     &o, nullptr, 1, 2, host::dsDragEnter, true);
               })},
      {"OnEnter", NotifyOf(&W::OnEnter)},
      {"OnExit", NotifyOf(&W::OnExit)},
      {"OnGetSiteInfo", EventOf(&W::OnGetSiteInfo,
                                [](W& o) {
                                  return std::tuple<TObject*, TControl*, TRect, TPoint, bool>(
                                      &o, nullptr, TRect{1, 2, 3, 4}, TPoint{5, 6}, true);
                                })},
      {"OnKeyDown", EventOf(&W::OnKeyDown, key)},
      {"OnKeyPress", EventOf(&W::OnKeyPress, [](W& o) { return std::tuple<TObject*, char>(&o, 'a'); })},
      {"OnKeyUp", EventOf(&W::OnKeyUp, key)},
      {"OnMouseWheel", EventOf(&W::OnMouseWheel,
                               [](W& o) {
                                 return std::tuple<TObject*, TShiftState, int32_t, TPoint, bool>(&o, TShiftState{}, 120,
                                                                                                 TPoint{1, 2}, false);
                               })},
      {"OnMouseWheelDown", EventOf(&W::OnMouseWheelDown, wheel)},
      {"OnMouseWheelUp", EventOf(&W::OnMouseWheelUp, wheel)},
      {"OnUnDock",
       EventOf(&W::OnUnDock,
               [](W& o) { return std::tuple<TObject*, TControl*, TWinControl*, bool>(&o, nullptr, nullptr, true); })},
  });
  return c;
}

namespace {

// ---- drag objects

TReachClass DragObjectEntry(std::function<TDragObject*(TReachWorld&)> make) {
  TReachClass c = Entry([make](TReachWorld& w) { return make(w); });
  c.Calls = Same({"GetName", "HideDragImage", "Instance", "ShowDragImage"}) +
            std::vector<TReachCall>{{"Assign", Arg([make](TReachWorld& w, TObject&) { return Addr(make(w)); })}};
  return c;
}

TReachClass ActionLinkEntry(std::function<TControl*(TReachWorld&)> make) {
  TReachClass c = Entry([make](TReachWorld& w) -> TObject* {
    TControl* control = make(w);
    control->SetAction(w.Owned<host::TAction>());
    return control->GetActionLink();
  });
  c.Events = {{"OnChange", NotifyOf(&host::TBasicActionLink::OnChange)}};
  return c;
}

// A drag image list of the class L with one 16 x 16 image, on a form's
// window: it drags, locks to the window and lets go.
template <class L>
TReachClass DragImagesEntry() {
  TReachClass c = ComponentReach([](TReachWorld& w) -> host::TComponent* {
    auto* list = w.Owned<L>();
    list->Add(w.Keep(host::testkit::MakeBitmap(16, 16, host::clRed).release()), nullptr);
    return list;
  });
  const TArgs window = [](TReachWorld& w, TObject&) {
    return std::vector<Variant>{WorldValue(w, Form(w)->GetHandle()), Variant(4), Variant(5)};
  };
  c.Calls = std::vector<TReachCall>{{"SetDragImage", Args({Variant(0), Variant(2), Variant(2)})},
                                    {"BeginDrag", window},
                                    {"DragMove", Args({Variant(8), Variant(9)})},
                                    {"DragLock", window}} +
            Same({"HideDragImage", "ShowDragImage", "DragUnlock", "EndDrag"});
  c.Events = {{"OnChange", NotifyOf(&host::TCustomImageList::OnChange)}};
  return c;
}

}  // namespace

TReachTable ControlsReach() {
  TReachTable t;
  const auto control = [](TReachWorld& w) { return Placed<TControl>(w, Form(w), ""); };
  t["TDragObject"] = DragObjectEntry([](TReachWorld& w) { return w.Make<TDragObject>(); });
  t["TBaseDragControlObject"] = DragObjectEntry(
      [control](TReachWorld& w) -> TDragObject* { return w.Make<host::TBaseDragControlObject>(control(w)); });
  t["TDragControlObject"] = DragObjectEntry(
      [control](TReachWorld& w) -> TDragObject* { return w.Make<host::TDragControlObject>(control(w)); });
  t["TDragDockObject"] =
      DragObjectEntry([control](TReachWorld& w) -> TDragObject* { return w.Make<host::TDragDockObject>(control(w)); });
  t["TControlCanvas"] = Entry([](TReachWorld& w) -> TObject* {
    auto* canvas = w.Make<host::TControlCanvas>();
    canvas->SetControl(Form(w));
    return canvas;
  });
  t["TControlCanvas"].Indexes = {{"Pixels", {Variant(1), Variant(2)}}};
  t["TControlCanvas"].Events = {{"OnChange", NotifyOf(&host::TCanvas::OnChange)},
                                {"OnChanging", NotifyOf(&host::TCanvas::OnChanging)}};
  t["TControlActionLink"] = ActionLinkEntry(control);
  t["TSizeConstraints"] = Entry([control](TReachWorld& w) -> TObject* { return control(w)->GetConstraints(); });
  t["TSizeConstraints"].Events = {{"OnChange", NotifyOf(&host::TSizeConstraints::OnChange)}};
  t["TControl"] = ControlEntry(control);
  t["TWinControlActionLink"] = ActionLinkEntry([](TReachWorld& w) -> TControl* { return Form(w); });
  t["TWinControl"] = WinControlEntry([](TReachWorld& w) { return Placed<TWinControl>(w, Form(w), ""); });
  t["TGraphicControl"] =
      ControlEntry([](TReachWorld& w) -> TControl* { return Placed<host::TGraphicControl>(w, Form(w), ""); });
  t["TCustomControl"] =
      WinControlEntry([](TReachWorld& w) -> TWinControl* { return Placed<host::TCustomControl>(w, Form(w), ""); });
  t["THintWindow"] = WinControlEntry([](TReachWorld& w) -> TWinControl* { return w.Owned<host::THintWindow>("Hint"); });
  t["THintWindow"].Calls =
      t["THintWindow"].Calls +
      std::vector<TReachCall>{
          {"ActivateHint",
           [](TReachWorld& w, TObject&) {
             return std::vector<Variant>{WorldValue(w, TRect{0, 0, 80, 20}), Variant("Hint")};
           }},
          {"ActivateHintData",
           [](TReachWorld& w, TObject&) {
             return std::vector<Variant>{WorldValue(w, TRect{0, 0, 80, 20}), Variant("Hint"), Variant(0)};
           }},
          {"CalcHintRect", Args({Variant(200), Variant("A hint"), Variant(0)})},
          {"IsHintMsg", Value(host::TMessage{host::WM_USER, 0})},
          {"ReleaseHandle", kNone},
      };
  t["TDragImageList"] = DragImagesEntry<host::TDragImageList>();
  t["TImageList"] = DragImagesEntry<host::TImageList>();
  t["TDockTree"] = Entry([](TReachWorld& w) -> TObject* { return w.Make<host::TDockTree>(Form(w)); },
                         {{"PaintSite", Value(host::HDC{0})}});
  t["TDockZone"] = Entry([](TReachWorld& w) -> TObject* { return w.Make<host::TDockTree>(Form(w))->GetTopZone(); },
                         Same({"ResetChildren", "Update"}));
  t["TMouse"] = Entry([](TReachWorld&) -> TObject* { return host::Mouse(); }, {{"SettingChanged", Args({Variant(0)})}});
  for (auto& [name, entry] : t) entry.Calls = RootCalls() + entry.Calls;
  return t;
}

namespace {

TEST(KelcontrolsReach, EveryDescriptorOfTheUnitReachesEveryDeclaredFeature) {
  WalkUnit(ControlsReach(), TkelControlsDescriptors{});
}

}  // namespace
}  // namespace kel::test
