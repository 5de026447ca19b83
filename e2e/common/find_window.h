// Finds the program's top-level windows by their exact title, hidden ones included; shared by the drivers.
#pragma once

#include <string_view>
#include <vector>

#include "platform/win32/windows_api.h"

namespace zv::e2e {

// Message boxes (the standard dialog class) carry the program's title too but are never one of its
// windows: a search is for the one or the other.
enum class TitledKind { Window, MessageBox };

// Every top-level window titled exactly `title`, in the order EnumWindows lists them (the z-order).
std::vector<HWND> TitledWindows(std::wstring_view title, TitledKind kind = TitledKind::Window);

// The windows of TitledWindows, visible ones first.
std::vector<HWND> FindTitledWindows(std::wstring_view title);

// The first visible window of FindTitledWindows, or nullptr.
HWND FindVisibleWindow(std::wstring_view title);

}  // namespace zv::e2e
