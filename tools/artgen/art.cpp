// Every picture, icon and cursor file of the program, by file name.
#include "tools/artgen/art.h"

#include "platform/bmp.h"
#include "tools/artgen/chrome.h"
#include "tools/artgen/icons.h"
#include "tools/artgen/nav.h"
#include "tools/artgen/scale.h"
#include "tools/artgen/skin.h"
#include "tools/artgen/theme.h"

namespace zv::artgen {
namespace {

struct NavEntry {
  const char* name;
  NavIcon icon;
  const char* word;
  int top_twips;  // where the main window lays the entry out
};

constexpr NavEntry kNavEntries[] = {
    {"status", NavIcon::kStatus, "状态", theme::kNavTopTwips[0]},
    {"records", NavIcon::kRecords, "记录", theme::kNavTopTwips[2]},
    {"settings", NavIcon::kSettings, "设置", theme::kNavTopTwips[1]},
    {"about", NavIcon::kAbout, "关于", theme::kNavTopTwips[3]},
};

struct Header {
  const char* name;
  const char* words;
};

constexpr Header kHeaders[] = {
    {"resources", "资源状态"},
    {"memory", "内存状态"},
    {"settings", "软件设置"},
};

constexpr const char* kStateNames[] = {"normal", "hover", "pressed"};

// Every picture of one set, named with `prefix` (the set's folder) in front.
void DrawPictures(const Typeface& font, Scale scale, const std::string& prefix, std::vector<ArtFile>& files) {
  auto add = [&](const std::string& name, const Image& image) {
    files.push_back({prefix + name, EncodeBmp24(image.ToPicture())});
  };
  const Image skin = DrawSkin(font, scale);
  add("skin.bmp", skin);
  for (const NavEntry& e : kNavEntries) {
    for (const bool selected : {true, false}) {
      add(std::string("nav_") + e.name + (selected ? "_selected.bmp" : "_normal.bmp"),
          DrawNavEntry(skin, scale, e.top_twips, e.icon, e.word, selected, font));
    }
  }
  for (int s = 0; s < 3; ++s) {
    add(std::string("min_") + kStateNames[s] + ".bmp",
        DrawMinimiseButton(skin, static_cast<ButtonState>(s), scale));
  }
  for (int s = 0; s < 3; ++s) {
    add(std::string("exit_") + kStateNames[s] + ".bmp",
        DrawCloseButton(skin, static_cast<ButtonState>(s), scale));
  }
  for (const Header& h : kHeaders) {
    add(std::string("header_") + h.name + ".bmp", DrawSectionHeader(h.words, font, scale));
  }
  add("logo.bmp", DrawAboutLogo(scale));
  add("tip_background.bmp", DrawTipBackground(scale));
}

}  // namespace

std::string ScaledFolder(int dpi) { return std::to_string(Scale(dpi).percent()); }

std::vector<ArtFile> DrawAllArt(const Typeface& font) {
  std::vector<ArtFile> files;
  DrawPictures(font, Scale(), "", files);
  files.push_back({"link.cur", EncodeCursor(LinkCursor())});
  files.push_back({"zorvane.ico", WindowIconFile()});
  files.push_back({"vk.ico", TrayIconFile()});
  for (const int dpi : kScaledDpis) DrawPictures(font, Scale(dpi), ScaledFolder(dpi) + "/", files);
  return files;
}

}  // namespace zv::artgen
