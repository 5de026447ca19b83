// A window timer: an interval in milliseconds and an on/off switch; interval 0 never ticks.
#pragma once

#include <functional>
#include <string>

namespace zv::forms {

class TimerService;

class Timer {
 public:
  Timer(TimerService& service, std::string name) : service_(service), name_(std::move(name)) {}
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& Name() const { return name_; }
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Running() const { return running_; }

  // Called by the timer service. A tick that arrives while an earlier tick's handler still runs
  // (inside a nested event loop: DoEvents, a message box) is delivered too, inside that handler.
  void Tick();

  std::function<void()> onTimer;

 private:
  void Apply();
  TimerService& service_;
  std::string name_;
  int interval_ = 0;
  bool enabled_ = false;
  bool running_ = false;
};

}  // namespace zv::forms
