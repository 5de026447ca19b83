// The window styles a borderless window's taskbar button needs for its window menu and for
// minimising and restoring the window.
#pragma once

#include <cstdint>

#include "platform/window_messages.h"

namespace zv::memory {

inline constexpr std::intptr_t kTaskbarStyles = 0xA0000;  // WS_SYSMENU | WS_MINIMIZEBOX

// Adds the two styles to whatever the window's style holds; the results are not examined.
void ApplyTaskbarStyle(platform::WindowMessages& windows, platform::WindowHandle window);

}  // namespace zv::memory
