// Winsock is started by cpp-httplib's own static initialiser, before any of these run.
#include <algorithm>
#include <stdexcept>

#include "sim/Sockets.h"

namespace sim {

int PollSockets(PollEntry* entries, unsigned count, int timeoutMs) {
  return ::WSAPoll(entries, count, timeoutMs);
}

void CloseSocket(socket_t sock, bool reset) {
  if (!reset) ::shutdown(sock, SD_BOTH);
  ::closesocket(sock);
}

void SetResetOnClose(socket_t sock) {
  const linger abort{1, 0};
  (void)::setsockopt(sock, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort),
                     sizeof abort);
}

long SendSome(socket_t sock, const char* data, std::size_t size) {
  const int n = ::send(sock, data, static_cast<int>(std::min<std::size_t>(size, 1 << 30)), 0);
  return n == SOCKET_ERROR ? -1 : n;
}

long ReceiveSome(socket_t sock, char* data, std::size_t size) {
  const int n = ::recv(sock, data, static_cast<int>(std::min<std::size_t>(size, 1 << 30)), 0);
  return n == SOCKET_ERROR ? -1 : n;
}

void SetServerSocketOptions(socket_t sock) {
  // Windows' SO_REUSEADDR would let a second server take a port in use; exclusive use is its
  // way of saying the port is ours alone.
  const BOOL yes = TRUE;
  (void)::setsockopt(sock, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&yes),
                     sizeof yes);
  (void)::setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&yes),
                     sizeof yes);
}

socket_t OpenUdpSocket(int family) {
  return ::WSASocketW(family, SOCK_DGRAM, IPPROTO_UDP, nullptr, 0,
                      WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
}

socket_t OpenTcpSocket(int family) {
  return ::WSASocketW(family, SOCK_STREAM, IPPROTO_TCP, nullptr, 0,
                      WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
}

// Winsock waits on sockets only, so the signal is a UDP socket on loopback: one datagram sent
// to it, which nobody reads, keeps it readable.
StopSignal::StopSignal() {
  std::uint16_t port = 0;
  read_ = OpenLoopbackUdp(port);
  write_ = OpenLoopbackUdp(port);
  if (read_ == INVALID_SOCKET || write_ == INVALID_SOCKET) {
    if (read_ != INVALID_SOCKET) ::closesocket(read_);
    if (write_ != INVALID_SOCKET) ::closesocket(write_);
    throw std::runtime_error("cannot make the stop signal's loopback socket");
  }
}

StopSignal::~StopSignal() {
  ::closesocket(read_);
  ::closesocket(write_);
}

void StopSignal::Fire() {
  sockaddr_in to{};
  int length = sizeof to;
  if (::getsockname(read_, reinterpret_cast<sockaddr*>(&to), &length) != 0) return;
  (void)::sendto(write_, "x", 1, 0, reinterpret_cast<const sockaddr*>(&to), length);
}

}  // namespace sim
