// Registration of the window classes of this program's own windows.
#include "platform/win32/forms/window_class_win32.h"

#include "platform/geometry.h"
#include "platform/win32/dpi_awareness_win32.h"

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
    // The sizes the system shows at its dpi: 32 and 16 at 96 dpi, 48 and 24 at 144.
    const int dpi = SystemDpi();
    const int large = MulDiv(32, dpi, kStandardDpi);
    const int small = MulDiv(16, dpi, kStandardDpi);
    wc.hIcon = static_cast<HICON>(LoadImageW(instance, L"APPICON", IMAGE_ICON, large, large, 0));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, L"APPICON", IMAGE_ICON, small, small, 0));
  }
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

}  // namespace zv::platform
