// The registry through advapi32's wide functions.
#include "platform/win32/registry_win32.h"

#include "platform/win32/handles.h"
#include "platform/win32/text_win32.h"
#include "platform/win32/windows_api.h"

namespace zv::platform {
namespace {

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::kCurrentUser:
      return HKEY_CURRENT_USER;
    case RegistryRoot::kLocalMachine:
      return HKEY_LOCAL_MACHINE;
    case RegistryRoot::kDynData:
      return HKEY_DYN_DATA;
  }
  return nullptr;
}

HKEY Native(const RegistryKey& key) { return FromOpaque<HKEY>(key.get()); }

// A key the platform opened, handed to a portable owner that closes it through `releaser`.
KeyResult Owned(LONG status, HKEY key, HandleReleaser* releaser) {
  RegistryKeyHandle owned(status == ERROR_SUCCESS ? key : nullptr);
  if (!owned) return {status == ERROR_SUCCESS ? regstatus::kInvalidHandle : status, {}};
  return {regstatus::kSuccess, RegistryKey(ToOpaque(owned.Release()), releaser)};
}

}  // namespace

KeyResult Win32Registry::CreateKey(RegistryRoot root, std::string_view path) {
  HKEY key = nullptr;
  const LONG status = RegCreateKeyW(RootKey(root), Widen(path).c_str(), &key);
  return Owned(status, key, this);
}

KeyResult Win32Registry::OpenKey(RegistryRoot root, std::string_view path, std::uint32_t access) {
  HKEY key = nullptr;
  const LONG status = RegOpenKeyExW(RootKey(root), Widen(path).c_str(), 0, access, &key);
  return Owned(status, key, this);
}

RegistryStatus Win32Registry::SetString(const RegistryKey& key, std::string_view name,
                                        std::string_view value) {
  if (!key) return regstatus::kInvalidHandle;
  const std::wstring text = Widen(value);
  const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));  // with the NUL
  return RegSetValueExW(Native(key), Widen(name).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(text.c_str()), bytes);
}

RegistryStatus Win32Registry::DeleteValue(const RegistryKey& key, std::string_view name) {
  if (!key) return regstatus::kInvalidHandle;
  return RegDeleteValueW(Native(key), Widen(name).c_str());
}

ValueInfo Win32Registry::QueryValue(const RegistryKey& key, std::string_view name,
                                    std::span<std::uint8_t> data) {
  if (!key) return {};
  DWORD type = 0;
  auto size = static_cast<DWORD>(data.size());
  const LONG status = RegQueryValueExW(Native(key), Widen(name).c_str(), nullptr, &type,
                                       data.empty() ? nullptr : data.data(), &size);
  return {status, type, size};
}

StringResult Win32Registry::QueryString(const RegistryKey& key, std::string_view name) {
  if (!key) return {};
  const std::wstring wideName = Widen(name);
  DWORD type = 0;
  DWORD size = 0;
  LONG status = RegQueryValueExW(Native(key), wideName.c_str(), nullptr, &type, nullptr, &size);
  if (status != ERROR_SUCCESS) return {status, {}};
  if (type != REG_SZ) return {regstatus::kUnsupportedType, {}};

  // The value may change between the two calls; kMoreData then comes back to the caller.
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  status = RegQueryValueExW(Native(key), wideName.c_str(), nullptr, &type,
                            reinterpret_cast<BYTE*>(text.data()), &size);
  if (status != ERROR_SUCCESS) return {status, {}};
  // The stored data need not end in a NUL, and may hold more than one.
  text.resize(size / sizeof(wchar_t));
  if (const size_t nul = text.find(L'\0'); nul != std::wstring::npos) text.resize(nul);
  return {regstatus::kSuccess, Narrow(text)};
}

void Win32Registry::Release(OpaqueHandle handle) { RegistryKeyTraits::Close(FromOpaque<HKEY>(handle)); }

}  // namespace zv::platform
