#include <fcntl.h>
#include <netinet/tcp.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "web/Sockets.h"

namespace web {

bool StartSockets() {
  return true;
}

SocketHandle OpenUdpSocket(int family) {
  const int sock = ::socket(family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  return sock < 0 ? kNoSocket : sock;
}

SocketHandle OpenTcpSocket(int family) {
  const int sock = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
  return sock < 0 ? kNoSocket : sock;
}

void CloseSocket(SocketHandle sock, bool reset) {
  if (!reset) ::shutdown(sock, SHUT_RDWR);
  ::close(sock);
}

void SetResetOnClose(SocketHandle sock) {
  // A zero linger time makes close() abort the connection with a reset.
  const linger abort{1, 0};
  (void)::setsockopt(sock, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
}

void SetServerSocketOptions(SocketHandle sock) {
  const int yes = 1;
  (void)::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  (void)::setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
}

bool SetNonBlocking(SocketHandle sock) {
  const int flags = ::fcntl(sock, F_GETFL, 0);
  return flags >= 0 && ::fcntl(sock, F_SETFL, flags | O_NONBLOCK) == 0;
}

bool WouldBlock() {
  return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
}

bool ConnectPending() {
  return errno == EINPROGRESS;
}

int PollSockets(PollEntry* entries, unsigned count, int timeoutMs) {
  for (;;) {
    const int ready = ::poll(entries, count, timeoutMs);
    if (ready >= 0 || errno != EINTR) return ready;
  }
}

int WaitConnected(SocketHandle sock, int timeoutMs) {
  pollfd entry{};
  entry.fd = sock;
  entry.events = POLLOUT;
  return PollSockets(&entry, 1, timeoutMs);
}

long SendSome(SocketHandle sock, const char* data, std::size_t size) {
  ssize_t n;
  do {
    n = ::send(sock, data, size, MSG_NOSIGNAL);
  } while (n < 0 && errno == EINTR);
  return n;
}

long ReceiveSome(SocketHandle sock, char* data, std::size_t size) {
  ssize_t n;
  do {
    n = ::recv(sock, data, size, 0);
  } while (n < 0 && errno == EINTR);
  return n;
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

}  // namespace web
