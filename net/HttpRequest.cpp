#include "net/HttpRequest.h"

namespace {

// A header value with CR or LF would end the header early; such bytes are dropped.
std::string HeaderLine(const char* name, const std::string& value) {
  std::string line = std::string(name) + ": ";
  for (char c : value)
    if (c != '\r' && c != '\n') line += c;
  return line + "\r\n";
}

}  // namespace

std::string FormatGetRequest(const TUrl& url, const THttpRequestHeaders& headers, const std::string& cookies) {
  std::string request = "GET " + url.target + " HTTP/1.1\r\n";
  request += HeaderLine("Host", url.HostHeader());
  request += HeaderLine("Content-Type", headers.ContentType);
  request += HeaderLine("Accept", headers.Accept);
  request += HeaderLine("User-Agent", headers.UserAgent);
  if (!cookies.empty()) request += HeaderLine("Cookie", cookies);
  return request + "\r\n";
}
