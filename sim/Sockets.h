// Listening sockets on loopback for the simulators, beside cpp-httplib's own; every other socket
// call is the platform shim's (web/Sockets.h).
#pragma once

#include <httplib.h>

#include <cstdint>

#include "web/Sockets.h"

namespace sim {

// How long a line-protocol simulator (WHOIS, the proxy) waits for a client's next bytes.
inline constexpr int kReadTimeoutMs = 5000;

// A UDP socket bound to 127.0.0.1 (or ::1) on a free port, which it reports; INVALID_SOCKET on
// failure.
socket_t OpenLoopbackUdp(std::uint16_t& port, bool ipv6 = false);
// A UDP socket bound to 127.0.0.1 on that port (a TCP listener's, as DNS serves both).
socket_t OpenLoopbackUdpAt(std::uint16_t port);
// A TCP socket listening on 127.0.0.1 on a free port, which it reports; INVALID_SOCKET on
// failure.
socket_t OpenLoopbackTcp(std::uint16_t& port);

}  // namespace sim
