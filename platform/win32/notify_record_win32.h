// The shell's notification-icon record filled from the portable description.
#pragma once

#include "platform/notify_icon.h"
#include "platform/win32/windows_api.h"
// After windows.h, which it needs.
#include <shellapi.h>

namespace zv::platform {

// The record in its first layout (cbSize NOTIFYICONDATAW_V1_SIZE): every shell version accepts it, and
// its tip field holds kMaxNotifyTipChars characters and the NUL; a longer tip is cut between characters.
NOTIFYICONDATAW ToNotifyIconRecord(const NotifyIconData& data);

}  // namespace zv::platform
