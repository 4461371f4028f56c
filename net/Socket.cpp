#include "net/Socket.h"

#include "net/HttpError.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#endif

namespace {

#ifdef _WIN32
using Native = SOCKET;
const Native kInvalid = INVALID_SOCKET;
void CloseNative(Native s) { closesocket(s); }
std::string LastError() { return "socket error " + std::to_string(WSAGetLastError()); }

struct WinsockStartup {
  WinsockStartup() {
    WSADATA data{};
    WSAStartup(MAKEWORD(2, 2), &data);
  }
  ~WinsockStartup() { WSACleanup(); }
};
void EnsureStarted() { static WinsockStartup startup; }
const int kSendFlags = 0;
#else
using Native = int;
const Native kInvalid = -1;
void CloseNative(Native s) { ::close(s); }
std::string LastError() { return std::strerror(errno); }
void EnsureStarted() {}
const int kSendFlags = MSG_NOSIGNAL;  // a closed peer is an error, not a signal
#endif

Native ToNative(intptr_t handle) { return static_cast<Native>(handle); }

struct AddressList {
  addrinfo* first = nullptr;
  ~AddressList() { if (first) freeaddrinfo(first); }
};

}  // namespace

TTcpSocket& TTcpSocket::operator=(TTcpSocket&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    other.handle_ = kNone;
  }
  return *this;
}

TTcpSocket TTcpSocket::Connect(const std::string& host, int port) {
  EnsureStarted();
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  AddressList addresses;
  if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &addresses.first) != 0)
    throw EHttpError("Cannot resolve host " + host);
  for (addrinfo* a = addresses.first; a; a = a->ai_next) {
    Native s = socket(a->ai_family, a->ai_socktype, a->ai_protocol);
    if (s == kInvalid) continue;
    if (connect(s, a->ai_addr, static_cast<int>(a->ai_addrlen)) == 0) {
      int on = 1;
      setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
      return TTcpSocket(static_cast<intptr_t>(s));
    }
    CloseNative(s);
  }
  throw EHttpError("Cannot connect to " + host + ":" + std::to_string(port));
}

void TTcpSocket::SendAll(const std::string& bytes) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    if (!IsOpen()) throw EHttpError("Disconnected");
    int n = static_cast<int>(send(ToNative(handle_), bytes.data() + sent, static_cast<int>(bytes.size() - sent), kSendFlags));
    if (n <= 0) throw EHttpError("Send failed: " + LastError());
    sent += static_cast<size_t>(n);
  }
}

size_t TTcpSocket::Receive(char* buffer, size_t size) {
  if (!IsOpen()) throw EHttpError("Disconnected");
  int n = static_cast<int>(recv(ToNative(handle_), buffer, static_cast<int>(size), 0));
  if (n < 0) throw EHttpError("Receive failed: " + LastError());
  return static_cast<size_t>(n);
}

void TTcpSocket::Close() {
  if (handle_ != kNone) CloseNative(ToNative(handle_));
  handle_ = kNone;
}
