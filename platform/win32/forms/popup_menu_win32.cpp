// TrackPopupMenu at the cursor with the owner in the foreground, then the platform's fix that lets
// the next click elsewhere close a menu opened from the notification area.
#include "platform/win32/forms/popup_menu_win32.h"

#include <string>

#include "platform/forms/menu.h"
#include "platform/win32/handles.h"
#include "platform/win32/text_win32.h"

namespace zv::platform {
namespace {

struct MenuTraits {
  using Native = HMENU;
  static Native Invalid() { return nullptr; }
  static void Close(Native h) { DestroyMenu(h); }
};
using MenuHandle = ScopedHandle<MenuTraits>;

// Command identifiers are positions + 1: TrackPopupMenu reports 0 for "nothing chosen".
MenuHandle BuildMenu(const forms::Menu& menu) {
  MenuHandle popup(CreatePopupMenu());
  if (!popup) return popup;
  for (std::size_t i = 0; i < menu.Count(); ++i) {
    const forms::MenuItem& item = menu.Item(i);
    if (item.IsSeparator()) {
      AppendMenuW(popup.get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::wstring text = Widen(item.Caption());
    if (!item.Shortcut().empty()) text += L"\t" + Widen(item.Shortcut());
    AppendMenuW(popup.get(), MF_STRING, i + 1, text.c_str());
  }
  return popup;
}

}  // namespace

int Win32PopupMenus::Track(const forms::Menu& menu, std::uintptr_t owner) {
  const MenuHandle popup = BuildMenu(menu);
  if (!popup) return -1;
  HWND window = reinterpret_cast<HWND>(owner);
  POINT cursor{};
  GetCursorPos(&cursor);
  // Without the owner in the foreground, a click outside the menu would not close it.
  SetForegroundWindow(window);
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(popup.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, cursor.x,
                     cursor.y, 0, window, nullptr));
  // A message to the owner makes the task switch happen, so the menu works again the next time.
  PostMessageW(window, WM_NULL, 0, 0);
  return chosen == 0 ? -1 : static_cast<int>(chosen - 1);
}

}  // namespace zv::platform
