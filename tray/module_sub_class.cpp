// Routing of the main window's messages: two icon actions, the icon's return after a shell restart, the
// main window brought forward by a later start, everything else to the window's own procedure.
#include "tray/module_sub_class.h"

#include "platform/instance_guard.h"
#include "tray/module_tray_icon.h"

namespace zv::tray {
namespace {

void Run(const std::function<void()>& action) {
  if (action) action();
}

}  // namespace

ModuleSubClass::~ModuleSubClass() { Uninstall(); }

void ModuleSubClass::RegisterTaskbarCreated() {
  taskbarCreatedMessage_ = windows_.RegisterMessage("TaskbarCreated");
}

void ModuleSubClass::RegisterShowMainWindow() {
  showMainWindowMessage_ = windows_.RegisterMessage(platform::kShowMainWindowMessageName);
}

void ModuleSubClass::Install(platform::WindowHandle mainWindow) {
  if (hooked_ != 0) return;
  hooked_ = mainWindow;
  prevWindowProc_ = hooks_.Install(
      mainWindow, [this](platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                         std::intptr_t lParam) { return WindowProc(window, message, wParam, lParam); });
}

void ModuleSubClass::Uninstall() {
  if (hooked_ == 0) return;
  const platform::WindowHandle window = hooked_;
  hooked_ = 0;
  hooks_.Restore(window, prevWindowProc_);
}

std::intptr_t ModuleSubClass::WindowProc(platform::WindowHandle window, std::uint32_t message,
                                         std::uintptr_t wParam, std::intptr_t lParam) {
  if (message == kTrayCallbackMessage && lParam == kWmLButtonDblClk) {
    Run(actions_.restoreMainWindow);
    return 0;
  }
  if (message == kTrayCallbackMessage && lParam == kWmRButtonDown) {
    Run(actions_.showTrayMenu);
    return 0;
  }
  // 0 means the registration failed; no message is then taken for the broadcast.
  if (taskbarCreatedMessage_ != 0 && message == taskbarCreatedMessage_) {
    Run(actions_.addTrayIcon);
    return 0;
  }
  if (showMainWindowMessage_ != 0 && message == showMainWindowMessage_) {
    Run(actions_.restoreMainWindow);
    return 0;
  }
  return hooks_.CallSaved(prevWindowProc_, window, message, wParam, lParam);
}

}  // namespace zv::tray
