#pragma once
// Incremental reading of an HTTP/1.x response: the head, then the body in one of its three
// framings (Content-Length, chunked, end of connection). Lines longer than kMaxLineLength
// characters fail, as do malformed heads and chunk sizes (EHttpError).
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

constexpr size_t kMaxLineLength = 16384;

struct THttpResponseHead {
  int status = 0;
  std::string statusLine;
  std::vector<std::pair<std::string, std::string>> headers;

  // The value of the first header of that name (ignoring case), or "".
  std::string Header(const std::string& name) const;
  std::vector<std::string> Headers(const std::string& name) const;
};

class THeadParser {
public:
  // Consumes bytes up to the end of the head and returns how many; interim 1xx heads are
  // skipped. Call again with the rest while Done() is false.
  size_t Feed(const char* data, size_t size);
  bool Done() const { return done_; }
  const THttpResponseHead& Head() const { return head_; }

private:
  void Line(const std::string& line);

  std::string line_;
  THttpResponseHead head_;
  bool done_ = false;
};

class TBodyDecoder {
public:
  enum class Framing { Empty, Length, Chunked, Close };
  // The framing a response head announces (a request that is not HEAD is assumed).
  explicit TBodyDecoder(const THttpResponseHead& head);

  Framing Kind() const { return framing_; }
  int64_t AnnouncedLength() const { return framing_ == Framing::Length ? remaining_ : 0; }
  bool Done() const { return done_; }

  // Decodes received bytes; calls sink(data, size) for each piece of the body. Returns how
  // many bytes belonged to this body (the rest would follow it on the connection).
  template <typename Sink>
  size_t Decode(const char* data, size_t size, Sink&& sink);
  // The connection has ended: fails unless the body is complete.
  void Finish();

private:
  // One step of the chunked framing; returns the bytes consumed and sets piece/pieceSize.
  size_t ChunkStep(const char* data, size_t size, const char*& piece, size_t& pieceSize);
  void ChunkLine(const std::string& line);

  enum class ChunkState { Size, Data, DataEnd, Trailer };
  Framing framing_;
  int64_t remaining_ = 0;
  bool done_ = false;
  ChunkState chunkState_ = ChunkState::Size;
  std::string line_;
};

template <typename Sink>
size_t TBodyDecoder::Decode(const char* data, size_t size, Sink&& sink) {
  size_t used = 0;
  while (used < size && !done_) {
    if (framing_ == Framing::Close) {
      sink(data + used, size - used);
      return size;
    }
    if (framing_ == Framing::Length) {
      size_t take = static_cast<size_t>(std::min<int64_t>(remaining_, static_cast<int64_t>(size - used)));
      sink(data + used, take);
      used += take;
      remaining_ -= static_cast<int64_t>(take);
      done_ = remaining_ == 0;
      continue;
    }
    const char* piece = nullptr;
    size_t pieceSize = 0;
    used += ChunkStep(data + used, size - used, piece, pieceSize);
    if (pieceSize) sink(piece, pieceSize);
  }
  return used;
}
