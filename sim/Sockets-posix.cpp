#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "sim/Sockets.h"

namespace sim {

int PollSockets(PollEntry* entries, unsigned count, int timeoutMs) {
  for (;;) {
    const int ready = ::poll(entries, count, timeoutMs);
    if (ready >= 0 || errno != EINTR) return ready;
  }
}

void CloseSocket(socket_t sock, bool reset) {
  if (!reset) ::shutdown(sock, SHUT_RDWR);
  ::close(sock);
}

void SetResetOnClose(socket_t sock) {
  // A zero linger time makes close() abort the connection with a reset.
  const linger abort{1, 0};
  (void)::setsockopt(sock, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
}

long SendSome(socket_t sock, const char* data, std::size_t size) {
  ssize_t n;
  do {
    n = ::send(sock, data, size, MSG_NOSIGNAL);
  } while (n < 0 && errno == EINTR);
  return n;
}

long ReceiveSome(socket_t sock, char* data, std::size_t size) {
  ssize_t n;
  do {
    n = ::recv(sock, data, size, 0);
  } while (n < 0 && errno == EINTR);
  return n;
}

void SetServerSocketOptions(socket_t sock) {
  const int yes = 1;
  (void)::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  (void)::setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
}

socket_t OpenUdpSocket(int family) {
  const socket_t sock = ::socket(family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  return sock < 0 ? INVALID_SOCKET : sock;
}

socket_t OpenTcpSocket(int family) {
  const socket_t sock = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
  return sock < 0 ? INVALID_SOCKET : sock;
}

// A pipe: its read end becomes readable with the first byte, which nobody reads.
StopSignal::StopSignal() {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
  read_ = fds[0];
  write_ = fds[1];
}

StopSignal::~StopSignal() {
  ::close(read_);
  ::close(write_);
}

void StopSignal::Fire() {
  (void)!::write(write_, "x", 1);
}

}  // namespace sim
