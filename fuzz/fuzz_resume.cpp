// Fuzzes the reading of an earlier run's output for --resume: whatever the bytes, it ends with
// the settled answers or one error naming a line, an unknown answer is never kept as settled,
// and every kept name is non-empty.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "FuzzCheck.h"
#include "cli/Resume.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const auto settled = cli::ReadSettled(in, "earlier");
  if (!settled) {
    FUZZ_CHECK(settled.error().starts_with("earlier:"));
    return 0;
  }
  for (const auto& [name, answer] : settled.value()) {
    FUZZ_CHECK(!name.empty());
    FUZZ_CHECK(answer.status != check::Status::Unknown);
  }
  return 0;
}
