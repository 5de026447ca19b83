// The driver's subcommands; each prints its result on stdout and returns the process exit code.
#pragma once

#include <span>
#include <string_view>

namespace zv::e2e {

enum ExitCode : int { kSuccess = 0, kFailure = 1, kUsage = 2 };

// Waits until a visible top-level window titled `title` exists; prints its handle in hex.
int RunWait(std::wstring_view title, int timeoutMs);
// Prints the window's client area on the screen: "x y width height".
int RunClient(std::wstring_view title);
// Prints 1 or 0 (IsWindowVisible) for the window, hidden or not.
int RunVisible(std::wstring_view title);
// Prints "load total avail" from GlobalMemoryStatusEx.
int RunMemory();
// Asks the program's main window about one control and prints its reply (see query_protocol.h).
int RunQuery(std::wstring_view title, std::wstring_view controlName, int index);
// Reads the captions of several controls, given as title and control name pairs, one right after
// the other, and prints one per line; fails when any control does not answer.
int RunCaptions(std::span<wchar_t* const> titlesAndControls);
// Waits for a visible message box titled `title`; prints "text=", "icon=" (1 with an icon) and
// "ok=x y", the screen centre of its OK button.
int RunMessageBox(std::wstring_view title, int timeoutMs);

}  // namespace zv::e2e
