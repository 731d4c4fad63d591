// TTimer on the widgetset's timers.
#include "host/extctrls/timer.h"

#include <utility>

#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TTimer, TComponent)

namespace {

// A change of a timer's setting that the timer may refuse to follow: the
// field takes Value, and when the timer cannot start with it the field gets
// its old value back (the timer then runs as before) and the error goes on.
template <class T, class Restart>
void ChangeSetting(T& Field, T Value, Restart restart) {
  T old = std::move(Field);
  Field = std::move(Value);
  try {
    restart();
  } catch (...) {
    Field = std::move(old);
    restart();
    throw;
  }
}

}  // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

void TTimer::Destroy() {
  StopTimer();
  inherited::Destroy();
}

void TTimer::SetEnabled(bool Value) {
  if (FEnabled != Value) ChangeSetting(FEnabled, Value, [this] { UpdateTimer(); });
}

void TTimer::SetInterval(uint32_t Value) {
  if (FInterval != Value) ChangeSetting(FInterval, Value, [this] { UpdateTimer(); });
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
  ChangeSetting(OnTimer, std::move(Value), [this] { UpdateTimer(); });
}

void TTimer::Loaded() {
  inherited::Loaded();
  UpdateTimer();
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}

void TTimer::StopTimer() {
  if (FTimer == 0) return;
  if (TWSWindows* windows = RunningWindows()) windows->KillTimer(FTimer);
  FTimer = 0;
}

void TTimer::UpdateTimer() {
  StopTimer();
  const TComponentState state = GetComponentState();
  if (!FEnabled || FInterval == 0 || !OnTimer || state.Contains(csLoading) || state.Contains(csDesigning)) return;
  TWSWindows* windows = RunningWindows();
  if (!windows) return;  // no message loop to run it: it starts with none
  FTimer = windows->SetTimer(FInterval, [this] { Timer(); });
  if (FTimer == 0) throw EOutOfResources("Not enough timers available");
}

}  // namespace host
