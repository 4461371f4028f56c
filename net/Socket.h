#pragma once
// A connected TCP socket, owned and move-only: Winsock on Windows, POSIX sockets elsewhere.
#include <cstddef>
#include <cstdint>
#include <string>

class TTcpSocket {
public:
  TTcpSocket() = default;
  ~TTcpSocket() { Close(); }
  TTcpSocket(TTcpSocket&& other) noexcept : handle_(other.handle_) { other.handle_ = kNone; }
  TTcpSocket& operator=(TTcpSocket&& other) noexcept;
  TTcpSocket(const TTcpSocket&) = delete;
  TTcpSocket& operator=(const TTcpSocket&) = delete;

  // Raises EHttpError when the name does not resolve or no address accepts the connection.
  static TTcpSocket Connect(const std::string& host, int port);

  bool IsOpen() const { return handle_ != kNone; }
  void SendAll(const std::string& bytes);
  // Bytes received into buffer; 0 at the end of the stream. Raises EHttpError on failure.
  size_t Receive(char* buffer, size_t size);
  void Close();

private:
  static constexpr intptr_t kNone = -1;
  explicit TTcpSocket(intptr_t handle) : handle_(handle) {}
  intptr_t handle_ = kNone;
};
