// A monitor on a headless host: a pixel surface, virtual-clock timers and every platform service faked.
#pragma once

#include <string>
#include <vector>

#include "cpumonitor/cpu_monitor.h"
#include "cpumonitor/monitor_control.h"
#include "cpumonitor/property_bag.h"
#include "forms/velkan_definition.h"
#include "platform/fake/fake_memory_status.h"
#include "platform/fake/fake_regional_settings.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_system_counters.h"
#include "platform/headless/headless_runtime.h"

namespace zv::testing {

class TestMonitorHost final : public cpumonitor::MonitorHost {
 public:
  TestMonitorHost(int width, int height) : surface(width, height, nullptr), outerWidth(width) {}

  bool UserMode() override { return userMode; }
  void PropertyChanged(std::string_view key) override { changes.emplace_back(key); }
  forms::TimerService& Timers() override { return timers; }
  double OuterWidthPixels() override { return outerWidth; }
  Size InnerSize() override { return {surface.canvas().Width(), surface.canvas().Height()}; }
  Canvas& Surface() override { return surface.canvas(); }
  void Present() override { ++presents; }
  Color BackColor() override { return backColor; }
  void SetBackColor(Color color) override { backColor = color; }
  std::int16_t Appearance() override { return appearance; }
  void SetAppearance(std::int16_t value) override { appearance = value; }
  std::int16_t BorderStyle() override { return borderStyle; }
  void SetBorderStyle(std::int16_t value) override { borderStyle = value; }
  bool Enabled() override { return enabled; }
  void SetEnabled(bool value) override { enabled = value; }
  platform::OpaqueHandle WindowHandle() override { return 0x1234; }
  platform::OpaqueHandle DeviceContext() override { return 0x5678; }

  Canvas& canvas() { return surface.canvas(); }

  headless::VirtualClockTimers timers;
  OwnedCanvas surface;
  double outerWidth;
  bool userMode = true;
  Color backColor = 0;
  std::int16_t appearance = 1;
  std::int16_t borderStyle = 1;
  bool enabled = true;
  std::vector<std::string> changes;
  int presents = 0;
};

// The platform services behind the module, NT by default with one idle processor.
struct SupportRig {
  platform::FakeSystemCounters counters;
  platform::FakeMemoryStatus memory;
  platform::FakeRegistry registry;
  headless::ScriptedMessageBoxes messages;
  platform::FakeRegionalSettings regional;
  cpumonitor::ModuleCpuMonitorSupport support{{&counters, &memory, &registry, &messages}};
};

struct MonitorRig : SupportRig {
  explicit MonitorRig(int width = 100, int height = 41) : host(width, height) {}

  // ReadProperties from a bag, as the host does when it loads its saved data.
  void Load(cpumonitor::MemoryPropertyBag bag = {}) { monitor.ReadProperties(bag); }
  void Tick(int count = 1) {
    for (int i = 0; i < count; ++i) host.timers.Advance(monitor.UpdateInterval());
  }
  Color Pixel(int x, int y) { return host.canvas().GetPixel(x, y); }

  TestMonitorHost host;
  cpumonitor::CpuMonitor monitor{host, support, regional};
};

// The saved values of the status page's instance, as the main window's definition holds them.
inline cpumonitor::MemoryPropertyBag StatusPageBag() {
  for (const forms::ControlDefinition& d : forms::FormVelkanDefinition().controls) {
    if (d.name == "CpuMonitor") return cpumonitor::SavedBag(d.saved);
  }
  return {};
}

}  // namespace zv::testing
