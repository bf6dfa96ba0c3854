// The HTTP request component: one HttpRequest per request, created by the process-wide
// HttpSession, which keeps the cookie store shared by every request and reuses connections.
// The operations mirror the browser component the tool was designed around (Open,
// setRequestHeader, send, readyState, responseBody). Callers read no status code and no
// response headers: an HTTP error status is a complete answer, not a failure. A failure of
// send() (or a readyState() of 4 followed by a failing responseBody()) means the exchange
// itself broke: no connection, no name resolution, a time-out or a cut connection.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "base/Result.h"

namespace web {

// What the tool may wait for and keep. Tests shorten these; the product uses the defaults.
struct TransferLimits {
  std::chrono::milliseconds connectTimeout{30'000};
  // A transfer that receives nothing for this long fails.
  std::chrono::milliseconds idleTimeout{60'000};
  // A transfer not complete after this long fails, however steadily its bytes still trickle in:
  // without it a registrar that sends one byte a second would hold the query for days.
  std::chrono::milliseconds transferTimeout{300'000};
  std::size_t maxResponseBytes = 64u << 20;
  int maxRedirects = 10;
  // How long one readyState() read may wait for network activity before it answers.
  std::chrono::milliseconds readyStateWait{10};
};

class HttpRequest {
 public:
  virtual ~HttpRequest() = default;

  // async == false: send() returns when the response is complete.
  // async == true: send() returns at once; reading readyState() drives the transfer.
  virtual base::Status Open(std::u16string_view method, std::u16string_view url, bool async) = 0;
  virtual base::Status setRequestHeader(std::u16string_view name, std::u16string_view value) = 0;
  // The body text goes out encoded as UTF-8.
  virtual base::Status send(std::u16string_view body = {}) = 0;
  // 1 after Open, 4 once the exchange has ended (completed or failed). Never busy-waits: it may
  // block up to TransferLimits::readyStateWait for network activity before answering.
  virtual base::Result<int> readyState() = 0;
  // The body bytes, unconverted. Fails while the request is not complete or when it broke.
  virtual base::Result<std::vector<std::uint8_t>> responseBody() = 0;
};

class HttpSession {
 public:
  virtual ~HttpSession() = default;
  // progId names the component, case-insensitively: "msxml2.xmlhttp". Any other name fails.
  virtual base::Result<std::unique_ptr<HttpRequest>> CreateObject(std::u16string_view progId) = 0;
};

// The platform's session: libcurl on POSIX, WinINet on Windows.
std::unique_ptr<HttpSession> OpenHttpSession(const TransferLimits& limits = {});

}  // namespace web
