// Pictures kept small: a .bmp file as a zlib stream, decoded with zlib and then as a bitmap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/picture.h"

namespace zv {

// A deflated bitmap is the length of the .bmp file (4 bytes, little-endian) followed by the file as one
// zlib stream (RFC 1950); tools/deflate_bmp writes them.
inline constexpr std::size_t kDeflatedBmpHeaderBytes = 4;
// The largest .bmp file a deflated bitmap may hold; larger claims are taken for damage.
inline constexpr std::uint32_t kMaxInflatedBmpBytes = 64u << 20;

// Inflates the stream and reads the bitmap as DecodeBmp does. Gives nullopt if the stream is damaged, does
// not end where the bytes end, or inflates to another length than the one stated. The inflated file is
// released before returning.
std::optional<Picture> InflateBmp(std::span<const std::uint8_t> bytes);

}  // namespace zv
