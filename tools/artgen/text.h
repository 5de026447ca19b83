// Anti-aliased text from an outline font through FreeType, as coverage masks.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "tools/artgen/image.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace zv::artgen {

struct TextStyle {
  double pixel_size = 12;  // em size in pixels
  double embolden = 0;     // extra stroke weight in pixels, for a bold look from a regular face
  double tracking = 0;     // extra space after each character, in pixels
};

// The vertical extent of inked pixels relative to the baseline (negative is above it).
struct InkRange {
  int top = 0;
  int bottom = 0;
};

class Typeface {
 public:
  // nullptr when FreeType cannot start or the font file cannot be opened.
  static std::unique_ptr<Typeface> Open(const std::string& path);
  ~Typeface();
  Typeface(const Typeface&) = delete;
  Typeface& operator=(const Typeface&) = delete;

  // The pen advance of the whole text.
  double Width(std::string_view utf8, const TextStyle& style) const;
  InkRange Ink(std::string_view utf8, const TextStyle& style) const;
  // Coverage of the text with its pen starting at x on the baseline, in a width x height mask.
  Mask Render(std::string_view utf8, const TextStyle& style, double x, int baseline, int width,
              int height) const;

 private:
  Typeface(FT_LibraryRec_* library, FT_FaceRec_* face) : library_(library), face_(face) {}
  template <typename GlyphVisitor>
  double Lay(std::string_view utf8, const TextStyle& style, double x, GlyphVisitor&& visit) const;

  FT_LibraryRec_* library_;
  FT_FaceRec_* face_;
};

}  // namespace zv::artgen
