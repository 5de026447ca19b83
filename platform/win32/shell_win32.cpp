// Opening documents and addresses through ShellExecuteW.
#include "platform/win32/shell_win32.h"

#include "platform/win32/text_win32.h"
#include "platform/win32/windows_api.h"
// After windows.h, which it needs.
#include <shellapi.h>

namespace zv::platform {

bool Win32ShellExecutor::Execute(WindowHandle owner, std::string_view verb, std::string_view file) {
  const std::wstring wideVerb = Widen(verb);
  const std::wstring wideFile = Widen(file);
  HINSTANCE result = ShellExecuteW(reinterpret_cast<HWND>(owner), wideVerb.c_str(), wideFile.c_str(), nullptr,
                                   nullptr, SW_SHOWNORMAL);
  // Values up to 32 are error codes.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace zv::platform
