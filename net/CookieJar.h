#pragma once
// Cookies kept for the life of the client: stored from Set-Cookie headers and sent back by the
// domain, path and expiry rules of the cookie standard. Secure cookies are never stored,
// since the client only speaks plain http.
#include "net/Url.h"

#include <cstdint>
#include <string>
#include <vector>

class TCookieJar {
public:
  // Times are seconds since 1970-01-01 UTC.
  void SetCookie(const std::string& header, const TUrl& from, int64_t now);
  // The Cookie header value for a request to url, "" when nothing applies.
  std::string CookieHeader(const TUrl& url, int64_t now) const;

private:
  struct Cookie {
    std::string name, value, domain, path;
    bool hostOnly = true;
    bool persistent = false;
    int64_t expires = 0;
    uint64_t created = 0;
  };

  std::vector<Cookie> cookies_;
  uint64_t sequence_ = 0;
};

// Parses a cookie date ("Sun, 06 Nov 1994 08:49:37 GMT" and its lenient variants); false when
// it names no valid date.
bool ParseCookieDate(const std::string& text, int64_t& seconds);
