#include "net/HttpError.h"
#include "net/HttpRequest.h"
#include "net/Url.h"

#include <gtest/gtest.h>

namespace {

TEST(Url, ParsesTheParts) {
  struct Case {
    const char* url;
    const char* host;
    int port;
    const char* target;
    const char* hostHeader;
  } cases[] = {
      {"http://example.com", "example.com", 80, "/", "example.com"},
      {"HTTP://user:pw@Example.com:8080/a/b.exe?x=1#frag", "Example.com", 8080, "/a/b.exe?x=1", "Example.com:8080"},
      {"http://h:80/x", "h", 80, "/x", "h"},
      {"http://h?q=a/b", "h", 80, "/?q=a/b", "h"},
      {"http://[::1]:81/p", "::1", 81, "/p", "[::1]:81"},
      {"http://h/a b\x01\xe9.exe", "h", 80, "/a%20b%01%E9.exe", "h"},
  };
  for (const Case& c : cases) {
    TUrl url = ParseUrl(c.url);
    EXPECT_EQ(url.host, c.host) << c.url;
    EXPECT_EQ(url.port, c.port) << c.url;
    EXPECT_EQ(url.target, c.target) << c.url;
    EXPECT_EQ(url.HostHeader(), c.hostHeader) << c.url;
  }
}

TEST(Url, RefusesWhatCannotBeRequested) {
  for (const char* bad : {"", "setup.exe", "://h/", "https://h/", "ftp://h/", "http://", "http:///x", "http://h:0/",
                          "http://h:65536/", "http://h:x/", "http://h:/", "http://h\r\nX: y/", "http://h o/", "http://[::1/"})
    EXPECT_THROW(ParseUrl(bad), EHttpError) << bad;
}

TEST(Url, ResolvesLocations) {
  TUrl base = ParseUrl("http://h:81/dir/sub/page.php?q=1");
  struct Case {
    const char* location;
    const char* resolved;
  } cases[] = {
      {"http://other/x", "http://other/x"},
      {"//other:82/x", "http://other:82/x"},
      {"/root/y?z=1", "http://h:81/root/y?z=1"},
      {"file.bin", "http://h:81/dir/sub/file.bin"},
      {"../up/./file.bin", "http://h:81/dir/up/file.bin"},
      {"../../../../top", "http://h:81/top"},
      {"?r=2", "http://h:81/dir/sub/page.php?r=2"},
      {"/a?u=http://x/", "http://h:81/a?u=http://x/"},
  };
  for (const Case& c : cases) EXPECT_EQ(ResolveLocation(base, c.location), c.resolved) << c.location;
}

TEST(HttpRequest, HostCarriesThePortOnlyWhenNot80AndCookiesWhenAny) {
  THttpRequestHeaders headers;
  EXPECT_EQ(FormatGetRequest(ParseUrl("http://h/a"), headers, ""),
            "GET /a HTTP/1.1\r\nHost: h\r\nContent-Type: text/html\r\nAccept: text/html, */*\r\n"
            "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n\r\n");
  headers.UserAgent = "evil\r\nX: 1";
  EXPECT_EQ(FormatGetRequest(ParseUrl("http://h:8080/"), headers, "a=1; b=2"),
            "GET / HTTP/1.1\r\nHost: h:8080\r\nContent-Type: text/html\r\nAccept: text/html, */*\r\n"
            "User-Agent: evilX: 1\r\nCookie: a=1; b=2\r\n\r\n");
}

}  // namespace
