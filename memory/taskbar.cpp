// The window styles a borderless window's taskbar button needs.
#include "memory/taskbar.h"

namespace zv::memory {

void ApplyTaskbarStyle(platform::WindowMessages& windows, platform::WindowHandle window) {
  windows.SetStyle(window, windows.GetStyle(window) | kTaskbarStyles);
}

}  // namespace zv::memory
