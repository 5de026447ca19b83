// A font description as window definitions and controls give it.
#pragma once

#include <string>

#include "platform/geometry.h"

namespace zv {

constexpr int kFontWeightNormal = 400;
constexpr int kFontWeightBold = 700;
constexpr int kCharsetAnsi = 0;
constexpr int kCharsetDefault = 1;
constexpr int kCharsetGb2312 = 134;

struct Font {
  std::string face = "Arial";  // UTF-8, e.g. "宋体"
  double points = 9.0;
  int weight = kFontWeightNormal;
  bool italic = false;
  bool underline = false;
  int charset = kCharsetDefault;

  // Character height in pixels at 96 dpi, as a font of this size asks the platform for.
  int PixelHeight() const { return static_cast<int>(points * 96.0 / 72.0 + 0.5); }
  // The font of a window laid out at `dpi`: its points grow by dpi / 96, so that every conversion made
  // at 96 dpi gives the pixel height of the real size at `dpi`.
  Font AtDpi(int dpi) const {
    Font scaled = *this;
    if (dpi > 0 && dpi != kStandardDpi) scaled.points = points * dpi / kStandardDpi;
    return scaled;
  }
  friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace zv
