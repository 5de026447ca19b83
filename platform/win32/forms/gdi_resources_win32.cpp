// Font and brush creation for the Win32 backend.
#include "platform/win32/forms/gdi_resources_win32.h"

#include <cmath>

#include "platform/win32/text_win32.h"

namespace zv::platform {

HFONT GdiResources::FontFor(const Font& font) {
  // Point sizes such as 10.5 and 7.5 map to whole pixel heights as the platform rounds them.
  const int height = -static_cast<int>(std::lround(font.points * 96.0 / 72.0));
  FontKey key{font.face, height, font.weight, font.italic, font.underline, font.charset};
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second.get();
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfWeight = font.weight;
  lf.lfItalic = font.italic ? TRUE : FALSE;
  lf.lfUnderline = font.underline ? TRUE : FALSE;
  // A font saved with the ANSI character set would draw Chinese captions as empty boxes where the
  // platform links no fallback font; the default set lets it pick a face that has the glyphs.
  lf.lfCharSet = static_cast<BYTE>(font.charset == kCharsetAnsi ? kCharsetDefault : font.charset);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = Widen(font.face);
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  FontHandle handle(CreateFontIndirectW(&lf));
  if (!handle) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HFONT result = handle.get();
  fonts_.emplace(key, std::move(handle));
  return result;
}

HBRUSH GdiResources::BrushFor(COLORREF color) {
  auto it = brushes_.find(color);
  if (it != brushes_.end()) return it->second.get();
  BrushHandle brush(CreateSolidBrush(color));
  HBRUSH result = brush.get();
  brushes_.emplace(color, std::move(brush));
  return result;
}

}  // namespace zv::platform
