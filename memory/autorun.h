// The start-with-Windows entry: the value "VK" under a Run key of the registry.
#pragma once

#include <string>
#include <string_view>

#include "platform/forms/runtime.h"
#include "platform/registry.h"

namespace zv::memory {

inline constexpr std::string_view kRunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kAutorunValueName = "VK";

// The outcome of a change of the entry.
struct AutorunChange {
  bool done = true;
  // When not done: the Run keys that could not be changed, spelled out for the user.
  std::string location;
};

// The command line the entry holds: the executable's path in double quotes, so that a folder with
// spaces cannot make the platform start another program in its place. At a drive root the path has
// two separators ("C:\\Zorvane.exe"), as the folder is reported with one.
std::string AutorunCommand(forms::Application& app);

// Registers the program exactly once where it can: under the machine's Run key when it takes the entry
// or already holds this command (an earlier run with administrative rights), the user's copy then
// removed; otherwise under the user's key. A machine value with another command that this account cannot
// change (a moved or second copy) stays; the single-instance guard makes the double start harmless.
AutorunChange AddAutorunEntry(platform::Registry& registry, forms::Application& app);

// Whether two Run values start the same executable: quotation marks around the path and the letter case
// make no difference.
bool SameAutorunCommand(std::string_view a, std::string_view b);

// Removes the value from both Run keys; done when neither holds it afterwards, also when there was none.
AutorunChange RemoveAutorunEntry(platform::Registry& registry);

}  // namespace zv::memory
