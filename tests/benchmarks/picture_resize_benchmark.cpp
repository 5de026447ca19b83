// A picture for a dpi between the drawn sets: resizing the 200 % skin to 175 % (168 dpi), beside inflating
// that skin from the exe's deflated copy, which every paint of the window's background does at a drawn dpi.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/bmp.h"
#include "platform/deflated_bmp.h"
#include "platform/picture_scaling.h"

namespace {

std::vector<std::uint8_t> SkinFile() {
  std::ifstream in(ZV_ART_DIR "/200/skin.bmp", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The file as the exe keeps it: its length, then one zlib stream.
std::vector<std::uint8_t> Deflated(const std::vector<std::uint8_t>& file) {
  uLongf length = compressBound(static_cast<uLong>(file.size()));
  std::vector<std::uint8_t> packed(zv::kDeflatedBmpHeaderBytes + length);
  const auto size = static_cast<std::uint32_t>(file.size());
  for (int i = 0; i < 4; ++i) packed[static_cast<size_t>(i)] = static_cast<std::uint8_t>(size >> (8 * i));
  compress2(packed.data() + zv::kDeflatedBmpHeaderBytes, &length, file.data(),
            static_cast<uLong>(file.size()), 9);
  packed.resize(zv::kDeflatedBmpHeaderBytes + length);
  return packed;
}

void BM_InflateSkinAt200(benchmark::State& state) {
  const std::vector<std::uint8_t> packed = Deflated(SkinFile());
  for (auto _ : state) benchmark::DoNotOptimize(zv::InflateBmp(packed));
}
BENCHMARK(BM_InflateSkinAt200)->Unit(benchmark::kMillisecond);

void BM_ResizeSkin200To175(benchmark::State& state) {
  const std::optional<zv::Picture> skin = zv::DecodeBmp(SkinFile());
  if (!skin) {
    state.SkipWithError("no 200 % skin");
    return;
  }
  const zv::Size target = zv::PictureSizeAt(zv::PictureSizeAt96({skin->width, skin->height}, 192), 168);
  for (auto _ : state) benchmark::DoNotOptimize(zv::ResizeSmooth(*skin, target));
}
BENCHMARK(BM_ResizeSkin200To175)->Unit(benchmark::kMillisecond);

}  // namespace
