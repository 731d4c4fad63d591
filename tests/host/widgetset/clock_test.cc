// The headless virtual clock: timers fire exactly when the clock passes
// their due moments, in time order, and may kill or set timers while they
// fire; WaitMessage asks the idle driver only when nothing is pending.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/widgetset/headless/headlessclock.h"
#include "host/widgetset/headless/headlesswindows.h"
#include "host/widgetset/headless/headless.h"

namespace host {
namespace {

using headless::THeadlessClock;

TEST(HeadlessClock, TimersFireInTimeOrderAsOftenAsTheirIntervalsPass) {
  THeadlessClock clock;
  std::vector<std::string> fired;
  EXPECT_EQ(clock.SetTimer(0, [] {}), 0u);  // an interval of 0 makes no timer
  const THandle fast = clock.SetTimer(30, [&] { fired.push_back("fast@" + std::to_string(clock.Now())); });
  const THandle slow = clock.SetTimer(60, [&] { fired.push_back("slow@" + std::to_string(clock.Now())); });
  clock.Advance(29);
  EXPECT_TRUE(fired.empty());
  clock.Advance(100);  // to 129
  // At 60 and 120 both are due: the one set first goes first.
  EXPECT_EQ(fired,
            (std::vector<std::string>{"fast@30", "fast@60", "slow@60", "fast@90", "fast@120", "slow@120"}));
  EXPECT_EQ(clock.Now(), 129u);
  EXPECT_TRUE(clock.KillTimer(slow));
  EXPECT_FALSE(clock.KillTimer(slow));
  fired.clear();
  clock.Advance(31);
  EXPECT_EQ(fired, (std::vector<std::string>{"fast@150"}));
  EXPECT_TRUE(clock.KillTimer(fast));
  EXPECT_EQ(clock.TimerCount(), 0u);
}

TEST(HeadlessClock, AFiringTimerMayKillItselfAndSetAnother) {
  THeadlessClock clock;
  std::vector<uint64_t> late;
  THandle once = 0;
  once = clock.SetTimer(10, [&] {
    clock.KillTimer(once);
    // Counts from the moment it is set (10): due at 15, 20, 25.
    clock.SetTimer(5, [&] { late.push_back(clock.Now()); });
  });
  clock.Advance(25);
  EXPECT_EQ(late, (std::vector<uint64_t>{15, 20, 25}));
  EXPECT_EQ(clock.TimerCount(), 1u);
}

TEST(HeadlessWaitMessage, TheIdleDriverActsOnlyWhenNothingIsPending) {
  headless::THeadlessWidgetSet widgets;
  auto& windows = widgets.Windows();
  EXPECT_FALSE(windows.WaitMessage());  // nothing pending, nobody to act
  int acted = 0;
  windows.SetIdleDriver([&] { return ++acted <= 2; });
  EXPECT_TRUE(windows.WaitMessage());
  EXPECT_TRUE(windows.WaitMessage());
  EXPECT_FALSE(windows.WaitMessage());  // the driver has nothing more to do
  EXPECT_EQ(acted, 3);
  // Timers run on the backend's clock through the windows interface.
  int ticks = 0;
  const THandle timer = windows.SetTimer(100, [&] { ++ticks; });
  windows.Advance(250);
  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(windows.GetTickCount(), 250u);
  EXPECT_TRUE(windows.KillTimer(timer));
}

}  // namespace
}  // namespace host
