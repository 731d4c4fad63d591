// Reachability of the forms unit's descriptors: one table entry per class.
#include <string>
#include <tuple>

#include "descriptors/kelforms.h"
#include "tests/descriptors/reach_walker.h"

namespace kel::test {
namespace {

using host::TObject;
using host::TWinControl;

// A scroll box of 160 x 100 on a new top-level windowed control of the world.
host::TScrollBox* ScrollBox(TReachWorld& w) {
  auto* parent = w.Owned<TWinControl>();
  parent->SetBounds(10, 10, 300, 200);
  auto* box = w.Owned<host::TScrollBox>();
  box->SetParent(parent);
  box->SetBounds(5, 5, 160, 100);
  return box;
}

// A form of the class F owned by the world's root, 300 x 200, not shown.
template <class F>
TWinControl* NewForm(TReachWorld& w) {
  auto* form = w.Owned<F>();
  form->SetBounds(20, 20, 300, 200);
  return form;
}

// OnHelp: Command, Data and CallHelp in the records; the answer (the last
// host parameter) is not one of them.
template <class H>
TReachEvent HelpOf(host::THelpEvent H::*field) {
  TReachEvent e;
  e.SetPrevious = [field](TObject& o, int& calls) {
    AsHost<H>(o).*field = host::THelpEvent([&calls](uint16_t, int32_t, bool&, bool&) { ++calls; });
  };
  e.Raise = [field](TObject& o, TRecordCheck& check) {
    check = [](TkelEventInfo& event) {
      ASSERT_EQ(event.GetArgCount(), 3);
      EXPECT_EQ(event.GetArgs(0)->Value, ToVariant(host::HELP_CONTEXT));
      EXPECT_EQ(event.GetArgs(1)->Value, Variant(42));
      EXPECT_EQ(event.GetArgs(2)->Value, Variant(true));
    };
    bool callHelp = true, answer = false;
    (AsHost<H>(o).*field)(host::HELP_CONTEXT, 42, callHelp, answer);
  };
  return e;
}

// OnShowHint: the text, CanShow and the address of the host's hint record.
TReachEvent ShowHintEvent() {
  using A = host::TApplication;
  TReachEvent e;
  e.SetPrevious = [](TObject& o, int& calls) {
    AsHost<A>(o).OnShowHint = host::TShowHintEvent([&calls](std::string&, bool&, host::THintInfo&) { ++calls; });
  };
  e.Raise = [](TObject& o, TRecordCheck& check) {
    auto info = std::make_shared<host::THintInfo>();
    info->HintStr = "tip";
    check = [info](TkelEventInfo& event) {
      ASSERT_EQ(event.GetArgCount(), 3);
      EXPECT_EQ(event.GetArgs(0)->Value, Variant("tip"));
      EXPECT_EQ(event.GetArgs(1)->Value, Variant(true));
      EXPECT_EQ(event.GetArgs(2)->Value.AsPointer(), info.get());
    };
    std::string text = "tip";
    bool canShow = true;
    AsHost<A>(o).OnShowHint(text, canShow, *info);
  };
  return e;
}

TReachClass FormEntry(std::function<TWinControl*(TReachWorld&)> make) {
  using F = host::TCustomForm;
  TReachClass c = WinControlEntry(make);
  c.ReadRaises.insert("MDIChildren");  // no MDI child: EListError
  c.Indexes["MDIChildren"] = {Variant(0)};
  c.Calls = c.Calls + std::vector<TReachCall>{
                          {"IsShortCut", Arg([](TReachWorld& w, TObject&) { return WorldValue(w, host::TWMKey{}); })},
                          {"WantChildKey",
                           [](TReachWorld& w, TObject& o) {
                             return std::vector<Variant>{Addr(&o), WorldValue(w, host::TMessage{})};
                           }},
                          {"CloseQuery", kNone}};
  c.Events.insert({
      {"OnActivate", NotifyOf(&F::OnActivate)},
      {"OnClose",
       EventOf(&F::OnClose, [](F& f) { return std::tuple<TObject*, host::TCloseAction>(&f, host::caHide); })},
      {"OnCloseQuery", EventOf(&F::OnCloseQuery, [](F& f) { return std::tuple<TObject*, bool>(&f, true); })},
      {"OnCreate", NotifyOf(&F::OnCreate)},
      {"OnDestroy", NotifyOf(&F::OnDestroy)},
      {"OnDeactivate", NotifyOf(&F::OnDeactivate)},
      {"OnHelp", HelpOf(&F::OnHelp)},
      {"OnHide", NotifyOf(&F::OnHide)},
      {"OnPaint", NotifyOf(&F::OnPaint)},
      {"OnShortCut", EventOf(&F::OnShortCut, [](F&) { return std::tuple<host::TWMKey, bool>(host::TWMKey{}, false); })},
      {"OnShow", NotifyOf(&F::OnShow)},
  });
  return c;
}

TReachClass ScreenEntry() {
  using S = host::TScreen;
  TReachClass c = ComponentReach([](TReachWorld& w) { return w.Owned<S>(); });
  for (const char* list : {"CustomForms", "DataModules", "Forms"}) {
    c.Indexes[list] = {Variant(0)};
    c.ReadRaises.insert(list);  // a new screen lists nothing yet
  }
  c.Indexes["Monitors"] = {Variant(0)};
  c.Indexes["Cursors"] = {Variant(5)};  // a cursor of the program's (crDefault cannot be replaced)
  c.Calls = Same({"DisableAlign", "EnableAlign", "Realign"});
  c.Events = {{"OnActiveControlChange", NotifyOf(&S::OnActiveControlChange)},
              {"OnActiveFormChange", NotifyOf(&S::OnActiveFormChange)}};
  return c;
}

TReachClass ApplicationEntry() {
  using A = host::TApplication;
  static host::Exception reported("reported");
  TReachClass c = ComponentReach([](TReachWorld& w) { return w.Owned<A>(); });
  c.Calls = Same({"CancelHint", "HideHint", "IsRightToLeft", "NormalizeTopMosts", "RestoreTopMosts",
                  "UseRightToLeftAlignment"}) +
            std::vector<TReachCall>{{"HelpContext", Args({Variant(7)})},
                                    {"ShowException", Args({Variant(0)}), true},  // no exception being reported
                                    {"CreateForm", Args({Addr(&host::TComponent::StaticMetaClass), Variant(0)}), true}};
  const auto actionEvent = [](A&) { return std::tuple<host::TBasicAction*, bool>(nullptr, false); };
  c.Events = {
      {"OnActionExecute", EventOf(&A::OnActionExecute, actionEvent)},
      {"OnActionUpdate", EventOf(&A::OnActionUpdate, actionEvent)},
      {"OnActivate", NotifyOf(&A::OnActivate)},
      {"OnDeactivate", NotifyOf(&A::OnDeactivate)},
      {"OnException",
       EventOf(&A::OnException, [](A& a) { return std::tuple<TObject*, host::Exception*>(&a, &reported); })},
      {"OnIdle", EventOf(&A::OnIdle, [](A& a) { return std::tuple<TObject*, bool>(&a, true); })},
      {"OnHelp", HelpOf(&A::OnHelp)},
      {"OnHint", NotifyOf(&A::OnHint)},
      {"OnMessage", EventOf(&A::OnMessage,
                            [](A&) {
                              host::TMsg msg;
                              msg.message = host::WM_KEYDOWN;
                              return std::tuple<host::TMsg, bool>(msg, false);
                            })},
      {"OnMinimize", NotifyOf(&A::OnMinimize)},
      {"OnRestore", NotifyOf(&A::OnRestore)},
      {"OnShowHint", ShowHintEvent()},
      {"OnShortCut", EventOf(&A::OnShortCut, [](A&) { return std::tuple<host::TWMKey, bool>(host::TWMKey{}, true); })},
  };
  return c;
}

}  // namespace

TReachTable FormsReach() {
  TReachTable t;
  t["TControlScrollBar"] = Entry([](TReachWorld& w) -> TObject* { return ScrollBox(w)->GetVertScrollBar(); },
                                 Same({"ChangeBiDiPosition", "IsScrollBarVisible"}));
  t["TScrollingWinControl"] = WinControlEntry(ScrollBox);
  t["TScrollingWinControl"].Calls = t["TScrollingWinControl"].Calls + Same({"DisableAutoRange", "EnableAutoRange"});
  t["TScrollBox"] = WinControlEntry(ScrollBox);
  t["TCustomForm"] = FormEntry(NewForm<host::TForm>);
  t["TForm"] = FormEntry(NewForm<host::TForm>);
  t["TForm"].Calls = t["TForm"].Calls + Same({"ArrangeIcons", "Cascade", "Next", "Previous", "Tile"});
  t["TCustomActiveForm"] = FormEntry(NewForm<host::TCustomActiveForm>);
  t["TCustomDockForm"] = FormEntry(NewForm<host::TCustomDockForm>);
  t["TDataModule"] = ComponentReach([](TReachWorld& w) { return w.Owned<host::TDataModule>(); });
  t["TDataModule"].Events = {{"OnCreate", NotifyOf(&host::TDataModule::OnCreate)},
                             {"OnDestroy", NotifyOf(&host::TDataModule::OnDestroy)}};
  t["TMonitor"] = Entry([](TReachWorld&) -> TObject* { return host::Screen->GetMonitors(0); });
  t["TScreen"] = ScreenEntry();
  t["TApplication"] = ApplicationEntry();
  for (auto& [name, entry] : t) entry.Calls = RootCalls() + entry.Calls;
  return t;
}

namespace {

TEST(KelformsReach, EveryDescriptorOfTheUnitReachesEveryDeclaredFeature) {
  WalkUnit(FormsReach(), TkelFormsDescriptors{});
}

}  // namespace
}  // namespace kel::test
