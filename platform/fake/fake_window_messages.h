// Window messages and styles kept per window handle; every call is recorded.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/window_messages.h"

namespace zv::platform {

class FakeWindowMessages final : public WindowMessages {
 public:
  struct Message {
    WindowHandle window = 0;
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    friend bool operator==(const Message&, const Message&) = default;
  };

  void StartDragMove(WindowHandle window) override;
  std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
  // Numbers from 0xC000 up, one per name; names match without regard to case.
  std::uint32_t RegisterMessage(std::string_view name) override;
  // 0 for a window whose style was never set.
  std::intptr_t GetStyle(WindowHandle window) override;
  void SetStyle(WindowHandle window, std::intptr_t style) override;
  bool SetForeground(WindowHandle window) override;
  void SetTopmost(WindowHandle window) override;

  // Every call in order: "StartDragMove 7", "Send 7 0x112 0xf120 0x0", "RegisterMessage TaskbarCreated",
  // "GetStyle 7", "SetStyle 7 0xa0000", "SetForeground 7",
  // "SetTopmost 7".
  std::vector<std::string> calls;
  std::vector<Message> sent;
  std::map<WindowHandle, std::intptr_t> styles;
  // What Send returns; 0 when unset.
  std::function<std::intptr_t(const Message&)> onSend;
  bool foregroundSucceeds = true;

 private:
  std::map<std::string, std::uint32_t> registered_;
};

}  // namespace zv::platform
