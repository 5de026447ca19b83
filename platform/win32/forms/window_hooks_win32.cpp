// Hooked window procedures: every message goes to its window's filter until the hook is restored or
// the window is destroyed, when the window's own procedure is put back.
#include "platform/win32/forms/window_hooks_win32.h"

namespace zv::platform {
namespace {

// The window procedure is a plain function; each hooked window names its hooks in this property.
constexpr wchar_t kHooksProperty[] = L"ZorvaneWindowHooks";

void PutBack(HWND hwnd, WNDPROC saved) {
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
  RemovePropW(hwnd, kHooksProperty);
}

}  // namespace

Win32WindowProcedureHooks::~Win32WindowProcedureHooks() {
  for (const auto& [window, hook] : hooks_) {
    if (IsWindow(window)) PutBack(window, hook->saved);
  }
}

std::uintptr_t Win32WindowProcedureHooks::Install(std::uintptr_t window, Filter filter) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  if (!IsWindow(hwnd) || hooks_.count(hwnd) != 0) return 0;
  auto hook = std::make_shared<Hook>();
  hook->filter = std::move(filter);
  hook->saved = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
  // Known before the first message can arrive through the new procedure.
  hooks_[hwnd] = hook;
  SetPropW(hwnd, kHooksProperty, this);
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProcedure));
  return reinterpret_cast<std::uintptr_t>(hook->saved);
}

std::intptr_t Win32WindowProcedureHooks::CallSaved(std::uintptr_t saved, std::uintptr_t window,
                                                   std::uint32_t message, std::uintptr_t wParam,
                                                   std::intptr_t lParam) {
  return CallWindowProcW(reinterpret_cast<WNDPROC>(saved), reinterpret_cast<HWND>(window), message, wParam,
                         lParam);
}

void Win32WindowProcedureHooks::Restore(std::uintptr_t window, std::uintptr_t saved) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  if (IsWindow(hwnd)) PutBack(hwnd, reinterpret_cast<WNDPROC>(saved));
  hooks_.erase(hwnd);
}

LRESULT CALLBACK Win32WindowProcedureHooks::HookProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<Win32WindowProcedureHooks*>(GetPropW(hwnd, kHooksProperty));
  std::shared_ptr<Hook> hook;
  if (self != nullptr) {
    auto it = self->hooks_.find(hwnd);
    if (it != self->hooks_.end()) hook = it->second;
  }
  if (!hook) return DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    // Destroyed while still hooked: its own procedure sees the last message, and the hook ends.
    PutBack(hwnd, hook->saved);
    self->hooks_.erase(hwnd);
    return CallWindowProcW(hook->saved, hwnd, msg, wParam, lParam);
  }
  // The filter may restore the procedure, which drops the map's reference but not this one.
  return hook->filter(reinterpret_cast<std::uintptr_t>(hwnd), msg, wParam, lParam);
}

}  // namespace zv::platform
