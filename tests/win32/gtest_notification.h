// Stands in for GoogleTest's Notification, which needs std::mutex: the cross compiler's win32 thread
// model has none. Only GoogleTest's own thread helpers use it, and these tests start no threads.
#pragma once

#include <atomic>

namespace testing::internal {

class Notification {
 public:
  void Notify() { notified_.store(true); }
  void WaitForNotification() {
    while (!notified_.load()) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
