// The main window's self-drawn controls, made from their class names and saved values.
#include "command/command.h"
#include "command/property_bag.h"
#include "mainwindow/form_velkan.h"

namespace zv::mainwindow {
namespace {

// The pages' font, which a button's Font defaults to.
Font PageFont() { return Font{.face = "宋体", .points = 9, .charset = kCharsetGb2312}; }

}  // namespace

FormVelkan::~FormVelkan() = default;

forms::Control* FormVelkan::CreateHostedControl(const forms::ControlDefinition& d, forms::Container& parent) {
  if (d.hostedType == "Zorvane.Command") {
    auto host = std::make_unique<command::BasicCommandHost>(*runtime_.colors, d.name);
    host->ambientFont = PageFont();
    auto& button = parent.Add<command::Command>(d.name, *host, *runtime_.timers, d.index);
    commandHosts_.push_back(std::move(host));
    command::PropertyBag bag;
    for (const forms::SavedProperty& p : d.saved) bag.Set(p.key, p.value);
    button.ReadProperties(bag);
    return &button;
  }
  if (d.hostedType == "Zorvane.CpuMonitor") {
    auto& monitor = parent.Add<cpumonitor::MonitorControl>(d.name, d.index, monitorSupport_,
                                                           services_.regional, *runtime_.timers);
    // The chart needs its size before it reads its saved values: the history is one slot per pixel.
    monitor.Move(d.left, d.top, d.width, d.height);
    cpumonitor::MemoryPropertyBag bag = cpumonitor::SavedBag(d.saved);
    monitor.Monitor().ReadProperties(bag);
    cpuMonitor_ = &monitor;
    return &monitor;
  }
  return nullptr;
}

}  // namespace zv::mainwindow
