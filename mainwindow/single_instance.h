// The process's first step: only the session's first copy of the program starts; a later start brings
// that copy's main window forward and ends.
#pragma once

#include <functional>

#include "platform/instance_guard.h"
#include "platform/window_messages.h"

namespace zv::mainwindow {

// Runs `program` (everything else the process does) in the session's first copy and returns its result;
// the guard must outlive it. A later start posts the running copy the show message and returns 0 without
// running anything else: no window, no settings file, no registry.
int RunSingleInstance(platform::InstanceGuard& guard, platform::WindowMessages& windows,
                      const std::function<int()>& program);

}  // namespace zv::mainwindow
