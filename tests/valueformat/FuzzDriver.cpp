// Runs the fuzz target over a fixed, generated set of inputs where libFuzzer is not available.
// Each input lives in its own heap block of its exact size, so a read past it is caught.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// xorshift32: the same inputs on every run.
std::uint32_t Next(std::uint32_t& state) {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state;
}

void Run(const std::vector<std::uint8_t>& input) {
  std::vector<std::uint8_t> exact(input);
  exact.shrink_to_fit();
  LLVMFuzzerTestOneInput(exact.empty() ? nullptr : exact.data(), exact.size());
}

// Every type code near the decoded range, with every small size and flag combination.
int RunSmallInputs() {
  int count = 0;
  for (std::uint32_t typeCode : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u, 12u, 0xffffffffu})
    for (std::uint8_t flags = 0; flags < 4; ++flags)
      for (std::size_t cbData = 0; cbData <= 9; ++cbData) {
        std::vector<std::uint8_t> input = {
            static_cast<std::uint8_t>(typeCode), static_cast<std::uint8_t>(typeCode >> 8),
            static_cast<std::uint8_t>(typeCode >> 16), static_cast<std::uint8_t>(typeCode >> 24),
            flags, static_cast<std::uint8_t>(cbData), 0};
        for (std::size_t i = 0; i < cbData; ++i) input.push_back(static_cast<std::uint8_t>(0xf0 + i));
        Run(input);
        ++count;
      }
  return count;
}

// Random inputs, biased towards small type codes and towards pattern letters.
int RunRandomInputs(int runs) {
  static const char kPatternBytes[] = "dDmMyYhHnNsSzZ/:'\" .";
  std::uint32_t state = 0x2545f491;
  for (int run = 0; run < runs; ++run) {
    std::vector<std::uint8_t> input(Next(state) % 1200);
    for (std::uint8_t& byte : input) {
      std::uint32_t r = Next(state);
      byte = (r & 3) == 0 ? static_cast<std::uint8_t>(kPatternBytes[(r >> 8) % (sizeof kPatternBytes - 1)])
                          : static_cast<std::uint8_t>(r >> 8);
    }
    if (input.size() >= 4 && (Next(state) & 1)) {
      input[0] = static_cast<std::uint8_t>(Next(state) % 13);
      input[1] = input[2] = input[3] = 0;
    }
    Run(input);
  }
  return runs;
}

}  // namespace

int main() {
  int count = RunSmallInputs() + RunRandomInputs(20000);
  std::printf("%d inputs passed\n", count);
  return 0;
}
