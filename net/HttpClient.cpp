#include "net/HttpClient.h"

#include "net/HttpError.h"

#include <ctime>

namespace {

bool IsRedirect(int status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

int64_t Now() { return static_cast<int64_t>(std::time(nullptr)); }

}  // namespace

void THttpClient::Get(const std::string& url, TByteSink& sink) {
  std::string location = url;
  for (int redirects = 0;; ++redirects) {
    TUrl target = ParseUrl(location);
    socket_ = TTcpSocket::Connect(target.host, target.port);
    socket_.SendAll(FormatGetRequest(target, Request, AllowCookies ? cookies_.CookieHeader(target, Now()) : ""));
    std::string rest;
    THttpResponseHead head = ReadHead(rest);
    StoreCookies(head, target);
    std::string next = head.Header("Location");
    if (HandleRedirects && IsRedirect(head.status) && !next.empty()) {
      socket_.Close();
      if (redirects >= RedirectMaximum) throw EHttpError("Too many redirects");
      location = ResolveLocation(target, next);
      continue;
    }
    if (head.status < 200 || head.status > 299) {
      socket_.Close();
      throw EHttpProtocolError(head.status, head.statusLine);
    }
    ReadBody(head, rest, sink);
    socket_.Close();
    return;
  }
}

THttpResponseHead THttpClient::ReadHead(std::string& rest) {
  THeadParser parser;
  while (!parser.Done()) {
    size_t received = socket_.Receive(&buffer_[0], buffer_.size());
    if (received == 0) throw EHttpError("Connection closed before the response head");
    size_t used = parser.Feed(buffer_.data(), received);
    if (parser.Done()) rest.assign(buffer_.data() + used, received - used);
  }
  return parser.Head();
}

void THttpClient::ReadBody(const THttpResponseHead& head, const std::string& rest, TByteSink& sink) {
  TBodyDecoder decoder(head);
  int64_t count = 0;
  if (OnWorkBegin) OnWorkBegin(TWorkMode::wmRead, decoder.AnnouncedLength());
  try {
    ReceiveBody(decoder, rest, sink, count);
  } catch (...) {
    socket_.Close();
    if (OnWorkEnd) OnWorkEnd(TWorkMode::wmRead);
    throw;
  }
  if (OnWorkEnd) OnWorkEnd(TWorkMode::wmRead);
}

void THttpClient::ReceiveBody(TBodyDecoder& decoder, const std::string& rest, TByteSink& sink, int64_t& count) {
  auto write = [&](const char* data, size_t size) {
    sink.Write(data, size);
    count += static_cast<int64_t>(size);
  };
  auto block = [&](const char* data, size_t size) {
    int64_t before = count;
    decoder.Decode(data, size, write);
    if (count != before && OnWork) OnWork(TWorkMode::wmRead, count);
    if (!socket_.IsOpen()) throw EHttpError("Disconnected");
  };
  if (!rest.empty()) block(rest.data(), rest.size());
  while (!decoder.Done()) {
    size_t received = socket_.Receive(&buffer_[0], buffer_.size());
    if (received == 0) {
      decoder.Finish();
      break;
    }
    block(buffer_.data(), received);
  }
}

void THttpClient::StoreCookies(const THttpResponseHead& head, const TUrl& url) {
  if (!AllowCookies) return;
  for (const std::string& header : head.Headers("Set-Cookie")) cookies_.SetCookie(header, url, Now());
}
