// An in-memory registry tree that records calls; key paths and value names match without regard to case.
#include "platform/fake/fake_registry.h"

#include <algorithm>

#include "platform/fake/fake_text.h"

namespace zv::platform {
namespace {

std::string RootLabel(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::kCurrentUser:
      return "HKCU";
    case RegistryRoot::kLocalMachine:
      return "HKLM";
    case RegistryRoot::kDynData:
      return "HKDD";
  }
  return "?";
}

std::string Label(RegistryRoot root, std::string_view path) {
  return path.empty() ? RootLabel(root) : RootLabel(root) + "\\" + std::string(path);
}

std::string_view TrimSeparators(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return path;
}

}  // namespace

std::string FakeRegistry::TreePath(RegistryRoot root, std::string_view path) {
  return faketext::Fold(Label(root, TrimSeparators(path)));
}

KeyResult FakeRegistry::CreateKey(RegistryRoot root, std::string_view path) {
  return Open(root, path, "CreateKey " + Label(root, path), true);
}

KeyResult FakeRegistry::OpenKey(RegistryRoot root, std::string_view path, std::uint32_t access) {
  return Open(root, path, "OpenKey " + Label(root, path) + " " + faketext::Hex(access), false);
}

KeyResult FakeRegistry::Open(RegistryRoot root, std::string_view path, const std::string& call, bool create) {
  if (!HasKey(root, path)) {
    if (!create) {
      calls.push_back(call + " not-found");
      return {regstatus::kFileNotFound, {}};
    }
    if (ReadOnly(root)) {
      calls.push_back(call + " denied");
      return {regstatus::kAccessDenied, {}};
    }
    MakeKey(root, path);
  }
  calls.push_back(call);
  ++keysOpened;
  const OpaqueHandle handle = ++lastHandle_;
  open_.emplace(handle, OpenedKey{root, TreePath(root, path), Label(root, path)});
  return {regstatus::kSuccess, RegistryKey(handle, this)};
}

// RegCreateKey makes every missing key on the way.
void FakeRegistry::MakeKey(RegistryRoot root, std::string_view path) {
  const std::string_view trimmed = TrimSeparators(path);
  for (std::size_t end = trimmed.find('\\'); end != std::string_view::npos;
       end = trimmed.find('\\', end + 1)) {
    keys_.try_emplace(TreePath(root, trimmed.substr(0, end)));
  }
  keys_.try_emplace(TreePath(root, trimmed));
}

RegistryStatus FakeRegistry::SetString(const RegistryKey& key, std::string_view name,
                                       std::string_view value) {
  const OpenedKey* opened = Find(key);
  calls.push_back("SetString " + (opened ? opened->label : "?") + " " + std::string(name) + "=" +
                  std::string(value));
  if (!opened) return regstatus::kInvalidHandle;
  if (ReadOnly(opened->root)) return regstatus::kAccessDenied;
  Value stored{regtype::kString, std::vector<std::uint8_t>(value.begin(), value.end())};
  stored.data.push_back(0);
  keys_[opened->path].values[faketext::Fold(name)] = std::move(stored);
  return regstatus::kSuccess;
}

RegistryStatus FakeRegistry::DeleteValue(const RegistryKey& key, std::string_view name) {
  const OpenedKey* opened = Find(key);
  calls.push_back("DeleteValue " + (opened ? opened->label : "?") + " " + std::string(name));
  if (!opened) return regstatus::kInvalidHandle;
  if (ReadOnly(opened->root)) return regstatus::kAccessDenied;
  return keys_[opened->path].values.erase(faketext::Fold(name)) ? regstatus::kSuccess
                                                                : regstatus::kFileNotFound;
}

ValueInfo FakeRegistry::QueryValue(const RegistryKey& key, std::string_view name,
                                   std::span<std::uint8_t> data) {
  const OpenedKey* opened = Find(key);
  calls.push_back("QueryValue " + (opened ? opened->label : "?") + " " + std::string(name));
  if (!opened) return {regstatus::kInvalidHandle, 0, 0};
  const Value* value = FindValue(opened->path, name);
  if (!value) return {regstatus::kFileNotFound, 0, 0};
  const auto size = static_cast<std::uint32_t>(value->data.size());
  // As on the platform, no buffer at all only asks for the size.
  if (data.empty()) return {regstatus::kSuccess, value->type, size};
  if (data.size() < value->data.size()) return {regstatus::kMoreData, value->type, size};
  std::copy(value->data.begin(), value->data.end(), data.begin());
  return {regstatus::kSuccess, value->type, size};
}

StringResult FakeRegistry::QueryString(const RegistryKey& key, std::string_view name) {
  const OpenedKey* opened = Find(key);
  calls.push_back("QueryString " + (opened ? opened->label : "?") + " " + std::string(name));
  if (!opened) return {regstatus::kInvalidHandle, {}};
  const Value* value = FindValue(opened->path, name);
  if (!value) return {regstatus::kFileNotFound, {}};
  if (value->type != regtype::kString) return {regstatus::kUnsupportedType, {}};
  const auto nul = std::find(value->data.begin(), value->data.end(), std::uint8_t{0});
  return {regstatus::kSuccess, std::string(value->data.begin(), nul)};
}

void FakeRegistry::PutValue(RegistryRoot root, std::string_view path, std::string_view name, Value value) {
  MakeKey(root, path);
  keys_[TreePath(root, path)].values[faketext::Fold(name)] = std::move(value);
}

std::optional<FakeRegistry::Value> FakeRegistry::GetValue(RegistryRoot root, std::string_view path,
                                                          std::string_view name) const {
  const Value* value = FindValue(TreePath(root, path), name);
  if (!value) return std::nullopt;
  return *value;
}

std::optional<std::string> FakeRegistry::GetString(RegistryRoot root, std::string_view path,
                                                   std::string_view name) const {
  const Value* value = FindValue(TreePath(root, path), name);
  if (!value || value->type != regtype::kString) return std::nullopt;
  const auto nul = std::find(value->data.begin(), value->data.end(), std::uint8_t{0});
  return std::string(value->data.begin(), nul);
}

bool FakeRegistry::HasKey(RegistryRoot root, std::string_view path) const {
  return TrimSeparators(path).empty() || keys_.count(TreePath(root, path)) != 0;
}

void FakeRegistry::SetReadOnly(RegistryRoot root, bool readOnly) {
  if (readOnly) {
    readOnly_.insert(root);
  } else {
    readOnly_.erase(root);
  }
}

void FakeRegistry::Release(OpaqueHandle handle) {
  const auto it = open_.find(handle);
  if (it == open_.end()) return;
  calls.push_back("CloseKey " + it->second.label);
  ++keysClosed;
  open_.erase(it);
}

const FakeRegistry::OpenedKey* FakeRegistry::Find(const RegistryKey& key) const {
  const auto it = open_.find(key.get());
  return it == open_.end() ? nullptr : &it->second;
}

const FakeRegistry::Value* FakeRegistry::FindValue(const std::string& treePath, std::string_view name) const {
  const auto key = keys_.find(treePath);
  if (key == keys_.end()) return nullptr;
  const auto value = key->second.values.find(faketext::Fold(name));
  return value == key->second.values.end() ? nullptr : &value->second;
}

}  // namespace zv::platform
