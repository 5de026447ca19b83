// Pixel results of the button's primitives, its colour arithmetic and its window region.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "command/drawing_primitives.h"
#include "platform/canvas.h"
#include "tests/print_helpers.h"

namespace zv::command {
namespace {

constexpr Color kPaper = Rgb(10, 20, 30);
constexpr Color kInk = Rgb(200, 100, 50);
constexpr Color kCorner = Rgb(1, 2, 3);

struct Surface {
  Surface(int w, int h) : owned(w, h, nullptr) { owned.canvas().Clear(kPaper); }
  Canvas& canvas() { return owned.canvas(); }
  std::set<std::pair<int, int>> PixelsOf(Color c) {
    std::set<std::pair<int, int>> points;
    for (int y = 0; y < canvas().Height(); ++y)
      for (int x = 0; x < canvas().Width(); ++x)
        if (canvas().GetPixel(x, y) == c) points.insert({x, y});
    return points;
  }
  OwnedCanvas owned;
};

std::set<std::pair<int, int>> RectPixels(int left, int top, int right, int bottom) {
  std::set<std::pair<int, int>> points;
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) points.insert({x, y});
  return points;
}

TEST(CommandPrimitives, RectanglesAndLinesCoverTheirEndExclusivePixels) {
  struct Case {
    const char* what;
    void (*draw)(Canvas&);
    std::set<std::pair<int, int>> expected;
  };
  auto outline = [] {
    auto all = RectPixels(2, 1, 62, 23);
    auto inner = RectPixels(3, 2, 61, 22);
    for (const auto& p : inner) all.erase(p);
    return all;
  };
  const std::vector<Case> cases = {
      {"frame (2, 1, 61, 23)", [](Canvas& c) { DrawRect(c, 2, 1, 61, 23, kInk, true); }, outline()},
      {"fill (2, 1, 61, 23)", [](Canvas& c) { DrawRect(c, 2, 1, 61, 23, kInk, false); },
       RectPixels(2, 1, 62, 23)},
      {"line (1, 5)-(64, 5)", [](Canvas& c) { DrawLine(c, 1, 5, 64, 5, kInk); }, RectPixels(1, 5, 63, 5)},
      {"line (3, 2)-(3, 22)", [](Canvas& c) { DrawLine(c, 3, 2, 3, 22, kInk); }, RectPixels(3, 2, 3, 21)},
      {"pixel (64, 24)", [](Canvas& c) { SetPixelColor(c, 64, 24, kInk); }, {{64, 24}}},
      {"pixel off the surface", [](Canvas& c) { SetPixelColor(c, 65, 3, kInk); }, {}},
      {"empty frame", [](Canvas& c) { DrawRect(c, 5, 5, 0, 4, kInk, true); }, {}},
  };
  for (const Case& test : cases) {
    Surface s(65, 25);
    test.draw(s.canvas());
    EXPECT_EQ(s.PixelsOf(kInk), test.expected) << test.what;
  }
}

TEST(CommandPrimitives, StraightLinesCoverWhatTheGeneralLineCovers) {
  // DrawLine fills straight lines directly; they must match the canvas's own line rule in either
  // direction, also where they leave the surface.
  const std::vector<std::vector<int>> lines = {
      {1, 5, 64, 5},  {64, 5, 1, 5},    {3, 2, 3, 22}, {3, 22, 3, 2},  {-4, 0, 70, 0}, {70, 24, -4, 24},
      {0, -3, 0, 30}, {64, 30, 64, -3}, {5, 5, 5, 5},  {10, 3, 11, 3}, {10, 3, 9, 3}};
  for (const auto& l : lines) {
    Surface ours(65, 25);
    Surface theirs(65, 25);
    DrawLine(ours.canvas(), l[0], l[1], l[2], l[3], kInk);
    theirs.canvas().Line(l[0], l[1], l[2], l[3], kInk);
    EXPECT_EQ(ours.PixelsOf(kInk), theirs.PixelsOf(kInk))
        << l[0] << "," << l[1] << " to " << l[2] << "," << l[3];
  }
}

TEST(CommandPrimitives, RoundBorderLeavesTheCutCornersAlone) {
  Surface s(65, 25);
  DrawRoundBorder(s.canvas(), kInk, kCorner);
  const std::vector<std::pair<int, int>> untouched = {{0, 0},  {1, 0},   {0, 1},   {63, 0},
                                                      {64, 0}, {64, 1},  {0, 24},  {1, 24},
                                                      {0, 23}, {63, 24}, {64, 24}, {64, 23}};
  for (auto [x, y] : untouched) EXPECT_EQ(s.canvas().GetPixel(x, y), kPaper) << x << "," << y;
  EXPECT_EQ(s.PixelsOf(kCorner), (std::set<std::pair<int, int>>{{1, 1}, {63, 1}, {1, 23}, {63, 23}}));
  // The sides run from 2 to W - 3 and H - 3.
  auto sides = RectPixels(2, 0, 62, 0);
  sides.merge(RectPixels(2, 24, 62, 24));
  sides.merge(RectPixels(0, 2, 0, 22));
  sides.merge(RectPixels(64, 2, 64, 22));
  EXPECT_EQ(s.PixelsOf(kInk), sides);
}

TEST(CommandPrimitives, FocusIsAnXorDottedRectangleThatUndoesItself) {
  Surface s(65, 25);
  DrawFocus(s.canvas(), {2, 2, 63, 23});
  EXPECT_EQ(s.canvas().GetPixel(2, 2), kPaper ^ 0xFFFFFF);
  EXPECT_EQ(s.canvas().GetPixel(3, 2), kPaper);
  EXPECT_EQ(s.canvas().GetPixel(10, 10), kPaper);
  DrawFocus(s.canvas(), {2, 2, 63, 23});
  EXPECT_EQ(s.PixelsOf(kPaper).size(), 65u * 25u);
}

TEST(CommandPrimitives, FadeToWhiteAccumulatesOneIncrementPerRow) {
  Surface s(65, 25);
  FadeToWhite(s.canvas(), 198, 197, 215, 23, 1, -1);
  const std::vector<std::pair<int, Color>> rows = {
      {23, Rgb(201, 200, 217)}, {14, Rgb(227, 226, 235)}, {5, Rgb(252, 252, 253)}, {4, Rgb(255, 255, 255)},
      {3, Rgb(255, 255, 255)},  {2, Rgb(255, 255, 255)},  {1, Rgb(255, 255, 255)}};
  for (auto [y, color] : rows) {
    EXPECT_EQ(RgbText(s.canvas().GetPixel(1, y)), RgbText(color)) << "row " << y;
    EXPECT_EQ(s.canvas().GetPixel(63, y), color) << "row " << y;
    EXPECT_EQ(s.canvas().GetPixel(0, y), kPaper) << "row " << y << " starts at x = 1";
    EXPECT_EQ(s.canvas().GetPixel(64, y), kPaper) << "row " << y << " ends at x = W - 2";
  }
  EXPECT_EQ(s.canvas().GetPixel(5, 0), kPaper);
  EXPECT_EQ(s.canvas().GetPixel(5, 24), kPaper);
}

TEST(CommandPrimitives, FadeToWhiteWithoutAnIncrementKeepsTheBase) {
  // H = 5 would divide by zero: every row keeps the base colour.
  Surface s(20, 5);
  FadeToWhite(s.canvas(), 100, 110, 120, 3, 1, -1);
  for (int y = 1; y <= 3; ++y)
    EXPECT_EQ(RgbText(s.canvas().GetPixel(4, y)), RgbText(Rgb(100, 110, 120))) << y;
  // A counter outside 16 bits draws nothing rather than wrapping.
  Surface tall(4, 8);
  FadeToWhite(tall.canvas(), 0, 0, 0, 40000, 1, -1);
  EXPECT_EQ(tall.PixelsOf(kPaper).size(), 32u);
}

TEST(CommandPrimitives, ColourArithmetic) {
  struct Case {
    const char* what;
    Color actual;
    Color expected;
  };
  const std::vector<Case> cases = {
      {"shift +48", ShiftColor(Rgb(100, 150, 200), 48, false), Rgb(148, 198, 248)},
      {"shift +48, blue scaled", ShiftColor(Rgb(100, 150, 200), 48, true), Rgb(148, 198, 250)},
      {"shift -64 clamps at 0", ShiftColor(Rgb(10, 10, 10), -64, false), Rgb(0, 0, 0)},
      {"shift -192, blue scaled", ShiftColor(Rgb(0, 0, 200), -192, true), Rgb(0, 0, 0)},
      {"shift +31, blue scaled", ShiftColor(Rgb(0, 0, 200), 31, true), Rgb(31, 31, 232)},
      {"shift clamps at 255", ShiftColor(Rgb(250, 240, 230), 20, false), Rgb(255, 255, 250)},
      {"system colour has no green or blue", ShiftColor(0x8000000F, 0, false), Rgb(15, 0, 0)},
      {"add clamped", AddColorClamped(Rgb(220, 220, 186), -30, -30, -60, Rgb(250, 250, 250)),
       Rgb(190, 190, 126)},
      {"add clamped at the ceiling", AddColorClamped(Rgb(245, 10, 100), 10, -20, 0, Rgb(250, 250, 90)),
       Rgb(250, 0, 90)},
  };
  for (const Case& test : cases) EXPECT_EQ(RgbText(test.actual), RgbText(test.expected)) << test.what;
}

TEST(CommandPrimitives, NearestRoundsHalvesToEven) {
  const std::vector<std::pair<double, int>> cases = {{0.5, 0},   {1.5, 2},      {2.5, 2},    {-0.5, 0},
                                                     {-1.5, -2}, {200.85, 201}, {13.25, 13}, {-2.4, -2}};
  for (auto [value, expected] : cases) EXPECT_EQ(Nearest(value), expected) << value;
}

int RemovedPixels(const std::vector<Rect>& removed, std::set<std::pair<int, int>>* points) {
  for (const Rect& r : removed)
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) points->insert({x, y});
  return static_cast<int>(points->size());
}

TEST(CommandPrimitives, RegionCutsTheCornersOfTheRoundedLooksOnly) {
  for (int type : {1, 2, 5, 6, 7, 0, -1}) EXPECT_TRUE(BuildRegion(type, 65, 25).empty()) << "look " << type;
  for (int type : {3, 4, 8, 9}) {
    std::set<std::pair<int, int>> points;
    EXPECT_EQ(RemovedPixels(BuildRegion(type, 65, 25), &points), 12) << "look " << type;
    const std::set<std::pair<int, int>> corners = {{0, 0},  {1, 0},  {0, 1},  {63, 0},  {64, 0},  {64, 1},
                                                   {0, 24}, {1, 24}, {0, 23}, {63, 24}, {64, 24}, {64, 23}};
    EXPECT_EQ(points, corners) << "look " << type;
  }
}

TEST(CommandPrimitives, RegionRemovesWhatTheRoundBorderLeaves) {
  // Every pixel the border leaves untouched at a corner is one the region removes, at any size.
  for (auto [w, h] : {std::pair{65, 25}, {113, 33}, {8, 6}}) {
    Surface s(w, h);
    DrawRoundBorder(s.canvas(), kInk, kInk);
    std::set<std::pair<int, int>> removed;
    RemovedPixels(BuildRegion(4, w, h), &removed);
    for (const auto& p : removed) EXPECT_EQ(s.canvas().GetPixel(p.first, p.second), kPaper) << w << "x" << h;
  }
}

}  // namespace
}  // namespace zv::command
