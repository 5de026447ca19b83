// Event sequences of the skinned button: hover in and out, presses with each button, the space
// bar, double clicks, arrow keys, focus and the disabled button.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/forms/definition.h"
#include "platform/headless/headless_surface.h"
#include "tests/command_rig.h"

namespace zv::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A loaded button whose every event is written to `events`.
struct InputRig : CommandRig {
  InputRig() {
    Load();
    auto mouse = [this](const char* name) {
      return [this, name](forms::MouseEvent& e) {
        std::ostringstream text;
        text << name << "(" << e.button << "," << e.shift << "," << e.x << "," << e.y << ")";
        events.push_back(text.str());
      };
    };
    auto key = [this](const char* name) {
      return [this, name](command::KeyEvent& e) {
        events.push_back(std::string(name) + "(" + std::to_string(e.keyCode) + "," + std::to_string(e.shift) +
                         ")");
      };
    };
    button.onMouseDown = mouse("MouseDown");
    button.onMouseMove = mouse("MouseMove");
    button.onMouseUp = mouse("MouseUp");
    button.onKeyDown = key("KeyDown");
    button.onKeyUp = key("KeyUp");
    button.onKeyPress = [this](int& ascii) { events.push_back("KeyPress(" + std::to_string(ascii) + ")"); };
    button.onClick = [this] { events.push_back("Click"); };
    button.onMouseOut = [this] { events.push_back("MouseOut"); };
  }
  std::uint8_t State() const { return button.InternalState().state; }
  bool Hover() const { return button.InternalState().hover; }
  std::vector<std::string> events;
};

TEST(CommandInput, HoverInAndOutEndsWithExactlyOneMouseOut) {
  InputRig rig;
  const Color normal = rig.surface().At(2, 10);
  rig.surface().cursor = {10, 10};
  rig.button.OnMouseMove(0, 0, 10, 10);
  rig.button.OnMouseMove(0, 0, 11, 10);
  EXPECT_TRUE(rig.Hover());
  EXPECT_TRUE(rig.button.HoverTimer().Running());
  EXPECT_NE(rig.surface().At(2, 10), normal) << "hover frame";
  const int presents = rig.surface().presents;
  rig.host.timers.Advance(50);  // still inside: nothing drawn
  EXPECT_EQ(rig.surface().presents, presents);

  rig.surface().cursor = {65, 25};  // the right and bottom edge still count as inside
  rig.host.timers.Advance(10);
  EXPECT_TRUE(rig.Hover());
  rig.surface().cursor = {66, 10};
  rig.host.timers.Advance(10);
  rig.host.timers.Advance(100);
  EXPECT_THAT(rig.events, ElementsAre("MouseMove(0,0,10,10)", "MouseMove(0,0,11,10)", "MouseOut"));
  EXPECT_FALSE(rig.Hover());
  EXPECT_FALSE(rig.button.HoverTimer().Running());
  EXPECT_EQ(rig.surface().At(2, 10), normal);
  EXPECT_EQ(rig.surface().presents, presents + 1) << "one hover redraw, one redraw on leaving";
}

TEST(CommandInput, MovesOutsideTheClientAreaOnlyStartTheTimer) {
  InputRig rig;
  rig.button.OnMouseMove(0, 0, -1, 5);
  rig.button.OnMouseMove(2, 0, 5, 5);  // the right button held: ignored entirely
  EXPECT_THAT(rig.events, IsEmpty());
  EXPECT_FALSE(rig.Hover());
  EXPECT_TRUE(rig.button.HoverTimer().Running());
}

TEST(CommandInput, RightButtonPressKeepsTheLookAndTheFollowingClickTheState) {
  InputRig rig;
  rig.button.OnMouseDown(2, 0, 5, 6);
  EXPECT_EQ(rig.State(), command::kStateNormal);
  EXPECT_EQ(rig.button.InternalState().lastButton, 2);
  rig.button.OnMouseDown(1, 0, 5, 6);
  rig.button.OnMouseDown(2, 0, 5, 6);
  rig.button.OnClick();
  EXPECT_EQ(rig.State(), command::kStatePressed) << "LastButton 2: the click does not reset the state";
  rig.button.OnMouseUp(2, 0, 5, 6);
  EXPECT_EQ(rig.State(), command::kStatePressed);
  EXPECT_THAT(rig.events, ElementsAre("MouseDown(2,0,5,6)", "MouseDown(1,0,5,6)", "MouseDown(2,0,5,6)",
                                      "Click", "MouseUp(2,0,5,6)"));
}

TEST(CommandInput, LeftPressReleaseAndClick) {
  InputRig rig;
  const Color normal = rig.surface().At(30, 1);
  rig.button.OnMouseDown(1, 0, 5, 6);
  EXPECT_EQ(rig.State(), command::kStatePressed);
  EXPECT_NE(rig.surface().At(30, 1), normal);
  rig.button.OnMouseUp(1, 0, 5, 6);
  rig.button.OnClick();
  EXPECT_EQ(rig.State(), command::kStateNormal);
  EXPECT_EQ(rig.surface().At(30, 1), normal);
  EXPECT_THAT(rig.events, ElementsAre("MouseDown(1,0,5,6)", "MouseUp(1,0,5,6)", "Click"));
}

TEST(CommandInput, DraggingOutWithTheButtonHeldAndBackIn) {
  InputRig rig;
  rig.button.OnMouseDown(1, 0, 5, 5);
  const int presents = rig.surface().presents;
  rig.button.OnMouseMove(1, 0, 6, 5);
  EXPECT_EQ(rig.surface().presents, presents) << "pressed already: not redrawn";
  rig.surface().cursor = {90, 5};
  rig.host.timers.Advance(10);
  EXPECT_EQ(rig.State(), command::kStateNormal);
  rig.button.OnMouseMove(1, 0, 6, 5);
  EXPECT_EQ(rig.State(), command::kStatePressed);
  EXPECT_FALSE(rig.Hover()) << "moving back in with the button held does not hover";
  EXPECT_THAT(rig.events,
              ElementsAre("MouseDown(1,0,5,5)", "MouseMove(1,0,6,5)", "MouseOut", "MouseMove(1,0,6,5)"));
}

TEST(CommandInput, SpaceEmulatesTheLeftButtonUnlessAnotherKeyCameBetween) {
  InputRig rig;
  rig.button.OnKeyDown(32, 0);
  EXPECT_EQ(rig.State(), command::kStatePressed);
  rig.button.OnKeyUp(32, 0);
  EXPECT_EQ(rig.State(), command::kStateNormal);
  EXPECT_THAT(rig.events,
              ElementsAre("KeyDown(32,0)", "MouseDown(1,1,1,1)", "KeyUp(32,0)", "MouseUp(1,1,1,1)", "Click"));

  rig.events.clear();
  rig.button.OnKeyDown(32, 0);
  rig.button.OnKeyDown(65, 0);
  rig.button.OnKeyUp(32, 0);
  EXPECT_THAT(rig.events, ElementsAre("KeyDown(32,0)", "MouseDown(1,1,1,1)", "KeyDown(65,0)", "KeyUp(32,0)"));
  EXPECT_EQ(rig.State(), command::kStatePressed) << "stays pressed until the next mouse up";
}

TEST(CommandInput, SpaceAfterARightClickStillClicks) {
  InputRig rig;
  rig.button.OnMouseDown(2, 0, 1, 1);
  rig.button.OnKeyDown(32, 0);
  rig.button.OnKeyUp(32, 0);
  EXPECT_EQ(rig.button.InternalState().lastButton, 1);
  EXPECT_EQ(rig.State(), command::kStateNormal);
  EXPECT_EQ(rig.events.back(), "Click");
}

TEST(CommandInput, DoubleClickPressesAgainWithoutClicking) {
  InputRig rig;
  rig.button.OnMouseDown(1, 0, 4, 4);
  rig.button.OnMouseUp(1, 0, 4, 4);
  rig.button.OnClick();
  rig.button.OnDblClick();
  EXPECT_EQ(rig.State(), command::kStatePressed);
  rig.button.OnMouseUp(1, 0, 4, 4);
  EXPECT_THAT(rig.events, ElementsAre("MouseDown(1,0,4,4)", "MouseUp(1,0,4,4)", "Click", "MouseDown(1,1,1,1)",
                                      "MouseUp(1,0,4,4)"));
  // After a right press the double click does nothing.
  rig.events.clear();
  rig.button.OnMouseDown(2, 0, 4, 4);
  rig.button.OnDblClick();
  EXPECT_THAT(rig.events, ElementsAre("MouseDown(2,0,4,4)"));
}

TEST(CommandInput, ArrowsMoveTheFocusAndTheContainerMayRedirectThem) {
  InputRig rig;
  for (int key : {39, 40, 37, 38, 13}) rig.button.OnKeyDown(key, 0);
  EXPECT_THAT(rig.surface().tabs, ElementsAre("{Tab}", "{Tab}", "+{Tab}", "+{Tab}"));

  rig.surface().tabs.clear();
  rig.button.onKeyDown = [](command::KeyEvent& e) {
    if (e.keyCode == 39) e.keyCode = 0;   // swallowed
    if (e.keyCode == 40) e.keyCode = 32;  // turned into a space
  };
  rig.button.OnKeyDown(39, 0);
  EXPECT_THAT(rig.surface().tabs, IsEmpty());
  rig.button.OnKeyDown(40, 0);
  EXPECT_EQ(rig.State(), command::kStatePressed);
  rig.button.OnKeyUp(32, 0);
  EXPECT_EQ(rig.events.back(), "Click") << "the changed key code is the one remembered";
}

TEST(CommandInput, FocusAndAccessKey) {
  InputRig rig;
  rig.button.OnGotFocus();
  EXPECT_TRUE(rig.button.InternalState().hasFocus);
  EXPECT_EQ(rig.surface().At(2, 2), Rgb(189, 215, 247) ^ 0xFFFFFF) << "glow and dotted rectangle";
  rig.button.OnLostFocus();
  EXPECT_FALSE(rig.button.InternalState().hasFocus);
  EXPECT_NE(rig.surface().At(2, 2), Rgb(189, 215, 247) ^ 0xFFFFFF);
  rig.button.OnKeyPress(97);
  rig.button.OnAccessKey();
  EXPECT_THAT(rig.events, ElementsAre("KeyPress(97)", "Click"));
}

TEST(CommandInput, DisabledButtonRaisesNothingButAHoverStillEndsOnce) {
  InputRig rig;
  rig.surface().cursor = {5, 5};
  rig.button.OnMouseMove(0, 0, 5, 5);
  rig.button.SetEnabled(false);
  rig.events.clear();
  const std::vector<Color> disabledLook = [&] {
    std::vector<Color> p;
    for (int x = 0; x < 65; ++x) p.push_back(rig.surface().At(x, 12));
    return p;
  }();
  rig.button.OnMouseDown(1, 0, 5, 5);
  rig.button.OnMouseMove(0, 0, 6, 5);
  rig.button.OnMouseUp(1, 0, 5, 5);
  rig.button.OnClick();
  rig.button.OnDblClick();
  rig.button.OnKeyDown(32, 0);
  rig.button.OnKeyPress(32);
  rig.button.OnKeyUp(32, 0);
  rig.button.OnKeyDown(39, 0);
  rig.button.OnAccessKey();
  EXPECT_THAT(rig.events, IsEmpty());
  EXPECT_THAT(rig.surface().tabs, IsEmpty());
  EXPECT_EQ(rig.State(), command::kStateNormal);

  rig.surface().cursor = {-3, 5};
  rig.host.timers.Advance(30);
  EXPECT_THAT(rig.events, ElementsAre("MouseOut"));
  EXPECT_FALSE(rig.Hover());
  for (int x = 0; x < 65; ++x) EXPECT_EQ(rig.surface().At(x, 12), disabledLook[x]) << x;
}

TEST(CommandInput, TerminateStopsTheHoverTimer) {
  InputRig rig;
  rig.button.OnMouseMove(0, 0, 5, 5);
  rig.button.OnTerminate();
  EXPECT_FALSE(rig.button.HoverTimer().Running());
  EXPECT_FALSE(rig.host.timers.IsRunning(rig.button.HoverTimer()));
}

}  // namespace
}  // namespace zv::testing

namespace zv::testing {
namespace {

// The button on a form of the headless runtime: its surface follows the control's bounds.
TEST(CommandOnAForm, FollowsItsBoundsAndKeepsItsCornersCut) {
  headless::HeadlessRuntime host;
  forms::Form form(host.runtime, "FormProbe");
  platform::RecordingControlHost commandHost;
  auto& button = form.Add<command::Command>("CommandOK", commandHost);
  button.Move(PixelsToTwips(24), PixelsToTwips(216), PixelsToTwips(65), PixelsToTwips(25));
  host.backend.Load(form);
  PropertyBag bag;
  bag.Set("ButtonType", std::int32_t{4});
  button.ReadProperties(bag);
  headless::HeadlessSurface* surface = host.backend.SurfaceOf(button);
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(button.InternalState().height, 25);

  button.Move(PixelsToTwips(24), PixelsToTwips(216), PixelsToTwips(113), PixelsToTwips(33));
  EXPECT_EQ(button.InternalState().width, 113);
  EXPECT_EQ(button.InternalState().focusRect, (Rect{2, 2, 111, 31}));
  ASSERT_FALSE(surface->regions.empty());
  EXPECT_EQ(surface->regions.back().back(), (Rect{112, 31, 113, 32}))
      << "the last corner cut at the new size";
  EXPECT_EQ(surface->GetCanvas()->GetPixel(56, 0), Rgb(81, 107, 148)) << "redrawn at the new size";
}

}  // namespace
}  // namespace zv::testing
