#include "host/widgetset/headless/headlessclock.h"

namespace host::headless {

THandle THeadlessClock::SetTimer(uint32_t Interval, TTimerProc Proc) {
  if (Interval == 0 || !Proc) return 0;
  const THandle handle = FNextHandle++;
  FTimers.emplace(handle, TTimer{Interval, FNow + Interval, FNextOrder++, std::move(Proc)});
  return handle;
}

bool THeadlessClock::KillTimer(THandle Timer) { return FTimers.erase(Timer) != 0; }

THandle THeadlessClock::NextDue(uint64_t Until) const {
  THandle best = 0;
  const TTimer* bestTimer = nullptr;
  for (const auto& [handle, timer] : FTimers) {
    if (timer.Due > Until) continue;
    if (!bestTimer || timer.Due < bestTimer->Due || (timer.Due == bestTimer->Due && timer.Order < bestTimer->Order)) {
      best = handle;
      bestTimer = &timer;
    }
  }
  return best;
}

void THeadlessClock::Advance(uint64_t Ms) {
  const uint64_t until = FNow + Ms;
  while (const THandle handle = NextDue(until)) {
    TTimer& timer = FTimers.at(handle);
    FNow = timer.Due;
    timer.Due += timer.Interval;
    // A copy: the procedure may kill its own timer.
    const TTimerProc proc = timer.Proc;
    proc();
  }
  FNow = until;
}

}  // namespace host::headless
