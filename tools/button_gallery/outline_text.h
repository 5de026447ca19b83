// Captions in a real outline font for the gallery, laid out with the DrawText rules the button
// relies on: single line centred, word-wrapped centred lines, "&" prefixes underlined.
#pragma once

#include <string_view>

#include "platform/canvas.h"
#include "tools/artgen/text.h"

namespace zv::gallery {

class OutlineTextRenderer final : public TextRenderer {
 public:
  explicit OutlineTextRenderer(const artgen::Typeface& face) : face_(face) {}
  TextExtent Measure(const Font& font, std::string_view utf8, unsigned flags) override;
  void Draw(Canvas& canvas, const Font& font, Color color, std::string_view utf8, Rect rect,
            unsigned flags) override;

 private:
  void DrawLine(Canvas& canvas, const Font& font, Color color, std::string_view line, int underlined,
                Rect rect, int top, unsigned flags);
  const artgen::Typeface& face_;
};

}  // namespace zv::gallery
