// The smallest borderless Win32 window of the program's size, with timers at the program's three polling
// rates: the footprint baseline and the harness's stand-in. "/hidden" keeps the window hidden, as a start
// in the tray does.
#include "platform/win32/windows_api.h"

namespace {

constexpr wchar_t kClassName[] = L"ZvBaselineWindow";
constexpr int kClientWidth = 786;
constexpr int kClientHeight = 557;
constexpr UINT kTimerPeriodsMs[] = {200, 100, 500};

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassW(&windowClass)) return 1;

  // A popup window has no frame, so its window rectangle is its client area.
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kClientWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kClientHeight) / 2;
  HWND window = CreateWindowExW(WS_EX_APPWINDOW, kClassName, L"Zorvane", WS_POPUP, x, y, kClientWidth,
                                kClientHeight, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  for (UINT id = 0; id < ARRAYSIZE(kTimerPeriodsMs); ++id)
    SetTimer(window, id + 1, kTimerPeriodsMs[id], nullptr);
  if (wcsstr(GetCommandLineW(), L"/hidden") == nullptr) ShowWindow(window, showCommand);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
