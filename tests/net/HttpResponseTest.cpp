#include "net/HttpError.h"
#include "net/HttpResponse.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Parsed {
  THttpResponseHead head;
  std::string body;
  bool complete = false;
};

// Feeds the response in pieces of the given size, as a socket might deliver it, then ends.
Parsed Read(const std::string& bytes, size_t piece) {
  Parsed out;
  THeadParser parser;
  size_t at = 0;
  while (!parser.Done() && at < bytes.size()) {
    size_t n = std::min(piece, bytes.size() - at);
    at += parser.Feed(bytes.data() + at, n);
  }
  if (!parser.Done()) throw EHttpError("head incomplete");
  out.head = parser.Head();
  TBodyDecoder decoder(out.head);
  while (!decoder.Done() && at < bytes.size()) {
    size_t n = std::min(piece, bytes.size() - at);
    at += decoder.Decode(bytes.data() + at, n, [&](const char* d, size_t s) { out.body.append(d, s); });
  }
  decoder.Finish();
  out.complete = true;
  return out;
}

TEST(HttpResponse, SameResultWhateverThePieces) {
  struct Case {
    std::string bytes;
    int status;
    std::string body;
  } cases[] = {
      {"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhelloEXTRA", 200, "hello"},
      {"HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 201 Created\nContent-Length: 2\n\nok", 201, "ok"},
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip, chunked\r\n\r\n3\r\nabc\r\nA;x=y\r\n0123456789\r\n0\r\nT: 1\r\n\r\n", 200,
       "abc0123456789"},
      {"HTTP/1.0 200 OK\r\nX-Folded: a\r\n b\r\n\r\nto the end", 200, "to the end"},
      {"HTTP/1.1 204 No Content\r\nContent-Length: 9\r\n\r\n", 204, ""},
      {"HTTP/1.1 200 OK\r\nContent-Length: 3\r\nContent-Length: 3\r\n\r\nabc", 200, "abc"},
      {"\r\nHTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", 200, ""},
  };
  for (const Case& c : cases) {
    for (size_t piece : {size_t(1), size_t(2), size_t(7), size_t(4096)}) {
      Parsed p = Read(c.bytes, piece);
      EXPECT_EQ(p.head.status, c.status) << c.bytes << piece;
      EXPECT_EQ(p.body, c.body) << c.bytes << piece;
    }
  }
  EXPECT_EQ(Read(cases[3].bytes, 3).head.Header("x-folded"), "a b");
}

TEST(HttpResponse, MalformedOrCutShortFails) {
  for (const std::string& bytes : std::vector<std::string>{
           "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabc",
           "HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n",
           "HTTP/1.1 200 OK\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\nab",
           "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nabcde",
           "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nabcdeX\r\n0\r\n\r\n",
           "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n-5\r\n",
           "HTTP/1.1 2x0 OK\r\n\r\n",
           "HTTP/1.1 2000 OK\r\n\r\n",
           "HTTP/1.1 200 OK\r\nno colon\r\n\r\n",
           "HTTP/1.1 200 OK\r\n folded first\r\n\r\n",
           "HTTP/1.1 200 OK\r\nX: " + std::string(16382, 'a') + "\r\n\r\n",
           "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + std::string(16385, '0'),
       })
    EXPECT_THROW(Read(bytes, 5), EHttpError) << bytes.substr(0, 80);
}

}  // namespace
