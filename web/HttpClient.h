// A client for many GET requests at once, for services that answer in status codes and headers
// (RDAP registries, the bootstrap file): it runs transfers concurrently on the caller's thread,
// keeps at most a given number in flight per host, reuses connections (HTTP/2 where a server
// offers it), follows a few redirects (never from https to http) and always verifies
// certificates. A failed exchange keeps its kind (base::FailureKind). It does not retry,
// pace or interpret answers: callers decide what a status means. It keeps no cookies.
//
// This sits beside HttpSession, which mirrors the browser component the window was built
// around and reads neither status codes nor headers.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Result.h"

namespace web {

struct ClientOptions {
  // "brelka-cli/8.0 (+https://...)": services identify their clients by it.
  std::string userAgent = "brelka";
  // Requests in flight to one host (scheme, name and port); the rest wait their turn.
  std::size_t perHost = 4;
  std::chrono::milliseconds connectTimeout{10'000};
  // The whole exchange, redirects included.
  std::chrono::milliseconds requestTimeout{30'000};
  std::size_t maxBodyBytes = 4u << 20;
  // The response's header lines together, so that endless headers cannot grow memory either.
  std::size_t maxHeaderBytes = 256u << 10;
  int maxRedirects = 5;
  // The proxy every request goes through ("http://host:port", "https://...", "socks5h://..."
  // with libcurl; "http://" only with WinHTTP); "" for none at all. Not given: the
  // environment's proxy variables (https_proxy, http_proxy, all_proxy, no_proxy) on Linux, the
  // user's proxy settings on Windows.
  std::optional<std::string> proxy;
};

struct Get {
  std::string url;
  // Extra header lines as name and value, e.g. {"Accept", "application/rdap+json"}.
  std::vector<std::pair<std::string, std::string>> headers;
};

struct Reply {
  // Empty when a response arrived (of any status); otherwise why the exchange failed.
  std::optional<base::Failure> failure;
  int status = 0;
  // The address that gave the final response, after any redirects.
  std::string url;
  // The final response's headers, names lower-cased, in the order received.
  std::vector<std::pair<std::string, std::string>> headers;
  std::string body;

  bool ok() const { return !failure; }
  // The first value of a header (name in lower case), "" when absent.
  std::string Header(std::string_view name) const;
};

class HttpClient {
 public:
  using Done = std::function<void(Reply)>;

  virtual ~HttpClient() = default;

  // Queues a GET; done is called from a later Run() on the caller's thread, exactly once,
  // unless the client is destroyed first.
  virtual void Start(Get request, Done done) = 0;
  // Moves transfers on and calls done for those that ended. Returns when at least one has
  // ended, when the deadline passes, or when Wake() is called, whichever comes first; at once
  // when nothing is queued or in flight.
  virtual void Run(std::chrono::steady_clock::time_point deadline) = 0;
  // Requests queued or in flight.
  virtual std::size_t Pending() const = 0;
  // Ends a Run() that is waiting, from any thread.
  virtual void Wake() = 0;
};

// The platform's client: libcurl's multi interface on POSIX, WinHTTP on Windows.
std::unique_ptr<HttpClient> OpenHttpClient(const ClientOptions& options);

// One request, run on the caller's thread until it has ended, within the client's time-outs;
// a stop ends it at once as Cancelled.
Reply FetchOne(HttpClient& client, Get request, std::stop_token stop);

// A response header line ("Name: value", without or with its line break) added to the reply,
// the name lower-cased and the value trimmed; a line without a name is left out.
void AddHeaderLine(std::string_view line, Reply& reply);

// The same failure from both backends for an answer over the caps of ClientOptions.
base::Failure BodyTooLarge(std::size_t cap);
base::Failure HeadersTooLarge(std::size_t cap);

// Ok where this platform's client has every safeguard it relies on; otherwise why not (a libcurl
// too old to restrict protocols), for a program to say at start.
base::Status CheckHttpClientSupport();

// The host part of an http or https address ("https://Rdap.Example:8443/x" -> "rdap.example:8443"),
// by which requests are counted against ClientOptions::perHost; "" when there is none.
std::string HostOf(std::string_view url);

}  // namespace web
