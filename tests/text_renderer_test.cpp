// The stand-in font: glyph metrics, box glyphs, "&" prefixes, centring, wrapping and clipping.
#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/host_text_renderer.h"
#include "tests/print_helpers.h"

namespace zv {
namespace {

constexpr Color kPaper = Rgb(255, 255, 255);
constexpr Color kInk = Rgb(0, 0, 128);

// 9 points: 12 pixels high, ASCII 6 pixels wide, other characters 12.
Font NinePoint() {
  Font font;
  font.points = 9;
  return font;
}

// 6 points: 8 pixels high, ASCII 4 pixels wide, other characters 8.
Font SixPoint() {
  Font font;
  font.points = 6;
  return font;
}

// Appends "[from,to)".
void Span(std::string& text, int from, int to) {
  std::ostringstream out;
  out << "[" << from << "," << to << ")";
  text += out.str();
}

// The ink of one row as half-open spans, "[left,right)" separated by spaces.
std::string RowRuns(const Canvas& canvas, int y) {
  std::string text;
  for (int x = 0; x < canvas.Width(); ++x) {
    if (canvas.GetPixel(x, y) != kInk) continue;
    const int left = x;
    while (x < canvas.Width() && canvas.GetPixel(x, y) == kInk) ++x;
    if (!text.empty()) text += ' ';
    Span(text, left, x);
  }
  return text;
}

std::string ColumnRuns(const Canvas& canvas, int x) {
  std::string text;
  for (int y = 0; y < canvas.Height(); ++y) {
    if (canvas.GetPixel(x, y) != kInk) continue;
    const int top = y;
    while (y < canvas.Height() && canvas.GetPixel(x, y) == kInk) ++y;
    if (!text.empty()) text += ' ';
    Span(text, top, y);
  }
  return text;
}

std::string Sketch(const Canvas& canvas) {
  std::string text;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) text += canvas.GetPixel(x, y) == kInk ? '#' : '.';
    text += '\n';
  }
  return text;
}

TEST(HostTextRendererTest, MeasuresOneLineOfGlyphWidths) {
  struct MeasureCase {
    const char* text;
    unsigned flags;
    bool bold;
    double width;
  };
  const MeasureCase cases[] = {
      {"", 0, false, 0},
      {"abc", 0, false, 18},
      {"a b", 0, false, 18},
      {"释放内存", 0, false, 48},
      {"a释", 0, false, 18},
      {"\xF0\x9F\x98\x80", 0, false, 12},  // one four-byte code point
      {"\xFF", 0, false, 12},              // a malformed byte is one replacement character
      {"\xE9\x87", 0, false, 12},          // so is a truncated sequence
      {"\xC0\xAF", 0, false, 12},          // and an overlong form
      {"bold", 0, true, 28},
      {"释", 0, true, 13},
      {"&File", 0, false, 24},
      {"&File", textflag::kNoPrefix, false, 30},
      {"a&&b", 0, false, 18},
      {"ab&", 0, false, 12},
      {"&释放", 0, false, 24},
      {"a\tb", 0, false, 18},
      {"a\tb", textflag::kExpandTabs, false, 60},
      {"a\tb", textflag::kExpandTabs, true, 7 + 56 + 7},
      {"a\r\nb", 0, false, 12},
  };
  HostTextRenderer renderer;
  for (const MeasureCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "Measure \"" << c.text << "\" flags " << c.flags
                                    << (c.bold ? " bold" : ""));
    Font font = NinePoint();
    if (c.bold) font.weight = kFontWeightBold;
    const TextExtent extent = renderer.Measure(font, c.text, c.flags);
    EXPECT_EQ(extent.width, c.width);
    EXPECT_EQ(extent.height, 12);
  }
}

TEST(HostTextRendererTest, GlyphsAreBoxesInsideTheirCellsWithUnderlinesOnTheLastRow) {
  struct GlyphCase {
    const char* name;
    const char* text;
    bool underlineFont;
    std::string expected;
  };
  const GlyphCase cases[] = {
      {"prefixed, space, ASCII, Chinese", "&a b释", false,
       Rows({"....................", "....................", "###.....###.#######.", "###.....###.#######.",
             "###.....###.#######.", "###.....###.#######.", "....................",
             "####................"})},
      {"underlined font", "a b", true,
       Rows({"....................", "....................", "###.....###.........", "###.....###.........",
             "###.....###.........", "###.....###.........", "....................",
             "############........"})},
  };
  HostTextRenderer renderer;
  OwnedCanvas owned(20, 8, &renderer);
  Canvas& canvas = owned.canvas();
  for (const GlyphCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << ": \"" << c.text << "\"");
    Font font = SixPoint();
    font.underline = c.underlineFont;
    canvas.Clear(kPaper);
    canvas.DrawText(font, kInk, c.text, {0, 0, 20, 8}, textflag::kSingleLine);
    EXPECT_EQ(Sketch(canvas), c.expected);
  }
}

// Positions are read from the ink of one row (glyph boxes side by side) and one column (the
// rows of a glyph box); a 9-point glyph box spans rows 2 to 9 of its line.
struct PlacementCase {
  const char* name;
  const char* text;
  Rect rect;
  unsigned flags;
  int row;
  std::string rowRuns;
  int column;
  std::string columnRuns;
};

void ExpectPlacement(const PlacementCase& c, const Font& font) {
  SCOPED_TRACE(testing::Message() << c.name << ": \"" << c.text << "\" in " << Describe(c.rect) << " flags 0x"
                                  << std::hex << c.flags);
  HostTextRenderer renderer;
  OwnedCanvas owned(64, 40, &renderer);
  Canvas& canvas = owned.canvas();
  canvas.Clear(kPaper);
  canvas.DrawText(font, kInk, c.text, c.rect, c.flags);
  EXPECT_EQ(RowRuns(canvas, c.row), c.rowRuns) << "row " << c.row;
  EXPECT_EQ(ColumnRuns(canvas, c.column), c.columnRuns) << "column " << c.column;
}

TEST(HostTextRendererTest, SingleLineCentresWithTruncatingDivision) {
  constexpr unsigned kButton = 0x65;  // centred, single line, tabs expanded
  const PlacementCase cases[] = {
      {"even slack", "abc", {10, 4, 50, 24}, kButton, 12, "[21,26) [27,32) [33,38)", 21, "[10,18)"},
      {"odd slack", "abc", {10, 4, 51, 19}, kButton, 10, "[21,26) [27,32) [33,38)", 21, "[7,15)"},
      // Negative slack -7 and -3 truncates to -3 and -1, and the rectangle clips.
      {"text larger than the rect",
       "abc",
       {10, 4, 21, 13},
       kButton,
       8,
       "[10,12) [13,18) [19,21)",
       13,
       "[5,13)"},
      {"not centred",
       "abc",
       {10, 4, 50, 24},
       textflag::kSingleLine,
       8,
       "[10,15) [16,21) [22,27)",
       10,
       "[6,14)"},
      {"vertical centring only",
       "abc",
       {10, 4, 50, 24},
       textflag::kSingleLine | textflag::kVCenter,
       12,
       "[10,15) [16,21) [22,27)",
       10,
       "[10,18)"},
      {"tab expanded", "a\tb", {0, 0, 64, 12}, kButton, 4, "[2,7) [56,61)", 2, "[2,10)"},
      {"tab as one character",
       "a\tb",
       {0, 0, 64, 12},
       textflag::kSingleLine,
       4,
       "[0,5) [12,17)",
       0,
       "[2,10)"},
      {"line breaks ignored", "a\nb", {0, 0, 64, 40}, textflag::kSingleLine, 4, "[0,5) [6,11)", 0, "[2,10)"},
      {"clipped by the surface", "abcdef", {-20, 0, 20, 12}, kButton, 4, "[0,5) [6,11) [12,17)", 0, "[2,10)"},
  };
  for (const PlacementCase& c : cases) ExpectPlacement(c, NinePoint());
}

TEST(HostTextRendererTest, PrefixesUnderlineTheNextCharacter) {
  const unsigned kLine = textflag::kSingleLine;
  const Rect kRect{0, 0, 64, 12};
  const PlacementCase cases[] = {
      {"first letter", "&File", kRect, kLine, 11, "[0,6)", 0, "[2,10) [11,12)"},
      {"inner letter", "Fi&le", kRect, kLine, 11, "[12,18)", 0, "[2,10)"},
      {"Chinese character", "&释放", kRect, kLine, 11, "[0,12)", 0, "[2,10) [11,12)"},
      {"doubled ampersand", "a&&b", kRect, kLine, 4, "[0,5) [6,11) [12,17)", 0, "[2,10)"},
      {"trailing ampersand dropped", "ab&", kRect, kLine, 4, "[0,5) [6,11)", 15, ""},
      {"no prefix processing", "&a", kRect, kLine | textflag::kNoPrefix, 4, "[0,5) [6,11)", 0, "[2,10)"},
      {"underline clipped by the rect", "&File", {0, 0, 64, 11}, kLine, 11, "", 0, "[2,10)"},
  };
  for (const PlacementCase& c : cases) ExpectPlacement(c, NinePoint());
}

// Lines are read on the middle row of each 12-pixel line of a rectangle whose top is 2; the
// first line that should be empty is checked as well, and nothing may lie outside the rect.
TEST(HostTextRendererTest, MultiLineBreaksAtSpacesAndExplicitBreaks) {
  struct WrapCase {
    const char* name;
    const char* text;
    int width;
    unsigned flags;
    std::vector<std::string> lines;
  };
  const unsigned kWrap = textflag::kWordBreak;
  const std::string kTwoLetters = "[4,9) [10,15)";  // "aa", "bb" or "cc" at the left edge
  const WrapCase cases[] = {
      {"two words fit exactly", "aa bb cc", 30, kWrap, {"[4,9) [10,15) [22,27) [28,33)", kTwoLetters}},
      {"one pixel short", "aa bb cc", 29, kWrap, {kTwoLetters, kTwoLetters, kTwoLetters}},
      {"centred lines",
       "aa bb cc",
       29,
       kWrap | textflag::kCenter,
       {"[12,17) [18,23)", "[12,17) [18,23)", "[12,17) [18,23)"}},
      {"a long word keeps its own line, clipped",
       "a verylongword b",
       30,
       kWrap,
       {"[4,9)", "[4,9) [10,15) [16,21) [22,27) [28,33)", "[4,9)"}},
      {"a long word centred",
       "a verylongword b",
       30,
       kWrap | textflag::kCenter,
       {"[16,21)", "[4,6) [7,12) [13,18) [19,24) [25,30) [31,34)", "[16,21)"}},
      {"spaces at a wrap are dropped", "aa   bb", 20, kWrap, {kTwoLetters, kTwoLetters}},
      {"leading spaces of a paragraph stay", " aa", 40, kWrap, {"[10,15) [16,21)"}},
      {"explicit breaks", "aa\r\nbb\ncc\rdd", 30, 0, {kTwoLetters, kTwoLetters, kTwoLetters, kTwoLetters}},
      {"an empty paragraph", "aa\n\nbb", 30, kWrap, {kTwoLetters, "", kTwoLetters}},
      {"each line centred", "a\nbbb", 30, textflag::kCenter, {"[16,21)", "[10,15) [16,21) [22,27)"}},
      {"no wrapping without the flag", "aa bb cc", 20, 0, {"[4,9) [10,15) [22,24)"}},
      {"vertical centring needs a single line", "aa", 30, textflag::kVCenter, {kTwoLetters}},
  };
  HostTextRenderer renderer;
  OwnedCanvas owned(80, 62, &renderer);
  Canvas& canvas = owned.canvas();
  for (const WrapCase& c : cases) {
    const Rect rect{4, 2, 4 + c.width, 60};
    SCOPED_TRACE(testing::Message() << c.name << ": \"" << c.text << "\" in " << Describe(rect) << " flags 0x"
                                    << std::hex << c.flags);
    canvas.Clear(kPaper);
    canvas.DrawText(NinePoint(), kInk, c.text, rect, c.flags);
    for (size_t line = 0; line <= c.lines.size(); ++line) {
      const int row = rect.top + static_cast<int>(line) * 12 + 5;
      const std::string expected = line < c.lines.size() ? c.lines[line] : "";
      EXPECT_EQ(RowRuns(canvas, row), expected) << "line " << line << ", row " << row;
    }
    for (int y = 0; y < canvas.Height(); ++y) {
      for (int x = 0; x < canvas.Width(); ++x) {
        if (rect.Contains({x, y})) continue;
        ASSERT_NE(canvas.GetPixel(x, y), kInk) << "outside at (" << x << "," << y << ")";
      }
    }
  }
}

TEST(HostTextRendererTest, WrappedLinesStopAtTheRectBottom) {
  const PlacementCase clipped = {"third line below the rect",
                                 "aa bb cc",
                                 {4, 2, 20, 20},
                                 textflag::kWordBreak,
                                 0,
                                 "",
                                 4,
                                 "[4,12) [16,20)"};
  ExpectPlacement(clipped, NinePoint());
}

}  // namespace
}  // namespace zv
