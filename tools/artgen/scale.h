// The scale a picture set is drawn at: design pixels (those at 96 dpi) to pixels at the set's dpi.
#pragma once

#include <algorithm>

#include "platform/geometry.h"
#include "tools/artgen/shape.h"
#include "tools/artgen/text.h"

namespace zv::artgen {

class Scale {
 public:
  constexpr explicit Scale(int dpi = kStandardDpi) : dpi_(dpi) {}

  constexpr int dpi() const { return dpi_; }
  constexpr int percent() const { return dpi_ * 100 / kStandardDpi; }
  // Exactly 1 at 96 dpi, so that the design set is drawn with the very numbers it is written in.
  constexpr double factor() const { return static_cast<double>(dpi_) / kStandardDpi; }

  // A free length or coordinate, unrounded: for curves, text and gradients.
  constexpr double operator()(double design) const { return design * factor(); }
  constexpr Vec operator()(Vec design) const { return {design.x * factor(), design.y * factor()}; }
  TextStyle Text(const TextStyle& design) const {
    return {.pixel_size = (*this)(design.pixel_size),
            .embolden = (*this)(design.embolden),
            .tracking = (*this)(design.tracking)};
  }

  // A position or size in whole pixels, rounded as the window layout rounds it (through twips), so that
  // an edge drawn here meets the control placed there.
  constexpr int Snap(int design) const { return TwipsToPixels(PixelsToTwips(design), dpi_); }
  // Where the layout puts a position given in twips.
  constexpr int Place(int twips) const { return TwipsToPixels(twips, dpi_); }
  // The thickness of a line `design` pixels thick: whole pixels, never less than one.
  constexpr int Line(int design) const { return std::max(1, static_cast<int>(design * factor())); }

 private:
  int dpi_;
};

// The sets drawn besides the design set, by dpi.
inline constexpr int kScaledDpis[] = {120, 144, 192};

}  // namespace zv::artgen
