// Replaces the global operator new and delete with ones that count the live blocks and bytes.
#include "tests/soak/live_allocations.h"

#include <cstdlib>
#include <new>

namespace {

// Each block carries its size in front of it, on a boundary any object may need.
constexpr std::size_t kHeader = alignof(std::max_align_t);
zv::testing::LiveAllocations live;  // the soak runs on one thread

}  // namespace

void* operator new(std::size_t size) {
  auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
  if (block == nullptr) throw std::bad_alloc();
  *reinterpret_cast<std::size_t*>(block) = size;
  ++live.blocks;
  live.bytes += static_cast<long long>(size);
  return block + kHeader;
}

void operator delete(void* object) noexcept {
  if (object == nullptr) return;
  auto* block = static_cast<unsigned char*>(object) - kHeader;
  --live.blocks;
  live.bytes -= static_cast<long long>(*reinterpret_cast<std::size_t*>(block));
  std::free(block);
}

void operator delete(void* object, std::size_t) noexcept { operator delete(object); }

namespace zv::testing {

LiveAllocations CurrentAllocations() { return live; }

}  // namespace zv::testing
