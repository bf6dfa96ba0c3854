// The few socket calls the simulators make beside cpp-httplib's own, the same on every
// platform: waiting on several sockets, closing, a loopback UDP socket, server socket options,
// and a stop signal that every wait can watch.
#pragma once

#include <httplib.h>
#ifndef _WIN32
#include <poll.h>
#endif

#include <cstddef>
#include <cstdint>

namespace sim {

#ifdef _WIN32
using PollEntry = WSAPOLLFD;
#else
using PollEntry = pollfd;
#endif

// poll() on sockets; -1 on failure, never for an interrupting signal (it then waits on).
int PollSockets(PollEntry* entries, unsigned count, int timeoutMs);
// Ends both directions, unless `reset`, and closes.
void CloseSocket(socket_t sock, bool reset = false);
// Asks for a reset (RST) instead of an orderly end when the socket is closed.
void SetResetOnClose(socket_t sock);
// Sends without raising SIGPIPE; the platform's result.
long SendSome(socket_t sock, const char* data, std::size_t size);
long ReceiveSome(socket_t sock, char* data, std::size_t size);
// Address reuse (no port sharing) and no delayed small writes, for listening sockets.
void SetServerSocketOptions(socket_t sock);
// An unbound UDP socket of the address family, not inherited by child processes.
socket_t OpenUdpSocket(int family);
socket_t OpenTcpSocket(int family);
// A UDP socket bound to 127.0.0.1 (or ::1) on a free port, which it reports; INVALID_SOCKET on
// failure.
socket_t OpenLoopbackUdp(std::uint16_t& port, bool ipv6 = false);
// A UDP socket bound to 127.0.0.1 on that port (a TCP listener's, as DNS serves both).
socket_t OpenLoopbackUdpAt(std::uint16_t port);
// A TCP socket listening on 127.0.0.1 on a free port, which it reports; INVALID_SOCKET on
// failure.
socket_t OpenLoopbackTcp(std::uint16_t& port);

// Readable from the moment Fire() is called, for good: every wait that watches Handle() ends.
class StopSignal {
 public:
  StopSignal();  // throws std::runtime_error
  ~StopSignal();
  StopSignal(const StopSignal&) = delete;
  StopSignal& operator=(const StopSignal&) = delete;

  socket_t Handle() const { return read_; }
  void Fire();

 private:
  socket_t read_;
  socket_t write_;
};

}  // namespace sim
