#include <time.h>

#include "LoopbackSockets.h"

namespace test {

std::chrono::nanoseconds ProcessCpuTime() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
}

}  // namespace test
