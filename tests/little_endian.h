// Little-endian fields of file images, as the tests of bitmap and icon files read them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zv {

using Bytes = std::vector<std::uint8_t>;

inline std::uint32_t U32At(const Bytes& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

inline std::uint16_t U16At(const Bytes& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

}  // namespace zv
