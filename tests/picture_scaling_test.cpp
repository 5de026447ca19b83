// Pictures at a dpi: which drawn set serves it, the sizes a picture takes at each dpi and back, and the
// smooth resize for a dpi between the sets.
#include "platform/picture_scaling.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_runtime.h"

namespace zv {
namespace {

TEST(PictureSetDpiTest, TheSmallestSetAtOrAboveTheDpiOrTheLargest) {
  const std::pair<int, int> cases[] = {{72, 96},   {96, 96},   {97, 120},  {120, 120}, {121, 144},
                                       {144, 144}, {168, 192}, {192, 192}, {240, 192}};
  for (const auto& [dpi, set] : cases) EXPECT_EQ(PictureSetDpi(dpi), set) << dpi;
}

TEST(PictureSizeTest, ASizeAtADpiIsTheSizeOfAControlLaidOutThere) {
  EXPECT_EQ(PictureSizeAt({786, 557}, 96), (Size{786, 557}));
  EXPECT_EQ(PictureSizeAt({786, 557}, 120), (Size{983, 696}));
  EXPECT_EQ(PictureSizeAt({786, 557}, 144), (Size{1179, 836}));
  EXPECT_EQ(PictureSizeAt({786, 557}, 192), (Size{1572, 1114}));
  EXPECT_EQ(PictureSizeAt({786, 557}, 168), (Size{1376, 975}));
}

TEST(PictureSizeTest, TheSizeAt96IsRecoveredFromEverySet) {
  for (int set : kPictureSetDpis) {
    for (int side = 1; side <= 2000; ++side) {
      const Size drawn = PictureSizeAt({side, side + 1}, set);
      ASSERT_EQ(PictureSizeAt96(drawn, set), (Size{side, side + 1})) << side << " at " << set;
    }
  }
}

Picture Columns(int width, int height, Color left, Color right, int split) {
  Picture p(width, height, left);
  for (int y = 0; y < height; ++y)
    for (int x = split; x < width; ++x) p.Set(x, y, right);
  return p;
}

TEST(ResizeSmoothTest, TheSameSizeGivesTheSamePixels) {
  Picture p(5, 3);
  for (int i = 0; i < 15; ++i) p.pixels[static_cast<size_t>(i)] = static_cast<Color>(i * 0x0A0B0C);
  const Picture same = ResizeSmooth(p, {5, 3});
  EXPECT_EQ(same.pixels, p.pixels);
}

TEST(ResizeSmoothTest, FlatAreasKeepTheirColourAndEdgesBlendBetweenTheirSides) {
  // Black | white, reduced from the 200 % set to 175 % and enlarged by a half.
  const Picture source = Columns(40, 4, 0x000000, 0xFFFFFF, 20);
  for (const Size size : {Size{35, 3}, Size{60, 6}}) {
    const Picture out = ResizeSmooth(source, size);
    ASSERT_EQ((Size{out.width, out.height}), size);
    EXPECT_EQ(out.At(0, 0), 0x000000u);
    EXPECT_EQ(out.At(size.width - 1, size.height - 1), 0xFFFFFFu);
    for (int y = 0; y < size.height; ++y) {
      for (int x = 1; x < size.width; ++x) {
        const Color c = out.At(x, y);
        EXPECT_EQ(c & 0xFF, (c >> 8) & 0xFF) << "grey stays grey";
        EXPECT_GE(c & 0xFF, out.At(x - 1, y) & 0xFF) << "no ringing at " << x;
      }
    }
  }
}

TEST(ResizeSmoothTest, HalvingAveragesEachPairOfPixels) {
  Picture checker(4, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) checker.Set(x, y, (x + y) % 2 ? 0xFFFFFFu : 0x000000u);
  const Picture half = ResizeSmooth(checker, {2, 1});
  for (Color c : half.pixels) EXPECT_EQ(c, 0x808080u);
}

TEST(MapPictureSourceTest, APictureIsResizedForTheDpiAndKept) {
  headless::MapPictureSource source;
  source.pictures["skin"] = Columns(786, 557, 0x102030, 0x102030, 0);
  const Picture* at96 = source.Find("skin", 96);
  ASSERT_NE(at96, nullptr);
  EXPECT_EQ(at96, &source.pictures["skin"]);
  const Picture* at144 = source.Find("skin", 144);
  ASSERT_NE(at144, nullptr);
  EXPECT_EQ((Size{at144->width, at144->height}), (Size{1179, 836}));
  EXPECT_EQ(at144->At(600, 400), 0x102030u);
  EXPECT_EQ(source.Find("skin", 144), at144);
  EXPECT_EQ(source.Find("none", 144), nullptr);
}

}  // namespace
}  // namespace zv
