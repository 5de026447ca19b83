// Every picture, icon and cursor file of the program, by file name.
#include "tools/artgen/art.h"

#include "platform/bmp.h"
#include "tools/artgen/chrome.h"
#include "tools/artgen/icons.h"
#include "tools/artgen/nav.h"
#include "tools/artgen/skin.h"
#include "tools/artgen/theme.h"

namespace zv::artgen {
namespace {

struct NavEntry {
  const char* name;
  NavIcon icon;
  const char* word;
};

constexpr NavEntry kNavEntries[] = {
    {"status", NavIcon::kStatus, "状态"},
    {"records", NavIcon::kRecords, "记录"},
    {"settings", NavIcon::kSettings, "设置"},
    {"about", NavIcon::kAbout, "关于"},
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

ArtFile Bitmap(std::string name, const Image& image) {
  return {std::move(name), EncodeBmp24(image.ToPicture())};
}

}  // namespace

std::vector<ArtFile> DrawAllArt(const Typeface& font) {
  std::vector<ArtFile> files;
  const Image skin = DrawSkin(font);
  files.push_back(Bitmap("skin.bmp", skin));

  for (int i = 0; i < 4; ++i) {
    const NavEntry& e = kNavEntries[i];
    const int y = theme::kNavY[i];
    files.push_back(Bitmap(std::string("nav_") + e.name + "_selected.bmp",
                           DrawNavEntry(skin, y, e.icon, e.word, true, font)));
    files.push_back(Bitmap(std::string("nav_") + e.name + "_normal.bmp",
                           DrawNavEntry(skin, y, e.icon, e.word, false, font)));
  }
  for (int s = 0; s < 3; ++s) {
    files.push_back(Bitmap(std::string("min_") + kStateNames[s] + ".bmp",
                           DrawMinimiseButton(skin, static_cast<ButtonState>(s))));
  }
  for (int s = 0; s < 3; ++s) {
    files.push_back(Bitmap(std::string("exit_") + kStateNames[s] + ".bmp",
                           DrawCloseButton(skin, static_cast<ButtonState>(s))));
  }
  for (const Header& h : kHeaders) {
    files.push_back(Bitmap(std::string("header_") + h.name + ".bmp", DrawSectionHeader(h.words, font)));
  }
  files.push_back(Bitmap("logo.bmp", DrawAboutLogo()));
  files.push_back(Bitmap("tip_background.bmp", DrawTipBackground()));
  files.push_back({"link.cur", EncodeCursor(LinkCursor())});
  files.push_back({"zorvane.ico", WindowIconFile()});
  files.push_back({"vk.ico", TrayIconFile()});
  return files;
}

}  // namespace zv::artgen
