// Timers: ticks that arrive inside a nested event loop of their own handler (DoEvents, a message box),
// and a timer stopped or restarted inside its own tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "tests/contract/contract_backend.h"

namespace zv::contract {
namespace {

constexpr int kInterval = 20;

forms::FormDefinition TimerForm() {
  forms::FormDefinition d{.name = "FormTimers",
                          .caption = "Timers",
                          .clientSize = {200, 80},
                          .border = forms::FormBorder::FixedSingle};
  d.timers.push_back({.name = "TimerProbe", .interval = kInterval, .enabled = false});
  return d;
}

class TimerContractTest : public ::testing::Test {
 protected:
  // Counts the ticks and how deeply they nest; `body` runs inside each, with the tick's number.
  void Run(std::function<void(int tick)> body) {
    timer.onTimer = [this, body = std::move(body)] {
      const int tick = ++ticks;
      ++depth;
      deepest = std::max(deepest, depth);
      body(tick);
      --depth;
    };
    timer.SetEnabled(true);
  }
  void TearDown() override { timer.SetEnabled(false); }

  std::unique_ptr<ContractBackend> backend = MakeContractBackend();
  forms::Form& form = backend->Open(TimerForm());
  forms::Timer& timer = *form.FindTimer("TimerProbe");
  int ticks = 0;
  int depth = 0;
  int deepest = 0;
};

TEST_F(TimerContractTest, TicksArriveInsideADoEventsLoopOfTheirOwnHandler) {
  bool nestedDone = false;
  Run([&](int tick) {
    if (tick == 1) nestedDone = backend->PumpUntil([&] { return ticks >= 3; });
  });
  ASSERT_TRUE(backend->PumpUntil([&] { return ticks >= 3 && depth == 0; }));
  EXPECT_TRUE(nestedDone);
  EXPECT_EQ(deepest, 2);
}

TEST_F(TimerContractTest, TicksArriveWhileTheHandlersMessageBoxIsOpen) {
  int ticksWhenClosed = 0;
  Run([&](int tick) {
    if (tick == 1) {
      backend->Runtime().messages->Show("tick", forms::MessageIcon::None);
      ticksWhenClosed = ticks;
    } else if (tick == 3) {
      backend->CloseMessageBox();
    }
  });
  ASSERT_TRUE(backend->PumpUntil([&] { return ticksWhenClosed != 0; }));
  EXPECT_GE(ticksWhenClosed, 3);
  EXPECT_EQ(deepest, 2);
}

TEST_F(TimerContractTest, ATimerStoppedInItsOwnTickTicksNoMore) {
  struct Case {
    const char* what;
    int stopAt;    // the tick that stops the timer
    int nestUpTo;  // the first tick runs a nested loop until this many ticks came (0: none)
  };
  const Case cases[] = {{"in its first tick", 1, 0}, {"in a tick nested in the first", 2, 2}};
  for (const Case& c : cases) {
    ticks = 0;
    Run([&](int tick) {
      if (tick == 1 && c.nestUpTo != 0) backend->PumpUntil([&] { return ticks >= c.nestUpTo; });
      if (tick == c.stopAt) timer.SetEnabled(false);
    });
    backend->PumpFor(10 * kInterval);
    EXPECT_EQ(ticks, c.stopAt) << c.what;
    EXPECT_FALSE(timer.Running()) << c.what;
  }
}

TEST_F(TimerContractTest, ATimerRestartedInItsOwnTickKeepsTicking) {
  Run([&](int tick) {
    if (tick == 1) {
      timer.SetEnabled(false);
      timer.SetEnabled(true);
    } else if (tick == 2) {
      timer.SetInterval(kInterval + 10);
    }
  });
  EXPECT_TRUE(backend->PumpUntil([&] { return ticks >= 4; }));
}

}  // namespace
}  // namespace zv::contract
