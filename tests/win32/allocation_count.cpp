// Replaces the global operator new and delete with counting ones for the whole test program.
#include "tests/win32/allocation_count.h"

#include <cstdlib>
#include <new>

namespace {
long allocations = 0;  // the tests run on one thread
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace zv::platform {

long AllocationCount() { return allocations; }

}  // namespace zv::platform
