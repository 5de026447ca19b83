// Fonts and solid brushes shared by every window of the backend, made once per description.
#pragma once

#include <map>
#include <tuple>

#include "platform/color.h"
#include "platform/font.h"
#include "platform/win32/forms/gdi_handles.h"

namespace zv::platform {

class GdiResources {
 public:
  // A font of the description at 96 dots per inch; never null (the system font as a last resort).
  HFONT FontFor(const Font& font);
  HBRUSH BrushFor(COLORREF color);

 private:
  using FontKey = std::tuple<std::string, int, int, bool, bool, int>;
  std::map<FontKey, FontHandle> fonts_;
  std::map<COLORREF, BrushHandle> brushes_;
};

}  // namespace zv::platform
