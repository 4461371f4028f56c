#pragma once
// An HTTP server on 127.0.0.1 for tests: each accepted connection reads one request head,
// records it, answers with the next scripted reply (raw bytes, "{port}" replaced by the
// server's port) and closes. It stops after the script or after a few idle seconds.
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TScriptedServer {
public:
  explicit TScriptedServer(std::vector<std::string> replies);
  ~TScriptedServer();

  int Port() const { return port_; }
  std::string Url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
  std::vector<std::string> Requests();

  // A port where nothing listens.
  static int ClosedPort();

private:
  void Serve();

  std::vector<std::string> replies_;
  std::vector<std::string> requests_;
  std::mutex mutex_;
  intptr_t listener_ = -1;
  int port_ = 0;
  std::thread thread_;
};
