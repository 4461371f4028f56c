#pragma once
// An HTTP server on 127.0.0.1 for tests: each accepted connection reads one request head,
// records it, answers with the next scripted reply (raw bytes, "{port}" replaced by the
// server's port) and closes. A reply may hold "{pause}": the rest follows after Release() (or
// ten seconds). The server stops after the script or after a few idle seconds.
#include <condition_variable>
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
  // Lets a paused reply go on.
  void Release();
  // Waits up to the given time until a reply has paused.
  bool WaitPaused(int milliseconds);

  // A port where nothing listens.
  static int ClosedPort();

private:
  void Serve();
  void Pause();

  std::vector<std::string> replies_;
  std::vector<std::string> requests_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool paused_ = false;
  bool released_ = false;
  intptr_t listener_ = -1;
  int port_ = 0;
  std::thread thread_;
};
