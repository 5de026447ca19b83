// ModuleSubClass: the filter put in front of the main window's own procedure. It turns the icon's
// notifications, the shell's "TaskbarCreated" broadcast and a later start's show message into the tray's
// actions.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/forms/runtime.h"
#include "platform/window_messages.h"

namespace zv::tray {

constexpr std::uint32_t kWmLButtonDblClk = 0x203;
constexpr std::uint32_t kWmRButtonDown = 0x204;

struct TrayActions {
  std::function<void()> restoreMainWindow;  // left double-click on the icon; the program started again
  std::function<void()> showTrayMenu;       // right button pressed on the icon
  std::function<void()> addTrayIcon;        // the taskbar was created again
};

class ModuleSubClass {
 public:
  ModuleSubClass(forms::WindowProcedureHooks& hooks, platform::WindowMessages& windows, TrayActions actions)
      : hooks_(hooks), windows_(windows), actions_(std::move(actions)) {}
  // A filter still installed is taken out with its owner.
  ~ModuleSubClass();
  ModuleSubClass(const ModuleSubClass&) = delete;
  ModuleSubClass& operator=(const ModuleSubClass&) = delete;

  void RegisterTaskbarCreated();
  // The message a later start of the program posts (platform/instance_guard.h).
  void RegisterShowMainWindow();
  // PrevWindowProc = the window's procedure until now; WindowProc sees every message from here on.
  void Install(platform::WindowHandle mainWindow);
  // The window gets PrevWindowProc back.
  void Uninstall();

  std::intptr_t WindowProc(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                           std::intptr_t lParam);

  std::uintptr_t PrevWindowProc() const { return prevWindowProc_; }
  std::uint32_t TaskbarCreatedMessage() const { return taskbarCreatedMessage_; }
  std::uint32_t ShowMainWindowMessage() const { return showMainWindowMessage_; }

 private:
  forms::WindowProcedureHooks& hooks_;
  platform::WindowMessages& windows_;
  TrayActions actions_;
  std::uintptr_t prevWindowProc_ = 0;
  std::uint32_t taskbarCreatedMessage_ = 0;
  std::uint32_t showMainWindowMessage_ = 0;
  platform::WindowHandle hooked_ = 0;
};

}  // namespace zv::tray
