// Token privileges that record each request and answer with the scripted result.
#pragma once

#include <string>
#include <vector>

#include "platform/token_privileges.h"

namespace zv::platform {

class FakeTokenPrivileges final : public TokenPrivileges {
 public:
  PrivilegeResult Enable(std::string_view name) override {
    requested.emplace_back(name);
    return result;
  }

  std::vector<std::string> requested;
  PrivilegeResult result = PrivilegeResult::kEnabled;
};

}  // namespace zv::platform
