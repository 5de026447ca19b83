// ModuleTrayIcon: the main window's icon in the notification area, tip "Zorvane", loaded from vk.ico.
#pragma once

#include <cstdint>
#include <string>

#include "platform/forms/runtime.h"
#include "platform/notify_icon.h"

namespace zv::tray {

// The message the shell sends the main window for mouse events on the icon.
constexpr std::uint32_t kTrayCallbackMessage = 2025;

class ModuleTrayIcon {
 public:
  ModuleTrayIcon(platform::NotifyIcons& icons, forms::Application& app) : icons_(icons), app_(app) {}
  // An icon still in the notification area leaves it with its owner.
  ~ModuleTrayIcon();
  ModuleTrayIcon(const ModuleTrayIcon&) = delete;
  ModuleTrayIcon& operator=(const ModuleTrayIcon&) = delete;

  // Loads the icon file anew and adds the icon; a missing file adds an empty slot with the tip.
  void AddTrayIcon(platform::WindowHandle mainWindow);
  // Deletes the icon that AddTrayIcon added, with the same record.
  void RemoveTrayIcon();

  const platform::NotifyIconData& TrayIconData() const { return data_; }
  // vk.ico in the program's folder.
  std::string IconPath() const;

 private:
  platform::NotifyIcons& icons_;
  forms::Application& app_;
  platform::NotifyIconData data_;
  platform::Icon icon_;  // the picture the shell shows; kept until the icon is removed or replaced
  bool added_ = false;
};

}  // namespace zv::tray
