// Outline-font captions: prefixes stripped, lines broken at spaces, coverage blended onto the canvas.
#include "tools/button_gallery/outline_text.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace zv::gallery {
namespace {

artgen::TextStyle StyleOf(const Font& font) {
  artgen::TextStyle style;
  style.pixel_size = font.PixelHeight();
  if (font.weight >= kFontWeightBold) style.embolden = 0.6;
  return style;
}

// The text without its "&" prefixes, and the byte offset of the underlined character (-1: none).
struct Shaped {
  std::string text;
  int underlined = -1;
};

Shaped StripPrefixes(std::string_view utf8, unsigned flags) {
  Shaped shaped;
  const bool prefixes = (flags & textflag::kNoPrefix) == 0;
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (prefixes && utf8[i] == '&') {
      if (i + 1 >= utf8.size()) break;
      if (utf8[i + 1] != '&' && shaped.underlined < 0)
        shaped.underlined = static_cast<int>(shaped.text.size());
      ++i;
    }
    shaped.text += utf8[i];
  }
  return shaped;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t space = text.find(' ', start);
    words.push_back(text.substr(start, space == std::string::npos ? std::string::npos : space - start));
    if (space == std::string::npos) break;
    start = space + 1;
  }
  return words;
}

Color Blend(Color under, Color over, float cover) {
  auto mix = [cover](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * cover)); };
  return Rgb(mix(RedOf(under), RedOf(over)), mix(GreenOf(under), GreenOf(over)),
             mix(BlueOf(under), BlueOf(over)));
}

}  // namespace

TextExtent OutlineTextRenderer::Measure(const Font& font, std::string_view utf8, unsigned flags) {
  const Shaped shaped = StripPrefixes(utf8, flags);
  return {face_.Width(shaped.text, StyleOf(font)), static_cast<double>(font.PixelHeight())};
}

void OutlineTextRenderer::Draw(Canvas& canvas, const Font& font, Color color, std::string_view utf8,
                               Rect rect, unsigned flags) {
  const Shaped shaped = StripPrefixes(utf8, flags);
  const int lineHeight = font.PixelHeight();
  if ((flags & textflag::kWordBreak) == 0) {
    const int top = (flags & textflag::kVCenter) ? rect.top + (rect.Height() - lineHeight) / 2 : rect.top;
    DrawLine(canvas, font, color, shaped.text, shaped.underlined, rect, top, flags);
    return;
  }
  // Greedy breaking at spaces, as DrawText's word break does.
  std::string line;
  int lineStart = 0;
  int offset = 0;
  int top = rect.top;
  auto flush = [&] {
    const int underline = shaped.underlined - lineStart;
    DrawLine(canvas, font, color, line,
             underline >= 0 && underline < static_cast<int>(line.size()) ? underline : -1, rect, top, flags);
    top += lineHeight;
  };
  for (const std::string& word : Words(shaped.text)) {
    const std::string candidate = line.empty() ? word : line + " " + word;
    if (!line.empty() && face_.Width(candidate, StyleOf(font)) > rect.Width()) {
      flush();
      line = word;
      lineStart = offset;
    } else {
      line = candidate;
    }
    offset += static_cast<int>(word.size()) + 1;
  }
  flush();
}

void OutlineTextRenderer::DrawLine(Canvas& canvas, const Font& font, Color color, std::string_view line,
                                   int underlined, Rect rect, int top, unsigned flags) {
  const artgen::TextStyle style = StyleOf(font);
  const double width = face_.Width(line, style);
  const double left = (flags & textflag::kCenter) ? rect.left + (rect.Width() - width) / 2.0 : rect.left;
  const int lineHeight = font.PixelHeight();
  const int baseline = top + static_cast<int>(std::lround(lineHeight * 0.86));
  const artgen::Mask mask = face_.Render(line, style, left, baseline, canvas.Width(), canvas.Height());
  for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, canvas.Height()); ++y) {
    for (int x = std::max(rect.left, 0); x < std::min(rect.right, canvas.Width()); ++x) {
      const float cover = mask.At(x, y);
      if (cover > 0.0f) canvas.SetPixel(x, y, Blend(canvas.GetPixel(x, y), color, std::min(cover, 1.0f)));
    }
  }
  if (underlined < 0) return;
  const double from = left + face_.Width(line.substr(0, underlined), style);
  size_t next = static_cast<size_t>(underlined) + 1;
  while (next < line.size() && (static_cast<unsigned char>(line[next]) & 0xC0) == 0x80) ++next;
  const double to = left + face_.Width(line.substr(0, next), style);
  canvas.FillRect({static_cast<int>(from), baseline + 1, static_cast<int>(std::ceil(to)), baseline + 2},
                  color);
}

}  // namespace zv::gallery
