// The test driver's control query, as both sides of WM_COPYDATA see it; portable, no Windows types.
#pragma once

#include <cstdint>

namespace zv::e2e {

// COPYDATASTRUCT::dwData of the driver's request to the main window. lpData holds the UTF-8 text
// "query <controlName> <index>" (index -1 outside control arrays), cbData its length without NUL;
// wParam is the driver's reply window.
inline constexpr std::uintptr_t kQueryRequestTag = 0x5A56;

// dwData of the answer the main window sends back to the reply window before it returns from the
// request: UTF-8 lines "key=value" separated by '\n'. "found=1" or "found=0" always; when found,
// "caption=" (CR, LF and backslash written as \r, \n, \\), "visible=0|1", "enabled=0|1",
// "focused=0|1", "left=", "top=", "width=", "height=" (pixels in its container) and,
// for check boxes, "value=".
inline constexpr std::uintptr_t kQueryReplyTag = 0x5A57;

}  // namespace zv::e2e
