// The program's DPI awareness and the dpi its windows are laid out at.
#pragma once

namespace zv::platform {

enum class DpiAwareness { Unaware, System, PerMonitor, PerMonitorV2 };

// Declares the process DPI-aware, the best way the system offers: per monitor (v2) from Windows 10 1703,
// per monitor from 8.1, system-wide from Vista. Call before the first window is made. Gives what was
// declared; Unaware where nothing could be (Windows XP, whose windows are never stretched, or awareness
// already fixed by the system's compatibility settings).
DpiAwareness DeclareDpiAwareness();

// The dpi the process sees for its windows: the system's when it is DPI-aware, 96 when the system
// stretches its windows.
int SystemDpi();

}  // namespace zv::platform
