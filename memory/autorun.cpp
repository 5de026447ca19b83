// The start-with-Windows entry: the value "VK" under a Run key of the registry.
#include "memory/autorun.h"

namespace zv::memory {
namespace {

using platform::RegistryRoot;

std::string Location(RegistryRoot root) {
  const char* name = root == RegistryRoot::kLocalMachine ? "HKEY_LOCAL_MACHINE\\" : "HKEY_CURRENT_USER\\";
  return name + std::string(kRunKeyPath);
}

void AddLocation(std::string& list, RegistryRoot root) {
  if (!list.empty()) list += "、";
  list += Location(root);
}

// RegCreateKey opens the key, creating it when it is missing; the key closes when `run` goes.
bool WriteValue(platform::Registry& registry, RegistryRoot root, std::string_view command) {
  const platform::KeyResult run = registry.CreateKey(root, kRunKeyPath);
  return registry.SetString(run.key, kAutorunValueName, command) == platform::regstatus::kSuccess;
}

void DeleteValue(platform::Registry& registry, RegistryRoot root) {
  const platform::KeyResult run = registry.CreateKey(root, kRunKeyPath);
  (void)registry.DeleteValue(run.key, kAutorunValueName);
}

// Read access is enough to look, so this also answers for a key the account may not change.
bool HoldsValue(platform::Registry& registry, RegistryRoot root) {
  const platform::KeyResult run = registry.OpenKey(root, kRunKeyPath, platform::regaccess::kRead);
  if (!run.key) return false;
  const platform::RegistryStatus status = registry.QueryValue(run.key, kAutorunValueName, {}).status;
  return status == platform::regstatus::kSuccess || status == platform::regstatus::kMoreData;
}

}  // namespace

std::string AutorunCommand(forms::Application& app) {
  std::string command = "\"";
  command.append(app.Folder()).append("\\").append(app.ExeName()).append(".exe\"");
  return command;
}

AutorunChange AddAutorunEntry(platform::Registry& registry, forms::Application& app) {
  const std::string command = AutorunCommand(app);
  if (WriteValue(registry, RegistryRoot::kLocalMachine, command)) {
    DeleteValue(registry, RegistryRoot::kCurrentUser);
    return {};
  }
  if (WriteValue(registry, RegistryRoot::kCurrentUser, command)) return {};
  AutorunChange failed{.done = false};
  AddLocation(failed.location, RegistryRoot::kLocalMachine);
  AddLocation(failed.location, RegistryRoot::kCurrentUser);
  return failed;
}

AutorunChange RemoveAutorunEntry(platform::Registry& registry) {
  AutorunChange change;
  for (RegistryRoot root : {RegistryRoot::kLocalMachine, RegistryRoot::kCurrentUser}) {
    DeleteValue(registry, root);
    if (!HoldsValue(registry, root)) continue;
    change.done = false;
    AddLocation(change.location, root);
  }
  return change;
}

}  // namespace zv::memory
