// The 64-bit tick count made from the wrapping 32-bit one.
#include "platform/tick_count.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace zv::platform {
namespace {

constexpr std::uint64_t kWrap = std::uint64_t{1} << 32;

struct TickCase {
  const char* what;
  std::uint64_t previous;
  std::uint32_t now;
  std::uint64_t expected;
};

TEST(ExtendTickCountTest, CountsEachWrapOfTheLowHalf) {
  const TickCase cases[] = {
      {"first read", 0, 1234, 1234},
      {"later, no wrap", 1000, 5000, 5000},
      {"same count", 5000, 5000, 5000},
      {"the count wrapped", 0xFFFFFF00u, 0x10, kWrap + 0x10},
      {"wrapped again", 3 * kWrap + 0xFFFFFFF0u, 5, 4 * kWrap + 5},
      {"after wraps, no new one", 2 * kWrap + 10, 20, 2 * kWrap + 20},
      {"the last count before a wrap", kWrap - 2, 0xFFFFFFFFu, kWrap - 1},
  };
  for (const TickCase& c : cases) {
    EXPECT_EQ(c.expected, ExtendTickCount(c.previous, c.now)) << c.what;
  }
}

}  // namespace
}  // namespace zv::platform
