#pragma once
// The bytes of the client's GET request.
#include "net/Url.h"

#include <string>

struct THttpRequestHeaders {
  std::string UserAgent = "Mozilla/3.0 (compatible; Indy Library)";
  std::string Accept = "text/html, */*";
  std::string ContentType = "text/html";
};

// The request line and headers, ended by the empty line; no body, so no Content-Length, and
// the whole resource, so no Range. The Cookie header is left out when cookies is empty.
std::string FormatGetRequest(const TUrl& url, const THttpRequestHeaders& headers, const std::string& cookies);
