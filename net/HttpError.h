#pragma once
// Errors of the HTTP client: a failed request, and a final status outside 200..299.
#include "rtl/Exceptions.h"

class EHttpError : public Exception {
public:
  using Exception::Exception;
};

class EHttpProtocolError : public EHttpError {
public:
  EHttpProtocolError(int status, const std::string& statusLine) : EHttpError(statusLine), status_(status) {}
  int Status() const { return status_; }

private:
  int status_;
};
