#include "sim/ProxySim.h"

#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>

#include "sim/AsciiCase.h"
#include "sim/Sockets.h"

namespace sim {
namespace {

struct Target {
  std::string host;
  std::uint16_t port = 0;
};

std::optional<Target> ParseTarget(const std::string& hostPort) {
  const std::size_t colon = hostPort.rfind(':');
  if (colon == std::string::npos || colon == 0) return std::nullopt;
  try {
    const int port = std::stoi(hostPort.substr(colon + 1));
    if (port < 1 || port > 65535) return std::nullopt;
    return Target{hostPort.substr(0, colon), static_cast<std::uint16_t>(port)};
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

socket_t Dial(const Target& target) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(target.host.c_str(), std::to_string(target.port).c_str(), &hints, &found) != 0) {
    return INVALID_SOCKET;
  }
  socket_t sock = web::OpenTcpSocket(AF_INET);
  if (sock != INVALID_SOCKET &&
      ::connect(sock, found->ai_addr, static_cast<int>(found->ai_addrlen)) != 0) {
    web::CloseSocket(sock, true);
    sock = INVALID_SOCKET;
  }
  freeaddrinfo(found);
  return sock;
}

bool SendAll(socket_t sock, const std::string& bytes) {
  for (std::size_t sent = 0; sent < bytes.size();) {
    const long wrote = web::SendSome(sock, bytes.data() + sent, bytes.size() - sent);
    if (wrote <= 0) return false;
    sent += static_cast<std::size_t>(wrote);
  }
  return true;
}

// A connection to "host:port" for an HTTP client, which is told 502 when there is none.
socket_t DialFor(socket_t client, const std::string& hostPort) {
  const std::optional<Target> target = ParseTarget(hostPort);
  const socket_t upstream = target ? Dial(*target) : INVALID_SOCKET;
  if (upstream == INVALID_SOCKET) {
    SendAll(client, "HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\n\r\n");
  }
  return upstream;
}

}  // namespace

struct ProxySim::Impl {
  web::StopSignal stop;
  socket_t listener = INVALID_SOCKET;
  std::uint16_t port = 0;
  mutable std::mutex mutex;
  std::vector<std::string> passed;
  bool refuse = false;
  std::vector<std::thread> threads;

  void Listen();
  void Serve(socket_t client);
  // Reads at least `want` bytes more into `buffer`; false when the client goes quiet or away.
  bool Read(socket_t sock, std::string& buffer, std::size_t want);
  void Relay(socket_t a, socket_t b);
  void ServeSocks(socket_t client, std::string buffer);
  void ServeHttp(socket_t client, std::string buffer);
  void Note(const std::string& what) {
    std::lock_guard lock(mutex);
    passed.push_back(what);
  }
  bool Refusing() const {
    std::lock_guard lock(mutex);
    return refuse;
  }
};

bool ProxySim::Impl::Read(socket_t sock, std::string& buffer, std::size_t want) {
  const std::size_t goal = buffer.size() + want;
  char chunk[4096];
  while (buffer.size() < goal) {
    web::PollEntry entries[2] = {{stop.Handle(), POLLIN, 0}, {sock, POLLIN, 0}};
    if (web::PollSockets(entries, 2, kReadTimeoutMs) <= 0 || entries[0].revents != 0) return false;
    const long got = web::ReceiveSome(sock, chunk, sizeof chunk);
    if (got <= 0) return false;
    buffer.append(chunk, static_cast<std::size_t>(got));
  }
  return true;
}

void ProxySim::Impl::Relay(socket_t a, socket_t b) {
  char chunk[16384];
  for (;;) {
    web::PollEntry entries[3] = {{stop.Handle(), POLLIN, 0}, {a, POLLIN, 0}, {b, POLLIN, 0}};
    if (web::PollSockets(entries, 3, -1) <= 0 || entries[0].revents != 0) return;
    for (int side = 1; side <= 2; ++side) {
      if (entries[side].revents == 0) continue;
      const socket_t from = side == 1 ? a : b;
      const socket_t to = side == 1 ? b : a;
      const long got = web::ReceiveSome(from, chunk, sizeof chunk);
      if (got <= 0 || !SendAll(to, std::string(chunk, static_cast<std::size_t>(got)))) return;
    }
  }
}

// RFC 1928: no authentication; CONNECT to a name or an IPv4 address.
void ProxySim::Impl::ServeSocks(socket_t client, std::string buffer) {
  if (!Read(client, buffer, 2 - std::min<std::size_t>(buffer.size(), 2))) return;
  const std::size_t methods = static_cast<unsigned char>(buffer[1]);
  if (!Read(client, buffer, 2 + methods > buffer.size() ? 2 + methods - buffer.size() : 0)) return;
  buffer.erase(0, 2 + methods);
  if (!SendAll(client, std::string("\x05\x00", 2))) return;
  if (!Read(client, buffer, buffer.size() < 5 ? 5 - buffer.size() : 0)) return;
  const unsigned char type = static_cast<unsigned char>(buffer[3]);
  const std::size_t length = type == 3   ? 5 + static_cast<unsigned char>(buffer[4]) + 2
                             : type == 1 ? 4 + 4 + 2
                                         : 0;
  if (length == 0 || buffer[1] != 1) return;
  if (!Read(client, buffer, buffer.size() < length ? length - buffer.size() : 0)) return;
  Target target;
  if (type == 3) {
    target.host = buffer.substr(5, static_cast<unsigned char>(buffer[4]));
  } else {
    target.host = std::to_string(static_cast<unsigned char>(buffer[4])) + "." +
                  std::to_string(static_cast<unsigned char>(buffer[5])) + "." +
                  std::to_string(static_cast<unsigned char>(buffer[6])) + "." +
                  std::to_string(static_cast<unsigned char>(buffer[7]));
  }
  target.port = static_cast<std::uint16_t>(static_cast<unsigned char>(buffer[length - 2]) << 8 |
                                           static_cast<unsigned char>(buffer[length - 1]));
  const std::string rest = buffer.substr(length);
  const socket_t upstream = Refusing() ? INVALID_SOCKET : Dial(target);
  // Reply: succeeded (0) or connection not allowed (2), bound to 0.0.0.0:0.
  std::string reply("\x05\x00\x00\x01\x00\x00\x00\x00\x00\x00", 10);
  if (upstream == INVALID_SOCKET) reply[1] = 2;
  if (!SendAll(client, reply) || upstream == INVALID_SOCKET) return;
  Note("socks " + target.host + ":" + std::to_string(target.port));
  if (rest.empty() || SendAll(upstream, rest)) Relay(client, upstream);
  web::CloseSocket(upstream);
}

void ProxySim::Impl::ServeHttp(socket_t client, std::string buffer) {
  while (buffer.find("\r\n\r\n") == std::string::npos) {
    if (buffer.size() > 65536 || !Read(client, buffer, 1)) return;
  }
  const std::size_t headEnd = buffer.find("\r\n\r\n") + 4;
  const std::size_t lineEnd = buffer.find("\r\n");
  const std::string line = buffer.substr(0, lineEnd);
  const std::size_t space = line.find(' ');
  const std::size_t lastSpace = line.rfind(' ');
  if (space == std::string::npos || lastSpace <= space) return;
  const std::string method = line.substr(0, space);
  const std::string uri = line.substr(space + 1, lastSpace - space - 1);
  if (Refusing()) {
    SendAll(client, "HTTP/1.1 403 Forbidden\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    return;
  }
  if (method == "CONNECT") {
    const socket_t upstream = DialFor(client, uri);
    if (upstream == INVALID_SOCKET) return;
    Note("connect " + uri);
    if (SendAll(client, "HTTP/1.1 200 Connection established\r\n\r\n")) {
      const std::string rest = buffer.substr(headEnd);
      if (rest.empty() || SendAll(upstream, rest)) Relay(client, upstream);
    }
    web::CloseSocket(upstream);
    return;
  }
  // Absolute form: the request goes on in origin form, one per connection. A client that sends
  // the origin form to a proxy names its target in the Host header.
  std::string hostPort;
  std::string path;
  if (Lower(uri).starts_with("http://")) {
    const std::size_t pathStart = uri.find('/', 7);
    hostPort = uri.substr(7, pathStart == std::string::npos ? std::string::npos : pathStart - 7);
    path = pathStart == std::string::npos ? "/" : uri.substr(pathStart);
  } else if (uri.starts_with("/")) {
    const std::size_t host = Lower(buffer).find("\r\nhost:");
    if (host == std::string::npos || host > headEnd) return;
    const std::size_t end = buffer.find("\r\n", host + 2);
    hostPort = buffer.substr(host + 8, end - host - 8);
    hostPort.erase(0, hostPort.find_first_not_of(' '));
    path = uri;
  } else {
    return;
  }
  const socket_t upstream = DialFor(client, hostPort);
  if (upstream == INVALID_SOCKET) return;
  Note("http " + hostPort);
  std::string head = method + " " + path + line.substr(lastSpace) + "\r\nConnection: close\r\n";
  for (std::size_t at = lineEnd + 2; at + 2 < headEnd;) {
    const std::size_t end = buffer.find("\r\n", at);
    const std::string header = buffer.substr(at, end - at);
    const std::string name = Lower(header.substr(0, header.find(':')));
    if (name != "connection" && name != "proxy-connection" && name != "keep-alive") {
      head += header + "\r\n";
    }
    at = end + 2;
  }
  if (SendAll(upstream, head + "\r\n" + buffer.substr(headEnd))) Relay(client, upstream);
  web::CloseSocket(upstream);
}

void ProxySim::Impl::Serve(socket_t client) {
  std::string buffer;
  if (Read(client, buffer, 1)) {
    if (buffer[0] == '\x05') {
      ServeSocks(client, std::move(buffer));
    } else {
      ServeHttp(client, std::move(buffer));
    }
  }
  web::CloseSocket(client);
}

void ProxySim::Impl::Listen() {
  for (;;) {
    web::PollEntry entries[2] = {{stop.Handle(), POLLIN, 0}, {listener, POLLIN, 0}};
    if (web::PollSockets(entries, 2, -1) < 0 || entries[0].revents != 0) return;
    if (entries[1].revents == 0) continue;
    const socket_t client = ::accept(listener, nullptr, nullptr);
    if (client == INVALID_SOCKET) continue;
    std::lock_guard lock(mutex);
    threads.emplace_back([this, client] { Serve(client); });
  }
}

ProxySim::ProxySim() : impl_(std::make_unique<Impl>()) {
  impl_->listener = OpenLoopbackTcp(impl_->port);
  if (impl_->listener == INVALID_SOCKET) throw std::runtime_error("cannot listen on 127.0.0.1");
  std::lock_guard lock(impl_->mutex);
  impl_->threads.emplace_back([this] { impl_->Listen(); });
}

ProxySim::~ProxySim() {
  impl_->stop.Fire();
  // The listener may add a thread until it sees the signal: join until none is left.
  for (;;) {
    std::vector<std::thread> threads;
    {
      std::lock_guard lock(impl_->mutex);
      threads.swap(impl_->threads);
    }
    if (threads.empty()) break;
    for (std::thread& thread : threads) thread.join();
  }
  web::CloseSocket(impl_->listener, true);
}

std::string ProxySim::Address() const {
  return "127.0.0.1:" + std::to_string(impl_->port);
}

std::vector<std::string> ProxySim::Passed() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->passed;
}

void ProxySim::Refuse() {
  std::lock_guard lock(impl_->mutex);
  impl_->refuse = true;
}

}  // namespace sim
