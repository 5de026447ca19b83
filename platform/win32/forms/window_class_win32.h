// The window classes of this program's own windows: registered once per process.
#pragma once

#include "platform/win32/windows_api.h"

namespace zv::platform {

enum class ClassIcon { None, Application };

// Double clicks, the arrow cursor and, for top-level windows, the application's icon. A class
// already registered is left as it is.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, ClassIcon icon);

}  // namespace zv::platform
