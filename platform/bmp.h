// Windows bitmap files: writing 24-bit pictures and reading uncompressed 24- and 32-bit ones.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/picture.h"

namespace zv {

// A complete .bmp file: file header, BITMAPINFOHEADER, 24 bits per pixel, rows bottom-up padded to 4 bytes.
std::vector<std::uint8_t> EncodeBmp24(const Picture& picture);

// Reads an uncompressed (BI_RGB) 24- or 32-bit bitmap, bottom-up or top-down. Gives nullopt for anything
// else or anything malformed; never reads outside the bytes.
std::optional<Picture> DecodeBmp(std::span<const std::uint8_t> bytes);

}  // namespace zv
