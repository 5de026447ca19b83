// The mini status window: its definition, placement on load, the mirrored percentage and the mouse.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/fake/fake_window_messages.h"
#include "platform/headless/headless_runtime.h"
#include "tests/main_window_rig.h"
#include "tests/settings_files.h"
#include "tray/form_tip.h"

namespace zv::tray {
namespace {

class FormTipTest : public ::testing::Test {
 protected:
  FormTipTest() { mainPercent.SetCaption("30%"); }
  forms::Form& form() { return tip.GetForm(); }
  forms::Label& LabelAt(std::string_view name) { return static_cast<forms::Label&>(*form().Find(name)); }
  std::string Handle() { return std::to_string(form().Handle()); }
  std::size_t Count(const std::string& call) {
    return std::count(windows.calls.begin(), windows.calls.end(), call);
  }

  headless::HeadlessRuntime host;
  platform::FakeWindowMessages windows;
  forms::Label mainPercent{"LabelMemoryUsedPercent"};
  int menus = 0;
  int mainShown = 0;
  FormTip tip{host.runtime, windows, mainPercent,
              TipActions{.showTrayMenu = [this] { ++menus; }, .showMainWindow = [this] { ++mainShown; }}};
};

TEST_F(FormTipTest, ABorderlessStripWithoutTaskbarButtonShowingTheLabelsUntilTheFirstTick) {
  mainPercent.SetCaption("57%");
  tip.Show();
  EXPECT_EQ(form().ClientSize(), (Size{110, 27}));
  EXPECT_EQ(form().Border(), forms::FormBorder::None);
  EXPECT_FALSE(form().ShowInTaskbar());
  EXPECT_EQ(form().PictureName(), "tip_background");
  EXPECT_EQ(LabelAt("LabelUsage").Caption(), "内存使用率：");
  EXPECT_EQ(LabelAt("LabelUsage").ForeColor(), 0xFFFFFFu);
  EXPECT_EQ(LabelAt("LabelMemoryUsedPercent").Caption(), "30%");
  EXPECT_EQ(LabelAt("LabelMemoryUsedPercent").ForeColor(), 0x80FFFFu);
  EXPECT_EQ(LabelAt("LabelMemoryUsedPercent").Left(), 1210);
  EXPECT_TRUE(LabelAt("LabelMemoryUsedPercent").Transparent());
  host.timers.Advance(99);
  EXPECT_EQ(LabelAt("LabelMemoryUsedPercent").Caption(), "30%");
}

TEST(TipPlacementTest, BottomRightCornerInTwips) {
  struct Case {
    Size screen;
    Point expectedTwips;
    Point expectedPixels;  // as the window lands, to the nearest pixel
  };
  const Case cases[] = {
      {{1920, 1080}, {26650, 14995}, {1777, 1000}},
      {{1366, 768}, {18340, 10315}, {1223, 688}},
      {{800, 600}, {9850, 7795}, {657, 520}},
  };
  for (const Case& c : cases) {
    const Point p = TipPlacement(c.screen, {1650, 405});
    EXPECT_EQ(p, c.expectedTwips) << c.screen.width << "x" << c.screen.height << ": got " << p.x << ","
                                  << p.y;
    EXPECT_EQ((Point{TwipsToPixels(p.x), TwipsToPixels(p.y)}), c.expectedPixels) << c.screen.width;
  }
}

TEST_F(FormTipTest, LoadPlacesThenPinsTheWindowOnTopOnlyOnce) {
  host.app.screen = {1366, 768};
  tip.Hide();  // hiding a window never loaded loads it, placement included
  EXPECT_EQ((Point{form().Left(), form().Top()}), (Point{18340, 10315}));
  EXPECT_EQ(form().Width(), 1650);
  EXPECT_EQ(form().Height(), 405);
  EXPECT_FALSE(form().Visible());
  EXPECT_EQ(windows.calls, std::vector<std::string>{"SetTopmost " + Handle()});
  // The user drags it away; showing and hiding again keeps the place.
  form().Move(300, 450, form().Width(), form().Height());
  tip.Show();
  tip.Hide();
  tip.Show();
  EXPECT_EQ((Point{form().Left(), form().Top()}), (Point{300, 450}));
  EXPECT_EQ(Count("SetTopmost " + Handle()), 1u);
}

TEST_F(FormTipTest, TheMirrorCopiesTheMainPercentageWithinOneTickAlsoWhileHidden) {
  tip.Show();
  host.timers.Advance(100);
  EXPECT_EQ(LabelAt("LabelMemoryUsedPercent").Caption(), "30%");
  host.timers.Advance(30);
  mainPercent.SetCaption("57%");
  host.timers.Advance(70);
  EXPECT_EQ(LabelAt("LabelMemoryUsedPercent").Caption(), "57%");
  tip.Hide();
  mainPercent.SetCaption("100%");
  host.timers.Advance(100);
  EXPECT_EQ(LabelAt("LabelMemoryUsedPercent").Caption(), "100%");
}

TEST_F(FormTipTest, NoTickBeforeTheWindowIsLoadedNorAfterItIsUnloaded) {
  host.timers.Advance(1000);
  EXPECT_EQ(LabelAt("LabelMemoryUsedPercent").Caption(), "30%");
  tip.Unload();  // never loaded: nothing happens
  EXPECT_FALSE(form().Unloaded());
  tip.Show();
  tip.Unload();
  EXPECT_TRUE(host.backend.PeerOf(form())->destroyed);
  mainPercent.SetCaption("57%");
  host.timers.Advance(1000);
  EXPECT_EQ(LabelAt("LabelMemoryUsedPercent").Caption(), "30%");
}

// Presses, moves and double-clicks on the background (10, 20) and on each label's spot.
TEST_F(FormTipTest, MouseDragsOpensTheMenuAndShowsTheMainWindow) {
  tip.Show();
  struct Spot {
    const char* name;
    Point p;
  };
  const Spot background{"background", {100, 3}};
  const Spot labels[] = {{"LabelUsage", {12, 10}}, {"LabelMemoryUsedPercent", {85, 10}}};
  const std::string drag = "StartDragMove " + Handle();

  // Background: the press does not drag, the first move with the left button held does.
  form().RouteMouseDown(forms::kLeftButton, 0, background.p);
  EXPECT_EQ(Count(drag), 0u);
  form().RouteMouseMove(forms::kLeftButton, 0, {101, 4});
  EXPECT_EQ(Count(drag), 1u);
  form().RouteMouseUp(forms::kLeftButton, 0, {101, 4});
  form().RouteMouseMove(0, 0, {102, 4});
  form().RouteMouseMove(forms::kRightButton, 0, {103, 4});
  EXPECT_EQ(Count(drag), 1u);
  form().RouteMouseDown(forms::kRightButton, 0, background.p);
  form().RouteMouseUp(forms::kRightButton, 0, background.p);
  form().RouteMouseDown(forms::kMiddleButton, 0, background.p);
  form().RouteMouseUp(forms::kMiddleButton, 0, background.p);
  EXPECT_EQ(menus, 1);

  // Labels: the press itself drags; the right button opens the menu.
  for (const Spot& label : labels) {
    const std::size_t dragsBefore = Count(drag);
    form().RouteMouseDown(forms::kLeftButton, 0, label.p);
    EXPECT_EQ(Count(drag), dragsBefore + 1) << label.name;
    form().RouteMouseUp(forms::kLeftButton, 0, label.p);
    const int menusBefore = menus;
    form().RouteMouseDown(forms::kRightButton, 0, label.p);
    form().RouteMouseUp(forms::kRightButton, 0, label.p);
    EXPECT_EQ(menus, menusBefore + 1) << label.name;
  }

  for (const Spot& spot : {background, labels[0], labels[1]}) {
    const int before = mainShown;
    form().RouteDoubleClick(forms::kLeftButton, 0, spot.p);
    form().RouteMouseUp(forms::kLeftButton, 0, spot.p);
    EXPECT_EQ(mainShown, before + 1) << spot.name;
  }
}

// The strip as the main window's start-up shows it.
class MiniWindowStartUpTest : public ::testing::Test, protected zv::testing::MainWindowRig {
 protected:
  void Start(bool showMiniWindow) {
    settings.Seed(std::string("[VK]\r\nAutorun=0\r\nAutomin=1\r\nShowMiniWindow=") +
                  (showMiniWindow ? "1" : "0") + "\r\nAuroFreeMemory=0\r\nInterval=5 分钟\r\n");
    host.app.folder = settings.AppFolder();
    Load();
  }
  forms::Form& form() { return window.GetForm(); }
  zv::testing::SettingsFolder settings;
};

TEST_F(MiniWindowStartUpTest, OffLeavesTheStripUncreated) {
  Start(false);
  EXPECT_EQ(window.MiniWindowIfCreated(), nullptr);
}

// Started in the tray: the strip mirrors the status page's percentage, and its double-click shows the main
// window without the restore command the tray icon sends.
TEST_F(MiniWindowStartUpTest, OnShowsTheMirroringStripWhoseDoubleClickShowsTheHiddenMainWindow) {
  memory.ex.memoryLoad = 64;
  Start(true);
  ASSERT_NE(window.MiniWindowIfCreated(), nullptr);
  forms::Form& tip = window.MiniWindowIfCreated()->GetForm();
  EXPECT_TRUE(tip.Visible());
  EXPECT_FALSE(form().Visible());
  host.timers.Advance(200);
  EXPECT_EQ(static_cast<forms::Label*>(tip.Find("LabelMemoryUsedPercent"))->Caption(), "64%");
  tip.RouteDoubleClick(forms::kLeftButton, 0, {100, 3});
  tip.RouteMouseUp(forms::kLeftButton, 0, {100, 3});
  EXPECT_TRUE(form().Visible());
  for (const auto& message : windows.sent) EXPECT_NE(message.message, 0x112u) << "restore command sent";
}

// OK follows the box: shown when ticked, hidden (still loaded and placed) when not.
TEST_F(MiniWindowStartUpTest, OkShowsAndHidesTheStrip) {
  Start(false);
  auto& box = static_cast<forms::CheckBox&>(*form().Find("CheckShowMiniWindow"));
  auto& ok = *form().Find("CommandOK");
  ASSERT_TRUE(box.SetValue(1));
  ok.onClick();
  ASSERT_NE(window.MiniWindowIfCreated(), nullptr);
  forms::Form& tip = window.MiniWindowIfCreated()->GetForm();
  EXPECT_TRUE(tip.Visible());
  ASSERT_TRUE(box.SetValue(0));
  ok.onClick();
  EXPECT_FALSE(tip.Visible());
  EXPECT_TRUE(tip.Loaded());
}

}  // namespace
}  // namespace zv::tray
