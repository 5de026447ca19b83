// Anti-aliased text from an outline font through FreeType, as coverage masks.
#include "tools/artgen/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace zv::artgen {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes UTF-8, giving U+FFFD for each malformed byte.
std::vector<char32_t> CodePoints(std::string_view utf8) {
  std::vector<char32_t> out;
  for (size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80           ? 1
                       : (lead >> 5) == 0x6  ? 2
                       : (lead >> 4) == 0xE  ? 3
                       : (lead >> 3) == 0x1E ? 4
                                             : 0;
    if (length == 0 || i + length > utf8.size()) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    bool valid = true;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      valid = valid && (next & 0xC0) == 0x80;
      cp = (cp << 6) | (next & 0x3F);
    }
    out.push_back(valid ? cp : kReplacement);
    i += valid ? length : 1;
  }
  return out;
}

FT_Pos To26Dot6(double v) { return static_cast<FT_Pos>(std::lround(v * 64.0)); }

}  // namespace

std::unique_ptr<Typeface> Typeface::Open(const std::string& path) {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) return nullptr;
  FT_Face face = nullptr;
  if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
    FT_Done_FreeType(library);
    return nullptr;
  }
  return std::unique_ptr<Typeface>(new Typeface(library, face));
}

Typeface::~Typeface() {
  FT_Done_Face(face_);
  FT_Done_FreeType(library_);
}

// Loads, emboldens, places and renders each glyph in turn, handing its bitmap and origin to `visit`;
// gives the pen position after the last glyph. Positions are subpixel across, whole pixels down.
template <typename GlyphVisitor>
double Typeface::Lay(std::string_view utf8, const TextStyle& style, double x, GlyphVisitor&& visit) const {
  FT_Set_Char_Size(face_, 0, To26Dot6(style.pixel_size), 72, 72);
  FT_UInt previous = 0;
  for (char32_t cp : CodePoints(utf8)) {
    const FT_UInt index = FT_Get_Char_Index(face_, cp);
    if (previous != 0 && FT_HAS_KERNING(face_)) {
      FT_Vector kern{};
      FT_Get_Kerning(face_, previous, index, FT_KERNING_UNFITTED, &kern);
      x += kern.x / 64.0;
    }
    previous = index;
    if (FT_Load_Glyph(face_, index, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT) != 0) continue;
    FT_GlyphSlot slot = face_->glyph;
    const double advance = slot->linearHoriAdvance / 65536.0 + style.embolden + style.tracking;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
      if (style.embolden > 0) FT_Outline_Embolden(&slot->outline, To26Dot6(style.embolden));
      const double whole = std::floor(x);
      FT_Outline_Translate(&slot->outline, To26Dot6(x - whole), 0);
      if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0) {
        visit(slot->bitmap, static_cast<int>(whole) + slot->bitmap_left, -slot->bitmap_top);
      }
    }
    x += advance;
  }
  return x;
}

double Typeface::Width(std::string_view utf8, const TextStyle& style) const {
  const double end = Lay(utf8, style, 0.0, [](const FT_Bitmap&, int, int) {});
  return end - style.tracking;
}

InkRange Typeface::Ink(std::string_view utf8, const TextStyle& style) const {
  InkRange ink{INT_MAX, INT_MIN};
  Lay(utf8, style, 0.0, [&ink](const FT_Bitmap& bitmap, int, int top) {
    if (bitmap.rows == 0) return;
    ink.top = std::min(ink.top, top);
    ink.bottom = std::max(ink.bottom, top + static_cast<int>(bitmap.rows));
  });
  return ink.top > ink.bottom ? InkRange{} : ink;
}

Mask Typeface::Render(std::string_view utf8, const TextStyle& style, double x, int baseline, int width,
                      int height) const {
  Mask mask(width, height);
  Lay(utf8, style, x, [&mask, baseline](const FT_Bitmap& bitmap, int left, int top) {
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      for (unsigned col = 0; col < bitmap.width; ++col) {
        const int px = left + static_cast<int>(col);
        const int py = baseline + top + static_cast<int>(row);
        if (px < 0 || py < 0 || px >= mask.width || py >= mask.height) continue;
        const float cover =
            bitmap.buffer[static_cast<int>(row) * bitmap.pitch + static_cast<int>(col)] / 255.0f;
        mask.At(px, py) = std::min(1.0f, mask.At(px, py) + cover);
      }
    }
  });
  return mask;
}

}  // namespace zv::artgen
