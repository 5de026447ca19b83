// Read-only inspection of a form's controls by another program (the end-to-end test
// driver): WM_COPYDATA "query <name> <index>" answered with WM_COPYDATA "key=value" lines.
#pragma once

#include "platform/forms/form.h"
#include "platform/win32/windows_api.h"

namespace zv::platform {

constexpr ULONG_PTR kInspectRequest = 0x5A56;
constexpr ULONG_PTR kInspectReply = 0x5A57;

// True when the message was an inspection request (answered to the window in wParam).
bool AnswerInspection(forms::Form& form, HWND self, WPARAM replyTo, const COPYDATASTRUCT* request);

}  // namespace zv::platform
