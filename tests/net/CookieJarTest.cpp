#include "net/CookieJar.h"

#include <gtest/gtest.h>

namespace {

const int64_t kNow = 1700000000;  // 2023-11-14 22:13:20 UTC

std::string SendTo(const TCookieJar& jar, const char* url, int64_t now = kNow) {
  return jar.CookieHeader(ParseUrl(url), now);
}

TEST(CookieJar, DomainRules) {
  TCookieJar jar;
  TUrl from = ParseUrl("http://www.example.com/");
  jar.SetCookie("host=1", from, kNow);
  jar.SetCookie("dom=2; Domain=.Example.COM", from, kNow);
  jar.SetCookie("foreign=3; Domain=other.com", from, kNow);
  jar.SetCookie("suffix=4; Domain=ample.com", from, kNow);
  jar.SetCookie("secure=5; Secure", from, kNow);
  jar.SetCookie("novalue", from, kNow);
  EXPECT_EQ(SendTo(jar, "http://www.example.com/x"), "host=1; dom=2");
  EXPECT_EQ(SendTo(jar, "http://a.b.example.com/"), "dom=2");
  EXPECT_EQ(SendTo(jar, "http://example.com/"), "dom=2");
  EXPECT_EQ(SendTo(jar, "http://badexample.com/"), "");
  EXPECT_EQ(SendTo(jar, "http://other.com/"), "");

  TCookieJar ip;
  TUrl local = ParseUrl("http://127.0.0.1:8080/");
  ip.SetCookie("a=1; Domain=0.0.1", local, kNow);
  ip.SetCookie("b=2; Domain=127.0.0.1", local, kNow);
  EXPECT_EQ(SendTo(ip, "http://127.0.0.1:9000/"), "b=2");
}

TEST(CookieJar, PathRulesAndOrder) {
  TCookieJar jar;
  jar.SetCookie("default=1", ParseUrl("http://h/app/page?q=/x"), kNow);
  jar.SetCookie("root=2; Path=/", ParseUrl("http://h/app/page"), kNow);
  jar.SetCookie("deep=3; Path=/app/sub/", ParseUrl("http://h/"), kNow);
  jar.SetCookie("bad=4; Path=relative", ParseUrl("http://h/app/x"), kNow);
  EXPECT_EQ(SendTo(jar, "http://h/app/sub/file"), "deep=3; default=1; bad=4; root=2");
  EXPECT_EQ(SendTo(jar, "http://h/app"), "default=1; bad=4; root=2");
  EXPECT_EQ(SendTo(jar, "http://h/application"), "root=2");
  EXPECT_EQ(SendTo(jar, "http://h/app/sub"), "default=1; bad=4; root=2");
}

TEST(CookieJar, ExpiryAndReplacement) {
  TCookieJar jar;
  TUrl from = ParseUrl("http://h/");
  jar.SetCookie("a=1; Max-Age=60", from, kNow);
  jar.SetCookie("b=2; Expires=Wed, 15 Nov 2023 00:00:00 GMT", from, kNow);
  jar.SetCookie("c=3; Expires=Sun, 06 Nov 1994 08:49:37 GMT", from, kNow);
  jar.SetCookie("d=4; Max-Age=60; Expires=Sun, 06 Nov 1994 08:49:37 GMT", from, kNow);
  jar.SetCookie("e=5; Max-Age=oops", from, kNow);
  EXPECT_EQ(SendTo(jar, "http://h/"), "a=1; b=2; d=4; e=5");
  EXPECT_EQ(SendTo(jar, "http://h/", kNow + 61), "b=2; e=5");
  EXPECT_EQ(SendTo(jar, "http://h/", kNow + 86400), "e=5");
  jar.SetCookie("e=new", from, kNow);
  jar.SetCookie("a=gone; Max-Age=0", from, kNow);
  EXPECT_EQ(SendTo(jar, "http://h/"), "b=2; d=4; e=new");
}

TEST(CookieJar, DateFormats) {
  struct Case {
    const char* text;
    int64_t seconds;
  } cases[] = {
      {"Sun, 06 Nov 1994 08:49:37 GMT", 784111777},
      {"Sunday, 06-Nov-94 08:49:37 GMT", 784111777},
      {"Sun Nov  6 08:49:37 1994", 784111777},
      {"Thu, 01 Jan 2037 00:00:00 GMT", 2114380800},
      {"01 jan 30 00:00:00", 1893456000},
  };
  for (const Case& c : cases) {
    int64_t seconds = 0;
    EXPECT_TRUE(ParseCookieDate(c.text, seconds)) << c.text;
    EXPECT_EQ(seconds, c.seconds) << c.text;
  }
  int64_t ignored = 0;
  for (const char* bad : {"", "tomorrow", "Sun, 32 Nov 1994 08:49:37 GMT", "Sun, 06 Nov 1994 25:00:00", "06 Nov 1994"})
    EXPECT_FALSE(ParseCookieDate(bad, ignored)) << bad;
}

}  // namespace
