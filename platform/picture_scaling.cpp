// Choosing and resizing pictures for a dpi.
#include "platform/picture_scaling.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zv {
namespace {

int SideAt(int at96, int dpi) { return TwipsToPixels(PixelsToTwips(at96), dpi); }

// The one length at 96 dpi that becomes `drawn` at `dpi`; at 96 dpi or more, lengths map one to one.
int SideAt96(int drawn, int dpi) {
  const int guess = RoundedQuotient(static_cast<long long>(drawn) * kStandardDpi, dpi);
  for (int candidate : {guess, guess - 1, guess + 1}) {
    if (SideAt(candidate, dpi) == drawn) return candidate;
  }
  return guess;
}

// The source pixels one target pixel reads along a side, and their weights (summing to 1).
struct Taps {
  int first = 0;
  std::vector<float> weights;
};

std::vector<Taps> TapsFor(int sourceLength, int targetLength) {
  const double ratio = static_cast<double>(sourceLength) / targetLength;
  const double support = std::max(1.0, ratio);  // half-width of the tent, in source pixels
  std::vector<Taps> taps(static_cast<size_t>(targetLength));
  for (int t = 0; t < targetLength; ++t) {
    const double centre = (t + 0.5) * ratio;
    const int first = std::max(0, static_cast<int>(std::floor(centre - support)));
    const int last = std::min(sourceLength - 1, static_cast<int>(std::ceil(centre + support)));
    Taps& tap = taps[static_cast<size_t>(t)];
    tap.first = first;
    double total = 0;
    for (int s = first; s <= last; ++s) {
      const double w = std::max(0.0, 1.0 - std::abs(s + 0.5 - centre) / support);
      tap.weights.push_back(static_cast<float>(w));
      total += w;
    }
    for (float& w : tap.weights) w = static_cast<float>(w / total);
  }
  return taps;
}

struct Channels {
  float r = 0, g = 0, b = 0;
};

Color ToColor(const Channels& c) {
  auto byte = [](float v) { return static_cast<Color>(std::clamp(std::lround(v), 0L, 255L)); };
  return byte(c.r) | (byte(c.g) << 8) | (byte(c.b) << 16);
}

}  // namespace

int PictureSetDpi(int dpi) {
  for (int set : kPictureSetDpis) {
    if (set >= dpi) return set;
  }
  return kPictureSetDpis[std::size(kPictureSetDpis) - 1];
}

Size PictureSizeAt(Size at96, int dpi) { return {SideAt(at96.width, dpi), SideAt(at96.height, dpi)}; }

Size PictureSizeAt96(Size drawn, int dpi) {
  return {SideAt96(drawn.width, dpi), SideAt96(drawn.height, dpi)};
}

Picture ResizeSmooth(const Picture& source, Size size) {
  if (source.IsEmpty() || size.width <= 0 || size.height <= 0) return {};
  const std::vector<Taps> columns = TapsFor(source.width, size.width);
  const std::vector<Taps> rows = TapsFor(source.height, size.height);

  // Across first, into a picture of the target's width and the source's height.
  std::vector<Channels> across(static_cast<size_t>(size.width) * source.height);
  for (int y = 0; y < source.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      const Taps& tap = columns[static_cast<size_t>(x)];
      Channels sum;
      for (size_t i = 0; i < tap.weights.size(); ++i) {
        const Color c = source.At(tap.first + static_cast<int>(i), y);
        const float w = tap.weights[i];
        sum.r += w * static_cast<float>(c & 0xFF);
        sum.g += w * static_cast<float>((c >> 8) & 0xFF);
        sum.b += w * static_cast<float>((c >> 16) & 0xFF);
      }
      across[static_cast<size_t>(y) * size.width + x] = sum;
    }
  }
  Picture target(size.width, size.height);
  for (int y = 0; y < size.height; ++y) {
    const Taps& tap = rows[static_cast<size_t>(y)];
    for (int x = 0; x < size.width; ++x) {
      Channels sum;
      for (size_t i = 0; i < tap.weights.size(); ++i) {
        const Channels& c = across[static_cast<size_t>(tap.first + static_cast<int>(i)) * size.width + x];
        const float w = tap.weights[i];
        sum.r += w * c.r;
        sum.g += w * c.g;
        sum.b += w * c.b;
      }
      target.Set(x, y, ToColor(sum));
    }
  }
  return target;
}

}  // namespace zv
