// The number of operator-new calls so far in the test program, to show that some code allocates nothing.
#pragma once

namespace zv::platform {

long AllocationCount();

}  // namespace zv::platform
