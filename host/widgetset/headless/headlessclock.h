// The headless backend's virtual clock and its timers. Time stands still
// until a test or script moves it with Advance; then every timer fires each
// time its due moment is passed, in time order (timers due at the same
// moment in the order they were set), exactly as often as a real clock
// would have fired it. Runs are repeatable: nothing depends on real time.
#pragma once

#include <cstdint>
#include <map>
#include <utility>

#include "host/widgetset/wswindows.h"

namespace host::headless {

class THeadlessClock {
 public:
  using TTimerProc = TWSWindows::TTimerProc;

  uint64_t Now() const { return FNow; }
  // A timer firing first at Now() + Interval; 0 for an Interval of 0.
  THandle SetTimer(uint32_t Interval, TTimerProc Proc);
  bool KillTimer(THandle Timer);
  std::size_t TimerCount() const { return FTimers.size(); }
  // Moves the clock Ms forward, firing the timers due on the way; a timer
  // set or killed by a firing procedure counts from that moment on.
  void Advance(uint64_t Ms);

 private:
  struct TTimer {
    uint32_t Interval = 0;
    uint64_t Due = 0;
    uint64_t Order = 0;  // when equally due, the timer set first fires first
    TTimerProc Proc;
  };
  // The timer due first (at or before Until), or 0.
  THandle NextDue(uint64_t Until) const;
  std::map<THandle, TTimer> FTimers;
  uint64_t FNow = 0;
  THandle FNextHandle = 1;
  uint64_t FNextOrder = 0;
};

}  // namespace host::headless
