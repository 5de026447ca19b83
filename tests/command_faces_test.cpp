// Rows and pixels of the two gradient faces, and faces whose divisors are zero.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "command/gradient_faces.h"
#include "platform/canvas.h"
#include "tests/print_helpers.h"

namespace zv::command {
namespace {

constexpr Color kFace = Rgb(192, 192, 192);

struct Face {
  Face(int w, int h) : owned(w, h, nullptr) { owned.canvas().Clear(kFace); }
  Canvas& canvas() { return owned.canvas(); }
  std::string At(int x, int y) { return RgbText(canvas().GetPixel(x, y)); }
  OwnedCanvas owned;
};

struct PixelCase {
  int x;
  int y;
  Color expected;
};

void ExpectPixels(Face& face, const std::vector<PixelCase>& cases, const char* what) {
  for (const PixelCase& c : cases)
    EXPECT_EQ(face.At(c.x, c.y), RgbText(c.expected)) << what << " at " << c.x << "," << c.y;
}

constexpr Color kGreenMid = Rgb(116, 200, 115);
constexpr Color kGreenEnd = Rgb(215, 246, 215);
constexpr Color kGreyBorder = Rgb(183, 183, 183);

TEST(CommandFaces, TwoToneRowsOnTheDefaultButton) {
  Face face(65, 25);
  DrawTwoToneFace(face.canvas(), kGreenMid, kGreyBorder, kGreenEnd, 16, false);
  ExpectPixels(face,
               {
                   {10, 4, kGreenMid},
                   {10, 3, Rgb(149, 215, 148)},
                   {50, 2, Rgb(182, 231, 182)},  // past the second highlight row
                   {10, 5, kGreenMid},
                   {10, 6, kGreenMid},
                   {10, 9, kGreenMid},
                   {10, 8, Rgb(122, 203, 121)},
                   {10, 15, Rgb(163, 222, 162)},
                   {10, 16, Rgb(163, 222, 162)},
                   {10, 17, Rgb(163, 222, 162)},
                   {1, 22, Rgb(163, 222, 162)},
                   {62, 22, Rgb(163, 222, 162)},
                   {62, 23, Rgb(163, 222, 162)},
                   {10, 21, Rgb(198, 238, 197)},
                   {2, 1, Rgb(255, 255, 255)},
                   {30, 1, Rgb(235, 251, 235)},
                   {44, 2, Rgb(171, 237, 171)},
                   {45, 2, Rgb(182, 231, 182)},
                   {63, 22, kFace},  // the short bottom rows leave the last column to the face
                   {10, 0, kGreyBorder},
                   {0, 10, kGreyBorder},
                   {1, 1, kGreyBorder},
                   {63, 23, kGreyBorder},
                   {0, 0, kFace},
               },
               "two-tone");
}

TEST(CommandFaces, TwoToneHighlightRowsKeepDarkeningPastTheEndColour) {
  Face face(65, 25);
  DrawTwoToneFace(face.canvas(), kGreenMid, kGreyBorder, kGreenEnd, 16, false);
  // Row 1 reaches the end colour after W - 10 = 55 pixels (x = 57) and goes on darkening.
  EXPECT_EQ(face.At(57, 1), RgbText(kGreenEnd));
  EXPECT_EQ(face.At(62, 1), RgbText(Rgb(212, 246, 212)));
  // Row 2 runs x = 2..44 over D = 20 pixels, its last pixels dark below the end colour.
  EXPECT_EQ(face.At(22, 2), RgbText(kGreenEnd));
}

TEST(CommandFaces, TwoToneBelowTenRowsHasNoBorder) {
  Face face(65, 9);
  DrawTwoToneFace(face.canvas(), kGreenMid, kGreyBorder, kGreenEnd, 16, false);
  // k = 1.44: row 1 is the mid colour, overdrawn by the highlight; rows 2 and 3 mid; run from 4.
  EXPECT_EQ(face.At(2, 1), RgbText(Rgb(255, 255, 255)));
  EXPECT_EQ(face.At(10, 2), RgbText(kGreenMid));
  EXPECT_EQ(face.At(10, 3), RgbText(kGreenMid));
  EXPECT_EQ(face.At(10, 0), RgbText(kFace));
  EXPECT_EQ(face.At(0, 4), RgbText(kFace));
  EXPECT_EQ(face.At(10, 8), RgbText(kFace));
}

TEST(CommandFaces, FlatTwoToneIsOneFillInsideTheBorder) {
  Face face(65, 25);
  DrawTwoToneFace(face.canvas(), Rgb(132, 208, 133), Rgb(84, 157, 84), 0, 16, true);
  for (int y = 1; y <= 23; ++y) {
    for (int x = 1; x <= 63; ++x) {
      const bool corner = (x == 1 || x == 63) && (y == 1 || y == 23);
      if (corner) continue;
      ASSERT_EQ(face.At(x, y), RgbText(Rgb(132, 208, 133))) << x << "," << y;
    }
  }
  EXPECT_EQ(face.At(1, 1), RgbText(Rgb(84, 157, 84)));
  EXPECT_EQ(face.At(30, 24), RgbText(Rgb(84, 157, 84)));
  EXPECT_EQ(face.At(0, 0), RgbText(kFace));
}

TEST(CommandFaces, GlossyRowsWithTheBlueSet) {
  Face face(65, 25);
  DrawGlossyFace(face.canvas(), Rgb(124, 171, 255), Rgb(81, 107, 148), Rgb(191, 211, 255), 53);
  std::vector<PixelCase> cases = {
      {10, 13, Rgb(134, 181, 255)},
      {10, 12, Rgb(139, 184, 255)},
      {10, 3, Rgb(184, 211, 255)},
      {10, 20, Rgb(129, 176, 255)},
      {10, 21, Rgb(138, 181, 255)},
      {10, 22, Rgb(207, 234, 255)},
      {1, 5, Rgb(211, 229, 255)},
      {2, 5, Rgb(201, 216, 255)},
      {62, 10, Rgb(201, 216, 255)},
      {10, 1, Rgb(211, 229, 255)},
      {10, 2, Rgb(201, 216, 255)},
      {10, 0, Rgb(81, 107, 148)},
      {0, 0, kFace},
  };
  for (int y = 14; y <= 19; ++y) cases.push_back({10, y, Rgb(124, 171, 255)});
  ExpectPixels(face, cases, "glossy");
}

// Sizes and bands where a divisor is zero: k - 1 (H × P = 100), H - k - 4, W - 10, and
// D = W - trunc(2W / 3) - 2. Each face is drawn without fault; a highlight row without a
// divisor is left out and the run beneath it shows.
TEST(CommandFaces, ZeroDivisorsDrawWithoutFault) {
  struct Case {
    const char* what;
    int w, h, percent;
    int x, y;  // a pixel of the affected run
    Color expected;
  };
  const Color mid = Rgb(100, 150, 200);
  const Color end = Rgb(200, 250, 255);
  const std::vector<Case> twoTone = {
      {"k = 1", 65, 25, 4, 10, 2, mid},
      {"H - k - 4 = 0", 65, 25, 84, 10, 21, mid},
      {"W = 10: no first highlight row, the upper run shows", 10, 25, 16, 3, 1, end},
      {"D = 0: no second highlight row", 6, 25, 16, 3, 2, Rgb(167, 217, 237)},
  };
  for (const Case& c : twoTone) {
    Face face(c.w, c.h);
    DrawTwoToneFace(face.canvas(), mid, kGreyBorder, end, c.percent, false);
    EXPECT_EQ(face.At(c.x, c.y), RgbText(c.expected)) << "two-tone, " << c.what;
  }
  const std::vector<Case> glossy = {
      {"k = 1", 65, 25, 4, 10, 1, Rgb(211, 229, 255)},
      {"H - k - 4 = 0", 65, 25, 84, 10, 21, Rgb(110, 160, 210)},
  };
  for (const Case& c : glossy) {
    Face face(c.w, c.h);
    DrawGlossyFace(face.canvas(), mid, kGreyBorder, end, c.percent);
    EXPECT_EQ(face.At(c.x, c.y), RgbText(c.expected)) << "glossy, " << c.what;
  }
}

TEST(CommandFaces, DegenerateSizesDrawWithinTheSurface) {
  for (auto [w, h] : {std::pair{0, 0}, {1, 1}, {3, 2}, {9, 4}, {12, 5}, {2, 40}}) {
    for (int percent : {0, 16, 53, 100, -5, 300}) {
      Face face(w, h);
      DrawTwoToneFace(face.canvas(), kGreenMid, kGreyBorder, kGreenEnd, percent, false);
      DrawGlossyFace(face.canvas(), kGreenMid, kGreyBorder, kGreenEnd, percent);
    }
  }
  SUCCEED();
}

}  // namespace
}  // namespace zv::command
