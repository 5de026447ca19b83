// Notification-area icons: loading a small icon from a file, adding and deleting the icon.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/handle.h"
#include "platform/shell.h"

namespace zv::platform {

struct IconKind;
// An icon image (HICON on Windows); empty when loading failed.
using Icon = UniqueHandle<IconKind>;

// NOTIFYICONDATA uFlags, with the platform's values.
namespace notifyflag {
constexpr std::uint32_t kMessage = 0x1;
constexpr std::uint32_t kIcon = 0x2;
constexpr std::uint32_t kTip = 0x4;
}  // namespace notifyflag

// The platform keeps at most this many characters (UTF-16 units) of the tip; the rest is cut.
constexpr std::size_t kMaxNotifyTipChars = 63;

struct NotifyIconData {
  WindowHandle window = 0;  // receives the callback message
  std::uint32_t id = 0;
  std::uint32_t flags = 0;
  std::uint32_t callbackMessage = 0;
  OpaqueHandle icon = 0;  // Icon::get(); 0 shows an empty slot
  std::string tip;        // UTF-8
  friend bool operator==(const NotifyIconData&, const NotifyIconData&) = default;
};

class NotifyIcons {
 public:
  virtual ~NotifyIcons() = default;
  // LoadImage(no module, path, IMAGE_ICON, 16, 16, LR_LOADFROMFILE).
  [[nodiscard]] virtual Icon LoadSmallIcon(std::string_view path) = 0;
  // Shell_NotifyIcon(NIM_ADD / NIM_DELETE); true when the shell accepted the request.
  virtual bool Add(const NotifyIconData& data) = 0;
  virtual bool Delete(const NotifyIconData& data) = 0;
};

}  // namespace zv::platform
