// Popup menus on Win32: a menu built for each popup, tracked at the cursor.
#pragma once

#include "platform/forms/runtime.h"

namespace zv::platform {

class Win32PopupMenus final : public forms::PopupMenuService {
 public:
  int Track(const forms::Menu& menu, std::uintptr_t owner) override;
};

}  // namespace zv::platform
