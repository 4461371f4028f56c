#include "net/HttpResponse.h"

#include "net/HttpError.h"

#include <cctype>

namespace {

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

std::string Trim(const std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Collects bytes into line until LF; returns the bytes used and whether the line is complete.
// The CR before the LF is dropped.
size_t TakeLine(const char* data, size_t size, std::string& line, bool& complete) {
  size_t i = 0;
  complete = false;
  while (i < size && data[i] != '\n') ++i;
  line.append(data, i);
  if (i < size) {
    complete = true;
    ++i;
    if (!line.empty() && line.back() == '\r') line.pop_back();
  }
  if (line.size() > kMaxLineLength + (complete ? 0 : 1)) throw EHttpError("Response line too long");
  return i;
}

int ParseStatus(const std::string& line) {
  // "HTTP/1.x NNN reason"
  if (line.compare(0, 5, "HTTP/") != 0) throw EHttpError("Invalid response: " + line.substr(0, 80));
  size_t space = line.find(' ');
  if (space == std::string::npos || line.size() < space + 4) throw EHttpError("Invalid status line");
  int status = 0;
  for (size_t i = space + 1; i < space + 4; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(line[i]))) throw EHttpError("Invalid status line");
    status = status * 10 + (line[i] - '0');
  }
  if (line.size() > space + 4 && line[space + 4] != ' ') throw EHttpError("Invalid status line");
  return status;
}

int64_t ParseLength(const std::string& text) {
  if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos)
    throw EHttpError("Invalid Content-Length: " + text.substr(0, 40));
  return std::stoll(text);
}

bool IsChunked(const std::string& transferEncoding) {
  std::string coding = Trim(transferEncoding.substr(transferEncoding.rfind(',') + 1));
  return SameName(coding, "chunked");
}

}  // namespace

std::string THttpResponseHead::Header(const std::string& name) const {
  for (const auto& header : headers)
    if (SameName(header.first, name)) return header.second;
  return std::string();
}

std::vector<std::string> THttpResponseHead::Headers(const std::string& name) const {
  std::vector<std::string> values;
  for (const auto& header : headers)
    if (SameName(header.first, name)) values.push_back(header.second);
  return values;
}

size_t THeadParser::Feed(const char* data, size_t size) {
  size_t used = 0;
  while (used < size && !done_) {
    bool complete = false;
    used += TakeLine(data + used, size - used, line_, complete);
    if (!complete) break;
    std::string line;
    line.swap(line_);
    Line(line);
  }
  return used;
}

void THeadParser::Line(const std::string& line) {
  if (head_.statusLine.empty()) {
    if (line.empty()) return;  // tolerated blank lines before the status line
    head_.status = ParseStatus(line);
    head_.statusLine = line;
  } else if (line.empty()) {
    // An interim 1xx head is followed by the real one.
    if (head_.status >= 100 && head_.status < 200 && head_.status != 101) head_ = THttpResponseHead();
    else done_ = true;
  } else if (line[0] == ' ' || line[0] == '\t') {
    if (head_.headers.empty()) throw EHttpError("Invalid header continuation");
    head_.headers.back().second += " " + Trim(line);
  } else {
    size_t colon = line.find(':');
    if (colon == std::string::npos || colon == 0) throw EHttpError("Invalid header line");
    head_.headers.emplace_back(Trim(line.substr(0, colon)), Trim(line.substr(colon + 1)));
  }
}

TBodyDecoder::TBodyDecoder(const THttpResponseHead& head) {
  std::vector<std::string> lengths = head.Headers("Content-Length");
  std::string transfer = head.Header("Transfer-Encoding");
  if ((head.status >= 100 && head.status < 200) || head.status == 204 || head.status == 304) {
    framing_ = Framing::Empty;
  } else if (!transfer.empty()) {
    framing_ = IsChunked(transfer) ? Framing::Chunked : Framing::Close;
  } else if (!lengths.empty()) {
    remaining_ = ParseLength(Trim(lengths[0]));
    for (const std::string& other : lengths)
      if (ParseLength(Trim(other)) != remaining_) throw EHttpError("Conflicting Content-Length headers");
    framing_ = Framing::Length;
  } else {
    framing_ = Framing::Close;
  }
  done_ = framing_ == Framing::Empty || (framing_ == Framing::Length && remaining_ == 0);
}

void TBodyDecoder::Finish() {
  if (framing_ == Framing::Close) done_ = true;
  if (!done_) throw EHttpError("Connection closed before the end of the body");
}

size_t TBodyDecoder::ChunkStep(const char* data, size_t size, const char*& piece, size_t& pieceSize) {
  if (chunkState_ == ChunkState::Data) {
    size_t take = static_cast<size_t>(std::min<int64_t>(remaining_, static_cast<int64_t>(size)));
    piece = data;
    pieceSize = take;
    remaining_ -= static_cast<int64_t>(take);
    if (remaining_ == 0) chunkState_ = ChunkState::DataEnd;
    return take;
  }
  bool complete = false;
  size_t used = TakeLine(data, size, line_, complete);
  if (complete) {
    std::string line;
    line.swap(line_);
    ChunkLine(line);
  }
  return used;
}

void TBodyDecoder::ChunkLine(const std::string& line) {
  switch (chunkState_) {
    case ChunkState::Size: {
      std::string digits = Trim(line.substr(0, line.find(';')));
      if (digits.empty() || digits.size() > 15 || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        throw EHttpError("Invalid chunk size");
      remaining_ = std::stoll(digits, nullptr, 16);
      chunkState_ = remaining_ == 0 ? ChunkState::Trailer : ChunkState::Data;
      break;
    }
    case ChunkState::DataEnd:
      if (!line.empty()) throw EHttpError("Invalid chunk end");
      chunkState_ = ChunkState::Size;
      break;
    case ChunkState::Trailer:
      done_ = line.empty();
      break;
    case ChunkState::Data:
      break;
  }
}
