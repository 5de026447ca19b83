// Pixel rules of the raster canvas: fills, frames, lines, focus rectangles, pictures and clipping.
#include "platform/canvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/print_helpers.h"

namespace zv {
namespace {

constexpr Color kPaper = Rgb(10, 20, 30);
constexpr Color kInk = Rgb(200, 100, 50);

// The canvas as text, one line per row: each colour of the legend as its letter, others '.'.
std::string Sketch(const Canvas& canvas, const std::map<Color, char>& legend = {{kInk, '#'}}) {
  std::string text;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const auto found = legend.find(canvas.GetPixel(x, y));
      text += found == legend.end() ? '.' : found->second;
    }
    text += '\n';
  }
  return text;
}

// The pixels of one colour as "(x,y)" in row order.
std::string InkPoints(const Canvas& canvas, Color ink = kInk) {
  std::ostringstream text;
  const char* separator = "";
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      if (canvas.GetPixel(x, y) != ink) continue;
      text << separator << "(" << x << "," << y << ")";
      separator = " ";
    }
  }
  return text.str();
}

struct RectCase {
  const char* name;
  Rect rect;
  std::string expected;
};

TEST(CanvasTest, FillRectCoversLeftTopInclusiveRightBottomExclusive) {
  const RectCase cases[] = {
      {"inside", {1, 1, 4, 3}, Rows({"......", ".###..", ".###..", "......"})},
      {"one pixel", {2, 2, 3, 3}, Rows({"......", "......", "..#...", "......"})},
      {"empty width", {2, 1, 2, 3}, Rows({"......", "......", "......", "......"})},
      {"empty height", {1, 2, 4, 2}, Rows({"......", "......", "......", "......"})},
      {"inverted", {4, 3, 1, 1}, Rows({"......", "......", "......", "......"})},
      {"clipped top-left", {-3, -2, 2, 1}, Rows({"##....", "......", "......", "......"})},
      {"clipped bottom-right", {4, 2, 100, 100}, Rows({"......", "......", "....##", "....##"})},
      {"beyond the right edge", {6, 0, 9, 4}, Rows({"......", "......", "......", "......"})},
      {"whole coordinate range",
       {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
       Rows({"######", "######", "######", "######"})},
  };
  OwnedCanvas owned(6, 4, nullptr);
  Canvas& canvas = owned.canvas();
  for (const RectCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << ": FillRect " << Describe(c.rect));
    canvas.Clear(kPaper);
    canvas.FillRect(c.rect, kInk);
    EXPECT_EQ(Sketch(canvas), c.expected);
  }
}

TEST(CanvasTest, FrameRectOutlinesTheOutermostPixels) {
  const RectCase cases[] = {
      {"box", {1, 1, 5, 4}, Rows({".......", ".####..", ".#..#..", ".####..", "......."})},
      {"two by two", {0, 0, 2, 2}, Rows({"##.....", "##.....", ".......", ".......", "......."})},
      {"one column", {2, 0, 3, 4}, Rows({"..#....", "..#....", "..#....", "..#....", "......."})},
      {"one row", {1, 2, 6, 3}, Rows({".......", ".......", ".#####.", ".......", "......."})},
      {"empty", {1, 1, 1, 4}, Rows({".......", ".......", ".......", ".......", "......."})},
      {"inverted", {5, 4, 1, 1}, Rows({".......", ".......", ".......", ".......", "......."})},
      {"clipped top-left", {-1, -1, 3, 3}, Rows({"..#....", "..#....", "###....", ".......", "......."})},
      {"clipped bottom-right", {5, 3, 9, 9}, Rows({".......", ".......", ".......", ".....##", ".....#."})},
  };
  OwnedCanvas owned(7, 5, nullptr);
  Canvas& canvas = owned.canvas();
  for (const RectCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << ": FrameRect " << Describe(c.rect));
    canvas.Clear(kPaper);
    canvas.FrameRect(c.rect, kInk);
    EXPECT_EQ(Sketch(canvas), c.expected);
  }
}

struct LineCase {
  const char* name;
  int x1, y1, x2, y2;
  std::string expected;
};

// The sloped cases are the pixels the platform's GDI draws for the same calls.
TEST(CanvasTest, LineExcludesItsEndPoint) {
  const LineCase cases[] = {
      {"right", 1, 1, 5, 1, "(1,1) (2,1) (3,1) (4,1)"},
      {"left", 5, 2, 1, 2, "(2,2) (3,2) (4,2) (5,2)"},
      {"down", 3, 1, 3, 5, "(3,1) (3,2) (3,3) (3,4)"},
      {"up", 4, 6, 4, 2, "(4,3) (4,4) (4,5) (4,6)"},
      {"diagonal", 0, 0, 5, 5, "(0,0) (1,1) (2,2) (3,3) (4,4)"},
      {"shallow, ties", 2, 2, 8, 5, "(2,2) (3,2) (4,3) (5,3) (6,4) (7,4)"},
      {"shallow reversed", 8, 5, 2, 2, "(3,2) (4,3) (5,3) (6,4) (7,4) (8,5)"},
      {"shallow up-left", 10, 2, 4, 5, "(9,2) (10,2) (7,3) (8,3) (5,4) (6,4)"},
      {"steep, ties", 2, 1, 5, 7, "(2,1) (2,2) (3,3) (3,4) (4,5) (4,6)"},
      {"steep one column", 3, 7, 2, 3, "(2,4) (2,5) (3,6) (3,7)"},
      {"zero length", 3, 3, 3, 3, ""},
      {"off the right edge", 9, 1, 20, 1, "(9,1) (10,1) (11,1)"},
      {"from above the top", 2, -5, 2, 2, "(2,0) (2,1)"},
      {"far outside, across", -1000000000, 6, 1000000000, 6,
       "(0,6) (1,6) (2,6) (3,6) (4,6) (5,6) (6,6) (7,6) (8,6) (9,6) (10,6) (11,6)"},
      {"whole coordinate range", 0, INT_MIN, 0, INT_MAX, "(0,0) (0,1) (0,2) (0,3) (0,4) (0,5) (0,6) (0,7)"},
      {"entirely outside", -5, -1, 20, -1, ""},
  };
  OwnedCanvas owned(12, 8, nullptr);
  Canvas& canvas = owned.canvas();
  for (const LineCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << ": Line (" << c.x1 << "," << c.y1 << ") -> (" << c.x2 << ","
                                    << c.y2 << ")");
    canvas.Clear(kPaper);
    canvas.Line(c.x1, c.y1, c.x2, c.y2, kInk);
    EXPECT_EQ(InkPoints(canvas), c.expected);
  }
}

std::set<std::pair<int, int>> LinePixels(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.Clear(kPaper);
  canvas.Line(x1, y1, x2, y2, kInk);
  std::set<std::pair<int, int>> pixels;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      if (canvas.GetPixel(x, y) == kInk) pixels.insert({x, y});
    }
  }
  return pixels;
}

// Every line between two points of a 9 × 9 grid: one pixel per step of the longer axis, the
// start drawn and the end not, connected, and the reverse line on the same pixels.
TEST(CanvasTest, EveryLineIsOneConnectedStepPerPixelAndMatchesItsReverse) {
  OwnedCanvas owned(9, 9, nullptr);
  Canvas& canvas = owned.canvas();
  for (int x1 = 0; x1 < 9; ++x1) {
    for (int y1 = 0; y1 < 9; ++y1) {
      for (int x2 = 0; x2 < 9; ++x2) {
        for (int y2 = 0; y2 < 9; ++y2) {
          auto forward = LinePixels(canvas, x1, y1, x2, y2);
          auto reverse = LinePixels(canvas, x2, y2, x1, y1);
          const size_t steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
          const bool xMajor = std::abs(x2 - x1) >= std::abs(y2 - y1);
          ASSERT_EQ(forward.size(), steps) << "(" << x1 << "," << y1 << ") -> (" << x2 << "," << y2 << ")";
          if (steps == 0) continue;
          ASSERT_TRUE(forward.contains({x1, y1}))
              << "start of (" << x1 << "," << y1 << ") -> (" << x2 << "," << y2 << ")";
          ASSERT_FALSE(forward.contains({x2, y2}))
              << "end of (" << x1 << "," << y1 << ") -> (" << x2 << "," << y2 << ")";
          // Walking along the major axis the minor coordinate moves by at most one pixel.
          std::map<int, int> minorAt;
          for (auto [x, y] : forward) minorAt[xMajor ? x : y] = xMajor ? y : x;
          ASSERT_EQ(minorAt.size(), steps);
          for (auto it = std::next(minorAt.begin()); it != minorAt.end(); ++it) {
            ASSERT_EQ(it->first, std::prev(it)->first + 1);
            ASSERT_LE(std::abs(it->second - std::prev(it)->second), 1);
          }
          forward.insert({x2, y2});
          reverse.insert({x1, y1});
          ASSERT_EQ(forward, reverse) << "(" << x1 << "," << y1 << ") <-> (" << x2 << "," << y2 << ")";
        }
      }
    }
  }
}

// A line partly off a small canvas lights exactly the pixels it lights, at the same place, on
// a canvas large enough to hold it whole.
TEST(CanvasTest, ClippedLinesKeepTheirPixels) {
  constexpr int kSmall = 10;
  constexpr int kOffset = 12;
  OwnedCanvas small(kSmall, kSmall, nullptr);
  OwnedCanvas large(kSmall + 2 * kOffset, kSmall + 2 * kOffset, nullptr);
  const int ends[] = {-11, -7, -1, 0, 4, 9, 10, 16, 21};
  for (int x1 : ends) {
    for (int y1 : ends) {
      for (int x2 : ends) {
        for (int y2 : ends) {
          small.canvas().Clear(kPaper);
          small.canvas().Line(x1, y1, x2, y2, kInk);
          large.canvas().Clear(kPaper);
          large.canvas().Line(x1 + kOffset, y1 + kOffset, x2 + kOffset, y2 + kOffset, kInk);
          for (int y = 0; y < kSmall; ++y) {
            for (int x = 0; x < kSmall; ++x) {
              ASSERT_EQ(small.canvas().GetPixel(x, y), large.canvas().GetPixel(x + kOffset, y + kOffset))
                  << "pixel (" << x << "," << y << ") of (" << x1 << "," << y1 << ") -> (" << x2 << "," << y2
                  << ")";
            }
          }
        }
      }
    }
  }
}

TEST(CanvasTest, PixelsAreStoredAsTheDibStoresThem) {
  OwnedCanvas owned(3, 2, nullptr);
  Canvas& canvas = owned.canvas();
  canvas.Clear(Rgb(1, 2, 3));
  EXPECT_THAT(canvas.Bits(), testing::Each(0x00010203u));

  canvas.SetPixel(1, 1, Rgb(0x12, 0x34, 0x56));
  EXPECT_EQ(canvas.Bits()[4], 0x00123456u);
  EXPECT_EQ(canvas.GetPixel(1, 1), Rgb(0x12, 0x34, 0x56));

  // The DIB's unused top byte is not part of the colour.
  canvas.Bits()[0] = 0xFF654321u;
  EXPECT_EQ(canvas.GetPixel(0, 0), Rgb(0x65, 0x43, 0x21));

  for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}, {INT_MIN, INT_MAX}}) {
    SCOPED_TRACE(testing::Message() << "outside (" << x << "," << y << ")");
    canvas.SetPixel(x, y, kInk);
    EXPECT_EQ(canvas.GetPixel(x, y), kInvalidColor);
  }
  EXPECT_EQ(InkPoints(canvas), "");
}

constexpr Color kWhite = Rgb(255, 255, 255);

TEST(CanvasTest, FocusRectInvertsEveryOtherOutlinePixelOnce) {
  struct FocusCase {
    const char* name;
    Rect rect;
    std::string expected;
  };
  const FocusCase cases[] = {
      // The platform's GDI inverts these pixels for the same rectangle.
      {"even origin", {1, 1, 8, 6}, "(1,1) (3,1) (5,1) (7,1) (1,3) (7,3) (1,5) (3,5) (5,5) (7,5)"},
      {"odd origin", {2, 1, 7, 5}, "(3,1) (5,1) (2,2) (6,2) (2,4) (4,4) (6,4)"},
      {"shared corners", {0, 0, 3, 3}, "(0,0) (2,0) (0,2) (2,2)"},
      {"one column", {4, 0, 5, 6}, "(4,0) (4,2) (4,4)"},
      {"one row", {1, 3, 8, 4}, "(1,3) (3,3) (5,3) (7,3)"},
      {"one pixel", {2, 2, 3, 3}, "(2,2)"},
      {"empty", {2, 2, 2, 5}, ""},
      {"inverted", {5, 5, 1, 1}, ""},
      {"clipped", {-2, -2, 4, 4}, "(3,1) (1,3) (3,3)"},
  };
  OwnedCanvas owned(10, 7, nullptr);
  Canvas& canvas = owned.canvas();
  for (const FocusCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << ": DrawFocusRect " << Describe(c.rect));
    canvas.Clear(Rgb(0, 0, 0));
    canvas.DrawFocusRect(c.rect);
    EXPECT_EQ(InkPoints(canvas, kWhite), c.expected);
  }
}

TEST(CanvasTest, FocusRectIsAnXorThatASecondDrawingUndoes) {
  OwnedCanvas owned(9, 7, nullptr);
  Canvas& canvas = owned.canvas();
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) canvas.SetPixel(x, y, Rgb(x * 20, y * 30, 77));
  }
  const Picture original = owned.ToPicture();

  for (Rect rect : {Rect{1, 1, 8, 6}, Rect{-3, 2, 5, 12}, Rect{0, 0, 9, 7}}) {
    SCOPED_TRACE(testing::Message() << "DrawFocusRect " << Describe(rect));
    canvas.DrawFocusRect(rect);
    for (int y = 0; y < canvas.Height(); ++y) {
      for (int x = 0; x < canvas.Width(); ++x) {
        const Color before = original.At(x, y);
        const Color now = canvas.GetPixel(x, y);
        ASSERT_TRUE(now == before || now == (before ^ 0xFFFFFFu)) << "pixel (" << x << "," << y << ")";
      }
    }
    canvas.DrawFocusRect(rect);
    EXPECT_EQ(owned.ToPicture().pixels, original.pixels);
  }
}

TEST(CanvasTest, DrawPictureCopiesClippedToTheSurface) {
  constexpr Color a = Rgb(1, 0, 0), b = Rgb(0, 2, 0), c = Rgb(0, 0, 3), d = Rgb(4, 4, 0), e = Rgb(0, 5, 5),
                  f = Rgb(6, 0, 6);
  Picture picture(3, 2);
  picture.pixels = {a, b, c, d, e, f};
  const std::map<Color, char> legend = {{a, 'a'}, {b, 'b'}, {c, 'c'}, {d, 'd'}, {e, 'e'}, {f, 'f'}};
  struct PictureCase {
    const char* name;
    Point dest;
    std::string expected;
  };
  const PictureCase cases[] = {
      {"inside", {1, 0}, Rows({".abc", ".def", "...."})},
      {"clipped left", {-1, 1}, Rows({"....", "bc..", "ef.."})},
      {"clipped right and bottom", {2, 2}, Rows({"....", "....", "..ab"})},
      {"clipped above", {0, -1}, Rows({"def.", "....", "...."})},
      {"outside", {4, 0}, Rows({"....", "....", "...."})},
      {"far outside", {INT_MAX, INT_MAX}, Rows({"....", "....", "...."})},
  };
  OwnedCanvas owned(4, 3, nullptr);
  Canvas& canvas = owned.canvas();
  for (const PictureCase& pc : cases) {
    SCOPED_TRACE(testing::Message() << pc.name << ": DrawPicture at (" << pc.dest.x << "," << pc.dest.y
                                    << ")");
    canvas.Clear(kPaper);
    canvas.DrawPicture(picture, pc.dest);
    EXPECT_EQ(Sketch(canvas, legend), pc.expected);
  }
  // Pictures hold colours; the surface keeps them in its own byte order.
  canvas.DrawPicture(picture, {0, 0});
  EXPECT_EQ(canvas.Bits()[0], Canvas::ToPixel(a));
  EXPECT_EQ(canvas.Bits()[0], 0x00010000u);
}

// A canvas over the middle of a buffer, with guard values around it that no operation may touch.
TEST(CanvasTest, NothingWritesOutsideTheSurface) {
  constexpr std::uint32_t kGuard = 0xDEADBEEF;
  constexpr int kWidth = 5, kHeight = 4, kPad = 16;
  std::vector<std::uint32_t> buffer(kPad + kWidth * kHeight + kPad, kGuard);
  Canvas canvas(std::span<std::uint32_t>(buffer).subspan(kPad, kWidth * kHeight), kWidth, kHeight, nullptr);
  Picture picture(8, 8, kInk);

  canvas.Clear(kPaper);
  canvas.FillRect({-10, -10, 20, 20}, kInk);
  canvas.FrameRect({-1, -1, kWidth + 1, kHeight + 1}, kInk);
  for (int i = -8; i < 14; ++i) {
    canvas.Line(-7, i, 12, 6 - i, kInk);
    canvas.Line(i, -9, 4 - i, 15, kInk);
    canvas.SetPixel(i, i - 3, kInk);
    canvas.DrawFocusRect({i, i - 2, i + 4, i + 9});
    canvas.DrawPicture(picture, {i - 4, 2 - i});
  }
  for (int i = 0; i < kPad; ++i) {
    ASSERT_EQ(buffer[i], kGuard) << "guard before the surface at " << i;
    ASSERT_EQ(buffer[kPad + kWidth * kHeight + i], kGuard) << "guard after the surface at " << i;
  }

  // A buffer too short for the size given exposes only the whole rows it holds.
  Canvas truncated(std::span<std::uint32_t>(buffer).first(13), 4, 5, nullptr);
  EXPECT_EQ(truncated.Height(), 3);
  EXPECT_EQ(truncated.Bits().size(), 12u);
}

TEST(CanvasTest, OwnedCanvasPicturesAndCopiesHaveTheirOwnPixels) {
  OwnedCanvas original(3, 2, nullptr);
  original.canvas().Clear(kPaper);
  original.canvas().SetPixel(2, 1, kInk);

  const Picture picture = original.ToPicture();
  EXPECT_EQ(picture.width, 3);
  EXPECT_EQ(picture.height, 2);
  EXPECT_EQ(picture.At(2, 1), kInk);
  EXPECT_EQ(picture.At(0, 0), kPaper);

  OwnedCanvas copy = original;
  copy.canvas().Clear(kInk);
  EXPECT_EQ(original.canvas().GetPixel(0, 0), kPaper);

  OwnedCanvas moved = std::move(original);
  EXPECT_EQ(moved.ToPicture().pixels, picture.pixels);
  EXPECT_EQ(original.canvas().Width(), 0);  // NOLINT(bugprone-use-after-move): the documented state
  original.canvas().FillRect({0, 0, 3, 2}, kInk);
  EXPECT_EQ(moved.ToPicture().pixels, picture.pixels);

  copy = moved;
  moved.canvas().Clear(kInk);
  EXPECT_EQ(copy.ToPicture().pixels, picture.pixels);
}

class MockTextRenderer : public TextRenderer {
 public:
  MOCK_METHOD(TextExtent, Measure, (const Font&, std::string_view, unsigned), (override));
  MOCK_METHOD(void, Draw, (Canvas&, const Font&, Color, std::string_view, Rect, unsigned), (override));
};

TEST(CanvasTest, TextGoesToTheRendererAndWithoutOneDoesNothing) {
  using testing::_;
  using testing::Ref;
  MockTextRenderer renderer;
  OwnedCanvas owned(4, 4, &renderer);
  Font font;
  font.face = "宋体";
  EXPECT_CALL(renderer, Measure(font, std::string_view("释放"), textflag::kNoPrefix))
      .WillOnce(testing::Return(TextExtent{24, 12}));
  EXPECT_CALL(renderer,
              Draw(Ref(owned.canvas()), font, kInk, std::string_view("&OK"), Rect{1, 2, 3, 4}, 0x65u));
  const TextExtent extent = owned.canvas().MeasureText(font, "释放", textflag::kNoPrefix);
  EXPECT_EQ(extent.width, 24);
  EXPECT_EQ(extent.height, 12);
  owned.canvas().DrawText(font, kInk, "&OK", {1, 2, 3, 4}, 0x65);

  OwnedCanvas plain(4, 4, nullptr);
  plain.canvas().Clear(kPaper);
  const TextExtent none = plain.canvas().MeasureText(font, "释放");
  EXPECT_EQ(none.width, 0);
  EXPECT_EQ(none.height, 0);
  plain.canvas().DrawText(font, kInk, "释放", {0, 0, 4, 4}, 0);
  EXPECT_EQ(InkPoints(plain.canvas()), "");
}

}  // namespace
}  // namespace zv
