// Runs a fuzz target over a bounded, seeded stream of random inputs, for builds without libFuzzer.
// Usage: <program> <inputs> <seed>. The inputs mix the characters numbers are made of with any byte.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <inputs> <seed>\n", argv[0]);
    return 2;
  }
  const long inputs = std::strtol(argv[1], nullptr, 10);
  std::mt19937 random(static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)));
  static constexpr char kAlphabet[] = "0123456789012345678901234567890123456789.. \t+-eE,x";
  std::uniform_int_distribution<int> length(0, 16);
  std::uniform_int_distribution<int> pick(0, sizeof(kAlphabet) - 2);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> percent(0, 99);
  std::string input;
  for (long n = 0; n < inputs; ++n) {
    input.clear();
    const int size = length(random);
    for (int i = 0; i < size; ++i) {
      input += percent(random) < 3 ? static_cast<char>(byte(random)) : kAlphabet[pick(random)];
    }
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
  }
  std::printf("%ld inputs, no fault\n", inputs);
  return 0;
}
