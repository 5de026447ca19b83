// The session's single-instance lock shared by the guards of one test, and what later starts posted.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/fake/fake_text.h"
#include "platform/instance_guard.h"

namespace zv::platform {

// One user session as the guards see it.
struct FakeInstanceSession {
  bool locked = false;     // a guard holds the lock
  bool lockFails = false;  // the platform cannot make the lock at all
  std::set<std::uint32_t> accepted;
  // Messages posted to the session's top-level windows, each after the foreground was granted.
  std::vector<std::uint32_t> posted;
};

class FakeInstanceGuard final : public InstanceGuard {
 public:
  explicit FakeInstanceGuard(FakeInstanceSession& session) : session_(session) {}
  ~FakeInstanceGuard() override {
    if (holds_) session_.locked = false;
  }
  FakeInstanceGuard(const FakeInstanceGuard&) = delete;
  FakeInstanceGuard& operator=(const FakeInstanceGuard&) = delete;

  bool Claim() override {
    if (session_.lockFails) {
      calls.push_back("Claim failed");
      return true;
    }
    if (holds_) return true;
    if (session_.locked) {
      calls.push_back("Claim held elsewhere");
      return false;
    }
    calls.push_back("Claim taken");
    session_.locked = holds_ = true;
    return true;
  }
  void AcceptMessage(std::uint32_t message) override {
    calls.push_back("AcceptMessage " + faketext::Hex(message));
    session_.accepted.insert(message);
  }
  void NotifyRunningInstance(std::uint32_t message) override {
    calls.push_back("NotifyRunningInstance " + faketext::Hex(message));
    session_.posted.push_back(message);
  }

  // "Claim taken", "Claim held elsewhere", "Claim failed", "AcceptMessage 0xc000",
  // "NotifyRunningInstance 0xc000".
  std::vector<std::string> calls;
  bool Holds() const { return holds_; }

 private:
  FakeInstanceSession& session_;
  bool holds_ = false;
};

}  // namespace zv::platform
