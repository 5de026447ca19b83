// DPI awareness through whichever call the running Windows has, each bound late.
#include "platform/win32/dpi_awareness_win32.h"

#include "platform/geometry.h"
#include "platform/win32/handles.h"
#include "platform/win32/late_binding.h"

namespace zv::platform {
namespace {

using SetContextFunction = BOOL(WINAPI*)(HANDLE context);      // SetProcessDpiAwarenessContext
using SetAwarenessFunction = HRESULT(WINAPI*)(int awareness);  // SetProcessDpiAwareness
using SetAwareFunction = BOOL(WINAPI*)();                      // SetProcessDPIAware
using GetDpiFunction = UINT(WINAPI*)();                        // GetDpiForSystem
const HANDLE kPerMonitorAwareV2 =
    reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));  // DPI_AWARENESS_CONTEXT_..._V2
constexpr int kProcessPerMonitorDpiAware = 2;            // PROCESS_PER_MONITOR_DPI_AWARE

// The whole screen's device context, from GetDC(nullptr).
struct ScreenDcTraits {
  using Native = HDC;
  static Native Invalid() { return nullptr; }
  static void Close(Native dc) { ReleaseDC(nullptr, dc); }
};

bool DeclarePerMonitorV2() {
  const auto set = LateBound<SetContextFunction>(L"user32.dll", "SetProcessDpiAwarenessContext");
  return set != nullptr && set(kPerMonitorAwareV2) != FALSE;
}

bool DeclarePerMonitor() {
  // shcore.dll (Windows 8.1) stays loaded: the awareness it records belongs to the process.
  if (GetModuleHandleW(L"shcore.dll") == nullptr && LoadSystemLibrary(L"shcore.dll") == nullptr) return false;
  const auto set = LateBound<SetAwarenessFunction>(L"shcore.dll", "SetProcessDpiAwareness");
  return set != nullptr && SUCCEEDED(set(kProcessPerMonitorDpiAware));
}

bool DeclareSystemAware() {
  const auto set = LateBound<SetAwareFunction>(L"user32.dll", "SetProcessDPIAware");
  return set != nullptr && set() != FALSE;
}

}  // namespace

DpiAwareness DeclareDpiAwareness() {
  if (DeclarePerMonitorV2()) return DpiAwareness::PerMonitorV2;
  if (DeclarePerMonitor()) return DpiAwareness::PerMonitor;
  if (DeclareSystemAware()) return DpiAwareness::System;
  return DpiAwareness::Unaware;
}

int SystemDpi() {
  if (const auto get = LateBound<GetDpiFunction>(L"user32.dll", "GetDpiForSystem")) {
    if (const UINT dpi = get(); dpi > 0) return static_cast<int>(dpi);
  }
  const ScopedHandle<ScreenDcTraits> screen(GetDC(nullptr));
  const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : kStandardDpi;
}

}  // namespace zv::platform
