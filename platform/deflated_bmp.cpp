// Inflating a deflated bitmap with zlib and reading the .bmp file it holds.
#include "platform/deflated_bmp.h"

#include <zlib.h>

#include <vector>

#include "platform/bmp.h"

namespace zv {

std::optional<Picture> InflateBmp(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kDeflatedBmpHeaderBytes) return std::nullopt;
  const std::uint32_t length =
      bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
  if (length == 0 || length > kMaxInflatedBmpBytes) return std::nullopt;
  const std::span<const std::uint8_t> stream = bytes.subspan(kDeflatedBmpHeaderBytes);

  std::vector<std::uint8_t> file(length);
  uLongf fileLength = length;
  uLong streamLength = static_cast<uLong>(stream.size());
  // uncompress2 reports in streamLength how much of the input the stream took.
  const int result = uncompress2(file.data(), &fileLength, stream.data(), &streamLength);
  if (result != Z_OK || fileLength != length || streamLength != stream.size()) return std::nullopt;
  return DecodeBmp(file);
}

}  // namespace zv
