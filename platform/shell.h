// Shell services: opening a document or address with its registered program.
#pragma once

#include <cstdint>
#include <string_view>

namespace zv::platform {

// An opaque window handle as it crosses the platform boundary (HWND on Windows).
using WindowHandle = std::uintptr_t;

class ShellExecutor {
 public:
  virtual ~ShellExecutor() = default;
  // ShellExecute(owner, verb, file, no parameters, no directory, SW_SHOWNORMAL); true on success.
  virtual bool Execute(WindowHandle owner, std::string_view verb, std::string_view file) = 0;
};

}  // namespace zv::platform
