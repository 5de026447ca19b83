// The retained forms model: control values and their events, timers, mouse routing.
#include <gtest/gtest.h>

#include "platform/forms/controls.h"
#include "platform/forms/definition.h"
#include "platform/forms/form.h"
#include "platform/forms/run_mode_host.h"
#include "platform/headless/headless_runtime.h"

namespace zv::forms {
namespace {

class FormsModelTest : public ::testing::Test {
 protected:
  headless::HeadlessRuntime host;
  Form form{host.runtime, "Form1"};
};

TEST_F(FormsModelTest, CheckBoxRaisesClickOnlyWhenItsValueChanges) {
  auto& box = form.Add<CheckBox>("Check1");
  int clicks = 0;
  box.onClick = [&] { ++clicks; };
  EXPECT_TRUE(box.SetValue(1));
  EXPECT_TRUE(box.SetValue(1));
  EXPECT_TRUE(box.SetValue(2));
  EXPECT_FALSE(box.SetValue(3));
  EXPECT_FALSE(box.SetValue(-1));
  EXPECT_EQ(box.Value(), 2);
  EXPECT_EQ(clicks, 2);
  box.UserToggle();  // grey becomes ticked
  EXPECT_EQ(box.Value(), 1);
  box.UserToggle();
  EXPECT_EQ(box.Value(), 0);
  EXPECT_EQ(clicks, 4);
}

TEST_F(FormsModelTest, ComboBoxAcceptsOnlyItsEntries) {
  auto& combo = form.Add<ComboBox>("Combo1");
  combo.AddItem("1 分钟");
  combo.AddItem("5 分钟");
  EXPECT_TRUE(combo.SetText("5 分钟"));
  EXPECT_FALSE(combo.SetText("7 分钟"));
  EXPECT_FALSE(combo.SetText(""));
  EXPECT_EQ(combo.Text(), "5 分钟");
  EXPECT_EQ(combo.SelectedIndex(), 1);
  combo.UserSelected(0);
  EXPECT_EQ(combo.Text(), "1 分钟");
  combo.UserSelected(5);
  EXPECT_EQ(combo.Text(), "1 分钟");
}

TEST_F(FormsModelTest, AutoSizeLabelFitsItsTextAndKeepsItsCorner) {
  auto& label = form.Add<Label>("Label1");
  label.Move(PixelsToTwips(136), PixelsToTwips(144), PixelsToTwips(47), PixelsToTwips(27));
  label.SetFont(Font{.face = "Arial", .points = 9});  // 12 pixels high: 6 per ASCII character
  label.SetAutoSize(true);
  label.SetCaption("57%");
  EXPECT_EQ(label.PixelBounds(), (Rect{136, 144, 136 + 18, 144 + 12}));
  label.SetCaption("100%");
  EXPECT_EQ(label.PixelBounds(), (Rect{136, 144, 136 + 24, 144 + 12}));
}

TEST_F(FormsModelTest, TimersTickOnTheVirtualClockAndIntervalZeroNeverTicks) {
  Timer& fast = form.AddTimer("Fast");
  Timer& idle = form.AddTimer("Idle");
  std::vector<std::string> ticks;
  fast.onTimer = [&] { ticks.push_back("fast@" + std::to_string(host.timers.Now())); };
  idle.onTimer = [&] { ticks.push_back("idle"); };
  fast.SetInterval(200);
  fast.SetEnabled(true);
  idle.SetEnabled(true);  // interval 0
  host.timers.Advance(650);
  EXPECT_EQ(ticks, (std::vector<std::string>{"fast@200", "fast@400", "fast@600"}));
  fast.SetEnabled(false);
  host.timers.Advance(1000);
  EXPECT_EQ(ticks.size(), 3u);
}

TEST_F(FormsModelTest, ATickArrivesInsideItsOwnHandlersNestedLoopAndTheClockNeverGoesBack) {
  Timer& timer = form.AddTimer("Timer1");
  std::vector<std::string> ticks;
  int depth = 0;
  timer.onTimer = [&] {
    ticks.push_back(std::to_string(host.timers.Now()) + " at depth " + std::to_string(depth));
    if (depth++ == 0) host.timers.Advance(250);  // a nested event loop keeps the clock going
    --depth;
  };
  timer.SetInterval(100);
  timer.SetEnabled(true);
  host.timers.Advance(100);
  EXPECT_EQ(ticks, (std::vector<std::string>{"100 at depth 0", "200 at depth 1", "300 at depth 1"}));
  EXPECT_EQ(host.timers.Now(), 350);
}

class MouseRoutingTest : public FormsModelTest {
 protected:
  void SetUp() override {
    form.SetDesignClientSize({200, 100});
    image.Move(PixelsToTwips(10), PixelsToTwips(10), PixelsToTwips(20), PixelsToTwips(20));
    shape.Move(PixelsToTwips(50), PixelsToTwips(10), PixelsToTwips(20), PixelsToTwips(20));
    auto record = [this](std::string who) {
      return [this, who](MouseEvent& e) {
        events.push_back(who + " " + std::to_string(e.button) + " " + std::to_string(int(e.x)) + "," +
                         std::to_string(int(e.y)));
      };
    };
    image.onMouseDown = record("image down");
    image.onMouseMove = record("image move");
    image.onMouseUp = record("image up");
    image.onClick = [this] { events.push_back("image click"); };
    image.onDblClick = [this] { events.push_back("image dblclick"); };
    form.onMouseDown = record("form down");
    form.onMouseMove = record("form move");
    form.onMouseUp = record("form up");
  }
  Image& image = form.Add<Image>("Image1");
  Shape& shape = form.Add<Shape>("Shape1");
  std::vector<std::string> events;
};

TEST_F(MouseRoutingTest, PressCapturesItsTargetUntilRelease) {
  form.RouteMouseDown(kLeftButton, 0, {15, 15});
  form.RouteMouseMove(kLeftButton, 0, {100, 50});  // outside the image: still the image's
  form.RouteMouseUp(kLeftButton, 0, {100, 50});    // released outside: no click
  form.RouteMouseMove(0, 0, {100, 50});
  EXPECT_EQ(events, (std::vector<std::string>{"image down 1 5,5", "image move 1 90,40", "image up 1 90,40",
                                              "form move 0 100,50"}));
}

TEST_F(MouseRoutingTest, ClickOnReleaseOverThePressedControlAndShapesTakeNoInput) {
  form.RouteMouseDown(kLeftButton, 0, {15, 15});
  form.RouteMouseUp(kLeftButton, 0, {16, 16});
  form.RouteMouseDown(kRightButton, 0, {15, 15});
  form.RouteMouseUp(kRightButton, 0, {15, 15});
  form.RouteMouseDown(kLeftButton, 0, {55, 15});  // on the shape: the bare surface
  form.RouteMouseUp(kLeftButton, 0, {55, 15});
  EXPECT_EQ(events,
            (std::vector<std::string>{"image down 1 5,5", "image up 1 6,6", "image click", "image down 2 5,5",
                                      "image up 2 5,5", "form down 1 55,15", "form up 1 55,15"}));
}

TEST_F(MouseRoutingTest, HiddenControlsAreNotHitAndDoubleClickRaisesNoSecondClick) {
  form.RouteMouseDown(kLeftButton, 0, {15, 15});
  form.RouteMouseUp(kLeftButton, 0, {15, 15});
  form.RouteDoubleClick(kLeftButton, 0, {15, 15});
  form.RouteMouseUp(kLeftButton, 0, {15, 15});
  image.SetVisible(false);
  form.RouteMouseMove(0, 0, {15, 15});
  EXPECT_EQ(events, (std::vector<std::string>{"image down 1 5,5", "image up 1 5,5", "image click",
                                              "image dblclick", "image up 1 5,5", "form move 0 15,15"}));
}

TEST_F(MouseRoutingTest, CancelledCaptureRestoresHitTesting) {
  form.RouteMouseDown(kLeftButton, 0, {100, 50});  // e.g. a window drag swallows the release
  form.CancelCapture();
  form.RouteMouseMove(0, 0, {15, 15});
  EXPECT_EQ(events, (std::vector<std::string>{"form down 1 100,50", "image move 0 5,5"}));
}

TEST_F(FormsModelTest, TextBoxAppendsWithoutRereadingAndKeepsUserText) {
  auto& text = form.Add<TextBox>("Text1");
  host.backend.Load(form);
  auto* peer = host.backend.TextPeerOf(text);
  ASSERT_NE(peer, nullptr);
  peer->screenText = "typed by the user";
  text.UserEdited();
  text.Append("\r\nentry");
  EXPECT_EQ(text.Text(), "typed by the user\r\nentry");
  EXPECT_EQ(peer->screenText, "typed by the user\r\nentry");
  text.SetSelectionStart(text.TextLength());
  EXPECT_EQ(peer->selection, text.TextLength());
}

}  // namespace
}  // namespace zv::forms

namespace zv::forms {
namespace {

// A self-drawn control that keeps what its saved values said, and the ambient font it saw.
class SavedValuesProbe final : public HostedControl {
 public:
  using HostedControl::HostedControl;
  void InitProperties() override {}
  void ReadProperties(const PropertyBag& bag) override {
    SetEnabled(bag.ReadBool("Enabled", true));
    ambient = AmbientFont();
    widthWhenRead = Width();
  }
  void WriteProperties(PropertyBag& /*bag*/) const override {}
  Font ambient;
  int widthWhenRead = 0;
};

class BuildFormTest : public ::testing::Test {
 protected:
  FormDefinition Definition(std::vector<SavedProperty> saved, bool enabled = true) {
    FormDefinition d{.name = "FormProbe", .font = Font{.face = "宋体", .points = 10.5}};
    d.controls.push_back({.kind = ControlKind::PictureBox,
                          .name = "PicturePage",
                          .foreColor = 0x80000008u,
                          .backColor = 0x80000005u,
                          .font = Font{.face = "宋体", .points = 9, .charset = kCharsetGb2312}});
    d.controls.push_back({.kind = ControlKind::Hosted,
                          .name = "Probe1",
                          .parent = "PicturePage",
                          .width = PixelsToTwips(40),
                          .height = PixelsToTwips(20),
                          .enabled = enabled,
                          .hostedType = "Zorvane.Probe",
                          .saved = std::move(saved)});
    return d;
  }
  SavedValuesProbe& Build(const FormDefinition& d) {
    SavedValuesProbe* probe = nullptr;
    const bool built =
        BuildForm(d, form, [&](const ControlDefinition& c, Container& parent) -> HostedControl* {
          probe = &parent.Add<SavedValuesProbe>(controlHost, c.name, c.index);
          return probe;
        });
    EXPECT_TRUE(built);
    return *probe;
  }

  headless::HeadlessRuntime host;
  RunModeHost controlHost{host.colors, host.timers};
  Form form{host.runtime, "FormProbe"};
};

// The definition places the control; its own saved Enabled has the last word.
TEST_F(BuildFormTest, AHostedControlsSavedEnabledWinsOverTheDefinition) {
  const struct {
    std::vector<SavedProperty> saved;
    bool definitionEnabled;
    bool enabled;
  } cases[] = {
      {{{"enabled", false}}, true, false},
      {{}, true, true},
      {{}, false, true},  // a missing key reads as its default, true
      {{{"Enabled", true}}, false, true},
  };
  for (const auto& c : cases) {
    Form fresh{host.runtime, "FormProbe"};
    SavedValuesProbe* probe = nullptr;
    ASSERT_TRUE(BuildForm(Definition(c.saved, c.definitionEnabled), fresh,
                          [&](const ControlDefinition& d, Container& parent) -> HostedControl* {
                            probe = &parent.Add<SavedValuesProbe>(controlHost, d.name, d.index);
                            return probe;
                          }));
    EXPECT_EQ(probe->Enabled(), c.enabled) << c.saved.size() << " saved, definition " << c.definitionEnabled;
    EXPECT_EQ(probe->widthWhenRead, PixelsToTwips(40)) << "placed before its saved values are read";
  }
}

// Fonts and colours of the definition reach the form and its pages; a page's font is the ambient
// font of the controls it holds.
TEST_F(BuildFormTest, FontsAndColoursOfTheFormAndItsPages) {
  const SavedValuesProbe& probe = Build(Definition({}));
  EXPECT_EQ(form.Font().face, "宋体");
  EXPECT_EQ(form.Font().points, 10.5);
  const auto* page = static_cast<const Container*>(form.Find("PicturePage"));
  EXPECT_EQ(page->Font(), (Font{.face = "宋体", .points = 9, .charset = kCharsetGb2312}));
  EXPECT_EQ(page->ForeColor(), 0x80000008u);
  EXPECT_EQ(page->BackColor(), 0x80000005u);
  EXPECT_EQ(probe.ambient, page->Font());
}

}  // namespace
}  // namespace zv::forms
