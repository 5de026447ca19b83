// A memory-status source that reports what a test sets, and counts the queries.
#pragma once

#include <deque>

#include "platform/memory_status.h"

namespace zv::platform {

class FakeMemoryStatus final : public MemoryStatusSource {
 public:
  bool QueryEx(MemoryStatusEx& status) override {
    ++exQueries;
    status = exFails ? MemoryStatusEx{} : ex;
    return !exFails;
  }

  // Takes the next queued record if there is one (e.g. before and after a release), else `status32`.
  void Query32(MemoryStatus32& status) override {
    ++queries32;
    if (queued32.empty()) {
      status = status32;
      return;
    }
    status = queued32.front();
    queued32.pop_front();
  }

  MemoryStatusEx ex;
  bool exFails = false;
  MemoryStatus32 status32;
  std::deque<MemoryStatus32> queued32;
  int exQueries = 0;
  int queries32 = 0;
};

}  // namespace zv::platform
