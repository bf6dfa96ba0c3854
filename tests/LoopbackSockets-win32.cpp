#include <windows.h>

#include <cstdint>

#include "LoopbackSockets.h"

namespace test {

std::chrono::nanoseconds ProcessCpuTime() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto ticks = [](const FILETIME& t) {
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  // FILETIME counts 100 ns.
  return std::chrono::nanoseconds((ticks(kernel) + ticks(user)) * 100);
}

}  // namespace test
