// A shell that records what it was asked to open.
#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace zv::platform {

class FakeShellExecutor final : public ShellExecutor {
 public:
  struct Request {
    WindowHandle owner = 0;
    std::string verb;
    std::string file;
    friend bool operator==(const Request&, const Request&) = default;
  };

  bool Execute(WindowHandle owner, std::string_view verb, std::string_view file) override {
    requests.push_back({owner, std::string(verb), std::string(file)});
    return succeeds;
  }

  std::vector<Request> requests;
  bool succeeds = true;
};

}  // namespace zv::platform
