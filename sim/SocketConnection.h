// One accepted TCP connection of the simulators, seen by cpp-httplib as a stream. Every wait on
// the socket is bounded by a time-out and also ends at once when the server's stop signal
// fires, so no connection can hold up the server's shutdown. It does not parse HTTP and does
// not close the socket: the server's connection loop owns it.
#pragma once

#include <httplib.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <string>

namespace sim {

// The HTTP simulators' bound on one read or write inside a request.
inline constexpr std::chrono::seconds kIoTimeout{30};

class SocketConnection final : public httplib::Stream {
 public:
  SocketConnection(socket_t sock, socket_t stop, std::chrono::milliseconds ioTimeout);

  // Waits until the next request's first bytes arrive; false on time-out, stop or end of stream.
  bool WaitForRequest(std::chrono::milliseconds idleTimeout) const;

  // From now on nothing more reaches the client; the owner closes the socket without an answer.
  void Drop() { dropped_ = true; }
  bool Dropped() const { return dropped_; }
  // Drops the connection so that closing it sends a reset (RST) instead of an orderly end.
  void Reset();
  bool WasReset() const { return reset_; }

  bool is_readable() const override;
  bool is_writable() const override;
  ssize_t read(char* ptr, size_t size) override;
  ssize_t write(const char* ptr, size_t size) override;
  void get_remote_ip_and_port(std::string& ip, int& port) const override;
  void get_local_ip_and_port(std::string& ip, int& port) const override;
  socket_t socket() const override { return sock_; }

 private:
  // True when the socket is ready for `events`; false on time-out or when the stop signal fired.
  bool WaitFor(short events, std::chrono::milliseconds timeout) const;

  socket_t sock_;
  socket_t stop_;
  std::chrono::milliseconds ioTimeout_;
  std::array<char, 4096> buffer_{};
  size_t begin_ = 0;
  size_t end_ = 0;
  std::atomic<bool> dropped_{false};
  std::atomic<bool> reset_{false};
};

// cpp-httplib's server with our own connection loop: it serves each connection through a
// SocketConnection, so a handler can drop the connection it is answering (Current()), and the
// stop signal ends idle and slow connections at once instead of after their time-outs.
class ConnectionServer final : public httplib::Server {
 public:
  ConnectionServer(socket_t stop, std::chrono::milliseconds ioTimeout)
      : stop_(stop), ioTimeout_(ioTimeout) {}

  // The connection that the calling worker thread is serving; null outside a handler.
  static SocketConnection* Current();

 private:
  bool process_and_close_socket(socket_t sock) override;

  socket_t stop_;
  std::chrono::milliseconds ioTimeout_;
};

}  // namespace sim
