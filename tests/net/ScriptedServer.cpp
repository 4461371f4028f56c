#include "tests/net/ScriptedServer.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using Native = SOCKET;
static void CloseNative(Native s) { closesocket(s); }
static const int kSendFlags = 0;
struct Startup {
  Startup() { WSADATA d{}; WSAStartup(MAKEWORD(2, 2), &d); }
};
static void EnsureStarted() { static Startup s; }
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
using Native = int;
static void CloseNative(Native s) { ::close(s); }
static const int kSendFlags = MSG_NOSIGNAL;
static void EnsureStarted() {}
#endif

namespace {

Native Listen(int& port) {
  EnsureStarted();
  Native s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s, 16) != 0)
    throw std::runtime_error("cannot listen on 127.0.0.1");
  socklen_t length = sizeof address;
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return s;
}

// Waits up to the given time for the socket to become readable.
bool Readable(Native s, int milliseconds) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval wait{milliseconds / 1000, (milliseconds % 1000) * 1000};
  return select(static_cast<int>(s) + 1, &set, nullptr, nullptr, &wait) > 0;
}

bool Writable(Native s, int milliseconds) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval wait{milliseconds / 1000, (milliseconds % 1000) * 1000};
  return select(static_cast<int>(s) + 1, nullptr, &set, nullptr, &wait) > 0;
}

std::string ReadHead(Native s) {
  std::string head;
  char c;
  while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536 && Readable(s, 5000) &&
         recv(s, &c, 1, 0) == 1)
    head += c;
  return head;
}

void SendAll(Native s, const std::string& bytes) {
  size_t sent = 0;
  // A client that stopped reading (a disconnect) must not hold the server for long.
  while (sent < bytes.size() && Writable(s, 10000)) {
    size_t piece = std::min<size_t>(bytes.size() - sent, 65536);
    int n = static_cast<int>(send(s, bytes.data() + sent, static_cast<int>(piece), kSendFlags));
    if (n <= 0) return;  // the client went away, as some cases intend
    sent += static_cast<size_t>(n);
  }
}

std::string WithPort(std::string reply, int port) {
  for (size_t at = reply.find("{port}"); at != std::string::npos; at = reply.find("{port}"))
    reply.replace(at, 6, std::to_string(port));
  return reply;
}

}  // namespace

TScriptedServer::TScriptedServer(std::vector<std::string> replies) : replies_(std::move(replies)) {
  listener_ = static_cast<intptr_t>(Listen(port_));
  thread_ = std::thread([this] { Serve(); });
}

TScriptedServer::~TScriptedServer() {
  thread_.join();
  CloseNative(static_cast<Native>(listener_));
}

void TScriptedServer::Serve() {
  Native listener = static_cast<Native>(listener_);
  for (const std::string& reply : replies_) {
    if (!Readable(listener, 5000)) return;
    Native client = accept(listener, nullptr, nullptr);
    std::string head = ReadHead(client);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      requests_.push_back(head);
    }
    std::string bytes = WithPort(reply, port_);
    size_t pause = bytes.find("{pause}");
    SendAll(client, bytes.substr(0, pause));
    if (pause != std::string::npos) {
      Pause();
      SendAll(client, bytes.substr(pause + 7));
    }
#ifndef _WIN32
    shutdown(client, SHUT_WR);
#else
    shutdown(client, SD_SEND);
#endif
    // Let the client read to the end before the socket goes, so the close is orderly.
    char sink[4096];
    while (Readable(client, 2000) && recv(client, sink, sizeof sink, 0) > 0) {
    }
    CloseNative(client);
  }
}

void TScriptedServer::Pause() {
  std::unique_lock<std::mutex> lock(mutex_);
  paused_ = true;
  changed_.notify_all();
  changed_.wait_for(lock, std::chrono::seconds(10), [this] { return released_; });
  paused_ = released_ = false;
}

void TScriptedServer::Release() {
  std::lock_guard<std::mutex> lock(mutex_);
  released_ = true;
  changed_.notify_all();
}

bool TScriptedServer::WaitPaused(int milliseconds) {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return paused_; });
}

std::vector<std::string> TScriptedServer::Requests() {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

int TScriptedServer::ClosedPort() {
  int port = 0;
  CloseNative(Listen(port));
  return port;
}
