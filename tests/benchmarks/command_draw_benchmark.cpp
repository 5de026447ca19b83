// Cost of drawing the skinned button in each look at the main window's two sizes, against one
// fill of the whole button (the baseline). `--draws=N --look=L --width=W --height=H` and
// `--fills=N --width=W --height=H` run that many without the benchmark framework, for
// tools/callgrind_buttons.sh to count instructions.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/command_rig.h"

namespace {

using zv::testing::CommandRig;

// A loaded, focused button of the look with the main window's font and a two-character caption.
struct DrawnButton : CommandRig {
  DrawnButton(int look, int width, int height) : CommandRig(width, height) {
    page.SetFont(zv::Font{"Arial", 9.0});
    zv::forms::PropertyBag bag;
    bag.Set("caption", std::string("确定"));
    Load(bag);
    button.SetButtonType(look);
    button.OnGotFocus();
  }
};

void Fill(zv::Canvas& canvas) { canvas.FillRect({0, 0, canvas.Width(), canvas.Height()}, zv::Rgb(1, 2, 3)); }

void BM_FillWholeButton(benchmark::State& state) {
  zv::OwnedCanvas pixels(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), nullptr);
  for (auto _ : state) {
    Fill(pixels.canvas());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FillWholeButton)->Args({65, 25})->Args({113, 33});

void BM_DrawButton(benchmark::State& state) {
  DrawnButton b(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                static_cast<int>(state.range(2)));
  for (auto _ : state) {
    b.button.DrawButton(zv::command::kStateNormal, true);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawButton)
    ->ArgsProduct({{1, 2, 3, 4, 5}, {65}, {25}})
    ->ArgsProduct({{1, 2, 3, 4, 5}, {113}, {33}});

// The value of "--name=" among the arguments, or -1.
long Option(int argc, char** argv, const char* name) {
  const std::string prefix = std::string("--") + name + "=";
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], prefix.c_str(), prefix.size()) == 0)
      return std::strtol(argv[i] + prefix.size(), nullptr, 10);
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  const long draws = Option(argc, argv, "draws");
  const long fills = Option(argc, argv, "fills");
  const int width = static_cast<int>(Option(argc, argv, "width"));
  const int height = static_cast<int>(Option(argc, argv, "height"));
  if (draws >= 0) {
    DrawnButton b(static_cast<int>(Option(argc, argv, "look")), width, height);
    for (long i = 0; i < draws; ++i) b.button.DrawButton(zv::command::kStateNormal, true);
    std::printf("%08x\n", b.surface().At(width / 2, height / 2));
    return 0;
  }
  if (fills >= 0) {
    zv::OwnedCanvas pixels(width, height, nullptr);
    for (long i = 0; i < fills; ++i) Fill(pixels.canvas());
    std::printf("%08x\n", pixels.canvas().GetPixel(0, 0));
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
