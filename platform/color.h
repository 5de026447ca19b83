// Colours as the platform stores them: 0x00BBGGRR, or 0x800000nn for system colour nn.
#pragma once

#include <cstdint>

namespace zv {

using Color = std::uint32_t;

constexpr Color Rgb(int r, int g, int b) {
  auto clamp = [](int v) { return static_cast<Color>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
  return clamp(r) | (clamp(g) << 8) | (clamp(b) << 16);
}
constexpr int RedOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr bool IsSystemColor(Color c) { return (c & 0x80000000u) != 0; }
constexpr Color SystemColor(int index) { return 0x80000000u | static_cast<Color>(index); }
constexpr int SystemColorIndex(Color c) { return static_cast<int>(c & 0xFF); }

// System colour numbers used by the window definitions and the controls.
namespace syscolor {
constexpr int kWindow = 5;
constexpr int kWindowText = 8;
constexpr int kButtonFace = 15;
constexpr int kButtonShadow = 16;
constexpr int kButtonText = 18;
constexpr int kButtonHighlight = 20;
constexpr int kDarkShadow3D = 21;
constexpr int kLight3D = 22;
}  // namespace syscolor

}  // namespace zv
