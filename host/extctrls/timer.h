// TTimer: a component that fires OnTimer every Interval milliseconds from
// the message loop, on the widgetset's timers (the headless backend's
// virtual clock fires it as a test advances the clock).
//
// The timer runs only while it is Enabled, has a non-zero Interval and an
// OnTimer handler, and is neither being loaded from a form (it starts when
// loading ends) nor designed. Any change of these restarts it, so a new
// Interval counts from the change. OnTimer is assigned through SetOnTimer,
// which starts or stops the timer; the field is what fires.
#pragma once

#include <cstdint>

#include "host/classes/component.h"
#include "host/widgetset/wstypes.h"

namespace host {

class TTimer : public TComponent {
  HOST_CLASS(TTimer, TComponent)
  using TCreateArg = TComponent;
  explicit TTimer(TComponent* AOwner);

  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  uint32_t GetInterval() const { return FInterval; }
  void SetInterval(uint32_t Value);
  virtual void SetOnTimer(TNotifyEvent Value);
  // Whether a widgetset timer is running for this timer now.
  bool GetRunning() const { return FTimer != 0; }

  TNotifyEvent OnTimer;

 protected:
  ~TTimer() override = default;
  void Destroy() override;
  void Loaded() override;
  // Fires OnTimer.
  virtual void Timer();

 private:
  // Stops the widgetset timer and starts a new one when the timer should run.
  void UpdateTimer();
  void StopTimer();
  bool FEnabled = true;
  uint32_t FInterval = 1000;
  THandle FTimer = 0;
};

}  // namespace host
