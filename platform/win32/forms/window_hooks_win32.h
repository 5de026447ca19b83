// Window-procedure hooks on Win32: SetWindowLongPtrW(GWLP_WNDPROC) with a procedure that hands every
// message to the filter, which chains to the saved one with CallWindowProcW.
#pragma once

#include <map>
#include <memory>

#include "platform/forms/runtime.h"
#include "platform/win32/windows_api.h"

namespace zv::platform {

// It must outlive the filters it calls.
class Win32WindowProcedureHooks final : public forms::WindowProcedureHooks {
 public:
  Win32WindowProcedureHooks() = default;
  // Windows still hooked get their own procedures back.
  ~Win32WindowProcedureHooks() override;
  Win32WindowProcedureHooks(const Win32WindowProcedureHooks&) = delete;
  Win32WindowProcedureHooks& operator=(const Win32WindowProcedureHooks&) = delete;

  std::uintptr_t Install(std::uintptr_t window, Filter filter) override;
  std::intptr_t CallSaved(std::uintptr_t saved, std::uintptr_t window, std::uint32_t message,
                          std::uintptr_t wParam, std::intptr_t lParam) override;
  void Restore(std::uintptr_t window, std::uintptr_t saved) override;

 private:
  static LRESULT CALLBACK HookProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  struct Hook {
    Filter filter;
    WNDPROC saved = nullptr;
  };
  // Shared, so that a filter that restores its window's procedure outlives its own call.
  std::map<HWND, std::shared_ptr<Hook>> hooks_;
};

}  // namespace zv::platform
