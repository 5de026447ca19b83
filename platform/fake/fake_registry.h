// An in-memory registry tree that records calls; key paths and value names match without regard to case.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace zv::platform {

class FakeRegistry final : public Registry, private HandleReleaser {
 public:
  struct Value {
    std::uint32_t type = 0;
    // A string set through SetString is kept as UTF-8 with its NUL (the platform keeps UTF-16).
    std::vector<std::uint8_t> data;
  };

  FakeRegistry() = default;
  FakeRegistry(const FakeRegistry&) = delete;
  FakeRegistry& operator=(const FakeRegistry&) = delete;

  KeyResult CreateKey(RegistryRoot root, std::string_view path) override;
  KeyResult OpenKey(RegistryRoot root, std::string_view path, std::uint32_t access) override;
  RegistryStatus SetString(const RegistryKey& key, std::string_view name, std::string_view value) override;
  RegistryStatus DeleteValue(const RegistryKey& key, std::string_view name) override;
  ValueInfo QueryValue(const RegistryKey& key, std::string_view name, std::span<std::uint8_t> data) override;
  StringResult QueryString(const RegistryKey& key, std::string_view name) override;

  // Seeding and inspection, creating the key and its parents as needed.
  void PutValue(RegistryRoot root, std::string_view path, std::string_view name, Value value);
  std::optional<Value> GetValue(RegistryRoot root, std::string_view path, std::string_view name) const;
  // The text of a REG_SZ value, nullopt when there is none.
  std::optional<std::string> GetString(RegistryRoot root, std::string_view path, std::string_view name) const;
  bool HasKey(RegistryRoot root, std::string_view path) const;

  // As HKEY_LOCAL_MACHINE for an account without administrative rights: existing keys open, but
  // creating keys and changing values fail with kAccessDenied.
  void SetReadOnly(RegistryRoot root, bool readOnly);

  // Every call in order, keys named as root and path: "CreateKey HKLM\Software\Run",
  // "CreateKey HKLM\Software\Run denied", "OpenKey HKDD\PerfStats\StatData 0x20019",
  // "SetString HKLM\Software\Run VK=C:\x.exe", "DeleteValue HKLM\Software\Run VK",
  // "QueryValue HKDD\PerfStats\StatData KERNEL\CPUUsage", "QueryString ...", "CloseKey HKLM\Software\Run".
  // A failing open ends in its status's name: "denied", "not-found".
  std::vector<std::string> calls;
  int keysOpened = 0;
  int keysClosed = 0;
  int OpenKeys() const { return static_cast<int>(open_.size()); }

 private:
  struct Key {
    std::map<std::string, Value> values;  // by folded name
  };
  struct OpenedKey {
    RegistryRoot root;
    std::string path;   // folded, the tree's index
    std::string label;  // as the caller wrote it, for the log
  };

  void Release(OpaqueHandle handle) override;
  KeyResult Open(RegistryRoot root, std::string_view path, const std::string& call, bool create);
  void MakeKey(RegistryRoot root, std::string_view path);
  const OpenedKey* Find(const RegistryKey& key) const;
  const Value* FindValue(const std::string& treePath, std::string_view name) const;
  bool ReadOnly(RegistryRoot root) const { return readOnly_.count(root) != 0; }
  static std::string TreePath(RegistryRoot root, std::string_view path);

  std::map<std::string, Key> keys_;  // by TreePath
  std::map<OpaqueHandle, OpenedKey> open_;
  std::set<RegistryRoot> readOnly_;
  OpaqueHandle lastHandle_ = 0;
};

}  // namespace zv::platform
