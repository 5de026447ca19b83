// Window messages and styles kept per window handle; every call is recorded.
#include "platform/fake/fake_window_messages.h"

#include <string>

#include "platform/fake/fake_text.h"

namespace zv::platform {

using faketext::Hex;

void FakeWindowMessages::StartDragMove(WindowHandle window) {
  calls.push_back("StartDragMove " + std::to_string(window));
}

std::intptr_t FakeWindowMessages::Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                       std::intptr_t lParam) {
  calls.push_back("Send " + std::to_string(window) + " " + Hex(message) + " " + Hex(wParam) + " " +
                  Hex(static_cast<std::uintptr_t>(lParam)));
  sent.push_back({window, message, wParam, lParam});
  return onSend ? onSend(sent.back()) : 0;
}

std::uint32_t FakeWindowMessages::RegisterMessage(std::string_view name) {
  calls.push_back("RegisterMessage " + std::string(name));
  const auto next = 0xC000u + static_cast<std::uint32_t>(registered_.size());
  return registered_.try_emplace(faketext::Fold(name), next).first->second;
}

std::intptr_t FakeWindowMessages::GetStyle(WindowHandle window) {
  calls.push_back("GetStyle " + std::to_string(window));
  const auto it = styles.find(window);
  return it == styles.end() ? 0 : it->second;
}

void FakeWindowMessages::SetStyle(WindowHandle window, std::intptr_t style) {
  calls.push_back("SetStyle " + std::to_string(window) + " " + Hex(static_cast<std::uintptr_t>(style)));
  styles[window] = style;
}

bool FakeWindowMessages::SetForeground(WindowHandle window) {
  calls.push_back("SetForeground " + std::to_string(window));
  return foregroundSucceeds;
}

void FakeWindowMessages::SetTopmost(WindowHandle window) {
  calls.push_back("SetTopmost " + std::to_string(window));
}

}  // namespace zv::platform
