// Check boxes: the three values as the box shows them, what the user's click or space bar makes of
// each, and the flat look.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "forms/velkan_definition.h"
#include "platform/forms/keys.h"
#include "tests/contract/contract_backend.h"

namespace zv::contract {
namespace {

forms::FormDefinition BoxesForm() {
  forms::FormDefinition d{.name = "FormBoxes",
                          .caption = "Boxes",
                          .clientSize = {300, 120},
                          .border = forms::FormBorder::FixedSingle};
  d.controls.push_back({.kind = forms::ControlKind::CheckBox,
                        .name = "CheckFlat",
                        .left = PixelsToTwips(10),
                        .top = PixelsToTwips(10),
                        .width = PixelsToTwips(200),
                        .height = PixelsToTwips(17),
                        .caption = "flat",
                        .tabIndex = 0,
                        .flat = true});
  d.controls.push_back({.kind = forms::ControlKind::CheckBox,
                        .name = "CheckRaised",
                        .left = PixelsToTwips(10),
                        .top = PixelsToTwips(40),
                        .width = PixelsToTwips(200),
                        .height = PixelsToTwips(17),
                        .caption = "raised",
                        .tabIndex = 1});
  return d;
}

class CheckBoxContractTest : public ::testing::Test {
 protected:
  forms::CheckBox& Box(const char* name) { return static_cast<forms::CheckBox&>(*form.Find(name)); }

  std::unique_ptr<ContractBackend> backend = MakeContractBackend();
  forms::Form& form = backend->Open(BoxesForm());
};

// A value set by the program shows as it is (2 grey) and raises Click; the user's click or space bar
// ticks an unticked or grey box and unticks a ticked one.
TEST_F(CheckBoxContractTest, EachValueShowsAsItIsAndTheUsersClickMakesZeroOrOne) {
  struct Case {
    int value;
    int afterUser;
  };
  const Case cases[] = {{0, 1}, {1, 0}, {2, 1}};
  for (bool bySpace : {false, true}) {
    for (const char* name : {"CheckFlat", "CheckRaised"}) {
      forms::CheckBox& box = Box(name);
      for (const Case& c : cases) {
        ASSERT_TRUE(box.SetValue(c.value == 0 ? 1 : 0));
        int clicks = 0;
        box.onClick = [&] { ++clicks; };
        ASSERT_TRUE(box.SetValue(c.value));
        EXPECT_EQ(clicks, 1) << name << " set to " << c.value;
        EXPECT_EQ(backend->ShownCheckState(box), c.value) << name << " set to " << c.value;
        if (bySpace) {
          backend->Focus(box);
          backend->PressKey(forms::key::kSpace);
        } else {
          backend->Click(box);
        }
        const char* how = bySpace ? " then space" : " then clicked";
        EXPECT_EQ(box.Value(), c.afterUser) << name << " " << c.value << how;
        EXPECT_EQ(backend->ShownCheckState(box), c.afterUser) << name << " " << c.value << how;
        EXPECT_EQ(clicks, 2) << name << " " << c.value << how;
        box.onClick = nullptr;
      }
    }
  }
}

TEST_F(CheckBoxContractTest, FlatIsShownAsDefined) {
  EXPECT_TRUE(backend->ShownFlat(Box("CheckFlat")));
  EXPECT_FALSE(backend->ShownFlat(Box("CheckRaised")));
}

// The settings page of the main window alone (its self-drawn buttons left out).
forms::FormDefinition SettingsPageOnly() {
  forms::FormDefinition d = definitions::FormVelkanDefinition();
  std::erase_if(d.controls, [](const forms::ControlDefinition& c) {
    return c.name != "PictureSettings" &&
           (c.parent != "PictureSettings" || c.kind == forms::ControlKind::Hosted);
  });
  d.timers.clear();
  d.picture.clear();
  return d;
}

TEST(MainWindowCheckBoxesContract, TheFourBoxesAreFlat) {
  std::unique_ptr<ContractBackend> backend = MakeContractBackend();
  forms::Form& form = backend->Open(SettingsPageOnly());
  for (const char* name : {"CheckAutorun", "CheckAutoMin", "CheckShowMiniWindow", "CheckAutoFreeMemory"}) {
    auto* box = static_cast<forms::CheckBox*>(form.Find(name));
    ASSERT_NE(box, nullptr) << name;
    EXPECT_TRUE(backend->ShownFlat(*box)) << name;
  }
}

}  // namespace
}  // namespace zv::contract
