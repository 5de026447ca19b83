// Draws every look of the skinned button in every state at three sizes into one picture, so that
// the button can be looked at. docs/button-gallery.png is made with
//   button_gallery gallery.bmp && convert gallery.bmp -strip docs/button-gallery.png
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "command/command.h"
#include "platform/bmp.h"
#include "platform/canvas.h"
#include "platform/forms/controls.h"
#include "platform/forms/definition.h"
#include "platform/forms/run_mode_host.h"
#include "platform/headless/headless_runtime.h"
#include "platform/headless/headless_surface.h"
#include "platform/host_text_renderer.h"
#if defined(GALLERY_OUTLINE_FONT)
#include "tools/button_gallery/outline_text.h"
#endif

namespace {

using zv::Canvas;
using zv::Color;
using zv::Rect;
using zv::Rgb;

constexpr Color kBackground = Rgb(244, 246, 250);
constexpr Color kLabel = Rgb(60, 64, 72);
constexpr int kMargin = 12;
constexpr int kLabelWidth = 150;
constexpr int kCellWidth = 172;
constexpr int kHeaderHeight = 30;

struct Variant {
  const char* label;
  int look;
  int xpType;
  int scheme;
};
const std::vector<Variant> kVariants = {
    {"1 XP lilac", 1, 1, 1},  {"1 XP beige", 1, 2, 1},   {"1 XP light grey", 1, 3, 1},
    {"2 classic", 2, 1, 1},   {"3 gradient", 3, 1, 1},   {"4 glossy", 4, 1, 1},
    {"5 Office XP", 5, 1, 1}, {"1 XP, custom", 1, 1, 2}, {"5 classic scheme", 5, 1, 3},
};

struct ButtonSize {
  int width;
  int height;
  const char* caption;
};
const std::vector<ButtonSize> kSizes = {{65, 25, "确定"}, {113, 33, "释放内存"}, {150, 44, "&Free memory"}};

enum class Look { Normal, Hover, Pressed, Disabled, Focused, Default };
const std::vector<std::pair<Look, const char*>> kStates = {
    {Look::Normal, "normal"},     {Look::Hover, "hover"},     {Look::Pressed, "pressed"},
    {Look::Disabled, "disabled"}, {Look::Focused, "focused"}, {Look::Default, "default"}};

// One button in one state, copied into the picture at (left, top) with its window region.
void DrawCell(Canvas& picture, zv::TextRenderer& text, const Variant& variant, const ButtonSize& size,
              Look look, int left, int top) {
  zv::headless::DefaultSystemColors colors;
  zv::headless::VirtualClockTimers timers;
  zv::forms::RunModeHost host(colors, timers);
  zv::forms::PictureBox page("Page");
  page.SetFont(zv::Font{"Arial", 9.0, zv::kFontWeightNormal, false, false, zv::kCharsetAnsi});
  auto& button = page.Add<zv::command::Command>("Command1", host);
  button.Move(0, 0, zv::PixelsToTwips(size.width), zv::PixelsToTwips(size.height));

  zv::forms::PropertyBag bag;
  bag.Set("caption", std::string(size.caption));
  button.ReadProperties(bag);
  zv::headless::HeadlessSurface surface(button, text);  // sends the first resize
  surface.cursor = {1, 1};
  button.SetColorScheme(variant.scheme);
  button.SetXpType(variant.xpType);
  button.SetButtonType(variant.look);
  switch (look) {
    case Look::Normal:
      break;
    case Look::Hover:
      button.OnMouseMove(0, 0, 5, 5);
      break;
    case Look::Pressed:
      button.OnMouseDown(1, 0, 5, 5);
      break;
    case Look::Disabled:
      button.SetEnabled(false);
      break;
    case Look::Focused:
      button.OnGotFocus();
      break;
    case Look::Default:
      button.SetDisplayAsDefault(true);
      button.OnAmbientChanged();
      break;
  }

  const Canvas& drawn = *surface.GetCanvas();
  for (int y = 0; y < drawn.Height(); ++y) {
    for (int x = 0; x < drawn.Width(); ++x) {
      bool cut = false;
      for (const Rect& r : surface.regions.back()) cut = cut || r.Contains({x, y});
      if (!cut) picture.SetPixel(left + x, top + y, drawn.GetPixel(x, y));
    }
  }
}

int RowHeight(const ButtonSize& size) { return size.height + 12; }

void DrawGallery(Canvas& picture, zv::TextRenderer& text) {
  const zv::Font labelFont{"Arial", 9.0};
  const zv::Font headFont{"Arial", 10.0, zv::kFontWeightBold};
  picture.Clear(kBackground);
  for (size_t s = 0; s < kStates.size(); ++s) {
    const int left = kMargin + kLabelWidth + static_cast<int>(s) * kCellWidth;
    picture.DrawText(headFont, kLabel, kStates[s].second, {left, kMargin, left + kCellWidth, kMargin + 16},
                     zv::textflag::kSingleLine | zv::textflag::kNoPrefix);
  }
  int top = kMargin + kHeaderHeight;
  for (const ButtonSize& size : kSizes) {
    const std::string sizeText = std::to_string(size.width) + " x " + std::to_string(size.height);
    picture.DrawText(headFont, kLabel, sizeText, {kMargin, top, kMargin + kLabelWidth, top + 16},
                     zv::textflag::kSingleLine);
    top += 22;
    for (const Variant& variant : kVariants) {
      picture.DrawText(labelFont, kLabel, variant.label,
                       {kMargin, top, kMargin + kLabelWidth, top + size.height},
                       zv::textflag::kSingleLine | zv::textflag::kVCenter | zv::textflag::kNoPrefix);
      for (size_t s = 0; s < kStates.size(); ++s) {
        const int left = kMargin + kLabelWidth + static_cast<int>(s) * kCellWidth;
        DrawCell(picture, text, variant, size, kStates[s].first, left, top);
      }
      top += RowHeight(size);
    }
    top += 10;
  }
}

int PictureHeight() {
  int height = kMargin + kHeaderHeight;
  for (const ButtonSize& size : kSizes)
    height += 22 + static_cast<int>(kVariants.size()) * RowHeight(size) + 10;
  return height + kMargin;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string out = argc > 1 ? argv[1] : "button-gallery.bmp";
#if defined(GALLERY_OUTLINE_FONT)
  const auto face = zv::artgen::Typeface::Open(GALLERY_OUTLINE_FONT);
  if (!face) {
    std::fprintf(stderr, "button_gallery: cannot open %s\n", GALLERY_OUTLINE_FONT);
    return 1;
  }
  zv::gallery::OutlineTextRenderer text(*face);
#else
  zv::HostTextRenderer text;  // stand-in box glyphs
#endif
  const int width = 2 * kMargin + kLabelWidth + static_cast<int>(kStates.size()) * kCellWidth;
  zv::OwnedCanvas picture(width, PictureHeight(), &text);
  DrawGallery(picture.canvas(), text);

  const std::vector<std::uint8_t> bytes = zv::EncodeBmp24(picture.ToPicture());
  std::ofstream file(out, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) {
    std::fprintf(stderr, "button_gallery: cannot write %s\n", out.c_str());
    return 1;
  }
  std::printf("button_gallery: wrote %s (%d x %d)\n", out.c_str(), width, PictureHeight());
  return 0;
}
