#pragma once
// The error types of the runtime: every error carries a message text for the default report.
#include <cstdio>
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// The silent abort: the default error report shows nothing for it.
class EAbort : public Exception {
public:
  EAbort() : Exception("Operation aborted") {}
};

[[noreturn]] inline void Abort() { throw EAbort(); }

class ERegistryException : public Exception {
public:
  using Exception::Exception;
};

// printf-style formatting into a std::string, for messages with one or more %s / %d.
template <typename... Args>
std::string Format(const char* pattern, Args... args) {
  int n = std::snprintf(nullptr, 0, pattern, args...);
  if (n <= 0) return std::string();
  std::string text(static_cast<size_t>(n), '\0');
  std::snprintf(&text[0], text.size() + 1, pattern, args...);
  return text;
}
