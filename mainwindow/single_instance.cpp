// One copy of the program per session: the first start runs, a later one hands over to it.
#include "mainwindow/single_instance.h"

#include <cstdint>

namespace zv::mainwindow {

int RunSingleInstance(platform::InstanceGuard& guard, platform::WindowMessages& windows,
                      const std::function<int()>& program) {
  const bool first = guard.Claim();
  // The same number in every process of the session; 0 when the registration failed.
  const std::uint32_t showMainWindow = windows.RegisterMessage(platform::kShowMainWindowMessageName);
  if (!first) {
    if (showMainWindow != 0) guard.NotifyRunningInstance(showMainWindow);
    return 0;
  }
  if (showMainWindow != 0) guard.AcceptMessage(showMainWindow);
  return program();
}

}  // namespace zv::mainwindow
