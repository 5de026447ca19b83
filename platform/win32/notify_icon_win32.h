// Notification-area icons through Shell_NotifyIconW; icons loaded with LoadImageW.
#pragma once

#include "platform/notify_icon.h"

namespace zv::platform {

class Win32NotifyIcons final : public NotifyIcons, private HandleReleaser {
 public:
  Win32NotifyIcons() = default;
  Win32NotifyIcons(const Win32NotifyIcons&) = delete;
  Win32NotifyIcons& operator=(const Win32NotifyIcons&) = delete;

  Icon LoadSmallIcon(std::string_view path) override;
  bool Add(const NotifyIconData& data) override;
  bool Delete(const NotifyIconData& data) override;

 private:
  void Release(OpaqueHandle handle) override;
};

}  // namespace zv::platform
