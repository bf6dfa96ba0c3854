// Plain sockets on 127.0.0.1 for the web tests, where an HTTP server cannot misbehave enough: a
// port that never answers, an address where nothing listens, and the process's CPU time. The
// sockets are the platform shim's (web/Sockets.h); the CPU time is read per platform. It knows
// nothing of HTTP.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace test {

// A TCP port on 127.0.0.1 that completes connections (or, once its backlog is full, not even
// that) but never answers.
class SilentPort {
 public:
  explicit SilentPort(int backlog = 16);
  ~SilentPort();
  SilentPort(const SilentPort&) = delete;
  SilentPort& operator=(const SilentPort&) = delete;

  // Fills the accept queue so that further connection attempts get no answer at all.
  void FillBacklog();
  std::u16string Url() const;

 private:
  std::intptr_t socket_;
  int port_ = 0;
  std::vector<std::intptr_t> fillers_;
};

// An address on 127.0.0.1 where nothing listens.
std::u16string RefusedUrl();

// CPU time the whole process has used so far.
std::chrono::nanoseconds ProcessCpuTime();

}  // namespace test
