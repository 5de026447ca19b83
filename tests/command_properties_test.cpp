// Properties of the skinned button: defaults, setters and their side effects, the palette, the
// access key, run-time errors, loading and saving through the property bag.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command/palette.h"
#include "platform/headless/headless_surface.h"
#include "tests/command_rig.h"

namespace zv::testing {
namespace {

using command::RuntimeError;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The stored names, in the order they were first written.
std::vector<std::string> Names(const PropertyBag& bag) {
  std::vector<std::string> names;
  for (const forms::SavedProperty& p : bag.Entries()) names.push_back(p.key);
  return names;
}

constexpr Color kBlueMid = Rgb(124, 171, 255);
constexpr Color kBlueEnd = Rgb(191, 211, 255);

TEST(CommandProperties, PercentOutsideItsRangeIsRejectedAndKept) {
  CommandRig rig;
  rig.Load();
  rig.host.changed.clear();
  const int presents = rig.surface().presents;
  for (int bad : {101, -1}) {
    EXPECT_EQ(rig.button.SetPercent(bad), RuntimeError::kInvalidPropertyValue) << bad;
    EXPECT_EQ(rig.button.Percent(), 16) << bad;
  }
  EXPECT_THAT(rig.host.changed, IsEmpty());
  EXPECT_EQ(rig.surface().presents, presents);
  EXPECT_EQ(command::ErrorText(RuntimeError::kInvalidPropertyValue), "Invalid property value");

  for (int good : {0, 100}) EXPECT_EQ(rig.button.SetPercent(good), RuntimeError::kNone) << good;
  EXPECT_EQ(rig.button.Percent(), 100);
  EXPECT_THAT(rig.host.changed, ElementsAre("Percent", "Percent"));
}

TEST(CommandProperties, WindowHandleCannotBeSet) {
  CommandRig rig;
  rig.Load();
  EXPECT_EQ(rig.button.SetHWnd(7), RuntimeError::kSetNotSupportedAtRunTime);
  rig.host.userMode = false;
  EXPECT_EQ(rig.button.SetHWnd(7), RuntimeError::kSetNotPermitted);
  EXPECT_EQ(rig.button.HWnd(), rig.surface().handle);
  EXPECT_THAT(rig.host.changed, IsEmpty());
}

TEST(CommandProperties, AccessKeyFollowsTheFirstSingleAmpersand) {
  struct Case {
    const char* caption;
    const char* key;
  };
  const std::vector<Case> cases = {
      {"&Free", "f"}, {"x&&y", ""},  {"a&&b&c", "c"}, {"ab&", ""},    {"&", ""},       {"x", ""},
      {"", ""},       {"&&&x", "x"}, {"a&&b&&c", ""}, {"a&B&c", "b"}, {"&释放", "释"}, {"a&&b&", ""},
  };
  CommandRig rig;
  rig.Load();
  for (const Case& c : cases) {
    rig.button.SetCaption(c.caption);
    EXPECT_EQ(rig.button.AccessKey(), c.key) << c.caption;
    EXPECT_EQ(rig.button.AccessText(), std::string(*c.key ? "&" : "") + c.key) << c.caption;
  }
}

TEST(CommandProperties, GlossyLookBringsTheBlueSetAndTheSystemSchemeLaterTheGreys) {
  CommandRig rig;
  rig.Load();
  rig.button.SetButtonType(4);
  EXPECT_EQ(rig.button.Percent(), 53);
  EXPECT_EQ(rig.button.MidColor(), kBlueMid);
  EXPECT_EQ(rig.button.EndColor(), kBlueEnd);
  EXPECT_EQ(rig.button.MouseMoveMidColor(), Rgb(157, 203, 255));
  EXPECT_EQ(rig.button.MouseMoveEndColor(), Rgb(209, 231, 255));
  EXPECT_EQ(rig.button.MouseDownMidColor(), Rgb(100, 153, 255));
  EXPECT_EQ(rig.button.MouseDownEndColor(), kBlueEnd);
  EXPECT_THAT(rig.surface().regions.back(), ::testing::SizeIs(8));

  rig.button.SetBackColor(Rgb(1, 2, 3));
  EXPECT_EQ(rig.button.Percent(), 53);
  EXPECT_EQ(rig.button.MidColor(), Rgb(197, 197, 197));
  EXPECT_EQ(rig.button.EndColor(), Rgb(238, 238, 238));
  EXPECT_EQ(rig.button.MouseMoveMidColor(), Rgb(123, 167, 211));
  EXPECT_EQ(rig.button.MouseMoveEndColor(), Rgb(210, 245, 251));
  EXPECT_EQ(rig.button.MouseDownMidColor(), Rgb(227, 167, 105));
  EXPECT_EQ(rig.button.MouseDownEndColor(), Rgb(252, 220, 199));
  EXPECT_THAT(rig.host.changed, ElementsAre("ButtonType", "BackColor"));
}

TEST(CommandProperties, ClassicSchemeReplacesTheOfficeXpColoursAndBlackensTheText) {
  CommandRig rig;
  rig.Load();
  rig.button.SetForeColor(Rgb(0, 0, 255));
  rig.button.SetColorScheme(3);
  EXPECT_EQ(rig.button.OfficeXpFillColor(), Rgb(236, 233, 216));
  EXPECT_EQ(rig.button.OfficeXpFrameColor(), Rgb(172, 169, 154));
  EXPECT_EQ(rig.button.OfficeXpMousemoveFillColor(), Rgb(193, 210, 238));
  EXPECT_EQ(rig.button.OfficeXpMousemoveFrameColor(), Rgb(49, 105, 198));
  const command::CommandPalette& palette = rig.button.Palette();
  EXPECT_EQ(palette.text, 0u);
  EXPECT_EQ(palette.face, Rgb(192, 192, 192));
  EXPECT_EQ(palette.shadow, Rgb(128, 128, 128));
  EXPECT_EQ(palette.light, Rgb(223, 223, 223));
  EXPECT_EQ(palette.highlight, Rgb(255, 255, 255));
  EXPECT_EQ(palette.darkShadow, 0u);
  EXPECT_EQ(rig.button.ForeColor(), Rgb(0, 0, 255));
}

TEST(CommandProperties, CustomSchemeDerivesThePaletteFromTheColours) {
  CommandRig rig;
  rig.Load();
  rig.button.SetColorScheme(2);
  rig.button.SetForeColor(Rgb(9, 8, 7));
  rig.button.SetBackColor(Rgb(100, 150, 200));
  const command::CommandPalette& palette = rig.button.Palette();
  EXPECT_EQ(palette.text, Rgb(9, 8, 7));
  EXPECT_EQ(palette.face, Rgb(100, 150, 200));
  EXPECT_EQ(palette.shadow, Rgb(36, 86, 136));
  EXPECT_EQ(palette.light, Rgb(131, 181, 231));
  EXPECT_EQ(palette.highlight, Rgb(147, 197, 247));
  EXPECT_EQ(palette.darkShadow, Rgb(0, 0, 8));
}

TEST(CommandProperties, SystemSchemeReadsTheColoursAtTheMomentOfTheChange) {
  CommandRig rig;
  rig.Load();
  rig.host.colors.overrides[syscolor::kButtonFace] = Rgb(236, 233, 216);
  EXPECT_EQ(rig.button.Palette().face, Rgb(192, 192, 192));
  rig.button.SetForeColor(Rgb(0, 0, 0));
  EXPECT_EQ(rig.button.Palette().face, Rgb(236, 233, 216));
  EXPECT_EQ(rig.surface().At(30, 0), Rgb(0, 60, 115)) << "look 1 still drawn";
}

TEST(CommandProperties, RectColorNeitherRedrawsNorIsLost) {
  CommandRig rig;
  rig.Load();
  const int presents = rig.surface().presents;
  rig.button.SetRectColor(Rgb(1, 200, 3));
  EXPECT_EQ(rig.surface().presents, presents);
  EXPECT_THAT(rig.host.changed, ElementsAre("rectcolor"));
  rig.button.OnMouseMove(0, 0, 10, 10);  // the hover frame shows the new colour
  EXPECT_EQ(rig.surface().At(10, 1), Rgb(1, 200, 3));
}

TEST(CommandProperties, SettersRedrawAndNotifyInTurn) {
  CommandRig rig;
  rig.Load();
  int presents = rig.surface().presents;
  auto redrew = [&] {
    const bool drawn = rig.surface().presents > presents;
    presents = rig.surface().presents;
    return drawn;
  };
  rig.button.SetMidColor(1);
  EXPECT_TRUE(redrew());
  rig.button.SetXpType(2);
  EXPECT_TRUE(redrew());
  rig.button.SetShowFocusRect(false);
  EXPECT_TRUE(redrew());
  rig.button.SetFont(Font{"Arial", 12.0});
  EXPECT_TRUE(redrew());
  EXPECT_EQ(rig.button.Font().points, 12.0);
  rig.button.SetOfficeXpMousemoveFrameColor(5);
  EXPECT_TRUE(redrew());
  const int regions = rig.surface().regions.size();
  rig.button.SetEnabled(false);
  EXPECT_TRUE(redrew());
  EXPECT_EQ(rig.surface().regions.size(), regions + 1);
  EXPECT_FALSE(rig.button.Enabled());
  EXPECT_THAT(rig.host.changed, ElementsAre("MidColor", "XpType", "ShowFocusRect", "Font",
                                            "OfficeXpMousemoveFrameColor", "Enabled"));
}

TEST(CommandProperties, EmptyBagLoadsAsLilacSystemXpButton) {
  CommandRig rig;
  rig.Load();
  const command::Command& b = rig.button;
  EXPECT_EQ(b.ButtonType(), 1);
  EXPECT_EQ(b.XpType(), 1);
  EXPECT_EQ(b.ColorScheme(), 1);
  EXPECT_EQ(b.Caption(), "rodeviri");
  EXPECT_TRUE(b.Enabled());
  EXPECT_TRUE(b.ShowFocusRect());
  EXPECT_EQ(b.Font(), rig.page.Font());
  EXPECT_EQ(b.BackColor(), Rgb(192, 192, 192));
  EXPECT_EQ(b.ForeColor(), Rgb(0, 0, 0));
  EXPECT_EQ(b.Percent(), 16);
  EXPECT_EQ(b.MidColor(), Rgb(116, 200, 115));
  EXPECT_EQ(b.RectColor(), Rgb(250, 195, 88));
  EXPECT_EQ(b.InternalState().state, command::kStateNormal);
  // Lilac face fading up from the bottom, inside the blue-grey border.
  EXPECT_EQ(rig.surface().At(30, 23), Rgb(201, 200, 217));
  EXPECT_EQ(rig.surface().At(30, 0), Rgb(0, 60, 115));
  EXPECT_TRUE(rig.surface().regions.back().empty());
}

TEST(CommandProperties, LoadedGradientColoursReplaceThePalettes) {
  // A look-4 instance without colour keys loads with the green defaults...
  PropertyBag glossy;
  glossy.Set("buttontype", std::int32_t{4});
  CommandRig a;
  a.Load(glossy);
  EXPECT_EQ(a.button.MidColor(), Rgb(116, 200, 115));
  EXPECT_EQ(a.button.Percent(), 16);
  // ...and a scheme-3 instance with the stored or default Office XP colours.
  PropertyBag classic;
  classic.Set("ColorScheme", std::int32_t{3});
  classic.Set("officexpfillcolor", std::int32_t{0x123456});
  CommandRig b;
  b.Load(classic);
  EXPECT_EQ(b.button.OfficeXpFillColor(), 0x123456u);
  EXPECT_EQ(b.button.OfficeXpFrameColor(), Rgb(188, 188, 66));
  EXPECT_EQ(b.button.Palette().face, Rgb(192, 192, 192));
}

PropertyBag SavedOkButton() {
  PropertyBag bag;
  bag.Set("_extentx", std::int32_t{1720});
  bag.Set("_extenty", std::int32_t{661});
  bag.Set("font", Font{"Arial", 9.0, kFontWeightNormal, false, false, kCharsetAnsi});
  bag.Set("caption", std::string("确定"));
  bag.Set("percent", std::int16_t{53});
  bag.Set("midcolor", std::int32_t{0xFFAB7C});
  bag.Set("endcolor", std::int32_t{0xFFD3BF});
  bag.Set("mousemovemidcolor", std::int32_t{0xFFCB9D});
  bag.Set("mousemoveendcolor", std::int32_t{0xFFE7D1});
  bag.Set("mousedownmidcolor", std::int32_t{0xFF9964});
  bag.Set("mousedownendcolor", std::int32_t{0xFFD3BF});
  return bag;
}

TEST(CommandProperties, SavedInstanceLoadsAndSavesTheSameKeysInOrder) {
  CommandRig rig;
  rig.Load(SavedOkButton());
  EXPECT_EQ(rig.button.Caption(), "确定");
  EXPECT_EQ(rig.button.Font().face, "Arial");
  EXPECT_EQ(rig.button.Percent(), 53);
  EXPECT_EQ(rig.button.MidColor(), kBlueMid);
  EXPECT_EQ(rig.button.MouseDownEndColor(), kBlueEnd);

  PropertyBag saved;
  rig.button.WriteProperties(saved);
  EXPECT_THAT(Names(saved),
              ElementsAre("Font", "Caption", "Percent", "MidColor", "EndColor", "MouseMoveMidColor",
                          "MouseMoveEndColor", "MouseDownMidColor", "MouseDownEndColor"));
  EXPECT_EQ(std::get<std::int16_t>(*saved.Find("Percent")), 53);
  EXPECT_EQ(std::get<std::int32_t>(*saved.Find("MidColor")), 0xFFAB7C);
}

TEST(CommandProperties, EveryChangedPropertyIsSavedInTableOrder) {
  CommandRig rig;
  rig.Load();
  command::Command& b = rig.button;
  b.SetOfficeXpMousemoveFrameColor(1);
  b.SetOfficeXpMousemoveFillColor(1);
  b.SetOfficeXpFrameColor(1);
  b.SetOfficeXpFillColor(1);
  b.SetMouseDownEndColor(1);
  b.SetMouseDownMidColor(1);
  b.SetMouseMoveEndColor(1);
  b.SetMouseMoveMidColor(1);
  b.SetEndColor(1);
  b.SetMidColor(1);
  EXPECT_EQ(b.SetPercent(50), RuntimeError::kNone);
  b.SetRectColor(1);
  b.SetShowFocusRect(false);
  b.SetColorScheme(2);
  b.SetCaption("Go");
  b.SetXpType(3);
  b.SetButtonType(5);
  b.SetFont(Font{"Courier", 10.0});
  b.SetEnabled(false);
  b.SetForeColor(1);
  b.SetBackColor(1);
  PropertyBag saved;
  b.WriteProperties(saved);
  EXPECT_THAT(Names(saved),
              ElementsAre("BackColor", "ForeColor", "Enabled", "Font", "ButtonType", "XpType", "Caption",
                          "ColorScheme", "ShowFocusRect", "rectcolor", "Percent", "MidColor", "EndColor",
                          "MouseMoveMidColor", "MouseMoveEndColor", "MouseDownMidColor", "MouseDownEndColor",
                          "OfficeXpFillColor", "OfficeXpFrameColor", "OfficeXpMousemoveFillColor",
                          "OfficeXpMousemoveFrameColor"));

  // Loading what was saved gives the same button back.
  CommandRig copy;
  copy.Load(saved);
  PropertyBag again;
  copy.button.WriteProperties(again);
  EXPECT_EQ(Names(again), Names(saved));
  EXPECT_FALSE(copy.button.Enabled());
  EXPECT_EQ(copy.button.Caption(), "Go");
}

TEST(CommandProperties, NewInstanceTakesItsNameAndDrawsOnceItHasASurface) {
  CommandRig rig;
  auto& fresh = rig.page.Add<command::Command>("Command7", rig.host);
  fresh.Move(0, 0, 65 * kTwipsPerPixel, 25 * kTwipsPerPixel);
  fresh.InitProperties();
  EXPECT_EQ(fresh.Caption(), "Command7");
  headless::HeadlessSurface surface(fresh, rig.text);  // the window appears and sizes the button
  EXPECT_EQ(surface.presents, 1);
  // The surface's font (Arial 9) is not the container's (Tahoma 8), so it is saved too.
  PropertyBag saved;
  fresh.WriteProperties(saved);
  EXPECT_THAT(Names(saved), ElementsAre("Font", "Caption"));
}

TEST(CommandPropertyBag, NamesMatchWithoutCaseAndDefaultsAreNotStored) {
  PropertyBag bag;
  bag.Write("MidColor", std::int32_t{5}, std::int32_t{7});
  bag.Write("EndColor", std::int32_t{7}, std::int32_t{7});
  EXPECT_THAT(Names(bag), ElementsAre("MidColor"));
  EXPECT_EQ(bag.ReadInt32("MIDCOLOR", 0), 5);
  EXPECT_EQ(bag.ReadInt32("endcolor", 9), 9);
  bag.Write("midcolor", std::int32_t{7}, std::int32_t{7});  // back to its default: no longer stored
  EXPECT_THAT(Names(bag), IsEmpty());
  bag.Set("caption", std::string("x"));
  EXPECT_EQ(bag.ReadInt32("caption", 3), 3) << "a value of another kind reads as the default";
  bag.Set("percent", std::int32_t{70000});
  EXPECT_EQ(bag.ReadInt16("percent", 0), static_cast<std::int16_t>(70000));
  bag.Set("tag", Font{});
  EXPECT_EQ(bag.ReadInt32("tag", 4), 4) << "a font is no number";
  EXPECT_EQ(bag.ReadString("tag", "none"), "none");
  bag.Set("flag", std::string("True"));
  EXPECT_TRUE(bag.ReadBool("FLAG", false)) << "text converts as a late-bound host converts it";
}

}  // namespace
}  // namespace zv::testing
