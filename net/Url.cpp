#include "net/Url.h"

#include "net/HttpError.h"

#include <cctype>

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool IsHostChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.' || c == '_' || c == ':' || c == '%';
}

std::string EncodeTarget(const std::string& text) {
  static const char hex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : text) {
    unsigned char b = static_cast<unsigned char>(c);
    if (b <= 0x20 || b >= 0x7F) {
      out += '%';
      out += hex[b >> 4];
      out += hex[b & 15];
    } else {
      out += c;
    }
  }
  return out;
}

int ParsePort(const std::string& text, const std::string& url) {
  if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
    throw EHttpError("Invalid port in URL: " + url);
  int port = std::stoi(text);
  if (port < 1 || port > 65535) throw EHttpError("Invalid port in URL: " + url);
  return port;
}

// Splits "host", "host:port", "[v6]" or "[v6]:port".
void SplitAuthority(const std::string& authority, const std::string& url, TUrl& out) {
  std::string portText;
  if (!authority.empty() && authority[0] == '[') {
    size_t close = authority.find(']');
    if (close == std::string::npos) throw EHttpError("Invalid host in URL: " + url);
    out.host = authority.substr(1, close - 1);
    if (close + 1 < authority.size()) {
      if (authority[close + 1] != ':') throw EHttpError("Invalid host in URL: " + url);
      portText = authority.substr(close + 2);
    }
  } else {
    size_t colon = authority.find(':');
    out.host = authority.substr(0, colon);
    if (colon != std::string::npos) portText = authority.substr(colon + 1);
  }
  if (out.host.empty()) throw EHttpError("No host in URL: " + url);
  for (char c : out.host)
    if (!IsHostChar(c)) throw EHttpError("Invalid host in URL: " + url);
  if (!portText.empty() || authority.back() == ':') out.port = ParsePort(portText, url);
}

// "/a/b/c" -> "/a/b/": the folder of a path, for relative references.
std::string PathFolder(const std::string& target) {
  std::string path = target.substr(0, target.find('?'));
  return path.substr(0, path.rfind('/') + 1);
}

// Removes "." and ".." segments of an absolute path.
std::string RemoveDotSegments(const std::string& path) {
  std::string out;
  size_t start = 1;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    bool last = end == std::string::npos;
    std::string segment = path.substr(start, last ? std::string::npos : end - start);
    if (segment == "..") {
      size_t cut = out.rfind('/');
      out.erase(cut == std::string::npos ? 0 : cut);
      if (last) out += '/';
    } else if (segment == ".") {
      if (last) out += '/';
    } else {
      out += '/' + segment;
    }
    if (last) break;
    start = end + 1;
  }
  return out.empty() ? "/" : out;
}

}  // namespace

std::string TUrl::HostHeader() const {
  std::string name = host.find(':') != std::string::npos ? "[" + host + "]" : host;
  return port == 80 ? name : name + ":" + std::to_string(port);
}

TUrl ParseUrl(const std::string& url) {
  size_t sep = url.find("://");
  if (sep == std::string::npos || sep == 0) throw EHttpError("Invalid URL: " + url);
  TUrl out;
  out.scheme = Lower(url.substr(0, sep));
  if (out.scheme != "http") throw EHttpError("Unsupported protocol: " + out.scheme);
  std::string rest = url.substr(sep + 3);
  rest = rest.substr(0, rest.find('#'));
  size_t pathStart = rest.find_first_of("/?");
  std::string authority = rest.substr(0, pathStart);
  authority = authority.substr(authority.rfind('@') == std::string::npos ? 0 : authority.rfind('@') + 1);
  if (authority.empty()) throw EHttpError("No host in URL: " + url);
  SplitAuthority(authority, url, out);
  std::string target = pathStart == std::string::npos ? "/" : rest.substr(pathStart);
  if (target[0] == '?') target = "/" + target;
  out.target = EncodeTarget(target);
  return out;
}

std::string ResolveLocation(const TUrl& base, const std::string& location) {
  std::string origin = base.scheme + "://" + base.HostHeader();
  if (location.find("://") != std::string::npos && location.find("://") < location.find_first_of("/?"))
    return location;
  if (location.compare(0, 2, "//") == 0) return base.scheme + ":" + location;
  if (location.empty()) return origin + base.target;
  if (location[0] == '?') return origin + base.target.substr(0, base.target.find('?')) + location;
  std::string path = location[0] == '/' ? location : PathFolder(base.target) + location;
  size_t query = path.find('?');
  std::string tail = query == std::string::npos ? "" : path.substr(query);
  return origin + RemoveDotSegments(path.substr(0, query)) + tail;
}
