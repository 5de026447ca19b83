// Messages and styles of top-level windows through user32.
#pragma once

#include "platform/window_messages.h"

namespace zv::platform {

class Win32WindowMessages final : public WindowMessages {
 public:
  void StartDragMove(WindowHandle window) override;
  std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
  std::uint32_t RegisterMessage(std::string_view name) override;
  std::intptr_t GetStyle(WindowHandle window) override;
  void SetStyle(WindowHandle window, std::intptr_t style) override;
  bool SetForeground(WindowHandle window) override;
  void SetTopmost(WindowHandle window) override;
};

}  // namespace zv::platform
