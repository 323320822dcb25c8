#pragma once
// Calls OnTimer every Interval milliseconds while Enabled (and a handler is
// set). Ticks arrive through the message loop, so a tick never interrupts
// another handler. Changing Interval restarts the count.
#include "framework/Events.h"
#include "framework/TComponent.h"

class TTimer : public TComponent {
 public:
  TRAINER_CLASS_INFO()

  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned interval);

  TNotifyEvent OnTimer;

  void Loaded() override;
  // Runs OnTimer as a tick would (used by the tick itself).
  void Timer();

 private:
  void UpdateTimer();

  bool enabled_ = true;
  unsigned interval_ = 1000;
  unsigned id_ = 0;
  bool running_ = false;
};
