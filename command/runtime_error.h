// Run-time errors that the skinned button's property setters report to their caller, by number.
#pragma once

#include <string_view>

namespace zv::command {

enum class [[nodiscard]] RuntimeError{
    kNone = 0,
    kInvalidPropertyValue = 380,
    kSetNotSupportedAtRunTime = 382,
    kSetNotPermitted = 387,
};

// The standard text of the error, empty for kNone.
std::string_view ErrorText(RuntimeError error);

}  // namespace zv::command
