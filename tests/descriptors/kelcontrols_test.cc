// Behaviour of the control descriptors: values by address shared between
// controls, refused writes, children and messages, and event parameters
// that listeners change and the control then sees.
#include "descriptors/kelcontrols.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/widgetset/headless/headless.h"
#include "host/widgetset/widgetset.h"
#include "tests/descriptors/descriptor_test_support.h"

namespace kel::test {

// A control that answers the message kAsk with Answer and counts the asks,
// and records the key codes and characters its key handling ends with.
class TProbeControl : public host::TWinControl {
  HOST_CLASS(TProbeControl, host::TWinControl)
  using TCreateArg = host::TComponent;
  explicit TProbeControl(host::TComponent* AOwner) : TWinControl(AOwner) {}
  static constexpr uint32_t kAsk = host::WM_USER + 1;

  void WndProc(host::TMessage& Message) override {
    if (Message.Msg != kAsk) return inherited::WndProc(Message);
    ++Asked;
    Message.Result = Answer;
  }
  int64_t Answer = 0;
  int Asked = 0;
  uint16_t KeySeen = 0;
  char CharSeen = '?';

 protected:
  ~TProbeControl() override = default;
  void KeyDown(uint16_t& Key, host::TShiftState Shift) override {
    inherited::KeyDown(Key, Shift);
    KeySeen = Key;
  }
  void KeyPress(char& Key) override {
    inherited::KeyPress(Key);
    CharSeen = Key;
  }
};
HOST_IMPL(TProbeControl, host::TWinControl)

namespace {

using host::TControl;
using host::TObject;
using host::TRect;
using host::TWinControl;
using host::Variant;

// A top-level form at (100, 100), 300 x 200, with three probes in a row.
struct TControlForm {
  TControlForm() {
    form->SetBounds(100, 100, 300, 200);
    for (int i = 0; i < 3; ++i) {
      probes[i] = host::New<TProbeControl>(form.get());
      probes[i]->SetParent(form.get());
      probes[i]->SetBounds(10 + 90 * i, 10, 80, 30);
      probes[i]->SetTabStop(true);
    }
  }
  ~TControlForm() {
    for (TkelClassInfo* d : descriptors) {
      d->SetOwner(nullptr);
      d->Free();
    }
  }
  // A connected descriptor of the probe i (the registry describes only the
  // library's own classes).
  TkelClassInfo* Probe(int i) {
    descriptors.push_back(MakeDescriptor(&TWinControlClassInfo::StaticMetaClass, probes[i]));
    return descriptors.back();
  }
  host::TOwned<TWinControl> form = host::MakeOwned<TWinControl>(nullptr);
  TProbeControl* probes[3] = {};
  std::vector<TkelClassInfo*> descriptors;
};

template <class T>
const T& At(const Variant& address) {
  return *static_cast<const T*>(address.AsPointer());
}

host::headless::THeadlessRobot& Robot() {
  return dynamic_cast<host::headless::THeadlessWidgetSet&>(host::WidgetSet()).Robot();
}

TEST(ControlDescriptors, BoundsRectIsOneScratchValueAndAnchorsCopyBetweenControls) {
  TControlForm f;
  TkelClassInfo* d = f.Probe(0);
  const Variant first = Read(d, "BoundsRect");
  EXPECT_EQ(At<TRect>(first), (TRect{10, 10, 90, 40}));
  f.probes[0]->SetBounds(20, 30, 40, 50);
  const Variant second = Read(d, "BoundsRect");
  EXPECT_EQ(first, second);  // the same slot, now holding the second position
  f.probes[0]->SetBounds(0, 0, 5, 5);
  Write(d, "BoundsRect", first);
  EXPECT_EQ(f.probes[0]->GetBoundsRect(), (TRect{20, 30, 60, 80}));

  f.probes[1]->SetAnchors({host::akRight, host::akBottom});
  Write(d, "Anchors", Read(f.Probe(1), "Anchors"));
  EXPECT_EQ(f.probes[0]->GetAnchors(), (host::TAnchors{host::akRight, host::akBottom}));
  // The sets keep their host sizes: ControlStyle four bytes, ControlState two.
  EXPECT_EQ(At<host::TControlStyle>(Read(d, "ControlStyle")), f.probes[0]->GetControlStyle());
  f.probes[0]->SetControlState({host::csFocusing, host::csDocking});
  EXPECT_EQ(At<host::TControlState>(Read(d, "ControlState")), f.probes[0]->GetControlState());
}

TEST(ControlDescriptors, AFailingWriteLeavesTheControlAsItWas) {
  TControlForm f;
  TProbeControl* c = f.probes[0];
  TkelClassInfo* d = f.Probe(0);
  const TRect bounds = c->GetBoundsRect();
  TRect loose{1, 2, 3, 4};
  const TkelValue<TRect> inverted(TRect{50, 50, 10, 10});  // a negative size
  EXPECT_THROW(Write(d, "BoundsRect", Addr(&loose)), host::EInvalidCast);
  EXPECT_THROW(Write(d, "BoundsRect", inverted.Address()), host::EInvalidOperation);
  EXPECT_THROW(Write(d, "Width", Variant("wide")), host::Exception);
  EXPECT_EQ(MessageOf([&] { Write(d, "Align", Variant(9)); }), "9 is not a valid value of Align (0..6)");
  EXPECT_EQ(MessageOf([&] { Write(d, "ClientOrigin", Read(d, "ClientOrigin")); }), "Property ClientOrigin not found!");
  EXPECT_THROW(Write(d, "FloatingDockSiteClass", Addr(&host::TFont::StaticMetaClass)), host::EInvalidCast);
  EXPECT_THROW(Write(d, "Parent", Addr(c)), host::EInvalidOperation);
  EXPECT_THROW(Invoke(d, "InsertControl", {Addr(f.form.get())}), host::EInvalidOperation);
  EXPECT_THROW(Invoke(d, "ManualDock", {Addr(nullptr), Addr(nullptr), Variant(12)}), host::ERangeError);
  EXPECT_EQ(c->GetBoundsRect(), bounds);
  EXPECT_EQ(c->GetAlign(), host::alNone);
  EXPECT_EQ(c->GetFloatingDockSiteClass(), nullptr);
  EXPECT_EQ(c->GetParent(), f.form.get());
  EXPECT_EQ(f.form->GetParent(), nullptr);

  // A listener value that does not convert: no var parameter changes, and
  // SetBounds, which asked OnCanResize, leaves the control where it was.
  TTestListeners listeners;
  listeners.On(d, "OnCanResize", [](TkelEventInfo& e) {
    e.GetArgs(1)->Value = Variant(70);
    e.GetArgs(2)->Value = Variant("tall");
  });
  int32_t width = 100, height = 100;
  bool resize = true;
  EXPECT_THROW(c->OnCanResize(c, width, height, resize), host::Exception);
  EXPECT_EQ(width, 100);
  EXPECT_THROW(c->SetBounds(0, 0, 100, 100), host::Exception);
  EXPECT_EQ(c->GetBoundsRect(), bounds);
}

TEST(ControlDescriptors, ChildrenTextsAndTextBuffers) {
  TControlForm f;
  TkelClassInfo* form = Describe(f.form.get());
  EXPECT_EQ(Read(form, "Controls", {Variant(2)}), Addr(f.probes[2]));
  EXPECT_EQ(Read(form, "ControlCount"), Variant(3));
  EXPECT_THROW(Read(form, "Controls", {Variant(3)}), host::EListError);

  f.probes[0]->SetText("Hello");
  TkelClassInfo* second = f.Probe(1);
  Write(second, "WindowText", Read(f.Probe(0), "WindowText"));
  EXPECT_EQ(f.probes[1]->GetText(), "Hello");
  const char* stray = "Stray";
  EXPECT_THROW(Write(second, "WindowText", Addr(stray)), host::EInvalidCast);
  EXPECT_EQ(f.probes[1]->GetText(), "Hello");

  TkelMethodInfo* m = Invoke(second, "GetTextBuf", {Variant(""), Variant(4)});
  EXPECT_EQ(m->GetArgs(0)->Value, Variant("Hel"));
  EXPECT_EQ(m->Result, Variant(3));
  EXPECT_THROW(Invoke(second, "GetTextBuf", {Variant(""), Variant(-1)}), host::ERangeError);
}

TEST(ControlDescriptors, BroadcastTakesAMessageRecordAndAnswersInACopy) {
  TControlForm f;
  f.probes[1]->Answer = 42;
  TkelClassInfo* d = Describe(f.form.get());
  const TkelValue<host::TMessage> ask(host::TMessage{TProbeControl::kAsk, 0});
  TkelMethodInfo* m = Invoke(d, "Broadcast", {ask.Address()});
  ASSERT_NE(m->GetArgs(0)->Value, ask.Address());
  EXPECT_EQ(At<host::TMessage>(m->GetArgs(0)->Value).Msg, TProbeControl::kAsk);
  EXPECT_EQ(At<host::TMessage>(m->GetArgs(0)->Value).Result, 42);
  EXPECT_EQ(ask.Value().Result, 0);                                            // the caller's record is not touched
  EXPECT_EQ(f.probes[0]->Asked + f.probes[1]->Asked + f.probes[2]->Asked, 2);  // the second one answered

  // A bare message number is no record: refused before any child is asked.
  EXPECT_THROW(Invoke(d, "Broadcast", {Variant(static_cast<int32_t>(TProbeControl::kAsk))}), host::EInvalidCast);
  EXPECT_EQ(f.probes[0]->Asked, 1);
  // A wheel message must come in a record as large as a wheel message.
  const TkelValue<host::TMessage> shortWheel(host::TMessage{host::WM_MOUSEWHEEL, 0});
  EXPECT_THROW(Invoke(d, "MouseWheelHandler", {shortWheel.Address()}), host::EInvalidCast);
}

TEST(ControlDescriptors, KeyListenersDecideWhatTheControlSees) {
  TControlForm f;
  f.form->HandleNeeded();
  TProbeControl* c = f.probes[0];
  // The saved handler's change is replaced by the value the listeners leave.
  c->OnKeyDown = [](TObject*, uint16_t& key, host::TShiftState) { key = 0; };
  TkelClassInfo* d = f.Probe(0);
  c->SetFocus();
  Robot().Press(host::VK_TAB);
  EXPECT_EQ(c->KeySeen, host::VK_TAB);
  EXPECT_TRUE(f.probes[1]->Focused());  // Tab moved on in tab order

  TTestListeners listeners;
  listeners.On(d, "OnKeyDown", [](TkelEventInfo& e) { e.GetArgs(1)->Value = Variant(0); });
  c->SetFocus();
  Robot().Press(host::VK_TAB);
  EXPECT_EQ(c->KeySeen, 0);
  EXPECT_TRUE(c->Focused());  // the key was consumed

  std::vector<Variant> keys;
  listeners.On(d, "OnKeyPress", [&](TkelEventInfo& e) {
    keys.push_back(e.GetArgs(1)->Value);
    e.GetArgs(1)->Value = Variant(keys.size() == 1 ? "Xylophone" : "");
  });
  c->Perform(host::WM_CHAR, 'a', 0);
  EXPECT_EQ(c->CharSeen, 'X');
  c->Perform(host::WM_CHAR, 'b', 0);
  EXPECT_EQ(c->CharSeen, '\0');  // an empty string: the key press consumed
  EXPECT_EQ(keys, (std::vector<Variant>{Variant("a"), Variant("b")}));
}

TEST(ControlDescriptors, DragOverAcceptAndTheSiteRectangleComeBack) {
  TControlForm f;
  TProbeControl* c = f.probes[0];
  c->OnDragOver = [](TObject*, TObject*, int32_t, int32_t, host::TDragState, bool& accept) { accept = false; };
  c->OnGetSiteInfo = [](TObject*, TControl*, TRect& r, host::TPoint, bool&) { r.Left = 1; };
  TkelClassInfo* d = f.Probe(0);
  TTestListeners listeners;
  listeners.On(d, "OnDragOver",
               [](TkelEventInfo& e) { e.GetArgs(5)->Value = Variant(e.GetArgs(2)->Value.AsInteger() > 5); });
  bool accept = false;
  c->DragOver(f.probes[1], 9, 1, host::dsDragMove, accept);
  EXPECT_TRUE(accept);  // the listener accepted what the saved handler refused
  c->DragOver(f.probes[1], 1, 1, host::dsDragMove, accept);
  EXPECT_FALSE(accept);

  // The influence rectangle is the host's own, so the saved handler's change
  // (Left = 1) stays; a listener may point the value at another rectangle.
  const TkelValue<TRect> elsewhere(TRect{7, 7, 8, 8});
  bool redirect = false;
  listeners.On(d, "OnGetSiteInfo", [&](TkelEventInfo& e) {
    EXPECT_EQ(At<TRect>(e.GetArgs(2)->Value).Left, 1);
    EXPECT_EQ(At<host::TPoint>(e.GetArgs(3)->Value), (host::TPoint{4, 5}));
    if (redirect) e.GetArgs(2)->Value = elsewhere.Address();
    e.GetArgs(4)->Value = Variant(true);
  });
  TRect influence{20, 20, 40, 40};
  bool canDock = false;
  c->GetSiteInfo(nullptr, influence, {4, 5}, canDock);
  EXPECT_EQ(influence, (TRect{1, 10, 50, 50}));
  EXPECT_TRUE(canDock);
  redirect = true;
  c->GetSiteInfo(nullptr, influence, {4, 5}, canDock);
  EXPECT_EQ(influence, elsewhere.Value());
}

TEST(ControlDescriptors, UnhookingRestoresTheHandlersOfBeforeTheConnection) {
  TControlForm f;
  TProbeControl* c = f.probes[0];
  int saved = 0;
  c->OnClick = host::TNotifyEvent([&saved](TObject*) { ++saved; });
  const host::TNotifyEvent before = c->OnClick;
  TkelClassInfo* d = MakeDescriptor(&TWinControlClassInfo::StaticMetaClass, c);
  int heard = 0;
  TkelListener* l = Listen(d, "OnClick", [&](TObject*, TkelEventInfo*) { ++heard; });
  EXPECT_FALSE(c->OnClick.SameAs(before));
  c->Click();
  EXPECT_EQ(saved, 1);
  EXPECT_EQ(heard, 1);
  // A handler the program assigns meanwhile replaces the hook until unhooking.
  c->OnClick = nullptr;
  d->SetOwner(nullptr);
  EXPECT_TRUE(c->OnClick.SameAs(before));
  c->Click();
  EXPECT_EQ(saved, 2);
  EXPECT_EQ(heard, 1);
  Unlisten(d, {l});
  d->Free();
}

TEST(ControlDescriptors, ARobotClickReachesTheListenersThroughTheHook) {
  TControlForm f;
  f.form->HandleNeeded();
  TkelClassInfo* d = f.Probe(2);
  TTestListeners listeners;
  std::vector<Variant> senders;
  listeners.On(d, "OnClick", [&](TkelEventInfo& e) { senders.push_back(e.GetArgs(0)->Value); });
  Robot().Click(f.probes[2]->ClientToScreen({5, 5}));
  Robot().Click(f.probes[1]->ClientToScreen({5, 5}));
  EXPECT_EQ(senders, std::vector<Variant>{Addr(f.probes[2])});
}

}  // namespace
}  // namespace kel::test
