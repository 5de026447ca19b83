// One owner type per Win32 handle kind, each closing its handle with the matching function, once.
#pragma once

#include <utility>

#include "platform/handle.h"
#include "platform/win32/windows_api.h"

namespace zv::platform {

template <typename Traits>
class ScopedHandle {
 public:
  using Native = typename Traits::Native;

  ScopedHandle() = default;
  explicit ScopedHandle(Native handle) : handle_(handle) {}
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.Release()) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ~ScopedHandle() { Reset(); }

  Native get() const { return handle_; }
  bool IsValid() const { return handle_ != Traits::Invalid(); }
  explicit operator bool() const { return IsValid(); }

  // Gives up ownership, e.g. to a portable UniqueHandle that closes it through its service.
  Native Release() { return std::exchange(handle_, Traits::Invalid()); }

  void Reset(Native handle = Traits::Invalid()) {
    if (IsValid()) Traits::Close(handle_);
    handle_ = handle;
  }

 private:
  Native handle_ = Traits::Invalid();
};

struct ProcessHandleTraits {
  using Native = HANDLE;
  static Native Invalid() { return nullptr; }
  static void Close(Native h) { CloseHandle(h); }
};

struct TokenHandleTraits {
  using Native = HANDLE;
  static Native Invalid() { return nullptr; }
  static void Close(Native h) { CloseHandle(h); }
};

// CreateToolhelp32Snapshot and CreateFile report failure as INVALID_HANDLE_VALUE, not null.
struct SnapshotHandleTraits {
  using Native = HANDLE;
  static Native Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Native h) { CloseHandle(h); }
};

struct FileHandleTraits {
  using Native = HANDLE;
  static Native Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Native h) { CloseHandle(h); }
};

struct MutexHandleTraits {
  using Native = HANDLE;
  static Native Invalid() { return nullptr; }
  static void Close(Native h) { CloseHandle(h); }
};

struct RegistryKeyTraits {
  using Native = HKEY;
  static Native Invalid() { return nullptr; }
  static void Close(Native h) { RegCloseKey(h); }
};

struct IconTraits {
  using Native = HICON;
  static Native Invalid() { return nullptr; }
  static void Close(Native h) { DestroyIcon(h); }
};

using ProcessHandle = ScopedHandle<ProcessHandleTraits>;
using TokenHandle = ScopedHandle<TokenHandleTraits>;
using SnapshotHandle = ScopedHandle<SnapshotHandleTraits>;
using FileHandle = ScopedHandle<FileHandleTraits>;
using MutexHandle = ScopedHandle<MutexHandleTraits>;
using RegistryKeyHandle = ScopedHandle<RegistryKeyTraits>;
using IconHandle = ScopedHandle<IconTraits>;

// Native handles inside portable UniqueHandles. A snapshot handle is never 0 when valid, so the
// portable "empty" value 0 stays free for "none" in every kind.
template <typename Native>
Native FromOpaque(OpaqueHandle handle) {
  return reinterpret_cast<Native>(handle);
}
template <typename Native>
OpaqueHandle ToOpaque(Native handle) {
  return reinterpret_cast<OpaqueHandle>(handle);
}

}  // namespace zv::platform
