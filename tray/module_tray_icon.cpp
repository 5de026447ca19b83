// Adding and deleting the notification-area icon.
#include "tray/module_tray_icon.h"

#include <utility>

namespace zv::tray {

ModuleTrayIcon::~ModuleTrayIcon() { RemoveTrayIcon(); }

// A drive root ("C:\") already ends in the separator.
std::string ModuleTrayIcon::IconPath() const {
  const std::string folder = app_.Folder();
  return folder + (folder.ends_with('\\') ? "vk.ico" : "\\vk.ico");
}

void ModuleTrayIcon::AddTrayIcon(platform::WindowHandle mainWindow) {
  platform::Icon icon = icons_.LoadSmallIcon(IconPath());
  data_ = {.window = mainWindow,
           .id = 0,
           .flags = platform::notifyflag::kMessage | platform::notifyflag::kIcon | platform::notifyflag::kTip,
           .callbackMessage = kTrayCallbackMessage,
           .icon = icon.get(),
           .tip = std::string(forms::Application::kTitle)};
  // Not retried when the shell refuses: its next "TaskbarCreated" brings the icon back.
  (void)icons_.Add(data_);
  added_ = true;
  // The previous picture goes only now that the shell has the new one.
  icon_ = std::move(icon);
}

void ModuleTrayIcon::RemoveTrayIcon() {
  if (!added_) return;
  (void)icons_.Delete(data_);
  added_ = false;
  icon_.Reset();
}

}  // namespace zv::tray
