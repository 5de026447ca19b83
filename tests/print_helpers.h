// Readable text of rectangles, colours and pixel sketches, for comparisons and failure messages in tests.
#pragma once

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>

#include "platform/color.h"
#include "platform/geometry.h"

namespace zv {

// "{left, top, right, bottom}".
inline std::string Describe(Rect r) {
  std::ostringstream out;
  out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
  return out.str();
}

// "RGB(red,green,blue)".
inline std::string RgbText(Color c) {
  std::ostringstream out;
  out << "RGB(" << RedOf(c) << "," << GreenOf(c) << "," << BlueOf(c) << ")";
  return out.str();
}

// The rows of a sketch, each ended by '\n', as a canvas is drawn in text.
inline std::string Rows(std::initializer_list<std::string_view> rows) {
  std::string text;
  for (std::string_view row : rows) (text += row) += '\n';
  return text;
}

}  // namespace zv
