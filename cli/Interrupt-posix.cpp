#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <thread>

#include "Interrupt.h"

namespace cli {

void StopOnInterrupt(std::stop_source stop) {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  // The thread ends with the process; it holds nothing that needs cleaning up.
  std::thread([stop, signals]() mutable {
    int received = 0;
    sigwait(&signals, &received);
    stop.request_stop();
    sigwait(&signals, &received);
    _exit(kInterruptedExit);
  }).detach();
}

}  // namespace cli
