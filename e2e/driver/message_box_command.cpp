// The "messagebox" subcommand: waits for a message box of the program and reports its text and
// where its OK button is, so that a scenario can close it with the mouse.
#include <string>

#include "e2e/common/find_window.h"
#include "e2e/driver/commands.h"
#include "e2e/driver/console.h"
#include "platform/win32/text_win32.h"
#include "platform/win32/windows_api.h"

namespace zv::e2e {
namespace {

HWND FindVisibleBox(std::wstring_view title) {
  for (HWND box : TitledWindows(title, TitledKind::MessageBox)) {
    if (IsWindowVisible(box)) return box;
  }
  return nullptr;
}

std::wstring ControlText(HWND control) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

int RunMessageBox(std::wstring_view title, int timeoutMs) {
  HWND box = nullptr;
  const ULONGLONG start = GetTickCount64();
  const ULONGLONG deadline = start + static_cast<ULONGLONG>(timeoutMs < 0 ? 0 : timeoutMs);
  for (;;) {
    box = FindVisibleBox(title);
    if (box != nullptr) break;
    if (GetTickCount64() >= deadline) {
      WriteError("zvdriver messagebox: no visible message box titled \"" + platform::Narrow(title) +
                 "\" after " + std::to_string(GetTickCount64() - start) + " ms\n");
      return kFailure;
    }
    Sleep(100);
  }
  // The message text is the static control with the identifier 0xFFFF; OK is IDOK.
  HWND message = GetDlgItem(box, 0xFFFF);
  HWND ok = GetDlgItem(box, IDOK);
  std::string reply = "text=" + platform::Narrow(message != nullptr ? ControlText(message) : L"") + "\n";
  // The icon's static control: 0x14 on Windows, 0x440 on Wine; hidden when the box has no icon.
  HWND icon = GetDlgItem(box, 0x14);
  if (icon == nullptr) icon = GetDlgItem(box, 0x440);
  reply += "icon=" + std::string(icon != nullptr && IsWindowVisible(icon) ? "1" : "0") + "\n";
  if (ok != nullptr) {
    RECT r;
    GetWindowRect(ok, &r);
    reply +=
        "ok=" + std::to_string((r.left + r.right) / 2) + " " + std::to_string((r.top + r.bottom) / 2) + "\n";
  }
  WriteOut(reply);
  return kSuccess;
}

}  // namespace zv::e2e
