// Functions of later Windows versions, bound at run time so that the exe still loads where they are missing.
#pragma once

#include "platform/win32/windows_api.h"

namespace zv::platform {

// The function `name` of a module already loaded in the process, or null where that Windows lacks it.
template <typename Function>
Function LateBound(const wchar_t* module, const char* name) {
  const HMODULE handle = GetModuleHandleW(module);
  if (handle == nullptr) return nullptr;
  // GetProcAddress hands back a generic pointer; the detour through void(*)() keeps the cast explicit.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(handle, name)));
}

}  // namespace zv::platform
