// The main window's self-drawn controls, made from their class names; the window's definition
// then places them and reads their saved values.
#include "command/command.h"
#include "mainwindow/form_velkan.h"

namespace zv::mainwindow {

FormVelkan::~FormVelkan() = default;

forms::HostedControl* FormVelkan::CreateHostedControl(const forms::ControlDefinition& d,
                                                      forms::Container& parent) {
  if (d.hostedType == "Zorvane.Command") return &parent.Add<command::Command>(d.name, controlHost_, d.index);
  if (d.hostedType == "Zorvane.CpuMonitor") {
    cpuMonitor_ = &parent.Add<cpumonitor::CpuMonitor>(d.name, controlHost_, monitorSupport_,
                                                      services_.regional, d.index);
    return cpuMonitor_;
  }
  return nullptr;
}

}  // namespace zv::mainwindow
