// The simulators' own programs (Linux only): serve until SIGINT or SIGTERM.
#pragma once

#include <pthread.h>

#include <csignal>
#include <exception>
#include <functional>
#include <iostream>

namespace sim {

// Blocks SIGINT and SIGTERM before `serve` starts any server thread, so that the threads inherit
// the mask and only the wait receives them. `serve` starts the servers, says where they listen,
// calls `wait`, and stops them as it returns. 0, or 1 with the reason on standard error when they
// cannot start.
inline int ServeUntilStopped(const std::function<void(const std::function<void()>& wait)>& serve) {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  try {
    serve([&signals] {
      int received = 0;
      sigwait(&signals, &received);
    });
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace sim
