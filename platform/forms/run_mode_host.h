// The host of self-drawn controls in the running program: no designer, the runtime's colours and timers.
#pragma once

#include "platform/forms/hosted_control.h"

namespace zv::forms {

class RunModeHost final : public ControlHost {
 public:
  RunModeHost(SystemColors& colors, TimerService& timers) : colors_(colors), timers_(timers) {}
  bool UserMode() override { return true; }
  // Nothing saves a running program's controls.
  void PropertyChanged(std::string_view /*name*/) override {}
  SystemColors& Colors() override { return colors_; }
  TimerService& Timers() override { return timers_; }

 private:
  SystemColors& colors_;
  TimerService& timers_;
};

}  // namespace zv::forms
