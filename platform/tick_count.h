// A 64-bit millisecond count built from the 32-bit one, which wraps every 49.7 days.
#pragma once

#include <cstdint>

namespace zv::platform {

// The count `now` read after `previous`, with the wraps seen so far in the high half. Exact as long as
// reads come less than 49.7 days apart.
constexpr std::uint64_t ExtendTickCount(std::uint64_t previous, std::uint32_t now) {
  constexpr std::uint64_t kWrap = std::uint64_t{1} << 32;
  std::uint64_t wraps = previous & ~(kWrap - 1);
  if (now < static_cast<std::uint32_t>(previous)) wraps += kWrap;
  return wraps | now;
}

}  // namespace zv::platform
