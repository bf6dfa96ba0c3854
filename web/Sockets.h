// The socket calls where Winsock and POSIX differ, for the product's own questions (WHOIS, DNS)
// and the simulators alike: opening, waiting, sending and receiving, closing, and a stop signal
// that every wait can watch. One implementation per platform; it knows nothing of protocols.
#pragma once

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#endif

#include <cstddef>
#include <cstdint>
#include <string>

namespace web {

#ifdef _WIN32
using SocketHandle = SOCKET;
using PollEntry = WSAPOLLFD;
#else
using SocketHandle = int;
using PollEntry = pollfd;
#endif
inline constexpr SocketHandle kNoSocket = static_cast<SocketHandle>(~static_cast<SocketHandle>(0));

// Starts the platform's sockets once for the process; false when they cannot start.
bool StartSockets();

// An unbound socket of the address family, not inherited by child processes; kNoSocket on
// failure.
SocketHandle OpenUdpSocket(int family);
SocketHandle OpenTcpSocket(int family);
// Ends both directions, unless `reset`, and closes.
void CloseSocket(SocketHandle sock, bool reset = false);
// Asks for a reset (RST) instead of an orderly end when the socket is closed.
void SetResetOnClose(SocketHandle sock);
// Exclusive use of the address (no port sharing) and no delayed small writes, for listeners.
void SetServerSocketOptions(SocketHandle sock);
bool SetNonBlocking(SocketHandle sock);

// Whether the last call failed only because a non-blocking socket was not ready (or a signal
// came between); for connect(), whether the connection is under way.
bool WouldBlock();
bool ConnectPending();

// poll() on sockets; -1 on failure, never for an interrupting signal (it then waits on).
int PollSockets(PollEntry* entries, unsigned count, int timeoutMs);
// Waits for a non-blocking connect() to end, either way; > 0 when it has.
int WaitConnected(SocketHandle sock, int timeoutMs);
// Sends without raising SIGPIPE; the bytes sent, or -1.
long SendSome(SocketHandle sock, const char* data, std::size_t size);
// The bytes received, 0 at the end of the stream, or -1.
long ReceiveSome(SocketHandle sock, char* data, std::size_t size);

// The socket address of a numeric IPv4 or IPv6 address and a port; false when the text is not an
// address of that family.
bool NumericAddress(const std::string& address, bool ipv6, std::uint16_t port,
                    sockaddr_storage& out, socklen_t& length);

// Readable from the moment Fire() is called, for good: every wait that watches Handle() ends.
class StopSignal {
 public:
  StopSignal();  // throws std::runtime_error
  ~StopSignal();
  StopSignal(const StopSignal&) = delete;
  StopSignal& operator=(const StopSignal&) = delete;

  SocketHandle Handle() const { return read_; }
  void Fire();

 private:
  SocketHandle read_;
  SocketHandle write_;
};

}  // namespace web
