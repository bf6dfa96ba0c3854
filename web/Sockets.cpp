#include "web/Sockets.h"

namespace web {

bool NumericAddress(const std::string& address, bool ipv6, std::uint16_t port,
                    sockaddr_storage& out, socklen_t& length) {
  out = {};
  if (ipv6) {
    auto& v6 = reinterpret_cast<sockaddr_in6&>(out);
    v6.sin6_family = AF_INET6;
    v6.sin6_port = htons(port);
    length = sizeof v6;
    return inet_pton(AF_INET6, address.c_str(), &v6.sin6_addr) == 1;
  }
  auto& v4 = reinterpret_cast<sockaddr_in&>(out);
  v4.sin_family = AF_INET;
  v4.sin_port = htons(port);
  length = sizeof v4;
  return inet_pton(AF_INET, address.c_str(), &v4.sin_addr) == 1;
}

}  // namespace web
