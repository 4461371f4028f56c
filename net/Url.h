#pragma once
// Absolute http URLs as the client uses them, and the resolution of redirect locations.
#include <string>

struct TUrl {
  std::string scheme;  // lower case
  std::string host;    // as given; IPv6 literals without their brackets
  int port = 80;
  std::string target;  // path and query as sent on the request line, at least "/"

  std::string HostHeader() const;  // host, with ":" and the port unless it is 80
};

// Parses scheme://[user@]host[:port][/path][?query][#fragment]. Bytes that cannot appear on a
// request line (controls, blanks, non-ASCII) are sent percent-encoded; the fragment is dropped.
// Raises EHttpError for a URL without scheme or host, a bad port, a host with characters that
// could break the request, or a scheme other than "http".
TUrl ParseUrl(const std::string& url);

// The absolute URL that a Location value names, relative to the URL it came from.
std::string ResolveLocation(const TUrl& base, const std::string& location);
