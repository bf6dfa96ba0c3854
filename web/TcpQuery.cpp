#include "web/TcpQuery.h"

#include <algorithm>
#include <charconv>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "web/RequestCheck.h"

#include "web/Sockets.h"

#ifndef _WIN32
#include <netdb.h>
#endif

namespace web {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kStopCheck{250};

struct Socket {
  SocketHandle handle = kNoSocket;
  ~Socket() {
    if (handle != kNoSocket) CloseSocket(handle);
  }
};

enum class Waited { Ready, TimedOut, Stopped, Failed };

// Waits in steps of at most kStopCheck (`waitOnce(ms)`, > 0 when ready) until ready, the
// deadline or a stop.
template <class WaitOnce>
Waited WaitUntil(Clock::time_point deadline, const std::stop_token& stop, WaitOnce waitOnce) {
  for (;;) {
    if (stop.stop_requested()) return Waited::Stopped;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return Waited::TimedOut;
    const int ready = waitOnce(static_cast<int>(std::min(left, kStopCheck).count()));
    if (ready > 0) return Waited::Ready;
    if (ready < 0 && !WouldBlock()) return Waited::Failed;
  }
}

// Waits for the socket to become readable or writable, until the deadline or a stop.
Waited WaitUntil(SocketHandle handle, short events, Clock::time_point deadline,
                 const std::stop_token& stop) {
  return WaitUntil(deadline, stop, [&](int ms) {
    PollEntry entry{};
    entry.fd = handle;
    entry.events = events;
    return PollSockets(&entry, 1, ms);
  });
}

base::Failure Failed(std::string message, base::FailureKind kind) {
  return base::Failure{std::move(message), kind};
}

// freeaddrinfo is stdcall on 32-bit Windows, so it goes through a deleter of our own.
struct FreeAddresses {
  void operator()(addrinfo* list) const { freeaddrinfo(list); }
};
using Addresses = std::unique_ptr<addrinfo, FreeAddresses>;

// The host's addresses. getaddrinfo cannot be interrupted, so a name is looked up on a thread
// of its own, which a stop or the deadline leaves behind to finish (and free what it found)
// alone.
base::Result<Addresses> Resolve(const std::string& host, const std::string& service,
                                Clock::time_point deadline, const std::stop_token& stop) {
  // An address needs no look-up and no thread.
  addrinfo numeric{};
  numeric.ai_family = AF_UNSPEC;
  numeric.ai_socktype = SOCK_STREAM;
  numeric.ai_flags = AI_NUMERICHOST;
  if (addrinfo* found = nullptr;
      getaddrinfo(host.c_str(), service.c_str(), &numeric, &found) == 0 && found) {
    return Addresses(found);
  }
  struct Shared {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool abandoned = false;
    addrinfo* found = nullptr;
  };
  auto shared = std::make_shared<Shared>();
  std::thread([shared, host, service] {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), service.c_str(), &hints, &found) != 0) found = nullptr;
    Addresses owned(found);
    std::lock_guard lock(shared->mutex);
    if (shared->abandoned) return;
    shared->found = owned.release();
    shared->finished = true;
    shared->done.notify_all();
  }).detach();
  std::unique_lock lock(shared->mutex);
  while (!shared->finished) {
    const auto now = Clock::now();
    if (stop.stop_requested() || now >= deadline) {
      shared->abandoned = true;
      if (stop.stop_requested()) return Failed("stopped", base::FailureKind::Cancelled);
      return Failed("cannot resolve " + host + " in time", base::FailureKind::Dns);
    }
    shared->done.wait_until(lock, std::min(deadline, now + kStopCheck));
  }
  if (!shared->found) return Failed("cannot resolve " + host, base::FailureKind::Dns);
  return Addresses(shared->found);
}

// A connection to one of the host's addresses, within the connect limit. Each address in turn
// gets its share of the time left, so an address that never answers (an IPv6 route that goes
// nowhere) leaves time for the next.
base::Result<std::unique_ptr<Socket>> Connect(const std::string& host, int port,
                                              const TcpLimits& limits,
                                              const std::stop_token& stop) {
  const auto deadline = Clock::now() + limits.connect;
  const std::string service = std::to_string(port);
  auto resolved = Resolve(host, service, deadline, stop);
  if (!resolved) return resolved.failure();
  const addrinfo* found = resolved.value().get();
  std::size_t left = 0;
  for (const addrinfo* address = found; address; address = address->ai_next) ++left;
  bool timedOut = false;
  for (const addrinfo* address = found; address; address = address->ai_next, --left) {
    auto socket = std::make_unique<Socket>();
    socket->handle = OpenTcpSocket(address->ai_family);
    if (socket->handle == kNoSocket || !SetNonBlocking(socket->handle)) continue;
    if (connect(socket->handle, address->ai_addr, static_cast<int>(address->ai_addrlen)) == 0) {
      return socket;
    }
    if (!ConnectPending()) continue;
    const auto share = (deadline - Clock::now()) / static_cast<int>(left);
    const Waited waited = WaitUntil(Clock::now() + share, stop,
                                    [&](int ms) { return WaitConnected(socket->handle, ms); });
    if (waited == Waited::Stopped) return Failed("stopped", base::FailureKind::Cancelled);
    timedOut = waited == Waited::TimedOut;
    if (timedOut) continue;
    int error = 0;
    socklen_t size = sizeof error;
    if (getsockopt(socket->handle, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) ==
            0 &&
        error == 0) {
      return socket;
    }
  }
  const std::string where = host + " port " + service;
  if (timedOut) {
    return Failed("no connection to " + where + " within " +
                      std::to_string(limits.connect.count() / 1000) + " s",
                  base::FailureKind::Timeout);
  }
  return Failed("cannot connect to " + where, base::FailureKind::Connect);
}

base::Failure Late(const TcpLimits& limits) {
  return Failed("no whole answer within " + std::to_string(limits.whole.count() / 1000) + " s",
                base::FailureKind::Timeout);
}

base::Status SendAll(SocketHandle handle, std::string_view bytes, Clock::time_point deadline,
                     const TcpLimits& limits, const std::stop_token& stop) {
  for (std::size_t sent = 0; sent < bytes.size();) {
    const Waited waited = WaitUntil(handle, POLLOUT, deadline, stop);
    if (waited == Waited::Stopped) return Failed("stopped", base::FailureKind::Cancelled);
    if (waited == Waited::TimedOut) return Late(limits);
    const long wrote = SendSome(handle, bytes.data() + sent, bytes.size() - sent);
    if (wrote < 0 && WouldBlock()) continue;
    if (wrote <= 0) return Failed("the server closed the connection", base::FailureKind::Connect);
    sent += static_cast<std::size_t>(wrote);
  }
  return base::Ok();
}

// Exactly `size` bytes, for the proxy's replies.
base::Result<std::string> ReceiveExactly(SocketHandle handle, std::size_t size,
                                         Clock::time_point deadline, const TcpLimits& limits,
                                         const std::stop_token& stop) {
  std::string bytes;
  char buffer[256];
  while (bytes.size() < size) {
    const Waited waited = WaitUntil(handle, POLLIN, deadline, stop);
    if (waited == Waited::Stopped) return Failed("stopped", base::FailureKind::Cancelled);
    if (waited == Waited::TimedOut) return Late(limits);
    const long got = ReceiveSome(handle, buffer, std::min(sizeof buffer, size - bytes.size()));
    if (got < 0 && WouldBlock()) continue;
    if (got <= 0) return Failed("the proxy closed the connection", base::FailureKind::Connect);
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  return bytes;
}

// RFC 1928: no authentication, then CONNECT to the host by name, which the proxy resolves.
base::Status ThroughSocks(SocketHandle handle, const std::string& host, int port,
                          Clock::time_point deadline, const TcpLimits& limits,
                          const std::stop_token& stop) {
  if (host.size() > 255)
    return Failed("a host name too long for SOCKS", base::FailureKind::Request);
  const auto refused = [](const std::string& why) {
    return Failed("the SOCKS proxy " + why, base::FailureKind::Connect);
  };
  if (base::Status sent = SendAll(handle, std::string("\x05\x01\x00", 3), deadline, limits, stop);
      !sent) {
    return sent;
  }
  auto chosen = ReceiveExactly(handle, 2, deadline, limits, stop);
  if (!chosen) return chosen.failure();
  if (chosen.value() != std::string("\x05\x00", 2)) return refused("wants an authentication");
  std::string request("\x05\x01\x00\x03", 4);
  request += static_cast<char>(host.size());
  request += host;
  request += static_cast<char>(port >> 8);
  request += static_cast<char>(port & 0xff);
  if (base::Status sent = SendAll(handle, request, deadline, limits, stop); !sent) return sent;
  auto reply = ReceiveExactly(handle, 5, deadline, limits, stop);
  if (!reply) return reply.failure();
  const std::string& head = reply.value();
  if (head[0] != 5) return refused("answered in another protocol");
  if (head[1] != 0) {
    return refused("refused the connection to " + host + " (reply " +
                   std::to_string(static_cast<unsigned char>(head[1])) + ")");
  }
  // The rest of the bound address: IPv4, a name of head[4] bytes, or IPv6; then the port.
  const std::size_t rest = head[3] == 1   ? 3 + 2
                           : head[3] == 4 ? 15 + 2
                           : head[3] == 3 ? static_cast<unsigned char>(head[4]) + 2
                                          : 0;
  if (rest == 0) return refused("answered in another protocol");
  auto bound = ReceiveExactly(handle, rest, deadline, limits, stop);
  return bound ? base::Ok() : base::Status(bound.failure());
}

}  // namespace

base::Result<std::string> AskOverTcp(std::string_view host, int port, std::string_view query,
                                     const TcpLimits& limits, std::stop_token stop,
                                     const HostPort* socks) {
  if (!StartSockets()) return Failed("the system's sockets cannot start", base::FailureKind::Other);
  if (base::Status line = limits.textLine ? CheckQueryLine(query) : base::Ok(); !line)
    return line.failure();
  const auto deadline = Clock::now() + limits.whole;
  const std::string name(host);
  auto connected =
      socks ? Connect(socks->host, socks->port, limits, stop) : Connect(name, port, limits, stop);
  if (!connected) {
    if (!socks) return connected.failure();
    return Failed("the SOCKS proxy: " + connected.error(), connected.failure().kind);
  }
  const SocketHandle handle = connected.value()->handle;
  if (socks) {
    if (base::Status tunnel = ThroughSocks(handle, name, port, deadline, limits, stop); !tunnel) {
      return tunnel.failure();
    }
  }
  if (base::Status sent = SendAll(handle, query, deadline, limits, stop); !sent)
    return sent.failure();

  std::string answer;
  char buffer[16 * 1024];
  for (;;) {
    const Waited waited = WaitUntil(handle, POLLIN, deadline, stop);
    if (waited == Waited::Stopped) return Failed("stopped", base::FailureKind::Cancelled);
    if (waited == Waited::TimedOut) return Late(limits);
    const long got = ReceiveSome(handle, buffer, sizeof buffer);
    if (got == 0 && answer.empty()) {
      return Failed("the server closed the connection without an answer",
                    base::FailureKind::Connect);
    }
    if (got == 0) return answer;
    if (got < 0) {
      if (WouldBlock()) continue;
      // Nothing tells a reset after the whole answer from one in its middle, and a cut answer
      // may lack the very lines that make it a record.
      return Failed(answer.empty() ? "the connection broke" : "the connection broke mid-answer",
                    base::FailureKind::Connect);
    }
    answer.append(buffer, static_cast<std::size_t>(got));
    if (answer.size() > limits.maxBytes) {
      return Failed("an answer larger than " + std::to_string(limits.maxBytes) + " bytes",
                    base::FailureKind::TooLarge);
    }
    if (limits.complete && limits.complete(answer)) return answer;
  }
}

base::Result<std::string> AskOverUdp(std::string_view address, int port, std::string_view query,
                                     std::chrono::milliseconds wait, std::stop_token stop,
                                     const std::function<bool(std::string_view)>& isAnswer) {
  if (!StartSockets())
    return Failed("cannot start the sockets library", base::FailureKind::Connect);
  const std::string host(address);
  addrinfo hints{};
  hints.ai_socktype = SOCK_DGRAM;
  hints.ai_flags = AI_NUMERICHOST;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || !found) {
    return Failed("not a numeric address: " + host, base::FailureKind::Dns);
  }
  const Addresses owned(found);
  Socket socket;
  socket.handle = OpenUdpSocket(found->ai_family);
  // A connected socket receives only that server's datagrams.
  if (socket.handle == kNoSocket || !SetNonBlocking(socket.handle) ||
      connect(socket.handle, found->ai_addr, static_cast<int>(found->ai_addrlen)) != 0) {
    return Failed("cannot open a UDP socket to " + host, base::FailureKind::Connect);
  }
  if (SendSome(socket.handle, query.data(), query.size()) != static_cast<long>(query.size())) {
    return Failed("cannot send to " + host, base::FailureKind::Connect);
  }
  const auto deadline = Clock::now() + wait;
  std::string buffer(65536, '\0');  // the largest datagram
  for (;;) {
    const Waited waited = WaitUntil(socket.handle, POLLIN, deadline, stop);
    if (waited == Waited::Stopped) return Failed("stopped", base::FailureKind::Cancelled);
    if (waited == Waited::TimedOut) {
      return Failed("no answer from " + host + " within " + std::to_string(wait.count()) + " ms",
                    base::FailureKind::Timeout);
    }
    const long got = ReceiveSome(socket.handle, buffer.data(), buffer.size());
    if (got < 0 && WouldBlock()) continue;
    // A port that refuses shows as an error on a connected socket.
    if (got < 0 || waited == Waited::Failed) {
      return Failed(host + " refused the datagram", base::FailureKind::Connect);
    }
    const std::string_view datagram(buffer.data(), static_cast<std::size_t>(got));
    if (isAnswer(datagram)) return std::string(datagram);
  }
}

base::Result<HostPort> ParseHostPort(std::string_view text, int fallback) {
  HostPort parsed;
  parsed.port = fallback;
  std::string_view host = text;
  std::string_view port;
  if (!text.empty() && text.front() == '[') {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) return base::Failure{"an IPv6 address lacks its ']'"};
    host = text.substr(1, close - 1);
    const std::string_view rest = text.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return base::Failure{"not HOST:PORT"};
      port = rest.substr(1);
      if (port.empty()) return base::Failure{"no port after ':'"};
    }
  } else if (text.find(':') != text.rfind(':')) {
    host = text;  // an IPv6 address, which takes its port only in brackets
  } else if (const std::size_t colon = text.rfind(':'); colon != std::string_view::npos) {
    host = text.substr(0, colon);
    port = text.substr(colon + 1);
    if (port.empty()) return base::Failure{"no port after ':'"};
  }
  if (host.empty()) return base::Failure{"no host"};
  if (!port.empty()) {
    int value = 0;
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (error != std::errc() || end != port.data() + port.size() || value < 1 || value > 65535 ||
        port.front() == '+') {
      return base::Failure{"the port is not a number from 1 to 65535"};
    }
    parsed.port = value;
  }
  parsed.host = std::string(host);
  return parsed;
}

}  // namespace web
