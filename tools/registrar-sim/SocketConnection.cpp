#include "tools/registrar-sim/SocketConnection.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace sim {
namespace {

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

SocketConnection::SocketConnection(int sock, int stopFd, std::chrono::milliseconds ioTimeout)
    : sock_(sock), stopFd_(stopFd), ioTimeout_(ioTimeout) {}

bool SocketConnection::WaitFor(short events, std::chrono::milliseconds timeout) const {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    pollfd fds[2] = {{sock_, events, 0}, {stopFd_, POLLIN, 0}};
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    const int ready = ::poll(fds, 2, static_cast<int>(std::max<long long>(0, left.count())));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0 || fds[1].revents != 0) return false;
    // A hang-up or error also counts as ready: the next read or write then reports it.
    return fds[0].revents != 0;
  }
}

void SocketConnection::Reset() {
  // A zero linger time makes close() abort the connection with a reset.
  const linger abort{1, 0};
  (void)::setsockopt(sock_, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
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
    ssize_t n;
    do {
      n = ::recv(sock_, buffer_.data(), buffer_.size(), 0);
    } while (n < 0 && errno == EINTR);
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
  ssize_t n;
  do {
    n = ::send(sock_, ptr, size, MSG_NOSIGNAL);
  } while (n < 0 && errno == EINTR);
  return n;
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

}  // namespace sim
