// Window timers: start and stop them with the timer service as interval and switch change.
#include "platform/forms/timer.h"

#include "platform/forms/runtime.h"

namespace zv::forms {

Timer::~Timer() {
  if (running_) service_.Stop(*this);
}

void Timer::SetInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  Apply();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Apply();
}

void Timer::Apply() {
  const bool shouldRun = enabled_ && interval_ > 0;
  if (running_) service_.Stop(*this);
  running_ = shouldRun;
  if (running_) service_.Start(*this, interval_);
}

// Nothing of the timer is touched after the handler: it may stop, restart or reconfigure it.
void Timer::Tick() {
  if (running_ && onTimer) onTimer();
}

}  // namespace zv::forms
