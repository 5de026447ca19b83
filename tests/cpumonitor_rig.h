// A monitor as its host builds it: a recording host with virtual-clock timers, its saved values
// read, then the headless surface attached; every platform service faked.
#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <vector>

#include "cpumonitor/cpu_monitor.h"
#include "forms/velkan_definition.h"
#include "platform/fake/fake_memory_status.h"
#include "platform/fake/fake_regional_settings.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_system_counters.h"
#include "platform/fake/recording_control_host.h"
#include "platform/forms/property_bag.h"
#include "platform/headless/headless_runtime.h"
#include "platform/headless/headless_surface.h"
#include "platform/host_text_renderer.h"

namespace zv::testing {

// The platform services behind the module, NT by default with one idle processor.
struct SupportRig {
  platform::FakeSystemCounters counters;
  platform::FakeMemoryStatus memory;
  platform::FakeRegistry registry;
  headless::ScriptedMessageBoxes messages;
  platform::FakeRegionalSettings regional;
  cpumonitor::ModuleCpuMonitorSupport support{{counters, memory, registry, messages}};
};

struct MonitorRig : SupportRig {
  explicit MonitorRig(int width = 100, int height = 41) { Resize(width, height); }

  // ReadProperties, then the window appears, as for an instance made from saved data.
  void Load(const forms::PropertyBag& bag = {}) {
    monitor.ReadProperties(bag);
    Attach();
  }
  // The window appears: the surface attaches and resizes the control.
  void Attach() {
    if (!attached) attached.emplace(monitor, text);
  }
  void Tick(int count = 1) {
    for (int i = 0; i < count; ++i) host.timers.Advance(monitor.UpdateInterval());
  }
  // The control's size changes; an attached surface follows and tells the control.
  void Resize(int width, int height) { monitor.Move(0, 0, width * kTwipsPerPixel, height * kTwipsPerPixel); }
  headless::HeadlessSurface& surface() {
    assert(attached);
    return *attached;
  }
  // The window's retained image: the drawing area, and the border around it if there is one.
  Canvas& canvas() { return *surface().GetCanvas(); }
  Color Pixel(int x, int y) { return canvas().GetPixel(x, y); }

  platform::RecordingControlHost host;
  HostTextRenderer text;
  cpumonitor::CpuMonitor monitor{"CpuMonitor", host, support, regional};
  std::optional<headless::HeadlessSurface> attached;
};

// The saved values of the status page's instance, as the main window's definition holds them.
inline forms::PropertyBag StatusPageBag() {
  for (const forms::ControlDefinition& d : definitions::FormVelkanDefinition().controls) {
    if (d.name == "CpuMonitor") return forms::PropertyBag(d.saved);
  }
  return {};
}

}  // namespace zv::testing
