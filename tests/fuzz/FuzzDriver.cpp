// Replays fuzz inputs without libFuzzer: each file named on the command line, and every
// prefix of it, so inputs cut short anywhere are exercised too.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "cannot read %s\n", argv[i]);
      return 1;
    }
    std::string input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (size_t length = 0; length <= input.size(); ++length)
      LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), length);
  }
  std::printf("replayed %d inputs\n", argc - 1);
  return argc > 1 ? 0 : 1;
}
