// Result<T> carries either a value or the reason it could not be produced. Expected failures of
// the web layer and of the query travel as values of this type; broken invariants assert instead.
// A failure has a kind for code to act on and a message for people. It does not log, throw or
// retry anything.
#pragma once

#include <cassert>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace base {

// Why an exchange failed, as scripts read it: a caller may retry a time-out later, never a TLS
// failure. Each backend sets it where it knows it; the words are a stable interface.
enum class FailureKind {
  Timeout,      // no answer within the time allowed
  Connect,      // no connection, or the connection broke
  Dns,          // a host name or the name asked about could not be resolved
  Tls,          // the secure connection could not be made or verified
  TooLarge,     // the answer exceeded the size the program accepts
  Redirects,    // too many redirects, or one to a weaker or unknown scheme
  Http,         // the server answered with a status that says nothing about the name
  Protocol,     // an answer in the wrong shape
  RateLimited,  // the server asked to slow down, and the tries ran out
  Cancelled,    // stopped by the user
  Request,      // refused before sending: the address or a header cannot be sent as it is
  Other,        // anything else on this machine (out of memory, a missing component)
};

constexpr std::string_view KindName(FailureKind kind) {
  switch (kind) {
    case FailureKind::Timeout:
      return "timeout";
    case FailureKind::Connect:
      return "connect";
    case FailureKind::Dns:
      return "dns";
    case FailureKind::Tls:
      return "tls";
    case FailureKind::TooLarge:
      return "too-large";
    case FailureKind::Redirects:
      return "redirects";
    case FailureKind::Http:
      return "http";
    case FailureKind::Protocol:
      return "protocol";
    case FailureKind::RateLimited:
      return "rate-limited";
    case FailureKind::Cancelled:
      return "cancelled";
    case FailureKind::Request:
      return "request";
    case FailureKind::Other:
      break;
  }
  return "other";
}

struct Failure {
  std::string message;
  FailureKind kind = FailureKind::Other;
};

template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::move(value)) {}
  Result(Failure failure) : state_(std::move(failure)) {}

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  T& value() {
    assert(ok());
    return std::get<0>(state_);
  }
  const T& value() const {
    assert(ok());
    return std::get<0>(state_);
  }
  const std::string& error() const { return failure().message; }
  const Failure& failure() const {
    assert(!ok());
    return std::get<1>(state_);
  }

 private:
  std::variant<T, Failure> state_;
};

using Status = Result<std::monostate>;

inline Status Ok() {
  return std::monostate{};
}

}  // namespace base
