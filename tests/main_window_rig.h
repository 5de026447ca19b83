// The main window on the headless runtime with every platform service faked.
#pragma once

#include "mainwindow/form_velkan.h"
#include "platform/fake/fake_memory_status.h"
#include "platform/fake/fake_notify_icons.h"
#include "platform/fake/fake_processes.h"
#include "platform/fake/fake_profile_file.h"
#include "platform/fake/fake_regional_settings.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_system_counters.h"
#include "platform/fake/fake_token_privileges.h"
#include "platform/fake/fake_window_messages.h"
#include "platform/headless/headless_runtime.h"

namespace zv::testing {

// The runtime and the fakes, for a test that builds the window on services of its own.
struct MainWindowFakes {
  MainWindowFakes() {
    memory.ex = {.memoryLoad = 57, .totalPhys = 8589934592ull, .availPhys = 3512893440ull};
  }

  headless::HeadlessRuntime host;
  platform::FakeMemoryStatus memory;
  platform::FakeRegionalSettings regional;
  platform::FakeShellExecutor shell;
  platform::FakeWindowMessages windows;
  platform::FakeProcessList processes;
  platform::FakeTokenPrivileges privileges;
  platform::FakeProfileFile profile;
  platform::FakeRegistry registry;
  platform::FakeNotifyIcons notifyIcons;
  platform::FakeSystemCounters counters;
};

struct MainWindowRig : MainWindowFakes {
  void Load() { host.backend.Load(window.GetForm()); }

  mainwindow::FormVelkan window{
      host.runtime,
      {memory, regional, shell, windows, processes, privileges, profile, registry, notifyIcons, counters}};
};

}  // namespace zv::testing
