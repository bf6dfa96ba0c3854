// Fuzzes the reading of a registry's RDAP answer: whatever the bytes, a 200 is "registered"
// only for a domain object of the name asked for, and nothing else ever claims availability.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "check/rdap/DomainReply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view body(reinterpret_cast<const char*>(data), size);
  const check::Answer answer =
      check::ReadDomainReply("abc.com", 200, "application/rdap+json", body);
  FUZZ_CHECK(answer.status == check::Status::Registered || answer.status == check::Status::Unknown);
  FUZZ_CHECK((answer.status == check::Status::Unknown) == !answer.detail.empty());
  if (answer.status == check::Status::Registered) {
    FUZZ_CHECK(body.find("domain") != std::string_view::npos);
  }
  return 0;
}
