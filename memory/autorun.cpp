// The start-with-Windows entry: the value "VK" under a Run key of the registry.
#include "memory/autorun.h"

#include <algorithm>
#include <optional>

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

std::string_view Unquoted(std::string_view command) {
  while (!command.empty() && command.front() == ' ') command.remove_prefix(1);
  while (!command.empty() && command.back() == ' ') command.remove_suffix(1);
  if (command.size() >= 2 && command.front() == '"' && command.back() == '"') {
    command = command.substr(1, command.size() - 2);
  }
  return command;
}

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Read access is enough to look, so these two also answer for a key the account may not change.
std::optional<std::string> ReadValue(platform::Registry& registry, RegistryRoot root) {
  const platform::KeyResult run = registry.OpenKey(root, kRunKeyPath, platform::regaccess::kRead);
  if (!run.key) return std::nullopt;
  platform::StringResult value = registry.QueryString(run.key, kAutorunValueName);
  if (value.status != platform::regstatus::kSuccess) return std::nullopt;
  return std::move(value.value);
}

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

bool SameAutorunCommand(std::string_view a, std::string_view b) {
  a = Unquoted(a);
  b = Unquoted(b);
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

AutorunChange AddAutorunEntry(platform::Registry& registry, forms::Application& app) {
  const std::string command = AutorunCommand(app);
  const auto machineHolds = [&] {
    const std::optional<std::string> machine = ReadValue(registry, RegistryRoot::kLocalMachine);
    return machine && SameAutorunCommand(*machine, command);
  };
  // A user's copy beside the machine's entry would start the program twice at logon.
  if (WriteValue(registry, RegistryRoot::kLocalMachine, command) || machineHolds()) {
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
