// The stand-in font: UTF-8 decoding, "&" prefixes, box glyphs and DrawText's line layout
// (single line with centring, explicit breaks, word wrapping at spaces).
#include "platform/host_text_renderer.h"

#include <algorithm>
#include <vector>

namespace zv {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes the code point at `pos` and moves past it; a malformed sequence gives one
// replacement character for its lead byte and the continuation bytes that followed it.
char32_t DecodeNext(std::string_view text, size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  // Sequence length, the lead byte's payload bits, and the smallest code point that needs
  // this length (anything below is an overlong form).
  int length = 4;
  char32_t code = lead & 0x07;
  char32_t smallest = 0x10000;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    code = lead & 0x1F;
    smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    code = lead & 0x0F;
    smallest = 0x800;
  } else if ((lead & 0xF8) != 0xF0) {
    return kReplacement;  // a continuation byte or an invalid lead
  }
  for (int i = 1; i < length; ++i) {
    if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) return kReplacement;
    code = (code << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (code < smallest || code > 0x10FFFF || surrogate) return kReplacement;
  return code;
}

struct Metrics {
  int lineHeight;
  int narrow;  // printable ASCII, and the average character width
  int wide;    // every other code point
  int tab;
};

Metrics MetricsOf(const Font& font, unsigned flags) {
  const int height = std::max(font.PixelHeight(), 0);
  const int bold = font.weight >= kFontWeightBold ? 1 : 0;
  const int narrow = (height + 1) / 2 + bold;
  const int tab = (flags & textflag::kExpandTabs) != 0 ? 8 * narrow : narrow;
  return {height, narrow, height + bold, tab};
}

bool IsBreak(char32_t code) { return code == '\r' || code == '\n'; }
bool IsSpace(char32_t code) { return code == ' '; }
bool HasBox(char32_t code) { return code > ' ' && code != 0x7F; }

struct Glyph {
  char32_t code;
  int width;
  bool underlined;
};

int WidthOf(char32_t code, const Metrics& metrics) {
  if (IsBreak(code)) return 0;
  if (code == '\t') return metrics.tab;
  return code < 0x80 ? metrics.narrow : metrics.wide;
}

// Decodes the text and applies the prefixes: "&x" is x underlined, "&&" a plain "&", and a
// final lone "&" is dropped.
std::vector<Glyph> Shape(std::string_view text, const Metrics& metrics, unsigned flags) {
  const bool prefixes = (flags & textflag::kNoPrefix) == 0;
  std::vector<Glyph> glyphs;
  size_t pos = 0;
  while (pos < text.size()) {
    char32_t code = DecodeNext(text, pos);
    bool underlined = false;
    if (prefixes && code == '&') {
      if (pos >= text.size()) break;
      code = DecodeNext(text, pos);
      underlined = code != '&';
    }
    glyphs.push_back({code, WidthOf(code, metrics), underlined});
  }
  return glyphs;
}

struct Line {
  size_t begin;
  size_t end;
  int width;
};

int WidthOf(const std::vector<Glyph>& glyphs, size_t begin, size_t end) {
  int width = 0;
  for (size_t i = begin; i < end; ++i) width += glyphs[i].width;
  return width;
}

// End of the line that starts at `pos`: after the last word that still fits in maxWidth, or
// after the first word if even that one does not fit (it keeps the line to itself, clipped).
size_t WrapEnd(const std::vector<Glyph>& glyphs, size_t pos, size_t end, int maxWidth) {
  size_t lineEnd = pos;
  int width = 0;
  while (lineEnd < end) {
    size_t next = lineEnd;
    int candidate = width;
    while (next < end && IsSpace(glyphs[next].code)) candidate += glyphs[next++].width;
    while (next < end && !IsSpace(glyphs[next].code)) candidate += glyphs[next++].width;
    if (candidate > maxWidth && lineEnd != pos) break;
    lineEnd = next;
    width = candidate;
  }
  return lineEnd;
}

// Appends the lines of one paragraph (text between explicit breaks); the spaces at which a
// line wraps belong to no line.
void LayoutParagraph(const std::vector<Glyph>& glyphs, size_t begin, size_t end, bool wrap, int maxWidth,
                     std::vector<Line>& lines) {
  size_t pos = begin;
  do {
    const size_t lineEnd = wrap ? WrapEnd(glyphs, pos, end, maxWidth) : end;
    lines.push_back({pos, lineEnd, WidthOf(glyphs, pos, lineEnd)});
    pos = lineEnd;
    while (pos < end && IsSpace(glyphs[pos].code)) ++pos;
  } while (pos < end);
}

// Explicit breaks are CR LF, LF or a lone CR.
std::vector<Line> LayoutLines(const std::vector<Glyph>& glyphs, bool wrap, int maxWidth) {
  std::vector<Line> lines;
  size_t begin = 0;
  while (true) {
    size_t end = begin;
    while (end < glyphs.size() && !IsBreak(glyphs[end].code)) ++end;
    LayoutParagraph(glyphs, begin, end, wrap, maxWidth, lines);
    if (end == glyphs.size()) break;
    begin = end + 1;
    if (glyphs[end].code == '\r' && begin < glyphs.size() && glyphs[begin].code == '\n') ++begin;
  }
  return lines;
}

Rect Intersect(Rect a, Rect b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

struct Pen {
  Canvas& canvas;
  Color color;
  Rect clip;
  const Metrics& metrics;
  bool underlineAll;
};

void DrawLine(const Pen& pen, const std::vector<Glyph>& glyphs, const Line& line, int left, int top) {
  const int height = pen.metrics.lineHeight;
  int x = left;
  for (size_t i = line.begin; i < line.end; ++i) {
    const Glyph& glyph = glyphs[i];
    if (HasBox(glyph.code)) {
      pen.canvas.FillRect(Intersect({x, top + 2, x + glyph.width - 1, top + height - 2}, pen.clip),
                          pen.color);
    }
    if (pen.underlineAll || glyph.underlined) {
      pen.canvas.FillRect(Intersect({x, top + height - 1, x + glyph.width, top + height}, pen.clip),
                          pen.color);
    }
    x += glyph.width;
  }
}

// Horizontal and vertical centring truncate toward zero, as the platform's does.
int CentredLeft(Rect rect, int width) { return rect.left + (rect.Width() - width) / 2; }

}  // namespace

TextExtent HostTextRenderer::Measure(const Font& font, std::string_view utf8, unsigned flags) {
  const Metrics metrics = MetricsOf(font, flags);
  const std::vector<Glyph> glyphs = Shape(utf8, metrics, flags);
  return {static_cast<double>(WidthOf(glyphs, 0, glyphs.size())), static_cast<double>(metrics.lineHeight)};
}

void HostTextRenderer::Draw(Canvas& canvas, const Font& font, Color color, std::string_view utf8, Rect rect,
                            unsigned flags) {
  const Metrics metrics = MetricsOf(font, flags);
  const std::vector<Glyph> glyphs = Shape(utf8, metrics, flags);
  const Pen pen{canvas, color, rect, metrics, font.underline};
  const bool centre = (flags & textflag::kCenter) != 0;

  if ((flags & textflag::kSingleLine) != 0) {
    const Line line{0, glyphs.size(), WidthOf(glyphs, 0, glyphs.size())};
    const bool middle = (flags & textflag::kVCenter) != 0;
    const int top = middle ? rect.top + (rect.Height() - metrics.lineHeight) / 2 : rect.top;
    DrawLine(pen, glyphs, line, centre ? CentredLeft(rect, line.width) : rect.left, top);
    return;
  }

  const bool wrap = (flags & textflag::kWordBreak) != 0;
  int top = rect.top;
  for (const Line& line : LayoutLines(glyphs, wrap, rect.Width())) {
    if (top >= rect.bottom) break;
    DrawLine(pen, glyphs, line, centre ? CentredLeft(rect, line.width) : rect.left, top);
    top += metrics.lineHeight;
  }
}

}  // namespace zv
