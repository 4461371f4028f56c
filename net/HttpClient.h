#pragma once
// Our HTTP/1.1 client: GET into a byte sink over plain TCP, redirects, cookies, progress events.
#include "net/CookieJar.h"
#include "net/HttpResponse.h"
#include "net/HttpRequest.h"
#include "net/Socket.h"

#include <cstdint>
#include <functional>
#include <string>

enum class TWorkMode { wmRead, wmWrite };

// Where a response body goes.
class TByteSink {
public:
  virtual ~TByteSink() = default;
  virtual void Write(const char* data, size_t size) = 0;
};

class THttpClient {
public:
  // Received bytes are handled a block of this size at a time; one progress event per block.
  static constexpr size_t kBlockSize = 1024 * 1024;

  THttpRequestHeaders Request;
  bool HandleRedirects = false;
  int RedirectMaximum = 15;
  bool AllowCookies = true;

  // Progress of the final response's body: its announced length or 0, the running count after
  // each block, and the end, which comes also when the body ends by an error.
  std::function<void(TWorkMode, int64_t)> OnWorkBegin;
  std::function<void(TWorkMode, int64_t)> OnWork;
  std::function<void(TWorkMode)> OnWorkEnd;

  // Fetches url and writes the final response's body into sink. Raises EHttpError for any
  // failure and EHttpProtocolError for a final status outside 200..299.
  void Get(const std::string& url, TByteSink& sink);
  // Closes the connection; callable from a progress event, the transfer then fails.
  void Disconnect() { socket_.Close(); }

private:
  THttpResponseHead ReadHead(std::string& rest);
  void ReadBody(const THttpResponseHead& head, const std::string& rest, TByteSink& sink);
  void ReceiveBody(TBodyDecoder& decoder, const std::string& rest, TByteSink& sink, int64_t& count);
  void StoreCookies(const THttpResponseHead& head, const TUrl& url);

  TTcpSocket socket_;
  TCookieJar cookies_;
  std::string buffer_ = std::string(kBlockSize, '\0');
};
