#include "sim/SocketConnection.h"

#include <algorithm>
#include <cstring>

#include "sim/Sockets.h"

namespace sim {
namespace {

thread_local SocketConnection* tConnection = nullptr;

void AddressOf(const sockaddr_storage& address, std::string& ip, int& port) {
  char text[INET6_ADDRSTRLEN] = {};
  if (address.ss_family == AF_INET) {
    const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
    (void)inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
    port = ntohs(v4.sin_port);
  } else if (address.ss_family == AF_INET6) {
    const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
    (void)inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
    port = ntohs(v6.sin6_port);
  }
  ip = text;
}

}  // namespace

SocketConnection::SocketConnection(socket_t sock, socket_t stop,
                                   std::chrono::milliseconds ioTimeout)
    : sock_(sock), stop_(stop), ioTimeout_(ioTimeout) {}

bool SocketConnection::WaitFor(short events, std::chrono::milliseconds timeout) const {
  web::PollEntry entries[2] = {};
  entries[0].fd = sock_;
  entries[0].events = events;
  entries[1].fd = stop_;
  entries[1].events = POLLIN;
  const auto ms = std::clamp<long long>(timeout.count(), 0, 24 * 3600 * 1000);
  if (web::PollSockets(entries, 2, static_cast<int>(ms)) <= 0 || entries[1].revents != 0) {
    return false;
  }
  // A hang-up or error also counts as ready: the next read or write then reports it.
  return entries[0].revents != 0;
}

void SocketConnection::Reset() {
  web::SetResetOnClose(sock_);
  reset_ = true;
  dropped_ = true;
}

bool SocketConnection::WaitForRequest(std::chrono::milliseconds idleTimeout) const {
  return begin_ < end_ || WaitFor(POLLIN, idleTimeout);
}

bool SocketConnection::is_readable() const {
  return begin_ < end_ || WaitFor(POLLIN, ioTimeout_);
}

bool SocketConnection::is_writable() const {
  return !dropped_ && WaitFor(POLLOUT, ioTimeout_);
}

ssize_t SocketConnection::read(char* ptr, size_t size) {
  if (begin_ == end_) {
    if (!WaitFor(POLLIN, ioTimeout_)) return -1;
    const long n = web::ReceiveSome(sock_, buffer_.data(), buffer_.size());
    if (n <= 0) return n;
    begin_ = 0;
    end_ = static_cast<size_t>(n);
  }
  const size_t n = std::min(size, end_ - begin_);
  std::memcpy(ptr, buffer_.data() + begin_, n);
  begin_ += n;
  return static_cast<ssize_t>(n);
}

ssize_t SocketConnection::write(const char* ptr, size_t size) {
  if (dropped_ || !WaitFor(POLLOUT, ioTimeout_)) return -1;
  return web::SendSome(sock_, ptr, size);
}

void SocketConnection::get_remote_ip_and_port(std::string& ip, int& port) const {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (::getpeername(sock_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    AddressOf(address, ip, port);
  }
}

void SocketConnection::get_local_ip_and_port(std::string& ip, int& port) const {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (::getsockname(sock_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    AddressOf(address, ip, port);
  }
}

SocketConnection* ConnectionServer::Current() {
  return tConnection;
}

bool ConnectionServer::process_and_close_socket(socket_t sock) {
  SocketConnection connection(sock, stop_, ioTimeout_);
  tConnection = &connection;
  bool ok = true;
  const std::chrono::milliseconds idle = std::chrono::seconds(keep_alive_timeout_sec_);
  for (size_t left = keep_alive_max_count_; left > 0 && ok; --left) {
    if (!connection.WaitForRequest(left == keep_alive_max_count_ ? ioTimeout_ : idle)) break;
    bool closed = false;
    ok =
        process_request(connection, left == 1, closed, nullptr) && !closed && !connection.Dropped();
  }
  tConnection = nullptr;
  // An orderly shutdown would send the end of the stream ahead of the reset.
  web::CloseSocket(sock, connection.WasReset());
  return ok;
}

}  // namespace sim
