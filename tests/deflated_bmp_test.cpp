// Deflated bitmaps: every picture the build packs for the exe inflates to the pixels of its .bmp file, and
// damaged or inconsistent packs are rejected.
#include "platform/deflated_bmp.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/bmp.h"

namespace zv {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The pack as tools/deflate_bmp writes it, with the stated length given separately.
Bytes Pack(const Bytes& file, std::uint32_t statedLength) {
  uLongf streamLength = compressBound(static_cast<uLong>(file.size()));
  Bytes pack(kDeflatedBmpHeaderBytes + streamLength);
  for (size_t i = 0; i < kDeflatedBmpHeaderBytes; ++i)
    pack[i] = static_cast<std::uint8_t>(statedLength >> (8 * i));
  EXPECT_EQ(compress2(pack.data() + kDeflatedBmpHeaderBytes, &streamLength, file.data(),
                      static_cast<uLong>(file.size()), Z_BEST_COMPRESSION),
            Z_OK);
  pack.resize(kDeflatedBmpHeaderBytes + streamLength);
  return pack;
}
Bytes Pack(const Bytes& file) { return Pack(file, static_cast<std::uint32_t>(file.size())); }

void ExpectSamePixels(const Picture& actual, const Picture& expected) {
  ASSERT_EQ(actual.width, expected.width);
  ASSERT_EQ(actual.height, expected.height);
  for (int y = 0; y < expected.height; ++y) {
    for (int x = 0; x < expected.width; ++x) {
      ASSERT_EQ(actual.At(x, y), expected.At(x, y)) << "at " << x << "," << y;
    }
  }
}

// Every pixel different, so that a shifted or swapped byte shows.
Bytes PatternFile(int width, int height) {
  Picture p(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) p.Set(x, y, Rgb(x * 37 + 5, y * 53 + 11, (x * 17 + y * 31) % 256));
  }
  return EncodeBmp24(p);
}

TEST(DeflatedBmp, EveryPackedPictureOfTheExeHasTheArtFilesPixels) {
  int pictures = 0;
  // The scaled sets in their folders too.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(ZV_ART_DIR)) {
    if (entry.path().extension() != ".bmp") continue;
    const std::filesystem::path relative = std::filesystem::relative(entry.path(), ZV_ART_DIR);
    SCOPED_TRACE(relative.string());
    const std::optional<Picture> expected = DecodeBmp(ReadFile(entry.path()));
    ASSERT_TRUE(expected);
    const Bytes pack = ReadFile(std::filesystem::path(ZV_DEFLATED_ART_DIR) / (relative.string() + ".z"));
    ASSERT_FALSE(pack.empty()) << "not packed";
    const std::optional<Picture> actual = InflateBmp(pack);
    ASSERT_TRUE(actual);
    ExpectSamePixels(*actual, *expected);
    ++pictures;
  }
  EXPECT_GT(pictures, 0);
}

TEST(DeflatedBmp, InflatesAPackOfAnyShape) {
  for (const auto& [width, height] :
       {std::pair{1, 1}, std::pair{3, 2}, std::pair{64, 1}, std::pair{17, 33}}) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    const Bytes file = PatternFile(width, height);
    const std::optional<Picture> actual = InflateBmp(Pack(file));
    ASSERT_TRUE(actual);
    ExpectSamePixels(*actual, *DecodeBmp(file));
  }
}

TEST(DeflatedBmp, RejectsDamagedAndInconsistentPacks) {
  const Bytes file = PatternFile(9, 7);
  const Bytes good = Pack(file);
  const auto length = static_cast<std::uint32_t>(file.size());
  auto withTrailingByte = good;
  withTrailingByte.push_back(0);
  auto flipped = good;
  // The right length, then the file itself instead of a stream.
  auto notZlib = file;
  notZlib.insert(notZlib.begin(), good.begin(), good.begin() + kDeflatedBmpHeaderBytes);
  flipped[good.size() / 2] ^= 0x10;
  struct Case {
    const char* what;
    Bytes pack;
  };
  const Case cases[] = {
      {"empty", {}},
      {"header cut short", Bytes(good.begin(), good.begin() + 3)},
      {"header only", Bytes(good.begin(), good.begin() + kDeflatedBmpHeaderBytes)},
      {"zero length stated", Pack(file, 0)},
      {"longer than the file", Pack(file, length + 1)},
      {"shorter than the file", Pack(file, length - 1)},
      {"more than the largest file", Pack(file, kMaxInflatedBmpBytes + 1)},
      {"bytes after the stream", withTrailingByte},
      {"a byte of the stream changed", flipped},
      {"not a zlib stream", notZlib},
      {"a stream of something else", Pack(Bytes(200, 'x'))},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(InflateBmp(c.pack)) << c.what;
  }
  for (size_t cut = kDeflatedBmpHeaderBytes; cut < good.size(); ++cut) {
    EXPECT_FALSE(InflateBmp({good.data(), cut})) << "cut at " << cut;
  }
  EXPECT_TRUE(InflateBmp(good));
}

}  // namespace
}  // namespace zv
