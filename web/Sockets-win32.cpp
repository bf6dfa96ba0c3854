#include <algorithm>
#include <stdexcept>

#include "web/Sockets.h"

namespace web {

bool StartSockets() {
  static const bool started = [] {
    WSADATA data;
    return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  return started;
}

SocketHandle OpenUdpSocket(int family) {
  return ::WSASocketW(family, SOCK_DGRAM, IPPROTO_UDP, nullptr, 0,
                      WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
}

SocketHandle OpenTcpSocket(int family) {
  return ::WSASocketW(family, SOCK_STREAM, IPPROTO_TCP, nullptr, 0,
                      WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
}

void CloseSocket(SocketHandle sock, bool reset) {
  if (!reset) ::shutdown(sock, SD_BOTH);
  ::closesocket(sock);
}

void SetResetOnClose(SocketHandle sock) {
  const linger abort{1, 0};
  (void)::setsockopt(sock, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort),
                     sizeof abort);
}

void SetServerSocketOptions(SocketHandle sock) {
  // Windows' SO_REUSEADDR would let a second server take a port in use; exclusive use is its
  // way of saying the port is ours alone.
  const BOOL yes = TRUE;
  (void)::setsockopt(sock, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&yes),
                     sizeof yes);
  (void)::setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&yes),
                     sizeof yes);
}

bool SetNonBlocking(SocketHandle sock) {
  u_long on = 1;
  return ::ioctlsocket(sock, FIONBIO, &on) == 0;
}

bool WouldBlock() {
  return ::WSAGetLastError() == WSAEWOULDBLOCK;
}

bool ConnectPending() {
  return ::WSAGetLastError() == WSAEWOULDBLOCK;
}

int PollSockets(PollEntry* entries, unsigned count, int timeoutMs) {
  return ::WSAPoll(entries, count, timeoutMs);
}

// Windows 7's WSAPoll never reports a refused non-blocking connect; select() does, in its
// exception set.
int WaitConnected(SocketHandle sock, int timeoutMs) {
  fd_set writable;
  fd_set failed;
  FD_ZERO(&writable);
  FD_ZERO(&failed);
  FD_SET(sock, &writable);
  FD_SET(sock, &failed);
  timeval wait{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  return ::select(0, nullptr, &writable, &failed, &wait);
}

long SendSome(SocketHandle sock, const char* data, std::size_t size) {
  const int n = ::send(sock, data, static_cast<int>(std::min<std::size_t>(size, 1 << 30)), 0);
  return n == SOCKET_ERROR ? -1 : n;
}

long ReceiveSome(SocketHandle sock, char* data, std::size_t size) {
  const int n = ::recv(sock, data, static_cast<int>(std::min<std::size_t>(size, 1 << 30)), 0);
  return n == SOCKET_ERROR ? -1 : n;
}

namespace {

// A UDP socket on 127.0.0.1 at a free port.
SocketHandle LoopbackUdp() {
  const SocketHandle sock = OpenUdpSocket(AF_INET);
  if (sock == kNoSocket) return kNoSocket;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    ::closesocket(sock);
    return kNoSocket;
  }
  return sock;
}

}  // namespace

// Winsock waits on sockets only, so the signal is a UDP socket on loopback: one datagram sent
// to it, which nobody reads, keeps it readable.
StopSignal::StopSignal() {
  read_ = StartSockets() ? LoopbackUdp() : kNoSocket;
  write_ = read_ != kNoSocket ? LoopbackUdp() : kNoSocket;
  if (write_ == kNoSocket) {
    if (read_ != kNoSocket) ::closesocket(read_);
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

}  // namespace web
