// Finds the program's top-level windows by their exact title, hidden ones included.
#pragma once

#include <string_view>
#include <vector>

#include "platform/win32/windows_api.h"

namespace zv::e2e {

// Every top-level window titled exactly `title`, visible ones first. Message boxes (the standard
// dialog class) are passed over: they carry the program's title too but are never its main window.
std::vector<HWND> FindTitledWindows(std::wstring_view title);

// The first visible window of FindTitledWindows, or nullptr.
HWND FindVisibleWindow(std::wstring_view title);

}  // namespace zv::e2e
