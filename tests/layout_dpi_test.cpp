// Layout at the display's dots per inch: twips become pixels at the window's dpi, each position and size
// rounded on its own, halves away from zero; at 96 dpi nothing moves.
#include <gtest/gtest.h>

#include <optional>

#include "cpumonitor/cpu_monitor.h"
#include "platform/fake/fake_window_messages.h"
#include "platform/headless/headless_runtime.h"
#include "platform/host_text_renderer.h"
#include "tests/main_window_rig.h"
#include "tray/form_tip.h"

namespace zv {
namespace {

TEST(TwipsAtDpiTest, RoundToTheNearestPixelHalvesAwayFromZero) {
  struct Case {
    int twips;
    int dpi;
    int pixels;
  };
  const Case cases[] = {
      {70, 96, 5},        {11790, 96, 786},   {8355, 96, 557},  {200, 96, 13},    {11790, 120, 983},
      {8355, 120, 696},   {11790, 144, 1179}, {8355, 144, 836}, {6165, 144, 617}, {615, 144, 62},
      {11790, 192, 1572}, {8355, 192, 1114},  {-5, 144, -1},    {-4, 144, 0},     {0, 192, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi << " dpi";
  }
  EXPECT_EQ(PixelsToTwips(1920, 144), 19200);
  EXPECT_EQ(PixelsToTwips(3840, 192), 28800);
  EXPECT_EQ(PixelsToTwips(1, 192), 8);  // 7.5
  EXPECT_EQ(PixelsToTwips(1, 120), 12);
}

struct MainWindowLayout {
  int dpi;
  Size client;
  Rect chart;  // relative to the status page
  Rect freeMemoryButton;
};

const MainWindowLayout kMainWindowLayouts[] = {
    {96, {786, 557}, {40, 40, 451, 81}, {48, 224, 161, 257}},
    {120, {983, 696}, {50, 50, 564, 101}, {60, 280, 201, 321}},
    {144, {1179, 836}, {60, 60, 677, 122}, {72, 336, 242, 386}},
    {192, {1572, 1114}, {80, 80, 902, 162}, {96, 448, 322, 514}},
};

// The window is built on a screen of the case's dpi, as the program builds it at start-up.
class MainWindowLayoutTest : public ::testing::TestWithParam<MainWindowLayout>,
                             protected testing::MainWindowFakes {
 protected:
  MainWindowLayoutTest() {
    host.app.dpi = GetParam().dpi;
    window.emplace(host.runtime,
                   mainwindow::MainWindowServices{memory, regional, shell, windows, processes, privileges,
                                                  profile, registry, notifyIcons, counters});
    host.backend.Load(window->GetForm());
  }
  forms::Control& At(std::string_view name) {
    forms::Control* c = window->GetForm().Find(name);
    EXPECT_NE(c, nullptr) << name;
    return *c;
  }
  std::optional<mainwindow::FormVelkan> window;
};

TEST_P(MainWindowLayoutTest, TwipsBecomePixelsAtTheWindowsDpi) {
  const MainWindowLayout& expected = GetParam();
  EXPECT_EQ(window->GetForm().Dpi(), expected.dpi);
  EXPECT_EQ(window->GetForm().ClientSize(), expected.client);
  EXPECT_EQ(At("CpuMonitor").PixelBounds(), expected.chart);
  EXPECT_EQ(At("CommandFreeMemory").PixelBounds(), expected.freeMemoryButton);
  // The chart draws in whole pixels of its larger area, with a history slot for each column and one more.
  auto& chart = static_cast<cpumonitor::CpuMonitor&>(At("CpuMonitor"));
  ASSERT_NE(chart.Surface(), nullptr);
  const Canvas* canvas = chart.Surface()->GetCanvas();
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ((Size{canvas->Width(), canvas->Height()}),
            (Size{expected.chart.Width(), expected.chart.Height()}));
  EXPECT_NEAR(static_cast<double>(chart.LevelHistory().Size()), expected.chart.Width() + 1.0, 1.0);
  // The button's caption is drawn at the window's dpi.
  auto& button = static_cast<forms::HostedControl&>(At("CommandFreeMemory"));
  ASSERT_NE(button.Surface(), nullptr);
  ASSERT_NE(button.Surface()->GetCanvas(), nullptr);
  EXPECT_EQ(button.Surface()->GetCanvas()->TextDpi(), expected.dpi);
}

// A window moved to a screen of another dpi: every control's place and surface follow.
TEST(DpiChangeTest, SetDpiLaysTheLoadedWindowOutAgain) {
  testing::MainWindowRig rig;
  rig.Load();
  forms::Form& form = rig.window.GetForm();
  auto& chart = static_cast<forms::HostedControl&>(*form.Find("CpuMonitor"));
  form.SetDpi(144);
  EXPECT_EQ(form.ClientSize(), (Size{1179, 836}));
  EXPECT_EQ(chart.PixelBounds(), (Rect{60, 60, 677, 122}));
  const Canvas* canvas = chart.Surface()->GetCanvas();
  EXPECT_EQ((Size{canvas->Width(), canvas->Height()}), (Size{617, 62}));
  EXPECT_EQ(canvas->TextDpi(), 144);
  form.SetDpi(0);  // not a dpi: nothing changes
  EXPECT_EQ(form.Dpi(), 144);
}

TEST(DpiChangeTest, TheChartSamplesIntoItsNewRightmostColumn) {
  testing::MainWindowRig rig;
  rig.memory.status32.memoryLoad = 57;
  rig.Load();
  auto& chart = static_cast<cpumonitor::CpuMonitor&>(*rig.window.GetForm().Find("CpuMonitor"));
  chart.Timer1_Timer();
  rig.window.GetForm().SetDpi(144);
  const int newest = chart.Surface()->GetCanvas()->Width() - 1;
  EXPECT_EQ(chart.LastEmptyIndex(), newest);
  chart.Timer1_Timer();
  const cpumonitor::SystemLevels* sample = chart.LevelHistory().At(newest);
  ASSERT_NE(sample, nullptr) << "the new rightmost column has no slot";
  EXPECT_EQ(sample->memoryLoadPercent, 57);
  EXPECT_EQ(chart.LastEmptyIndex(), newest - 1);
}

INSTANTIATE_TEST_SUITE_P(Dpi, MainWindowLayoutTest, ::testing::ValuesIn(kMainWindowLayouts),
                         [](const auto& info) { return std::to_string(info.param.dpi); });

TEST(TipPlacementAtDpiTest, TheCornerMarginsStayInTwips) {
  struct Case {
    Size screen;
    int dpi;
    Point pixels;  // where the 110 x 27 (1650 x 405 twips) strip lands
  };
  const Case cases[] = {
      {{1920, 1080}, 96, {1777, 1000}},  {{1920, 1080}, 120, {1741, 980}},  {{1920, 1080}, 144, {1705, 960}},
      {{1920, 1080}, 192, {1633, 919}},  {{3840, 2160}, 96, {3697, 2080}},  {{3840, 2160}, 120, {3661, 2060}},
      {{3840, 2160}, 144, {3625, 2040}}, {{3840, 2160}, 192, {3553, 1999}},
  };
  for (const Case& c : cases) {
    const Point twips = tray::TipPlacement(c.screen, {1650, 405}, c.dpi);
    const Point pixels{TwipsToPixels(twips.x, c.dpi), TwipsToPixels(twips.y, c.dpi)};
    EXPECT_EQ(pixels, c.pixels) << c.screen.width << "x" << c.screen.height << " at " << c.dpi << " dpi";
  }
}

TEST(FormTipAtDpiTest, LoadPlacesTheStripAtTheWindowsDpi) {
  headless::HeadlessRuntime host;
  host.app.dpi = 144;
  platform::FakeWindowMessages windows;
  forms::Label mainPercent{"LabelMemoryUsedPercent"};
  tray::FormTip tip{host.runtime, windows, mainPercent, {}};
  tip.Show();
  EXPECT_EQ(tip.GetForm().ClientSize(), (Size{165, 41}));
  const Rect bounds = tip.GetForm().PixelBounds();
  // A 1920 x 1080 screen: (19200 - 1650 - 500, 10800 - 405 - 800) twips at 10 twips a pixel.
  EXPECT_EQ((Point{bounds.left, bounds.top}), (Point{1705, 960}));
}

// Fonts keep their point size: text is measured and drawn in pixels of the window's dpi, so an autosized
// label keeps its size in twips and grows in pixels.
TEST(TextAtDpiTest, AnAutosizedLabelKeepsItsTwipsAndGrowsInPixels) {
  struct Case {
    int dpi;
    Rect pixels;  // the host renderer's 9-point glyphs: 12 pixels high and 6 wide at 96 dpi
  };
  const Case cases[] = {{96, {136, 144, 154, 156}}, {144, {204, 216, 231, 234}}, {192, {272, 288, 308, 312}}};
  for (const Case& c : cases) {
    headless::HeadlessRuntime host;
    host.app.dpi = c.dpi;
    forms::Form form(host.runtime, "Form1");
    auto& label = form.Add<forms::Label>("Label1");
    label.Move(PixelsToTwips(136), PixelsToTwips(144), PixelsToTwips(47), PixelsToTwips(27));
    label.SetFont(Font{.face = "Arial", .points = 9});
    label.SetAutoSize(true);
    label.SetCaption("57%");
    EXPECT_EQ(label.PixelBounds(), c.pixels) << c.dpi << " dpi";
    EXPECT_EQ((Size{label.Width(), label.Height()}), (Size{270, 180})) << c.dpi << " dpi";
  }
}

TEST(TextAtDpiTest, ACanvasDrawsAFontAtItsDpi) {
  HostTextRenderer text;
  for (const auto& [dpi, height] : {std::pair{96, 12}, std::pair{120, 15}, std::pair{144, 18}}) {
    OwnedCanvas image(100, 40, &text);
    image.canvas().SetTextDpi(dpi);
    const TextExtent extent = image.canvas().MeasureText(Font{.face = "Arial", .points = 9}, "A");
    EXPECT_EQ(extent.height, height) << dpi << " dpi";
    // A copy draws as the original does.
    OwnedCanvas copy = image;
    EXPECT_EQ(copy.canvas().TextDpi(), dpi);
  }
}

}  // namespace
}  // namespace zv
