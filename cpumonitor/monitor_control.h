// The strip chart as a control of a window: the monitor hosted on a self-drawn child window.
#pragma once

#include <algorithm>
#include <optional>

#include "cpumonitor/cpu_monitor.h"
#include "cpumonitor/property_bag.h"
#include "platform/forms/definition.h"
#include "platform/forms/hosted_control.h"
#include "platform/forms/runtime.h"

namespace zv::cpumonitor {

// The saved values of an instance as a window definition holds them (a font value has no meaning here).
MemoryPropertyBag SavedBag(const std::vector<forms::SavedProperty>& saved);

class MonitorControl final : public forms::HostedControl, private MonitorHost {
 public:
  MonitorControl(std::string name, int index, ModuleCpuMonitorSupport& support,
                 platform::RegionalSettings& regional, forms::TimerService& timers);

  CpuMonitor& Monitor() { return monitor_; }
  // Not a keyboard stop: the chart has nothing to do with the keys.
  bool TabStop() const override { return false; }

  void OnResize() override { monitor_.Resize(); }
  void OnDblClick() override { monitor_.DblClick(); }
  void OnTerminate() override { monitor_.Terminate(); }

 private:
  bool UserMode() override;
  void PropertyChanged(std::string_view) override {}
  forms::TimerService& Timers() override { return timers_; }
  double OuterWidthPixels() override { return Width() / double(kTwipsPerPixel); }
  Size InnerSize() override;
  Canvas& Surface() override;
  void Present() override;
  Color BackColor() override { return backColor_; }
  void SetBackColor(Color color) override { backColor_ = color; }
  std::int16_t Appearance() override { return appearance_; }
  void SetAppearance(std::int16_t appearance) override { appearance_ = appearance; }
  std::int16_t BorderStyle() override { return borderStyle_; }
  void SetBorderStyle(std::int16_t style) override { borderStyle_ = style; }
  bool Enabled() override { return Control::Enabled(); }
  void SetEnabled(bool enabled) override { Control::SetEnabled(enabled); }
  platform::OpaqueHandle WindowHandle() override;
  platform::OpaqueHandle DeviceContext() override;

  // Pixels of border around the drawing area: none, a line, or a sunken 3-D edge.
  int BorderWidth() const;
  void DrawBorder(Canvas& canvas) const;

  forms::TimerService& timers_;
  Color backColor_ = 0;
  std::int16_t appearance_ = 1;
  std::int16_t borderStyle_ = 1;
  // The drawing area when there is a border, or before the window exists.
  std::optional<OwnedCanvas> inner_;
  CpuMonitor monitor_;
};

}  // namespace zv::cpumonitor
