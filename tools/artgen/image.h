// Floating-point RGBA images and coverage masks: the artwork is drawn in these, then rounded once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/picture.h"

namespace zv::artgen {

// A colour with straight (not premultiplied) alpha, every channel 0..1.
struct Rgba {
  float r = 0;
  float g = 0;
  float b = 0;
  float a = 0;
  friend bool operator==(const Rgba&, const Rgba&) = default;
};

// 0xRRGGBB as designers write it.
constexpr Rgba Hex(std::uint32_t rrggbb, float alpha = 1.0f) {
  return {static_cast<float>((rrggbb >> 16) & 0xFF) / 255.0f,
          static_cast<float>((rrggbb >> 8) & 0xFF) / 255.0f, static_cast<float>(rrggbb & 0xFF) / 255.0f,
          alpha};
}
Rgba Mix(Rgba from, Rgba to, double t);
Rgba WithAlpha(Rgba c, float alpha);

// Per-pixel coverage 0..1 of a shape or a run of text, the size of the image it is painted on.
struct Mask {
  int width = 0;
  int height = 0;
  std::vector<float> cover;

  Mask(int w, int h) : width(w), height(h), cover(static_cast<size_t>(w) * h, 0.0f) {}
  float At(int x, int y) const { return cover[static_cast<size_t>(y) * width + x]; }
  float& At(int x, int y) { return cover[static_cast<size_t>(y) * width + x]; }
};

// Premultiplied RGBA pixels, rows top to bottom, starting fully transparent.
class Image {
 public:
  Image(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  // The straight colour at a pixel.
  Rgba At(int x, int y) const;
  // Source-over of a straight colour with the given coverage.
  void Blend(int x, int y, Rgba color, float coverage);
  // Source-over of another image with its top-left corner at (x, y), clipped.
  void Draw(const Image& source, int x, int y);
  Image Crop(int x, int y, int width, int height) const;

  // Rounded to 8 bits per channel over an opaque backdrop.
  Picture ToPicture(Rgba backdrop = Hex(0xFFFFFF)) const;
  friend bool operator==(const Image&, const Image&) = default;

 private:
  struct Pixel {
    float r = 0, g = 0, b = 0, a = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
  };
  Pixel& PixelAt(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  const Pixel& PixelAt(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

  int width_;
  int height_;
  std::vector<Pixel> pixels_;
};

// A channel 0..1 to 0..255, rounded to nearest.
std::uint8_t ToByte(float v);

}  // namespace zv::artgen
