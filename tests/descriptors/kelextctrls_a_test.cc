// Behaviour of the first extctrls group's descriptors: the timer's Interval
// by address and its OnTimer hooked through the host's setter, the radio
// group's ItemIndex and the shape's and panel's checked writes, each
// refused write leaving the control as it was.
#include "descriptors/kelextctrls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "connections/kele2p.h"
#include "host/widgetset/headless/headless.h"
#include "host/widgetset/widgetset.h"
#include "tests/descriptors/descriptor_test_support.h"

namespace kel::test {
namespace {

using host::Variant;

host::headless::THeadlessWidgetSet& Headless() {
  return dynamic_cast<host::headless::THeadlessWidgetSet&>(host::WidgetSet());
}

// A connected descriptor of the class D for Object, freed (and unhooked) first.
struct TDescribed {
  TDescribed(host::TClass Info, host::TObject* Object) : d(MakeDescriptor(Info, Object)) {}
  ~TDescribed() {
    d->SetOwner(nullptr);
    d->Free();
  }
  TDescribed(const TDescribed&) = delete;
  TDescribed& operator=(const TDescribed&) = delete;
  TkelClassInfo* const d;
};

TEST(KelextctrlsTimer, AnIntervalReadFromOneTimerWritesIntoAnother) {
  host::TOwned<host::TComponent> owner = host::MakeOwned<host::TComponent>(nullptr);
  auto* from = host::New<host::TTimer>(owner.get());
  auto* to = host::New<host::TTimer>(owner.get());
  from->SetInterval(250);
  TDescribed a(&TTimerClassInfo::StaticMetaClass, from), b(&TTimerClassInfo::StaticMetaClass, to);
  const Variant interval = Read(a.d, "Interval");
  EXPECT_EQ(*static_cast<const uint32_t*>(interval.AsPointer()), 250u) << "the address of the descriptor's copy";
  Write(b.d, "Interval", interval);
  EXPECT_EQ(to->GetInterval(), 250u);
  // No address: refused, the interval stays.
  EXPECT_NE(MessageOf([&] { Write(b.d, "Interval", Variant(0)); }), "");
  EXPECT_EQ(to->GetInterval(), 250u);
  Write(b.d, "Enabled", Variant(false));
  EXPECT_FALSE(to->GetEnabled());
}

TEST(KelextctrlsTimer, OnTimerIsHookedThroughTheSetterSoTheClockReachesTheListeners) {
  host::TOwned<host::TComponent> owner = host::MakeOwned<host::TComponent>(nullptr);
  auto* timer = host::New<host::TTimer>(owner.get());
  timer->SetInterval(100);
  EXPECT_FALSE(timer->GetRunning()) << "no handler of its own";
  std::vector<std::string> log;
  {
    TDescribed t(&TTimerClassInfo::StaticMetaClass, timer);
    EXPECT_TRUE(timer->GetRunning()) << "the hook, installed through SetOnTimer, starts it";
    TTestListeners listeners;
    listeners.On(t.d, "OnTimer", [&](TkelEventInfo& e) {
      log.push_back(e.GetArgs(0)->Value == Addr(timer) ? "tick from the timer" : "tick");
    });
    Headless().Windows().Advance(250);
    EXPECT_EQ(log, (std::vector<std::string>{"tick from the timer", "tick from the timer"}));
  }
  EXPECT_FALSE(timer->GetRunning()) << "unhooked: its own (empty) handler is back and the timer stops";

  // A timer with a handler of its own keeps it, called before the listeners.
  timer->SetOnTimer([&](host::TObject*) { log.push_back("own"); });
  log.clear();
  TDescribed t(&TTimerClassInfo::StaticMetaClass, timer);
  TTestListeners listeners;
  listeners.On(t.d, "OnTimer", [&](TkelEventInfo&) { log.push_back("listener"); });
  Headless().Windows().Advance(100);
  EXPECT_EQ(log, (std::vector<std::string>{"own", "listener"}));
}

// A radio group with three lines on a shown form, and its descriptor.
struct TGroupOnForm {
  TGroupOnForm() {
    form->SetBounds(100, 100, 300, 200);
    group = host::New<host::TRadioGroup>(form.get());
    group->SetName("Group");
    group->SetParent(form.get());
    group->SetBounds(10, 10, 200, 120);
    for (const char* s : {"one", "two", "three"}) group->GetItems()->Add(s);
    form->Show();
  }
  host::TOwned<host::TWinControl> form = host::MakeOwned<host::TWinControl>(nullptr);
  host::TRadioGroup* group = nullptr;
};

TEST(KelextctrlsRadioGroup, ItemIndexWrittenGenericallyChecksTheLineAndAClickIsRelayed) {
  TGroupOnForm f;
  TDescribed g(&TRadioGroupClassInfo::StaticMetaClass, f.group);
  std::vector<int32_t> clicks;
  TTestListeners listeners;
  listeners.On(g.d, "OnClick", [&](TkelEventInfo&) { clicks.push_back(f.group->GetItemIndex()); });
  Write(g.d, "ItemIndex", Variant(2));
  EXPECT_EQ(f.group->GetItemIndex(), 2);
  EXPECT_TRUE(f.group->GetButton(2)->GetChecked());
  host::TControl* first = f.group->GetButton(0);
  Headless().Robot().Click(first->ClientToScreen({first->GetWidth() / 2, first->GetHeight() / 2}));
  EXPECT_EQ(Read(g.d, "ItemIndex"), Variant(0));
  EXPECT_EQ(clicks, (std::vector<int32_t>{2, 0}));
  // Outside the lines: refused with the host's message, nothing changes.
  EXPECT_EQ(MessageOf([&] { Write(g.d, "ItemIndex", Variant(3)); }),
            "Item index 3 of radio group 'Group' is out of bounds (-1..2)");
  EXPECT_EQ(MessageOf([&] { Write(g.d, "Columns", Variant(0)); }),
            "Columns 0 of radio group 'Group' must lie in 1..16");
  EXPECT_EQ(f.group->GetItemIndex(), 0);
  EXPECT_EQ(f.group->GetColumns(), 1);
  EXPECT_EQ(clicks.size(), 2u);
  EXPECT_EQ(Read(g.d, "Items"), Addr(f.group->GetItems()));
}

// The road of a tick: the clock fires the timer, its descriptor relays
// OnTimer to an event-to-property connection, which writes the group's
// ItemIndex through the group's descriptor.
TEST(KelextctrlsRadioGroup, ATimerTickChecksALineThroughAnEventToPropertyConnection) {
  TGroupOnForm f;
  auto* timer = host::New<host::TTimer>(f.form.get());
  timer->SetName("Timer1");
  timer->SetInterval(100);
  auto* c = host::New<TkelE2PConnection>(f.form.get());
  c->SetSource(timer);
  c->SetSourceEvent("OnTimer");
  c->SetTarget(f.group);
  c->SetTargetProperty("ItemIndex");
  c->SetValueOptions(voConstant);
  c->SetValueConstant("2");
  ASSERT_TRUE(c->Connect());
  Headless().Windows().Advance(50);
  EXPECT_EQ(f.group->GetItemIndex(), -1);
  Headless().Windows().Advance(50);
  EXPECT_EQ(f.group->GetItemIndex(), 2);
  EXPECT_TRUE(f.group->GetButton(2)->GetChecked());
}

TEST(KelextctrlsShapesAndPanels, OrdinalsBeyondTheirEnumerationAndBadWidthsAreRefused) {
  host::TOwned<host::TWinControl> form = host::MakeOwned<host::TWinControl>(nullptr);
  auto* shape = host::New<host::TShape>(form.get());
  auto* panel = host::New<host::TPanel>(form.get());
  TDescribed s(&TShapeClassInfo::StaticMetaClass, shape), p(&TPanelClassInfo::StaticMetaClass, panel);
  Write(s.d, "Shape", Variant(int32_t{host::stCircle}));
  EXPECT_NE(MessageOf([&] { Write(s.d, "Shape", Variant(6)); }), "");
  EXPECT_EQ(shape->GetShape(), host::stCircle);
  // Brush writes copy the brush the integer addresses.
  host::TOwned<host::TBrush> red = host::MakeOwned<host::TBrush>();
  red->SetColor(host::clRed);
  Write(s.d, "Brush", Addr(red.get()));
  EXPECT_EQ(shape->GetBrush()->GetColor(), host::clRed);
  EXPECT_NE(shape->GetBrush(), red.get());
  EXPECT_NE(MessageOf([&] { Write(s.d, "Brush", Variant(0)); }), "");
  EXPECT_EQ(shape->GetBrush()->GetColor(), host::clRed) << "no brush to copy: the brush stays";

  Write(p.d, "BevelInner", Variant(int32_t{host::bvLowered}));
  EXPECT_EQ(panel->GetBevelInner(), host::bvLowered);
  EXPECT_NE(MessageOf([&] { Write(p.d, "BevelOuter", Variant(4)); }), "");
  EXPECT_EQ(MessageOf([&] { Write(p.d, "BevelWidth", Variant(0)); }), "Bevel width 0 of control 'TPanel' is below 1");
  EXPECT_EQ(panel->GetBevelOuter(), host::bvRaised);
  EXPECT_EQ(panel->GetBevelWidth(), 1);
}

}  // namespace
}  // namespace kel::test
