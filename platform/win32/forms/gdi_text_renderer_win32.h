// Text measured and drawn by GDI into the DC of a canvas's DIB section.
#pragma once

#include <optional>

#include "platform/canvas.h"
#include "platform/win32/forms/gdi_resources_win32.h"

namespace zv::platform {

class GdiTextRenderer final : public TextRenderer {
 public:
  // dc: the memory DC whose selected DIB section holds the canvas's pixels.
  GdiTextRenderer(HDC dc, GdiResources& resources) : dc_(dc), resources_(resources) {}
  TextExtent Measure(const Font& font, std::string_view utf8, unsigned flags) override;
  void Draw(Canvas& canvas, const Font& font, Color color, std::string_view utf8, Rect rect,
            unsigned flags) override;

 private:
  HDC dc_;
  GdiResources& resources_;
};

// A memory DC with a canvas over its 32-bit top-down DIB section: the retained image of a
// window, which GDI text and the portable drawing code share pixel for pixel.
class DibSurface {
 public:
  explicit DibSurface(GdiResources& resources);
  ~DibSurface();
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;

  // Makes the surface width × height, its text drawn at `textDpi`; keeps the pixels when the size is
  // unchanged.
  bool Resize(int width, int height, int textDpi);
  Canvas* GetCanvas() { return canvas_ ? &*canvas_ : nullptr; }
  HDC Dc() const { return dc_.get(); }
  // Copies a part of the image to a window's DC.
  void Present(HDC target, const RECT& area) const;

 private:
  void Release();
  GdiResources& resources_;
  MemoryDcHandle dc_;
  BitmapHandle bitmap_;
  HGDIOBJ previousBitmap_ = nullptr;
  std::optional<GdiTextRenderer> text_;
  std::optional<Canvas> canvas_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace zv::platform
