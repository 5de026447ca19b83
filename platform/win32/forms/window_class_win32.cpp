// Registration of the window classes of this program's own windows.
#include "platform/win32/forms/window_class_win32.h"

namespace zv::platform {

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, ClassIcon icon) {
  WNDCLASSEXW existing{sizeof(WNDCLASSEXW)};
  if (GetClassInfoExW(instance, name, &existing)) return;
  WNDCLASSEXW wc{sizeof(WNDCLASSEXW)};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  if (icon == ClassIcon::Application) {
    wc.hIcon = LoadIconW(instance, L"APPICON");
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, L"APPICON", IMAGE_ICON, 16, 16, 0));
  }
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

}  // namespace zv::platform
