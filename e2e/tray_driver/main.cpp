// zvtray: a console helper for the tray scenarios. It sends the program's windows messages, asks the
// shell whether an icon exists, reads window placement and z-order, and puts a window over the screen.
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "e2e/common/find_window.h"
#include "platform/win32/dpi_awareness_win32.h"
#include "platform/win32/windows_api.h"
// After windows.h, which it needs.
#include <shellapi.h>

namespace {

// A window is named by its exact title or by its handle in hex ("0x1234"), which outlives its title.
constexpr wchar_t kUsage[] =
    L"usage: zvtray post <window> <message> <wParam> <lParam>\n"
    L"       zvtray handle <windowTitle>\n"
    L"       zvtray taskbar-created <window>\n"
    L"       zvtray icon <window>\n"
    L"       zvtray delete-icon <window>\n"
    L"       zvtray count <windowTitle>\n"
    L"       zvtray icons <windowTitle>\n"
    L"       zvtray state <window>\n"
    L"       zvtray rect <windowTitle>\n"
    L"       zvtray styles <windowTitle>\n"
    L"       zvtray activate <window>\n"
    L"       zvtray above <upperTitle> <lowerTitle>\n"
    L"       zvtray menu-rect\n"
    L"       zvtray tray-window\n"
    L"       zvtray cover <title> <x> <y> <width> <height> <seconds>\n";

// A handle, or the first top-level window with this exact title, hidden or not, message boxes excepted.
HWND Find(std::wstring_view title) {
  if (title.starts_with(L"0x")) return reinterpret_cast<HWND>(std::wcstoull(title.data(), nullptr, 16));
  const std::vector<HWND> windows = zv::e2e::TitledWindows(title);
  return windows.empty() ? nullptr : windows.front();
}

int Print(const std::string& line) {
  std::fputs((line + "\n").c_str(), stdout);
  return 0;
}

// The shell modifies only an icon it has: with no flags set, NIM_MODIFY changes nothing and tells whether
// the window's icon 0 exists.
bool HasIcon(HWND window) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = window;
  data.uID = 0;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

// How many top-level windows, hidden or not, have this exact title (message boxes excepted), or how many
// notification-area icons such windows own.
int CountTitled(std::wstring_view title, bool icons) {
  const std::vector<HWND> windows = zv::e2e::TitledWindows(title);
  if (!icons) return Print(std::to_string(windows.size()));
  return Print(std::to_string(std::count_if(windows.begin(), windows.end(), HasIcon)));
}

int Missing() {
  std::fputws(L"no window with that title\n", stderr);
  return 1;
}

int Post(HWND window, const wchar_t* message, const wchar_t* wParam, const wchar_t* lParam) {
  const UINT msg = static_cast<UINT>(std::wcstoul(message, nullptr, 0));
  return PostMessageW(window, msg, std::wcstoul(wParam, nullptr, 0), std::wcstol(lParam, nullptr, 0)) ? 0 : 1;
}

int Icon(HWND window) { return Print(HasIcon(window) ? "1" : "0"); }

int Handle(HWND window) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%lx", static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(window)));
  return Print(text);
}

// The shell's broadcast after it restarted, sent to one window.
int TaskbarCreated(HWND window) {
  return PostMessageW(window, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0) ? 0 : 1;
}

// What a shell restart does to the icon: it is gone until the program adds it again.
int DeleteIcon(HWND window) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = window;
  data.uID = 0;
  return Shell_NotifyIconW(NIM_DELETE, &data) ? 0 : 1;
}

int Rect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return Print(std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) +
               " " + std::to_string(r.bottom - r.top));
}

int Styles(HWND window) {
  const LONG_PTR ex = GetWindowLongPtrW(window, GWL_EXSTYLE);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  return Print(std::string("topmost=") + ((ex & WS_EX_TOPMOST) ? "1" : "0") +
               " toolwindow=" + ((ex & WS_EX_TOOLWINDOW) ? "1" : "0") +
               " caption=" + ((style & WS_CAPTION) == WS_CAPTION ? "1" : "0") +
               " visible=" + (IsWindowVisible(window) ? "1" : "0"));
}

// Whether the window is visible, minimised and the foreground window.
int State(HWND window) {
  return Print(std::string("visible=") + (IsWindowVisible(window) ? "1" : "0") +
               " iconic=" + (IsIconic(window) ? "1" : "0") +
               " foreground=" + (GetForegroundWindow() == window ? "1" : "0"));
}

// A search of the top-level windows by class: the first visible one, else (unless only visible ones count)
// the last hidden one.
struct ClassSearch {
  std::initializer_list<std::wstring_view> classes;
  bool visibleOnly = false;
  HWND found = nullptr;
};

BOOL CALLBACK MatchClass(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<ClassSearch*>(context);
  wchar_t className[32] = {};
  GetClassNameW(window, className, static_cast<int>(std::size(className)));
  if (std::find(search.classes.begin(), search.classes.end(), className) == search.classes.end()) return TRUE;
  const bool visible = IsWindowVisible(window) != FALSE;
  if (visible || !search.visibleOnly) search.found = window;
  return visible ? FALSE : TRUE;
}

HWND FindByClass(std::initializer_list<std::wstring_view> classes, bool visibleOnly) {
  ClassSearch search{classes, visibleOnly};
  EnumWindows(MatchClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The popup menu now open (the platform's menu window class), wherever the platform placed it.
int MenuRect() {
  HWND menu = FindByClass({L"#32768"}, true);
  if (menu == nullptr) {
    std::fputws(L"no menu open\n", stderr);
    return 1;
  }
  return Rect(menu);
}

// Wine's notification area without a desktop, a shown one first: Wine 8's X11 driver draws it in a window
// of its own class, titled "Wine System Tray", beside the shell's hidden one; from Wine 9 the shell's own
// window shows, untitled. Prints "VISIBLE X Y WIDTH HEIGHT", its client area on the screen.
int TrayWindow() {
  HWND tray = FindByClass({L"__winex11_standalone_tray", L"Shell_TrayWnd"}, false);
  if (tray == nullptr) {
    std::fputws(L"no tray window\n", stderr);
    return 1;
  }
  RECT client{};
  GetClientRect(tray, &client);
  POINT origin{0, 0};
  ClientToScreen(tray, &origin);
  return Print(std::string(IsWindowVisible(tray) ? "1 " : "0 ") + std::to_string(origin.x) + " " +
               std::to_string(origin.y) + " " + std::to_string(client.right) + " " +
               std::to_string(client.bottom));
}

// Prints 1 when the first window lies above the second in the z-order.
int Above(HWND upper, HWND lower) {
  for (HWND w = GetWindow(upper, GW_HWNDNEXT); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
    if (w == lower) return Print("1");
  }
  return Print("0");
}

LRESULT CALLBACK CoverProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// A plain white window, activated after it appears, kept for the given time or until it is closed.
int Cover(const wchar_t* title, int x, int y, int width, int height, int seconds) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = CoverProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ZvTrayCover";
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, wc.lpszClassName, title, WS_POPUP | WS_VISIBLE, x, y, width, height,
                                nullptr, nullptr, wc.hInstance, nullptr);
  if (window == nullptr) return 1;
  SetForegroundWindow(window);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  MSG msg;
  // WM_CLOSE (posted by a script) ends it early.
  while (GetTickCount64() < end && IsWindow(window)) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(20);
  }
  if (IsWindow(window)) DestroyWindow(window);
  return 0;
}

int Dispatch(int argc, wchar_t** argv) {
  const std::wstring_view command = argc > 1 ? argv[1] : L"";
  if (command == L"cover" && argc == 8) {
    return Cover(argv[2], _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]), _wtoi(argv[6]), _wtoi(argv[7]));
  }
  if (command == L"menu-rect" && argc == 2) return MenuRect();
  if (command == L"tray-window" && argc == 2) return TrayWindow();
  if (argc < 3) {
    std::fputws(kUsage, stderr);
    return 2;
  }
  if (command == L"count" && argc == 3) return CountTitled(argv[2], false);
  if (command == L"icons" && argc == 3) return CountTitled(argv[2], true);
  HWND window = Find(argv[2]);
  if (window == nullptr) return Missing();
  if (command == L"handle" && argc == 3) return Handle(window);
  if (command == L"post" && argc == 6) return Post(window, argv[3], argv[4], argv[5]);
  if (command == L"icon" && argc == 3) return Icon(window);
  if (command == L"activate" && argc == 3) return SetForegroundWindow(window) ? 0 : 1;
  if (command == L"delete-icon" && argc == 3) return DeleteIcon(window);
  if (command == L"taskbar-created" && argc == 3) return TaskbarCreated(window);
  if (command == L"rect" && argc == 3) return Rect(window);
  if (command == L"styles" && argc == 3) return Styles(window);
  if (command == L"state" && argc == 3) return State(window);
  if (command == L"above" && argc == 4) {
    HWND lower = Find(argv[3]);
    return lower == nullptr ? Missing() : Above(window, lower);
  }
  std::fputws(kUsage, stderr);
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  zv::platform::DeclareDpiAwareness();
  // Lines end in LF only, as the scripts that read them expect.
  _setmode(_fileno(stdout), _O_BINARY);
  return Dispatch(argc, argv);
}
