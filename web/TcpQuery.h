// One question over a plain TCP connection, as WHOIS asks (RFC 3912): connect, send the query,
// read until the server closes (or the caller knows the answer is whole); and one over UDP, as
// DNS asks. Every wait is bounded: the connection, the whole answer, its size. A failure has
// the kinds of the HTTP client (dns, connect, timeout, too-large, cancelled). It knows nothing
// of what the bytes mean.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <stop_token>
#include <string>
#include <string_view>

#include "base/Result.h"

namespace web {

struct TcpLimits {
  std::chrono::milliseconds connect{10'000};
  std::chrono::milliseconds whole{30'000};  // from the start to the server's close
  std::size_t maxBytes = 256 * 1024;
  // For protocols whose server keeps the connection open (DNS over TCP): true once the bytes
  // so far are the whole answer, which then ends the wait without the server's close.
  std::function<bool(std::string_view)> complete;
  // The query is one line of ASCII text, refused otherwise (WHOIS); false for a binary one.
  bool textLine = true;
};

struct HostPort {
  std::string host;
  int port = 0;
};

// The server's whole answer, by way of a SOCKS5 proxy (RFC 1928, no authentication; the proxy
// resolves the host) when one is given. A stop ends the wait within a quarter of a second.
base::Result<std::string> AskOverTcp(std::string_view host, int port, std::string_view query,
                               const TcpLimits& limits = {}, std::stop_token stop = {},
                               const HostPort* socks = nullptr);

// One datagram to a numeric address (IPv4 or IPv6) and the first datagram back that `isAnswer`
// accepts (others, late answers to earlier questions, are passed over), within `wait`.
base::Result<std::string> AskOverUdp(std::string_view address, int port, std::string_view query,
                               std::chrono::milliseconds wait, std::stop_token stop,
                               const std::function<bool(std::string_view)>& isAnswer);

// "host", "host:port" or "[v6]:port" into its parts; the port is `fallback` when not given.
// Fails on an empty host or a port outside 1-65535, saying what is wrong without repeating the
// text (the caller quotes it as it shows it).
base::Result<HostPort> ParseHostPort(std::string_view text, int fallback);

}  // namespace web
