#include "tools/registrar-sim/Sockets.h"

namespace sim {

socket_t OpenLoopbackUdp(std::uint16_t& port, bool ipv6) {
  const socket_t sock = OpenUdpSocket(ipv6 ? AF_INET6 : AF_INET);
  if (sock == INVALID_SOCKET) return INVALID_SOCKET;
  sockaddr_storage address{};
  socklen_t length = 0;
  if (ipv6) {
    auto& v6 = reinterpret_cast<sockaddr_in6&>(address);
    v6.sin6_family = AF_INET6;
    v6.sin6_addr = in6addr_loopback;
    length = sizeof v6;
  } else {
    auto& v4 = reinterpret_cast<sockaddr_in&>(address);
    v4.sin_family = AF_INET;
    v4.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    length = sizeof v4;
  }
  if (::bind(sock, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      ::getsockname(sock, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    CloseSocket(sock, true);
    return INVALID_SOCKET;
  }
  port = ntohs(ipv6 ? reinterpret_cast<sockaddr_in6&>(address).sin6_port
                    : reinterpret_cast<sockaddr_in&>(address).sin_port);
  return sock;
}

}  // namespace sim
