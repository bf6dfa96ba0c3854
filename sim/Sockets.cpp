#include "sim/Sockets.h"

namespace sim {

namespace {

// Binds the socket to the loopback address of its family on `wanted`, or a free port when it is
// 0, and reports the port.
socket_t BindLoopback(socket_t sock, std::uint16_t& port, bool ipv6, std::uint16_t wanted = 0) {
  if (sock == INVALID_SOCKET) return INVALID_SOCKET;
  sockaddr_storage address{};
  socklen_t length = 0;
  if (ipv6) {
    auto& v6 = reinterpret_cast<sockaddr_in6&>(address);
    v6.sin6_family = AF_INET6;
    v6.sin6_addr = in6addr_loopback;
    v6.sin6_port = htons(wanted);
    length = sizeof v6;
  } else {
    auto& v4 = reinterpret_cast<sockaddr_in&>(address);
    v4.sin_family = AF_INET;
    v4.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    v4.sin_port = htons(wanted);
    length = sizeof v4;
  }
  if (::bind(sock, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      ::getsockname(sock, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    web::CloseSocket(sock, true);
    return INVALID_SOCKET;
  }
  port = ntohs(ipv6 ? reinterpret_cast<sockaddr_in6&>(address).sin6_port
                    : reinterpret_cast<sockaddr_in&>(address).sin_port);
  return sock;
}

}  // namespace

socket_t OpenLoopbackUdp(std::uint16_t& port, bool ipv6) {
  return BindLoopback(web::OpenUdpSocket(ipv6 ? AF_INET6 : AF_INET), port, ipv6);
}

socket_t OpenLoopbackUdpAt(std::uint16_t port) {
  std::uint16_t bound = 0;
  return BindLoopback(web::OpenUdpSocket(AF_INET), bound, false, port);
}

socket_t OpenLoopbackTcp(std::uint16_t& port) {
  const socket_t sock = web::OpenTcpSocket(AF_INET);
  if (sock != INVALID_SOCKET) web::SetServerSocketOptions(sock);
  const socket_t bound = BindLoopback(sock, port, false);
  if (bound != INVALID_SOCKET && ::listen(bound, 64) != 0) {
    web::CloseSocket(bound, true);
    return INVALID_SOCKET;
  }
  return bound;
}

}  // namespace sim
