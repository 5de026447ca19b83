// FormVelkan as data: 786 × 557 skinned window with four pages.
#include "forms/velkan_definition.h"

#include <string>

#include "platform/geometry.h"

namespace zv::definitions {

using namespace forms;  // the window model the definitions are written in
namespace {

constexpr Color kSystemWindow = SystemColor(syscolor::kWindow);
constexpr Color kSystemWindowText = SystemColor(syscolor::kWindowText);
constexpr Color kDarkGrey = 0x404040;
constexpr Color kGrey = 0x808080;
constexpr Color kGreen = 0x008000;
constexpr Color kRed = 0x0000FF;
constexpr Color kWhite = 0xFFFFFF;

Font Arial(double points, bool underline = false) {
  return Font{.face = "Arial", .points = points, .underline = underline, .charset = kCharsetDefault};
}
Font SongTi(double points, int weight = kFontWeightNormal) {
  return Font{.face = "宋体", .points = points, .weight = weight, .charset = kCharsetGb2312};
}

ControlDefinition TextLabel(std::string name, std::string parent, int left, int top, int width, int height,
                            std::string caption, std::optional<Color> color, Font font) {
  return {.kind = ControlKind::Label,
          .name = std::move(name),
          .parent = std::move(parent),
          .left = left,
          .top = top,
          .width = width,
          .height = height,
          .caption = std::move(caption),
          .foreColor = color,
          .font = std::move(font),
          .transparent = true,
          .autoSize = true};
}

ControlDefinition ImageAt(std::string name, int index, std::string parent, int left, int top, int width,
                          int height, std::string picture) {
  return {.kind = ControlKind::Image,
          .name = std::move(name),
          .index = index,
          .parent = std::move(parent),
          .left = left,
          .top = top,
          .width = width,
          .height = height,
          .picture = std::move(picture)};
}

ControlDefinition Page(std::string name, int left, int top, int width, int height) {
  return {.kind = ControlKind::PictureBox,
          .name = std::move(name),
          .left = left,
          .top = top,
          .width = width,
          .height = height,
          .foreColor = kSystemWindowText,
          .backColor = kSystemWindow,
          .font = SongTi(9)};
}

ControlDefinition Legend(std::string name, int left, Color color) {
  return {.kind = ControlKind::Shape,
          .name = std::move(name),
          .parent = "PictureState",
          .left = left,
          .top = PixelsToTwips(96),
          .width = PixelsToTwips(9),
          .height = PixelsToTwips(9),
          .filled = true,
          .fillColor = color,
          .borderColor = color};
}

ControlDefinition Check(std::string name, int top, int width, std::string caption, int tabIndex) {
  return {.kind = ControlKind::CheckBox,
          .name = std::move(name),
          .parent = "PictureSettings",
          .left = PixelsToTwips(24),
          .top = top,
          .width = width,
          .height = PixelsToTwips(17),
          .caption = std::move(caption),
          .foreColor = kSystemWindowText,
          .backColor = kSystemWindow,
          .font = Arial(9),
          .tabIndex = tabIndex,
          .flat = true};
}

// A skinned push button with the saved values of its instance (sizes in HIMETRIC as the host keeps them).
ControlDefinition SkinnedButton(std::string name, std::string parent, int left, int top, int width,
                                int height, std::string caption, int tabIndex, std::int32_t extentX,
                                std::int32_t extentY) {
  return {.kind = ControlKind::Hosted,
          .name = std::move(name),
          .parent = std::move(parent),
          .left = left,
          .top = top,
          .width = width,
          .height = height,
          .tabIndex = tabIndex,
          .hostedType = "Zorvane.Command",
          .saved = {{"_extentx", extentX},
                    {"_extenty", extentY},
                    {"font", Font{.face = "Arial", .points = 9, .charset = kCharsetAnsi}},
                    {"caption", std::move(caption)}}};
}

// OK and Cancel keep the glossy look's blue gradient set, without effect in their look.
ControlDefinition SettingsButton(std::string name, int left, std::string caption, int tabIndex) {
  ControlDefinition d =
      SkinnedButton(std::move(name), "PictureSettings", left, PixelsToTwips(216), PixelsToTwips(65),
                    PixelsToTwips(25), std::move(caption), tabIndex, 1720, 661);
  d.saved.push_back({"percent", std::int16_t{53}});
  d.saved.push_back({"midcolor", std::int32_t{0xFFAB7C}});
  d.saved.push_back({"endcolor", std::int32_t{0xFFD3BF}});
  d.saved.push_back({"mousemovemidcolor", std::int32_t{0xFFCB9D}});
  d.saved.push_back({"mousemoveendcolor", std::int32_t{0xFFE7D1}});
  d.saved.push_back({"mousedownmidcolor", std::int32_t{0xFF9964}});
  d.saved.push_back({"mousedownendcolor", std::int32_t{0xFFD3BF}});
  return d;
}

// The status page's graph: CPU dark green and memory red on white every 500 ms, flat, no border.
ControlDefinition StripChart() {
  return {.kind = ControlKind::Hosted,
          .name = "CpuMonitor",
          .parent = "PictureState",
          .left = PixelsToTwips(40),
          .top = PixelsToTwips(40),
          .width = PixelsToTwips(411),
          .height = PixelsToTwips(41),
          .tabIndex = 9,
          .hostedType = "Zorvane.CpuMonitor",
          .saved = {{"_extentx", std::int32_t{10874}},
                    {"_extenty", std::int32_t{1085}},
                    {"updateinterval", std::int32_t{500}},
                    {"cpumonitorcolor", std::int32_t{0x8000}},
                    {"memorycolor", std::int32_t{0xFF}},
                    {"pagefilecolor", std::int32_t{0xC0C0}},
                    {"displaygridcolor", std::int32_t{0xC0C0C0}},
                    {"backcolor", std::int32_t{0xFFFFFF}},
                    {"appearance", std::int16_t{0}},
                    {"borderstyle", std::int16_t{0}},
                    {"pagefiledisplayed", false},
                    {"virtualmemorydisplayed", false},
                    {"hdmonitordisplayed", false},
                    {"hddriveletter", std::string("C:\\")}}};
}

void AddWindowControls(FormDefinition& d) {
  auto& c = d.controls;
  c.push_back(TextLabel("Label1", "", PixelsToTwips(32), PixelsToTwips(6), PixelsToTwips(96),
                        PixelsToTwips(15), "Zorvane", kDarkGrey, Arial(9)));
  c.push_back(TextLabel("LabelState", "", PixelsToTwips(48), PixelsToTwips(113), PixelsToTwips(96),
                        PixelsToTwips(12), "系统内存使用状态", kWhite, SongTi(9)));
  c.push_back(TextLabel("Label10", "", PixelsToTwips(728), PixelsToTwips(536), PixelsToTwips(29),
                        PixelsToTwips(13), "v3.8.3", kDarkGrey, Arial(7.5)));
  auto link = TextLabel("LabelHomePage2", "", PixelsToTwips(16), PixelsToTwips(536), PixelsToTwips(168),
                        PixelsToTwips(12), std::string(kHomePageAddress), kGrey, SongTi(9));
  link.cursor = Cursor::Link;
  c.push_back(link);
  const char* minLooks[] = {"min_normal", "min_hover", "min_pressed"};
  const char* exitLooks[] = {"exit_normal", "exit_hover", "exit_pressed"};
  for (int i = 0; i < 3; ++i) {
    c.push_back(ImageAt("ImageMin", i, "", PixelsToTwips(720), PixelsToTwips(8 + 16 * i), PixelsToTwips(28),
                        PixelsToTwips(15), minLooks[i]));
    c.push_back(ImageAt("ImageExit", i, "", PixelsToTwips(752), PixelsToTwips(8 + 16 * i), PixelsToTwips(28),
                        PixelsToTwips(15), exitLooks[i]));
  }
  struct Nav {
    const char* name;
    const char* picture;
    Point selected;
    Point normal;
  };
  const Nav navs[] = {{"ImageStatus", "nav_status", {1, 290}, {0, 136}},
                      {"ImageRecords", "nav_records", {0, 328}, {0, 171}},
                      {"ImageSettings", "nav_settings", {1, 370}, {0, 206}},
                      {"ImageAbout", "nav_about", {0, 408}, {0, 241}}};
  for (const Nav& n : navs) {
    const std::string base = n.picture;
    c.push_back(ImageAt(n.name, 0, "", PixelsToTwips(n.selected.x), PixelsToTwips(n.selected.y),
                        PixelsToTwips(199), PixelsToTwips(36), base + "_selected"));
    c.push_back(ImageAt(n.name, 1, "", PixelsToTwips(n.normal.x), PixelsToTwips(n.normal.y),
                        PixelsToTwips(199), PixelsToTwips(36), base + "_normal"));
  }
  c.push_back(
      Page("PictureState", PixelsToTwips(208), PixelsToTwips(136), PixelsToTwips(553), PixelsToTwips(377)));
  c.push_back(
      Page("PictureRecords", PixelsToTwips(760), PixelsToTwips(152), PixelsToTwips(513), PixelsToTwips(369)));
  c.push_back(Page("PictureSettings", PixelsToTwips(472), PixelsToTwips(136), PixelsToTwips(457),
                   PixelsToTwips(289)));
  c.push_back(
      Page("PictureAbout", PixelsToTwips(616), PixelsToTwips(176), PixelsToTwips(513), PixelsToTwips(353)));
}

void AddStatusPage(FormDefinition& d) {
  auto& c = d.controls;
  const std::string page = "PictureState";
  c.push_back(ImageAt("Image2", -1, page, PixelsToTwips(40), PixelsToTwips(16), PixelsToTwips(102),
                      PixelsToTwips(22), "header_resources"));
  c.push_back(StripChart());
  c.push_back(Legend("Shape2", PixelsToTwips(48), 0x00FF00));
  c.push_back(TextLabel("Label14", page, PixelsToTwips(64), PixelsToTwips(96), PixelsToTwips(21),
                        PixelsToTwips(13), "CPU", std::nullopt, Arial(7.5)));
  c.push_back(Legend("Shape3", PixelsToTwips(96), 0x0000FF));
  c.push_back(TextLabel("Label15", page, PixelsToTwips(112), PixelsToTwips(96), PixelsToTwips(38),
                        PixelsToTwips(13), "Memory", std::nullopt, Arial(7.5)));
  c.push_back(Legend("Shape4", PixelsToTwips(160), 0x00C0C0));
  c.push_back(TextLabel("Label16", page, PixelsToTwips(176), PixelsToTwips(96), PixelsToTwips(46),
                        PixelsToTwips(13), "Page File", std::nullopt, Arial(7.5)));
  c.push_back(Legend("Shape6", PixelsToTwips(240), 0xFF80FF));
  c.push_back(TextLabel("Label18", page, PixelsToTwips(256), PixelsToTwips(96), PixelsToTwips(51),
                        PixelsToTwips(13), "Disk Space", std::nullopt, Arial(7.5)));
  c.push_back(Legend("Shape5", PixelsToTwips(320), 0xFF0000));
  c.push_back(TextLabel("Label17", page, PixelsToTwips(336), PixelsToTwips(96), PixelsToTwips(72),
                        PixelsToTwips(13), "Virtual Memory", std::nullopt, Arial(7.5)));
  c.push_back(ImageAt("Image3", -1, page, PixelsToTwips(40), PixelsToTwips(120), PixelsToTwips(102),
                      PixelsToTwips(22), "header_memory"));
  c.push_back(TextLabel("Label2", page, PixelsToTwips(48), PixelsToTwips(152), PixelsToTwips(72),
                        PixelsToTwips(15), "内存使用率：", std::nullopt, Arial(9)));
  c.push_back(TextLabel("LabelMemoryUsedPercent", page, PixelsToTwips(136), PixelsToTwips(144),
                        PixelsToTwips(47), PixelsToTwips(27), "30%", kRed, Arial(18)));
  c.push_back(TextLabel("Label5", page, PixelsToTwips(72), 2600, PixelsToTwips(48), PixelsToTwips(15),
                        "总内存：", std::nullopt, Arial(9)));
  c.push_back(TextLabel("LabelMemoryAll", page, PixelsToTwips(136), 2600, PixelsToTwips(27),
                        PixelsToTwips(15), "0 MB", kDarkGrey, Arial(9)));
  c.push_back(TextLabel("Label8", page, PixelsToTwips(60), PixelsToTwips(196), PixelsToTwips(60),
                        PixelsToTwips(15), "空闲内存：", std::nullopt, Arial(9)));
  c.push_back(TextLabel("LabelMemoryLeft", page, PixelsToTwips(136), PixelsToTwips(196), PixelsToTwips(27),
                        PixelsToTwips(15), "0 MB", kGreen, Arial(9)));
  c.push_back(SkinnedButton("CommandFreeMemory", page, PixelsToTwips(48), PixelsToTwips(224),
                            PixelsToTwips(113), PixelsToTwips(33), "释放内存", 0, 2990, 873));
  c.push_back(ImageAt("Image4", -1, page, PixelsToTwips(40), PixelsToTwips(272), PixelsToTwips(102),
                      PixelsToTwips(22), "header_settings"));
  c.push_back(TextLabel("Label3", page, PixelsToTwips(52), PixelsToTwips(304), PixelsToTwips(84),
                        PixelsToTwips(15), "自动释放内存：", std::nullopt, Arial(9)));
  c.push_back(TextLabel("LabelAutoFreeMemory", page, PixelsToTwips(160), PixelsToTwips(304),
                        PixelsToTwips(36), PixelsToTwips(15), "未启用", kGreen, Arial(9)));
  c.push_back(TextLabel("LabelSettings2", page, PixelsToTwips(216), PixelsToTwips(304), PixelsToTwips(24),
                        PixelsToTwips(15), "设置", kGreen, Arial(9, true)));
  c.push_back(TextLabel("Label4", page, PixelsToTwips(52), PixelsToTwips(328), PixelsToTwips(240),
                        PixelsToTwips(15), "启用后可实时、自动、智能对内存进行释放。", kGrey, Arial(9)));
}

void AddRecordsPage(FormDefinition& d) {
  auto& c = d.controls;
  c.push_back({.kind = ControlKind::Shape,
               .name = "Shape1",
               .parent = "PictureRecords",
               .left = PixelsToTwips(16),
               .top = PixelsToTwips(8),
               .width = PixelsToTwips(491),
               .height = PixelsToTwips(347),
               .borderColor = 0xE0E0E0});
  c.push_back({.kind = ControlKind::TextBox,
               .name = "TextRecords",
               .parent = "PictureRecords",
               .left = PixelsToTwips(24),
               .top = 200,
               .width = PixelsToTwips(481),
               .height = PixelsToTwips(337),
               .font = SongTi(9),
               .tabIndex = 6});
}

void AddSettingsPage(FormDefinition& d) {
  auto& c = d.controls;
  const std::string page = "PictureSettings";
  c.push_back(Check("CheckAutorun", PixelsToTwips(24), PixelsToTwips(353), "开机自启动", 1));
  c.push_back(
      Check("CheckAutoMin", PixelsToTwips(48), PixelsToTwips(353), "启动缩小到托盘图标区，后台运行", 2));
  c.push_back(Check("CheckShowMiniWindow", PixelsToTwips(72), PixelsToTwips(353), "显示迷你状态窗口", 3));
  c.push_back(Check("CheckAutoFreeMemory", PixelsToTwips(112), PixelsToTwips(97), "自动释放内存", 4));
  auto wrapped =
      TextLabel("Label6", page, PixelsToTwips(24), PixelsToTwips(136), PixelsToTwips(404), PixelsToTwips(28),
                "启用后软件状实时、自动、智能对内存进行释放。无需手动操作，可使系统内存状态时刻保持最佳。",
                kGreen, Arial(9));
  wrapped.autoSize = false;
  c.push_back(wrapped);
  c.push_back({.kind = ControlKind::Label,
               .name = "Label11",
               .parent = page,
               .left = PixelsToTwips(24),
               .top = PixelsToTwips(176),
               .width = PixelsToTwips(60),
               .height = PixelsToTwips(15),
               .caption = "释放频率：",
               .foreColor = kSystemWindowText,
               .backColor = kSystemWindow,
               .font = Arial(9),
               .autoSize = true});
  c.push_back({.kind = ControlKind::ComboBox,
               .name = "ComboInterval",
               .parent = page,
               .left = PixelsToTwips(88),
               .top = PixelsToTwips(176),
               .width = PixelsToTwips(81),
               .height = PixelsToTwips(23),
               .font = Arial(9),
               .tabIndex = 5});
  c.push_back(SettingsButton("CommandOK", PixelsToTwips(24), "确定", 7));
  c.push_back(SettingsButton("CommandCancel", PixelsToTwips(96), "取消", 8));
}

void AddAboutPage(FormDefinition& d) {
  auto& c = d.controls;
  const std::string page = "PictureAbout";
  auto prose = [&](std::string name, int top, int height, std::string text) {
    auto label = TextLabel(std::move(name), page, PixelsToTwips(136), PixelsToTwips(top), PixelsToTwips(373),
                           PixelsToTwips(height), std::move(text), kDarkGrey, SongTi(9));
    label.autoSize = false;
    return label;
  };
  c.push_back(ImageAt("Image1", -1, page, PixelsToTwips(48), PixelsToTwips(24), PixelsToTwips(68),
                      PixelsToTwips(71), "logo"));
  c.push_back(TextLabel("Label12", page, PixelsToTwips(136), PixelsToTwips(64), PixelsToTwips(104),
                        PixelsToTwips(12), "Zorvane", kDarkGrey, SongTi(9, kFontWeightBold)));
  c.push_back(prose("Label9", 88, 44,
                    "小巧实用的内存释放软件，可对系统内存进行智能自动化释放。使系统内存状态时刻保持最佳，提升"
                    "系统性能，防止卡顿、死机。"));
  c.push_back(prose("Label13", 128, 44,
                    "特别适用于常期处于开机状态的电脑。如：服务器，由于长期运行软件会使用越来越多内存，内存如"
                    "不能得到及时回收，"
                    "则将引起系统性能下降、卡顿、死机。"));
  c.push_back(prose("Label19", 176, 20, "对于老旧电脑，释放内存带来的系统性能提升效果也十分显著。"));
  auto link = TextLabel("LabelHomePage", page, PixelsToTwips(136), PixelsToTwips(200), PixelsToTwips(155),
                        PixelsToTwips(15), std::string(kHomePageAddress), kGrey, Arial(9));
  link.cursor = Cursor::Link;
  c.push_back(link);
}

FormDefinition MakeDefinition() {
  FormDefinition d{.name = "FormVelkan",
                   .caption = "Zorvane",
                   .clientSize = {786, 557},
                   .picture = "skin",
                   .border = FormBorder::None,
                   .showInTaskbar = true,
                   .font = SongTi(10.5)};
  AddWindowControls(d);
  AddStatusPage(d);
  AddRecordsPage(d);
  AddSettingsPage(d);
  AddAboutPage(d);
  d.timers.push_back({.name = "TimerGetMemoryState", .interval = 200, .enabled = true});
  d.timers.push_back({.name = "TimerAutoFreeMemory", .interval = 1000, .enabled = true});
  return d;
}

}  // namespace

const FormDefinition& FormVelkanDefinition() {
  static const FormDefinition definition = MakeDefinition();
  return definition;
}

}  // namespace zv::definitions
