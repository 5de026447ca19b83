// The registry through advapi32's wide functions.
#pragma once

#include "platform/registry.h"

namespace zv::platform {

class Win32Registry final : public Registry, private HandleReleaser {
 public:
  Win32Registry() = default;
  Win32Registry(const Win32Registry&) = delete;
  Win32Registry& operator=(const Win32Registry&) = delete;

  KeyResult CreateKey(RegistryRoot root, std::string_view path) override;
  KeyResult OpenKey(RegistryRoot root, std::string_view path, std::uint32_t access) override;
  RegistryStatus SetString(const RegistryKey& key, std::string_view name, std::string_view value) override;
  RegistryStatus DeleteValue(const RegistryKey& key, std::string_view name) override;
  ValueInfo QueryValue(const RegistryKey& key, std::string_view name, std::span<std::uint8_t> data) override;
  StringResult QueryString(const RegistryKey& key, std::string_view name) override;

 private:
  void Release(OpaqueHandle handle) override;
};

}  // namespace zv::platform
