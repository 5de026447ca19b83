// Focus and keys: the tab order over pages with self-drawn and standard controls, and the keys a
// self-drawn control receives.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/forms/keys.h"
#include "platform/forms/run_mode_host.h"
#include "tests/contract/contract_backend.h"
#include "tests/contract/contract_probe.h"

namespace zv::contract {
namespace {

using forms::ControlDefinition;
using forms::ControlKind;

ControlDefinition At(ControlKind kind, std::string name, std::string parent, int left, int top, int width,
                     int height, int tabIndex) {
  return {.kind = kind,
          .name = std::move(name),
          .parent = std::move(parent),
          .left = PixelsToTwips(left),
          .top = PixelsToTwips(top),
          .width = PixelsToTwips(width),
          .height = PixelsToTwips(height),
          .caption = "x",
          .tabIndex = tabIndex};
}

ControlDefinition Probe(std::string name, std::string parent, int left, int top, int tabIndex,
                        const char* hostedClass = kProbeClass) {
  ControlDefinition d =
      At(ControlKind::Hosted, std::move(name), std::move(parent), left, top, 100, 30, tabIndex);
  d.hostedType = hostedClass;
  return d;
}

// Two pages at the same place, one hidden, and a button on the form below them. The hidden page comes
// first in the tab order; the shown page lists its stops out of definition order, has a self-drawn
// control that is no tab stop and a disabled list, and its last stop is a self-drawn one.
forms::FormDefinition KeysForm() {
  forms::FormDefinition d{.name = "FormKeys",
                          .caption = "Keys",
                          .clientSize = {420, 340},
                          .border = forms::FormBorder::FixedSingle};
  auto& c = d.controls;
  ControlDefinition hidden = At(ControlKind::PictureBox, "PageHidden", "", 0, 0, 420, 280, -1);
  hidden.visible = false;
  c.push_back(hidden);
  c.push_back(At(ControlKind::PictureBox, "PageShown", "", 0, 0, 420, 280, -1));
  c.push_back(At(ControlKind::CheckBox, "CheckHidden", "PageHidden", 10, 10, 150, 17, 0));
  c.push_back(Probe("ProbeHidden", "PageHidden", 10, 40, 1));
  c.push_back(Probe("ProbeLast", "PageShown", 220, 150, 12));
  c.push_back(Probe("ProbeFirst", "PageShown", 10, 10, 2));
  c.push_back(At(ControlKind::CheckBox, "CheckSecond", "PageShown", 10, 50, 150, 17, 3));
  c.push_back(At(ControlKind::Label, "LabelNote", "PageShown", 10, 250, 100, 15, 4));
  c.push_back(At(ControlKind::TextBox, "TextThird", "PageShown", 10, 80, 200, 60, 5));
  c.push_back(Probe("ProbePassive", "PageShown", 220, 10, 6, kPassiveProbeClass));
  ControlDefinition combo = At(ControlKind::ComboBox, "ComboDisabled", "PageShown", 220, 60, 100, 23, 7);
  combo.enabled = false;
  c.push_back(combo);
  c.push_back(At(ControlKind::Button, "ButtonFourth", "PageShown", 10, 150, 80, 25, 8));
  c.push_back(At(ControlKind::Button, "ButtonOnForm", "", 10, 300, 80, 25, 13));
  return d;
}

class KeyboardContractTest : public ::testing::Test {
 protected:
  forms::Control& Named(const char* name) {
    forms::Control* c = form.Find(name);
    EXPECT_NE(c, nullptr) << name;
    return *c;
  }
  // Where each press of the key moves the focus, starting from `start`.
  std::vector<std::string> Walk(const char* start, int presses, bool shift) {
    backend->Focus(Named(start));
    std::vector<std::string> visited;
    for (int i = 0; i < presses; ++i) {
      backend->PressKey(forms::key::kTab, shift ? forms::kShiftMask : 0);
      visited.push_back(backend->FocusedName());
    }
    return visited;
  }

  std::unique_ptr<ContractBackend> backend = MakeContractBackend();
  std::vector<std::string> log;
  forms::RunModeHost host{*backend->Runtime().colors, *backend->Runtime().timers};
  forms::Form& form = backend->Open(KeysForm(), ProbeFactory(host, log));
};

TEST_F(KeyboardContractTest, TabFollowsTabIndexOverTheShownPageAndTheFormAndWrapsRound) {
  EXPECT_EQ(Walk("ProbeFirst", 6, false),
            (std::vector<std::string>{"CheckSecond", "TextThird", "ButtonFourth", "ProbeLast", "ButtonOnForm",
                                      "ProbeFirst"}));
  EXPECT_EQ(Walk("ProbeFirst", 6, true),
            (std::vector<std::string>{"ButtonOnForm", "ProbeLast", "ButtonFourth", "TextThird", "CheckSecond",
                                      "ProbeFirst"}));
}

TEST_F(KeyboardContractTest, APageShownAgainJoinsTheOrderAndAHiddenOneLeavesIt) {
  Named("PageShown").SetVisible(false);
  Named("PageHidden").SetVisible(true);
  EXPECT_EQ(Walk("CheckHidden", 3, false),
            (std::vector<std::string>{"ProbeHidden", "ButtonOnForm", "CheckHidden"}));
}

// Every key but Tab reaches the self-drawn control with the focus, with the character it types; the
// arrows move the focus as the control asks (backwards with Shift, which the control sees go down);
// Tab's release reaches the control that got the focus.
TEST_F(KeyboardContractTest, KeysReachTheSelfDrawnControlWithTheFocus) {
  struct Case {
    const char* what;
    const char* start;
    int key;
    bool shift;
    std::vector<std::string> log;
    const char* focusAfter;
  };
  const Case cases[] = {
      {"Space",
       "ProbeFirst",
       forms::key::kSpace,
       false,
       {"ProbeFirst down 32", "ProbeFirst press 32", "ProbeFirst up 32"},
       "ProbeFirst"},
      {"Enter",
       "ProbeFirst",
       forms::key::kEnter,
       false,
       {"ProbeFirst down 13", "ProbeFirst press 13", "ProbeFirst up 13"},
       "ProbeFirst"},
      {"Esc",
       "ProbeFirst",
       forms::key::kEscape,
       false,
       {"ProbeFirst down 27", "ProbeFirst press 27", "ProbeFirst up 27"},
       "ProbeFirst"},
      {"Right",
       "ProbeFirst",
       forms::key::kRight,
       false,
       {"ProbeFirst down 39", "ProbeFirst up 39", "ProbeFirst lost focus"},
       "CheckSecond"},
      {"Down",
       "ProbeLast",
       forms::key::kDown,
       false,
       {"ProbeLast down 40", "ProbeLast up 40", "ProbeLast lost focus"},
       "ButtonOnForm"},
      {"Left",
       "ProbeLast",
       forms::key::kLeft,
       false,
       {"ProbeLast down 37", "ProbeLast up 37", "ProbeLast down 16 shift", "ProbeLast lost focus"},
       "ButtonFourth"},
      {"Up",
       "ProbeFirst",
       forms::key::kUp,
       false,
       {"ProbeFirst down 38", "ProbeFirst up 38", "ProbeFirst down 16 shift", "ProbeFirst lost focus"},
       "ButtonOnForm"},
      {"Tab", "ProbeFirst", forms::key::kTab, false, {"ProbeFirst lost focus"}, "CheckSecond"},
      {"Shift+Tab",
       "ProbeFirst",
       forms::key::kTab,
       true,
       {"ProbeFirst down 16 shift", "ProbeFirst lost focus"},
       "ButtonOnForm"},
      {"Tab into a self-drawn control",
       "ButtonFourth",
       forms::key::kTab,
       false,
       {"ProbeLast got focus", "ProbeLast up 9"},
       "ProbeLast"},
  };
  for (const Case& c : cases) {
    backend->Focus(Named(c.start));
    log.clear();
    backend->PressKey(c.key, c.shift ? forms::kShiftMask : 0);
    EXPECT_EQ(log, c.log) << c.what;
    EXPECT_EQ(backend->FocusedName(), c.focusAfter) << c.what;
  }
}

TEST_F(KeyboardContractTest, EnterAndEscInTheTextBoxLeaveTheWindowAsItWas) {
  for (int key : {forms::key::kEscape, forms::key::kEnter}) {
    backend->Focus(Named("TextThird"));
    backend->PressKey(key);
    EXPECT_EQ(backend->FocusedName(), "TextThird") << key;
    EXPECT_TRUE(Named("PageShown").Visible());
  }
  backend->PressKey(forms::key::kTab);
  EXPECT_EQ(backend->FocusedName(), "ButtonFourth");
}

TEST_F(KeyboardContractTest, AClickFocusesATabStopOnlyAndSpaceClicksTheFocusedCheckBox) {
  backend->Click(Named("ProbeFirst"));
  EXPECT_EQ(backend->FocusedName(), "ProbeFirst");
  log.clear();
  backend->Click(Named("ProbePassive"));
  EXPECT_EQ(log, (std::vector<std::string>{"ProbePassive click"}));
  EXPECT_EQ(backend->FocusedName(), "ProbeFirst");
  auto& box = static_cast<forms::CheckBox&>(Named("CheckSecond"));
  backend->Focus(box);
  backend->PressKey(forms::key::kSpace);
  EXPECT_EQ(box.Value(), 1);
  EXPECT_EQ(backend->ShownCheckState(box), 1);
}

// The form sees each key first, with the Shift and Ctrl state: a key it takes reaches neither the control
// with the focus nor the Tab navigation; one it leaves goes on as before.
TEST_F(KeyboardContractTest, TheFormPreviewsKeysAndAKeyItTakesGoesNoFurther) {
  std::vector<std::string> previewed;
  form.onKeyPreview = [&](int key, int shift) {
    const int modifiers = shift & (forms::kShiftMask | forms::kCtrlMask);
    if (key == forms::key::kShift || key == forms::key::kControl) return false;
    previewed.push_back(std::to_string(key) + "/" + std::to_string(modifiers));
    return key == forms::key::kEscape || (key == forms::key::kTab && (modifiers & forms::kCtrlMask) != 0);
  };
  struct Case {
    const char* what;
    int key;
    int modifiers;
    std::vector<std::string> preview;
    std::vector<std::string> probeLog;
    const char* focusAfter;
  };
  const Case cases[] = {
      {"Esc, taken", forms::key::kEscape, 0, {"27/0"}, {}, "ProbeFirst"},
      {"Ctrl+Tab, taken", forms::key::kTab, forms::kCtrlMask, {"9/2"}, {}, "ProbeFirst"},
      {"Ctrl+Shift+Tab, taken",
       forms::key::kTab,
       forms::kCtrlMask | forms::kShiftMask,
       {"9/3"},
       {},
       "ProbeFirst"},
      {"Tab, left to the navigation", forms::key::kTab, 0, {"9/0"}, {"ProbeFirst lost focus"}, "CheckSecond"},
  };
  for (const Case& c : cases) {
    backend->Focus(Named("ProbeFirst"));
    previewed.clear();
    log.clear();
    backend->PressKey(c.key, c.modifiers);
    // What the focused control was told of the key itself (the Shift and Ctrl keys reach it as ever).
    std::vector<std::string> toldOfKey;
    for (const std::string& entry : log) {
      const bool modifierKey =
          entry.find(" 16") != std::string::npos || entry.find(" 17") != std::string::npos;
      if (entry.find(" up ") == std::string::npos && !modifierKey) toldOfKey.push_back(entry);
    }
    EXPECT_EQ(previewed, c.preview) << c.what;
    EXPECT_EQ(toldOfKey, c.probeLog) << c.what;
    EXPECT_EQ(backend->FocusedName(), c.focusAfter) << c.what;
  }
  form.onKeyPreview = nullptr;
}

}  // namespace
}  // namespace zv::contract
