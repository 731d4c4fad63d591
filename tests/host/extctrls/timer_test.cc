// The timer on the headless clock: it fires OnTimer every Interval as the
// clock advances, and only while Enabled with an Interval and a handler;
// not while it is loaded from a form or designed.
#include "tests/host/extctrls/extctrls_test.h"

namespace host::extctrlstest {
namespace {

// A timer that counts its ticks from its creation, whether or not its
// streamed state would let it run, and notes whether it ran before its
// form finished loading.
class TTickTimer : public TTimer {
  HOST_CLASS(TTickTimer, TTimer)
  using TCreateArg = TComponent;
  explicit TTickTimer(TComponent* AOwner) : TTimer(AOwner) {
    SetOnTimer([this](TObject*) { ++Ticks; });
  }
  void Design() { SetDesigning(true); }
  int Ticks = 0;
  bool RanWhileLoading = false;

 protected:
  ~TTickTimer() override = default;
  void Loaded() override {
    RanWhileLoading = GetRunning();
    inherited::Loaded();
  }
};

HOST_IMPL(TTickTimer, TTimer)

void Advance(uint64_t Ms) { Headless().Windows().Advance(Ms); }

TEST_F(ExtCtrlsTest, ATimerTicksEveryIntervalWhileEnabledWithAnIntervalAndAHandler) {
  auto* timer = New<TTimer>(form.get());
  int ticks = 0;
  EXPECT_FALSE(timer->GetRunning()) << "no handler yet";
  timer->SetInterval(100);
  timer->SetOnTimer([&](TObject* Sender) { ticks += Sender == timer ? 1 : 100; });
  EXPECT_TRUE(timer->GetRunning());
  Advance(350);
  EXPECT_EQ(ticks, 3);
  // A new interval counts from the change (at 380, not from the tick at 300).
  Advance(30);
  timer->SetInterval(50);
  Advance(40);
  EXPECT_EQ(ticks, 3);
  Advance(10);
  EXPECT_EQ(ticks, 4);
  // Interval 0, disabled, or no handler: no timer.
  timer->SetInterval(0);
  Advance(500);
  timer->SetInterval(50);
  timer->SetEnabled(false);
  Advance(500);
  timer->SetEnabled(true);
  timer->SetOnTimer(nullptr);
  Advance(500);
  EXPECT_EQ(ticks, 4);
  EXPECT_FALSE(timer->GetRunning());
}

TEST_F(ExtCtrlsTest, ATimerFreedByItsOwnHandlerStopsAtOnce) {
  auto* timer = New<TTimer>(form.get());
  int ticks = 0;
  timer->SetInterval(10);
  timer->SetOnTimer([&](TObject*) {
    ++ticks;
    timer->Free();
  });
  Advance(100);
  EXPECT_EQ(ticks, 1);
}

TEST_F(ExtCtrlsTest, ATimerStartsWhenItsFormHasLoadedAndNeverWhileDesigned) {
  RegisterClass(&TTickTimer::StaticMetaClass);
  TOwned<TExtForm> loaded = ReadNewRoot<TExtForm>(
      TextToBinary("object Form: TExtForm\n  object Timer1: TTickTimer\n    Interval = 250\n  end\nend\n"));
  UnRegisterClass(&TTickTimer::StaticMetaClass);
  auto* timer = dynamic_cast<TTickTimer*>(loaded->FindComponent("Timer1"));
  ASSERT_NE(timer, nullptr);
  EXPECT_FALSE(timer->RanWhileLoading);
  EXPECT_TRUE(timer->GetRunning());
  Advance(500);
  EXPECT_EQ(timer->Ticks, 2);

  auto* designed = New<TTickTimer>(form.get());
  designed->Design();
  designed->SetInterval(20);
  Advance(100);
  EXPECT_FALSE(designed->GetRunning());
  EXPECT_EQ(designed->Ticks, 0);
}

}  // namespace
}  // namespace host::extctrlstest
