// The main window: start-up state, page navigation, chrome, links and the memory refresh.
#include "mainwindow/form_velkan.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/forms/keys.h"
#include "tests/main_window_rig.h"
#include "tests/settings_files.h"
#include "tests/startup_journal.h"

namespace zv::mainwindow {
namespace {

using forms::Control;
using forms::Label;

class FormVelkanTest : public ::testing::Test, protected zv::testing::MainWindowRig {
 protected:
  forms::Form& form() { return window.GetForm(); }
  Control& At(std::string_view name, int index = -1) {
    Control* c = form().Find(name, index);
    EXPECT_NE(c, nullptr) << name;
    return *c;
  }
  Label& LabelAt(std::string_view name) { return static_cast<Label&>(At(name)); }
  std::string VisiblePages() {
    std::string pages;
    for (const char* name : {"PictureState", "PictureRecords", "PictureSettings", "PictureAbout"}) {
      if (At(name).Visible()) pages += std::string(pages.empty() ? "" : " ") + name;
    }
    return pages;
  }
  std::string ChromeLook(std::string_view array) {
    std::string looks;
    for (int i = 0; i < 3; ++i) looks += At(array, i).Visible() ? '1' : '0';
    return looks;
  }
  // Mouse input at a point of the window's own surface.
  void Press(int button, Point p) { form().RouteMouseDown(button, 0, p); }
  void Release(int button, Point p) { form().RouteMouseUp(button, 0, p); }
  void Move(int buttons, Point p) { form().RouteMouseMove(buttons, 0, p); }
  void Click(Point p) {
    Press(forms::kLeftButton, p);
    Release(forms::kLeftButton, p);
  }
};

TEST_F(FormVelkanTest, StartUpShowsTheStatusPageWithTheMemoryTexts) {
  Load();
  EXPECT_TRUE(form().Visible());
  EXPECT_EQ(form().ClientSize(), (Size{786, 557}));
  EXPECT_EQ(VisiblePages(), "PictureState");
  EXPECT_EQ(LabelAt("LabelState").Caption(), "系统内存使用状态");
  EXPECT_EQ(LabelAt("LabelMemoryUsedPercent").Caption(), "57%");
  EXPECT_EQ(LabelAt("LabelMemoryAll").Caption(), "8 GB");
  EXPECT_EQ(LabelAt("LabelMemoryLeft").Caption(), "3.27 GB");
  EXPECT_EQ(LabelAt("LabelAutoFreeMemory").Caption(), "未启用");
  auto& combo = static_cast<forms::ComboBox&>(At("ComboInterval"));
  EXPECT_EQ(combo.Items(), (std::vector<std::string>{"1 分钟", "3 分钟", "5 分钟", "10 分钟"}));
  EXPECT_EQ(combo.Text(), "5 分钟");
  EXPECT_FALSE(combo.Enabled());
  EXPECT_FALSE(form().FindTimer("TimerAutoFreeMemory")->Running());
  EXPECT_TRUE(form().FindTimer("TimerGetMemoryState")->Running());
  EXPECT_EQ(window.AutoFreeTicks(), 0);
  EXPECT_TRUE(host.messages.History().empty());
}

TEST_F(FormVelkanTest, StartUpPlacesChromePagesAndNavigation) {
  Load();
  struct Place {
    const char* name;
    int index;
    Rect bounds;
    bool visible;
  };
  const Place places[] = {
      {"ImageMin", 0, {720, 5, 748, 20}, true},         {"ImageMin", 2, {720, 5, 748, 20}, false},
      {"ImageExit", 0, {752, 5, 780, 20}, true},        {"ImageExit", 1, {752, 5, 780, 20}, false},
      {"PictureState", -1, {216, 144, 769, 521}, true}, {"PictureAbout", -1, {216, 144, 729, 497}, false},
      {"ImageStatus", 0, {7, 134, 206, 170}, true},     {"ImageStatus", 1, {7, 134, 206, 170}, false},
      {"ImageSettings", 1, {7, 169, 206, 205}, true},   {"ImageRecords", 1, {7, 204, 206, 240}, true},
      {"ImageAbout", 0, {7, 239, 206, 275}, false},
  };
  for (const Place& p : places) {
    const Control& c = At(p.name, p.index);
    EXPECT_EQ(c.PixelBounds(), p.bounds) << p.name << "(" << p.index << ")";
    EXPECT_EQ(c.Visible(), p.visible) << p.name << "(" << p.index << ")";
  }
}

TEST_F(FormVelkanTest, NavigationSelectsEachPageAndItsTitle) {
  Load();
  struct Nav {
    Point at;
    const char* page;
    const char* title;
    const char* selected;
  };
  const Nav navs[] = {{{20, 180}, "PictureSettings", "软件设置", "ImageSettings"},
                      {{20, 215}, "PictureRecords", "内存释放记录", "ImageRecords"},
                      {{20, 250}, "PictureAbout", "关于软件", "ImageAbout"},
                      {{20, 145}, "PictureState", "系统内存使用状态", "ImageStatus"}};
  for (const Nav& n : navs) {
    Click(n.at);
    EXPECT_EQ(VisiblePages(), n.page);
    EXPECT_EQ(LabelAt("LabelState").Caption(), n.title);
    for (const char* array : {"ImageStatus", "ImageSettings", "ImageRecords", "ImageAbout"}) {
      const bool chosen = std::string_view(array) == n.selected;
      EXPECT_EQ(At(array, 0).Visible(), chosen) << n.title << " " << array;
      EXPECT_EQ(At(array, 1).Visible(), !chosen) << n.title << " " << array;
    }
  }
}

// Ctrl+Tab walks the pages in the navigation's order and round again, Ctrl+Shift+Tab walks back; Esc
// (and only Esc alone) hides the window as the minimise image does, and the program runs on.
TEST_F(FormVelkanTest, CtrlTabWalksThePagesAndEscHidesTheWindow) {
  Load();
  auto press = [&](int key, int modifiers) { host.backend.Keyboard().Press(form(), key, modifiers); };
  for (const char* page :
       {"PictureSettings", "PictureRecords", "PictureAbout", "PictureState", "PictureSettings"}) {
    press(forms::key::kTab, forms::kCtrlMask);
    EXPECT_EQ(VisiblePages(), page);
  }
  for (const char* page : {"PictureState", "PictureAbout", "PictureRecords", "PictureSettings"}) {
    press(forms::key::kTab, forms::kCtrlMask | forms::kShiftMask);
    EXPECT_EQ(VisiblePages(), page);
  }
  EXPECT_EQ(LabelAt("LabelState").Caption(), "软件设置");
  press(forms::key::kEscape, forms::kShiftMask);
  EXPECT_TRUE(form().Visible());
  press(forms::key::kEscape, 0);
  EXPECT_FALSE(form().Visible());
  EXPECT_FALSE(host.loop.QuitRequested());
  EXPECT_TRUE(form().FindTimer("TimerGetMemoryState")->Running());
}

TEST_F(FormVelkanTest, PageTitleAndSettingsLinkNavigate) {
  Load();
  window.ImageAbout_Click(0);
  const Rect title = LabelAt("LabelState").PixelBounds();
  Click({title.left + 2, title.top + 2});
  EXPECT_EQ(VisiblePages(), "PictureState");
  window.LabelSettings2_Click();
  EXPECT_EQ(VisiblePages(), "PictureSettings");
  window.ImageSettings_Click(1);  // selecting the shown page again changes nothing
  EXPECT_EQ(VisiblePages(), "PictureSettings");
}

TEST_F(FormVelkanTest, MinimiseAndCloseImagesHideOnlyWhenReleasedPressed) {
  Load();
  const Point minimise{725, 10};
  Move(0, minimise);
  EXPECT_EQ(ChromeLook("ImageMin"), "010");
  Press(forms::kLeftButton, minimise);
  EXPECT_EQ(ChromeLook("ImageMin"), "001");
  Move(forms::kLeftButton, {726, 11});  // moving before the release takes the pressed look away
  Release(forms::kLeftButton, {726, 11});
  EXPECT_TRUE(form().Visible());
  Move(0, {400, 60});
  EXPECT_EQ(ChromeLook("ImageMin"), "100");

  Press(forms::kRightButton, {760, 10});  // the close image, with the right button
  Release(forms::kRightButton, {760, 10});
  EXPECT_FALSE(form().Visible());
  EXPECT_FALSE(host.loop.QuitRequested());
  EXPECT_TRUE(form().FindTimer("TimerGetMemoryState")->Running());
}

TEST_F(FormVelkanTest, DraggingStartsOnlyWithTheLeftButtonOnTheBareSurface) {
  Load();
  Press(forms::kRightButton, {400, 60});
  Release(forms::kRightButton, {400, 60});
  Press(forms::kLeftButton, {725, 10});  // on the minimise image
  Release(forms::kLeftButton, {760, 200});
  Press(forms::kLeftButton, {400, 60});
  const std::string handle = std::to_string(form().Handle());
  EXPECT_EQ(windows.calls.back(), "StartDragMove " + handle);
  EXPECT_EQ(std::count_if(windows.calls.begin(), windows.calls.end(),
                          [](const std::string& c) { return c.starts_with("StartDragMove"); }),
            1);
}

TEST_F(FormVelkanTest, HomePageLinksUnderlineOnHoverAndOpenTheAddress) {
  Load();
  Label& bottom = LabelAt("LabelHomePage2");
  Label& about = LabelAt("LabelHomePage");
  const Rect r = bottom.PixelBounds();
  Move(0, {r.left + 2, r.top + 2});
  EXPECT_TRUE(bottom.GetFont().underline);
  Click({r.left + 2, r.top + 2});
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0].verb, "open");
  EXPECT_EQ(shell.requests[0].file, "https://www.zorvane.com");
  EXPECT_EQ(shell.requests[0].owner, form().Handle());
  Move(0, {400, 60});
  EXPECT_FALSE(bottom.GetFont().underline);

  window.ImageAbout_Click(0);
  window.LabelHomePage_MouseMove(0, 0, 1, 1);
  EXPECT_TRUE(about.GetFont().underline);
  window.PictureAbout_MouseMove(0, 0, 1, 1);
  EXPECT_FALSE(about.GetFont().underline);
}

TEST_F(FormVelkanTest, ACloseRequestHidesAndTheEndOfTheSessionEndsTheProgram) {
  Load();
  form().onCloseRequest();
  EXPECT_FALSE(form().Visible());
  EXPECT_FALSE(host.loop.QuitRequested());
  form().onEndSession();
  EXPECT_TRUE(form().Unloaded());
  EXPECT_TRUE(host.loop.QuitRequested());
}

TEST_F(FormVelkanTest, TheRefreshFollowsTheMachineAndRepaintsNothingWhenUnchanged) {
  Load();
  host.backend.TakeChangeCount();
  host.timers.Advance(1000);
  EXPECT_EQ(host.backend.TakeChangeCount(), 0u);
  memory.ex.memoryLoad = 63;
  memory.ex.availPhys = 2147483648ull;
  host.timers.Advance(200);
  EXPECT_EQ(LabelAt("LabelMemoryUsedPercent").Caption(), "63%");
  EXPECT_EQ(LabelAt("LabelMemoryLeft").Caption(), "2 GB");
  EXPECT_GT(host.backend.TakeChangeCount(), 0u);
  form().Hide();
  memory.exFails = true;
  host.timers.Advance(200);
  EXPECT_EQ(LabelAt("LabelMemoryUsedPercent").Caption(), "0%");
  EXPECT_EQ(LabelAt("LabelMemoryAll").Caption(), "0 bytes");
}

TEST_F(FormVelkanTest, ASeparatorChangedWhileRunningShowsAtTheNextRefresh) {
  Load();
  const struct {
    const char* separator;
    const char* left;
  } ticks[] = {{",", "3,27 GB"}, {"", "3.27 GB"}, {".", "3.27 GB"}};
  for (const auto& t : ticks) {
    regional.decimal = t.separator;
    host.timers.Advance(200);
    EXPECT_EQ(LabelAt("LabelMemoryLeft").Caption(), t.left) << "separator '" << t.separator << "'";
  }
}

TEST_F(FormVelkanTest, StartUpAddsTheTaskbarStyles) {
  windows.styles[0x1000] = 0x80000000;  // WS_POPUP, the window's handle in the headless backend
  Load();
  ASSERT_EQ(form().Handle(), 0x1000u);
  EXPECT_EQ(windows.styles[0x1000], 0x800A0000);
}

// The window on journaled services: the platform calls and the control changes of its start-up, in one
// journal, named after the start-up steps they belong to.
struct StartUpCase {
  const char* name;
  const char* settings;
  std::vector<std::string> steps;
  friend void PrintTo(const StartUpCase& c, std::ostream* os) { *os << c.name; }
};

class StartUpOrderTest : public ::testing::TestWithParam<StartUpCase>,
                         protected zv::testing::MainWindowFakes {
 protected:
  StartUpOrderTest() { host.app.folder = files.AppFolder(); }

  // The steps of Form_Load in the order their effects came; what loading did before it (the form's
  // timers starting) is left out.
  std::vector<std::string> Start() {
    forms::Form& form = window.GetForm();
    form.onLoad = [this, &form, load = std::move(form.onLoad)] {
      Watch(form);
      journal.lines.clear();
      load();
    };
    host.backend.Load(form);
    std::vector<std::string> steps;
    for (const std::string& line : journal.lines) {
      const std::string step = StepOf(line);
      if (steps.empty() || steps.back() != step) steps.push_back(step);
    }
    return steps;
  }

  void Watch(forms::Container& container) {
    for (const auto& child : container.Children()) {
      Control* control = child.get();
      if (auto* peer = host.backend.PeerOf(*control)) {
        peer->onChanged = [this, control](forms::Change what) { journal.Write(Describe(*control, what)); };
      }
      if (control->Kind() == forms::ControlKind::PictureBox) Watch(static_cast<forms::Container&>(*control));
    }
    if (&container != &window.GetForm()) return;
    host.backend.PeerOf(container)->onChanged = [this](forms::Change what) {
      if (what == forms::Change::Visible) {
        journal.Write(window.GetForm().Visible() ? "main window shown" : "main window hidden");
      }
    };
    // The graph's repaint makes no call of its own: it is noted before the next line that comes.
    const headless::HeadlessSurface* graph = host.backend.SurfaceOf(*container.Find("CpuMonitor"));
    journal.beforeEach = [this, graph, seen = graph->presents]() mutable {
      if (graph->presents == seen) return;
      seen = graph->presents;
      journal.lines.push_back("graph presented");
    };
  }

  // "ImageMin(2) Visible".
  static std::string Describe(const Control& control, forms::Change what) {
    static const char* const kChanges[] = {"Bounds", "Visible", "Enabled", "Caption", "Style",
                                           "Value",  "Text",    "Items",   "Picture"};
    return control.Name() + "(" + std::to_string(control.Index()) + ") " + kChanges[static_cast<int>(what)];
  }

  // The step a journal line belongs to; a line of no step stays as it is.
  static std::string StepOf(const std::string& line) {
    static const struct {
      const char* start;
      const char* end;
      const char* step;
    } kSteps[] = {
        {"graph presented", "", "graph repainted"},
        {"privilege SeDebugPrivilege", "", "debug privilege"},
        {"memory status", "", "memory texts"},
        {"LabelMemory", "", "memory texts"},
        {"ImageMin", "Bounds", "chrome placed"},
        {"ImageExit", "Bounds", "chrome placed"},
        {"Picture", "Bounds", "pages placed"},
        {"Picture", "Visible", "status page shown"},
        {"ImageMin", "Visible", "chrome looks"},
        {"ImageExit", "Visible", "chrome looks"},
        {"Image", "Bounds", "navigation placed"},
        {"Image", "Visible", "navigation looks"},
        {"ComboInterval", "Items", "interval list"},
        {"ComboInterval", "Text", "interval chosen"},
        {"settings file", "", "settings loaded"},
        {"Check", "Value", "settings loaded"},
        {"registry", "", "start-with-Windows entry"},
        {"TimerSame", "", "mini window"},
        {"topmost", "", "mini window"},
        {"TimerAutoFreeMemory", "", "automatic release"},
        {"LabelAutoFreeMemory", "", "automatic release"},
        {"ComboInterval", "Enabled", "automatic release"},
        {"window style", "", "taskbar style"},
        {"message registered TaskbarCreated", "", "TaskbarCreated registered"},
        {"message registered Zorvane.ShowMainWindow", "", "second start's message registered"},
        {"tray icon", "", "tray icon"},
        {"window procedure hooked", "", "window procedure hooked"},
    };
    for (const auto& s : kSteps) {
      if (line.starts_with(s.start) && line.ends_with(s.end)) return s.step;
    }
    return line;
  }

  static forms::Runtime Journaled(forms::Runtime runtime, forms::TimerService& timers,
                                  forms::WindowProcedureHooks& hooks) {
    runtime.timers = &timers;
    runtime.hooks = &hooks;
    return runtime;
  }

  zv::testing::SettingsFolder files;
  zv::testing::Journal journal;
  zv::testing::JournaledMemoryStatus journaledMemory{memory, journal};
  zv::testing::JournaledWindowMessages journaledWindows{windows, journal};
  zv::testing::JournaledPrivileges journaledPrivileges{privileges, journal};
  zv::testing::JournaledProfileFile journaledProfile{profile, journal};
  zv::testing::JournaledRegistry journaledRegistry{registry, journal};
  zv::testing::JournaledNotifyIcons journaledIcons{notifyIcons, journal};
  zv::testing::JournaledTimers journaledTimers{host.timers, journal};
  zv::testing::JournaledWindowHooks journaledHooks{host.hooks, journal};
  forms::Runtime runtime = Journaled(host.runtime, journaledTimers, journaledHooks);
  FormVelkan window{runtime,
                    {journaledMemory, regional, shell, journaledWindows, processes, journaledPrivileges,
                     journaledProfile, journaledRegistry, journaledIcons, counters}};
};

TEST_P(StartUpOrderTest, RunsItsStepsInOrder) {
  files.Seed(GetParam().settings);
  EXPECT_EQ(Start(), GetParam().steps);
}

// Every box ticked: the window stays hidden (it was never shown, so hiding it changes nothing) and the
// mini window comes up. Every box unticked: no mini window, and the window is shown last of all.
// The layout steps and the settings load, which every start begins with.
std::vector<std::string> StepsAfterLayout(std::initializer_list<const char*> rest) {
  std::vector<std::string> steps = {"graph repainted", "debug privilege",   "memory texts",
                                    "chrome placed",   "pages placed",      "status page shown",
                                    "chrome looks",    "navigation placed", "navigation looks",
                                    "interval list",   "interval chosen",   "settings loaded"};
  steps.insert(steps.end(), rest.begin(), rest.end());
  return steps;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StartUpOrderTest,
    ::testing::Values(
        StartUpCase{
            "EveryBoxTicked",
            "[VK]\r\nAutorun=1\r\nAutomin=1\r\nShowMiniWindow=1\r\nAuroFreeMemory=1\r\nInterval=3 "
            "分钟\r\n",
            StepsAfterLayout({"interval chosen", "start-with-Windows entry", "mini window",
                              "automatic release", "taskbar style", "TaskbarCreated registered",
                              "second start's message registered", "tray icon", "window procedure hooked"})},
        StartUpCase{"EveryBoxUnticked",
                    "[VK]\r\nAutorun=0\r\nAutomin=0\r\nShowMiniWindow=0\r\nAuroFreeMemory=0\r\nInterval=5 "
                    "分钟\r\n",
                    StepsAfterLayout({"start-with-Windows entry", "automatic release", "taskbar style",
                                      "TaskbarCreated registered", "second start's message registered",
                                      "tray icon", "window procedure hooked", "main window shown"})}),
    [](const ::testing::TestParamInfo<StartUpCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zv::mainwindow
