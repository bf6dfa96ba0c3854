// One accepted TCP connection of the simulator, seen by cpp-httplib as a stream. Every wait on
// the socket is bounded by a time-out and also ends at once when the server's stop signal (a
// pipe that becomes readable) fires, so no connection can hold up the server's shutdown. It
// does not parse HTTP and does not close the socket: the server's connection loop owns it.
#pragma once

#include <httplib.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <string>

namespace sim {

class SocketConnection final : public httplib::Stream {
 public:
  SocketConnection(int sock, int stopFd, std::chrono::milliseconds ioTimeout);

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

  int sock_;
  int stopFd_;
  std::chrono::milliseconds ioTimeout_;
  std::array<char, 4096> buffer_{};
  size_t begin_ = 0;
  size_t end_ = 0;
  std::atomic<bool> dropped_{false};
  std::atomic<bool> reset_{false};
};

}  // namespace sim
