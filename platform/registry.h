// The registry: keys as owned handles, string values, raw value queries; failures come back as status codes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/handle.h"

namespace zv::platform {

// Predefined root keys, with the platform's values.
enum class RegistryRoot : std::uint32_t {
  kCurrentUser = 0x80000001u,
  kLocalMachine = 0x80000002u,
  kDynData = 0x80000006u,  // the performance data of the 9x family
};

// The platform's error codes, as the registry functions return them.
using RegistryStatus = long;
namespace regstatus {
constexpr RegistryStatus kSuccess = 0;
constexpr RegistryStatus kFileNotFound = 2;
constexpr RegistryStatus kAccessDenied = 5;
constexpr RegistryStatus kInvalidHandle = 6;
constexpr RegistryStatus kMoreData = 234;
constexpr RegistryStatus kUnsupportedType = 1630;
}  // namespace regstatus

namespace regaccess {
constexpr std::uint32_t kRead = 0x20019;
constexpr std::uint32_t kAllAccess = 0xF003F;
}  // namespace regaccess

namespace regtype {
constexpr std::uint32_t kString = 1;  // REG_SZ
constexpr std::uint32_t kBinary = 3;
constexpr std::uint32_t kDword = 4;
}  // namespace regtype

struct RegistryKeyKind;
using RegistryKey = UniqueHandle<RegistryKeyKind>;

struct KeyResult {
  RegistryStatus status = regstatus::kInvalidHandle;
  RegistryKey key;  // empty unless status is kSuccess
};

struct ValueInfo {
  RegistryStatus status = regstatus::kInvalidHandle;
  std::uint32_t type = 0;
  // Bytes copied; with kMoreData the size the value needs.
  std::uint32_t size = 0;
};

struct StringResult {
  RegistryStatus status = regstatus::kInvalidHandle;
  std::string value;  // UTF-8, without the terminating NUL
};

class Registry {
 public:
  virtual ~Registry() = default;

  // RegCreateKey: opens the key below the root, creating the missing keys on the way.
  [[nodiscard]] virtual KeyResult CreateKey(RegistryRoot root, std::string_view path) = 0;
  // RegOpenKeyEx with the access mask (regaccess); never creates.
  [[nodiscard]] virtual KeyResult OpenKey(RegistryRoot root, std::string_view path, std::uint32_t access) = 0;

  // Operations on an empty key return kInvalidHandle.
  // RegSetValueEx as REG_SZ, the text written with its terminating NUL (the size passed counts it).
  virtual RegistryStatus SetString(const RegistryKey& key, std::string_view name, std::string_view value) = 0;
  // RegDeleteValue; kFileNotFound when there was no such value.
  virtual RegistryStatus DeleteValue(const RegistryKey& key, std::string_view name) = 0;
  // RegQueryValueEx into the buffer, whatever the value's type.
  virtual ValueInfo QueryValue(const RegistryKey& key, std::string_view name,
                               std::span<std::uint8_t> data) = 0;
  // RegQueryValueEx of a REG_SZ value as text; kUnsupportedType when the value has another type.
  virtual StringResult QueryString(const RegistryKey& key, std::string_view name) = 0;
};

}  // namespace zv::platform
