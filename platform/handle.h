// A move-only owner of an opaque platform handle, released once through the service that made it.
#pragma once

#include <cstdint>
#include <utility>

namespace zv::platform {

// A handle as it crosses the platform boundary (HANDLE, HKEY, HICON ... on Windows); 0 is "none".
using OpaqueHandle = std::uintptr_t;

// Implemented by each service that hands out owned handles; it must outlive them.
class HandleReleaser {
 public:
  virtual void Release(OpaqueHandle handle) = 0;

 protected:
  ~HandleReleaser() = default;
};

// Kind tags keep a registry key from being passed where an icon is expected.
template <typename Kind>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  UniqueHandle(OpaqueHandle value, HandleReleaser* releaser) : value_(value), releaser_(releaser) {}
  UniqueHandle(UniqueHandle&& other) noexcept
      : value_(std::exchange(other.value_, 0)), releaser_(std::exchange(other.releaser_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      value_ = std::exchange(other.value_, 0);
      releaser_ = std::exchange(other.releaser_, nullptr);
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  OpaqueHandle get() const { return value_; }
  explicit operator bool() const { return value_ != 0; }

  void Reset() {
    if (value_ != 0 && releaser_ != nullptr) releaser_->Release(value_);
    value_ = 0;
    releaser_ = nullptr;
  }

 private:
  OpaqueHandle value_ = 0;
  HandleReleaser* releaser_ = nullptr;
};

}  // namespace zv::platform
