// The wait, client and visible subcommands: what a script needs to know about a top-level window.
#include <charconv>
#include <iterator>
#include <string>
#include <vector>

#include "e2e/driver/commands.h"
#include "e2e/driver/console.h"
#include "e2e/driver/find_window.h"
#include "platform/win32/windows_api.h"

namespace zv::e2e {
namespace {

constexpr DWORD kPollMs = 50;

int ReportMissing(const char* what) {
  WriteError(std::string("no ") + what + " window with that title\n");
  return kFailure;
}

// A visible match if there is one, otherwise the first hidden one.
HWND FindAnyWindow(std::wstring_view title) {
  std::vector<HWND> windows = FindTitledWindows(title);
  return windows.empty() ? nullptr : windows.front();
}

}  // namespace

int RunWait(std::wstring_view title, int timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs < 0 ? 0 : timeoutMs);
  for (;;) {
    if (HWND window = FindVisibleWindow(title)) {
      char digits[2 * sizeof(ULONG_PTR)];
      auto end =
          std::to_chars(std::begin(digits), std::end(digits), reinterpret_cast<ULONG_PTR>(window), 16).ptr;
      WriteOut("0x" + std::string(digits, end) + "\n");
      return kSuccess;
    }
    if (GetTickCount64() >= deadline) return ReportMissing("visible");
    Sleep(kPollMs);
  }
}

int RunClient(std::wstring_view title) {
  HWND window = FindAnyWindow(title);
  if (!window) return ReportMissing("top-level");
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
  if (!window) return ReportMissing("top-level");
  WriteOut(IsWindowVisible(window) ? "1\n" : "0\n");
  return kSuccess;
}

}  // namespace zv::e2e
