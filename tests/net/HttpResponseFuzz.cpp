// Fuzz target of the response reader: any bytes, delivered in two pieces split where the
// first byte says, either parse or raise EHttpError, and a body never exceeds its length.
#include "net/HttpError.h"
#include "net/HttpResponse.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const char* bytes = reinterpret_cast<const char*>(data + 1);
  size_t length = size - 1, split = data[0] % (length + 1), at = 0;
  try {
    THeadParser parser;
    at += parser.Feed(bytes, split);
    if (!parser.Done()) at += parser.Feed(bytes + at, length - at);
    if (!parser.Done()) return 0;
    TBodyDecoder decoder(parser.Head());
    int64_t announced = decoder.AnnouncedLength(), received = 0;
    auto sink = [&](const char*, size_t n) { received += static_cast<int64_t>(n); };
    while (at < length && !decoder.Done()) {
      size_t used = decoder.Decode(bytes + at, length - at, sink);
      if (used == 0) std::abort();
      at += used;
    }
    decoder.Finish();
    if (decoder.Kind() == TBodyDecoder::Framing::Length && received != announced) std::abort();
  } catch (const EHttpError&) {
  }
  return 0;
}
