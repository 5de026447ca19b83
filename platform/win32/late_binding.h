// Functions of later Windows versions, bound at run time so that the exe still loads where they are missing.
#pragma once

#include <string>

#include "platform/win32/windows_api.h"

namespace zv::platform {

// Loads a library from the system folder by its full path, so that a DLL of the same name left beside the
// exe (a download folder) is never loaded instead; null where the system has no such library.
inline HMODULE LoadSystemLibrary(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  std::wstring path(folder, length);
  path += L'\\';
  path += name;
  return LoadLibraryW(path.c_str());
}

// The function `name` of a module already loaded in the process, or null where that Windows lacks it.
template <typename Function>
Function LateBound(const wchar_t* module, const char* name) {
  const HMODULE handle = GetModuleHandleW(module);
  if (handle == nullptr) return nullptr;
  // GetProcAddress hands back a generic pointer; the detour through void(*)() keeps the cast explicit.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(handle, name)));
}

}  // namespace zv::platform
