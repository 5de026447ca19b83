// The wait, client and visible subcommands: what a script needs to know about a top-level window.
#include <charconv>
#include <iterator>
#include <string>
#include <vector>

#include "e2e/common/find_window.h"
#include "e2e/driver/commands.h"
#include "e2e/driver/console.h"
#include "platform/win32/text_win32.h"
#include "platform/win32/windows_api.h"

namespace zv::e2e {
namespace {

constexpr DWORD kPollMs = 50;

int ReportMissing(const char* command, const char* what, std::wstring_view title) {
  WriteError(std::string("zvdriver ") + command + ": no " + what + " window titled \"" +
             platform::Narrow(title) + "\"\n");
  return kFailure;
}

// A visible match if there is one, otherwise the first hidden one.
HWND FindAnyWindow(std::wstring_view title) {
  std::vector<HWND> windows = FindTitledWindows(title);
  return windows.empty() ? nullptr : windows.front();
}

}  // namespace

int RunWait(std::wstring_view title, int timeoutMs) {
  const ULONGLONG start = GetTickCount64();
  const ULONGLONG deadline = start + static_cast<ULONGLONG>(timeoutMs < 0 ? 0 : timeoutMs);
  for (;;) {
    if (HWND window = FindVisibleWindow(title)) {
      char digits[2 * sizeof(ULONG_PTR)];
      auto end =
          std::to_chars(std::begin(digits), std::end(digits), reinterpret_cast<ULONG_PTR>(window), 16).ptr;
      WriteOut("0x" + std::string(digits, end) + "\n");
      return kSuccess;
    }
    if (GetTickCount64() >= deadline) {
      // The hidden ones tell a window that never showed from one that was never created.
      WriteError("zvdriver wait: no visible window titled \"" + platform::Narrow(title) + "\" after " +
                 std::to_string(GetTickCount64() - start) + " ms (" +
                 std::to_string(FindTitledWindows(title).size()) + " hidden)\n");
      return kFailure;
    }
    Sleep(kPollMs);
  }
}

int RunClient(std::wstring_view title) {
  HWND window = FindAnyWindow(title);
  if (!window) return ReportMissing("client", "top-level", title);
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  WriteOut(std::to_string(origin.x) + " " + std::to_string(origin.y) + " " + std::to_string(client.right) +
           " " + std::to_string(client.bottom) + "\n");
  return kSuccess;
}

int RunVisible(std::wstring_view title) {
  HWND window = FindAnyWindow(title);
  if (!window) return ReportMissing("visible", "top-level", title);
  WriteOut(IsWindowVisible(window) ? "1\n" : "0\n");
  return kSuccess;
}

}  // namespace zv::e2e
