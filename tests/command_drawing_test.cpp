// How the skinned button draws: caption layouts, the marks of focus, default and hover in each
// look, the pressed and disabled looks, and the skip test.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "tests/command_rig.h"
#include "tests/print_helpers.h"

namespace zv::testing {
namespace {

constexpr Color kInk = Rgb(255, 0, 255);

// The smallest rectangle holding every pixel of the colour within the area (empty when none).
Rect InkBox(const Canvas& canvas, Color color = kInk, Rect area = {0, 0, INT_MAX, INT_MAX}) {
  Rect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = std::max(area.top, 0); y < std::min(area.bottom, canvas.Height()); ++y) {
    for (int x = std::max(area.left, 0); x < std::min(area.right, canvas.Width()); ++x) {
      if (canvas.GetPixel(x, y) != color) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
             std::max(box.bottom, y + 1)};
    }
  }
  return box.left == INT_MAX ? Rect{} : box;
}

Rect Shifted(Rect r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// A loaded button of the look with an Arial 9 caption (stand-in glyphs 6 × 12) in kInk.
struct LookRig : CommandRig {
  LookRig(int look, std::string caption, int width = 65, int height = 25) : CommandRig(width, height) {
    page.SetFont(Font{"Arial", 9.0});
    Load();
    button.SetButtonType(look);
    button.SetForeColor(kInk);
    button.SetCaption(std::move(caption));
  }
  std::vector<Color> Snapshot() const {
    std::vector<Color> pixels;
    for (int y = 0; y < Pixels().Height(); ++y)
      for (int x = 0; x < Pixels().Width(); ++x) pixels.push_back(Pixels().GetPixel(x, y));
    return pixels;
  }
};

TEST(CommandDrawing, NarrowCaptionIsCentredOnOneLineAndPressedOnePixelRightAndDown) {
  LookRig rig(5, "OK");
  const Rect normal = InkBox(rig.Pixels());
  EXPECT_EQ(Describe(normal), Describe({26, 8, 37, 16})) << "12 × 12 cell centred in 65 × 25";
  rig.button.OnMouseDown(1, 0, 5, 5);
  EXPECT_EQ(Describe(InkBox(rig.Pixels())), Describe(Shifted(normal, 1, 1)));
}

TEST(CommandDrawing, WideCaptionWrapsWithTheLineCountAndTopFormula) {
  // 14 characters of 6 pixels: lines = 84 div 65 + 1 = 2; top = trunc(nearest(40 - 12 × 2) / 2) = 8.
  LookRig rig(5, "aaaa bbbb cccc", 65, 40);
  EXPECT_EQ(rig.button.InternalState().captionRect.top, 8);
  const Rect wrapped = InkBox(rig.Pixels());
  EXPECT_EQ(wrapped.top, 8 + 2) << "glyph boxes start two rows into their line";
  EXPECT_EQ(wrapped.bottom, 8 + 12 + 12 - 2);

  rig.button.OnMouseDown(1, 0, 5, 5);
  EXPECT_EQ(rig.button.InternalState().pressedCaptionRect.top, 10) << "two pixels below the normal top";
  EXPECT_EQ(InkBox(rig.Pixels()).top, wrapped.top + 2);
  rig.button.OnMouseUp(1, 0, 5, 5);

  // A later narrow caption is centred between the stored top and the bottom.
  rig.button.SetCaption("OK");
  LookRig fresh(5, "OK", 65, 40);
  EXPECT_EQ(InkBox(rig.Pixels()).top - InkBox(fresh.Pixels()).top, 4);
}

TEST(CommandDrawing, AmpersandPrefixUnderlinesTheAccessKey) {
  LookRig plain(5, "Free");
  LookRig prefixed(5, "&Free");
  // The caption is measured with its "&", but drawn without it and with an underline.
  const Rect box = InkBox(prefixed.Pixels());
  EXPECT_EQ(box.bottom, InkBox(plain.Pixels()).bottom + 2) << "underline on the cell's last row";
  EXPECT_EQ(box.Width(), 4 * 6 - 1);
}

TEST(CommandDrawing, DefaultButtonShowsTheGlowOfLooksOneAndTwoOnlyWithFocusMarksAllowed) {
  struct Case {
    int look;
    bool showFocusRect;
    Color atLeftGlow;  // pixel (1, 10)
    bool dotted;       // focus rectangle at (2, 2)
  };
  const Color blue = Rgb(140, 174, 231);
  const std::vector<Case> cases = {
      {1, true, blue, true},
      {2, true, blue, false},
      {1, false, 0, false},
      {2, false, 0, false},
  };
  for (const Case& c : cases) {
    LookRig plain(c.look, "OK");
    plain.button.SetShowFocusRect(c.showFocusRect);
    LookRig rig(c.look, "OK");
    rig.button.SetShowFocusRect(c.showFocusRect);
    rig.button.SetDisplayAsDefault(true);
    rig.button.OnAmbientChanged();
    const std::string what =
        "look " + std::to_string(c.look) + (c.showFocusRect ? "" : " without focus marks");
    if (c.atLeftGlow == 0) {
      EXPECT_EQ(rig.Snapshot(), plain.Snapshot()) << what;
      continue;
    }
    EXPECT_EQ(RgbText(rig.Pixels().GetPixel(1, 10)), RgbText(c.atLeftGlow)) << what;
    const Color inner = Rgb(189, 215, 247);
    EXPECT_EQ(RgbText(rig.Pixels().GetPixel(2, 2)), RgbText(c.dotted ? inner ^ 0xFFFFFF : inner)) << what;
  }
}

TEST(CommandDrawing, HoverFrameReplacesTheGlowAndTheDottedRectangle) {
  for (int look : {1, 2}) {
    LookRig rig(look, "OK");
    rig.button.OnGotFocus();
    rig.button.OnMouseMove(0, 0, 10, 10);
    const std::string what = "look " + std::to_string(look);
    EXPECT_EQ(RgbText(rig.Pixels().GetPixel(1, 10)), RgbText(Rgb(250, 195, 88))) << what;
    EXPECT_EQ(RgbText(rig.Pixels().GetPixel(2, 2)), RgbText(Rgb(250, 195, 88))) << what << ": no XOR dot";
    EXPECT_EQ(RgbText(rig.Pixels().GetPixel(62, 22)), RgbText(Rgb(250, 195, 88))) << what;
  }
  LookRig beige(1, "OK");
  beige.button.SetXpType(2);
  beige.button.OnMouseMove(0, 0, 10, 10);
  EXPECT_EQ(RgbText(beige.Pixels().GetPixel(1, 10)), RgbText(Rgb(228, 144, 80))) << "beige hovers orange";
}

TEST(CommandDrawing, OfficeXpLookMarksOnlyTheFocus) {
  LookRig plain(5, "OK");
  LookRig byDefault(5, "OK");
  byDefault.button.SetDisplayAsDefault(true);
  byDefault.button.OnAmbientChanged();
  EXPECT_EQ(byDefault.Snapshot(), plain.Snapshot());
  EXPECT_EQ(RgbText(plain.Pixels().GetPixel(0, 0)), RgbText(Rgb(188, 188, 66)));
  EXPECT_EQ(RgbText(plain.Pixels().GetPixel(5, 5)), RgbText(Rgb(222, 222, 160)));
  byDefault.button.OnGotFocus();
  EXPECT_EQ(RgbText(byDefault.Pixels().GetPixel(2, 2)), RgbText(Rgb(222, 222, 160) ^ 0xFFFFFF));
}

TEST(CommandDrawing, LookCustomSchemeFaceIgnoresTheXpType) {
  LookRig lilac(1, "");
  lilac.button.SetColorScheme(2);
  LookRig grey(1, "");
  grey.button.SetColorScheme(2);
  grey.button.SetXpType(3);
  EXPECT_EQ(grey.Snapshot(), lilac.Snapshot());
  // Face: ShiftB(face + 48) darkened by 25 / H per row; row 1 of the grey face 192 → 240, -1.
  EXPECT_EQ(RgbText(lilac.Pixels().GetPixel(30, 1)), RgbText(Rgb(239, 239, 239)));
}

TEST(CommandDrawing, PressedAndDisabledLooks) {
  struct Case {
    const char* what;
    int look;
    bool pressed;
    int x, y;
    Color expected;
  };
  const std::vector<Case> cases = {
      {"xp pressed fades down from a darker lilac", 1, true, 30, 1, Rgb(175, 174, 191)},
      {"xp pressed border", 1, true, 30, 0, Rgb(0, 60, 115)},
      {"xp disabled", 1, false, 30, 3, Rgb(244, 244, 234)},
      {"xp disabled border", 1, false, 30, 0, Rgb(201, 199, 186)},
      {"classic pressed", 2, true, 30, 5, Rgb(112, 112, 112)},
      {"classic pressed outer frame", 2, true, 30, 1, Rgb(64, 64, 64)},
      {"gradient pressed border", 3, true, 30, 0, Rgb(203, 130, 62)},
      {"gradient disabled", 3, false, 30, 3, Rgb(241, 242, 237)},
      {"glossy pressed border", 4, true, 30, 0, Rgb(81, 107, 148)},
      {"glossy disabled border", 4, false, 30, 0, Rgb(128, 140, 162)},
      {"office xp pressed fill", 5, true, 5, 5, Rgb(190, 190, 126)},
      {"office xp pressed frame", 5, true, 0, 0, Rgb(127, 128, 1)},
      {"office xp disabled", 5, false, 5, 5, Rgb(238, 239, 208)},
  };
  for (const Case& c : cases) {
    LookRig rig(c.look, "");
    if (c.pressed) {
      rig.button.OnMouseDown(1, 0, 5, 5);
    } else {
      rig.button.SetEnabled(false);
    }
    EXPECT_EQ(RgbText(rig.Pixels().GetPixel(c.x, c.y)), RgbText(c.expected)) << c.what;
  }
}

TEST(CommandDrawing, DisabledClassicCaptionIsDrawnTwiceTheLightCopyOnTop) {
  LookRig rig(2, "OK");
  rig.button.SetEnabled(false);
  // Inside the bevel, which uses the same two colours.
  const Rect inside{4, 4, 61, 21};
  const Rect shadow = InkBox(rig.Pixels(), Rgb(128, 128, 128), inside);
  const Rect light = InkBox(rig.Pixels(), Rgb(255, 255, 255), inside);
  LookRig enabled(2, "OK");
  const Rect normal = InkBox(enabled.Pixels());
  EXPECT_EQ(Describe(light), Describe(Shifted(normal, 1, 1)));
  // The shadow copy shows only where the light one does not cover it: its left column and top row.
  EXPECT_EQ(shadow.left, normal.left);
  EXPECT_EQ(shadow.top, normal.top);
}

TEST(CommandDrawing, UnknownLookPressedOrDisabledIsThePlainFace) {
  for (bool pressed : {true, false}) {
    LookRig rig(7, "OK");
    if (pressed) {
      rig.button.OnMouseDown(1, 0, 5, 5);
    } else {
      rig.button.SetEnabled(false);
    }
    const std::vector<Color> pixels = rig.Snapshot();
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](Color c) { return c == Rgb(192, 192, 192); }))
        << (pressed ? "pressed" : "disabled");
  }
  LookRig normal(7, "OK");
  EXPECT_FALSE(InkBox(normal.Pixels()).IsEmpty()) << "the normal state shows the caption";
}

TEST(CommandDrawing, UnforcedDrawingSkipsAnUnchangedStateAndCaption) {
  LookRig rig(1, "OK");
  int presents = rig.surface().presents;
  rig.button.DrawButton(command::kStateNormal, false);
  EXPECT_EQ(rig.surface().presents, presents);
  rig.button.DrawButton(command::kStatePressed, false);
  EXPECT_EQ(rig.surface().presents, ++presents);
  EXPECT_EQ(rig.button.InternalState().state, command::kStatePressed);
  rig.button.DrawButton(command::kStatePressed, true);
  EXPECT_EQ(rig.surface().presents, ++presents);
}

TEST(CommandDrawing, NothingIsDrawnBeforeTheFirstResize) {
  CommandRig rig;
  rig.button.ReadProperties({});
  rig.button.DrawButton(command::kStatePressed, true);
  EXPECT_EQ(rig.button.InternalState().state, command::kStateNormal);
  rig.Attach();
  EXPECT_EQ(rig.surface().presents, 1) << "the first resize draws";
}

TEST(CommandDrawing, EveryLookAndStateDrawsWithinAnySurface) {
  const std::vector<std::pair<int, int>> sizes = {{0, 0},  {1, 1},   {3, 3},   {6, 4},
                                                  {10, 9}, {65, 25}, {113, 33}};
  for (auto [w, h] : sizes) {
    for (int look : {0, 1, 2, 3, 4, 5, 7, 8, 9}) {
      for (int scheme : {1, 2, 3}) {
        LookRig rig(look, "a&&b &Go wide caption text", w, h);
        rig.button.SetColorScheme(scheme);
        rig.button.OnGotFocus();
        rig.button.OnMouseMove(0, 0, 0, 0);
        rig.button.OnMouseDown(1, 0, 0, 0);
        rig.button.SetEnabled(false);
      }
    }
  }
  SUCCEED();
}

}  // namespace
}  // namespace zv::testing
