#include "net/CookieJar.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string Trim(const std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsIpAddress(const std::string& host) {
  return host.find(':') != std::string::npos || host.find_first_not_of("0123456789.") == std::string::npos;
}

bool DomainMatches(const std::string& host, const std::string& domain) {
  if (host == domain) return true;
  return !IsIpAddress(host) && host.size() > domain.size() &&
         host.compare(host.size() - domain.size(), domain.size(), domain) == 0 &&
         host[host.size() - domain.size() - 1] == '.';
}

// An optional "-" and 1..11 digits.
bool IsDeltaSeconds(const std::string& value) {
  std::string digits = !value.empty() && value[0] == '-' ? value.substr(1) : value;
  return !digits.empty() && digits.size() < 12 && digits.find_first_not_of("0123456789") == std::string::npos;
}

int MonthOf(const std::string& token) {
  static const char* months[] = {"jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
  std::string prefix = Lower(token.substr(0, 3));
  for (int i = 0; i < 12; ++i)
    if (prefix == months[i]) return i + 1;
  return 0;
}

std::string RequestPath(const TUrl& url) { return url.target.substr(0, url.target.find('?')); }

std::string DefaultPath(const TUrl& url) {
  std::string path = RequestPath(url);
  size_t slash = path.rfind('/');
  return (path.empty() || path[0] != '/' || slash == 0) ? "/" : path.substr(0, slash);
}

bool PathMatches(const std::string& requestPath, const std::string& cookiePath) {
  if (requestPath.compare(0, cookiePath.size(), cookiePath) != 0) return false;
  return requestPath.size() == cookiePath.size() || cookiePath.back() == '/' || requestPath[cookiePath.size()] == '/';
}

int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  int64_t era = (y >= 0 ? y : y - 399) / 400;
  unsigned yoe = static_cast<unsigned>(y - era * 400);
  unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

// Reads 1..max digits at the start of token; returns the digit count, 0 when none.
size_t Digits(const std::string& token, size_t max, int& value) {
  size_t n = 0;
  value = 0;
  while (n < token.size() && n < max && std::isdigit(static_cast<unsigned char>(token[n]))) value = value * 10 + (token[n++] - '0');
  return (n < token.size() && std::isdigit(static_cast<unsigned char>(token[n]))) ? 0 : n;
}

bool ParseTime(const std::string& token, int& h, int& m, int& s) {
  size_t n = Digits(token, 2, h);
  if (!n || n >= token.size() || token[n] != ':') return false;
  std::string rest = token.substr(n + 1);
  size_t n2 = Digits(rest, 2, m);
  if (!n2 || n2 >= rest.size() || rest[n2] != ':') return false;
  return Digits(rest.substr(n2 + 1), 2, s) > 0;
}

}  // namespace

// The date algorithm of the cookie standard: tokens in any order, the first of each kind wins.
bool ParseCookieDate(const std::string& text, int64_t& seconds) {
  bool haveTime = false, haveDay = false, haveMonth = false, haveYear = false;
  int hour = 0, minute = 0, second = 0, day = 0, month = 0, year = 0;
  std::string token;
  auto take = [&]() {
    int value = 0;
    if (!haveTime && ParseTime(token, hour, minute, second)) haveTime = true;
    else if (!haveDay && Digits(token, 2, value) > 0) { haveDay = true; day = value; }
    else if (!haveMonth && token.size() >= 3 && MonthOf(token) > 0) { haveMonth = true; month = MonthOf(token); }
    else if (!haveYear && Digits(token, 4, value) >= 2) { haveYear = true; year = value; }
    token.clear();
  };
  for (char c : text + " ") {
    bool delimiter = c == 0x09 || (c >= 0x20 && c <= 0x2F) || (c >= 0x3B && c <= 0x40) || (c >= 0x5B && c <= 0x60) || (c >= 0x7B && c <= 0x7E);
    if (delimiter) { if (!token.empty()) take(); }
    else token += c;
  }
  if (haveYear && year >= 70 && year <= 99) year += 1900;
  if (haveYear && year >= 0 && year <= 69) year += 2000;
  if (!haveTime || !haveDay || !haveMonth || !haveYear || day < 1 || day > 31 || year < 1601 || hour > 23 || minute > 59 || second > 59)
    return false;
  seconds = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 86400 + hour * 3600 + minute * 60 + second;
  return true;
}

void TCookieJar::SetCookie(const std::string& header, const TUrl& from, int64_t now) {
  size_t semicolon = header.find(';');
  std::string pair = header.substr(0, semicolon);
  size_t equals = pair.find('=');
  if (equals == std::string::npos) return;
  Cookie cookie;
  cookie.name = Trim(pair.substr(0, equals));
  cookie.value = Trim(pair.substr(equals + 1));
  if (cookie.name.empty()) return;
  std::string host = Lower(from.host);
  cookie.domain = host;
  cookie.path = DefaultPath(from);
  bool haveMaxAge = false;
  while (semicolon != std::string::npos) {
    size_t next = header.find(';', semicolon + 1);
    std::string attribute = header.substr(semicolon + 1, next == std::string::npos ? std::string::npos : next - semicolon - 1);
    semicolon = next;
    size_t eq = attribute.find('=');
    std::string name = Lower(Trim(attribute.substr(0, eq)));
    std::string value = eq == std::string::npos ? std::string() : Trim(attribute.substr(eq + 1));
    int64_t when = 0;
    if (name == "secure") return;
    if (name == "max-age" && IsDeltaSeconds(value)) {
      int64_t delta = std::stoll(value);
      cookie.persistent = haveMaxAge = true;
      cookie.expires = delta <= 0 ? INT64_MIN : now + delta;
    } else if (name == "expires" && !haveMaxAge && ParseCookieDate(value, when)) {
      cookie.persistent = true;
      cookie.expires = when;
    } else if (name == "domain" && !value.empty()) {
      std::string domain = Lower(value[0] == '.' ? value.substr(1) : value);
      if (domain.empty() || !DomainMatches(host, domain)) return;
      cookie.domain = domain;
      cookie.hostOnly = domain == host;
    } else if (name == "path" && !value.empty() && value[0] == '/') {
      cookie.path = value;
    }
  }
  auto same = std::find_if(cookies_.begin(), cookies_.end(), [&](const Cookie& c) {
    return c.name == cookie.name && c.domain == cookie.domain && c.path == cookie.path;
  });
  cookie.created = same != cookies_.end() ? same->created : ++sequence_;
  if (same != cookies_.end()) cookies_.erase(same);
  if (!cookie.persistent || cookie.expires > now) cookies_.push_back(cookie);
}

std::string TCookieJar::CookieHeader(const TUrl& url, int64_t now) const {
  std::string host = Lower(url.host), path = RequestPath(url);
  std::vector<const Cookie*> chosen;
  for (const Cookie& c : cookies_) {
    bool domainOk = c.hostOnly ? host == c.domain : DomainMatches(host, c.domain);
    if (domainOk && PathMatches(path, c.path) && (!c.persistent || c.expires > now)) chosen.push_back(&c);
  }
  // Longer paths first, then older cookies first.
  std::sort(chosen.begin(), chosen.end(), [](const Cookie* a, const Cookie* b) {
    return a->path.size() != b->path.size() ? a->path.size() > b->path.size() : a->created < b->created;
  });
  std::string header;
  for (const Cookie* c : chosen) header += (header.empty() ? "" : "; ") + c->name + "=" + c->value;
  return header;
}
