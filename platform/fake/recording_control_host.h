// Test doubles of the hosting contract of self-drawn controls: a host that records the property
// changes it is told of, system colours a test can change, and a property bag that records its reads.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/hosted_control.h"
#include "platform/forms/property_bag.h"
#include "platform/headless/headless_runtime.h"

namespace zv::platform {

// The classic Windows defaults, or what a test put in their place.
class AdjustableSystemColors : public forms::SystemColors {
 public:
  Color Get(int index) override {
    const auto found = overrides.find(index);
    return found != overrides.end() ? found->second : defaults_.Get(index);
  }
  std::map<int, Color> overrides;

 private:
  headless::DefaultSystemColors defaults_;
};

// Run or design mode as the test sets it; timers on a virtual clock.
class RecordingControlHost : public forms::ControlHost {
 public:
  bool UserMode() override { return userMode; }
  void PropertyChanged(std::string_view name) override { changed.emplace_back(name); }
  forms::SystemColors& Colors() override { return colors; }
  forms::TimerService& Timers() override { return timers; }

  AdjustableSystemColors colors;
  headless::VirtualClockTimers timers;
  bool userMode = true;
  std::vector<std::string> changed;  // in call order
};

class RecordingPropertyBag : public forms::PropertyBag {
 public:
  using PropertyBag::PropertyBag;
  forms::SavedValue Read(std::string_view name, const forms::SavedValue& defaultValue) const override {
    reads.emplace_back(name);
    return PropertyBag::Read(name, defaultValue);
  }
  void Write(std::string_view name, const forms::SavedValue& value,
             const forms::SavedValue& defaultValue) override {
    writes.emplace_back(name);
    PropertyBag::Write(name, value, defaultValue);
  }

  // Every name asked for by Read and every name passed to Write, in call order.
  mutable std::vector<std::string> reads;
  std::vector<std::string> writes;
};

}  // namespace zv::platform
