// Blocks and bytes the program holds from operator new at this moment, for the whole test program.
#pragma once

#include <cstddef>

namespace zv::testing {

struct LiveAllocations {
  long blocks = 0;
  long long bytes = 0;
};

LiveAllocations CurrentAllocations();

}  // namespace zv::testing
