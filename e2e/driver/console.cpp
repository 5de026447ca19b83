// Raw writes to the standard handles, so UTF-8 replies reach the calling script unchanged.
#include "e2e/driver/console.h"

#include "platform/win32/windows_api.h"

namespace zv::e2e {
namespace {

void WriteAll(DWORD which, std::string_view text) {
  HANDLE handle = GetStdHandle(which);
  while (!text.empty()) {
    DWORD written = 0;
    if (!WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) || written == 0) {
      return;
    }
    text.remove_prefix(written);
  }
}

}  // namespace

void WriteOut(std::string_view text) { WriteAll(STD_OUTPUT_HANDLE, text); }

void WriteError(std::string_view text) { WriteAll(STD_ERROR_HANDLE, text); }

}  // namespace zv::e2e
