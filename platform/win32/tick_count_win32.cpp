// GetTickCount64 for the C++ runtime's thread library, which calls it through an import that Windows XP
// does not have. This definition of the import's pointer takes the place of the one in kernel32's import
// library, so the exe loads on XP: the system's function where there is one, else the 32-bit count extended.
#include <atomic>

#include "platform/tick_count.h"
#include "platform/win32/late_binding.h"
#include "platform/win32/windows_api.h"

namespace {

using TickCount64Function = ULONGLONG(WINAPI*)();

ULONGLONG WINAPI TickCount64() {
  static const auto system = zv::platform::LateBound<TickCount64Function>(L"kernel32.dll", "GetTickCount64");
  if (system != nullptr) return system();
  static std::atomic<std::uint64_t> last{0};
  std::uint64_t previous = last.load();
  std::uint64_t extended = zv::platform::ExtendTickCount(previous, GetTickCount());
  // Another thread may have read a later count meanwhile: the later of the two stays.
  while (extended > previous && !last.compare_exchange_weak(previous, extended)) {
  }
  return extended;
}

}  // namespace

// The symbol the import library would define: __imp__GetTickCount64@0 on x86, __imp_GetTickCount64 on x64.
extern "C" {
#if defined(__i386__)
TickCount64Function zv_import_GetTickCount64 __asm__("__imp__GetTickCount64@0") = TickCount64;
#else
TickCount64Function zv_import_GetTickCount64 __asm__("__imp_GetTickCount64") = TickCount64;
#endif
}
