// Notification-area icons through Shell_NotifyIconW; icons loaded with LoadImageW.
#include "platform/win32/notify_icon_win32.h"

#include <algorithm>

#include "platform/geometry.h"
#include "platform/win32/dpi_awareness_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/notify_record_win32.h"
#include "platform/win32/text_win32.h"

namespace zv::platform {

NOTIFYICONDATAW ToNotifyIconRecord(const NotifyIconData& data) {
  NOTIFYICONDATAW record{};
  record.cbSize = NOTIFYICONDATAW_V1_SIZE;
  record.hWnd = reinterpret_cast<HWND>(data.window);
  record.uID = data.id;
  record.uFlags = data.flags;
  record.uCallbackMessage = data.callbackMessage;
  record.hIcon = FromOpaque<HICON>(data.icon);

  const std::wstring tip = Widen(data.tip);
  size_t length = std::min(tip.size(), kMaxNotifyTipChars);
  // Never keep half of a surrogate pair.
  if (length < tip.size() && length > 0 && IS_HIGH_SURROGATE(tip[length - 1])) --length;
  std::copy_n(tip.begin(), length, record.szTip);
  record.szTip[length] = L'\0';
  return record;
}

Icon Win32NotifyIcons::LoadSmallIcon(std::string_view path) {
  // The notification area shows small icons: 16 pixels at 96 dpi, 20, 24 and 32 at 120, 144 and 192.
  const int side = MulDiv(16, SystemDpi(), kStandardDpi);
  IconHandle icon(
      static_cast<HICON>(LoadImageW(nullptr, Widen(path).c_str(), IMAGE_ICON, side, side, LR_LOADFROMFILE)));
  if (!icon) return {};
  return Icon(ToOpaque(icon.Release()), this);
}

bool Win32NotifyIcons::Add(const NotifyIconData& data) {
  NOTIFYICONDATAW record = ToNotifyIconRecord(data);
  return Shell_NotifyIconW(NIM_ADD, &record) != 0;
}

bool Win32NotifyIcons::Delete(const NotifyIconData& data) {
  NOTIFYICONDATAW record = ToNotifyIconRecord(data);
  return Shell_NotifyIconW(NIM_DELETE, &record) != 0;
}

void Win32NotifyIcons::Release(OpaqueHandle handle) { IconTraits::Close(FromOpaque<HICON>(handle)); }

}  // namespace zv::platform
