// Fuzzes the reading of an earlier run's output for --resume: whatever the bytes, it ends with
// the settled answers or one error naming a line, an unknown answer is never kept as settled,
// every kept name is non-empty, and a kept answer is from a route the run asks, no older than it
// allows.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "FuzzCheck.h"
#include "cli/Resume.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const cli::ResumingRun run{{check::Route::Rdap, check::Route::Dns},
                             false,
                             std::chrono::sys_days(std::chrono::year(2026) / 12 / 8),
                             std::chrono::hours(24)};
  const auto settled = cli::ReadSettled(in, "earlier", run);
  if (!settled) {
    FUZZ_CHECK(settled.error().starts_with("earlier:"));
    return 0;
  }
  for (const auto& [name, answer] : settled.value().settled) {
    FUZZ_CHECK(!name.empty());
    FUZZ_CHECK(answer.status != check::Status::Unknown);
    FUZZ_CHECK(!answer.source || *answer.source == check::Route::Rdap ||
               *answer.source == check::Route::Dns);
    FUZZ_CHECK(!answer.checked || run.now - *answer.checked <= run.maxAge);
  }
  return 0;
}
