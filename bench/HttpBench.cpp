// Throughput of our HTTP client, compared with curl by bench/run-bench.sh (not a test).
//   HttpBench serve PORTFILE   serve a 256 MiB body to every connection on 127.0.0.1 (POSIX only)
//   HttpBench get URL          download it with our client; prints bytes, seconds, MiB/s, events
#include "net/HttpClient.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

constexpr long long kBodySize = 256LL * 1024 * 1024;

// Counts what arrives; nothing is kept, so the measure is the transfer itself.
struct CountingSink : TByteSink {
  long long bytes = 0;
  void Write(const char*, size_t size) override { bytes += static_cast<long long>(size); }
};

int Get(const std::string& url) {
  THttpClient client;
  CountingSink sink;
  long long events = 0;
  client.OnWork = [&](TWorkMode, int64_t) {
    ++events;
#ifdef _WIN32
    // What the updater's progress step costs besides its display: servicing the message queue.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
#endif
  };
  auto start = std::chrono::steady_clock::now();
  client.Get(url, sink);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("bytes=%lld seconds=%.3f mibps=%.1f events=%lld block=%zu\n", sink.bytes, seconds,
              sink.bytes / seconds / (1024 * 1024), events, THttpClient::kBlockSize);
  return sink.bytes == kBodySize ? 0 : 1;
}

#ifndef _WIN32
void SendAll(int s, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = send(s, data, size, MSG_NOSIGNAL);
    if (n <= 0) return;
    data += n;
    size -= static_cast<size_t>(n);
  }
}

int Serve(const char* portFile) {
  int listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(listener, 4) != 0) return 1;
  socklen_t length = sizeof address;
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  if (FILE* f = std::fopen(portFile, "w")) {
    std::fprintf(f, "%d\n", ntohs(address.sin_port));
    std::fclose(f);
  }
  std::string block(1 << 20, 'x');
  std::string head = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(kBodySize) + "\r\n\r\n";
  for (;;) {
    int client = accept(listener, nullptr, nullptr);
    if (client < 0) return 1;
    char request[8192];
    std::string got;
    while (got.find("\r\n\r\n") == std::string::npos) {
      ssize_t n = recv(client, request, sizeof request, 0);
      if (n <= 0) break;
      got.append(request, static_cast<size_t>(n));
    }
    SendAll(client, head.data(), head.size());
    for (long long sent = 0; sent < kBodySize; sent += static_cast<long long>(block.size()))
      SendAll(client, block.data(), block.size());
    shutdown(client, SHUT_WR);
    while (recv(client, request, sizeof request, 0) > 0) {
    }
    close(client);
  }
}
#endif

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 3 && std::strcmp(argv[1], "get") == 0) return Get(argv[2]);
#ifndef _WIN32
    if (argc == 3 && std::strcmp(argv[1], "serve") == 0) return Serve(argv[2]);
#endif
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  std::fprintf(stderr, "usage: HttpBench serve PORTFILE | get URL\n");
  return 2;
}
